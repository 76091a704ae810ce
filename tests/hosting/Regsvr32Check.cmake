# The real library registered and unregistered by the system's registration
# tool under Wine, its entries read back with the system's reg tool. Run by
# CTest in the Windows legs:
#   cmake -DWINE_SESSION=<scripts/wine-session> -DPREFIX=<wine prefix>
#         -DLIBRARY=<corvane.dll> -DBITS=<32|64> -P Regsvr32Check.cmake

set(class_key "HKCR\\CLSID\\{0D97D3D1-31A9-43F0-AE86-840E4F5C4009}")
set(addin_key "HKCU\\Software\\Microsoft\\Office\\Excel\\AddIns\\CVFM.eaCVFM")
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/WineTools.cmake)

windows_path(library "${LIBRARY}")

function(expect_query key pattern)
  wine(status text ${tools}reg.exe query "${key}" ${ARGN} ${view})
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "reg query ${key} failed (${status})")
  endif()
  if(NOT text MATCHES "${pattern}")
    message(FATAL_ERROR "reg query ${key}: expected ${pattern} in:\n${text}")
  endif()
endfunction()

function(expect_missing key)
  wine(status text ${tools}reg.exe query "${key}" ${view})
  if(status EQUAL 0)
    message(FATAL_ERROR "${key} is still there:\n${text}")
  endif()
endfunction()

# Excel counts as installed when its ProgID resolves.
wine(status text ${tools}reg.exe add "HKCR\\Excel.Application\\CLSID" /ve /d "{00024500-0000-0000-C000-000000000046}" /f ${view})

wine(status text ${tools}regsvr32.exe /s "${library}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "regsvr32 ${library} failed (${status})")
endif()
expect_query("${class_key}" "REG_SZ[ \t]+Corvane pivot table tools for Excel" /ve)
expect_query("${class_key}\\InprocServer32" "REG_SZ[ \t]+[^\r\n]*corvane\\.dll" /ve)
expect_query("${class_key}\\InprocServer32" "ThreadingModel[ \t]+REG_SZ[ \t]+Apartment" /v ThreadingModel)
expect_query("${class_key}\\ProgID" "REG_SZ[ \t]+CVFM\\.eaCVFM" /ve)
expect_query("${class_key}\\TypeLib" "REG_SZ[ \t]+{B4A1B742-28F6-413B-A826-6D8AA323AF38}" /ve)
expect_query("${class_key}\\Version" "REG_SZ[ \t]+1\\.0" /ve)
expect_query("HKCR\\CVFM.eaCVFM" "REG_SZ[ \t]+Corvane pivot table tools for Excel" /ve)
expect_query("HKCR\\CVFM.eaCVFM\\Clsid" "REG_SZ[ \t]+{0D97D3D1-31A9-43F0-AE86-840E4F5C4009}" /ve)
expect_query("HKCR\\TypeLib\\{B4A1B742-28F6-413B-A826-6D8AA323AF38}\\1.0" "CVFM Library" /ve)
expect_query("${addin_key}" "FriendlyName[ \t]+REG_SZ[ \t]+Corvane")
expect_query("${addin_key}" "Description[ \t]+REG_SZ[ \t]+Desc")
expect_query("${addin_key}" "LoadBehavior[ \t]+REG_DWORD[ \t]+0x3")
expect_query("${addin_key}" "CommandLineSafe[ \t]+REG_DWORD[ \t]+0x0")

wine(status text ${tools}regsvr32.exe /u /s "${library}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "regsvr32 /u ${library} failed (${status})")
endif()
expect_missing("${class_key}")
expect_missing("HKCR\\CVFM.eaCVFM")
expect_missing("HKCR\\TypeLib\\{B4A1B742-28F6-413B-A826-6D8AA323AF38}")
expect_missing("${addin_key}")
wine(status text ${tools}reg.exe delete "HKCR\\Excel.Application" /f ${view})
