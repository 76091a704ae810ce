// The test server's own type library, as LoadOwnTypeLib serves it: the
// library entry, its two types and the coclass's implemented interface.
#include <gtest/gtest.h>

#include "platform/com/Bstr.h"
#include "platform/com/ComPtr.h"
#include "platform/com/OwnTypeLib.h"
#include "platform/com/Text.h"
#include "tests/platform/com/TestServerRegistration.h"
#include "tests/platform/testserver/TestServerTypeLib.h"

namespace {

using corvane::com::Bstr;
using corvane::com::ComPtr;
using corvane::com::TypeKind;
using corvane::com::TypeKindOf;
using corvane::com::testing::TestServerPath;
using namespace corvane::testserver;

class OwnTypeLib : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(LoadOwnTypeLib(TestServerPath(), description_, lib_.put()), S_OK); }

  ComPtr<ITypeInfo> TypeOf(REFGUID guid) {
    ComPtr<ITypeInfo> info;
    EXPECT_EQ(lib_->GetTypeInfoOfGuid(guid, info.put()), S_OK);
    return info;
  }

  const corvane::com::TypeLibDescription description_ = TestServerTypeLib();
  ComPtr<ITypeLib> lib_;
};

TEST_F(OwnTypeLib, LibraryAttributesAndDocumentation) {
  TLIBATTR* attr = nullptr;
  ASSERT_EQ(lib_->GetLibAttr(&attr), S_OK);
  EXPECT_TRUE(IsEqualGUID(attr->guid, kTypeLibId));
  EXPECT_EQ(attr->wMajorVerNum, 1);
  EXPECT_EQ(attr->wMinorVerNum, 0);
  EXPECT_EQ(attr->lcid, 0x0409u);
  EXPECT_EQ(attr->syskind, description_.syskind);
  lib_->ReleaseTLibAttr(attr);

  Bstr name, help;
  ASSERT_EQ(lib_->GetDocumentation(-1, name.put(), help.put(), nullptr, nullptr), S_OK);
  EXPECT_EQ(name.str(), u"CorvaneTestServer");
  EXPECT_EQ(help.str(), u"Corvane Test Server Library");
  EXPECT_EQ(lib_->GetTypeInfoCount(), description_.types.size());
}

TEST_F(OwnTypeLib, EachTypeIsServedByPositionAndByGuid) {
  for (UINT i = 0; i < description_.types.size(); ++i) {
    const auto& expected = description_.types[i];
    SCOPED_TRACE(corvane::com::Utf16ToUtf8(expected.name));
    TYPEKIND kind = TKIND_MAX;
    ASSERT_EQ(lib_->GetTypeInfoType(i, &kind), S_OK);
    EXPECT_EQ(kind, TypeKindOf(expected.kind));
    Bstr name, help;
    ASSERT_EQ(lib_->GetDocumentation(static_cast<INT>(i), name.put(), help.put(), nullptr, nullptr), S_OK);
    EXPECT_EQ(name.str(), expected.name);
    EXPECT_EQ(help.str(), expected.helpString);

    const auto info = TypeOf(expected.guid);
    ASSERT_TRUE(info);
    TYPEATTR* attr = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
    EXPECT_TRUE(IsEqualGUID(attr->guid, expected.guid));
    EXPECT_EQ(attr->typekind, kind);
    EXPECT_EQ(attr->wTypeFlags & expected.typeFlags, expected.typeFlags);
    info->ReleaseTypeAttr(attr);

    Bstr typeName;
    ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, typeName.put(), nullptr, nullptr, nullptr), S_OK);
    EXPECT_EQ(typeName.str(), expected.name);
    ComPtr<ITypeLib> container;
    UINT index = 99;
    ASSERT_EQ(info->GetContainingTypeLib(container.put(), &index), S_OK);
    EXPECT_EQ(index, i);
    EXPECT_EQ(container->GetTypeInfoCount(), lib_->GetTypeInfoCount());
  }
}

TEST_F(OwnTypeLib, CoclassLeadsToItsDefaultInterface) {
  const auto coclass = TypeOf(kCounterClsid);
  ASSERT_TRUE(coclass);
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(coclass->GetTypeAttr(&attr), S_OK);
  EXPECT_EQ(attr->cImplTypes, 1);
  coclass->ReleaseTypeAttr(attr);

  INT flags = 0;
  ASSERT_EQ(coclass->GetImplTypeFlags(0, &flags), S_OK);
  EXPECT_EQ(flags, IMPLTYPEFLAG_FDEFAULT);
  HREFTYPE ref = 0;
  ASSERT_EQ(coclass->GetRefTypeOfImplType(0, &ref), S_OK);
  ComPtr<ITypeInfo> implemented;
  ASSERT_EQ(coclass->GetRefTypeInfo(ref, implemented.put()), S_OK);
  ASSERT_EQ(implemented->GetTypeAttr(&attr), S_OK);
  EXPECT_TRUE(IsEqualGUID(attr->guid, kCounterDispatchIid));
  EXPECT_EQ(attr->typekind, TKIND_DISPATCH);
  implemented->ReleaseTypeAttr(attr);
}

TEST_F(OwnTypeLib, OutOfRangeRequestsAreElementNotFound) {
  const UINT count = lib_->GetTypeInfoCount();
  ComPtr<ITypeInfo> info;
  EXPECT_EQ(lib_->GetTypeInfo(count, info.put()), TYPE_E_ELEMENTNOTFOUND);
  TYPEKIND kind;
  EXPECT_EQ(lib_->GetTypeInfoType(count, &kind), TYPE_E_ELEMENTNOTFOUND);
  EXPECT_EQ(lib_->GetTypeInfoOfGuid(kTypeLibId, info.put()), TYPE_E_ELEMENTNOTFOUND);
  EXPECT_EQ(info, nullptr);
  Bstr name;
  EXPECT_EQ(lib_->GetDocumentation(static_cast<INT>(count), name.put(), nullptr, nullptr, nullptr),
            TYPE_E_ELEMENTNOTFOUND);
  const auto coclass = TypeOf(kCounterClsid);
  INT flags = 0;
  HREFTYPE ref = 0;
  EXPECT_EQ(coclass->GetImplTypeFlags(1, &flags), TYPE_E_ELEMENTNOTFOUND);
  EXPECT_EQ(coclass->GetRefTypeOfImplType(1, &ref), TYPE_E_ELEMENTNOTFOUND);
  EXPECT_EQ(lib_->GetTypeInfo(0, nullptr), E_INVALIDARG);
}

}  // namespace
