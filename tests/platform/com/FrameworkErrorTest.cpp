// Framework errors: their codes and messages, filled in, raised as ComError.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/com/ComError.h"
#include "platform/com/FrameworkError.h"

namespace {

using corvane::com::ComError;
using corvane::com::FrameworkError;
using corvane::com::FrameworkErrorMessage;

TEST(FrameworkError, MessagesFillTheirPlacesInOrder) {
  struct Row {
    FrameworkError error;
    std::initializer_list<std::u16string_view> args;
    std::u16string expected;
  };
  const Row rows[] = {
      {FrameworkError::kEmptyProperty, {u"AddInName"}, u"The AddInName property can not be empty."},
      {FrameworkError::kCommandBarOwner,
       {u"TkvxCommandBar", u"nil"},
       u"The TkvxCommandBar class can not be contained in the nil class."},
      {FrameworkError::kCantUnregisterControls, {}, u"Can't unregister add-in controls."},
      {FrameworkError::kAdvancedControlBarPosition,
       {},
       u"The command bar containing a TkvxCommandBarAdvancedControl cannot\r\nbe kvxMsoBarPopup and kvxMsoBarMenuBar."},
      {FrameworkError::kEmptyProperty, {u"100%s"}, u"The 100%s property can not be empty."},
  };
  for (const auto& row : rows) EXPECT_EQ(FrameworkErrorMessage(row.error, row.args), row.expected);
}

TEST(FrameworkError, WrongArgumentsAndUnknownCodesAreRejected) {
  EXPECT_THROW(FrameworkErrorMessage(FrameworkError::kEmptyProperty), std::invalid_argument);
  EXPECT_THROW(FrameworkErrorMessage(FrameworkError::kRegistrationCanceled, {u"extra"}), std::invalid_argument);
  EXPECT_THROW(FrameworkErrorMessage(static_cast<FrameworkError>(31199)), std::invalid_argument);
}

TEST(FrameworkError, RaisedAsComErrorWithItsCode) {
  try {
    corvane::com::RaiseFrameworkError(FrameworkError::kEventComponentOwner, {u"TExcelAppEvents", u"TForm"});
    FAIL() << "no exception";
  } catch (const ComError& error) {
    EXPECT_EQ(error.code(), 31113);
    EXPECT_EQ(error.description(), u"The TExcelAppEvents class can not be contained in the TForm class.");
    EXPECT_STREQ(error.what(), "The TExcelAppEvents class can not be contained in the TForm class.");
  }
}

}  // namespace
