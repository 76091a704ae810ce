// One simulated Excel run as COM sees it: the application model, the
// AppEvents connection point's sinks (kept here, in the model, so they stay
// connected while Application wrappers come and go) and the seam to the
// Office half's CommandBars. The session is the model's event listener and
// turns each model event into wrappers fired last-first at the sinks.
#pragma once

#include <functional>
#include <memory>

#include "platform/com/ComPtr.h"
#include "platform/ui/TopLevelWindow.h"
#include "sim/core/EventSource.h"
#include "sim/excel/model/AppModel.h"

namespace corvane::sim::office {
class OfficeHost;
}  // namespace corvane::sim::office

namespace corvane::sim::excel {

class ExcelSession : public AppEventListener {
 public:
  // Installs a new session as the model's listener.
  static std::shared_ptr<ExcelSession> Attach(const std::shared_ptr<AppModel>& app);
  // The session of an application; null when none is attached.
  static std::shared_ptr<ExcelSession> Of(const AppModel& app);

  const std::shared_ptr<EventSource>& events() const { return events_; }

  // Application.CommandBars and Application.COMAddIns: the Office half
  // installs how its collection objects are made; without them the members
  // fail.
  using ObjectMaker = std::function<com::ComPtr<IDispatch>()>;
  using CommandBarsMaker = ObjectMaker;
  void set_command_bars(ObjectMaker maker) { command_bars_ = std::move(maker); }
  const ObjectMaker& command_bars() const { return command_bars_; }
  void set_com_addins(ObjectMaker maker) { com_addins_ = std::move(maker); }
  const ObjectMaker& com_addins() const { return com_addins_; }

  // The Office half of this run (its command bars and add-ins), owned
  // here so that it lives as long as the application model; null when
  // none is attached.
  void set_office(std::shared_ptr<office::OfficeHost> office) { office_ = std::move(office); }
  const std::shared_ptr<office::OfficeHost>& office() const { return office_; }

  // Excel's main window, of class "XLMAIN", made on the thread that started
  // the run (add-ins look for it among that thread's windows); null once
  // closed. A test closes it to play an Excel whose window cannot be found.
  void open_main_window();
  void close_main_window() { main_window_.reset(); }
  HWND main_window() const { return main_window_ ? main_window_->handle() : nullptr; }

  void OnEvent(AppEvent& event) override;

 private:
  std::shared_ptr<EventSource> events_;
  ObjectMaker command_bars_;
  ObjectMaker com_addins_;
  std::shared_ptr<office::OfficeHost> office_;
  std::unique_ptr<ui::TopLevelWindow> main_window_;
};

// The name of an application event as Excel declares it ("SheetActivate").
const char* AppEventName(AppEventId id);

}  // namespace corvane::sim::excel
