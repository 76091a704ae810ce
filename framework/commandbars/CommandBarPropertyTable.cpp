// The stored properties of TkvxCommandBar, in the order they are written.
#include "framework/commandbars/CommandBarDesign.h"
#include "framework/commandbars/TkvxCommandBar.h"

namespace corvane::framework {

DesignClass CommandBarDesignClass() {
  return {"TkvxCommandBar", [](TComponent& module) -> TComponent* { return new TkvxCommandBar(&module); },
          CommandBarPropertyTable};
}

const PropertyTable& CommandBarPropertyTable() {
  using B = TkvxCommandBar;
  static const PropertyTable kTable = {
      SetProperty<B>(
          "SupportedApps", [](const B& b) -> uint32_t { return b.SupportedApps().Bits(); },
          [](B& b, uint32_t bits) { b.SetSupportedApps(TkvxHostAppSet::FromBits(static_cast<uint16_t>(bits))); },
          OfficeHostAppNames()),
      BooleanProperty<B>("Enabled", &B::Enabled, &B::SetEnabled, true),
      IntegerProperty<B>("CommandBarLeft", &B::CommandBarLeft, &B::SetCommandBarLeft, -1),
      RequiredStringProperty<B>("CommandBarName", &B::CommandBarName, &B::SetCommandBarName),
      EnumProperty<B>(
          "Position", [](const B& b) -> int { return b.Position(); },
          [](B& b, int v) { b.SetPosition(static_cast<TkvxMsoBarPosition>(v)); }, BarPositionNames(),
          kvxMsoBarFloating),
      IntegerProperty<B>("RowIndex", &B::RowIndex, &B::SetRowIndex, -1),
      EnumProperty<B>(
          "Protection", [](const B& b) -> int { return b.Protection(); },
          [](B& b, int v) { b.SetProtection(static_cast<TkvxMsoBarProtection>(v)); }, BarProtectionNames(),
          kvxMsoBarNoProtection),
      IntegerProperty<B>("CommandBarTop", &B::CommandBarTop, &B::SetCommandBarTop, -1),
      BooleanProperty<B>("Visible", &B::Visible, &B::SetVisible, true),
      BooleanProperty<B>("Temporary", &B::Temporary, &B::SetTemporary, false),
      SpecialProperty("ButtonTypes"),
      SpecialProperty("Buttons"),
      IntegerProperty<B>("PropertyChanged", &B::PropertyChanged, &B::SetPropertyChanged, std::nullopt),
  };
  return kTable;
}

}  // namespace corvane::framework
