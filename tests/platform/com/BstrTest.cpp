// The BSTR owner: lengths from the BSTR itself (embedded NULs kept), one
// free per allocation (the leak checker sees any other), moves that leave
// the source empty.
#include <gtest/gtest.h>

#include <string_view>
#include <utility>

#include "platform/com/Bstr.h"

namespace {

using corvane::com::Bstr;
using namespace std::string_view_literals;

TEST(Bstr, KeepsTextWithEmbeddedNuls) {
  const auto text = u"a\0b\0"sv;
  const Bstr owned(text);
  ASSERT_TRUE(owned);
  EXPECT_EQ(owned.length(), 4u);
  EXPECT_EQ(SysStringLen(owned.get()), 4u);
  EXPECT_EQ(SysStringByteLen(owned.get()), 8u);
  EXPECT_EQ(owned.view(), text);
  EXPECT_EQ(owned.get()[4], 0) << "a BSTR stays NUL-terminated";
}

TEST(Bstr, NullAndEmptyDiffer) {
  const Bstr none;
  const Bstr empty(u""sv);
  EXPECT_FALSE(none);
  EXPECT_TRUE(empty) << "empty text is a real BSTR";
  for (const Bstr* b : {&none, &empty}) {
    EXPECT_EQ(b->length(), 0u);
    EXPECT_TRUE(b->empty());
    EXPECT_EQ(b->view(), u""sv);
  }
}

TEST(Bstr, CopiesAreDeepAndMovesLeaveTheSourceEmpty) {
  Bstr original(u"caption\0tail"sv);
  Bstr copy(original);
  EXPECT_NE(copy.get(), original.get());
  EXPECT_EQ(copy.view(), original.view());

  const BSTR held = original.get();
  Bstr moved(std::move(original));
  EXPECT_EQ(moved.get(), held);
  EXPECT_FALSE(original);  // NOLINT(bugprone-use-after-move): the moved-from state is what is tested

  copy = moved;  // frees the old copy
  EXPECT_NE(copy.get(), moved.get());
  EXPECT_EQ(copy.view(), u"caption\0tail"sv);
  copy = std::move(moved);
  EXPECT_EQ(copy.get(), held);

  const Bstr none;
  EXPECT_FALSE(Bstr(none)) << "a copy of null stays null";
}

TEST(Bstr, AttachDetachAndOutParameters) {
  Bstr owner = Bstr::attach(SysAllocString(OLESTR("host")));
  EXPECT_EQ(owner.view(), u"host"sv);

  BSTR raw = owner.detach();
  EXPECT_FALSE(owner);
  Bstr again = Bstr::attach(raw);

  // put() frees the held string before the callee writes a new one.
  *again.put() = SysAllocString(OLESTR("second"));
  EXPECT_EQ(again.view(), u"second"sv);

  Bstr copied;
  ASSERT_EQ(again.copy_to(copied.put()), S_OK);
  EXPECT_NE(copied.get(), again.get());
  EXPECT_EQ(copied.view(), u"second"sv);
  EXPECT_EQ(again.copy_to(nullptr), E_POINTER);

  const Bstr none;
  BSTR out = reinterpret_cast<BSTR>(&owner);  // garbage the call must overwrite
  EXPECT_EQ(none.copy_to(&out), S_OK);
  EXPECT_EQ(out, nullptr);
}

}  // namespace
