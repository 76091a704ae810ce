// The Excel wrappers as the add-in sees them: through IDispatch by DISPID
// and by name, interface queries, and the AppEvents connection point.
#include <gtest/gtest.h>

#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "published/Excel.h"
#include "sim/core/ApplicationFactory.h"
#include "sim/core/HostError.h"
#include "sim/core/Instrumentation.h"
#include "sim/excel/objects/ExcelStart.h"
#include "tests/sim/core/RecordingSink.h"

namespace corvane::sim::excel {
namespace {

using com::ComPtr;
using com::Dispatch;
using com::Variant;

class ExcelObjectsTest : public ::testing::Test {
 protected:
  ExcelObjectsTest() {
    Instrumentation::Instance().Reset();
    run.model->NewWorkbook();
    book = run.model->active_workbook();
    sheet = book->sheets().front();
  }
  Dispatch App() { return Dispatch(run.application); }
  Dispatch Sheet() { return Dispatch(App().Get(0x133).ToDispatch()); }
  Dispatch RangeAt(const char16_t* address) { return Dispatch(Sheet().Get(0xC5, {address}).ToDispatch()); }
  std::u16string AddressOf(const Variant& range) { return Dispatch(range.ToDispatch()).Get(0xEC).ToText(); }

  ExcelRun run = StartExcel();
  std::shared_ptr<WorkbookModel> book;
  std::shared_ptr<SheetModel> sheet;
};

TEST_F(ExcelObjectsTest, RangeMembersAnswerByDispidAndByName) {
  auto range = RangeAt(u"B2:D5");
  struct Case {
    com::Member member;
    std::vector<Variant> args;
    std::u16string expected;
  } cases[] = {
      {0xEE, {}, u"$B$2:$D$5"}, {u"cells", {}, u"$B$2:$D$5"}, {0xAA, {2, 3}, u"$D$3"},  {0x0, {1, 1}, u"$B$2"},
      {u"Item", {5}, u"$C$3"},  {0x102, {}, u"$B$2:$D$5"},    {0xF1, {}, u"$B$2:$D$5"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AddressOf(range.Get(c.member, c.args)), c.expected);
  }
  EXPECT_EQ(range.Get(0x76).ToInt32(), 12);
  EXPECT_EQ(Dispatch(range.Get(0x102).ToDispatch()).Get(0x76).ToInt32(), 4);
  EXPECT_EQ(Dispatch(range.Get(u"Columns").ToDispatch()).Get(u"COUNT").ToInt32(), 3);
  // The header rectangle of the add-in: ColumnRange's last cell by Cells(r, c).
  Dispatch cells(range.Get(0xEE).ToDispatch());
  EXPECT_EQ(AddressOf(cells.Get(0xAA, {4, 3})), u"$D$5");
  EXPECT_EQ(range.Get(0xEC, {false, false}).ToText(), u"B2:D5");
  EXPECT_EQ(range.Get(0xEC, {Variant::Omitted(), Variant::Omitted(), Variant::Omitted(), true}).ToText(),
            u"[Book1]Sheet1!$B$2:$D$5");
}

TEST_F(ExcelObjectsTest, UnionAndRangeOfTwoCellsGiveExcelsAddresses) {
  struct Case {
    const char16_t* a;
    const char16_t* b;
    std::u16string expected;
  } cases[] = {
      {u"A1:B2", u"D4", u"$A$1:$B$2,$D$4"},
      {u"A1", u"A2", u"$A$1:$A$2"},
      {u"A1:B2,D4", u"F6:G7", u"$A$1:$B$2,$D$4,$F$6:$G$7"},
  };
  for (const auto& c : cases) {
    const Variant a = RangeAt(c.a).object(), b = RangeAt(c.b).object();
    EXPECT_EQ(AddressOf(App().Call(0x30B, {a, b})), c.expected);
  }
  const Variant top_left = RangeAt(u"B3").object(), bottom_right = RangeAt(u"D7").object();
  EXPECT_EQ(AddressOf(Sheet().Get(0xC5, {top_left, bottom_right})), u"$B$3:$D$7");

  const Variant other_sheet =
      Dispatch(Dispatch(App().Get(0x1E5).ToDispatch()).Get(0xAA, {2}).ToDispatch()).Get(0xC5, {u"A1"});
  EXPECT_THROW(App().Call(0x30B, {top_left, other_sheet}), com::ComError);
  EXPECT_THROW(Sheet().Get(0xC5, {u"not an address"}), com::ComError);
}

TEST_F(ExcelObjectsTest, SelectMovesTheActiveCellAndFiresSelectionChangeLastFirst) {
  std::vector<testing::SinkCall> calls;
  auto sink = com::Make<testing::RecordingSink>(Excel::AppEvents::iid, "app", calls);
  auto container = run.application.try_query<IConnectionPointContainer>();
  ASSERT_TRUE(container);
  ComPtr<IConnectionPoint> point;
  ASSERT_EQ(container->FindConnectionPoint(Excel::AppEvents::iid, point.put()), S_OK);
  DWORD cookie = 0;
  ASSERT_EQ(point->Advise(sink.get(), &cookie), S_OK);

  RangeAt(u"C3:D4,F6").Call(0xEB);
  EXPECT_EQ(AddressOf(App().Get(0x131)), u"$C$3");
  EXPECT_EQ(AddressOf(App().Get(u"Selection")), u"$C$3:$D$4,$F$6");
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].id, 0x616);
  ASSERT_EQ(calls[0].rgvarg.size(), 2u);
  EXPECT_EQ(AddressOf(calls[0].rgvarg[0]), u"$C$3:$D$4,$F$6");  // Target last-first
  EXPECT_TRUE(calls[0].rgvarg[1].ToDispatch().try_query<IDispatch>());
  EXPECT_EQ(Dispatch(calls[0].rgvarg[1].ToDispatch()).Get(0x6E).ToText(), u"Sheet1");

  // A range of a sheet that is not active cannot be selected.
  calls.clear();
  Dispatch second(Dispatch(App().Get(0x1E5).ToDispatch()).Get(0xAA, {u"sheet2"}).ToDispatch());
  Dispatch elsewhere(second.Get(0xC5, {u"A1"}).ToDispatch());
  try {
    elsewhere.Call(0xEB);
    ADD_FAILURE() << "selected on an inactive sheet";
  } catch (const com::ComError& e) {
    EXPECT_EQ(e.description(), u"Select method of Range class failed");
  }
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(point->Unadvise(cookie), S_OK);
  calls.clear();
}

TEST_F(ExcelObjectsTest, CancelByReferenceDecidesAndSaveAsUiArrivesByValue) {
  std::vector<testing::SinkCall> calls;
  auto sink = com::Make<testing::RecordingSink>(Excel::AppEvents::iid, "app", calls);
  sink->WriteRef(0, true);
  ComPtr<IConnectionPoint> point;
  run.application.try_query<IConnectionPointContainer>()->FindConnectionPoint(Excel::AppEvents::iid, point.put());
  DWORD cookie = 0;
  ASSERT_EQ(point->Advise(sink.get(), &cookie), S_OK);

  Dispatch workbook(App().Get(0x134).ToDispatch());
  workbook.Call(0x115);  // Close: cancelled
  EXPECT_EQ(run.model->workbooks().size(), 1u);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].id, 0x622);
  EXPECT_EQ(calls[0].types, (std::vector<VARTYPE>{VT_BOOL | VT_BYREF, VT_DISPATCH}));

  calls.clear();
  EXPECT_FALSE(run.model->SaveWorkbook(book, true));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].id, 0x623);
  EXPECT_EQ(calls[0].types, (std::vector<VARTYPE>{VT_BOOL | VT_BYREF, VT_BOOL, VT_DISPATCH}));
  EXPECT_TRUE(calls[0].rgvarg[1].ToBool());
  EXPECT_TRUE(Dispatch(calls[0].rgvarg[2].ToDispatch()).object().try_query<IDispatch>());

  sink->WriteRef(0, false);
  calls.clear();
  workbook.Call(0x115);
  EXPECT_TRUE(run.model->workbooks().empty());
  EXPECT_EQ(point->Unadvise(cookie), S_OK);
  // The closed workbook's wrapper is stale now (once this test lets go too).
  book.reset();
  EXPECT_THROW(workbook.Get(0x6E), com::ComError);
}

TEST_F(ExcelObjectsTest, ChartSheetIsNoWorksheet) {
  run.model->AddSheet(book, u"Chart1", SheetKind::Chart);
  auto chart = App().Get(0x133).ToDispatch();
  EXPECT_FALSE(chart.try_query<IUnknown>() == nullptr);
  ComPtr<IDispatch> as_worksheet;
  EXPECT_EQ(chart->QueryInterface(Excel::Worksheet::iid, as_worksheet.put_void()), E_NOINTERFACE);
  EXPECT_EQ(Dispatch(chart).Get(0x6E).ToText(), u"Chart1");
  EXPECT_FALSE(App().Get(0x131).ToDispatch());  // no active cell

  run.model->ActivateSheet(sheet);
  auto worksheet = App().Get(0x133).ToDispatch();
  EXPECT_EQ(worksheet->QueryInterface(Excel::Worksheet::iid, as_worksheet.put_void()), S_OK);
  Dispatch window(App().Get(0x2F7).ToDispatch());
  EXPECT_EQ(Dispatch(window.Get(0x290).ToDispatch()).Get(0x76).ToInt32(), 1);
  run.model->GroupSheets({book->sheets()[1]});
  EXPECT_EQ(Dispatch(window.Get(0x290).ToDispatch()).Get(0x76).ToInt32(), 2);
}

TEST_F(ExcelObjectsTest, NumberFormatAndStylePerCell) {
  auto range = RangeAt(u"B2:B3");
  range.Put(0xC1, u"0.00");
  EXPECT_EQ(range.Get(0xC1).ToText(), u"0.00");
  EXPECT_EQ(RangeAt(u"A1:B2").Get(0xC1).type(), VT_NULL);  // mixed formats
  RangeAt(u"B2").Put(0x104, u"Currency");
  EXPECT_EQ(RangeAt(u"B2").Get(u"NumberFormat").ToText(), kCurrencyFormat);
  EXPECT_EQ(RangeAt(u"B2").Get(0x104).ToText(), u"Currency");
  range.Call(0x70);  // ClearFormats
  EXPECT_EQ(range.Get(0xC1).ToText(), u"General");

  book->RemoveStyle(u"Currency");
  try {
    range.Put(0x104, u"Currency");
    ADD_FAILURE() << "a missing style was applied";
  } catch (const com::ComError& e) {
    EXPECT_EQ(e.description(), u"Unable to set the Style property of the Range class");
  }
  EXPECT_EQ(range.Get(0xC1).ToText(), u"General");
}

TEST_F(ExcelObjectsTest, AutoFitNeedsRowsOrColumns) {
  sheet->SetValue({1, 1}, u"Sum of Sales");
  auto range = RangeAt(u"A1:B2");
  Dispatch(range.Get(0xF1).ToDispatch()).Call(0xED);
  EXPECT_EQ(sheet->column_width(1), 12.0);
  Dispatch(range.Get(0x102).ToDispatch()).Call(0xED);
  EXPECT_EQ(sheet->fitted_rows(), (std::vector<int32_t>{1, 2}));
  EXPECT_THROW(range.Call(0xED), com::ComError);
}

TEST_F(ExcelObjectsTest, PivotTableAndFieldFailOutsideEveryTable) {
  struct Case {
    DISPID id;
    std::u16string text;
  } cases[] = {
      {0x2CC, u"Unable to get the PivotTable property of the Range class"},
      {0x2DB, u"Unable to get the PivotField property of the Range class"},
  };
  for (const auto& c : cases) {
    try {
      RangeAt(u"A1").Get(c.id);
      ADD_FAILURE() << c.id;
    } catch (const com::ComError& e) {
      EXPECT_EQ(e.code(), kExcelError);
      EXPECT_EQ(e.description(), c.text);
    }
  }
}

TEST_F(ExcelObjectsTest, ScreenUpdatingDialogAndVersion) {
  App().Put(0x17E, false);
  App().Put(u"screenupdating", true);
  EXPECT_EQ(run.model->screen_updating_log(), (std::vector<bool>{false, true}));
  EXPECT_EQ(Instrumentation::Instance().log().Matching("ScreenUpdating"),
            (std::vector<std::string>{"ScreenUpdating False", "ScreenUpdating True"}));

  RangeAt(u"C3").Call(0xEB);
  run.model->QueueNumberFormatAnswer(u"0.0%");
  run.model->QueueNumberFormatAnswer(std::nullopt);
  Dispatch dialogs(App().Get(0x2F9).ToDispatch());
  std::vector<Variant> omitted(30, Variant::Omitted());
  EXPECT_TRUE(Dispatch(dialogs.Get(0xAA, {42}).ToDispatch()).Call(0x1F0, omitted).ToBool());
  EXPECT_EQ(RangeAt(u"C3").Get(0xC1).ToText(), u"0.0%");
  RangeAt(u"D4").Call(0xEB);
  EXPECT_FALSE(Dispatch(dialogs.Get(0x0, {42}).ToDispatch()).Call(0x1F0, omitted).ToBool());
  EXPECT_EQ(RangeAt(u"D4").Get(0xC1).ToText(), u"General");
  EXPECT_THROW(Dispatch(dialogs.Get(0xAA, {1}).ToDispatch()).Call(0x1F0), com::ComError);

  EXPECT_EQ(App().Get(0x188).ToText(), u"11.0");
  run.model->set_version(u"9.0");
  EXPECT_EQ(App().Get(u"Version").ToText(), u"9.0");
}

TEST_F(ExcelObjectsTest, WrappersLeaveNothingBehindAndQuitStopsTheModel) {
  {
    auto range = RangeAt(u"A1");
    Dispatch(range.Get(0x15C).ToDispatch()).Get(0x6E);
    Dispatch(App().Get(0x2F7).ToDispatch()).Get(0x290);
    EXPECT_GT(Instrumentation::Instance().LiveObjects(u"Range"), 0);
  }
  for (const char16_t* type : {u"Range", u"Worksheet", u"Window", u"Sheets", u"Workbook"}) {
    EXPECT_EQ(Instrumentation::Instance().LiveObjects(type), 0) << std::string(type, type + 5);
  }
  EXPECT_EQ(Instrumentation::Instance().LiveObjects(u"Application"), 1);  // the run's own
  App().Call(0x12E);
  EXPECT_TRUE(run.model->has_quit());
  EXPECT_TRUE(run.model->workbooks().empty());
}

TEST(RunningExcelTest, AStartedExcelRunsUntilItQuits) {
  const size_t before = RunningExcelCount();
  {
    Dispatch app(StartRunningExcel());
    EXPECT_EQ(RunningExcelCount(), before + 1);
    ComPtr<IUnknown> active;
    EXPECT_EQ(GetActiveObject(kExcelApplicationClsid, nullptr, active.put()), S_OK);
    app.Call(0x12E);
  }
  EXPECT_EQ(RunningExcelCount(), before);
  EXPECT_EQ(Instrumentation::Instance().LiveObjects(u"Application"), 0);
}

}  // namespace
}  // namespace corvane::sim::excel
