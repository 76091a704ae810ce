#include "framework/hosting/ModuleDesign.h"

#include "framework/commandbars/CommandBarDesign.h"
#include "framework/design/DesignClasses.h"
#include "framework/design/DesignWriter.h"
#include "framework/design/HandlerProperty.h"
#include "framework/events/ExcelAppEventsPropertyTable.h"
#include "framework/hosting/TkvxCOMAddInModule.h"

namespace corvane::framework {
namespace {

// The classes of this framework a design may place on a module. The design
// layer knows none of them; they are registered before the first design is
// read or written.
void RegisterFrameworkDesignClasses() {
  static const bool registered = [] {
    RegisterDesignClass(CommandBarDesignClass());
    RegisterDesignClass(ExcelAppEventsDesignClass());
    return true;
  }();
  (void)registered;
}

}  // namespace

DesignRoot ModuleDesignRoot(TkvxCOMAddInModule& Module) {
  RegisterFrameworkDesignClasses();
  return DesignRoot{Module, ModulePropertyTable(), Module.DesignNames()};
}

std::string WriteDesign(TkvxCOMAddInModule& Module) { return WriteDesign(ModuleDesignRoot(Module)); }

const PropertyTable& ModulePropertyTable() {
  using M = TkvxCOMAddInModule;
  static const PropertyTable kTable = {
      BooleanProperty<M>("OldCreateOrder", &M::OldCreateOrder, &M::SetOldCreateOrder, false),
      StringProperty<M>("AddInName", &M::AddInName, &M::SetAddInName),
      StringProperty<M>("Description", &M::Description, &M::SetDescription),
      BooleanProperty<M>("DisplayAlerts", &M::DisplayAlerts, &M::SetDisplayAlerts, false),
      IntegerProperty<M>("LoadBehavior", &M::LoadBehavior, &M::SetLoadBehavior, 3),
      BooleanProperty<M>("RegisterForAllUsers", &M::RegisterForAllUsers, &M::SetRegisterForAllUsers, false),
      SetProperty<M>(
          "SupportedApps", [](const M& m) -> uint32_t { return m.SupportedApps().Bits(); },
          [](M& m, uint32_t bits) { m.SetSupportedApps(TkvxHostAppSet::FromBits(static_cast<uint16_t>(bits))); },
          OfficeHostAppNames(), TkvxHostAppSet{ohaExcel}.Bits()),
      BooleanProperty<M>("XLAutomationAddIn", &M::XLAutomationAddIn, &M::SetXLAutomationAddIn, false),
      BooleanProperty<M>("HandleShortcuts", &M::HandleShortcuts, &M::SetHandleShortcuts, false),
      HandlerProperty("OnCreate", &M::OnCreate),
      HandlerProperty("OnDestroy", &M::OnDestroy),
      HandlerProperty("OnError", &M::OnError),
      HandlerProperty("OnAddInInitialize", &M::OnAddInInitialize),
      HandlerProperty("OnAddInStartupComplete", &M::OnAddInStartupComplete),
      HandlerProperty("OnAddInBeginShutdown", &M::OnAddInBeginShutdown),
      HandlerProperty("OnAddInFinalize", &M::OnAddInFinalize),
      HandlerProperty("OnAfterAddinRegister", &M::OnAfterAddinRegister),
      HandlerProperty("OnBeforeAddinUnregister", &M::OnBeforeAddinUnregister),
  };
  return kTable;
}

}  // namespace corvane::framework
