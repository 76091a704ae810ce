// The connection of the module's typed Excel application (ExcelApp) to
// Excel's application events: an event component the module makes for
// itself when it recognises Excel (it is not part of any design), advised
// through the same dispatcher as the designed components, so a handler's
// exception goes to the module's HandleError and Excel always gets S_OK.
#pragma once

#include "framework/events/TkvxCustomEvents.h"

namespace corvane::framework {

class TExcelApplication;

class TExcelApplicationEvents : public TkvxCustomEvents {
 public:
  // Owner: the add-in module (framework error 31113 otherwise).
  explicit TExcelApplicationEvents(TComponent* Owner);
  ~TExcelApplicationEvents() override;

  std::string_view ClassName() const override { return "TExcelApplicationEvents"; }

  // Connects the module's ExcelApp to Application's events, through the
  // module's one TExcelApplicationEvents (made on first use). Throws as
  // ConnectTo does.
  static void Attach(TComponent& Module, IUnknown* Application);
  // Disconnects it, if the module has one.
  static void Detach(TComponent& Module) noexcept;

  // Hands the call to the module's ExcelApp (nothing while it has none).
  void InvokeEvent(DISPID DispID, std::vector<com::Variant>& Params) override;

 private:
  static TkvxServerData& ApplicationServerData();
  static TExcelApplicationEvents* Find(TComponent& Module);
};

}  // namespace corvane::framework
