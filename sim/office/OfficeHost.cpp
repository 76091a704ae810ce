#include "sim/office/OfficeHost.h"

#include <exception>
#include <string>

#include "sim/core/Instrumentation.h"
#include "sim/office/model/CommandBarSet.h"

namespace corvane::sim::office {

OfficeHost::OfficeHost(std::optional<BarStore> store, AddInObjectFactory makeAddInObject)
    : store_(std::move(store)),
      bars_(std::make_shared<CommandBarSet>(store_ ? store_->Load() : CommandBarSet())),
      loader_(std::move(makeAddInObject)) {}

// A run that ends without Quit still shuts its add-ins down and saves; a
// save that fails then cannot be thrown from here, so it is logged.
OfficeHost::~OfficeHost() {
  try {
    Quit();
  } catch (const std::exception& error) {
    Instrumentation::Instance().log().Record(std::string("Office.SaveFailed ") + error.what());
  }
}

void OfficeHost::Start(IDispatch* application) { loader_.Startup(application); }

void OfficeHost::Quit() {
  if (!running()) return;
  loader_.Shutdown();
  auto bars = std::move(bars_);
  // Closed also when saving fails, so that no wrapper outlives the run.
  struct Closer {
    CommandBarSet& set;
    ~Closer() { set.Close(); }
  } closer{*bars};
  if (store_) store_->Save(*bars);
}

}  // namespace corvane::sim::office
