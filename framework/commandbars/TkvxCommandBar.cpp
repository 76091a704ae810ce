#include "framework/commandbars/TkvxCommandBar.h"

#include "framework/hosting/TkvxCOMAddInModule.h"
#include "platform/com/FrameworkError.h"
#include "platform/com/Text.h"

namespace corvane::framework {
namespace {

// Checked before the component joins its owner, so a refused bar leaves no
// trace on it.
TkvxCOMAddInModule& RequireModule(TComponent* owner) {
  if (auto* module = dynamic_cast<TkvxCOMAddInModule*>(owner)) return *module;
  const std::u16string ownerClass = owner ? com::Utf8ToUtf16(owner->ClassName()) : u"nil";
  com::RaiseFrameworkError(com::FrameworkError::kCommandBarOwner, {u"TkvxCommandBar", ownerClass});
}

}  // namespace

TkvxCommandBar::TkvxCommandBar(TComponent* Owner)
    : TComponent((RequireModule(Owner), Owner)), module_(*dynamic_cast<TkvxCOMAddInModule*>(Owner)), controls_(*this) {
  supportedApps_ = module_.SupportedApps();
  module_.AddCommandBar(this);
}

TkvxCommandBar::~TkvxCommandBar() {
  // Items go before the bar leaves the module, so they may still reach it.
  controls_.Clear();
  module_.DesignNames().Forget(this);
  module_.RemoveCommandBar(this);
}

void TkvxCommandBar::SetCommandBarName(std::u16string_view v) {
  if (v.empty()) com::RaiseFrameworkError(com::FrameworkError::kEmptyProperty, {u"CommandBarName"});
  commandBarName_ = std::u16string(v);
  PushToHost(u"Name", com::Variant(commandBarName_));
  if (nameLocal_.empty()) SetNameLocal(commandBarName_);
}

void TkvxCommandBar::SetProtection(TkvxMsoBarProtection v) {
  protection_ = v;
  PushToHost(u"Protection", com::Variant(ProtectionToHost(protection_)));
}

}  // namespace corvane::framework
