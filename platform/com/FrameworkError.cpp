#include "platform/com/FrameworkError.h"

#include <stdexcept>

#include "platform/com/ComError.h"

namespace corvane::com {
namespace {

constexpr char16_t kWrongOwner[] = u"The %s class can not be contained in the %s class.";

struct Catalogue {
  FrameworkError error;
  const char16_t* message;
};

constexpr Catalogue kMessages[] = {
    {FrameworkError::kEmptyProperty, u"The %s property can not be empty."},
    {FrameworkError::kCantUnregisterControls, u"Can't unregister add-in controls."},
    {FrameworkError::kRegistrationCanceled, u"The registration process has been canceled."},
    {FrameworkError::kMapPointControl, u"Can not add a control to MS MapPoint."},
    {FrameworkError::kCommandBarOwner, kWrongOwner},
    {FrameworkError::kEventComponentOwner, kWrongOwner},
    {FrameworkError::kAdvancedControlBarPosition,
     u"The command bar containing a TkvxCommandBarAdvancedControl cannot\r\nbe kvxMsoBarPopup and kvxMsoBarMenuBar."},
    {FrameworkError::kAdvancedControlBarProtection,
     u"The command bar containing a TkvxCommandBarAdvancedControl should\r\nhave the kvxMsoBarNoChangeDock protection "
     u"type."},
    {FrameworkError::kAdvancedControlInPopup,
     u"The TkvxCommandBarAdvancedControl cannot be placed into the TkvxCommandBarPopup control."},
    {FrameworkError::kAdvancedControlInBuiltInBar,
     u"The TkvxCommandBarAdvancedControl cannot be placed into the built-in commandbar."},
};

std::u16string_view MessageOf(FrameworkError error) {
  for (const auto& row : kMessages) {
    if (row.error == error) return row.message;
  }
  throw std::invalid_argument("unknown framework error " + std::to_string(static_cast<int>(error)));
}

[[noreturn]] void WrongArgumentCount(FrameworkError error) {
  throw std::invalid_argument("wrong number of arguments for framework error " +
                              std::to_string(static_cast<int>(error)));
}

}  // namespace

std::u16string FrameworkErrorMessage(FrameworkError error, std::initializer_list<std::u16string_view> args) {
  const std::u16string_view message = MessageOf(error);
  std::u16string result;
  auto next = args.begin();
  for (size_t i = 0; i < message.size(); ++i) {
    if (message.substr(i, 2) != u"%s") {
      result += message[i];
      continue;
    }
    if (next == args.end()) WrongArgumentCount(error);
    result += *next++;
    ++i;
  }
  if (next != args.end()) WrongArgumentCount(error);
  return result;
}

void RaiseFrameworkError(FrameworkError error, std::initializer_list<std::u16string_view> args) {
  throw ComError(static_cast<HRESULT>(error), FrameworkErrorMessage(error, args));
}

}  // namespace corvane::com
