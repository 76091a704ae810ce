// The thread's error object: CreateErrorInfo, SetErrorInfo, GetErrorInfo.
#include <gtest/gtest.h>

#include <thread>

#include "platform/com/ComPtr.h"
#include "platform/com/Text.h"
#include "platform/com/com.h"

namespace {

using corvane::com::ComPtr;
using corvane::com::from_ole;

const GUID kInterface = {0x12345678, 0x1234, 0x5678, {0x9A, 0xBC, 0xDE, 0xF0, 0x12, 0x34, 0x56, 0x78}};

ComPtr<IErrorInfo> MakeError(const OLECHAR* description) {
  ComPtr<ICreateErrorInfo> creator;
  EXPECT_EQ(CreateErrorInfo(creator.put()), S_OK);
  creator->SetGUID(kInterface);
  creator->SetSource(const_cast<LPOLESTR>(OLESTR("Corvane.Test")));
  creator->SetDescription(const_cast<LPOLESTR>(description));
  creator->SetHelpContext(42);
  return creator.try_query<IErrorInfo>();
}

std::u16string Take(BSTR text) {
  std::u16string result(from_ole(text, SysStringLen(text)));
  SysFreeString(text);
  return result;
}

TEST(ErrorInfo, OneObjectAnswersBothInterfaces) {
  ComPtr<IErrorInfo> error = MakeError(OLESTR("Broken"));
  ASSERT_TRUE(error);
  GUID guid{};
  EXPECT_EQ(error->GetGUID(&guid), S_OK);
  EXPECT_TRUE(IsEqualGUID(guid, kInterface));
  BSTR text = nullptr;
  EXPECT_EQ(error->GetSource(&text), S_OK);
  EXPECT_EQ(Take(text), u"Corvane.Test");
  EXPECT_EQ(error->GetDescription(&text), S_OK);
  EXPECT_EQ(Take(text), u"Broken");
  DWORD context = 0;
  EXPECT_EQ(error->GetHelpContext(&context), S_OK);
  EXPECT_EQ(context, 42u);
}

TEST(ErrorInfo, GetHandsOverAndClears) {
  ComPtr<IErrorInfo> error = MakeError(OLESTR("Once"));
  ASSERT_EQ(SetErrorInfo(0, error.get()), S_OK);
  ComPtr<IErrorInfo> taken;
  EXPECT_EQ(GetErrorInfo(0, taken.put()), S_OK);
  EXPECT_EQ(taken.get(), error.get());
  ComPtr<IErrorInfo> again;
  EXPECT_EQ(GetErrorInfo(0, again.put()), S_FALSE);
  EXPECT_FALSE(again);
}

TEST(ErrorInfo, SettingNullClearsAndLaterSetReplaces) {
  ASSERT_EQ(SetErrorInfo(0, MakeError(OLESTR("First")).get()), S_OK);
  ASSERT_EQ(SetErrorInfo(0, nullptr), S_OK);
  ComPtr<IErrorInfo> none;
  EXPECT_EQ(GetErrorInfo(0, none.put()), S_FALSE);

  SetErrorInfo(0, MakeError(OLESTR("First")).get());
  SetErrorInfo(0, MakeError(OLESTR("Second")).get());
  ComPtr<IErrorInfo> last;
  ASSERT_EQ(GetErrorInfo(0, last.put()), S_OK);
  BSTR text = nullptr;
  last->GetDescription(&text);
  EXPECT_EQ(Take(text), u"Second");
}

TEST(ErrorInfo, EachThreadHasItsOwn) {
  ASSERT_EQ(SetErrorInfo(0, MakeError(OLESTR("Main")).get()), S_OK);
  HRESULT otherThread = E_FAIL;
  std::thread([&] {
    CoInitialize(nullptr);
    ComPtr<IErrorInfo> seen;
    otherThread = GetErrorInfo(0, seen.put());
    // Left set on purpose: the thread's end must release it.
    SetErrorInfo(0, MakeError(OLESTR("Worker")).get());
    CoUninitialize();
  }).join();
  EXPECT_EQ(otherThread, S_FALSE);
  ComPtr<IErrorInfo> mine;
  ASSERT_EQ(GetErrorInfo(0, mine.put()), S_OK);
  BSTR text = nullptr;
  mine->GetDescription(&text);
  EXPECT_EQ(Take(text), u"Main");
}

}  // namespace
