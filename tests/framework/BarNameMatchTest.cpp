// How a designed bar's name finds its host bar.
#include <gtest/gtest.h>

#include "framework/commandbars/BarNameMatch.h"
#include "platform/com/Text.h"

namespace corvane::framework::testing {
namespace {

TEST(BarNameMatchTest, NameIgnoringAsciiCaseElseNameLocal) {
  struct Case {
    std::u16string_view name, nameLocal, wanted;
    bool matches;
  };
  const Case cases[] = {
      {u"Corvane AutoFormat XL", u"", u"corvane autoformat xl", true},
      {u"Standard", u"Standard", u"STANDARD", true},
      {u"Custom 1", u"Corvane", u"CORVANE", true},  // by the localized name
      {u"Standard", u"Standard", u"Standard ", false},
      // Two names that an 8-bit conversion would turn into the same "?rger".
      {u"\u0100rger", u"\u0100rger", u"\u0102rger", false},
      {u"\u0100rger", u"", u"\u0100rger", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BarNameMatches(c.name, c.nameLocal, c.wanted), c.matches) << com::Utf16ToUtf8(c.wanted);
  }
}

}  // namespace
}  // namespace corvane::framework::testing
