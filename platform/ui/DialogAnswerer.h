// Answers the real dialogs and message boxes of this process from a thread
// of its own, for tests of a library that shows them through the system's
// presenter (the add-in DLL on Windows, whose presenter is not the test's).
// While the object lives, every visible dialog window of the process is
// told OK, as its Enter key would; those with the expected caption are
// counted, the captions of the others are kept for the test to fail on.
// A dialog is thus never left waiting for a user who is not there.
//
// The portable backend shows no real dialogs: every box and dialog goes to
// the program's presenter (one presenter serves the whole process there),
// which the test scripts. Its answerer answers nothing and says so.
//
//   ui::DialogAnswerer about(u"About Corvane");
//   ... the library shows its About box ...
//   EXPECT_EQ(about.Answered(), 1u);
//
// A program that shows such dialogs on a screen of its own (the workbench)
// gives a chooser instead: it sees each dialog's texts and buttons and
// names the button to press.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/MessageBox.h"

namespace corvane::ui {

// A real dialog as the watcher found it.
struct SeenDialog {
  struct PushButton {
    std::u16string text;
    // The message box button it is, when it is one.
    std::optional<Button> standard;
    bool isDefault = false;
  };
  std::u16string caption;
  // Its labels' and links' texts, in order.
  std::vector<std::u16string> texts;
  std::vector<PushButton> buttons;
};

// Called on the watcher's thread: the index of the button to press, or
// nothing for Enter.
using DialogChooser = std::function<std::optional<size_t>(const SeenDialog&)>;

class DialogAnswerer {
 public:
  explicit DialogAnswerer(std::u16string caption);
  // Every dialog is answered as the chooser says and counted as expected.
  explicit DialogAnswerer(DialogChooser chooser);
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  // Whether this backend shows real dialogs (and so answers any).
  static bool AnswersRealDialogs();

  // Dialogs with the expected caption told OK so far.
  size_t Answered() const;
  // The other dialogs told OK, in order: each one's caption, then ": "
  // and the text of its labels when it has any.
  std::vector<std::u16string> Unexpected() const;
  // Waits until `count` dialogs were answered; false when the time ran out.
  bool WaitUntilAnswered(size_t count, std::chrono::milliseconds timeout) const;

  struct State;

 private:
  std::unique_ptr<State> state_;
};

}  // namespace corvane::ui
