// The typed Excel application: its members by DISPID, and the decoding of
// incoming application events into its handlers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "tests/addin/SimExcelFixture.h"

namespace corvane::addin {
namespace {

using framework::TExcelApplication;

class TExcelApplicationTest : public testing::SimExcelTest {
 protected:
  // One event call as Excel makes it: arguments last-first.
  bool Raise(DISPID id, std::vector<com::Variant> declared) {
    std::vector<VARIANT> reversed;
    for (auto it = declared.rbegin(); it != declared.rend(); ++it) reversed.push_back(*it->get());
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    return app.InvokeEvent(id, params);
  }
  com::Variant Workbook() { return com::Variant(com::Dispatch(run.application).Get(0x134).ToDispatch()); }
  com::Variant Window() { return com::Variant(app.ActiveWindow()); }
  com::Variant Sheet() { return com::Variant(app.ActiveSheet()); }
  com::Variant Cell() { return com::Variant(app.ActiveCell()); }
  static std::u16string NameOf(IDispatch* object) {
    return com::Dispatch(com::ComPtr<IDispatch>(object)).Get(0x6E).ToText();
  }
};

TEST_F(TExcelApplicationTest, MembersByDispid) {
  Select("C6:D7", "D7");
  EXPECT_EQ(com::Dispatch(app.ActiveCell()).Get(0xEC).ToText(), u"$D$7");
  EXPECT_EQ(com::Dispatch(app.Selection()).Get(0xEC).ToText(), u"$C$6:$D$7");
  EXPECT_EQ(NameOf(app.ActiveSheet().get()), u"Sheet1");
  EXPECT_EQ(app.Version(), u"11.0");
  app.SetScreenUpdating(false);
  EXPECT_FALSE(app.ScreenUpdating());
  EXPECT_FALSE(run.model->screen_updating());
  app.SetScreenUpdating(true);
  const com::ComPtr<IDispatch> both =
      app.Union(app.ActiveCell().get(), com::Dispatch(app.ActiveSheet()).Get(0xC5, {u"A1"}).ToDispatch().get());
  EXPECT_EQ(com::Dispatch(both).Get(0xEC).ToText(), u"$D$7,$A$1");
  EXPECT_TRUE(app.Dialogs());
  EXPECT_TRUE(app.ActiveWindow());
  EXPECT_EQ(sim::Instrumentation::Instance().NameLookups(u"Application", u"ActiveCell"), 0u);
}

TEST_F(TExcelApplicationTest, ConnectsOnlyToExcelsApplication) {
  EXPECT_TRUE(app.Connected());
  const com::ComPtr<IDispatch> sheetObject = app.ActiveSheet();
  try {
    app.ConnectTo(sheetObject);
    ADD_FAILURE() << "a worksheet was taken for the application";
  } catch (const com::ComError& e) {
    EXPECT_EQ(e.code(), E_NOINTERFACE);
  }
  EXPECT_FALSE(app.Connected());
  EXPECT_THROW(app.ActiveCell(), com::ComError);
  EXPECT_THROW(app.ConnectTo(nullptr), com::ComError);
  app.ConnectTo(run.application);
  EXPECT_TRUE(app.Connected());
  app.Disconnect();
  EXPECT_FALSE(app.Connected());
  EXPECT_THROW(app.SetScreenUpdating(true), com::ComError);
}

TEST_F(TExcelApplicationTest, EveryEventReachesItsHandlerWithItsArguments) {
  std::vector<std::string> heard;
  auto note = [&](const char* name) { heard.push_back(name); };
  app.OnNewWorkbook = [&](TExcelApplication& s, IDispatch* wb) {
    EXPECT_EQ(&s, &app);
    EXPECT_EQ(NameOf(wb), u"Book1");
    note("NewWorkbook");
  };
  app.OnSheetSelectionChange = [&](TExcelApplication&, IDispatch* sh, IDispatch* t) {
    EXPECT_EQ(NameOf(sh), u"Sheet1");
    EXPECT_TRUE(t);
    note("SheetSelectionChange");
  };
  app.OnSheetBeforeDoubleClick = [&](TExcelApplication&, IDispatch*, IDispatch*, VARIANT_BOOL& c) {
    c = VARIANT_TRUE;
    note("SheetBeforeDoubleClick");
  };
  app.OnSheetBeforeRightClick = [&](TExcelApplication&, IDispatch*, IDispatch*, VARIANT_BOOL&) {
    note("SheetBeforeRightClick");
  };
  app.OnSheetActivate = [&](TExcelApplication&, IDispatch*) { note("SheetActivate"); };
  app.OnSheetDeactivate = [&](TExcelApplication&, IDispatch*) { note("SheetDeactivate"); };
  app.OnSheetCalculate = [&](TExcelApplication&, IDispatch*) { note("SheetCalculate"); };
  app.OnSheetChange = [&](TExcelApplication&, IDispatch*, IDispatch*) { note("SheetChange"); };
  app.OnWorkbookOpen = [&](TExcelApplication&, IDispatch*) { note("WorkbookOpen"); };
  app.OnWorkbookActivate = [&](TExcelApplication&, IDispatch*) { note("WorkbookActivate"); };
  app.OnWorkbookDeactivate = [&](TExcelApplication&, IDispatch*) { note("WorkbookDeactivate"); };
  app.OnWorkbookBeforeClose = [&](TExcelApplication&, IDispatch*, VARIANT_BOOL&) { note("WorkbookBeforeClose"); };
  app.OnWorkbookBeforeSave = [&](TExcelApplication&, IDispatch*, VARIANT_BOOL ui, VARIANT_BOOL& c) {
    EXPECT_EQ(ui, VARIANT_TRUE);
    c = VARIANT_TRUE;
    note("WorkbookBeforeSave");
  };
  app.OnWorkbookBeforePrint = [&](TExcelApplication&, IDispatch*, VARIANT_BOOL&) { note("WorkbookBeforePrint"); };
  app.OnWorkbookNewSheet = [&](TExcelApplication&, IDispatch*, IDispatch*) { note("WorkbookNewSheet"); };
  app.OnWorkbookAddinInstall = [&](TExcelApplication&, IDispatch*) { note("WorkbookAddinInstall"); };
  app.OnWorkbookAddinUninstall = [&](TExcelApplication&, IDispatch*) { note("WorkbookAddinUninstall"); };
  app.OnWindowResize = [&](TExcelApplication&, IDispatch*, IDispatch* wn) {
    EXPECT_TRUE(wn);
    note("WindowResize");
  };
  app.OnWindowActivate = [&](TExcelApplication&, IDispatch*, IDispatch*) { note("WindowActivate"); };
  app.OnWindowDeactivate = [&](TExcelApplication&, IDispatch*, IDispatch*) { note("WindowDeactivate"); };
  app.OnSheetFollowHyperlink = [&](TExcelApplication&, IDispatch*, IDispatch* link) {
    EXPECT_FALSE(link);
    note("SheetFollowHyperlink");
  };

  VARIANT_BOOL doubleClickCancel = VARIANT_FALSE, saveCancel = VARIANT_FALSE, flag = VARIANT_FALSE;
  struct Call {
    DISPID id;
    std::vector<com::Variant> args;
    const char* expect;
  } calls[] = {
      {0x612, {Workbook(), Window()}, "WindowResize"},
      {0x614, {Workbook(), Window()}, "WindowActivate"},
      {0x615, {Workbook(), Window()}, "WindowDeactivate"},
      {0x616, {Sheet(), Cell()}, "SheetSelectionChange"},
      {0x617, {Sheet(), Cell(), com::Variant::RefTo(&doubleClickCancel)}, "SheetBeforeDoubleClick"},
      {0x618, {Sheet(), Cell(), com::Variant::RefTo(&flag)}, "SheetBeforeRightClick"},
      {0x619, {Sheet()}, "SheetActivate"},
      {0x61A, {Sheet()}, "SheetDeactivate"},
      {0x61B, {Sheet()}, "SheetCalculate"},
      {0x61C, {Sheet(), Cell()}, "SheetChange"},
      {0x61D, {Workbook()}, "NewWorkbook"},
      {0x61F, {Workbook()}, "WorkbookOpen"},
      {0x620, {Workbook()}, "WorkbookActivate"},
      {0x621, {Workbook()}, "WorkbookDeactivate"},
      {0x622, {Workbook(), com::Variant::RefTo(&flag)}, "WorkbookBeforeClose"},
      {0x623, {Workbook(), com::Variant(true), com::Variant::RefTo(&saveCancel)}, "WorkbookBeforeSave"},
      {0x624, {Workbook(), com::Variant::RefTo(&flag)}, "WorkbookBeforePrint"},
      {0x625, {Workbook(), Sheet()}, "WorkbookNewSheet"},
      {0x626, {Workbook()}, "WorkbookAddinInstall"},
      {0x627, {Workbook()}, "WorkbookAddinUninstall"},
      {0x73E, {Sheet(), com::Variant()}, "SheetFollowHyperlink"},
  };
  for (auto& call : calls) {
    heard.clear();
    EXPECT_TRUE(Raise(call.id, call.args)) << call.expect;
    EXPECT_EQ(heard, std::vector<std::string>{call.expect});
  }
  EXPECT_EQ(doubleClickCancel, VARIANT_TRUE);  // written through to Excel's flag
  EXPECT_EQ(saveCancel, VARIANT_TRUE);

  // Not events of this object: the gaps and the pivot events.
  heard.clear();
  for (DISPID id : {0x613, 0x61E, 0x86D, 0x8F1, 0}) EXPECT_FALSE(Raise(id, {Sheet()}));
  EXPECT_TRUE(heard.empty());
}

TEST_F(TExcelApplicationTest, EmptyHandlersConvertNothingAndBadArgumentsCallNothing) {
  // Nothing assigned: even arguments of the wrong kind pass unnoticed.
  EXPECT_FALSE(Raise(0x614, {com::Variant(7), com::Variant(u"x")}));
  EXPECT_FALSE(Raise(0x622, {}));

  int calls = 0;
  app.OnWindowActivate = [&](TExcelApplication&, IDispatch*, IDispatch*) { ++calls; };
  app.OnWorkbookBeforeClose = [&](TExcelApplication&, IDispatch*, VARIANT_BOOL&) { ++calls; };
  EXPECT_THROW(Raise(0x614, {Sheet(), Window()}), com::ComError);               // a sheet is no workbook
  EXPECT_THROW(Raise(0x622, {Workbook(), com::Variant(true)}), com::ComError);  // Cancel by value
  EXPECT_THROW(Raise(0x622, {Workbook()}), com::ComError);                      // too few arguments
  EXPECT_EQ(calls, 0);

  // A handler's own exception goes on to the event's caller.
  app.OnSheetActivate = [](TExcelApplication&, IDispatch*) { throw com::ComError(E_FAIL, u"handler"); };
  EXPECT_THROW(Raise(0x619, {Sheet()}), com::ComError);
}

TEST_F(TExcelApplicationTest, ExcelsOwnEventsArriveThroughTheConnectionPoint) {
  RelayEvents();
  std::vector<std::u16string> selections;
  int closes = 0;
  app.OnSheetSelectionChange = [&](TExcelApplication&, IDispatch*, IDispatch* target) {
    selections.push_back(com::Dispatch(com::ComPtr<IDispatch>(target)).Get(0xEC).ToText());
  };
  app.OnWorkbookBeforeClose = [&](TExcelApplication&, IDispatch*, VARIANT_BOOL& cancel) {
    ++closes;
    cancel = VARIANT_TRUE;
  };
  Select("B2:C3");
  EXPECT_EQ(selections, std::vector<std::u16string>{u"$B$2:$C$3"});
  EXPECT_FALSE(run.model->CloseWorkbook(book));  // the handler cancelled
  EXPECT_EQ(closes, 1);
  EXPECT_EQ(relay->errors, 0);
}

}  // namespace
}  // namespace corvane::addin
