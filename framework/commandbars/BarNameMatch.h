// How a designed bar recognises its host bar by name: the host bar's Name
// equal ignoring ASCII letter case, or else its NameLocal equal ignoring
// case as the locale folds it.
#pragma once

#include <string_view>

namespace corvane::framework {

bool BarNameMatches(std::u16string_view hostName, std::u16string_view hostNameLocal, std::u16string_view wanted);

}  // namespace corvane::framework
