#include "sim/office/OfficeHost.h"

#include "sim/office/model/CommandBarSet.h"

namespace corvane::sim::office {

OfficeHost::OfficeHost(std::optional<BarStore> store, AddInObjectFactory makeAddInObject)
    : store_(std::move(store)),
      bars_(std::make_shared<CommandBarSet>(store_ ? store_->Load() : CommandBarSet())),
      loader_(std::move(makeAddInObject)) {}

OfficeHost::~OfficeHost() {
  if (running()) Quit();
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
