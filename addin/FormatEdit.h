// The decimal edits of the number format commands, on the format text as
// Excel hands it over (UTF-16). The separator is passed in: the commands
// work on en-US codes and pass a full stop.
#pragma once

#include <string>
#include <string_view>

namespace corvane::addin {

// One decimal more: a format with "0" but without the separator gets the
// separator and "0" appended; otherwise every separator is followed by one
// "0" more. A text with neither comes back unchanged.
std::u16string IncreaseDecimal(std::u16string_view format, std::u16string_view separator);

// One decimal less: every separator followed by "0" loses that "0"; then a
// separator left as the very last character is dropped, when it is the
// first separator of the text.
std::u16string DecreaseDecimal(std::u16string_view format, std::u16string_view separator);

}  // namespace corvane::addin
