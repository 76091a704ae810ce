// CoRegisterClassObject: class objects the process offers itself, found by
// CoGetClassObject and CoCreateInstance before the registry is read.
#include <gtest/gtest.h>

#include "platform/com/ComPtr.h"
#include "tests/platform/com/Probe.h"

namespace {

using corvane::com::ComPtr;
using corvane::com::Make;
using corvane::com::testing::Probe;
using corvane::com::testing::ProbeFactory;

// {1D7C3B52-6E48-4A0F-B2C9-5F8E1A3D7B46}: registered nowhere but in the table.
constexpr CLSID kTableClass = {0x1D7C3B52, 0x6E48, 0x4A0F, {0xB2, 0xC9, 0x5F, 0x8E, 0x1A, 0x3D, 0x7B, 0x46}};

HRESULT Create(DWORD context, ComPtr<IUnknown>& out) {
  return CoCreateInstance(kTableClass, nullptr, context, IID_IUnknown, out.put_void());
}

TEST(ClassTable, LocalRegistrationServesBothServerContextsInprocOnlyItsOwn) {
  struct Row {
    DWORD registeredFor;
    DWORD requested;
    bool found;
  };
  const Row rows[] = {
      {CLSCTX_LOCAL_SERVER, CLSCTX_LOCAL_SERVER, true},    {CLSCTX_LOCAL_SERVER, CLSCTX_SERVER, true},
      {CLSCTX_INPROC_SERVER, CLSCTX_INPROC_SERVER, true},  {CLSCTX_INPROC_SERVER, CLSCTX_ALL, true},
      {CLSCTX_LOCAL_SERVER, CLSCTX_INPROC_SERVER, true},   {CLSCTX_INPROC_SERVER, CLSCTX_LOCAL_SERVER, false},
      {CLSCTX_LOCAL_SERVER, CLSCTX_INPROC_HANDLER, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.registeredFor << " asked " << row.requested);
    auto factory = Make<ProbeFactory>();
    DWORD cookie = 0;
    ASSERT_EQ(CoRegisterClassObject(kTableClass, factory.get(), row.registeredFor, REGCLS_MULTIPLEUSE, &cookie), S_OK);
    EXPECT_NE(cookie, 0u);
    ComPtr<IUnknown> created;
    EXPECT_EQ(Create(row.requested, created), row.found ? S_OK : REGDB_E_CLASSNOTREG);
    EXPECT_EQ(created != nullptr, row.found);
    EXPECT_EQ(CoRevokeClassObject(cookie), S_OK);
  }
}

TEST(ClassTable, ClassObjectIsHandedOutAndAggregationLeftToIt) {
  auto factory = Make<ProbeFactory>();
  DWORD cookie = 0;
  ASSERT_EQ(CoRegisterClassObject(kTableClass, factory.get(), CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie), S_OK);
  ComPtr<IClassFactory> got;
  EXPECT_EQ(CoGetClassObject(kTableClass, CLSCTX_LOCAL_SERVER, nullptr, IID_IClassFactory, got.put_void()), S_OK);
  EXPECT_EQ(got.get(), static_cast<IClassFactory*>(factory.get()));
  ComPtr<IDispatch> noSuchInterface;
  EXPECT_EQ(CoGetClassObject(kTableClass, CLSCTX_LOCAL_SERVER, nullptr, IID_IDispatch, noSuchInterface.put_void()),
            E_NOINTERFACE);
  ComPtr<IUnknown> aggregated;
  auto outer = Make<Probe>();
  EXPECT_EQ(CoCreateInstance(kTableClass, outer.get(), CLSCTX_LOCAL_SERVER, IID_IUnknown, aggregated.put_void()),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(aggregated, nullptr);
  EXPECT_EQ(CoRevokeClassObject(cookie), S_OK);
}

TEST(ClassTable, RevokedClassIsGoneAndItsCookieUnknown) {
  auto factory = Make<ProbeFactory>();
  DWORD cookie = 0;
  ASSERT_EQ(CoRegisterClassObject(kTableClass, factory.get(), CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie), S_OK);
  ASSERT_EQ(CoRevokeClassObject(cookie), S_OK);
  ComPtr<IUnknown> created;
  EXPECT_EQ(Create(CLSCTX_LOCAL_SERVER, created), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(CoRevokeClassObject(cookie), E_INVALIDARG);
}

TEST(ClassTable, BadArgumentsAreRefused) {
  DWORD cookie = 0;
  EXPECT_EQ(CoRegisterClassObject(kTableClass, nullptr, CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie),
            E_INVALIDARG);
  EXPECT_EQ(CoCreateInstance(kTableClass, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown, nullptr), E_POINTER);
  EXPECT_EQ(CoGetClassObject(kTableClass, CLSCTX_LOCAL_SERVER, nullptr, IID_IClassFactory, nullptr), E_INVALIDARG);
}

}  // namespace
