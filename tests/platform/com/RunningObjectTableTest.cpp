// RegisterActiveObject, GetActiveObject and RevokeActiveObject.
#include <gtest/gtest.h>

#include "platform/com/ComPtr.h"
#include "tests/platform/com/Probe.h"

namespace {

using corvane::com::ComPtr;
using corvane::com::Make;
using corvane::com::testing::Probe;

// {8E0F5A77-2B1D-4C39-9F64-3D5A7B1C2E90}
constexpr CLSID kActiveClass = {0x8E0F5A77, 0x2B1D, 0x4C39, {0x9F, 0x64, 0x3D, 0x5A, 0x7B, 0x1C, 0x2E, 0x90}};
// {8E0F5A78-2B1D-4C39-9F64-3D5A7B1C2E90}
constexpr CLSID kOtherClass = {0x8E0F5A78, 0x2B1D, 0x4C39, {0x9F, 0x64, 0x3D, 0x5A, 0x7B, 0x1C, 0x2E, 0x90}};

ComPtr<IUnknown> Active(REFCLSID clsid, HRESULT expected) {
  ComPtr<IUnknown> found;
  EXPECT_EQ(GetActiveObject(clsid, nullptr, found.put()), expected);
  return found;
}

TEST(RunningObjectTable, NothingRegisteredIsUnavailable) {
  IUnknown* found = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(GetActiveObject(kOtherClass, nullptr, &found), MK_E_UNAVAILABLE);
  EXPECT_EQ(found, nullptr);
  EXPECT_EQ(RevokeActiveObject(0xBAD0C0DE, nullptr), E_INVALIDARG);
}

TEST(RunningObjectTable, EachRegistrationIsFoundByItsClassUntilRevoked) {
  for (const DWORD flags : {DWORD{ACTIVEOBJECT_STRONG}, DWORD{ACTIVEOBJECT_WEAK}}) {
    SCOPED_TRACE(flags);
    auto probe = Make<Probe>();
    DWORD cookie = 0;
    ASSERT_EQ(RegisterActiveObject(probe.get(), kActiveClass, flags, &cookie), S_OK);
    EXPECT_NE(cookie, 0u);
    EXPECT_EQ(Active(kActiveClass, S_OK).get(), probe.get());
    EXPECT_EQ(Active(kOtherClass, MK_E_UNAVAILABLE), nullptr);

    EXPECT_EQ(RevokeActiveObject(cookie, nullptr), S_OK);
    EXPECT_EQ(Active(kActiveClass, MK_E_UNAVAILABLE), nullptr);
    EXPECT_EQ(RevokeActiveObject(cookie, nullptr), E_INVALIDARG);
  }
}

TEST(RunningObjectTable, StrongRegistrationKeepsTheObjectAliveUntilRevoked) {
  const int before = Probe::live();
  DWORD cookie = 0;
  {
    auto probe = Make<Probe>();
    ASSERT_EQ(RegisterActiveObject(probe.get(), kActiveClass, ACTIVEOBJECT_STRONG, &cookie), S_OK);
  }
  EXPECT_EQ(Probe::live(), before + 1);
  EXPECT_NE(Active(kActiveClass, S_OK), nullptr);
  EXPECT_EQ(RevokeActiveObject(cookie, nullptr), S_OK);
  EXPECT_EQ(Probe::live(), before);
}

TEST(RunningObjectTable, RegistrationsOfTwoClassesAreIndependent) {
  auto first = Make<Probe>();
  auto second = Make<Probe>();
  DWORD firstCookie = 0, secondCookie = 0;
  ASSERT_EQ(RegisterActiveObject(first.get(), kActiveClass, ACTIVEOBJECT_STRONG, &firstCookie), S_OK);
  ASSERT_EQ(RegisterActiveObject(second.get(), kOtherClass, ACTIVEOBJECT_STRONG, &secondCookie), S_OK);
  EXPECT_NE(firstCookie, secondCookie);
  EXPECT_EQ(Active(kOtherClass, S_OK).get(), second.get());
  EXPECT_EQ(RevokeActiveObject(firstCookie, nullptr), S_OK);
  EXPECT_EQ(Active(kOtherClass, S_OK).get(), second.get());
  EXPECT_EQ(RevokeActiveObject(secondCookie, nullptr), S_OK);
}

}  // namespace
