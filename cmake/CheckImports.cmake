# cmake -DOBJDUMP=<objdump> -DMODULES=<a.exe;b.dll> -P CheckImports.cmake
#
# Fails when a Windows module imports a DLL that Windows does not ship: the
# add-in and the test programs must run from their own file alone, so the
# GCC and mingw-w64 runtimes (libstdc++, libgcc, libwinpthread) have to be
# linked in statically.
set(runtime_dlls "^lib(stdc\\+\\+|gcc|winpthread|ssp|gomp|atomic|quadmath)")

foreach(module IN LISTS MODULES)
  execute_process(COMMAND ${OBJDUMP} -p ${module} OUTPUT_VARIABLE dump RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "cannot read the imports of ${module}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
  if(NOT imports)
    message(FATAL_ERROR "${module} imports nothing: not a Windows module?")
  endif()
  foreach(line IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${line}")
    string(TOLOWER "${dll}" dll)
    if(dll MATCHES "${runtime_dlls}")
      message(SEND_ERROR "${module} needs ${dll}, a compiler runtime Windows does not have")
    endif()
  endforeach()
endforeach()
