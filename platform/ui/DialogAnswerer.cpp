#include "platform/ui/DialogAnswerer.h"

#include <thread>

#include "platform/ui/DialogAnswererState.h"

namespace corvane::ui {

DialogAnswerer::DialogAnswerer(std::u16string caption) : state_(std::make_unique<State>()) {
  state_->caption = std::move(caption);
  StartAnswering(*state_);
}

DialogAnswerer::DialogAnswerer(DialogChooser chooser) : state_(std::make_unique<State>()) {
  state_->chooser = std::move(chooser);
  StartAnswering(*state_);
}

DialogAnswerer::~DialogAnswerer() { StopAnswering(*state_); }

size_t DialogAnswerer::Answered() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->answered;
}

std::vector<std::u16string> DialogAnswerer::Unexpected() const {
  std::lock_guard<std::mutex> lock(state_->mutex);
  return state_->unexpected;
}

bool DialogAnswerer::WaitUntilAnswered(size_t count, std::chrono::milliseconds timeout) const {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (Answered() < count) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

}  // namespace corvane::ui
