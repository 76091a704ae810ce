# The system's script host under Wine drives the simulated Excel by name:
# the sim's in-process server is registered as Excel.Application in the
# prefix, the script runs, and the entries are removed again. Run by CTest in
# the Windows legs, inside the leg's Wine session and its virtual display
# (the simulated Excel makes windows). The script host reports a script
# error without failing, so success is its last line, not only its status:
#   cmake -DWINE_SESSION=<scripts/wine-session> -DPREFIX=<wine prefix>
#         -DSERVER=<simexcel.dll> -DSCRIPT=<file.vbs> -DBITS=<32|64> -P ScriptCheck.cmake

set(excel_class "{00024500-0000-0000-C000-000000000046}")
include(${CMAKE_CURRENT_LIST_DIR}/../../../cmake/WineTools.cmake)

windows_path(server "${SERVER}")
windows_path(script "${SCRIPT}")

function(remove_entries)
  wine(status text ${tools}reg.exe delete "HKCR\\Excel.Application" /f ${view})
  wine(status text ${tools}reg.exe delete "HKCR\\CLSID\\${excel_class}" /f ${view})
endfunction()

function(reg_add)
  wine(status text ${tools}reg.exe add ${ARGN} /f ${view})
  if(NOT status EQUAL 0)
    remove_entries()
    message(FATAL_ERROR "reg add ${ARGN} failed (${status}):\n${text}")
  endif()
endfunction()

reg_add("HKCR\\Excel.Application\\CLSID" /ve /d "${excel_class}")
reg_add("HKCR\\CLSID\\${excel_class}\\InprocServer32" /ve /d "${server}")
reg_add("HKCR\\CLSID\\${excel_class}\\InprocServer32" /v ThreadingModel /d Apartment)
reg_add("HKCR\\CLSID\\${excel_class}\\ProgID" /ve /d Excel.Application)

wine(status text ${tools}cscript.exe //nologo "${script}")
remove_entries()
message(STATUS "${text}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cscript ${SCRIPT} ended with ${status}:\n${text}")
endif()
if(NOT text MATCHES "all checks passed")
  message(FATAL_ERROR "cscript ${SCRIPT} did not finish:\n${text}")
endif()
