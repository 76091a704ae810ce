// The boundary guard: every kind of exception becomes its HRESULT and the
// thread's error info; nothing escapes; fixed-result boundaries report and
// return their promise.
#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>

#include "platform/com/Bstr.h"
#include "platform/com/ComError.h"
#include "platform/com/ComGuard.h"
#include "platform/com/ComPtr.h"
#include "platform/com/FrameworkError.h"
#include "platform/com/Text.h"

namespace {

using corvane::com::Bstr;
using corvane::com::ComError;
using corvane::com::ComPtr;
using corvane::com::FrameworkError;
using corvane::com::Guard;
using corvane::com::GuardFixed;

struct ThreadError {
  bool present = false;
  std::u16string description;
  std::u16string source;
  DWORD helpContext = 0;
};

// Takes the thread's error info (GetErrorInfo clears it).
ThreadError TakeThreadError() {
  ThreadError result;
  ComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.put()) != S_OK || !info) return result;
  result.present = true;
  Bstr text;
  if (SUCCEEDED(info->GetDescription(text.put()))) result.description = text.str();
  if (SUCCEEDED(info->GetSource(text.put()))) result.source = text.str();
  info->GetHelpContext(&result.helpContext);
  return result;
}

void ClearThreadError() { SetErrorInfo(0, nullptr); }

class ComGuardTest : public ::testing::Test {
 protected:
  void SetUp() override { ClearThreadError(); }
  void TearDown() override { ClearThreadError(); }
};

TEST_F(ComGuardTest, EachKindOfExceptionGivesItsCodeAndErrorInfo) {
  struct Row {
    const char* what;
    std::function<void()> body;
    HRESULT code;
    std::u16string description;
    std::u16string source;
    DWORD helpContext;
  };
  const Row rows[] = {
      {"host error", [] { throw ComError(E_INVALIDARG, u"Bad cell", u"Microsoft Excel", 42); }, E_INVALIDARG,
       u"Bad cell", u"Microsoft Excel", 42},
      {"host error without source", [] { throw ComError(DISP_E_EXCEPTION, u"Failed"); }, DISP_E_EXCEPTION, u"Failed",
       u"Corvane.Test", 0},
      {"framework error", [] { corvane::com::RaiseFrameworkError(FrameworkError::kRegistrationCanceled); },
       E_UNEXPECTED, u"The registration process has been canceled.", u"Corvane.Test", 0},
      {"out of memory", [] { throw std::bad_alloc(); }, E_OUTOFMEMORY,
       corvane::com::Utf8ToUtf16(std::bad_alloc().what()), u"Corvane.Test", 0},
      {"standard exception", [] { throw std::runtime_error("disk \xC3\xA9jected"); }, E_UNEXPECTED,
       u"disk \u00E9jected", u"Corvane.Test", 0},
      {"anything else", [] { throw 42; }, E_UNEXPECTED, u"An unknown exception was raised.", u"Corvane.Test", 0},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Guard(row.body, u"Corvane.Test"), row.code) << row.what;
    const ThreadError error = TakeThreadError();
    EXPECT_TRUE(error.present) << row.what;
    EXPECT_EQ(error.description, row.description) << row.what;
    EXPECT_EQ(error.source, row.source) << row.what;
    EXPECT_EQ(error.helpContext, row.helpContext) << row.what;
  }
}

TEST_F(ComGuardTest, SuccessReturnsTheBodysResultAndKeepsErrorInfo) {
  ASSERT_TRUE(corvane::com::SetThreadErrorInfo(u"earlier", u"someone", 0));
  EXPECT_EQ(Guard([] {}), S_OK);
  EXPECT_EQ(Guard([] { return S_FALSE; }), S_FALSE);
  EXPECT_EQ(Guard([] { return E_NOINTERFACE; }), E_NOINTERFACE) << "a returned failure passes unchanged";
  EXPECT_EQ(TakeThreadError().description, u"earlier") << "a body that returns leaves error info alone";
}

TEST_F(ComGuardTest, FixedResultBoundariesReportAndReturnTheirPromise) {
  int reported = 0;
  std::string text;
  const auto report = [&](std::exception_ptr error) {
    ++reported;
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      text = e.what();
    }
  };
  EXPECT_EQ(GuardFixed(
                S_OK, [] { throw ComError(E_FAIL, u"sink failed"); }, report),
            S_OK);
  EXPECT_EQ(reported, 1);
  EXPECT_EQ(text, "sink failed");
  EXPECT_FALSE(TakeThreadError().present) << "a fixed result passes nothing on";

  EXPECT_EQ(GuardFixed(E_FAIL, [] { throw std::runtime_error("x"); }), E_FAIL);
  EXPECT_EQ(GuardFixed(
                E_FAIL, [] { throw 1; }, [](std::exception_ptr) { throw std::logic_error("reporter"); }),
            E_FAIL)
      << "an exception from the reporter stays inside";
  EXPECT_EQ(GuardFixed(E_FAIL, [] {}), S_OK);
  EXPECT_EQ(GuardFixed(E_FAIL, [] { return S_FALSE; }), S_FALSE);
  EXPECT_EQ(reported, 1) << "success reports nothing";
}

TEST_F(ComGuardTest, ThrowIfFailedReadsTheErrorInfoTheGuardSet) {
  EXPECT_EQ(Guard([] { throw ComError(E_ACCESSDENIED, u"Locked", u"Registry", 5); }), E_ACCESSDENIED);
  try {
    corvane::com::ThrowIfFailed(E_ACCESSDENIED);
    ADD_FAILURE() << "no exception";
  } catch (const ComError& error) {
    EXPECT_EQ(error.code(), E_ACCESSDENIED);
    EXPECT_EQ(error.description(), u"Locked");
    EXPECT_EQ(error.source(), u"Registry");
    EXPECT_EQ(error.helpContext(), 5u);
  }
  EXPECT_FALSE(TakeThreadError().present) << "reading the error info consumed it";
}

}  // namespace
