// The framework's own usage errors: a number in the 31100 range and a fixed
// message, some with %s places for names. They are raised as ComError with
// that number as the code (the boundary guard reports them as E_UNEXPECTED
// with the message).
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace corvane::com {

enum class FrameworkError : int {
  kEmptyProperty = 31101,  // property name
  kCantUnregisterControls = 31103,
  kRegistrationCanceled = 31105,
  kMapPointControl = 31110,
  kCommandBarOwner = 31112,      // bar class, owner class or "nil"
  kEventComponentOwner = 31113,  // component class, owner class or "nil"
  kAdvancedControlBarPosition = 31114,
  kAdvancedControlBarProtection = 31115,
  kAdvancedControlInPopup = 31116,
  kAdvancedControlInBuiltInBar = 31118,
};

// The message with its %s places filled in order. std::invalid_argument for
// an unknown error or a count of arguments that does not fit the message.
std::u16string FrameworkErrorMessage(FrameworkError error, std::initializer_list<std::u16string_view> args = {});

// Throws the error as ComError(code, message).
[[noreturn]] void RaiseFrameworkError(FrameworkError error, std::initializer_list<std::u16string_view> args = {});

}  // namespace corvane::com
