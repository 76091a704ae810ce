// What the binding tests share: a simulated Excel started as often as a
// user restarts it (the bars kept in a data directory between runs), and a
// test module with one bar of buttons whose tags stay the same from run to
// run, started through the module's start-up sequence.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "platform/com/Dispatch.h"
#include "platform/registry/Registry.h"
#include "platform/registry/ScratchRegistry.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/ScriptedPresenter.h"
#include "sim/core/Instrumentation.h"
#include "sim/excel/objects/ExcelStart.h"
#include "sim/office/OfficeHost.h"
#include "sim/office/OfficeStart.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/UserActions.h"
#include "tests/framework/TestModule.h"
#include "tests/framework/events/EventsFixture.h"
#include "tests/sim/office/SimDataDirectory.h"

namespace corvane::framework::testing {

inline constexpr char16_t kBarName[] = u"Binding Test";
inline constexpr char16_t kKeyPath[] = u"Software\\Corvane\\BindingTest";

// What a run's design holds.
struct Design {
  int32_t barRevision = 3;
  int32_t buttonRevision = 12;
  size_t buttons = 3;
  bool temporaryBar = false;
};

inline std::u16string TagOf(size_t i) {
  return u"{5EED0000-0000-4000-8000-00000000000" + std::u16string(1, u'A' + i) + u"}";
}

class BindingTest : public ::testing::Test {
 protected:
  BindingTest() { sim::Instrumentation::Instance().Reset(); }
  ~BindingTest() override { Stop(); }

  // Excel starts, the module is created with the design and runs its
  // start-up sequence.
  void Start(const Design& design = {}) {
    Stop();
    run = std::make_unique<sim::excel::ExcelRun>(sim::excel::StartExcel());
    // Counts are of this start alone; faults are the test's.
    sim::Instrumentation::Instance().Reset();
    if (inject) inject();
    module = std::make_unique<TTestModule>();
    errors = std::make_unique<ErrorLog>(*module);
    module->SetAddInName(u"Binding");
    module->SetAddInKeyPath(kKeyPath);
    startupCompleted = false;
    module->OnAddInStartupComplete = [this](TObject*) { startupCompleted = true; };
    bar = new TkvxCommandBar(module.get());
    bar->SetCommandBarName(kBarName);
    bar->SetTemporary(design.temporaryBar);
    bar->SetPropertyChanged(design.barRevision);
    for (size_t i = 0; i < design.buttons; ++i) {
      auto& button = static_cast<TkvxCommandBarButton&>(bar->Controls().AddControl(kvxKindButton));
      button.SetOfficeTag(TagOf(i));
      button.SetTag(static_cast<int32_t>(i));
      button.SetCaption(u"Button " + std::u16string(1, u'1' + i));
      button.SetEnabled(i == 0);
      button.SetPropertyChanged(design.buttonRevision);
      button.OnClick = [this](TObject* Sender) {
        clicks.push_back(static_cast<TkvxCommandBarControl*>(Sender)->Tag());
        if (duringClick) duringClick();
      };
    }
    if (addItems) addItems(*bar, design);
    module->SetHostApp(run->application);
    module->StartupSequence();
  }

  // Excel shuts down, its add-in with it; the bars are saved.
  void Stop() {
    ReleaseModule();
    if (run) com::Dispatch(run->application).Call(0x12E);  // Quit
    run.reset();
  }

  // The add-in disconnects and is freed; Excel keeps running.
  void ReleaseModule() {
    if (module) module->Finalize(false);
    bar = nullptr;
    errors.reset();
    module.reset();
  }

  std::shared_ptr<sim::office::CommandBarSet> Bars() const { return sim::office::OfficeOf(*run)->bars(); }
  std::shared_ptr<sim::office::Bar> HostBar(std::u16string_view name = kBarName) const { return Bars()->Find(name); }
  std::vector<std::shared_ptr<sim::office::Control>> Tagged(size_t i) const { return Bars()->ControlsTagged(TagOf(i)); }
  TkvxCommandBarButton& Button(size_t i) const { return static_cast<TkvxCommandBarButton&>(bar->Controls().Items(i)); }

  // The test's name, one path component even for a parameterised test
  // ("Name/1").
  static std::string DataDirectoryName() {
    std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::replace(name.begin(), name.end(), '/', '_');
    return name;
  }

  // The recorded revision, or -1 when there is none.
  static int32_t Record(std::u16string_view subkey, std::u16string_view name) {
    registry::Registry registry(HKEY_CURRENT_USER);
    if (!registry.OpenKeyReadOnly(u"\\" + std::u16string(kKeyPath) + u"\\" + std::u16string(subkey))) return -1;
    return registry.ValueExists(name) ? registry.ReadInteger(name) : -1;
  }

  registry::ScratchRegistry scratch;
  ui::ScriptedPresenter presenter;
  ui::ScopedPresenter scope{presenter};
  sim::office::testing::SimDataDirectory data{DataDirectoryName()};
  std::unique_ptr<sim::excel::ExcelRun> run;
  std::unique_ptr<TTestModule> module;
  std::unique_ptr<ErrorLog> errors;
  TkvxCommandBar* bar = nullptr;
  std::vector<int32_t> clicks;
  // OnAddInStartupComplete ran in the last start.
  bool startupCompleted = false;
  std::function<void()> duringClick;
  // Faults injected at each start, once Excel has started.
  std::function<void()> inject;
  // Items of other kinds the test's design adds after the buttons.
  std::function<void(TkvxCommandBar&, const Design&)> addItems;
};

}  // namespace corvane::framework::testing
