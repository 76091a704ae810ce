// The plain Excel model: user actions and the events they raise, selection,
// formats and styles, screen updating, the number format dialog.
#include <gtest/gtest.h>

#include "sim/excel/model/AppModel.h"

namespace corvane::sim::excel {
namespace {

// Records every event; cancels those listed.
class Recorder : public AppEventListener {
 public:
  void OnEvent(AppEvent& event) override {
    events.push_back(event);
    for (AppEventId id : cancel) event.cancel = event.cancel || id == event.id;
  }
  std::vector<AppEventId> ids() const {
    std::vector<AppEventId> result;
    for (const auto& e : events) result.push_back(e.id);
    return result;
  }
  std::vector<AppEvent> events;
  std::vector<AppEventId> cancel;
};

class AppModelTest : public ::testing::Test {
 public:
  AppModelTest() { Reset(); }
  // A fresh Excel with one new workbook, its events recorded from here on.
  void Reset() {
    app = AppModel::Create();
    recorder = std::make_shared<Recorder>();
    app->set_listener(recorder);
    book = app->NewWorkbook();
    sheet = book->sheets().front();
    recorder->events.clear();
  }
  std::shared_ptr<AppModel> app = AppModel::Create();
  std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();
  std::shared_ptr<WorkbookModel> book;
  std::shared_ptr<SheetModel> sheet;
};

using E = AppEventId;

TEST_F(AppModelTest, UserActionsRaiseExcelsEventsInOrder) {
  struct Case {
    const char* action;
    std::function<void(AppModelTest&)> run;
    std::vector<AppEventId> expected;
  } cases[] = {
      {"activate sheet",
       [](AppModelTest& t) { t.app->ActivateSheet(t.book->sheets()[1]); },
       {E::SheetDeactivate, E::SheetActivate}},
      {"activate the active sheet", [](AppModelTest& t) { t.app->ActivateSheet(t.sheet); }, {}},
      {"new workbook",
       [](AppModelTest& t) { t.app->NewWorkbook(); },
       {E::WindowDeactivate, E::WorkbookDeactivate, E::WorkbookActivate, E::WindowActivate, E::NewWorkbook}},
      {"open workbook",
       [](AppModelTest& t) { t.app->OpenWorkbook(u"Sales.xls", {u"Data"}); },
       {E::WindowDeactivate, E::WorkbookDeactivate, E::WorkbookActivate, E::WindowActivate, E::WorkbookOpen}},
      {"second window",
       [](AppModelTest& t) { t.app->ActivateWindow(t.book->AddWindow()); },
       {E::WindowDeactivate, E::WindowActivate}},
      {"close",
       [](AppModelTest& t) { t.app->CloseWorkbook(t.book); },
       {E::WorkbookBeforeClose, E::WindowDeactivate, E::WorkbookDeactivate}},
      {"save", [](AppModelTest& t) { t.app->SaveWorkbook(t.book, true); }, {E::WorkbookBeforeSave}},
      {"print", [](AppModelTest& t) { t.app->PrintWorkbook(t.book); }, {E::WorkbookBeforePrint}},
      {"new sheet",
       [](AppModelTest& t) { t.app->AddSheet(t.book, u"Chart1", SheetKind::Chart); },
       {E::WorkbookNewSheet, E::SheetDeactivate, E::SheetActivate}},
      {"select",
       [](AppModelTest& t) { t.app->Select(t.sheet, Areas(CellRect::Cell(2, 2))); },
       {E::SheetSelectionChange}},
      {"change",
       [](AppModelTest& t) { t.app->ChangeCells(t.sheet, Areas(CellRect::Cell(2, 2)), 5.0); },
       {E::SheetChange}},
      {"calculate", [](AppModelTest& t) { t.app->Calculate(t.sheet); }, {E::SheetCalculate}},
      {"double click",
       [](AppModelTest& t) {
         t.app->DoubleClick(t.sheet, {1, 1});
       },
       {E::SheetBeforeDoubleClick}},
      {"right click",
       [](AppModelTest& t) {
         t.app->RightClick(t.sheet, {1, 1});
       },
       {E::SheetBeforeRightClick}},
      {"resize", [](AppModelTest& t) { t.app->ResizeWindow(t.book->windows().front()); }, {E::WindowResize}},
  };
  for (const auto& c : cases) {
    Reset();
    c.run(*this);
    EXPECT_EQ(recorder->ids(), c.expected) << c.action;
  }
}

TEST_F(AppModelTest, EventArgumentsComeInDeclaredOrder) {
  app->SaveWorkbook(book, true);
  ASSERT_EQ(recorder->events.size(), 1u);
  const auto& args = recorder->events[0].args;
  ASSERT_EQ(args.size(), 3u);
  EXPECT_EQ(std::get<std::shared_ptr<WorkbookModel>>(args[0]), book);
  EXPECT_TRUE(std::get<bool>(args[1]));
  EXPECT_TRUE(std::holds_alternative<CancelArg>(args[2]));

  recorder->events.clear();
  app->Select(sheet, Areas(std::vector<CellRect>{{1, 1, 2, 2}, CellRect::Cell(4, 4)}));
  const auto& select = recorder->events.at(0).args;
  EXPECT_EQ(std::get<std::shared_ptr<SheetModel>>(select.at(0)), sheet);
  EXPECT_EQ(std::get<RangeArg>(select.at(1)).areas.Address(), u"$A$1:$B$2,$D$4");
}

TEST_F(AppModelTest, CancelDecides) {
  recorder->cancel = {E::WorkbookBeforeClose, E::WorkbookBeforeSave, E::WorkbookBeforePrint, E::SheetBeforeDoubleClick};
  book->set_saved(false);
  EXPECT_FALSE(app->CloseWorkbook(book));
  EXPECT_EQ(app->workbooks().size(), 1u);
  EXPECT_EQ(app->active_workbook(), book);
  EXPECT_FALSE(app->SaveWorkbook(book));
  EXPECT_FALSE(book->saved());
  EXPECT_FALSE(app->PrintWorkbook(book));
  EXPECT_FALSE(app->DoubleClick(sheet, {1, 1}));
  EXPECT_TRUE(app->RightClick(sheet, {1, 1}));
  EXPECT_FALSE(app->Quit());
  EXPECT_FALSE(app->has_quit());

  recorder->cancel.clear();
  EXPECT_TRUE(app->CloseWorkbook(book));
  EXPECT_TRUE(app->workbooks().empty());
  EXPECT_FALSE(app->active_window());
}

TEST_F(AppModelTest, ClosingTheActiveWorkbookActivatesTheLastOtherOne) {
  const auto second = app->NewWorkbook();
  recorder->events.clear();
  ASSERT_TRUE(app->CloseWorkbook(second));
  EXPECT_EQ(app->active_workbook(), book);
  EXPECT_EQ(recorder->ids(), (std::vector<AppEventId>{E::WorkbookBeforeClose, E::WindowDeactivate,
                                                      E::WorkbookDeactivate, E::WorkbookActivate, E::WindowActivate}));
  int hooks = 0;
  app->AddQuitHook([&] { ++hooks; });
  EXPECT_TRUE(app->Quit());
  EXPECT_TRUE(app->has_quit());
  EXPECT_TRUE(app->workbooks().empty());
  EXPECT_EQ(hooks, 1);
}

TEST_F(AppModelTest, SelectMovesTheActiveCellToTheFirstCellPerSheet) {
  EXPECT_EQ(app->selection()->areas.Address(), u"$A$1");
  app->Select(sheet, Areas(std::vector<CellRect>{{3, 2, 5, 4}, CellRect::Cell(9, 9)}));
  EXPECT_EQ(app->selection()->active_cell, (CellRef{3, 2}));
  app->Select(sheet, Areas({4, 3, 6, 6}), CellRef{5, 5});
  EXPECT_EQ(app->selection()->active_cell, (CellRef{5, 5}));

  // Each sheet keeps its own selection.
  const auto other = book->sheets()[1];
  app->ActivateSheet(other);
  EXPECT_EQ(app->selection()->areas.Address(), u"$A$1");
  app->ActivateSheet(sheet);
  EXPECT_EQ(app->selection()->areas.Address(), u"$C$4:$F$6");

  // Excel refuses selections on a sheet that is not active, on a chart, or
  // an active cell outside the selection.
  EXPECT_THROW(app->Select(other, Areas(CellRect::Cell(1, 1))), std::logic_error);
  EXPECT_THROW(app->Select(sheet, Areas(CellRect::Cell(1, 1)), CellRef{2, 2}), std::logic_error);
  const auto chart = app->AddSheet(book, u"Chart1", SheetKind::Chart);
  EXPECT_THROW(app->Select(chart, Areas(CellRect::Cell(1, 1))), std::logic_error);
}

TEST_F(AppModelTest, GroupedSheetsAreSelectedTogetherUntilAnotherSheetIsActivated) {
  const auto& sheets = book->sheets();
  const auto window = app->active_window();
  EXPECT_EQ(window->selected_sheets().size(), 1u);
  app->GroupSheets({sheets[1], sheets[2]});
  EXPECT_EQ(window->selected_sheets(), (std::vector<std::shared_ptr<SheetModel>>{sheets[0], sheets[1], sheets[2]}));
  app->ActivateSheet(sheets[1]);
  EXPECT_EQ(window->selected_sheets().size(), 1u);
  const auto other_book = app->NewWorkbook();
  EXPECT_THROW(app->GroupSheets({sheets[0]}), std::logic_error);
}

TEST_F(AppModelTest, FormatsAndStylesPerCell) {
  const Areas b2c3({2, 2, 3, 3});
  sheet->SetNumberFormat(b2c3, u"0.00");
  EXPECT_EQ(sheet->CommonNumberFormat(b2c3), u"0.00");
  EXPECT_EQ(sheet->CommonNumberFormat(Areas({1, 1, 3, 3})), std::nullopt);  // mixed: Null
  EXPECT_EQ(sheet->cell({1, 1}).number_format, u"General");

  const auto currency = book->FindStyle(u"currency");
  ASSERT_TRUE(currency);
  sheet->SetStyle(Areas(CellRect::Cell(2, 2)), currency->name, currency->number_format);
  EXPECT_EQ(sheet->cell({2, 2}).number_format, kCurrencyFormat);
  EXPECT_EQ(sheet->cell({2, 2}).style, u"Currency");
  EXPECT_EQ(sheet->CommonStyle(b2c3), std::nullopt);

  sheet->ClearFormats(Areas(CellRect::Cell(2, 2)));
  EXPECT_EQ(sheet->cell({2, 2}).number_format, u"General");
  EXPECT_EQ(sheet->cell({2, 2}).style, u"Normal");
  EXPECT_EQ(sheet->cell({3, 3}).number_format, u"0.00");

  book->RemoveStyle(u"Currency");
  EXPECT_FALSE(book->FindStyle(u"Currency"));
  const auto chart = book->AddSheet(u"Chart1", SheetKind::Chart);
  EXPECT_THROW(chart->SetNumberFormat(b2c3, u"0"), std::logic_error);
  EXPECT_THROW(book->AddSheet(u"SHEET1"), std::invalid_argument);
}

TEST_F(AppModelTest, AutoFitRecordsWidthsAndHeights) {
  sheet->SetValue({1, 1}, u"Grand Total");
  sheet->SetValue({2, 1}, 455.0);
  sheet->SetValue({5, 1}, u"outside the range, ignored");
  sheet->SetValue({1, 2}, 12345.5);
  sheet->AutoFitColumns(Areas({1, 1, 2, 3}));
  EXPECT_EQ(sheet->column_width(1), 11.0);
  EXPECT_EQ(sheet->column_width(2), 7.0);
  EXPECT_EQ(sheet->column_width(3), kStandardColumnWidth);
  EXPECT_EQ(sheet->fitted_columns(), (std::vector<int32_t>{1, 2, 3}));
  sheet->AutoFitRows(Areas({2, 1, 3, 1}));
  EXPECT_EQ(sheet->fitted_rows(), (std::vector<int32_t>{2, 3}));
}

TEST_F(AppModelTest, ScreenUpdatingLogsEveryWrite) {
  EXPECT_TRUE(app->screen_updating());
  app->set_screen_updating(false);
  app->set_screen_updating(false);
  app->set_screen_updating(true);
  EXPECT_EQ(app->screen_updating_log(), (std::vector<bool>{false, false, true}));
  EXPECT_TRUE(app->screen_updating());
}

TEST_F(AppModelTest, VersionTakesTheThreeClassicVersions) {
  for (const char16_t* v : {u"9.0", u"10.0", u"11.0"}) {
    app->set_version(v);
    EXPECT_EQ(app->version(), v);
  }
  EXPECT_THROW(app->set_version(u"12.0"), std::invalid_argument);
  EXPECT_EQ(app->version(), u"11.0");
}

TEST_F(AppModelTest, NumberFormatDialogAppliesOkToTheSelectionAndCancelNothing) {
  app->Select(sheet, Areas({2, 2, 3, 2}));
  app->QueueNumberFormatAnswer(u"#,##0.0");
  app->QueueNumberFormatAnswer(std::nullopt);
  EXPECT_TRUE(app->ShowNumberFormatDialog());
  EXPECT_EQ(sheet->CommonNumberFormat(Areas({2, 2, 3, 2})), u"#,##0.0");
  EXPECT_EQ(sheet->cell({1, 1}).number_format, u"General");
  app->Select(sheet, Areas(CellRect::Cell(1, 1)));
  EXPECT_FALSE(app->ShowNumberFormatDialog());
  EXPECT_FALSE(app->ShowNumberFormatDialog());  // nothing queued: the user cancels
  EXPECT_EQ(sheet->cell({1, 1}).number_format, u"General");
  EXPECT_EQ(app->dialog_shows(), 3);
}

TEST_F(AppModelTest, NumberFormatDialogAsksItsAskerOnlyWhenNothingIsQueued) {
  app->Select(sheet, Areas({2, 2, 3, 2}));
  std::vector<std::u16string> asked;
  std::optional<std::u16string> reply = u"0.000";
  app->set_number_format_asker([&](const std::u16string& current) {
    asked.push_back(current);
    return reply;
  });
  app->QueueNumberFormatAnswer(u"0%");
  EXPECT_TRUE(app->ShowNumberFormatDialog());
  EXPECT_TRUE(asked.empty()) << "a queued answer comes first";
  EXPECT_TRUE(app->ShowNumberFormatDialog());
  EXPECT_EQ(sheet->CommonNumberFormat(Areas({2, 2, 3, 2})), u"0.000");
  reply.reset();
  EXPECT_FALSE(app->ShowNumberFormatDialog());
  EXPECT_EQ(sheet->CommonNumberFormat(Areas({2, 2, 3, 2})), u"0.000");
  EXPECT_EQ(asked, (std::vector<std::u16string>{u"0%", u"0.000"}));
}

}  // namespace
}  // namespace corvane::sim::excel
