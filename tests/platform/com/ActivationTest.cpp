// Activation through the registry alone: ProgID to CLSID, CLSID to the
// in-process server's path, the server's DllGetClassObject, and unloading
// through DllCanUnloadNow.
#include <gtest/gtest.h>

#include <optional>

#include "platform/com/ComPtr.h"
#include "platform/registry/ScratchRegistry.h"
#include "tests/platform/com/Probe.h"
#include "tests/platform/com/TestServerRegistration.h"
#include "tests/platform/testserver/TestServerIds.h"

namespace {

using corvane::com::ComPtr;
using corvane::com::Make;
using corvane::com::testing::GuidString;
using corvane::com::testing::TestServerPath;
using corvane::com::testing::TestServerRegistration;
using namespace corvane::testserver;

// {5A2E9C14-7F3B-4D61-8C0A-E6B4D2F81937}: in no registry.
constexpr CLSID kUnknownClass = {0x5A2E9C14, 0x7F3B, 0x4D61, {0x8C, 0x0A, 0xE6, 0xB4, 0xD2, 0xF8, 0x19, 0x37}};
// {5A2E9C15-7F3B-4D61-8C0A-E6B4D2F81937}: registered to a server that does not serve it.
constexpr CLSID kForeignClass = {0x5A2E9C15, 0x7F3B, 0x4D61, {0x8C, 0x0A, 0xE6, 0xB4, 0xD2, 0xF8, 0x19, 0x37}};
// {5A2E9C16-7F3B-4D61-8C0A-E6B4D2F81937}: registered to a library that is not there.
constexpr CLSID kMissingLibraryClass = {0x5A2E9C16, 0x7F3B, 0x4D61, {0x8C, 0x0A, 0xE6, 0xB4, 0xD2, 0xF8, 0x19, 0x37}};

// A member of the counter by name, as a client that knows no DISPIDs calls it.
std::optional<LONG> Call(IDispatch* object, const char16_t* name, WORD flags = DISPATCH_PROPERTYGET) {
  LPOLESTR names[] = {const_cast<LPOLESTR>(reinterpret_cast<LPCOLESTR>(name))};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return std::nullopt;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  VARIANT result;
  VariantInit(&result);
  if (FAILED(object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &none, &result, nullptr, nullptr))) {
    return std::nullopt;
  }
  EXPECT_EQ(V_VT(&result), VT_I4);
  return V_I4(&result);
}

class Activation : public ::testing::Test {
 protected:
  ComPtr<IDispatch> CreateCounter() {
    CLSID clsid = GUID_NULL;
    EXPECT_EQ(CLSIDFromProgID(reinterpret_cast<LPCOLESTR>(kCounterProgId), &clsid), S_OK);
    ComPtr<IDispatch> counter;
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, counter.put_void()), S_OK);
    return counter;
  }

  corvane::registry::ScratchRegistry scratch_;
  TestServerRegistration server_;
};

TEST_F(Activation, ProgIdAndClsidMapBothWays) {
  CLSID clsid = GUID_NULL;
  ASSERT_EQ(CLSIDFromProgID(reinterpret_cast<LPCOLESTR>(kCounterProgId), &clsid), S_OK);
  EXPECT_TRUE(IsEqualCLSID(clsid, kCounterClsid));
  LPOLESTR progId = nullptr;
  ASSERT_EQ(ProgIDFromCLSID(kCounterClsid, &progId), S_OK);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(progId)), kCounterProgId);
  CoTaskMemFree(progId);
}

TEST_F(Activation, UnknownNamesAndClassesGiveWindowsResults) {
  CLSID clsid = kCounterClsid;
  EXPECT_EQ(CLSIDFromProgID(OLESTR("CorvaneTest.NoSuchClass"), &clsid), CO_E_CLASSSTRING);
  EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_NULL));
  EXPECT_EQ(CLSIDFromProgID(nullptr, &clsid), E_INVALIDARG);

  LPOLESTR progId = nullptr;
  EXPECT_EQ(ProgIDFromCLSID(kUnknownClass, &progId), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(progId, nullptr);

  ComPtr<IUnknown> object;
  EXPECT_EQ(CoCreateInstance(kUnknownClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.put_void()),
            REGDB_E_CLASSNOTREG);
  EXPECT_EQ(object, nullptr);
  ComPtr<IClassFactory> factory;
  EXPECT_EQ(CoGetClassObject(kUnknownClass, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, factory.put_void()),
            REGDB_E_CLASSNOTREG);
  EXPECT_EQ(factory, nullptr);
}

TEST_F(Activation, ServerAnswersForItsOwnClassOnly) {
  server_.AddClass(kForeignClass, TestServerPath());
  ComPtr<IUnknown> object;
  EXPECT_EQ(CoCreateInstance(kForeignClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.put_void()),
            CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(object, nullptr);
}

TEST_F(Activation, LibraryThatIsNotThereFails) {
  server_.AddClass(kMissingLibraryClass, TestServerPath() + u".missing");
  ComPtr<IUnknown> object;
  const HRESULT hr =
      CoCreateInstance(kMissingLibraryClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.put_void());
  EXPECT_TRUE(FAILED(hr));
  EXPECT_NE(hr, REGDB_E_CLASSNOTREG);
  EXPECT_EQ(object, nullptr);
}

TEST_F(Activation, CreatedObjectCountsItsCalls) {
  const auto counter = CreateCounter();
  ASSERT_TRUE(counter);
  EXPECT_EQ(Call(counter.get(), u"Ping", DISPATCH_METHOD), 1);
  EXPECT_EQ(Call(counter.get(), u"ping", DISPATCH_METHOD), 2);
  EXPECT_EQ(Call(counter.get(), u"Calls"), 2);
  EXPECT_EQ(Call(counter.get(), u"NoSuchMember"), std::nullopt);
  const auto other = CreateCounter();
  EXPECT_EQ(Call(other.get(), u"Calls"), 0);
  EXPECT_EQ(Call(other.get(), u"LiveObjects"), 2);
}

TEST_F(Activation, ServerRefusesAggregation) {
  auto outer = Make<corvane::com::testing::Probe>();
  ComPtr<IUnknown> object;
  EXPECT_EQ(CoCreateInstance(kCounterClsid, outer.get(), CLSCTX_INPROC_SERVER, IID_IUnknown, object.put_void()),
            CLASS_E_NOAGGREGATION);
  EXPECT_EQ(object, nullptr);
}

// The server's counts restart when the library is loaded again: that is how
// the test sees whether CoFreeUnusedLibraries unloaded it.
TEST_F(Activation, UnusedServerIsUnloadedOnlyWhenItSaysSo) {
  auto counter = CreateCounter();
  ASSERT_TRUE(counter);
  const LONG created = *Call(counter.get(), u"CreatedSinceLoad");

  CoFreeUnusedLibraries();  // an object is alive: the library stays
  EXPECT_EQ(Call(counter.get(), u"Ping", DISPATCH_METHOD), 1);
  EXPECT_EQ(Call(CreateCounter().get(), u"CreatedSinceLoad"), created + 1);

  ComPtr<IClassFactory> factory;
  ASSERT_EQ(CoGetClassObject(kCounterClsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, factory.put_void()),
            S_OK);
  ASSERT_EQ(factory->LockServer(TRUE), S_OK);
  factory = nullptr;
  counter = nullptr;
  CoFreeUnusedLibraries();  // locked: the library stays
  counter = CreateCounter();
  EXPECT_EQ(Call(counter.get(), u"CreatedSinceLoad"), created + 2);
  EXPECT_EQ(Call(counter.get(), u"ServerLocks"), 1);

  ASSERT_EQ(CoGetClassObject(kCounterClsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, factory.put_void()),
            S_OK);
  ASSERT_EQ(factory->LockServer(FALSE), S_OK);
  factory = nullptr;
  counter = nullptr;
  CoFreeUnusedLibraries();  // unused: unloaded, and loaded afresh below
  counter = CreateCounter();
  EXPECT_EQ(Call(counter.get(), u"CreatedSinceLoad"), 1);
}

}  // namespace
