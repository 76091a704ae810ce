// Address texts as Excel writes them, and reading them back.
#include <gtest/gtest.h>

#include "sim/excel/model/Address.h"
#include "sim/excel/model/Areas.h"

namespace corvane::sim::excel {
namespace {

TEST(AddressTest, WritesAreasAsExcelDoes) {
  struct Case {
    std::vector<CellRect> areas;
    AddressStyle style;
    std::u16string expected;
  } cases[] = {
      {{CellRect::Cell(1, 1)}, {}, u"$A$1"},
      {{{1, 1, 2, 2}}, {}, u"$A$1:$B$2"},
      {{{1, 1, 2, 2}, CellRect::Cell(4, 4)}, {}, u"$A$1:$B$2,$D$4"},
      {{CellRect::Cell(10, 27)}, {}, u"$AA$10"},
      {{CellRect::Cell(65536, 256)}, {}, u"$IV$65536"},
      {{{1, 3, kMaxRows, 3}}, {}, u"$C:$C"},
      {{{1, 1, kMaxRows, 2}}, {}, u"$A:$B"},
      {{{5, 1, 5, kMaxColumns}}, {}, u"$5:$5"},
      {{{1, 1, kMaxRows, kMaxColumns}}, {}, u"$1:$65536"},
      {{{1, 1, 2, 2}}, {false, false}, u"A1:B2"},
      {{CellRect::Cell(3, 2)}, {false, true}, u"$B3"},
      {{CellRect::Cell(3, 2)}, {true, false}, u"B$3"},
      {{{1, 1, 2, 2}}, {true, true, true}, u"R1C1:R2C2"},
      {{CellRect::Cell(3, 2)}, {true, true, true}, u"R3C2"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AddressOf(c.areas, c.style), c.expected);
  }
}

TEST(AddressTest, ReadsAddressesBackAndRefusesOthers) {
  struct Case {
    std::u16string text;
    std::optional<std::vector<CellRect>> expected;
  } cases[] = {
      {u"a1", {{CellRect::Cell(1, 1)}}},
      {u"$B$2:$A$1", {{{1, 1, 2, 2}}}},
      {u"A1:B2,D4", {{{1, 1, 2, 2}, CellRect::Cell(4, 4)}}},
      {u"C:C", {{{1, 3, kMaxRows, 3}}}},
      {u"2:3", {{{2, 1, 3, kMaxColumns}}}},
      {u"IV65536", {{CellRect::Cell(kMaxRows, kMaxColumns)}}},
      {u"IW1", std::nullopt},
      {u"A65537", std::nullopt},
      {u"A0", std::nullopt},
      {u"", std::nullopt},
      {u"A1,", std::nullopt},
      {u"C", std::nullopt},
      {u"1A", std::nullopt},
      {u"Sheet1", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParseAddress(c.text), c.expected) << std::string(c.text.begin(), c.text.end());
  }
}

TEST(AddressTest, UnionMergesWhatFormsOneRectangleAndKeepsTheRest) {
  struct Case {
    std::u16string a, b, expected;
  } cases[] = {
      {u"A1:B2", u"D4", u"$A$1:$B$2,$D$4"}, {u"A1", u"A2", u"$A$1:$A$2"},
      {u"A1:A2", u"B1:B2", u"$A$1:$B$2"},   {u"A3", u"A3:D4", u"$A$3:$D$4"},
      {u"A3:D4", u"B4", u"$A$3:$D$4"},      {u"A1,C1", u"B1", u"$A$1:$C$1"},
      {u"D4", u"A1:B2", u"$D$4,$A$1:$B$2"}, {u"A1:B2", u"B2:C3", u"$A$1:$B$2,$B$2:$C$3"},
  };
  for (const auto& c : cases) {
    const Areas u = Areas::Union(Areas(*ParseAddress(c.a)), Areas(*ParseAddress(c.b)));
    EXPECT_EQ(u.Address(), c.expected);
  }
}

TEST(AddressTest, CountAndItemFollowTheShapeOfTheRange) {
  const Areas range(std::vector<CellRect>{{2, 2, 4, 3}, CellRect::Cell(9, 9)});  // B2:C4,I9
  EXPECT_EQ(range.Count(), 7);
  EXPECT_EQ(range.As(AreaShape::Rows).Count(), 3);
  EXPECT_EQ(range.As(AreaShape::Columns).Count(), 2);

  struct Case {
    std::optional<Areas> item;
    std::u16string expected;
  } cases[] = {
      {range.Item(1, 1), u"$B$2"},
      {range.Item(3, 2), u"$C$4"},
      {range.Item(5, 5), u"$F$6"},  // beyond the area, as Excel allows
      {range.Item(0, 0), u"$A$1"},
      {range.Item(3), u"$B$3"},  // row by row across the first area
      {range.As(AreaShape::Rows).Item(2), u"$B$3:$C$3"},
      {range.As(AreaShape::Columns).Item(2), u"$C$2:$C$4"},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(c.item);
    EXPECT_EQ(c.item->Address(), c.expected);
  }
  EXPECT_FALSE(range.Item(-1, 1));
  EXPECT_FALSE(Areas(CellRect::Cell(kMaxRows, 1)).Item(2, 1));
  EXPECT_THROW(Areas(std::vector<CellRect>{}), std::invalid_argument);
}

}  // namespace
}  // namespace corvane::sim::excel
