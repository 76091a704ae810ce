// Registration and unregistration of the class and the add-in.
#include <string>

#include "framework/hosting/AddinRegistration.h"
#include "framework/hosting/ClassRegistration.h"
#include "framework/hosting/ControlRemoval.h"
#include "framework/hosting/RunningHostCheck.h"
#include "framework/hosting/TkvxCOMAddInModule.h"
#include "framework/hosting/TkvxFactory.h"

namespace corvane::framework {
namespace {

// What the prompt needs, read from a module freed again at once.
struct PromptSettings {
  std::u16string addInName;
  TkvxHostAppSet supportedApps;
  bool displayAlerts;
};

PromptSettings ReadPromptSettings(const TkvxFactory& factory) {
  const auto module = factory.CreateModule();
  return {module->AddInName(), module->SupportedApps(), module->DisplayAlerts()};
}

}  // namespace

void TkvxFactory::UpdateRegistry(bool Register) {
  const PromptSettings settings = ReadPromptSettings(*this);
  if (settings.displayAlerts) AskCloseHosts(*this, settings.addInName, settings.supportedApps);
  if (Register) {
    WriteClassEntries(*this);
    RegisterAddin(*this);
  } else {
    // A failing visit to a host leaves the keys: the add-in stays switched
    // off there, and unregistration can be run again.
    UnregisterControls(*this);
    UnregisterAddin(*this);
    RemoveClassEntries(*this);
  }
}

}  // namespace corvane::framework
