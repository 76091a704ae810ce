// The watcher: polls the process's visible dialog windows and posts each a
// click on its OK (Enter) command; one that is still there a while later
// gets Cancel (Escape), in case it has no default button.
#include <map>
#include <optional>
#include <utility>

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

// A dialog's children as the watcher reads them: static texts (labels and
// links) and push buttons, in the order the dialog holds them.
struct Children {
  std::vector<std::u16string> texts;
  std::vector<HWND> buttons;
};

bool IsPushButton(HWND child) {
  const LONG_PTR type = GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM found) {
  auto& children = *reinterpret_cast<Children*>(found);
  wchar_t className[16] = {};
  if (GetClassNameW(child, className, 16) <= 0) return TRUE;
  if (lstrcmpiW(className, L"STATIC") == 0) {
    const std::u16string line = CaptionOf(child);
    if (!line.empty()) children.texts.push_back(line);
  } else if (lstrcmpiW(className, L"BUTTON") == 0 && IsPushButton(child)) {
    children.buttons.push_back(child);
  }
  return TRUE;
}

std::optional<Button> StandardButtonOf(int id) {
  static constexpr std::pair<int, Button> kIds[] = {
      {IDOK, Button::Ok},         {IDCANCEL, Button::Cancel}, {IDABORT, Button::Abort}, {IDRETRY, Button::Retry},
      {IDIGNORE, Button::Ignore}, {IDYES, Button::Yes},       {IDNO, Button::No}};
  for (const auto& [known, button] : kIds) {
    if (known == id) return button;
  }
  return std::nullopt;
}

// "&Yes" shows as "Yes" ("&&" as "&").
std::u16string WithoutMnemonic(const std::u16string& text) {
  std::u16string shown;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

SeenDialog Describe(HWND window, const Children& children) {
  SeenDialog seen{CaptionOf(window), children.texts, {}};
  for (HWND button : children.buttons) {
    const bool isDefault = (GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    seen.buttons.push_back({WithoutMnemonic(CaptionOf(button)), StandardButtonOf(GetDlgCtrlID(button)), isDefault});
  }
  return seen;
}

// An unexpected one is told by its caption and its labels' text.
std::u16string Description(const SeenDialog& seen) {
  std::u16string text;
  for (const auto& line : seen.texts) text.append(text.empty() ? u"" : u" | ").append(line);
  return text.empty() ? seen.caption : seen.caption + u": " + text;
}

void Record(DialogAnswerer::State& state, const SeenDialog& seen) {
  const bool expected = state.chooser || seen.caption == state.caption;
  std::lock_guard<std::mutex> lock(state.mutex);
  if (expected) {
    ++state.answered;
  } else {
    state.unexpected.push_back(Description(seen));
  }
}

// Records the dialog and presses the button the chooser names, else tells
// it OK as its Enter key would.
void AnswerFirstTime(DialogAnswerer::State& state, HWND window) {
  Children children;
  EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&children));
  const SeenDialog seen = Describe(window, children);
  Record(state, seen);
  const std::optional<size_t> chosen = state.chooser ? state.chooser(seen) : std::nullopt;
  if (chosen && *chosen < children.buttons.size()) {
    HWND button = children.buttons[*chosen];
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
  } else {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
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
        AnswerFirstTime(state, window);
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
