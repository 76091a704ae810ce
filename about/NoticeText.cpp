#include "about/NoticeText.h"

#include "platform/com/Text.h"

namespace corvane::about {

std::u16string NoticeText(std::u16string_view designText, int year) {
  std::u16string text(designText);
  const std::size_t slot = text.find(u"%s");
  if (slot != std::u16string::npos) text.replace(slot, 2, com::Utf8ToUtf16(std::to_string(year)));
  return text;
}

}  // namespace corvane::about
