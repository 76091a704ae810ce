// Registry failures are COM errors with the Win32 status as their HRESULT:
// they reach a boundary as that HRESULT, not as E_UNEXPECTED; framework
// errors keep their number apart from the HRESULT a boundary reports.
#include <gtest/gtest.h>

#include <functional>
#include <new>

#include "platform/com/ComError.h"
#include "platform/com/ComGuard.h"
#include "platform/com/ComPtr.h"
#include "platform/com/FrameworkError.h"
#include "platform/registry/Registry.h"
#include "platform/registry/ScratchRegistry.h"

namespace corvane::com {
namespace {

constexpr char16_t kKey[] = u"\\Software\\Corvane Tests\\Boundary";

class ErrorHresultTest : public ::testing::Test {
 protected:
  void SetUp() override {
    registry::Registry writer(HKEY_CURRENT_USER);
    ASSERT_TRUE(writer.OpenKey(kKey, true));
    writer.WriteString(u"Text", u"x");
    ASSERT_TRUE(reader_.OpenKeyReadOnly(kKey));
  }
  void TearDown() override { SetErrorInfo(0, nullptr); }

  registry::ScratchRegistry scratch_;
  registry::Registry reader_{HKEY_CURRENT_USER};
};

TEST_F(ErrorHresultTest, RegistryFailuresReachTheBoundaryWithTheirWin32Status) {
  struct Case {
    const char* what;
    std::function<void(registry::Registry&)> body;
    HRESULT code;
  };
  const Case cases[] = {
      {"missing value", [](registry::Registry& r) { r.ReadInteger(u"Missing"); },
       HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)},
      {"wrong type", [](registry::Registry& r) { r.ReadInteger(u"Text"); }, HRESULT_FROM_WIN32(ERROR_INVALID_DATATYPE)},
      {"write to a key open read-only", [](registry::Registry& r) { r.WriteString(u"New", u"y"); },
       HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Guard([&] { c.body(reader_); }), c.code);
    try {
      c.body(reader_);
      ADD_FAILURE() << "no error";
    } catch (const registry::RegistryError& error) {
      EXPECT_EQ(error.hresult(), c.code);
      EXPECT_EQ(HRESULT_FROM_WIN32(static_cast<unsigned long>(error.Status())), c.code);
    }
  }
}

TEST_F(ErrorHresultTest, TheGuardReportsEachKindOnce) {
  struct Case {
    const char* what;
    std::function<void()> body;
    HRESULT code;
  };
  const Case cases[] = {
      {"COM error", [] { throw ComError(DISP_E_TYPEMISMATCH, u"Type mismatch"); }, DISP_E_TYPEMISMATCH},
      {"registry error", [] { throw registry::RegistryError(ERROR_BADDB, "Damaged"); },
       HRESULT_FROM_WIN32(ERROR_BADDB)},
      {"framework error", [] { RaiseFrameworkError(FrameworkError::kCantUnregisterControls); }, E_UNEXPECTED},
      {"out of memory", [] { throw std::bad_alloc(); }, E_OUTOFMEMORY},
      {"anything else", [] { throw 7; }, E_UNEXPECTED},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetErrorInfo(0, nullptr);
    EXPECT_EQ(GuardCode(c.body), c.code);
    ComPtr<IErrorInfo> info;
    EXPECT_EQ(GetErrorInfo(0, info.put()), S_FALSE) << "GuardCode sets no error info";
    EXPECT_EQ(Guard(c.body), c.code);
    EXPECT_EQ(GetErrorInfo(0, info.put()), S_OK) << "Guard does";
    try {
      c.body();
    } catch (...) {
      EXPECT_EQ(DescribeCurrentException().code, c.code);
    }
  }
}

TEST_F(ErrorHresultTest, AFrameworkErrorKeepsItsNumberApartFromItsHresult) {
  try {
    RaiseFrameworkError(FrameworkError::kRegistrationCanceled);
    ADD_FAILURE() << "no error";
  } catch (const ComError& error) {
    EXPECT_EQ(error.code(), 31105);
    EXPECT_EQ(error.hresult(), E_UNEXPECTED);
  }
}

}  // namespace
}  // namespace corvane::com
