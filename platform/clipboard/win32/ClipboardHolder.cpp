// The clipboard is held by whichever thread and window opened it: a thread
// of its own, with a message-only window (an opener without a window does
// not keep other openers out everywhere), plays the other program.
#include "platform/clipboard/ClipboardHolder.h"

#include <future>
#include <thread>

#include "platform/com/ComError.h"

namespace corvane::clipboard {

struct ClipboardHolder::State {
  std::promise<void> release;
  std::thread holder;
};

ClipboardHolder::ClipboardHolder() : state_(std::make_unique<State>()) {
  std::promise<bool> opened;
  std::future<bool> isOpen = opened.get_future();
  std::future<void> released = state_->release.get_future();
  state_->holder = std::thread([&opened, released = std::move(released)]() mutable {
    HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    const bool open = window && OpenClipboard(window) != FALSE;
    opened.set_value(open);
    if (open) {
      released.wait();
      CloseClipboard();
    }
    if (window) DestroyWindow(window);
  });
  if (!isOpen.get()) {
    state_->holder.join();
    throw com::ComError(HRESULT_FROM_WIN32(ERROR_ACCESS_DENIED), u"The clipboard cannot be held.");
  }
}

ClipboardHolder::~ClipboardHolder() {
  state_->release.set_value();
  state_->holder.join();
}

}  // namespace corvane::clipboard
