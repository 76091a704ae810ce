#include "platform/ui/Presenter.h"

namespace corvane::ui {

namespace {
// The user interface runs on one thread; the presenter is swapped only by
// tests and the workbench, between prompts.
Presenter* installed = nullptr;
}  // namespace

Presenter& CurrentPresenter() { return installed ? *installed : DefaultPresenter(); }

void SetPresenter(Presenter* presenter) { installed = presenter; }

ScopedPresenter::ScopedPresenter(Presenter& presenter) : previous_(installed) { installed = &presenter; }

ScopedPresenter::~ScopedPresenter() { installed = previous_; }

}  // namespace corvane::ui
