#include "framework/hosting/RunningHostCheck.h"

#include <string>

#include "framework/hosting/HostApplications.h"
#include "framework/hosting/TkvxFactory.h"
#include "platform/com/FrameworkError.h"
#include "platform/com/Text.h"
#include "platform/ui/MessageBox.h"

namespace corvane::framework {
namespace {

constexpr char16_t kPromptText[] = u"Please close all running host application instances:\r\n";

// "Excel " for every running host: the prompt's second line.
std::u16string RunningHostList(const TkvxFactory& factory, TkvxHostAppSet supported) {
  std::u16string list;
  for (TkvxOfficeHostApp host : factory.InstalledHosts(supported)) {
    if (RunningHostInstance(host)) list.append(HostApplicationOf(host).name).append(u" ");
  }
  return list;
}

ui::Button AskToClose(std::u16string_view addInName, const std::u16string& list) {
  ui::MessageBoxRequest request;
  request.text = kPromptText + list;
  request.caption = std::u16string(addInName);
  request.buttons = {ui::Button::Cancel, ui::Button::Retry, ui::Button::Ignore};
  request.icon = ui::Icon::Information;
  request.centredOnScreen = true;
  return ui::ShowMessageBox(request);
}

}  // namespace

com::ComPtr<IDispatch> RunningHostInstance(TkvxOfficeHostApp Host) {
  const std::u16string progId(HostApplicationOf(Host).progId);
  CLSID classId{};
  if (FAILED(CLSIDFromProgID(com::ole(progId), &classId))) return nullptr;
  com::ComPtr<IUnknown> active;
  if (FAILED(GetActiveObject(classId, nullptr, active.put())) || !active) return nullptr;
  return active.try_as<IDispatch>();
}

void AskCloseHosts(const TkvxFactory& Factory, std::u16string_view AddInName, TkvxHostAppSet Supported) {
  for (;;) {
    const std::u16string list = RunningHostList(Factory, Supported);
    if (list.empty()) return;
    switch (AskToClose(AddInName, list)) {
      case ui::Button::Cancel:
        com::RaiseFrameworkError(com::FrameworkError::kRegistrationCanceled);
      case ui::Button::Retry:
        continue;
      default:
        return;
    }
  }
}

}  // namespace corvane::framework
