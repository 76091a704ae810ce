#include "platform/input/SyntheticKeyboard.h"

#include <algorithm>
#include <utility>

#include "platform/input/KeyboardLayout.h"

namespace corvane::input {

void SyntheticKeyboard::Press(UINT virtualKey) {
  const UINT key = SidedKey(virtualKey);
  Send(key, false);
  if (std::find(held_.begin(), held_.end(), key) == held_.end()) held_.push_back(key);
}

void SyntheticKeyboard::Release(UINT virtualKey) {
  const UINT key = SidedKey(virtualKey);
  Send(key, true);
  held_.erase(std::remove(held_.begin(), held_.end(), key), held_.end());
}

void SyntheticKeyboard::Tap(UINT virtualKey) {
  Press(virtualKey);
  Release(virtualKey);
}

void SyntheticKeyboard::OnDelivered(std::function<void(const DeliveredKey&)> listener) {
  listener_ = std::move(listener);
}

void SyntheticKeyboard::Record(const DeliveredKey& key) {
  delivered_.push_back(key);
  if (listener_) listener_(key);
}

void SyntheticKeyboard::ReleaseAll() {
  // Newest first, as fingers leave the keys.
  while (!held_.empty()) Release(held_.back());
}

}  // namespace corvane::input
