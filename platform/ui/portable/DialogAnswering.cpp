// No real dialogs in this backend: the program's presenter gets them all.
#include "platform/ui/DialogAnswererState.h"

namespace corvane::ui {

bool DialogAnswerer::AnswersRealDialogs() { return false; }

void StartAnswering(DialogAnswerer::State&) {}

void StopAnswering(DialogAnswerer::State&) noexcept {}

}  // namespace corvane::ui
