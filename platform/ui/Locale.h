// The user's regional settings the add-in reads.
#pragma once

#include <string>

namespace corvane::ui {

// The decimal separator of the user's locale, read anew on each call.
std::u16string DecimalSeparator();

}  // namespace corvane::ui
