#include "framework/commandbars/TkvxCommandBarControl.h"

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarControls.h"
#include "framework/design/NewGuidText.h"
#include "framework/hosting/TkvxCOMAddInModule.h"

namespace corvane::framework {
TkvxCommandBarControl::TkvxCommandBarControl(TkvxCommandBarControls& Collection)
    : collection_(Collection), officeTag_(NewGuidText()) {
  temporary_ = Collection.OwnerBar().Temporary();
}

TkvxCommandBarControl::~TkvxCommandBarControl() {
  // A later item at the same address must not inherit this one's handlers.
  Module().DesignNames().Forget(this);
}

TkvxCommandBar& TkvxCommandBarControl::OwnerBar() const { return collection_.OwnerBar(); }

TkvxCOMAddInModule& TkvxCommandBarControl::Module() const { return OwnerBar().Module(); }

size_t TkvxCommandBarControl::Index() const { return collection_.IndexOf(this); }

}  // namespace corvane::framework
