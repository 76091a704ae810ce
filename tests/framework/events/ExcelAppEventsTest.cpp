// TkvxExcelAppEvents against the simulated Excel: connected through
// Excel's AppEvents connection point, each of the 29 events raised by its
// user action reaches its handler with the arguments in declared order and
// converted to the handler's types; Cancel is Excel's own flag.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "framework/events/TkvxEventDispatch.h"
#include "framework/events/TkvxExcelAppEvents.h"
#include "sim/excel/model/Address.h"
#include "sim/excel/pivot/PivotTableModel.h"
#include "tests/framework/events/EventsFixture.h"
#include "tests/sim/pivot/PivotFixtures.h"

namespace corvane::framework::testing {
namespace {

namespace pivot = sim::excel::pivot;

struct Received {
  std::string event;
  TObject* sender;
  std::string arguments;
};

// A module with a TkvxExcelAppEvents connected to a started Excel that has
// one workbook open.
class ConnectedExcel {
 public:
  ConnectedExcel() {
    book = run.model->NewWorkbook();
    sheet = book->sheets().front();
    events->ConnectTo(run.application.get());
  }

  // Every handler assigned, each recording what it received.
  void ListenToAll() {
    E& e = *events;
    Listen(e.OnNewWorkbook, "NewWorkbook");
    Listen(e.OnSheetSelectionChange, "SheetSelectionChange");
    Listen(e.OnSheetBeforeDoubleClick, "SheetBeforeDoubleClick");
    Listen(e.OnSheetBeforeRightClick, "SheetBeforeRightClick");
    Listen(e.OnSheetActivate, "SheetActivate");
    Listen(e.OnSheetDeactivate, "SheetDeactivate");
    Listen(e.OnSheetCalculate, "SheetCalculate");
    Listen(e.OnSheetChange, "SheetChange");
    Listen(e.OnWorkbookOpen, "WorkbookOpen");
    Listen(e.OnWorkbookActivate, "WorkbookActivate");
    Listen(e.OnWorkbookDeactivate, "WorkbookDeactivate");
    Listen(e.OnWorkbookBeforeClose, "WorkbookBeforeClose");
    Listen(e.OnWorkbookBeforeSave, "WorkbookBeforeSave");
    Listen(e.OnWorkbookBeforePrint, "WorkbookBeforePrint");
    Listen(e.OnWorkbookNewSheet, "WorkbookNewSheet");
    Listen(e.OnWorkbookAddinInstall, "WorkbookAddinInstall");
    Listen(e.OnWorkbookAddinUninstall, "WorkbookAddinUninstall");
    Listen(e.OnWindowResize, "WindowResize");
    Listen(e.OnWindowActivate, "WindowActivate");
    Listen(e.OnWindowDeactivate, "WindowDeactivate");
    Listen(e.OnSheetFollowHyperlink, "SheetFollowHyperlink");
    Listen(e.OnSheetPivotTableUpdate, "SheetPivotTableUpdate");
    Listen(e.OnWorkbookPivotTableCloseConnection, "WorkbookPivotTableCloseConnection");
    Listen(e.OnWorkbookPivotTableOpenConnection, "WorkbookPivotTableOpenConnection");
    Listen(e.OnWorkbookSync, "WorkbookSync");
    Listen(e.OnWorkbookBeforeXmlImport, "WorkbookBeforeXmlImport");
    Listen(e.OnWorkbookAfterXmlImport, "WorkbookAfterXmlImport");
    Listen(e.OnWorkbookBeforeXmlExport, "WorkbookBeforeXmlExport");
    Listen(e.OnWorkbookAfterXmlExport, "WorkbookAfterXmlExport");
  }

  std::vector<Received> Of(const std::string& event) const {
    std::vector<Received> found;
    for (const auto& r : received)
      if (r.event == event) found.push_back(r);
    return found;
  }

  std::shared_ptr<pivot::PivotTableModel> PlaceTable() {
    return pivot::PivotTableModel::Place(sheet, pivot::testing::SalesRecords(), pivot::testing::WorkedExample());
  }

  registry::ScratchRegistry scratch;
  ui::ScriptedPresenter presenter;
  ui::ScopedPresenter scope{presenter};
  TTestModule module;
  ErrorLog errors{module};
  sim::excel::ExcelRun run = sim::excel::StartExcel();
  using E = TkvxExcelAppEvents;
  E* events = new E(&module);
  std::shared_ptr<sim::excel::WorkbookModel> book;
  std::shared_ptr<sim::excel::SheetModel> sheet;
  std::vector<Received> received;

 private:
  template <class Handler>
  void Listen(Handler& handler, const char* event) {
    handler = [this, event](TObject* sender, auto&&... args) {
      received.push_back({event, sender, Join({DescribeArgument(std::forward<decltype(args)>(args))...})});
    };
  }
};

struct EventCase {
  const char* event;
  std::function<void(ConnectedExcel&)> action;
  const char* arguments;  // declared order
};

const EventCase kCases[] = {
    {"WindowResize", [](ConnectedExcel& x) { x.run.model->ResizeWindow(x.book->windows().front()); },
     "wb:Book1 wn:Book1"},
    {"WindowActivate", [](ConnectedExcel& x) { x.run.model->ActivateWindow(x.book->AddWindow()); },
     "wb:Book1 wn:Book1:2"},
    {"WindowDeactivate", [](ConnectedExcel& x) { x.run.model->ActivateWindow(x.book->AddWindow()); },
     "wb:Book1 wn:Book1"},
    {"SheetSelectionChange",
     [](ConnectedExcel& x) { x.run.model->Select(x.sheet, sim::excel::Areas(*sim::excel::ParseAddress(u"B2:C3"))); },
     "sh:Sheet1 rg:$B$2:$C$3"},
    {"SheetBeforeDoubleClick",
     [](ConnectedExcel& x) {
       x.run.model->DoubleClick(x.sheet, {2, 2});
     },
     "sh:Sheet1 rg:$B$2 cancel:0"},
    {"SheetBeforeRightClick",
     [](ConnectedExcel& x) {
       x.run.model->RightClick(x.sheet, {3, 1});
     },
     "sh:Sheet1 rg:$A$3 cancel:0"},
    {"SheetActivate", [](ConnectedExcel& x) { x.run.model->ActivateSheet(x.book->sheets()[1]); }, "sh:Sheet2"},
    {"SheetDeactivate", [](ConnectedExcel& x) { x.run.model->ActivateSheet(x.book->sheets()[1]); }, "sh:Sheet1"},
    {"SheetCalculate", [](ConnectedExcel& x) { x.run.model->Calculate(x.sheet); }, "sh:Sheet1"},
    {"SheetChange",
     [](ConnectedExcel& x) {
       x.run.model->ChangeCells(x.sheet, sim::excel::Areas(*sim::excel::ParseAddress(u"A1:A2")),
                                sim::excel::CellValue(5.0));
     },
     "sh:Sheet1 rg:$A$1:$A$2"},
    {"NewWorkbook", [](ConnectedExcel& x) { x.run.model->NewWorkbook(); }, "wb:Book2"},
    {"WorkbookOpen", [](ConnectedExcel& x) { x.run.model->OpenWorkbook(u"Sales.xls", {u"Data"}); }, "wb:Sales.xls"},
    {"WorkbookActivate", [](ConnectedExcel& x) { x.run.model->NewWorkbook(); }, "wb:Book2"},
    {"WorkbookDeactivate", [](ConnectedExcel& x) { x.run.model->NewWorkbook(); }, "wb:Book1"},
    {"WorkbookBeforeClose", [](ConnectedExcel& x) { x.run.model->CloseWorkbook(x.book); }, "wb:Book1 cancel:0"},
    {"WorkbookBeforeSave", [](ConnectedExcel& x) { x.run.model->SaveWorkbook(x.book, true); },
     "wb:Book1 flag:-1 cancel:0"},
    {"WorkbookBeforePrint", [](ConnectedExcel& x) { x.run.model->PrintWorkbook(x.book); }, "wb:Book1 cancel:0"},
    {"WorkbookNewSheet", [](ConnectedExcel& x) { x.run.model->AddSheet(x.book, u"Sheet4"); }, "wb:Book1 sh:Sheet4"},
    {"WorkbookAddinInstall", [](ConnectedExcel& x) { x.run.model->InstallAddIn(x.book); }, "wb:Book1"},
    {"WorkbookAddinUninstall", [](ConnectedExcel& x) { x.run.model->UninstallAddIn(x.book); }, "wb:Book1"},
    {"SheetFollowHyperlink", [](ConnectedExcel& x) { x.run.model->FollowHyperlink(x.sheet); }, "sh:Sheet1 nothing"},
    {"SheetPivotTableUpdate", [](ConnectedExcel& x) { x.run.model->PivotTableUpdated(x.sheet, x.PlaceTable()); },
     "sh:Sheet1 pt:PivotTable1"},
    {"WorkbookPivotTableCloseConnection",
     [](ConnectedExcel& x) { x.run.model->ClosePivotConnection(x.sheet, x.PlaceTable()); }, "wb:Book1 pt:PivotTable1"},
    {"WorkbookPivotTableOpenConnection",
     [](ConnectedExcel& x) { x.run.model->OpenPivotConnection(x.sheet, x.PlaceTable()); }, "wb:Book1 pt:PivotTable1"},
    {"WorkbookSync", [](ConnectedExcel& x) { x.run.model->SyncWorkbook(x.book, 3); }, "wb:Book1 int:3"},
    {"WorkbookBeforeXmlImport", [](ConnectedExcel& x) { x.run.model->ImportXml(x.book, u"C:\\in.xml", true); },
     "wb:Book1 nothing text:C:\\in.xml flag:-1 cancel:0"},
    {"WorkbookAfterXmlImport", [](ConnectedExcel& x) { x.run.model->ImportXml(x.book, u"C:\\in.xml", false); },
     "wb:Book1 nothing flag:0 int:0"},
    {"WorkbookBeforeXmlExport", [](ConnectedExcel& x) { x.run.model->ExportXml(x.book, u"C:\\out.xml"); },
     "wb:Book1 nothing text:C:\\out.xml cancel:0"},
    {"WorkbookAfterXmlExport", [](ConnectedExcel& x) { x.run.model->ExportXml(x.book, u"C:\\out.xml"); },
     "wb:Book1 nothing text:C:\\out.xml int:0"},
};

class ExcelAppEventsTest : public ::testing::Test {
 protected:
  void SetUp() override { sim::Instrumentation::Instance().Reset(); }
};

TEST_F(ExcelAppEventsTest, EachEventReachesItsHandlerWithItsArgumentsInDeclaredOrder) {
  ASSERT_EQ(std::size(kCases), 29u);
  for (const EventCase& c : kCases) {
    SCOPED_TRACE(c.event);
    ConnectedExcel excel;
    excel.ListenToAll();
    c.action(excel);
    const auto got = excel.Of(c.event);
    ASSERT_EQ(got.size(), 1u);
    EXPECT_EQ(got[0].arguments, c.arguments);
    EXPECT_EQ(got[0].sender, excel.events);
    EXPECT_TRUE(excel.errors.messages.empty());
  }
}

TEST_F(ExcelAppEventsTest, ConnectingAdvisesOnExcelAndDisconnectingStopsTheEvents) {
  ConnectedExcel excel;
  EXPECT_NE(excel.events->Cookie(), 0u);
  EXPECT_TRUE(excel.events->ExcelApplication());
  EXPECT_EQ(sim::Instrumentation::Instance().AdvisedSinks(), 1);
  excel.ListenToAll();
  // Connecting again first lets go of the earlier connection: one call per event.
  excel.events->ConnectTo(excel.run.application.get());
  EXPECT_EQ(sim::Instrumentation::Instance().AdvisedSinks(), 1);
  excel.run.model->Calculate(excel.sheet);
  EXPECT_EQ(excel.Of("SheetCalculate").size(), 1u);

  excel.events->Disconnect();
  EXPECT_EQ(excel.events->Cookie(), 0u);
  EXPECT_FALSE(excel.events->ExcelApplication());
  EXPECT_EQ(sim::Instrumentation::Instance().AdvisedSinks(), 0);
  excel.run.model->Calculate(excel.sheet);
  EXPECT_EQ(excel.Of("SheetCalculate").size(), 1u);
}

TEST_F(ExcelAppEventsTest, AHostObjectThatIsNotExcelIsRefusedAndNothingIsHeld) {
  ConnectedExcel excel;
  const com::ComPtr<IDispatch> workbook = com::Dispatch(excel.run.application).Get(0x134).ToDispatch();
  try {
    excel.events->ConnectTo(workbook.get());
    FAIL() << "a workbook was taken for Excel";
  } catch (const com::ComError& error) {
    EXPECT_EQ(error.code(), E_NOINTERFACE);
  }
  EXPECT_FALSE(excel.events->Connected());
  EXPECT_EQ(excel.events->Cookie(), 0u);
}

TEST_F(ExcelAppEventsTest, ACancelSetByTheHandlerIsWhatExcelReads) {
  ConnectedExcel excel;
  excel.events->OnWorkbookBeforeClose = [](TObject*, IDispatch*, VARIANT_BOOL& Cancel) { Cancel = VARIANT_TRUE; };
  EXPECT_FALSE(excel.run.model->CloseWorkbook(excel.book));
  ASSERT_EQ(excel.run.model->workbooks().size(), 1u);
  EXPECT_EQ(excel.run.model->workbooks().front(), excel.book);

  VARIANT_BOOL saveAsUI = VARIANT_FALSE;
  excel.events->OnWorkbookBeforeSave = [&](TObject*, IDispatch*, VARIANT_BOOL SaveAsUI, VARIANT_BOOL& Cancel) {
    saveAsUI = SaveAsUI;
    Cancel = VARIANT_TRUE;
  };
  EXPECT_FALSE(excel.run.model->SaveWorkbook(excel.book, true));
  EXPECT_EQ(saveAsUI, VARIANT_TRUE);
}

TEST_F(ExcelAppEventsTest, AHandlerExceptionGoesToHandleErrorAndACancelAlreadySetStays) {
  ConnectedExcel excel;
  excel.events->OnWorkbookBeforeClose = [](TObject*, IDispatch*, VARIANT_BOOL& Cancel) {
    Cancel = VARIANT_TRUE;
    throw com::ComError(E_FAIL, u"handler failed");
  };
  EXPECT_FALSE(excel.run.model->CloseWorkbook(excel.book));
  EXPECT_EQ(excel.run.model->workbooks().size(), 1u);
  EXPECT_EQ(excel.errors.messages, std::vector<std::string>{"handler failed"});
}

// The dispatcher as Excel calls it, with arguments made by the test.
HRESULT Fire(TkvxCustomEvents& events, DISPID id, std::vector<com::Variant> lastFirst) {
  std::vector<VARIANT> raw;
  for (auto& v : lastFirst) raw.push_back(*v.get());
  DISPPARAMS params{raw.data(), nullptr, static_cast<UINT>(raw.size()), 0};
  return events.Dispatcher().Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
}

TEST_F(ExcelAppEventsTest, DispidsThatAreNoEventAndEmptyHandlersConvertNothing) {
  ConnectedExcel excel;
  int calls = 0;
  excel.events->OnWindowResize = [&](TObject*, IDispatch*, IDispatch*) { ++calls; };
  excel.events->OnWindowActivate = [&](TObject*, IDispatch*, IDispatch*) { ++calls; };
  excel.events->OnWorkbookOpen = [&](TObject*, IDispatch*) { ++calls; };
  // 0x613 lies between WindowResize and WindowActivate, 0x61E between
  // NewWorkbook and WorkbookOpen; a text is no workbook, so a conversion
  // would fail loudly.
  for (const DISPID id : {0x613, 0x61E, 0x61D, 0x622}) {
    SCOPED_TRACE(id);
    EXPECT_EQ(Fire(*excel.events, id, {com::Variant(u"no workbook"), com::Variant(u"no window")}), S_OK);
  }
  EXPECT_EQ(calls, 0);
  EXPECT_TRUE(excel.errors.messages.empty());
}

TEST_F(ExcelAppEventsTest, AnArgumentOfTheWrongKindIsReportedAndTheHandlerIsNotCalled) {
  ConnectedExcel excel;
  int calls = 0;
  excel.events->OnWorkbookOpen = [&](TObject*, IDispatch*) { ++calls; };
  excel.events->OnWindowActivate = [&](TObject*, IDispatch*, IDispatch*) { ++calls; };
  const com::ComPtr<IDispatch> sheetObject = com::Dispatch(excel.run.application).Get(0x133).ToDispatch();
  EXPECT_EQ(Fire(*excel.events, 0x61F, {com::Variant(sheetObject)}), S_OK);
  EXPECT_EQ(Fire(*excel.events, 0x614, {com::Variant(u"window")}), S_OK);  // too few arguments
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(excel.errors.messages.size(), 2u);
}

TEST_F(ExcelAppEventsTest, SyncPassesItsTypeAsAPlainIntegerAndACancelByValueIsALocalCopy) {
  ConnectedExcel excel;
  int32_t type = -1;
  excel.events->OnWorkbookSync = [&](TObject*, IDispatch*, int32_t SyncEventType) { type = SyncEventType; };
  excel.run.model->SyncWorkbook(excel.book, 7);
  EXPECT_EQ(type, 7);

  bool called = false;
  excel.events->OnWorkbookBeforePrint = [&](TObject*, IDispatch*, VARIANT_BOOL& Cancel) {
    Cancel = VARIANT_TRUE;
    called = true;
  };
  com::Variant byValue(false);
  EXPECT_EQ(Fire(*excel.events, 0x624, {byValue, com::Variant(static_cast<IDispatch*>(nullptr))}), S_OK);
  EXPECT_TRUE(called);
  EXPECT_FALSE(byValue.ToBool());
}

}  // namespace
}  // namespace corvane::framework::testing
