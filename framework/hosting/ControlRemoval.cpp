#include "framework/hosting/ControlRemoval.h"

#include <exception>
#include <memory>

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/hosting/HostApplications.h"
#include "framework/hosting/RunningHostCheck.h"
#include "framework/hosting/TkvxCOMAddInModule.h"
#include "framework/hosting/TkvxFactory.h"
#include "platform/com/Dispatch.h"
#include "platform/com/FrameworkError.h"
#include "platform/com/Text.h"
#include "platform/com/Variant.h"
#include "platform/registry/Registry.h"
#include "published/Office.h"

namespace corvane::framework {
namespace {

// Controls recorded with this revision are deleted after all others.
constexpr int32_t kLastRevision = 255;

std::vector<std::u16string> ValueNamesOf(registry::Registry& key, const std::u16string& path) {
  std::vector<std::u16string> names;
  if (!key.OpenKeyReadOnly(path)) return names;
  for (auto& name : key.GetValueNames()) {
    if (!name.empty()) names.push_back(std::move(name));
  }
  return names;
}

int32_t IntegerOr0(const registry::Registry& key, const std::u16string& name) {
  try {
    return key.ReadInteger(name);
  } catch (const registry::RegistryError&) {
    return 0;
  }
}

// The add-in is not to be loaded again, and knows it is being removed
// should it still start: both before the host is taken or started.
void MarkUninstalling(const TkvxCOMAddInModule& module, const std::u16string& addinKey) {
  registry::Registry user(HKEY_CURRENT_USER);
  if (user.OpenKey(addinKey, false)) user.WriteString(u"KVXStartMode", u"UNINSTALL");
  registry::Registry loader(module.RegisterForAllUsers() ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER);
  if (loader.OpenKey(addinKey, false)) loader.WriteInteger(u"LoadBehavior", 0);
}

// A host instance for the pass: the running one, else one started here.
struct HostInstance {
  com::ComPtr<IDispatch> application;
  bool started = false;
};

HostInstance TakeOrStartHost(TkvxOfficeHostApp host) {
  HostInstance instance{RunningHostInstance(host), false};
  if (instance.application) return instance;
  const std::u16string progId(HostApplicationOf(host).progId);
  CLSID classId{};
  if (FAILED(CLSIDFromProgID(com::ole(progId), &classId))) return instance;
  if (SUCCEEDED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                 instance.application.put_void())) &&
      instance.application) {
    instance.started = true;
  }
  return instance;
}

void RemoveFromHost(TkvxCOMAddInModule& module, TkvxOfficeHostApp host, const com::ComPtr<IDispatch>& bars,
                    const RecordedItems& records) {
  for (TkvxCommandBar* bar : module.CommandBarList()) {
    if (bar->SupportedApps().Contains(host)) bar->RemoveCommandBar();
  }
  RemoveRecordedControls(module, bars, records.controls, records.bars);
}

// One host's pass; the collection is let go and a started host told to
// quit whatever happened, the first failure thrown afterwards.
void UnregisterHostControls(TkvxFactory& factory, TkvxCOMAddInModule& module, TkvxOfficeHostApp host) {
  const std::u16string addinKey = factory.GetAddinKey(host);
  const RecordedItems records = ReadRecordedItems(addinKey);
  MarkUninstalling(module, addinKey);
  HostInstance instance = TakeOrStartHost(host);
  if (!instance.application) return;
  std::exception_ptr failure;
  com::ComPtr<IDispatch> bars;
  try {
    module.SetHostApp(instance.application);
    module.SetHostKind(host);
    module.ClearCommandBarCache();
    bars = module.GetCommandBars();
    if (bars) RemoveFromHost(module, host, bars, records);
  } catch (...) {
    failure = std::current_exception();
  }
  bars = nullptr;
  // The module's cache refers to bars of a host that may quit now.
  module.ClearCommandBarCache();
  try {
    if (instance.started) com::Dispatch(instance.application).Call(u"Quit");
  } catch (...) {
    if (!failure) failure = std::current_exception();
  }
  instance.application = nullptr;
  if (failure) std::rethrow_exception(failure);
}

void DeleteControlsWithTag(const com::ComPtr<IDispatch>& commandBars, const std::vector<ControlRecord>& controls,
                           bool last) {
  com::Dispatch bars(commandBars);
  for (const ControlRecord& record : controls) {
    if ((record.revision == kLastRevision) != last) continue;
    const com::ComPtr<IDispatch> control =
        bars.Call(Office::CommandBars::FindControl,
                  {com::Variant::Omitted(), com::Variant::Omitted(), com::Variant(record.tag), com::Variant::Omitted()})
            .ToDispatch();
    if (control) com::Dispatch(control).Call(Office::CommandBarControl::Delete, {com::Variant(false)});
  }
}

void DeleteEmptyBar(TkvxCOMAddInModule& module, const std::u16string& name) {
  if (const com::ComPtr<IDispatch> found = module.FindCommandBar(name)) DeleteHostBarIfEmpty(found);
}

}  // namespace

RecordedItems ReadRecordedItems(const std::u16string& AddinKey) {
  RecordedItems records;
  registry::Registry user(HKEY_CURRENT_USER);
  records.bars = ValueNamesOf(user, AddinKey + u"\\CommandBars");
  for (auto& tag : ValueNamesOf(user, AddinKey + u"\\Controls")) {
    const int32_t revision = IntegerOr0(user, tag);
    records.controls.push_back({std::move(tag), revision});
  }
  return records;
}

void UnregisterControls(TkvxFactory& Factory) {
  auto module = Factory.CreateModule();
  module->SetFactory(&Factory);
  for (TkvxOfficeHostApp host : Factory.InstalledHosts(module->SupportedApps())) {
    if (host == ohaMapPoint) continue;
    try {
      UnregisterHostControls(Factory, *module, host);
    } catch (...) {
      com::RaiseFrameworkError(com::FrameworkError::kCantUnregisterControls);
    }
  }
}

void RemoveRecordedControls(TkvxCOMAddInModule& Module, const com::ComPtr<IDispatch>& CommandBars,
                            const std::vector<ControlRecord>& Controls, const std::vector<std::u16string>& Bars) {
  DeleteControlsWithTag(CommandBars, Controls, false);
  DeleteControlsWithTag(CommandBars, Controls, true);
  for (const auto& name : Bars) DeleteEmptyBar(Module, name);
}

}  // namespace corvane::framework
