// A toolbar designed on the add-in module: its name, position and switches,
// and the items it owns. Bound to the host's bar of its name (found, or
// created) it reads the host's values and pushes a changed one; its design
// reaches the host bar once per revision ("CommandBars" record).
#pragma once

#include <cstdint>
#include <string>

#include "framework/commandbars/CommandBarTypes.h"
#include "framework/commandbars/HostPropertyPush.h"
#include "framework/commandbars/OfficeHostApp.h"
#include "framework/commandbars/TkvxCommandBarControls.h"
#include "framework/design/TComponent.h"
#include "platform/com/ComPtr.h"
#include "published/Office.h"

namespace corvane::framework {

class TkvxBarModule;

class TkvxCommandBar : public TComponent, public HostPropertyPush {
 public:
  // The owner must be an add-in module (else framework error 31112); the bar
  // joins the module's bar list and copies its SupportedApps.
  explicit TkvxCommandBar(TComponent* Owner);
  ~TkvxCommandBar() override;

  std::string_view ClassName() const override { return "TkvxCommandBar"; }

  TkvxBarModule& Module() const { return module_; }
  TkvxCommandBarControls& Controls() { return controls_; }
  const TkvxCommandBarControls& Controls() const { return controls_; }
  DesignItems* DesignedItems() override { return &controls_; }
  // Replaces the items by copies of Source's (TkvxCommandBarControls::Assign).
  void SetControls(const TkvxCommandBarControls& Source) { controls_.Assign(Source); }

  TkvxHostAppSet SupportedApps() const { return supportedApps_; }
  void SetSupportedApps(TkvxHostAppSet v) { supportedApps_ = v; }
  bool Temporary() const { return temporary_; }
  void SetTemporary(bool v) { temporary_ = v; }
  int32_t PropertyChanged() const { return propertyChanged_; }
  void SetPropertyChanged(int32_t v) { propertyChanged_ = v; }

  // While bound these read the host bar (Part of the property pattern in
  // HostPropertyPush.h); the setters store and push on difference.
  std::u16string CommandBarName() const { return ReadThrough(commandBarName_, Office::CommandBar::Name); }
  // Empty: framework error 31101, and the name stays.
  void SetCommandBarName(std::u16string_view v);
  const std::u16string& NameLocal() const { return nameLocal_; }
  void SetNameLocal(std::u16string_view v) { Store(nameLocal_, std::u16string(v), Office::CommandBar::NameLocal); }
  TkvxMsoBarPosition Position() const { return ReadThrough(position_, Office::CommandBar::Position); }
  // A bar holding an advanced control can be neither a popup nor a menu
  // bar (framework error 31114, to HandleError; the position stays).
  void SetPosition(TkvxMsoBarPosition v);
  bool Enabled() const { return ReadThrough(enabled_, Office::CommandBar::Enabled); }
  void SetEnabled(bool v) { Store(enabled_, v, Office::CommandBar::Enabled); }
  bool Visible() const { return ReadThrough(visible_, Office::CommandBar::Visible); }
  void SetVisible(bool v) { Store(visible_, v, Office::CommandBar::Visible); }
  int32_t CommandBarLeft() const { return ReadThrough(left_, Office::CommandBar::Left); }
  void SetCommandBarLeft(int32_t v) { Store(left_, v, Office::CommandBar::Left); }
  int32_t CommandBarTop() const { return ReadThrough(top_, Office::CommandBar::Top); }
  void SetCommandBarTop(int32_t v) { Store(top_, v, Office::CommandBar::Top); }
  int32_t RowIndex() const { return ReadThrough(rowIndex_, Office::CommandBar::RowIndex); }
  void SetRowIndex(int32_t v) { Store(rowIndex_, v, Office::CommandBar::RowIndex); }
  TkvxMsoBarProtection Protection() const { return ReadThrough(protection_, Office::CommandBar::Protection); }
  // A bar holding an advanced control keeps kvxMsoBarNoChangeDock
  // (framework error 31115, to HandleError; the protection stays).
  void SetProtection(TkvxMsoBarProtection v);
  // Whether an item of the bar (not of its popups) is an advanced control.
  bool HoldsAdvancedControl() const;

  // The bound host bar, or null while unbound.
  const com::ComPtr<IDispatch>& HostBar() const { return hostBar_; }
  // The host bar's BuiltIn; false while unbound (or when the host fails,
  // which goes to HandleError).
  bool IsBuiltIn() const;

  // Finds the host bar by name or creates it, applies the design once per
  // revision, removes orphan controls and builds the items. Host failures
  // go to HandleError and the build goes on; MapPoint raises 31110.
  void BuildCommandBar();
  // Pushes the designed bar properties when the bar is temporary or its
  // "CommandBars" record differs from PropertyChanged, then records it.
  void ApplyBarProperties();
  // Deletes the items' host controls for good, and the host bar when it is
  // the add-in's own and left empty; the bar ends unbound. The first host
  // failure ends it and is thrown.
  void RemoveCommandBar();
  // Lets go of the host bar and of every item's host control and sink,
  // leaving them in the host as they are.
  void ReleaseHostObjects() noexcept;

 protected:
  IDispatch* BoundHost() const override { return hostBar_.get(); }
  void ReportHostError(std::exception_ptr error) const noexcept override;
  // An advanced control showing the freed component shows nothing now.
  void ComponentRemoved(TComponent* Removed) override;

 private:
  void FindOrCreateHostBar();
  // A bar the host lost (a crash, a reset of its toolbars) took the
  // items with it: their records must not pass for the user's deletions.
  void ForgetRecords();
  void BuildItems();
  void DeleteEmptyHostBar();

  TkvxBarModule& module_;
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

// Deletes a host bar unless it is built in or still holds controls (the
// user's own among them).
void DeleteHostBarIfEmpty(const com::ComPtr<IDispatch>& Bar);

}  // namespace corvane::framework
