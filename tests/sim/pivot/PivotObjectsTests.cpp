// The pivot wrappers through IDispatch, reached as the add-in reaches them:
// from a Range under the active cell.
#include <gtest/gtest.h>

#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "sim/excel/model/AppModel.h"
#include "sim/excel/objects/ExcelObjects.h"
#include "sim/excel/pivot/PivotTableModel.h"
#include "tests/sim/core/Enumerated.h"
#include "tests/sim/pivot/PivotFixtures.h"

namespace corvane::sim::excel::pivot {
namespace {

class PivotObjectsTest : public ::testing::Test {
 public:
  PivotObjectsTest() {
    book = app->NewWorkbook();
    sheet = book->sheets().front();
    table = PivotTableModel::Place(sheet, testing::SalesRecords(), testing::WorkedExample());
  }
  com::Dispatch RangeAt(int32_t row, int32_t column) {
    return com::Dispatch(NewRangeObject(sheet, Areas(CellRect::Cell(row, column))));
  }
  com::Dispatch TableAt(int32_t row, int32_t column) {
    return com::Dispatch(RangeAt(row, column).Get(0x2CC).ToDispatch());
  }
  std::string AddressOf(com::Dispatch object, DISPID area) {
    return com::Utf16ToUtf8(com::Dispatch(object.Get(area).ToDispatch()).Get(0xEC).ToText());
  }
  std::string Selected() { return com::Utf16ToUtf8(app->selection()->areas.Address()); }

  std::shared_ptr<AppModel> app = AppModel::Create();
  std::shared_ptr<WorkbookModel> book;
  std::shared_ptr<SheetModel> sheet;
  std::shared_ptr<PivotTableModel> table;
};

TEST_F(PivotObjectsTest, AreasByDispidAndByName) {
  com::Dispatch pivot = TableAt(6, 3);
  EXPECT_EQ(pivot.Get(0x6E).ToText(), u"PivotTable1");
  const std::pair<DISPID, const char*> areas[] = {{0x2BB, "$A$3:$D$7"}, {0x2BC, "$A$1:$D$7"}, {0x2BF, "$A$1:$B$1"},
                                                  {0x2BE, "$B$3:$D$4"}, {0x2BD, "$A$4:$A$7"}, {0x2C1, "$B$5:$D$7"}};
  for (const auto& [id, want] : areas) EXPECT_EQ(AddressOf(pivot, id), want) << id;
  EXPECT_EQ(com::Dispatch(pivot.Get(u"tablerange1").ToDispatch()).Get(u"Address").ToText(), u"$A$3:$D$7");
  EXPECT_THROW(RangeAt(8, 1).Get(0x2CC), com::ComError);  // outside TableRange2

  table->Change([](PivotDefinition& d) { d.page_fields.clear(); });
  EXPECT_THROW(pivot.Get(0x2BF), com::ComError);  // no page fields: no PageRange
}

TEST_F(PivotObjectsTest, PivotSelectMovesTheSelection) {
  com::Dispatch pivot = TableAt(5, 1);
  pivot.Call(0x5DD, {com::Variant(u""), com::Variant(3)});
  EXPECT_EQ(Selected(), "$A$3");
  pivot.Call(0x5DD, {com::Variant(u"Column Grand Total"), com::Variant(0)});
  EXPECT_EQ(Selected(), "$D$4:$D$7");
  pivot.Put(0x2B6, com::Variant(false));
  EXPECT_FALSE(pivot.Get(0x2B6).ToBool());
  EXPECT_THROW(pivot.Call(0x5DD, {com::Variant(u"Column Grand Total"), com::Variant(0)}), com::ComError);
  EXPECT_EQ(Selected(), "$D$4:$D$7");  // a failed selection changes nothing
  pivot.Call(0x2A8);
  EXPECT_EQ(table->layouts(), 3);
}

TEST_F(PivotObjectsTest, FieldsUnderCells) {
  com::Dispatch data(RangeAt(6, 2).Get(0x2DB).ToDispatch());
  EXPECT_EQ(data.Get(0x6E).ToText(), u"Sum of Sales");
  data.Put(0xC1, com::Variant(u"0.0"));
  EXPECT_EQ(data.Get(0xC1).ToText(), u"0.0");
  EXPECT_EQ(sheet->cell({7, 4}).number_format, u"0.0");
  EXPECT_THROW(data.Get(0x739), com::ComError);

  com::Dispatch product(RangeAt(5, 1).Get(0x2DB).ToDispatch());
  EXPECT_THROW(product.Get(0xC1), com::ComError);
  EXPECT_EQ(product.Get(0x739).ToText(), u"Product Total");
  EXPECT_TRUE(product.Get(0x2DD, {com::Variant(1)}).ToBool());
  com::Variant all = product.Get(0x2DD);
  EXPECT_EQ(all.get()->vt, VT_ARRAY | VT_VARIANT);
  product.Put(0x2DD, com::Variant(true), {com::Variant(3)});  // Count on, automatic off
  EXPECT_FALSE(product.Get(0x2DD, {com::Variant(1)}).ToBool());
  product.Put(0x2DD, all);  // back to the automatic one
  EXPECT_TRUE(product.Get(0x2DD, {com::Variant(1)}).ToBool());
  EXPECT_EQ(com::Dispatch(product.Get(0x2D0).ToDispatch()).Get(0xEC).ToText(), u"$A$5:$A$6");
  EXPECT_THROW(RangeAt(7, 1).Get(0x2DB), com::ComError);  // "Grand Total"
}

TEST_F(PivotObjectsTest, DataFieldFormatInTheCallersNotation) {
  app->set_user_notation({u',', u'.'});
  com::Dispatch data(RangeAt(6, 2).Get(0x2DB).ToDispatch());
  struct Case {
    LCID locale;
    const char16_t* given;
    const char16_t* stored;
    const char16_t* seen;  // read back with the same locale
  } cases[] = {
      {0, u"#,##0.0", u"#,##0.0", u"#,##0.0"},
      {com::kLocaleEnUs, u"0.00;-0.00", u"0.00;-0.00", u"0.00;-0.00"},
      {LOCALE_USER_DEFAULT, u"#.##0,000", u"#,##0.000", u"#.##0,000"},
      {LOCALE_SYSTEM_DEFAULT, u"0,0%", u"0.0%", u"0,0%"},
      {1031, u"0,00", u"0.00", u"0,00"},
  };
  for (const auto& c : cases) {
    data.Put(0xC1, com::Variant(c.given), {}, c.locale);
    EXPECT_EQ(table->definition().data_fields[0].number_format, c.stored) << c.locale;
    EXPECT_EQ(sheet->cell({7, 4}).number_format, c.stored) << "the cells keep en-US codes";
    EXPECT_EQ(data.Get(0xC1, {}, c.locale).ToText(), c.seen) << c.locale;
    EXPECT_EQ(data.Get(0xC1, {}, com::kLocaleEnUs).ToText(), c.stored);
  }
  // A row field refuses in every notation.
  com::Dispatch product(RangeAt(5, 1).Get(0x2DB).ToDispatch());
  EXPECT_THROW(product.Get(0xC1, {}, com::kLocaleEnUs), com::ComError);
  EXPECT_THROW(product.Put(0xC1, com::Variant(u"0,0"), {}, 1031), com::ComError);
}

// As a script reaches them: Worksheet.PivotTables with and without an index,
// For Each over the collection, PivotFields by name.
TEST_F(PivotObjectsTest, TablesAreWalkedAndReachedByIndex) {
  PivotDefinition second = testing::WorkedExample();
  second.name = u"PivotTable2";
  second.destination = {1, 7};
  second.page_fields.clear();
  PivotTableModel::Place(sheet, testing::SalesRecords(), second);
  com::Dispatch worksheet(NewSheetObject(sheet));
  std::vector<std::u16string> names;
  for (const auto& item : sim::testing::Enumerated(worksheet.Get(0x2B2).ToDispatch())) {
    names.push_back(com::Dispatch(item.ToDispatch()).Get(0x6E).ToText());
  }
  EXPECT_EQ(names, (std::vector<std::u16string>{u"PivotTable1", u"PivotTable2"}));
  EXPECT_EQ(com::Dispatch(worksheet.Call(0x2B2, {2}).ToDispatch()).Get(0x6E).ToText(), u"PivotTable2");
  com::Dispatch pivot = TableAt(6, 3);
  EXPECT_EQ(com::Dispatch(pivot.Call(0x2CE, {u"Region"}).ToDispatch()).Get(0x6E).ToText(), u"Region");
  // A method takes no more than its own arguments.
  try {
    worksheet.Call(0x2B2, {1, 1});
    ADD_FAILURE() << "PivotTables(1, 1) answered";
  } catch (const com::ComError& error) {
    EXPECT_EQ(error.code(), DISP_E_BADPARAMCOUNT);
  }
}

}  // namespace
}  // namespace corvane::sim::excel::pivot
