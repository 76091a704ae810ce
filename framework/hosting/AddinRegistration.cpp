#include "framework/hosting/AddinRegistration.h"

#include <memory>
#include <string>

#include "framework/hosting/TkvxCOMAddInModule.h"
#include "framework/hosting/TkvxFactory.h"
#include "framework/hosting/XLAutomation.h"
#include "platform/registry/Registry.h"

namespace corvane::framework {
namespace {

// A module for registration: it reaches its add-in key through the factory.
std::unique_ptr<TkvxCOMAddInModule> RegistrationModule(TkvxFactory& factory) {
  auto module = factory.CreateModule();
  module->SetFactory(&factory);
  return module;
}

// Raises a per-host registration event with the module's key open on the
// host's add-in key of the current user; the handler's error goes to
// HandleError.
void RaiseHostEvent(TkvxCOMAddInModule& module, const TNotifyEvent& event, TkvxOfficeHostApp host, bool create) {
  if (!event) return;
  module.SetHostKind(host);
  registry::Registry& key = module.ModuleRegistry();
  key.SetRootKey(HKEY_CURRENT_USER);
  key.OpenKey(module.AddInKeyPath(), create);
  module.RaiseEvent(event);
  key.CloseKey();
}

void WriteAddinValues(const TkvxCOMAddInModule& module, const std::u16string& keyPath) {
  registry::Registry key(module.RegisterForAllUsers() ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER);
  if (!key.OpenKey(keyPath, true)) return;
  try {
    key.WriteString(u"FriendlyName", module.AddInName());
    key.WriteString(u"Description", module.Description());
    key.WriteInteger(u"LoadBehavior", module.LoadBehavior());
    key.WriteInteger(u"CommandLineSafe", 0);
  } catch (const registry::RegistryError&) {
    // A key that opened but refuses values counts as one that did not open.
  }
  key.CloseKey();
}

void DeleteKeyIfPresent(HKEY root, const std::u16string& keyPath) {
  registry::Registry key(root);
  if (key.KeyExists(keyPath)) key.DeleteKey(keyPath);
}

}  // namespace

void RegisterAddin(TkvxFactory& Factory) {
  auto module = RegistrationModule(Factory);
  for (TkvxOfficeHostApp host : Factory.InstalledHosts(module->SupportedApps())) {
    WriteAddinValues(*module, Factory.GetAddinKey(host));
    if (host == ohaExcel && module->XLAutomationAddIn()) RegisterXLAutomation(Factory);
    RaiseHostEvent(*module, module->OnAfterAddinRegister, host, true);
  }
}

void UnregisterAddin(TkvxFactory& Factory) {
  auto module = RegistrationModule(Factory);
  for (TkvxOfficeHostApp host : Factory.InstalledHosts(module->SupportedApps())) {
    RaiseHostEvent(*module, module->OnBeforeAddinUnregister, host, false);
    const std::u16string keyPath = Factory.GetAddinKey(host);
    if (module->RegisterForAllUsers()) DeleteKeyIfPresent(HKEY_LOCAL_MACHINE, keyPath);
    // The user's key goes in any case: it holds the start mode and records.
    DeleteKeyIfPresent(HKEY_CURRENT_USER, keyPath);
    if (host == ohaExcel && module->XLAutomationAddIn()) UnregisterXLAutomation(Factory);
  }
}

}  // namespace corvane::framework
