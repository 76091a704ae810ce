# Writes a type library's C++ description (platform/com/TypeLibDescription.h)
# from its IDL, so that the IDL widl compiles for Windows is the only source:
#   cmake -DIDL=<file.idl> -DHEADER=<out.h> -DSOURCE=<out.cpp> -DINCLUDE=<header as included>
#         -DNAMESPACE=<C++ namespace> -P TypeLibDescription.cmake
# It reads the attribute blocks of the library, its interfaces and coclasses
# (uuid, version, lcid, helpstring and the flags below) and refuses anything
# it does not know rather than describe the library differently from widl.
# Names: k<Library>LibraryId, k<Type>Iid, k<Type>ClassId and k<Type>Help, the
# type's name with its first letter raised.

cmake_minimum_required(VERSION 3.20)

foreach(var IDL HEADER SOURCE INCLUDE NAMESPACE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "TypeLibDescription.cmake: ${var} is not given.")
  endif()
endforeach()
if(NOT EXISTS "${IDL}")
  message(FATAL_ERROR "${IDL}: no such file.")
endif()

function(fail text)
  message(FATAL_ERROR "${IDL}: ${text}")
endfunction()

# The text without comments, with ';' (CMake's list separator) as '%'.
file(READ "${IDL}" idl)
string(REGEX REPLACE "//[^\n]*" "" idl "${idl}")
string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" idl "${idl}")
if(idl MATCHES "%")
  fail("'%' is not expected in this IDL.")
endif()
string(REPLACE ";" "%" idl "${idl}")

set(ws "[ \t\r\n]")
set(ident "[A-Za-z_][A-Za-z0-9_]*")

# GUID text (8-4-4-4-12 hex digits) to a C++ initialiser in <out>.
function(guid_initializer text out)
  string(TOUPPER "${text}" text)
  if(NOT text MATCHES "^([0-9A-F]+)-([0-9A-F]+)-([0-9A-F]+)-([0-9A-F][0-9A-F])([0-9A-F][0-9A-F])-([0-9A-F]+)$")
    fail("'${text}' is not a GUID.")
  endif()
  set(d1 ${CMAKE_MATCH_1})
  set(d2 ${CMAKE_MATCH_2})
  set(d3 ${CMAKE_MATCH_3})
  set(bytes "0x${CMAKE_MATCH_4}, 0x${CMAKE_MATCH_5}")
  set(tail ${CMAKE_MATCH_6})
  string(LENGTH "${d1}" l1)
  string(LENGTH "${d2}" l2)
  string(LENGTH "${d3}" l3)
  string(LENGTH "${tail}" l4)
  if(NOT (l1 EQUAL 8 AND l2 EQUAL 4 AND l3 EQUAL 4 AND l4 EQUAL 12))
    fail("'${text}' is not a GUID.")
  endif()
  foreach(i RANGE 0 10 2)
    string(SUBSTRING "${tail}" ${i} 2 byte)
    string(APPEND bytes ", 0x${byte}")
  endforeach()
  set(${out} "{0x${d1}, 0x${d2}, 0x${d3}, {${bytes}}}" PARENT_SCOPE)
endfunction()

# Splits an attribute block into <prefix>_UUID, _HELP, _VERSION, _LCID and
# the list <prefix>_FLAGS of bare words; anything else is an error.
function(parse_attributes text prefix)
  set(flags "")
  foreach(var UUID HELP VERSION LCID)
    set(${prefix}_${var} "" PARENT_SCOPE)
  endforeach()
  string(REGEX MATCHALL "${ident}(${ws}*\\([^)]*\\))?" items "${text}")
  foreach(item IN LISTS items)
    if(item MATCHES "^uuid${ws}*\\(${ws}*([^) \t\r\n]+)${ws}*\\)$")
      set(${prefix}_UUID "${CMAKE_MATCH_1}" PARENT_SCOPE)
    elseif(item MATCHES "^helpstring${ws}*\\(${ws}*\"([^\"\\\\]*)\"${ws}*\\)$")
      set(${prefix}_HELP "${CMAKE_MATCH_1}" PARENT_SCOPE)
    elseif(item MATCHES "^version${ws}*\\(${ws}*([0-9]+)(\\.([0-9]+))?${ws}*\\)$")
      if(CMAKE_MATCH_3 STREQUAL "")
        set(CMAKE_MATCH_3 0)
      endif()
      set(${prefix}_VERSION "${CMAKE_MATCH_1};${CMAKE_MATCH_3}" PARENT_SCOPE)
    elseif(item MATCHES "^lcid${ws}*\\(${ws}*((0x)?[0-9A-Fa-f]+)${ws}*\\)$")
      set(${prefix}_LCID "${CMAKE_MATCH_1}" PARENT_SCOPE)
    elseif(item MATCHES "^${ident}$")
      list(APPEND flags "${item}")
    else()
      fail("the attribute '${item}' is not understood.")
    endif()
  endforeach()
  set(${prefix}_FLAGS "${flags}" PARENT_SCOPE)
endfunction()

# Refuses flags outside <allowed>.
function(check_flags what flags allowed)
  foreach(flag IN LISTS flags)
    if(NOT flag IN_LIST allowed)
      fail("${what}: the attribute '${flag}' is not understood.")
    endif()
  endforeach()
endfunction()

function(capitalized name out)
  string(SUBSTRING "${name}" 0 1 first)
  string(SUBSTRING "${name}" 1 -1 rest)
  string(TOUPPER "${first}" first)
  set(${out} "${first}${rest}" PARENT_SCOPE)
endfunction()

# The library.
if(NOT idl MATCHES "\\[([^]]*)\\]${ws}*library${ws}+(${ident})${ws}*{(.*)}")
  fail("no attributed library block.")
endif()
set(library_name "${CMAKE_MATCH_2}")
set(body "${CMAKE_MATCH_3}")
parse_attributes("${CMAKE_MATCH_1}" lib)
check_flags("library ${library_name}" "${lib_FLAGS}" "")
foreach(pair UUID:uuid HELP:helpstring VERSION:version LCID:lcid)
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 var)
  list(GET pair 1 attr)
  if(lib_${var} STREQUAL "")
    fail("library ${library_name} has no ${attr}.")
  endif()
endforeach()
guid_initializer("${lib_UUID}" lib_guid)
list(GET lib_VERSION 0 lib_major)
list(GET lib_VERSION 1 lib_minor)

set(header_ids "")
set(types "")
set(interface_names "")

# The types, in the order written (widl's order); the library's top level
# only, not what a coclass lists.
string(REGEX REPLACE "{[^}]*}" "{}" top "${body}")
string(REGEX MATCHALL "\\[[^]]*\\]${ws}*(interface|dispinterface|coclass)${ws}+${ident}[^{%]*" declarations "${top}")
foreach(decl IN LISTS declarations)
  string(REGEX MATCH "^\\[([^]]*)\\]${ws}*(${ident})${ws}+(${ident})${ws}*(:${ws}*(${ident}))?" unused "${decl}")

  set(attrs "${CMAKE_MATCH_1}")
  set(kind "${CMAKE_MATCH_2}")
  set(name "${CMAKE_MATCH_3}")
  set(base "${CMAKE_MATCH_5}")
  parse_attributes("${attrs}" t)
  if(t_UUID STREQUAL "")
    fail("${kind} ${name} has no uuid.")
  endif()
  if(NOT t_LCID STREQUAL "")
    fail("${kind} ${name}: lcid belongs to the library.")
  endif()
  guid_initializer("${t_UUID}" guid)
  capitalized("${name}" cap)
  set(major 0)
  set(minor 0)
  if(NOT t_VERSION STREQUAL "")
    list(GET t_VERSION 0 major)
    list(GET t_VERSION 1 minor)
  endif()
  set(help_id "k${cap}Help")
  string(APPEND header_ids "inline constexpr char16_t ${help_id}[] = u\"${t_HELP}\";\n")
  set(flag_terms "")
  set(implemented "{}")
  if(kind STREQUAL "coclass")
    check_flags("coclass ${name}" "${t_FLAGS}" "noncreatable;hidden")
    set(id "k${cap}ClassId")
    string(APPEND header_ids "// {${t_UUID}}\ninline constexpr CLSID ${id} = ${guid};\n")
    set(type_kind CoClass)
    if(NOT "noncreatable" IN_LIST t_FLAGS)
      list(APPEND flag_terms TYPEFLAG_FCANCREATE)
    endif()
    if(NOT body MATCHES "coclass${ws}+${name}${ws}*{([^}]*)}")
      fail("coclass ${name} has no body.")
    endif()
    string(REGEX MATCHALL "(\\[[^]]*\\]${ws}*)?(interface|dispinterface)${ws}+${ident}" members "${CMAKE_MATCH_1}")
    set(entries "")
    foreach(member IN LISTS members)
      string(REGEX MATCH "^(\\[([^]]*)\\]${ws}*)?(interface|dispinterface)${ws}+(${ident})$" unused "${member}")
      set(member_name "${CMAKE_MATCH_4}")
      string(REGEX MATCHALL "${ident}" member_flags "${CMAKE_MATCH_2}")
      check_flags("coclass ${name}, ${member_name}" "${member_flags}" "default;source;restricted")
      if(NOT member_name IN_LIST interface_names)
        fail("coclass ${name} names ${member_name}, which is not declared before it in the library.")
      endif()
      set(impl_terms "")
      foreach(flag IN LISTS member_flags)
        string(TOUPPER "${flag}" flag)
        list(APPEND impl_terms IMPLTYPEFLAG_F${flag})
      endforeach()
      if(impl_terms STREQUAL "")
        set(impl_terms 0)
      endif()
      list(JOIN impl_terms " | " impl_expr)
      capitalized("${member_name}" member_cap)
      list(APPEND entries "{k${member_cap}Iid, ${impl_expr}}")
    endforeach()
    list(JOIN entries ", " implemented)
    set(implemented "{${implemented}}")
  else()
    set(id "k${cap}Iid")
    string(APPEND header_ids "// {${t_UUID}}\ninline constexpr IID ${id} = ${guid};\n")
    list(APPEND interface_names "${name}")
    if(kind STREQUAL "dispinterface")
      check_flags("dispinterface ${name}" "${t_FLAGS}" "hidden;nonextensible")
      set(type_kind Dispatch)
      list(APPEND flag_terms TYPEFLAG_FDISPATCHABLE)
    else()
      check_flags("interface ${name}" "${t_FLAGS}" "dual;oleautomation;hidden;nonextensible")
      if(NOT base MATCHES "^(IUnknown|IDispatch)$")
        fail("interface ${name} derives from '${base}'; only IUnknown and IDispatch are described.")
      endif()
      # A dual interface stands in the library as its dispatch side.
      if("dual" IN_LIST t_FLAGS)
        if(NOT base STREQUAL "IDispatch")
          fail("dual interface ${name} must derive from IDispatch.")
        endif()
        set(type_kind Dispatch)
        list(APPEND flag_terms TYPEFLAG_FDUAL TYPEFLAG_FDISPATCHABLE)
      else()
        set(type_kind Interface)
        if(base STREQUAL "IDispatch")
          list(APPEND flag_terms TYPEFLAG_FDISPATCHABLE)
        endif()
      endif()
      # The dispatch side of a dual interface does not carry it.
      if("oleautomation" IN_LIST t_FLAGS AND NOT "dual" IN_LIST t_FLAGS)
        list(APPEND flag_terms TYPEFLAG_FOLEAUTOMATION)
      endif()
    endif()
    if("nonextensible" IN_LIST t_FLAGS)
      list(APPEND flag_terms TYPEFLAG_FNONEXTENSIBLE)
    endif()
  endif()
  if("hidden" IN_LIST t_FLAGS)
    list(APPEND flag_terms TYPEFLAG_FHIDDEN)
  endif()
  if(flag_terms STREQUAL "")
    set(flag_terms 0)
  endif()
  list(JOIN flag_terms " | " flag_expr)
  string(APPEND types "              {TypeKind::${type_kind}, u\"${name}\", ${help_id}, ${id}, ${flag_expr}, ${implemented}, ${major}, ${minor}},\n")
endforeach()
if(types STREQUAL "")
  fail("library ${library_name} declares no types.")
endif()

get_filename_component(idl_name "${IDL}" NAME)
set(notice "// Generated from ${idl_name} by cmake/TypeLibDescription.cmake: edit the IDL, not this file.")
file(WRITE "${HEADER}" "${notice}
// The type library as data: what the native build serves; the Windows
// build embeds the library widl compiles from the same IDL.
#pragma once

#include \"platform/com/TypeLibDescription.h\"
#include \"platform/com/com.h\"

namespace ${NAMESPACE} {

// {${lib_UUID}}
inline constexpr GUID k${library_name}LibraryId = ${lib_guid};
inline constexpr char16_t k${library_name}LibraryHelp[] = u\"${lib_HELP}\";
${header_ids}
com::TypeLibDescription ${library_name}TypeLib();

}  // namespace ${NAMESPACE}
")
file(WRITE "${SOURCE}" "${notice}
#include \"${INCLUDE}\"

namespace ${NAMESPACE} {

com::TypeLibDescription ${library_name}TypeLib() {
  using com::TypeKind;
  // A 64-bit library describes itself as one, as widl compiles it there.
  return {u\"${library_name}\",
          k${library_name}LibraryHelp,
          k${library_name}LibraryId,
          ${lib_major},
          ${lib_minor},
          ${lib_LCID},
          sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32,
          {
${types}          }};
}

}  // namespace ${NAMESPACE}
")
