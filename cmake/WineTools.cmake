# What the script checks of the Windows legs share: the system tools of the
# leg's bitness inside its Wine prefix, and one call into the leg's Wine
# session. Included by a -P script given WINE_SESSION, PREFIX and BITS.
#
#   tools   the folder prefix of the leg's own tools ("" or syswow64\)
#   view    the reg tool's switch for the leg's registry view
#   wine(<status var> <output var> <program> [args...])
#   windows_path(<var> <path>)   a host path as the prefix's Z: drive names it

# The 32-bit tools see the 32-bit view of the registry; the 64-bit reg tool
# is told to read the 64-bit view, where class keys differ.
if(BITS EQUAL 32 AND EXISTS ${PREFIX}/drive_c/windows/syswow64)
  set(tools "C:\\windows\\syswow64\\")
else()
  set(tools "")
endif()
if(BITS EQUAL 64)
  set(view /reg:64)
else()
  set(view "")
endif()

function(wine result output)
  execute_process(COMMAND ${WINE_SESSION} run ${PREFIX} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE text
                  ERROR_VARIABLE errors)
  set(${result} ${status} PARENT_SCOPE)
  set(${output} "${text}${errors}" PARENT_SCOPE)
endfunction()

function(windows_path result path)
  set(text "Z:${path}")
  string(REPLACE "/" "\\" text "${text}")
  set(${result} "${text}" PARENT_SCOPE)
endfunction()
