// One simulated Excel run as COM sees it: the application model, the
// AppEvents connection point's sinks (kept here, in the model, so they stay
// connected while Application wrappers come and go) and the seam to the
// Office half's CommandBars. The session is the model's event listener and
// turns each model event into wrappers fired last-first at the sinks.
#pragma once

#include <functional>
#include <memory>

#include "platform/com/ComPtr.h"
#include "sim/core/EventSource.h"
#include "sim/excel/model/AppModel.h"

namespace corvane::sim::excel {

class ExcelSession : public AppEventListener {
 public:
  // Installs a new session as the model's listener.
  static std::shared_ptr<ExcelSession> Attach(const std::shared_ptr<AppModel>& app);
  // The session of an application; null when none is attached.
  static std::shared_ptr<ExcelSession> Of(const AppModel& app);

  const std::shared_ptr<EventSource>& events() const { return events_; }

  // Application.CommandBars: the Office half installs how its collection
  // object is made; without it the member fails.
  using CommandBarsMaker = std::function<com::ComPtr<IDispatch>()>;
  void set_command_bars(CommandBarsMaker maker) { command_bars_ = std::move(maker); }
  const CommandBarsMaker& command_bars() const { return command_bars_; }

  void OnEvent(AppEvent& event) override;

 private:
  std::shared_ptr<EventSource> events_;
  CommandBarsMaker command_bars_;
};

// The name of an application event as Excel declares it ("SheetActivate").
const char* AppEventName(AppEventId id);

}  // namespace corvane::sim::excel
