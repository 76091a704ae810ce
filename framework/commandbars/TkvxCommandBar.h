// A toolbar designed on the add-in module: its name, position and switches,
// and the items it owns. Binding to the host's bar (find or create, apply
// the design once per revision) comes with the bar building; until then the
// bar is unbound and its setters only store.
#pragma once

#include <cstdint>
#include <string>

#include "framework/commandbars/CommandBarTypes.h"
#include "framework/commandbars/HostPropertyPush.h"
#include "framework/commandbars/TkvxCommandBarControls.h"
#include "framework/design/TComponent.h"
#include "framework/hosting/OfficeHostApp.h"
#include "platform/com/ComPtr.h"

namespace corvane::framework {

class TkvxCOMAddInModule;

class TkvxCommandBar : public TComponent, public HostPropertyPush {
 public:
  // The owner must be an add-in module (else framework error 31112); the bar
  // joins the module's bar list and copies its SupportedApps.
  explicit TkvxCommandBar(TComponent* Owner);
  ~TkvxCommandBar() override;

  std::string_view ClassName() const override { return "TkvxCommandBar"; }

  TkvxCOMAddInModule& Module() const { return module_; }
  TkvxCommandBarControls& Controls() { return controls_; }
  const TkvxCommandBarControls& Controls() const { return controls_; }

  TkvxHostAppSet SupportedApps() const { return supportedApps_; }
  void SetSupportedApps(TkvxHostAppSet v) { supportedApps_ = v; }
  bool Temporary() const { return temporary_; }
  void SetTemporary(bool v) { temporary_ = v; }
  int32_t PropertyChanged() const { return propertyChanged_; }
  void SetPropertyChanged(int32_t v) { propertyChanged_ = v; }

  const std::u16string& CommandBarName() const { return commandBarName_; }
  // Empty: framework error 31101, and the name stays.
  void SetCommandBarName(std::u16string_view v);
  const std::u16string& NameLocal() const { return nameLocal_; }
  void SetNameLocal(std::u16string_view v) { Store(nameLocal_, std::u16string(v), u"NameLocal"); }
  TkvxMsoBarPosition Position() const { return position_; }
  void SetPosition(TkvxMsoBarPosition v) { Store(position_, v, u"Position"); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v) { Store(enabled_, v, u"Enabled"); }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { Store(visible_, v, u"Visible"); }
  int32_t CommandBarLeft() const { return left_; }
  void SetCommandBarLeft(int32_t v) { Store(left_, v, u"Left"); }
  int32_t CommandBarTop() const { return top_; }
  void SetCommandBarTop(int32_t v) { Store(top_, v, u"Top"); }
  int32_t RowIndex() const { return rowIndex_; }
  void SetRowIndex(int32_t v) { Store(rowIndex_, v, u"RowIndex"); }
  TkvxMsoBarProtection Protection() const { return protection_; }
  void SetProtection(TkvxMsoBarProtection v);

  // The bound host bar, or null while unbound.
  const com::ComPtr<IDispatch>& HostBar() const { return hostBar_; }

 private:
  TkvxCOMAddInModule& module_;
  TkvxCommandBarControls controls_;
  TkvxHostAppSet supportedApps_;
  std::u16string commandBarName_;
  std::u16string nameLocal_;
  TkvxMsoBarPosition position_ = kvxMsoBarFloating;
  bool enabled_ = true;
  bool visible_ = true;
  int32_t left_ = -1;
  int32_t top_ = -1;
  int32_t rowIndex_ = -1;
  TkvxMsoBarProtection protection_ = kvxMsoBarNoProtection;
  bool temporary_ = false;
  int32_t propertyChanged_ = 0;
  com::ComPtr<IDispatch> hostBar_;
};

}  // namespace corvane::framework
