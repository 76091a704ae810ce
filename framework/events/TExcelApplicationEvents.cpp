#include "framework/events/TExcelApplicationEvents.h"

#include "framework/events/TExcelApplication.h"
#include "framework/events/TkvxEventModule.h"
#include "framework/events/TkvxExcelAppEvents.h"

namespace corvane::framework {

TkvxServerData& TExcelApplicationEvents::ApplicationServerData() {
  static TkvxServerData data = ExcelApplicationServerRecord();
  return data;
}

TExcelApplicationEvents::TExcelApplicationEvents(TComponent* Owner)
    : TkvxCustomEvents(Owner, ApplicationServerData(), "TExcelApplicationEvents") {}

TExcelApplicationEvents::~TExcelApplicationEvents() = default;

TExcelApplicationEvents* TExcelApplicationEvents::Find(TComponent& Module) {
  for (size_t i = 0; i < Module.ComponentCount(); ++i) {
    if (auto* events = dynamic_cast<TExcelApplicationEvents*>(Module.Components(i))) return events;
  }
  return nullptr;
}

void TExcelApplicationEvents::Attach(TComponent& Module, IUnknown* Application) {
  TExcelApplicationEvents* events = Find(Module);
  if (!events) events = new TExcelApplicationEvents(&Module);
  events->ConnectTo(Application);
}

void TExcelApplicationEvents::Detach(TComponent& Module) noexcept {
  if (TExcelApplicationEvents* events = Find(Module)) events->Disconnect();
}

void TExcelApplicationEvents::InvokeEvent(DISPID DispID, std::vector<com::Variant>& Params) {
  TExcelApplication* excel = Module().ExcelApp();
  if (!excel) return;
  // The typed application decodes DISPPARAMS as Excel sends them: last-first.
  std::vector<VARIANT> reversed;
  reversed.reserve(Params.size());
  for (auto it = Params.rbegin(); it != Params.rend(); ++it) reversed.push_back(*it->get());
  DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  excel->InvokeEvent(DispID, params);
}

}  // namespace corvane::framework
