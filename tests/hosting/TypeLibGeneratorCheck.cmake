# The type library generator on IDL it must refuse, and on a library using
# every attribute it understands: refused input names the file and the
# reason and writes nothing; understood input gives the flags widl gives.
#   cmake -DGENERATOR=<TypeLibDescription.cmake> -DWORK=<folder> -P TypeLibGeneratorCheck.cmake
cmake_minimum_required(VERSION 3.20)

set(failures 0)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

set(library_head "[uuid(11111111-2222-3333-4444-555555555555), version(2.3), lcid(0x0407), helpstring(\"Probe\")]\nlibrary Probe\n{\n")
set(dual "[uuid(AAAAAAAA-0000-0000-0000-000000000001), helpstring(\"I\"), dual, oleautomation]\ninterface IProbe : IDispatch {};\n")

# Runs the generator on <idl>; sets <result>, <output> (stdout and stderr)
# and whether the header was written.
function(generate name idl)
  set(file "${WORK}/${name}.idl")
  file(WRITE "${file}" "${idl}")
  execute_process(COMMAND ${CMAKE_COMMAND} -DIDL=${file} -DHEADER=${WORK}/${name}.h -DSOURCE=${WORK}/${name}.cpp
                          -DINCLUDE=${name}.h -DNAMESPACE=probe -P ${GENERATOR}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  set(result "${result}" PARENT_SCOPE)
  # CMake wraps its error text: compare with the spacing folded.
  string(REGEX REPLACE "[ \t\r\n]+" " " folded "${out}${err}")
  set(output "${folded}" PARENT_SCOPE)
endfunction()

function(expect_refused name idl reason)
  generate(${name} "${idl}")
  string(FIND "${output}" "${reason}" at)
  string(FIND "${output}" "${name}.idl" named)
  if(result EQUAL 0 OR at EQUAL -1 OR named EQUAL -1 OR EXISTS "${WORK}/${name}.h")
    message(SEND_ERROR "${name}: expected a refusal naming the file and '${reason}', got (${result}):\n${output}")
    math(EXPR failures "${failures} + 1")
    set(failures ${failures} PARENT_SCOPE)
  endif()
endfunction()

expect_refused(no_library "${dual}" "no attributed library block")
expect_refused(library_without_help
               "[uuid(11111111-2222-3333-4444-555555555555), version(1.0), lcid(0)]\nlibrary Probe\n{\n${dual}};\n"
               "library Probe has no helpstring")
expect_refused(interface_without_uuid "${library_head}[helpstring(\"I\"), dual]\ninterface IProbe : IDispatch {};\n};\n"
               "interface IProbe has no uuid")
expect_refused(bad_guid "${library_head}[uuid(AAAA-0000), dual]\ninterface IProbe : IDispatch {};\n};\n"
               "'AAAA-0000' is not a GUID")
expect_refused(unknown_flag
               "${library_head}[uuid(AAAAAAAA-0000-0000-0000-000000000001), dual, appobject]\ninterface IProbe : IDispatch {};\n};\n"
               "the attribute 'appobject' is not understood")
expect_refused(unknown_attribute
               "${library_head}[uuid(AAAAAAAA-0000-0000-0000-000000000001), helpcontext(5)]\ninterface IProbe : IDispatch {};\n};\n"
               "the attribute 'helpcontext(5)' is not understood")
expect_refused(foreign_base
               "${library_head}[uuid(AAAAAAAA-0000-0000-0000-000000000001)]\ninterface IProbe : IOther {};\n};\n"
               "derives from 'IOther'")
expect_refused(undeclared_interface
               "${library_head}[uuid(BBBBBBBB-0000-0000-0000-000000000001)]\ncoclass Probe\n{\n[default] interface IMissing;\n};\n};\n"
               "coclass Probe names IMissing")

# Everything understood, as widl compiles it.
generate(full "// a comment\n/* and another */\n${library_head}${dual}
[uuid(AAAAAAAA-0000-0000-0000-000000000002), helpstring(\"Events\"), hidden]
dispinterface DProbeEvents {};
[uuid(AAAAAAAA-0000-0000-0000-000000000003), version(1.2), oleautomation, nonextensible]
interface IPlain : IUnknown {};
[uuid(BBBBBBBB-0000-0000-0000-000000000001), helpstring(\"Class\"), noncreatable]
coclass probeClass
{
  [default] interface IProbe;
  [default, source] dispinterface DProbeEvents;
  interface IPlain;
};
};
")
set(expected_lines
    "inline constexpr GUID kProbeLibraryId = {0x11111111, 0x2222, 0x3333, {0x44, 0x44, 0x55, 0x55, 0x55, 0x55, 0x55, 0x55}};"
    "{TypeKind::Dispatch, u\"IProbe\", kIProbeHelp, kIProbeIid, TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE, {}, 0, 0},"
    "{TypeKind::Dispatch, u\"DProbeEvents\", kDProbeEventsHelp, kDProbeEventsIid, TYPEFLAG_FDISPATCHABLE | TYPEFLAG_FHIDDEN, {}, 0, 0},"
    "{TypeKind::Interface, u\"IPlain\", kIPlainHelp, kIPlainIid, TYPEFLAG_FOLEAUTOMATION | TYPEFLAG_FNONEXTENSIBLE, {}, 1, 2},"
    "{TypeKind::CoClass, u\"probeClass\", kProbeClassHelp, kProbeClassClassId, 0, {{kIProbeIid, IMPLTYPEFLAG_FDEFAULT}, {kDProbeEventsIid, IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE}, {kIPlainIid, 0}}, 0, 0},"
    "          2,\n          3,\n          0x0407,")
if(NOT result EQUAL 0)
  message(SEND_ERROR "full: refused (${result}):\n${output}")
  math(EXPR failures "${failures} + 1")
else()
  file(READ "${WORK}/full.h" header)
  file(READ "${WORK}/full.cpp" source)
  foreach(line IN LISTS expected_lines)
    string(FIND "${header}${source}" "${line}" at)
    if(at EQUAL -1)
      message(SEND_ERROR "full: missing\n  ${line}\nin\n${header}${source}")
      math(EXPR failures "${failures} + 1")
    endif()
  endforeach()
endif()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} generator check(s) failed.")
endif()
message(STATUS "All generator checks passed.")
