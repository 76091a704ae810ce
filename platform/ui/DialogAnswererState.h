// What a DialogAnswerer shares with its backend's watching thread.
#pragma once

#include <atomic>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/ui/DialogAnswerer.h"

namespace corvane::ui {

struct DialogAnswerer::State {
  std::u16string caption;
  DialogChooser chooser;
  std::mutex mutex;
  size_t answered = 0;
  std::vector<std::u16string> unexpected;
  std::atomic<bool> stop{false};
  std::thread watcher;
};

// The backend starts its watcher (or none) and stops and joins it.
void StartAnswering(DialogAnswerer::State& state);
void StopAnswering(DialogAnswerer::State& state) noexcept;

}  // namespace corvane::ui
