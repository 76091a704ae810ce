// The notice line of the About box: its design text holds one "%s" for the
// year. The text is not a format: only that first "%s" is replaced, anything
// else ("%d", "%%", a second "%s") is shown as written.
#pragma once

#include <string>
#include <string_view>

namespace corvane::about {

std::u16string NoticeText(std::u16string_view designText, int year);

}  // namespace corvane::about
