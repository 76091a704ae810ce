#include <gtest/gtest.h>

#include "platform/com/Text.h"
#include "platform/ui/Locale.h"

namespace corvane::ui {
namespace {

// Whatever the user chose, the number format commands need a short,
// non-digit separator.
TEST(DecimalSeparatorTest, IsOneToFourNonDigitCharacters) {
  const std::u16string separator = DecimalSeparator();
  EXPECT_GE(separator.size(), 1u);
  EXPECT_LE(separator.size(), 4u);
  for (char16_t c : separator) EXPECT_FALSE(c >= u'0' && c <= u'9') << com::Utf16ToUtf8(separator);
}

}  // namespace
}  // namespace corvane::ui
