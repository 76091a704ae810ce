// The connection object as the simulated Office drives it: loaded from its
// add-in key at Excel's start, unloaded by the user in the COM Add-ins
// dialog, shut down with Excel and found again at the next start.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <future>
#include <thread>
#include <type_traits>

#include "framework/events/TExcelApplication.h"
#include "framework/hosting/HostMainWindow.h"
#include "framework/hosting/ShortcutHook.h"
#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Text.h"
#include "platform/registry/Registry.h"
#include "platform/ui/DialogOwner.h"
#include "platform/ui/TopLevelWindow.h"
#include "sim/core/Instrumentation.h"
#include "sim/excel/model/AppModel.h"
#include "sim/office/OfficeHost.h"
#include "sim/office/OfficeStart.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "tests/hosting/ConnectionFixture.h"

namespace corvane::hosting::testing {
namespace {

using Lines = std::vector<std::string>;

com::ComPtr<IUnknown> Identity(IUnknown* object) {
  com::ComPtr<IUnknown> identity;
  if (object) object->QueryInterface(IID_IUnknown, identity.put_void());
  return identity;
}

TEST_F(ConnectionTest, OfficeLoadsTheAddInAndItsFirstStartBuildsTheToolbar) {
  WriteAddInKey();
  int startModeSeen = -1;
  hooks.initialized = [&](addin::TAddInModule& module) { startModeSeen = module.StartMode(); };
  presenter.QueueDialog({});  // the About box of the first start
  auto run = StartExcel();

  EXPECT_EQ(ToolbarButtons(run), 23);
  EXPECT_EQ(startModeSeen, 0);
  EXPECT_EQ(StoredStartMode(), u"NORMAL");
  EXPECT_EQ(Journal(), (Lines{"initialize toolbar=no records=no", "startup-complete toolbar=yes records=yes"}));
  // The About box is owned by Excel's main window, found on this thread.
  ASSERT_EQ(presenter.Dialogs().size(), 1u);
  EXPECT_NE(run.session->main_window(), nullptr);
  EXPECT_EQ(presenter.Dialogs()[0].dialog.owner, run.session->main_window());
  EXPECT_EQ(ui::DialogOwner(), run.session->main_window());
  EXPECT_TRUE(Entry(run)->connected);
  EXPECT_TRUE(run.model->Quit());
}

TEST_F(ConnectionTest, TheStoredStartModeDecidesTheFirstStartAndOnlyAFirstStartRecordsNormal) {
  struct Row {
    const char16_t* stored;  // null: no value
    int startMode;
    const char16_t* after;
  };
  const Row rows[] = {
      {nullptr, 0, u"NORMAL"},         {u"FIRSTSTART", 0, u"NORMAL"}, {u"normal", 1, u"normal"},
      {u"UNINSTALL", 2, u"UNINSTALL"}, {u"Later", 255, u"Later"},
  };
  WriteAddInKey();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.stored ? com::Utf16ToUtf8(row.stored) : "absent");
    registry::Registry key(HKEY_CURRENT_USER);
    ASSERT_TRUE(key.OpenKey(kAddInKey, false));
    key.DeleteValue(u"KVXStartMode");
    if (row.stored) key.WriteString(u"KVXStartMode", row.stored);
    int startModeSeen = -1;
    hooks.initialized = [&](addin::TAddInModule& module) { startModeSeen = module.StartMode(); };
    if (row.startMode == 0) presenter.QueueDialog({});
    const size_t dialogsBefore = presenter.Dialogs().size();

    auto run = StartExcel();
    EXPECT_EQ(startModeSeen, row.startMode);
    EXPECT_EQ(StoredStartMode(), row.after);
    EXPECT_EQ(presenter.Dialogs().size() - dialogsBefore, row.startMode == 0 ? 1u : 0u);
    EXPECT_EQ(ToolbarButtons(run), 23);
    EXPECT_TRUE(run.model->Quit());
  }
}

TEST_F(ConnectionTest, TheUserUnloadingTheAddInRemovesToolbarAndRecordsButKeepsTheStartMode) {
  WriteAddInKey();
  presenter.QueueDialog({});
  auto run = StartExcel();
  ASSERT_TRUE(HasToolbar(run));
  ASSERT_TRUE(RecordsExist());
  Journal().clear();

  sim::office::OfficeOf(run)->addIns().UnloadByUser(Entry(run));
  // In this order: begin-shutdown with everything in place, the toolbar and
  // its records gone before finalize, then the module freed.
  EXPECT_EQ(Journal(),
            (Lines{"begin-shutdown toolbar=yes records=yes", "finalize toolbar=no records=no", "destroyed"}));
  EXPECT_FALSE(HasToolbar(run));
  EXPECT_FALSE(RecordsExist());
  EXPECT_EQ(StoredStartMode(), u"NORMAL");
  EXPECT_EQ(ui::DialogOwner(), nullptr);
  // Office let go of the connection object with the unload.
  EXPECT_EQ(server.ObjectCount(), 0);
  EXPECT_TRUE(run.model->Quit());

  // The next start builds the toolbar anew, without the About box.
  Journal().clear();
  WriteAddInKey();
  auto again = StartExcel();
  EXPECT_EQ(ToolbarButtons(again), 23);
  EXPECT_EQ(presenter.Dialogs().size(), 1u);
  EXPECT_TRUE(again.model->Quit());
}

TEST_F(ConnectionTest, AtExcelsShutdownTheToolbarStaysAndIsFoundAgainAtTheNextStart) {
  WriteAddInKey();
  presenter.QueueDialog({});
  auto run = StartExcel();
  ASSERT_EQ(ToolbarButtons(run), 23);
  Journal().clear();

  EXPECT_TRUE(run.model->Quit());
  EXPECT_EQ(Journal(),
            (Lines{"begin-shutdown toolbar=yes records=yes", "finalize toolbar=yes records=yes", "destroyed"}));
  EXPECT_EQ(ui::DialogOwner(), nullptr);
  EXPECT_TRUE(RecordsExist());
  EXPECT_EQ(server.ObjectCount(), 0);

  Journal().clear();
  int startModeSeen = -1;
  hooks.initialized = [&](addin::TAddInModule& module) { startModeSeen = module.StartMode(); };
  auto again = StartExcel();
  EXPECT_EQ(startModeSeen, 1);
  // Found again by name: one toolbar, its 23 buttons, no duplicates.
  EXPECT_EQ(ToolbarButtons(again), 23);
  size_t toolbars = 0;
  for (const auto& bar : sim::office::OfficeOf(again)->bars()->Bars()) toolbars += bar->props().name == kToolbar;
  EXPECT_EQ(toolbars, 1u);
  EXPECT_EQ(presenter.Dialogs().size(), 1u);
  EXPECT_TRUE(again.model->Quit());
}

TEST_F(ConnectionTest, WithoutAMainWindowOnTheThreadTheDialogsKeepThePreviousOwner) {
  WriteAddInKey(2);  // connected later, by the user
  auto run = StartExcel();
  run.session->close_main_window();
  auto& addIns = sim::office::OfficeOf(run)->addIns();

  // At the first start-up in the process there is no previous owner.
  presenter.QueueDialog({});
  ASSERT_TRUE(addIns.ConnectByUser(Entry(run), run.application.get()));
  ASSERT_EQ(presenter.Dialogs().size(), 1u);
  EXPECT_EQ(presenter.Dialogs()[0].dialog.owner, nullptr);
  addIns.UnloadByUser(Entry(run));

  // A main window found by an earlier start-up (here on another thread,
  // where it still lives) stays the owner.
  std::promise<HWND> found;
  std::promise<void> done;
  std::thread other([&] {
    ui::TopLevelWindow window(u"XLMAIN", u"Excel");
    found.set_value(framework::SearchHostMainWindow(framework::ohaExcel));
    done.get_future().wait();
  });
  const HWND earlier = found.get_future().get();
  EXPECT_NE(earlier, nullptr);
  ASSERT_TRUE(addIns.ConnectByUser(Entry(run), run.application.get()));
  EXPECT_EQ(ui::DialogOwner(), earlier);
  addIns.UnloadByUser(Entry(run));
  EXPECT_EQ(ui::DialogOwner(), nullptr);
  done.set_value();
  other.join();

  // Once that window is gone it owns nothing any more.
  ASSERT_TRUE(addIns.ConnectByUser(Entry(run), run.application.get()));
  EXPECT_EQ(ui::DialogOwner(), nullptr);

  // With Excel's window back on this thread, it is found.
  auto windowed = StartExcel();
  addIns.UnloadByUser(Entry(run));
  ASSERT_TRUE(addIns.ConnectByUser(Entry(run), run.application.get()));
  EXPECT_EQ(ui::DialogOwner(), windowed.session->main_window());
  EXPECT_TRUE(run.model->Quit());
  EXPECT_TRUE(windowed.model->Quit());
}

TEST_F(ConnectionTest, TheAddInsActivationHandlersKeepWorkingBehindTheConnectionObject) {
  int sheetCalls = 0;
  int workbookCalls = 0;
  bool fail = false;
  hooks.initialized = [&](addin::TAddInModule& module) {
    framework::TExcelApplication& excel = *module.ExcelApp();
    framework::TExcelSheetEvent own = excel.OnSheetActivate;
    ASSERT_TRUE(own);
    excel.OnSheetActivate = [&, own](framework::TExcelApplication& sender, IDispatch* sheet) {
      ++sheetCalls;
      own(sender, sheet);
      if (fail) throw com::ComError(E_FAIL, u"sheet handler failed");
    };
    excel.OnWorkbookActivate = [&](framework::TExcelApplication&, IDispatch* book) {
      workbookCalls += book != nullptr;
    };
  };
  WriteAddInKey();
  presenter.QueueDialog({});
  auto run = StartExcel();

  const auto book = run.model->NewWorkbook();
  EXPECT_EQ(workbookCalls, 1);
  run.model->ActivateSheet(book->sheets()[1]);
  run.model->ActivateSheet(book->sheets()[0]);
  EXPECT_EQ(sheetCalls, 2);

  // An error of the add-in's handler ends in HandleError's box, not in Excel.
  fail = true;
  presenter.QueueAnswer(ui::Button::Ok);
  run.model->ActivateSheet(book->sheets()[2]);
  EXPECT_EQ(sheetCalls, 3);
  ASSERT_EQ(presenter.Boxes().size(), 1u);
  EXPECT_EQ(presenter.Boxes()[0].request.text,
            u"Corvane error: the add-in has fired an exception.\r\nsheet handler failed");
  EXPECT_EQ(presenter.Boxes()[0].request.owner, run.session->main_window());
  fail = false;
  run.model->ActivateSheet(book->sheets()[0]);
  EXPECT_EQ(sheetCalls, 4);
  EXPECT_TRUE(run.model->Quit());
}

// The toolbar went from Excel while the add-in stayed connected (deleted
// by the user, or by the add-in's unregistration in a running Excel): at
// Excel's shutdown the finalize handler's button changes are only stored,
// with no error box per button.
// Excel lost the toolbar (the user reset the toolbars, or a crash kept it
// from being saved) while the add-in's records stayed: the buttons cannot
// have been deleted by the user from a bar that was not there, so the bar
// comes back whole, visible, with its captions, and is recorded again.
TEST_F(ConnectionTest, AToolbarExcelLostComesBackWithAllItsButtons) {
  const std::function<void(sim::excel::ExcelRun&)> losses[] = {
      [](sim::excel::ExcelRun& run) {
        const auto bars = sim::office::OfficeOf(run)->bars();
        bars->Delete(*bars->Find(kToolbar));
        EXPECT_TRUE(run.model->Quit());
      },
      [this](sim::excel::ExcelRun& run) {
        EXPECT_TRUE(run.model->Quit());
        // Nothing of this run reached the saved toolbars.
        std::filesystem::remove(data.bars());
      },
  };
  WriteAddInKey();
  StoreStartMode(u"NORMAL");
  for (const auto& lose : losses) {
    {
      auto run = StartExcel();
      ASSERT_EQ(ToolbarButtons(run), 23);
      lose(run);
    }
    ASSERT_TRUE(RecordsExist());
    auto again = StartExcel();
    EXPECT_EQ(ToolbarButtons(again), 23);
    const auto bar = sim::office::OfficeOf(again)->bars()->Find(kToolbar);
    ASSERT_TRUE(bar);
    EXPECT_TRUE(bar->props().visible);
    for (const auto& control : bar->Controls()) EXPECT_FALSE(control->props().caption.empty());
    EXPECT_TRUE(again.model->Quit());
    // Recorded again: the start after this one finds them as a restart does.
    auto third = StartExcel();
    EXPECT_EQ(ToolbarButtons(third), 23);
    EXPECT_TRUE(third.model->Quit());
  }
  EXPECT_TRUE(presenter.Failures().empty())
      << presenter.Failures().size()
      << " boxes, the first: " << (presenter.Failures().empty() ? "" : presenter.Failures()[0]);
}

// A user-deleted button on a bar that was found stays deleted.
TEST_F(ConnectionTest, AButtonTheUserDeletedFromAFoundBarStaysDeleted) {
  WriteAddInKey();
  StoreStartMode(u"NORMAL");
  {
    auto run = StartExcel();
    const auto bar = sim::office::OfficeOf(run)->bars()->Find(kToolbar);
    ASSERT_TRUE(bar);
    bar->Detach(*bar->At(3));
    EXPECT_TRUE(run.model->Quit());
  }
  auto again = StartExcel();
  EXPECT_EQ(ToolbarButtons(again), 22);
  EXPECT_TRUE(again.model->Quit());
}

// Office marks an add-in whose connection failed as unloaded and never
// disconnects it: a toolbar its start-up built must not stay enabled,
// reaching nothing; the bar and its records stay for the next connection.
TEST_F(ConnectionTest, AFailedConnectionLeavesTheToolbarDisabledAndLetsGoOfExcel) {
  WriteAddInKey(2);
  StoreStartMode(u"NORMAL");
  auto run = StartExcel();
  ASSERT_FALSE(HasToolbar(run));
  sim::Instrumentation::Instance().FailMember(u"COMAddIn", u"Object", E_FAIL, u"refused");
  const auto office = sim::office::OfficeOf(run);
  EXPECT_FALSE(office->addIns().ConnectByUser(Entry(run), run.application.get()));
  sim::Instrumentation::Instance().ClearFaults();

  EXPECT_FALSE(Entry(run)->connected);
  ASSERT_EQ(ToolbarButtons(run), 23);
  for (const auto& control : office->bars()->Find(kToolbar)->Controls()) {
    EXPECT_FALSE(control->props().enabled) << com::Utf16ToUtf8(control->props().caption);
  }
  EXPECT_TRUE(RecordsExist());
  // The connection object and its module are gone, and with them every
  // reference the add-in held on Excel's and Office's objects.
  EXPECT_EQ(server.ObjectCount(), 0);
  EXPECT_EQ(Journal(), (Lines{"initialize toolbar=no records=no", "startup-complete toolbar=yes records=yes",
                              "finalize toolbar=yes records=yes", "destroyed"}));

  // The next connection finds the bar and its buttons again.
  EXPECT_TRUE(office->addIns().ConnectByUser(Entry(run), run.application.get()));
  EXPECT_EQ(ToolbarButtons(run), 23);
  size_t toolbars = 0;
  for (const auto& bar : office->bars()->Bars()) toolbars += bar->props().name == kToolbar;
  EXPECT_EQ(toolbars, 1u);
  EXPECT_TRUE(run.model->Quit());
  EXPECT_TRUE(presenter.Failures().empty());
}

// A failing removal while the user unloads: no box, the failing result,
// the remaining steps skipped, the module freed all the same.
TEST_F(ConnectionTest, AFailingRemovalAtTheUsersUnloadIsTheResultNotABox) {
  WriteAddInKey();
  StoreStartMode(u"NORMAL");
  auto run = StartExcel();
  ASSERT_EQ(ToolbarButtons(run), 23);
  Journal().clear();
  sim::Instrumentation::Instance().FailMember(u"CommandBarButton", u"Delete", E_FAIL, u"refused");
  com::ComPtr<IDTExtensibility2> connection = Entry(run)->instance;
  ASSERT_TRUE(connection);
  EXPECT_EQ(connection->OnDisconnection(ext_dm_UserClosed, nullptr), E_FAIL);
  sim::Instrumentation::Instance().ClearFaults();

  EXPECT_TRUE(presenter.Boxes().empty());
  EXPECT_EQ(Journal(), (Lines{"begin-shutdown toolbar=yes records=yes", "destroyed"}));
  EXPECT_TRUE(RecordsExist());
  EXPECT_EQ(connection->OnDisconnection(ext_dm_UserClosed, nullptr), E_UNEXPECTED) << "the module is gone";
  connection = nullptr;
  EXPECT_TRUE(run.model->Quit());
}

// With HandleShortcuts on, the hook is the start-up's last step: the start
// mode is recorded and the connection's handler already stands in front of
// the add-in's, so a hook the system refuses fails the start-up and spares
// the interposition. Every hook's window has a name of its own.
TEST_F(ConnectionTest, TheShortcutHookComesLastWithAFreshWindowNameAndARefusalSparesTheHandlers) {
  bool failSheet = false;
  const auto sheetHandler = [&failSheet](framework::TExcelApplication&, IDispatch*) {
    if (failSheet) throw com::ComError(E_FAIL, u"sheet handler failed");
  };
  using SheetHandler = std::remove_const_t<decltype(sheetHandler)>;
  // The add-in's own handler is no longer the one Excel's events reach.
  const auto interposed = [](framework::TkvxCOMAddInModule& module) {
    const auto& installed = module.ExcelApp()->OnSheetActivate;
    return installed && !installed.target<SheetHandler>();
  };
  struct Made {
    std::u16string windowName;
    std::u16string storedStartMode;
    bool interposed;
  };
  std::vector<Made> made;
  bool refuse = false;
  const framework::ShortcutHookFactory recorder =
      [&](framework::TkvxCOMAddInModule& module) -> std::unique_ptr<framework::ShortcutHook> {
    made.push_back({module.NativeWindowName(), StoredStartMode(), interposed(module)});
    if (refuse) throw com::ComError(E_ACCESSDENIED, u"the hook was refused");
    return std::make_unique<framework::ShortcutHook>();
  };
  // No hook can be made until the module is switched on; the factory the
  // program had comes back however the test ends.
  struct Restore {
    framework::ShortcutHookFactory previous;
    ~Restore() { framework::SetShortcutHookFactory(std::move(previous)); }
  } restore{framework::SetShortcutHookFactory(nullptr)};
  // Switched on as the design would, before any hook can be made; the
  // start-up makes it.
  hooks.created = [&](addin::TAddInModule& module) {
    framework::SetShortcutHookFactory(nullptr);
    module.SetHandleShortcuts(true);
    framework::SetShortcutHookFactory(recorder);
  };
  hooks.initialized = [&](addin::TAddInModule& module) {
    module.ExcelApp()->OnSheetActivate = sheetHandler;
    EXPECT_FALSE(interposed(module));
  };
  WriteAddInKey();
  presenter.QueueDialog({});  // the first start's About box
  auto run = StartExcel();
  ASSERT_EQ(made.size(), 1u);
  EXPECT_EQ(made[0].storedStartMode, u"NORMAL");
  EXPECT_TRUE(made[0].interposed);
  EXPECT_EQ(made[0].windowName.size(), 38u);
  EXPECT_EQ(made[0].windowName.front(), u'{');
  EXPECT_EQ(made[0].windowName.back(), u'}');

  auto& addIns = sim::office::OfficeOf(run)->addIns();
  addIns.UnloadByUser(Entry(run));
  ASSERT_TRUE(addIns.ConnectByUser(Entry(run), run.application.get()));
  ASSERT_EQ(made.size(), 2u);
  EXPECT_TRUE(made[1].interposed);
  EXPECT_NE(made[1].windowName, made[0].windowName);
  EXPECT_TRUE(run.model->Quit());

  refuse = true;
  auto refused = StartExcel();
  ASSERT_EQ(made.size(), 3u);
  EXPECT_TRUE(made[2].interposed);
  EXPECT_TRUE(Entry(refused)->connected) << "the failure is OnStartupComplete's alone";
  EXPECT_EQ(ToolbarButtons(refused), 23);
  failSheet = true;
  presenter.QueueAnswer(ui::Button::Ok);
  const auto book = refused.model->NewWorkbook();
  refused.model->ActivateSheet(book->sheets()[1]);
  ASSERT_EQ(presenter.Boxes().size(), 1u);
  EXPECT_EQ(presenter.Boxes()[0].request.text,
            u"Corvane error: the add-in has fired an exception.\r\nsheet handler failed");
  EXPECT_TRUE(refused.model->Quit());
}

TEST_F(ConnectionTest, OfficeHoldsTheConnectionObjectAsTheAddInsObjectAndTheServerStaysLoaded) {
  WriteAddInKey();
  presenter.QueueDialog({});
  auto run = StartExcel();
  RevokeClass();  // the runtime's own reference to the factory goes

  {
    const auto entry = Entry(run);
    ASSERT_TRUE(entry->object);
    EXPECT_EQ(Identity(entry->object.get()).get(), Identity(entry->instance.get()).get());
    // As a client of Excel sees it: COMAddIns("CVFM.eaCVFM").Object.
    com::Dispatch addIns(com::Dispatch(run.application).Get(u"COMAddIns").ToDispatch());
    com::Dispatch addIn(addIns.Get(u"Item", {com::Variant(kProgId)}).ToDispatch());
    const com::ComPtr<IDispatch> object = addIn.Get(u"Object").ToDispatch();
    EXPECT_TRUE(object.try_query<IeaCVFM>());
    EXPECT_EQ(server.ObjectCount(), 1);
    EXPECT_EQ(server.CanUnloadNow(), S_FALSE);
  }
  EXPECT_TRUE(run.model->Quit());
  EXPECT_EQ(server.ObjectCount(), 0);
  EXPECT_EQ(server.CanUnloadNow(), S_OK);
}

}  // namespace
}  // namespace corvane::hosting::testing
