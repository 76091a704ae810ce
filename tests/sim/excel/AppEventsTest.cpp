// Excel's 29 application events as a sink on AppEvents receives them: each
// raised once by its user action, with its DISPID and its arguments
// last-first in DISPPARAMS, each of the kind Excel passes; Cancel by
// reference; SheetSelectionChange from Range.Select and PivotSelect.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "platform/com/Dispatch.h"
#include "published/Excel.h"
#include "sim/core/Instrumentation.h"
#include "sim/excel/objects/ExcelStart.h"
#include "sim/excel/pivot/PivotTableModel.h"
#include "tests/sim/core/RecordingSink.h"
#include "tests/sim/pivot/PivotFixtures.h"

namespace corvane::sim::excel {
namespace {

using com::Dispatch;
using com::Variant;
using testing::SinkCall;

constexpr IID kPivotTableIid = {0x00020872, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// A started Excel with one workbook and a sink on its AppEvents.
class EventedExcel {
 public:
  EventedExcel() {
    book = run.model->NewWorkbook();
    sheet = book->sheets().front();
    point_ = Point();
    point_->Advise(sink.get(), &cookie_);
  }
  ~EventedExcel() { point_->Unadvise(cookie_); }

  Dispatch App() { return Dispatch(run.application); }
  Dispatch RangeAt(const char16_t* address) {
    return Dispatch(Dispatch(App().Get(0x133).ToDispatch()).Get(0xC5, {address}).ToDispatch());
  }
  std::shared_ptr<pivot::PivotTableModel> PlaceTable() {
    return pivot::PivotTableModel::Place(sheet, pivot::testing::SalesRecords(), pivot::testing::WorkedExample());
  }
  // The calls of one DISPID the sink received.
  std::vector<SinkCall> Received(DISPID id) const {
    std::vector<SinkCall> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found), [id](const SinkCall& c) { return c.id == id; });
    return found;
  }

  ExcelRun run = StartExcel();
  std::shared_ptr<WorkbookModel> book;
  std::shared_ptr<SheetModel> sheet;
  std::vector<SinkCall> calls;
  com::ComPtr<testing::RecordingSink> sink = com::Make<testing::RecordingSink>(Excel::AppEvents::iid, "app", calls);

 private:
  com::ComPtr<IConnectionPoint> Point() {
    com::ComPtr<IConnectionPoint> point;
    run.application.try_query<IConnectionPointContainer>()->FindConnectionPoint(Excel::AppEvents::iid, point.put());
    return point;
  }
  com::ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
};

// What Excel passes for each declared parameter.
enum class Kind { Workbook, Sheet, Range, Window, PivotTable, Nothing, Bool, Int, Text, Cancel };

// Empty when the argument is of the kind, otherwise what is wrong.
std::string Mismatch(Kind kind, const Variant& arg, VARTYPE type) {
  auto object = [&](const IID* iid) -> std::string {
    if (type != VT_DISPATCH) return "not an object";
    const auto dispatch = arg.ToDispatch();
    if (!dispatch) return "Nothing";
    com::ComPtr<IUnknown> answer;
    if (iid && dispatch->QueryInterface(*iid, answer.put_void()) != S_OK) return "lacks the interface";
    return "";
  };
  switch (kind) {
    case Kind::Workbook:
      return object(&Excel::Workbook::iid);
    case Kind::Sheet:
      return object(&Excel::Worksheet::iid);
    case Kind::Range:
      return object(&Excel::Range::iid);
    case Kind::Window:
      return object(&Excel::Window::iid);
    case Kind::PivotTable:
      return object(&kPivotTableIid);
    case Kind::Nothing:
      return type == VT_DISPATCH && !arg.ToDispatch() ? "" : "not Nothing";
    case Kind::Bool:
      return type == VT_BOOL ? "" : "not a boolean";
    case Kind::Int:
      return type == VT_I4 ? "" : "not a 32-bit integer";
    case Kind::Text:
      return type == VT_BSTR ? "" : "not a text";
    case Kind::Cancel:
      return type == (VT_BOOL | VT_BYREF) ? "" : "not a boolean by reference";
  }
  return "?";
}

struct EventCase {
  const char* event;
  std::function<void(EventedExcel&)> action;
  DISPID id;
  std::vector<Kind> kinds;  // declared order
};

using K = Kind;

const std::vector<EventCase>& Cases() {
  static const std::vector<EventCase> cases = {
      {"WindowResize",
       [](EventedExcel& x) { x.run.model->ResizeWindow(x.book->windows().front()); },
       0x612,
       {K::Workbook, K::Window}},
      {"WindowActivate",
       [](EventedExcel& x) { x.run.model->ActivateWindow(x.book->AddWindow()); },
       0x614,
       {K::Workbook, K::Window}},
      {"WindowDeactivate",
       [](EventedExcel& x) { x.run.model->ActivateWindow(x.book->AddWindow()); },
       0x615,
       {K::Workbook, K::Window}},
      {"SheetSelectionChange", [](EventedExcel& x) { x.RangeAt(u"B2:C3").Call(0xEB); }, 0x616, {K::Sheet, K::Range}},
      {"SheetBeforeDoubleClick",
       [](EventedExcel& x) {
         x.run.model->DoubleClick(x.sheet, {2, 2});
       },
       0x617,
       {K::Sheet, K::Range, K::Cancel}},
      {"SheetBeforeRightClick",
       [](EventedExcel& x) {
         x.run.model->RightClick(x.sheet, {2, 2});
       },
       0x618,
       {K::Sheet, K::Range, K::Cancel}},
      {"SheetActivate", [](EventedExcel& x) { x.run.model->ActivateSheet(x.book->sheets()[1]); }, 0x619, {K::Sheet}},
      {"SheetDeactivate", [](EventedExcel& x) { x.run.model->ActivateSheet(x.book->sheets()[1]); }, 0x61A, {K::Sheet}},
      {"SheetCalculate", [](EventedExcel& x) { x.run.model->Calculate(x.sheet); }, 0x61B, {K::Sheet}},
      {"SheetChange", [](EventedExcel& x) { x.RangeAt(u"A1:A2").Put(0x6, Variant(5.0)); }, 0x61C, {K::Sheet, K::Range}},
      {"NewWorkbook",
       [](EventedExcel& x) { Dispatch(x.App().Get(0x23C).ToDispatch()).Call(0xB5); },
       0x61D,
       {K::Workbook}},
      {"WorkbookOpen",
       [](EventedExcel& x) { x.run.model->OpenWorkbook(u"Sales.xls", {u"Data"}); },
       0x61F,
       {K::Workbook}},
      {"WorkbookActivate", [](EventedExcel& x) { x.run.model->NewWorkbook(); }, 0x620, {K::Workbook}},
      {"WorkbookDeactivate", [](EventedExcel& x) { x.run.model->NewWorkbook(); }, 0x621, {K::Workbook}},
      {"WorkbookBeforeClose",
       [](EventedExcel& x) { Dispatch(x.App().Get(0x134).ToDispatch()).Call(0x115); },
       0x622,
       {K::Workbook, K::Cancel}},
      {"WorkbookBeforeSave",
       [](EventedExcel& x) { Dispatch(x.App().Get(0x134).ToDispatch()).Call(0x11B); },
       0x623,
       {K::Workbook, K::Bool, K::Cancel}},
      {"WorkbookBeforePrint",
       [](EventedExcel& x) { x.run.model->PrintWorkbook(x.book); },
       0x624,
       {K::Workbook, K::Cancel}},
      {"WorkbookNewSheet",
       [](EventedExcel& x) { x.run.model->AddSheet(x.book, u"Sheet4"); },
       0x625,
       {K::Workbook, K::Sheet}},
      {"WorkbookAddinInstall", [](EventedExcel& x) { x.run.model->InstallAddIn(x.book); }, 0x626, {K::Workbook}},
      {"WorkbookAddinUninstall", [](EventedExcel& x) { x.run.model->UninstallAddIn(x.book); }, 0x627, {K::Workbook}},
      {"SheetFollowHyperlink",
       [](EventedExcel& x) { x.run.model->FollowHyperlink(x.sheet); },
       0x73E,
       {K::Sheet, K::Nothing}},
      {"SheetPivotTableUpdate",
       [](EventedExcel& x) {
         x.PlaceTable();
         Dispatch sheet(x.App().Get(0x133).ToDispatch());
         Dispatch(sheet.Call(0x2B2, {1}).ToDispatch()).Call(0x2A8);
       },
       0x86D,
       {K::Sheet, K::PivotTable}},
      {"WorkbookPivotTableCloseConnection",
       [](EventedExcel& x) { x.run.model->ClosePivotConnection(x.sheet, x.PlaceTable()); },
       0x870,
       {K::Workbook, K::PivotTable}},
      {"WorkbookPivotTableOpenConnection",
       [](EventedExcel& x) { x.run.model->OpenPivotConnection(x.sheet, x.PlaceTable()); },
       0x871,
       {K::Workbook, K::PivotTable}},
      {"WorkbookSync", [](EventedExcel& x) { x.run.model->SyncWorkbook(x.book, 3); }, 0x8F1, {K::Workbook, K::Int}},
      {"WorkbookBeforeXmlImport",
       [](EventedExcel& x) { x.run.model->ImportXml(x.book, u"C:\\in.xml", true); },
       0x8F2,
       {K::Workbook, K::Nothing, K::Text, K::Bool, K::Cancel}},
      {"WorkbookAfterXmlImport",
       [](EventedExcel& x) { x.run.model->ImportXml(x.book, u"C:\\in.xml", true); },
       0x8F3,
       {K::Workbook, K::Nothing, K::Bool, K::Int}},
      {"WorkbookBeforeXmlExport",
       [](EventedExcel& x) { x.run.model->ExportXml(x.book, u"C:\\out.xml"); },
       0x8F4,
       {K::Workbook, K::Nothing, K::Text, K::Cancel}},
      {"WorkbookAfterXmlExport",
       [](EventedExcel& x) { x.run.model->ExportXml(x.book, u"C:\\out.xml"); },
       0x8F5,
       {K::Workbook, K::Nothing, K::Text, K::Int}},
  };
  return cases;
}

TEST(AppEventsTest, EachEventComesOnceFromItsActionWithItsArgumentsLastFirst) {
  ASSERT_EQ(Cases().size(), 29u);
  for (const EventCase& c : Cases()) {
    EventedExcel excel;
    excel.calls.clear();
    c.action(excel);
    const auto received = excel.Received(c.id);
    ASSERT_EQ(received.size(), 1u) << c.event;
    const SinkCall& call = received.front();
    ASSERT_EQ(call.rgvarg.size(), c.kinds.size()) << c.event;
    for (size_t i = 0; i < c.kinds.size(); ++i) {
      const size_t slot = c.kinds.size() - 1 - i;  // last-first
      EXPECT_EQ(Mismatch(c.kinds[i], call.rgvarg[slot], call.types[slot]), "") << c.event << " parameter " << i + 1;
    }
  }
}

TEST(AppEventsTest, ValuesArriveAsTheActionGaveThem) {
  EventedExcel excel;
  excel.run.model->SyncWorkbook(excel.book, 3);
  excel.run.model->ImportXml(excel.book, u"C:\\in.xml", true);
  excel.run.model->ExportXml(excel.book, u"C:\\out.xml");
  EXPECT_EQ(excel.Received(0x8F1).at(0).rgvarg[0].ToInt32(), 3);
  EXPECT_EQ(excel.Received(0x8F2).at(0).rgvarg[2].ToText(), u"C:\\in.xml");
  EXPECT_TRUE(excel.Received(0x8F2).at(0).rgvarg[1].ToBool());
  EXPECT_EQ(excel.Received(0x8F3).at(0).rgvarg[0].ToInt32(), 0);  // success
  EXPECT_EQ(excel.Received(0x8F5).at(0).rgvarg[1].ToText(), u"C:\\out.xml");
  EXPECT_EQ(Dispatch(excel.Received(0x8F1).at(0).rgvarg[1].ToDispatch()).Get(0x6E).ToText(), u"Book1");
}

TEST(AppEventsTest, ACancelByReferenceStopsWhatTheActionWouldDo) {
  struct Case {
    const char* event;
    std::function<bool(EventedExcel&)> action;  // true when it went ahead
    DISPID after;                               // raised only when not cancelled; 0 for none
  } cases[] = {
      {"WorkbookBeforeClose",
       [](EventedExcel& x) {
         Dispatch(x.App().Get(0x134).ToDispatch()).Call(0x115);
         return x.run.model->workbooks().empty();
       },
       0x621},
      {"WorkbookBeforeXmlImport", [](EventedExcel& x) { return x.run.model->ImportXml(x.book, u"a.xml", false); },
       0x8F3},
      {"WorkbookBeforeXmlExport", [](EventedExcel& x) { return x.run.model->ExportXml(x.book, u"a.xml"); }, 0x8F5},
      {"SheetBeforeRightClick",
       [](EventedExcel& x) {
         return x.run.model->RightClick(x.sheet, {1, 1});
       },
       0},
  };
  for (const auto& c : cases) {
    for (bool cancel : {true, false}) {
      EventedExcel excel;
      excel.sink->WriteRef(0, cancel);  // Cancel is the last parameter: rgvarg[0]
      excel.calls.clear();
      EXPECT_EQ(c.action(excel), !cancel) << c.event << (cancel ? " cancelled" : "");
      if (c.after) {
        EXPECT_EQ(excel.Received(c.after).size(), cancel ? 0u : 1u) << c.event;
      }
    }
  }
  // The cancelled close keeps the workbook open and active.
  EventedExcel excel;
  excel.sink->WriteRef(0, true);
  Dispatch(excel.App().Get(0x134).ToDispatch()).Call(0x115);
  ASSERT_EQ(excel.run.model->workbooks().size(), 1u);
  EXPECT_EQ(excel.run.model->active_workbook(), excel.book);
  EXPECT_EQ(Dispatch(excel.App().Get(0x134).ToDispatch()).Get(0x6E).ToText(), u"Book1");
}

TEST(AppEventsTest, PivotSelectAndRangeSelectRaiseSheetSelectionChangeWithTheSelection) {
  struct Case {
    const char* how;
    std::function<void(EventedExcel&)> select;
    std::u16string address;
  } cases[] = {
      {"Range.Select", [](EventedExcel& x) { x.RangeAt(u"B5:D7").Call(0xEB); }, u"$B$5:$D$7"},
      {"PivotSelect column grand total",
       [](EventedExcel& x) {
         Dispatch table(x.RangeAt(u"B5").Get(0x2CC).ToDispatch());
         table.Call(0x5DD, {u"Column Grand Total", 0});
       },
       u"$D$4:$D$7"},
      {"PivotSelect origin",
       [](EventedExcel& x) {
         Dispatch table(x.RangeAt(u"B5").Get(0x2CC).ToDispatch());
         table.Call(0x5DD, {u"", 3});
       },
       u"$A$3"},
  };
  for (const auto& c : cases) {
    EventedExcel excel;
    pivot::PivotDefinition at_a1 = pivot::testing::WorkedExample();
    pivot::PivotTableModel::Place(excel.sheet, pivot::testing::SalesRecords(), at_a1);
    excel.calls.clear();
    c.select(excel);
    const auto received = excel.Received(0x616);
    ASSERT_EQ(received.size(), 1u) << c.how;
    EXPECT_EQ(Dispatch(received[0].rgvarg[0].ToDispatch()).Get(0xEC).ToText(), c.address) << c.how;
    EXPECT_EQ(Dispatch(received[0].rgvarg[1].ToDispatch()).Get(0x6E).ToText(), u"Sheet1") << c.how;
    EXPECT_EQ(Dispatch(excel.App().Get(0x93).ToDispatch()).Get(0xEC).ToText(), c.address) << c.how;
  }
}

}  // namespace
}  // namespace corvane::sim::excel
