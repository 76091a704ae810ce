// What the event fuzz target calls, set up once: a started simulated Excel;
// the framework's test module with an Excel application event component
// whose handlers read every argument; a button bound to a tagged control
// of a bar of the simulated Office, with its click sink; and Excel's
// application wrapper with handlers too. The objects an argument may point
// at are Excel's and Office's own.
#pragma once

#include <vector>

#include "framework/commandbars/TkvxCommandBarButton.h"
#include "framework/commandbars/TkvxEventSink.h"
#include "framework/events/TExcelApplication.h"
#include "framework/events/TkvxExcelAppEvents.h"
#include "fuzz/ByteSource.h"
#include "platform/com/ComPtr.h"
#include "platform/registry/ScratchRegistry.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/ScriptedPresenter.h"
#include "sim/excel/objects/ExcelStart.h"
#include "tests/framework/TestModule.h"

namespace corvane::fuzz {

class EventTargets {
 public:
  EventTargets();
  ~EventTargets();
  EventTargets(const EventTargets&) = delete;
  EventTargets& operator=(const EventTargets&) = delete;

  // One host call with arguments from the input to each receiver.
  void Call(ByteSource& input);

 private:
  void AddObjects();
  void Bind();
  void SetHandlers();

  registry::ScratchRegistry scratch_;
  ui::ScriptedPresenter presenter_;
  ui::ScopedPresenter scope_{presenter_};
  sim::excel::ExcelRun run_;
  framework::testing::TTestModule module_;
  framework::TkvxExcelAppEvents* appEvents_;
  framework::TkvxCommandBarButton* button_;
  com::ComPtr<framework::TkvxEventSink> sink_;
  framework::TExcelApplication excel_;
  std::vector<com::ComPtr<IDispatch>> held_;
  std::vector<IDispatch*> objects_;
};

}  // namespace corvane::fuzz
