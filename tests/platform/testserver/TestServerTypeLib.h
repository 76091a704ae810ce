// The test server's type library as a description. The Windows build
// embeds the same library, compiled from testserver.idl; the two must agree.
#pragma once

#include "platform/com/TypeLibDescription.h"
#include "tests/platform/testserver/TestServerIds.h"

namespace corvane::testserver {

// {D3A8F0B4-5C21-4E7A-9B6D-81E2F4C7A905}
constexpr GUID kTypeLibId = {0xD3A8F0B4, 0x5C21, 0x4E7A, {0x9B, 0x6D, 0x81, 0xE2, 0xF4, 0xC7, 0xA9, 0x05}};
// {4F6E2D91-B7A3-4C58-8E1F-0A9C3B5D7E24}
constexpr IID kCounterDispatchIid = {0x4F6E2D91, 0xB7A3, 0x4C58, {0x8E, 0x1F, 0x0A, 0x9C, 0x3B, 0x5D, 0x7E, 0x24}};

inline com::TypeLibDescription TestServerTypeLib() {
  using com::TypeKind;
  return {u"CorvaneTestServer",
          u"Corvane Test Server Library",
          kTypeLibId,
          1,
          0,
          0x0409,
          sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32,
          {
              {TypeKind::Dispatch, u"DCounter", u"Counts its calls", kCounterDispatchIid, TYPEFLAG_FDISPATCHABLE, {}},
              {TypeKind::CoClass,
               u"Counter",
               u"Counter object",
               kCounterClsid,
               TYPEFLAG_FCANCREATE,
               {{kCounterDispatchIid, IMPLTYPEFLAG_FDEFAULT}}},
          }};
}

}  // namespace corvane::testserver
