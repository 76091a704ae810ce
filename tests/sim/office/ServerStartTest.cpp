// "Excel.Application" created through COM's registry path: the in-process
// server starts an Excel with its Office half, which loads the registered
// add-ins, keeps the command bars in the data directory and leaves the
// running object table at Quit. Natively the server shares this program's
// sim; on Windows it holds its own copy, seen here only through COM, the
// add-in's journal and the saved bars.
#include <gtest/gtest.h>

#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "platform/registry/ScratchRegistry.h"
#include "sim/core/ApplicationFactory.h"
#include "sim/core/ExcelInstallation.h"
#include "sim/core/Instrumentation.h"
#include "tests/sim/office/HostCalls.h"
#include "tests/sim/office/SimDataDirectory.h"
#include "tests/sim/office/TestAddIn.h"

namespace corvane::sim::office::testing {
namespace {

using com::ComPtr;
using com::Dispatch;
using com::Variant;
using Calls = std::vector<std::string>;

const GUID kAddInClass{0x6F1C0300, 0x5A11, 0x4ADD, {0x9E, 0x11, 0, 0, 0, 0, 3, 1}};

Dispatch CreateExcel() {
  ComPtr<IDispatch> app;
  const HRESULT hr =
      CoCreateInstance(kExcelApplicationClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, app.put_void());
  if (FAILED(hr)) throw com::ComError(hr, u"Excel.Application cannot be created");
  return Dispatch(app);
}

bool Running() {
  ComPtr<IUnknown> active;
  return GetActiveObject(kExcelApplicationClsid, nullptr, active.put()) == S_OK;
}

Variant FindByTag(Dispatch& app, const char16_t* tag) {
  Dispatch bars(app.Get(kCommandBars).ToDispatch());
  return bars.Call(kBarsFindControl, {Variant::Omitted(), Variant::Omitted(), tag});
}

// The add-in marks its start by a button on a bar of its own.
void AddOwnButton(IDispatch* application) {
  Dispatch bars(Dispatch(ComPtr<IDispatch>(application)).Get(kCommandBars).ToDispatch());
  Variant bar = bars.Call(kBarsAdd, {u"Server Add-in", kBarFloatingPosition, false, false});
  Dispatch controls(Dispatch(bar.ToDispatch()).Get(kBarControls).ToDispatch());
  Dispatch button(controls.Call(kControlsAdd, {kButtonType}).ToDispatch());
  button.Put(kControlTag, Variant(u"server.addin"));
}

TEST(ServerStartTest, ACreatedExcelLoadsTheAddInsRunsUntilQuitAndKeepsItsBars) {
  Instrumentation::Instance().Reset();
  registry::ScratchRegistry scratch;
  SimDataDirectory data("server-start");
  ExcelInstallation installed;
  auto journal = std::make_shared<AddInJournal>();
  AddInBehaviour behaviour;
  behaviour.holdsHost = true;
  behaviour.onStartupComplete = &AddOwnButton;
  TestAddInClass addIn(u"Test.Served", kAddInClass, journal, behaviour);
  WriteAddInKey(HKEY_CURRENT_USER, u"Test.Served", 3);
  {
    Dispatch app = CreateExcel();
    EXPECT_TRUE(Running());
    EXPECT_EQ(journal->calls, (Calls{
                                  "Test.Served.OnConnection mode=1 app=yes addin=yes custom=yes",
                                  "Test.Served.OnStartupComplete",
                              }));
    EXPECT_EQ(journal->liveAddIns, 1);
    Dispatch addIns(app.Get(kComAddIns).ToDispatch());
    EXPECT_EQ(addIns.Get(0x1).ToInt32(), 1);
    EXPECT_TRUE(Dispatch(addIns.Get(0x0, {u"Test.Served"}).ToDispatch()).Get(0x6).ToBool());
    ASSERT_TRUE(FindByTag(app, u"server.addin").ToDispatch());

    Dispatch bars(app.Get(kCommandBars).ToDispatch());
    Dispatch mine(bars.Call(kBarsAdd, {u"Client Bar", kBarFloatingPosition, false, false}).ToDispatch());
    Dispatch button(Dispatch(mine.Get(kBarControls).ToDispatch()).Call(kControlsAdd, {kButtonType}).ToDispatch());
    button.Put(kControlTag, Variant(u"client"));
    button.Put(kControlCaption, Variant(u"Made through COM"));

    journal->calls.clear();
    app.Call(kQuit);
    EXPECT_EQ(journal->calls, (Calls{"Test.Served.OnBeginShutdown", "Test.Served.OnDisconnection mode=0"}));
    EXPECT_EQ(journal->liveAddIns, 0);
    EXPECT_FALSE(Running());
  }
  EXPECT_TRUE(std::filesystem::exists(data.bars()));
  // Natively the server's objects are this program's: none is left.
  EXPECT_EQ(Instrumentation::Instance().LiveObjects(), 0) << Instrumentation::Instance().LiveReport();

  // A second Excel reads what the first saved; the add-in's second bar of
  // the same name is refused, so it records the error and goes on.
  journal->calls.clear();
  Dispatch again = CreateExcel();
  ASSERT_TRUE(FindByTag(again, u"client").ToDispatch());
  EXPECT_EQ(Dispatch(FindByTag(again, u"client").ToDispatch()).Get(kControlCaption).ToText(), u"Made through COM");
  EXPECT_TRUE(FindByTag(again, u"server.addin").ToDispatch());
  ASSERT_EQ(journal->calls.size(), 3u);
  EXPECT_EQ(journal->calls[2].rfind("Test.Served.Error ", 0), 0u) << journal->calls[2];
  again.Call(kQuit);
  EXPECT_FALSE(Running());
  EXPECT_EQ(journal->liveAddIns, 0);
}

}  // namespace
}  // namespace corvane::sim::office::testing
