#include "framework/hosting/TkvxCOMAddInModule.h"

#include <algorithm>
#include <stdexcept>

#include "framework/commandbars/BarNameMatch.h"
#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/design/DesignReader.h"
#include "framework/events/TExcelApplication.h"
#include "framework/events/TExcelApplicationEvents.h"
#include "framework/events/TkvxCustomEvents.h"
#include "framework/hosting/GuidText.h"
#include "framework/hosting/HostInterfaces.h"
#include "framework/hosting/HostMainWindow.h"
#include "framework/hosting/ModuleDesign.h"
#include "framework/hosting/ShortcutHook.h"
#include "framework/hosting/TkvxAddin.h"
#include "framework/hosting/TkvxFactory.h"
#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "platform/com/FrameworkError.h"
#include "platform/com/ScopeExit.h"
#include "platform/com/Text.h"
#include "platform/com/Variant.h"
#include "platform/registry/Registry.h"
#include "platform/ui/DialogOwner.h"
#include "platform/ui/MessageBox.h"
#include "published/Office.h"

namespace corvane::framework {
namespace {

constexpr char16_t kStartModeValue[] = u"KVXStartMode";

struct StartModeName {
  std::u16string_view text;
  uint8_t mode;
};
// Compared in this order; the first match decides.
constexpr StartModeName kStartModes[] = {
    {u"UNINSTALL", kvxStartModeUninstall},
    {u"NORMAL", kvxStartModeNormal},
    {u"FIRSTSTART", kvxStartModeFirstStart},
};

std::u16string MessageOf(const std::exception& error) {
  if (const auto* com = dynamic_cast<const com::ComError*>(&error)) {
    if (!com->description().empty()) return com->description();
  }
  return com::Utf8ToUtf16(error.what());
}

// FindControl's optional arguments, in its order: Type, Id, Tag, Visible,
// Recursive (the collection's FindControl has no Recursive).
com::Variant OptionalInt(std::optional<int32_t> value) {
  return value ? com::Variant(*value) : com::Variant::Omitted();
}

// The host's Version text up to its first ".", when that is not the first
// character ("11.0" gives "11").
std::u16string MajorVersion(const com::ComPtr<IDispatch>& application) {
  std::u16string version = com::Dispatch(application).Get(u"Version").ToText();
  const size_t dot = version.find(u'.');
  if (dot != std::u16string::npos && dot > 0) version.resize(dot);
  return version;
}

// A key path from the root of its hive, with its leading backslash.
std::u16string FromRoot(std::u16string path) {
  if (!path.empty() && path.front() != u'\\') path.insert(path.begin(), u'\\');
  return path;
}

}  // namespace

TkvxCOMAddInModule::TkvxCOMAddInModule()
    : TComponent(nullptr), registry_(std::make_unique<registry::Registry>(HKEY_CURRENT_USER)) {}

TkvxCOMAddInModule::~TkvxCOMAddInModule() {
  shortcutHook_.reset();
  if (designLoaded_) RaiseEvent(OnDestroy);
  registry_.reset();
  ReleaseHost();
  sinkList_.clear();
  commandBars_ = nullptr;
  comAddIn_ = nullptr;
  hostApp_ = nullptr;
  // The designed components go while the bar list they leave still exists.
  DestroyComponents();
}

void TkvxCOMAddInModule::SetHandleShortcuts(bool v) {
  if (v == handleShortcuts_) return;
  handleShortcuts_ = v;
  shortcutHook_.reset();
  if (v) InstallShortcutHook();
}

void TkvxCOMAddInModule::InstallShortcutHook() {
  // Every hook's window gets a name of its own, a fresh GUID's text.
  GUID name{};
  com::ThrowIfFailed(CoCreateGuid(&name));
  nativeWindowName_ = GuidText(name);
  shortcutHook_ = MakeShortcutHook(*this);
}

void TkvxCOMAddInModule::SetAddInName(std::u16string_view v) {
  if (v.empty()) com::RaiseFrameworkError(com::FrameworkError::kEmptyProperty, {u"AddInName"});
  addInName_ = std::u16string(v);
}

void TkvxCOMAddInModule::SetSupportedApps(TkvxHostAppSet v) {
  if (v.Empty()) com::RaiseFrameworkError(com::FrameworkError::kEmptyProperty, {u"SupportedApps"});
  supportedApps_ = v;
}

void TkvxCOMAddInModule::HandleError(const std::exception& E) noexcept {
  bool handled = false;
  if (OnError && !inOnError_) {
    com::FlagScope inside(inOnError_);
    try {
      OnError(this, E, handled);
    } catch (const std::exception& inner) {
      ShowErrorBox(MessageOf(inner));
    } catch (...) {
      ShowErrorBox(u"unknown exception");
    }
  }
  if (!handled) ShowErrorBox(MessageOf(E));
}

void TkvxCOMAddInModule::HandleError(std::exception_ptr E) noexcept {
  try {
    if (E) std::rethrow_exception(E);
  } catch (const std::exception& error) {
    HandleError(error);
  } catch (...) {
    HandleError(std::runtime_error("unknown exception"));
  }
}

void TkvxCOMAddInModule::RaiseEvent(const TNotifyEvent& Event) noexcept {
  if (!Event) return;
  try {
    Event(this);
  } catch (...) {
    HandleError(std::current_exception());
  }
}

void TkvxCOMAddInModule::ShowErrorBox(std::u16string_view message) noexcept {
  try {
    ui::MessageBoxRequest request;
    request.owner = ui::DialogOwner();
    request.text = addInName_ + u" error: the add-in has fired an exception.\r\n" + std::u16string(message);
    request.caption = addInName_;
    request.buttons = {ui::Button::Ok};
    request.icon = ui::Icon::Error;
    ui::ShowMessageBox(request);
  } catch (...) {
    // The reporter of last resort has nobody left to report to.
  }
}

void TkvxCOMAddInModule::SetHostApp(com::ComPtr<IDispatch> Application) { hostApp_ = std::move(Application); }

void TkvxCOMAddInModule::SetAddInEntry(IDispatch* Entry) {
  comAddIn_ = com::try_as<IDispatch>(Entry, Office::COMAddIn::iid);
}

void TkvxCOMAddInModule::DetectHost() {
  if (!hostApp_) return;
  for (const auto& row : HostInterfaces()) {
    const com::ComPtr<IDispatch> application = hostApp_.try_as<IDispatch>(row.iid);
    if (!application) continue;
    ReleaseHost();
    hostKind_ = row.kind;
    hostRecognised_ = true;
    if (row.kind == ohaExcel) ConnectExcel(application);
    ConnectEventComponent(row, application);
    return;
  }
}

void TkvxCOMAddInModule::ConnectEventComponent(const HostInterface& host, const com::ComPtr<IDispatch>& application) {
  if (host.eventClass.empty()) return;
  for (size_t i = 0; i < ComponentCount(); ++i) {
    auto* events = dynamic_cast<TkvxCustomEvents*>(Components(i));
    if (!events || events->ClassName() != host.eventClass) continue;
    connectedEvents_ = events;
    if (host.versioned) {
      events->ConnectToVersion(application.get(), MajorVersion(application));
    } else {
      events->ConnectTo(application.get());
    }
    return;
  }
}

bool TkvxCOMAddInModule::OwnsComponent(const TComponent* component) const {
  for (size_t i = 0; i < ComponentCount(); ++i) {
    if (Components(i) == component) return true;
  }
  return false;
}

void TkvxCOMAddInModule::ConnectExcel(com::ComPtr<IDispatch> application) {
  auto excel = std::make_unique<TExcelApplication>();
  excel->ConnectTo(application);
  excelApp_ = std::move(excel);
  // ExcelApp's own events arrive through the module's event dispatcher.
  TExcelApplicationEvents::Attach(*this, application.get());
}

void TkvxCOMAddInModule::ReleaseHost() {
  // The component may have been freed on its own since it was connected.
  if (connectedEvents_ && OwnsComponent(connectedEvents_)) connectedEvents_->Disconnect();
  connectedEvents_ = nullptr;
  TExcelApplicationEvents::Detach(*this);
  if (!excelApp_) return;
  excelApp_->Disconnect();
  excelApp_.reset();
}

com::ComPtr<IDispatch> TkvxCOMAddInModule::GetCommandBars() {
  if (!hostApp_ || !hostRecognised_ || hostKind_ == ohaMapPoint) return nullptr;
  try {
    com::Dispatch host(hostApp_);
    com::Variant bars;
    if (hostKind_ == ohaOutlook) {
      const bool windows = com::Dispatch(host.Get(u"Inspectors").ToDispatch()).Get(u"Count").ToInt32() > 0 ||
                           com::Dispatch(host.Get(u"Explorers").ToDispatch()).Get(u"Count").ToInt32() > 0;
      if (!windows) return nullptr;
      bars = com::Dispatch(host.Get(u"ActiveWindow").ToDispatch()).Get(u"CommandBars");
    } else {
      bars = host.Get(u"CommandBars");
    }
    return bars.ToDispatch().try_as<IDispatch>(Office::CommandBars::iid);
  } catch (...) {
    return nullptr;
  }
}

void TkvxCOMAddInModule::FillCommandBarCache() { commandBars_ = GetCommandBars(); }

com::ComPtr<IDispatch> TkvxCOMAddInModule::FindCommandBar(std::u16string_view Name) {
  if (!commandBars_) FillCommandBarCache();
  if (!commandBars_) return nullptr;
  com::Dispatch bars(commandBars_);
  const int32_t count = bars.Get(Office::CommandBars::Count).ToInt32();
  for (int32_t i = 1; i <= count; ++i) {
    com::ComPtr<IDispatch> bar = bars.Get(Office::CommandBars::Item, {com::Variant(i)}).ToDispatch();
    if (!bar) continue;
    com::Dispatch candidate(bar);
    if (BarNameMatches(candidate.Get(Office::CommandBar::Name).ToText(),
                       candidate.Get(Office::CommandBar::NameLocal).ToText(), Name)) {
      return bar;
    }
  }
  return nullptr;
}

com::ComPtr<IDispatch> TkvxCOMAddInModule::FindControlByTag(const com::ComPtr<IDispatch>& Bar,
                                                            std::optional<int32_t> ControlType,
                                                            std::u16string_view Tag) noexcept {
  return FindControlIn(Bar, Office::CommandBar::FindControl, ControlType, std::nullopt, Tag, true);
}

com::ComPtr<IDispatch> TkvxCOMAddInModule::FindControlById(const com::ComPtr<IDispatch>& Bar,
                                                           std::optional<int32_t> ControlType, int32_t Id) noexcept {
  return FindControlIn(Bar, Office::CommandBar::FindControl, ControlType, Id, std::nullopt, true);
}

com::ComPtr<IDispatch> TkvxCOMAddInModule::FindHostControlByTag(std::optional<int32_t> ControlType,
                                                                std::u16string_view Tag) noexcept {
  try {
    if (!commandBars_) FillCommandBarCache();
  } catch (...) {
  }
  return FindControlIn(commandBars_, Office::CommandBars::FindControl, ControlType, std::nullopt, Tag, false);
}

com::ComPtr<IDispatch> TkvxCOMAddInModule::FindHostControlById(std::optional<int32_t> ControlType,
                                                               int32_t Id) noexcept {
  try {
    if (!commandBars_) FillCommandBarCache();
  } catch (...) {
  }
  return FindControlIn(commandBars_, Office::CommandBars::FindControl, ControlType, Id, std::nullopt, false);
}

com::ComPtr<IDispatch> TkvxCOMAddInModule::FindControlIn(const com::ComPtr<IDispatch>& Where, DISPID Member,
                                                         std::optional<int32_t> Type, std::optional<int32_t> Id,
                                                         std::optional<std::u16string_view> Tag,
                                                         bool Recursive) noexcept {
  if (!Where) return nullptr;
  try {
    std::vector<com::Variant> args = {OptionalInt(Type), OptionalInt(Id),
                                      Tag ? com::Variant(*Tag) : com::Variant::Omitted(), com::Variant::Omitted()};
    if (Recursive) args.emplace_back(true);
    return com::Dispatch(Where).Call(Member, args).ToDispatch();
  } catch (...) {
    return nullptr;
  }
}

std::u16string TkvxCOMAddInModule::AddInKeyPath() const {
  return factory_ ? factory_->GetAddinKey(hostKind_) : addInKeyPath_;
}

std::u16string TkvxCOMAddInModule::ProgID() const { return factory_ ? factory_->GetProgID() : progId_; }

bool TkvxCOMAddInModule::OpenAddInKey() {
  const std::u16string path = FromRoot(AddInKeyPath());
  return !path.empty() && registry_->OpenKey(path, true);
}

void TkvxCOMAddInModule::ReadStartMode() {
  if (!registry_->ValueExists(kStartModeValue)) {
    startMode_ = kvxStartModeFirstStart;
    return;
  }
  const std::u16string text = com::AsciiUpper(registry_->ReadString(kStartModeValue));
  startMode_ = kvxStartModeUnknown;
  for (const auto& row : kStartModes) {
    if (text == row.text) {
      startMode_ = row.mode;
      return;
    }
  }
}

void TkvxCOMAddInModule::RecordStartMode() {
  if (startMode_ == kvxStartModeFirstStart) registry_->WriteString(kStartModeValue, u"NORMAL");
}

void TkvxCOMAddInModule::StartupSequence() {
  if (startedUp_) return;
  DetectHost();
  // From here on the sequence has begun: a second request, even after a
  // failure below, must not raise the events again.
  startedUp_ = true;
  // Without a recognised host no host-specific step runs, the window search
  // included.
  SetCurrentHostKind(hostRecognised_ ? std::optional(hostKind_) : std::nullopt);
  if (CurrentHostHasMainWindow()) ui::SetDialogOwner(SearchHostMainWindow(hostKind_));
  OpenAddInKey();
  if (registry_->HasOpenKey()) ReadStartMode();
  FillCommandBarCache();
  RaiseEvent(OnAddInInitialize);
  if (hostRecognised_ && hostKind_ != ohaMapPoint) BuildCommandBars();
  RaiseEvent(OnAddInStartupComplete);
  if (registry_->HasOpenKey()) RecordStartMode();
  // The connection's handlers go in front of the add-in's before the hook:
  // a hook the system refuses must not leave the add-in's handlers bare.
  if (connection_ && excelApp_) connection_->Interpose(*excelApp_);
  if (handleShortcuts_ && !shortcutHook_) InstallShortcutHook();
}

void TkvxCOMAddInModule::BeginShutdown() {
  RaiseEvent(OnAddInBeginShutdown);
  if (CurrentHostHasMainWindow()) ui::SetDialogOwner(nullptr);
}

void TkvxCOMAddInModule::Finalize(bool UserRemoved) {
  if (UserRemoved) {
    BeginShutdown();
    RemoveCommandBars();
    DeleteDesignRecords();
  }
  RaiseEvent(OnAddInFinalize);
  registry_->CloseKey();
}

void TkvxCOMAddInModule::Abandon() noexcept {
  if (startedUp_) RaiseEvent(OnAddInFinalize);
  shortcutHook_.reset();
  for (TkvxCommandBar* bar : commandBarList_) bar->ReleaseHostObjects();
  try {
    ReleaseHost();
  } catch (...) {
    // Let go regardless: the references below go in any case.
  }
  commandBars_ = nullptr;
  comAddIn_ = nullptr;
  hostApp_ = nullptr;
  registry_->CloseKey();
}

void TkvxCOMAddInModule::DeleteDesignRecords() {
  const std::u16string path = FromRoot(AddInKeyPath());
  if (path.empty()) return;
  // A registry object of its own: the records go even when the module's key
  // could not be opened. The add-in key, with the start mode, stays.
  registry::Registry records(HKEY_CURRENT_USER);
  for (const char16_t* subkey : {u"\\CommandBars", u"\\Controls"}) {
    if (records.KeyExists(path + subkey)) records.DeleteKey(path + subkey);
  }
}

void TkvxCOMAddInModule::BuildCommandBars() {
  for (TkvxCommandBar* bar : commandBarList_) {
    if (!bar->SupportedApps().Contains(hostKind_)) continue;
    try {
      bar->BuildCommandBar();
    } catch (...) {
      HandleError(std::current_exception());
    }
  }
}

void TkvxCOMAddInModule::RemoveCommandBars() {
  if (!hostRecognised_) return;
  if (!commandBars_) FillCommandBarCache();
  if (!commandBars_) return;
  for (TkvxCommandBar* bar : commandBarList_) {
    if (bar->SupportedApps().Contains(hostKind_)) bar->RemoveCommandBar();
  }
}

void TkvxCOMAddInModule::AddCommandBar(TkvxCommandBar* Bar) { commandBarList_.push_back(Bar); }

void TkvxCOMAddInModule::RemoveCommandBar(TkvxCommandBar* Bar) { std::erase(commandBarList_, Bar); }

void TkvxCOMAddInModule::AddSink(TkvxEventSink* Sink) { sinkList_.push_back(Sink); }

void TkvxCOMAddInModule::RemoveSink(TkvxEventSink* Sink) { std::erase(sinkList_, Sink); }

void TkvxCOMAddInModule::LoadDesign(std::string_view Text, const DesignHandlers& Handlers) {
  ReadDesign(ModuleDesignRoot(*this), Text, Handlers);
  designLoaded_ = true;
  RaiseEvent(OnCreate);
}

}  // namespace corvane::framework
