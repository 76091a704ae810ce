// The C++ description generated from CVFM.idl against the library widl
// compiled from it (embedded in this program on Windows), field by field
// and in the library's order: a generator that reads an attribute wrongly
// shows here. Natively the description is the library, which checks that
// it is served as described.
#include <gtest/gtest.h>

#include "addin/library/CVFMTypeLib.h"
#include "platform/com/Bstr.h"
#include "platform/com/ComPtr.h"
#include "platform/com/ModulePath.h"
#include "platform/com/OwnTypeLib.h"
#include "platform/com/Text.h"

namespace corvane::addin::testing {
namespace {

com::ComPtr<ITypeLib> LoadCVFM(const com::TypeLibDescription& description) {
  static const int here = 0;
  com::ComPtr<ITypeLib> lib;
  EXPECT_EQ(com::LoadOwnTypeLib(com::ModulePathOf(&here), description, lib.put()), S_OK);
  return lib;
}

void ExpectImplementedAsDescribed(ITypeInfo* info, const com::TypeDescription& type) {
  for (UINT i = 0; i < type.implemented.size(); ++i) {
    SCOPED_TRACE(i);
    HREFTYPE ref = 0;
    ASSERT_EQ(info->GetRefTypeOfImplType(i, &ref), S_OK);
    com::ComPtr<ITypeInfo> implemented;
    ASSERT_EQ(info->GetRefTypeInfo(ref, implemented.put()), S_OK);
    TYPEATTR* attr = nullptr;
    ASSERT_EQ(implemented->GetTypeAttr(&attr), S_OK);
    EXPECT_TRUE(IsEqualGUID(attr->guid, type.implemented[i].iid));
    implemented->ReleaseTypeAttr(attr);
    INT flags = -1;
    ASSERT_EQ(info->GetImplTypeFlags(i, &flags), S_OK);
    EXPECT_EQ(flags, type.implemented[i].implTypeFlags);
  }
}

void ExpectTypeAsDescribed(ITypeLib* lib, UINT index, const com::TypeDescription& type) {
  SCOPED_TRACE(com::Utf16ToUtf8(type.name));
  com::ComPtr<ITypeInfo> info;
  ASSERT_EQ(lib->GetTypeInfo(index, info.put()), S_OK);
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
  EXPECT_TRUE(IsEqualGUID(attr->guid, type.guid));
  EXPECT_EQ(attr->typekind, com::TypeKindOf(type.kind));
  EXPECT_EQ(attr->wTypeFlags, type.typeFlags);
  EXPECT_EQ(attr->wMajorVerNum, type.majorVersion);
  EXPECT_EQ(attr->wMinorVerNum, type.minorVersion);
  // An interface's base (IDispatch) lives in another library and is not
  // described; a coclass lists exactly what it implements.
  const bool coclass = type.kind == com::TypeKind::CoClass;
  if (coclass) {
    EXPECT_EQ(attr->cImplTypes, type.implemented.size());
  }
  info->ReleaseTypeAttr(attr);
  com::Bstr name, help;
  ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, name.put(), help.put(), nullptr, nullptr), S_OK);
  EXPECT_EQ(name.str(), type.name);
  EXPECT_EQ(help.str(), type.helpString);
  if (coclass) ExpectImplementedAsDescribed(info.get(), type);
}

TEST(CVFMTypeLibDescription, AgreesWithTheCompiledLibraryFieldByField) {
  const com::TypeLibDescription d = CVFMTypeLib();
  const com::ComPtr<ITypeLib> lib = LoadCVFM(d);
  ASSERT_TRUE(lib);
  TLIBATTR* attr = nullptr;
  ASSERT_EQ(lib->GetLibAttr(&attr), S_OK);
  EXPECT_TRUE(IsEqualGUID(attr->guid, d.guid));
  EXPECT_EQ(attr->lcid, d.lcid);
  EXPECT_EQ(attr->syskind, d.syskind);
  EXPECT_EQ(attr->wMajorVerNum, d.majorVersion);
  EXPECT_EQ(attr->wMinorVerNum, d.minorVersion);
  // Whether it was read from a file is the loader's to say, not the IDL's.
  EXPECT_EQ(attr->wLibFlags & ~LIBFLAG_FHASDISKIMAGE, d.libFlags);
  lib->ReleaseTLibAttr(attr);
  com::Bstr name, help;
  ASSERT_EQ(lib->GetDocumentation(-1, name.put(), help.put(), nullptr, nullptr), S_OK);
  EXPECT_EQ(name.str(), d.name);
  EXPECT_EQ(help.str(), d.helpString);
  ASSERT_EQ(lib->GetTypeInfoCount(), d.types.size());
  for (UINT i = 0; i < d.types.size(); ++i) ExpectTypeAsDescribed(lib.get(), i, d.types[i]);
}

}  // namespace
}  // namespace corvane::addin::testing
