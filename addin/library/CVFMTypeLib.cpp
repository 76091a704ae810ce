#include "addin/library/CVFMTypeLib.h"

namespace corvane::addin {

com::TypeLibDescription CVFMTypeLib() {
  using com::TypeKind;
  // A 64-bit library describes itself as one, as widl compiles it there.
  return {u"CVFM",
          u"CVFM Library",
          kCVFMLibraryId,
          1,
          0,
          0x0409,
          sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32,
          {
              {TypeKind::Dispatch, u"IeaCVFM", kIeaCVFMHelp, kIeaCVFMIid, TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE, {}},
              {TypeKind::CoClass,
               u"eaCVFM",
               kEaCVFMHelp,
               kEaCVFMClassId,
               TYPEFLAG_FCANCREATE,
               {{kIeaCVFMIid, IMPLTYPEFLAG_FDEFAULT}}},
          }};
}

}  // namespace corvane::addin
