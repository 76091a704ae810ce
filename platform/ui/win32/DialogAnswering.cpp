// The watcher: polls the process's visible dialog windows and posts each a
// click on its OK (Enter) command; one that is still there a while later
// gets Cancel (Escape), in case it has no default button.
#include <map>

#include "platform/com/com.h"
#include "platform/ui/DialogAnswererState.h"

namespace corvane::ui {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(20);
constexpr auto kRetryAfter = std::chrono::milliseconds(500);
// The class of dialog boxes and message boxes.
constexpr wchar_t kDialogClass[] = L"#32770";

BOOL CALLBACK CollectDialog(HWND window, LPARAM found) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t className[16] = {};
  if (process == GetCurrentProcessId() && IsWindowVisible(window) && GetClassNameW(window, className, 16) > 0 &&
      lstrcmpW(className, kDialogClass) == 0) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  }
  return TRUE;
}

// Without sending a message: the dialog's thread may be busy, and the
// destructor joins this thread from it.
std::u16string CaptionOf(HWND window) {
  wchar_t text[256] = {};
  const int length = InternalGetWindowText(window, text, 256);
  return std::u16string(reinterpret_cast<const char16_t*>(text), length > 0 ? static_cast<size_t>(length) : 0);
}

BOOL CALLBACK CollectText(HWND child, LPARAM text) {
  wchar_t className[16] = {};
  if (GetClassNameW(child, className, 16) > 0 && lstrcmpiW(className, L"STATIC") == 0) {
    const std::u16string line = CaptionOf(child);
    auto& all = *reinterpret_cast<std::u16string*>(text);
    if (!line.empty()) all.append(all.empty() ? u"" : u" | ").append(line);
  }
  return TRUE;
}

// An unexpected one is told by its caption and its labels' text.
std::u16string Description(HWND window, const std::u16string& caption) {
  std::u16string text;
  EnumChildWindows(window, CollectText, reinterpret_cast<LPARAM>(&text));
  return text.empty() ? caption : caption + u": " + text;
}

void Record(DialogAnswerer::State& state, HWND window) {
  const std::u16string caption = CaptionOf(window);
  const bool expected = caption == state.caption;
  const std::u16string description = expected ? caption : Description(window, caption);
  std::lock_guard<std::mutex> lock(state.mutex);
  if (expected) {
    ++state.answered;
  } else {
    state.unexpected.push_back(description);
  }
}

struct Answer {
  std::chrono::steady_clock::time_point at;
  int tries;
};

void Watch(DialogAnswerer::State& state) {
  std::map<HWND, Answer> answers;
  while (!state.stop) {
    std::vector<HWND> dialogs;
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    const auto now = std::chrono::steady_clock::now();
    std::map<HWND, Answer> still;
    for (HWND window : dialogs) {
      auto known = answers.find(window);
      if (known == answers.end()) {
        Record(state, window);
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        still[window] = {now, 1};
      } else if (now - known->second.at >= kRetryAfter) {
        const int command = known->second.tries % 2 ? IDCANCEL : IDOK;
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
        still[window] = {now, known->second.tries + 1};
      } else {
        still[window] = known->second;
      }
    }
    answers.swap(still);
    std::this_thread::sleep_for(kPollInterval);
  }
}

}  // namespace

bool DialogAnswerer::AnswersRealDialogs() { return true; }

void StartAnswering(DialogAnswerer::State& state) {
  state.watcher = std::thread([&state] { Watch(state); });
}

void StopAnswering(DialogAnswerer::State& state) noexcept {
  state.stop = true;
  if (state.watcher.joinable()) state.watcher.join();
}

}  // namespace corvane::ui
