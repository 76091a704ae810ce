// The designable container of an Office add-in: its published properties
// and events, the host it runs in, the host's command bars and the lookups
// on them, the start mode, and the one error reporter (HandleError) every
// part of the framework reports through.
//
// An add-in derives its module from this class, registers its handlers and
// streams its design in at the end of its constructor (LoadDesign). The
// connection object drives it through start-up, shutdown and finalization.
#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/commandbars/TkvxBarModule.h"
#include "framework/design/DesignHandlerNames.h"
#include "framework/design/DesignHandlers.h"
#include "framework/design/Events.h"
#include "framework/design/TComponent.h"
#include "framework/events/TkvxEventModule.h"
#include "framework/hosting/ModuleDesign.h"
#include "platform/com/ComPtr.h"
#include "platform/com/com.h"
#include "published/Office.h"

namespace corvane::registry {
class Registry;
}

namespace corvane::framework {

class TExcelApplication;
class TkvxAddin;
class TkvxCommandBar;
class TkvxCustomEvents;
class TkvxEventSink;
class TkvxFactory;
class ShortcutHook;
struct HostInterface;

// Bars, items and sinks see the module as a TkvxBarModule, event
// components as a TkvxEventModule.
class TkvxCOMAddInModule : public TComponent, public TkvxBarModule, public TkvxEventModule {
 public:
  // Sets the defaults; a derived module then streams its design in.
  TkvxCOMAddInModule();
  ~TkvxCOMAddInModule() override;

  std::string_view ClassName() const override { return "TkvxCOMAddInModule"; }

  // Published properties.
  const std::u16string& AddInName() const { return addInName_; }
  // Empty: framework error 31101 "AddInName", and the name stays.
  void SetAddInName(std::u16string_view v);
  const std::u16string& Description() const { return description_; }
  void SetDescription(std::u16string_view v) { description_ = std::u16string(v); }
  bool DisplayAlerts() const { return displayAlerts_; }
  void SetDisplayAlerts(bool v) { displayAlerts_ = v; }
  int32_t LoadBehavior() const { return loadBehavior_; }
  void SetLoadBehavior(int32_t v) { loadBehavior_ = v; }
  bool RegisterForAllUsers() const { return registerForAllUsers_; }
  void SetRegisterForAllUsers(bool v) { registerForAllUsers_ = v; }
  TkvxHostAppSet SupportedApps() const override { return supportedApps_; }
  // Empty set: framework error 31101 "SupportedApps", and the set stays.
  void SetSupportedApps(TkvxHostAppSet v);
  bool XLAutomationAddIn() const { return xlAutomationAddIn_; }
  void SetXLAutomationAddIn(bool v) { xlAutomationAddIn_ = v; }
  // A change removes the shortcut hook and, switched on, installs a new
  // one (ShortcutHook.h); the start-up installs it when on and none is.
  bool HandleShortcuts() const { return handleShortcuts_; }
  void SetHandleShortcuts(bool v);
  bool ShortcutHookInstalled() const { return static_cast<bool>(shortcutHook_); }
  // The name of the hook's native window: the braced text of a GUID made
  // for each hook installed (empty before the first).
  const std::u16string& NativeWindowName() const { return nativeWindowName_; }
  bool OldCreateOrder() const { return oldCreateOrder_; }
  void SetOldCreateOrder(bool v) { oldCreateOrder_ = v; }

  // Published events.
  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TkvxOnError OnError;
  TNotifyEvent OnAddInInitialize;
  TNotifyEvent OnAddInStartupComplete;
  TNotifyEvent OnAddInBeginShutdown;
  TNotifyEvent OnAddInFinalize;
  TNotifyEvent OnAfterAddinRegister;
  TNotifyEvent OnBeforeAddinUnregister;

  // The one error reporter: OnError with Handled false, else (or when the
  // handler left Handled false) a modal message box with one OK button,
  // "<AddInName> error: the add-in has fired an exception.\r\n<message>".
  // An exception raised inside OnError is reported in a box of its own and
  // never re-enters OnError. Never throws.
  void HandleError(const std::exception& E) noexcept override;
  void HandleError(std::exception_ptr E) noexcept override;
  // Raises a notify event if assigned; its exception goes to HandleError.
  void RaiseEvent(const TNotifyEvent& Event) noexcept;

  // The host.
  void SetHostApp(com::ComPtr<IDispatch> Application);
  const com::ComPtr<IDispatch>& HostApp() const { return hostApp_; }
  TkvxOfficeHostApp HostKind() const override { return hostKind_; }
  // Registration names the host itself instead of recognising it: the
  // host counts as recognised from then on.
  void SetHostKind(TkvxOfficeHostApp Kind) {
    hostKind_ = Kind;
    hostRecognised_ = true;
  }
  // The add-in's own entry in the host's add-in list, held as its COMAddIn
  // interface; an object without that interface leaves none.
  void SetAddInEntry(IDispatch* Entry);
  const com::ComPtr<IDispatch>& AddInEntry() const { return comAddIn_; }
  // False until DetectHost recognised the host.
  bool HostRecognised() const { return hostRecognised_; }
  // Recognises the host by the application interface it answers; for
  // Excel creates and connects ExcelApp; connects the first of the module's
  // event components of the host's class.
  void DetectHost();
  TExcelApplication* ExcelApp() const override { return excelApp_.get(); }
  // The event component DetectHost connected, or null.
  TkvxCustomEvents* ConnectedEvents() const { return connectedEvents_; }
  // Disconnects the event component, then frees the host application object.
  void ReleaseHost();

  // The host's CommandBars collection, or null (errors swallowed).
  com::ComPtr<IDispatch> GetCommandBars();
  // The cached collection (null until filled) and its filling.
  const com::ComPtr<IDispatch>& CommandBars() const override { return commandBars_; }
  void FillCommandBarCache() override;
  void ClearCommandBarCache() { commandBars_ = nullptr; }
  // The host bar of that name, or null; fills the cache first if empty. A
  // failing host call is thrown: the bar building reports it and must not
  // take it for "no such bar".
  com::ComPtr<IDispatch> FindCommandBar(std::u16string_view Name) override;

  // Control lookups: the host control or null, never raising. A missing
  // type is passed to the host as a missing argument.
  com::ComPtr<IDispatch> FindControlByTag(const com::ComPtr<IDispatch>& Bar, std::optional<int32_t> ControlType,
                                          std::u16string_view Tag) noexcept override;
  com::ComPtr<IDispatch> FindControlById(const com::ComPtr<IDispatch>& Bar, std::optional<int32_t> ControlType,
                                         int32_t Id) noexcept override;
  com::ComPtr<IDispatch> FindHostControlByTag(std::optional<int32_t> ControlType,
                                              std::u16string_view Tag) noexcept override;
  com::ComPtr<IDispatch> FindHostControlById(std::optional<int32_t> ControlType, int32_t Id) noexcept override;

  // The class factory and the connection object that made the module.
  // Neither is counted: the connection object owns the module, and the
  // factory lives as long as the library.
  void SetFactory(TkvxFactory* Factory) { factory_ = Factory; }
  TkvxFactory* Factory() const { return factory_; }
  void SetConnection(TkvxAddin* Connection) { connection_ = Connection; }
  TkvxAddin* Connection() const { return connection_; }

  // The add-in's registry key (from the root of the current user's hive):
  // the factory's GetAddinKey for HostKind. Without a factory, the path a
  // test set as a stand-in, else empty.
  std::u16string AddInKeyPath() const override;
  void SetAddInKeyPath(std::u16string_view Path) { addInKeyPath_ = std::u16string(Path); }
  // The add-in's ProgID, as the class factory gives it (a stand-in without
  // one): a built-in button that must call the add-in names it in its
  // OnAction.
  std::u16string ProgID() const override;
  void SetProgID(std::u16string_view Id) { progId_ = std::u16string(Id); }
  // The module registry object.
  registry::Registry& ModuleRegistry() { return *registry_; }
  // Opens AddInKeyPath in the module registry object (created if missing);
  // false when there is no path or the key cannot be opened.
  bool OpenAddInKey();
  uint8_t StartMode() const override { return startMode_; }
  // Reads "KVXStartMode" of the open add-in key into StartMode.
  void ReadStartMode();
  // After a first start: "KVXStartMode" = "NORMAL".
  void RecordStartMode();

  // Start-up as the connection object runs it, at most once per module:
  // host, key, start mode, command bar cache, OnAddInInitialize, (bars),
  // OnAddInStartupComplete, recorded start mode, the connection object's
  // Excel handlers, the shortcut hook. Exceptions of the two
  // events go to HandleError; any other ends the sequence and is thrown.
  // Without a recognised host there are no command bars to build, and
  // ExcelApp stays null: handlers must not take it for granted.
  void StartupSequence();
  bool StartedUp() const { return startedUp_; }
  // OnAddInBeginShutdown (to HandleError on failure), dialog owner reset.
  void BeginShutdown();
  // Disconnection: the shutdown steps and the erased design records when
  // the user removed the add-in, then OnAddInFinalize and the key closed.
  void Finalize(bool UserRemoved);
  // A connection that failed: Office never disconnects it, so the add-in's
  // finalize handler runs now when the start-up work had begun (its buttons
  // left as at any disconnection), and every host object, sink and hook is
  // let go. The bar and its records stay for the next connection.
  void Abandon() noexcept;

  // Bars and sinks (neither list owns its entries).
  const std::vector<TkvxCommandBar*>& CommandBarList() const override { return commandBarList_; }
  void AddCommandBar(TkvxCommandBar* Bar) override;
  void RemoveCommandBar(TkvxCommandBar* Bar) override;
  const std::vector<TkvxEventSink*>& SinkList() const { return sinkList_; }
  void AddSink(TkvxEventSink* Sink) override;
  void RemoveSink(TkvxEventSink* Sink) override;

  // The handler names the design assigned, for writing the design again.
  DesignHandlerNames& DesignNames() override { return designNames_; }
  const DesignHandlerNames& DesignNames() const override { return designNames_; }

 protected:
  // Streams the design text in (DesignReader.h); a DesignError leaves the
  // derived constructor, and the module with all it had created is freed.
  // OnCreate is raised once the whole design is in.
  void LoadDesign(std::string_view Text, const DesignHandlers& Handlers);
  // Binds every designed bar that supports the host, in design order; a
  // failure of one bar goes to HandleError and the next is built.
  virtual void BuildCommandBars();
  // Removes every designed bar that supports the host, with its controls.
  void RemoveCommandBars();
  // Deletes the "CommandBars" and "Controls" records below the add-in key.
  void DeleteDesignRecords();

 private:
  void ShowErrorBox(std::u16string_view message) noexcept;
  // A fresh native window name, then the hook (ShortcutHook.h).
  void InstallShortcutHook();
  // One FindControl call on a bar or the collection; null on any failure.
  static com::ComPtr<IDispatch> FindControlIn(const com::ComPtr<IDispatch>& Where, DISPID Member,
                                              std::optional<int32_t> Type, std::optional<int32_t> Id,
                                              std::optional<std::u16string_view> Tag, bool Recursive) noexcept;
  void ConnectExcel(com::ComPtr<IDispatch> application);
  void ConnectEventComponent(const HostInterface& host, const com::ComPtr<IDispatch>& application);
  bool OwnsComponent(const TComponent* component) const;

  std::u16string addInName_;
  std::u16string description_;
  bool displayAlerts_ = false;
  int32_t loadBehavior_ = 3;
  bool registerForAllUsers_ = false;
  TkvxHostAppSet supportedApps_{ohaExcel};
  bool xlAutomationAddIn_ = false;
  bool handleShortcuts_ = false;
  bool oldCreateOrder_ = false;

  std::vector<TkvxEventSink*> sinkList_;
  std::vector<TkvxCommandBar*> commandBarList_;
  com::ComPtr<IDispatch> hostApp_;
  TkvxOfficeHostApp hostKind_ = ohaExcel;
  bool hostRecognised_ = false;
  com::ComPtr<IDispatch> comAddIn_;
  uint8_t startMode_ = kvxStartModeFirstStart;
  com::ComPtr<IDispatch> commandBars_;
  TkvxFactory* factory_ = nullptr;
  TkvxAddin* connection_ = nullptr;
  std::u16string addInKeyPath_;
  std::u16string progId_;
  std::unique_ptr<registry::Registry> registry_;
  std::unique_ptr<TExcelApplication> excelApp_;
  std::unique_ptr<ShortcutHook> shortcutHook_;
  std::u16string nativeWindowName_;
  TkvxCustomEvents* connectedEvents_ = nullptr;
  DesignHandlerNames designNames_;
  bool designLoaded_ = false;
  bool startedUp_ = false;
  bool inOnError_ = false;
};

}  // namespace corvane::framework
