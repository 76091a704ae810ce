#include "workbench/interactive/InteractiveMode.h"

#include <fstream>

#include "workbench/Session.h"
#include "workbench/interactive/ScreenPainter.h"

namespace corvane::workbench {

InteractiveMode::InteractiveMode(Session& session, TerminalBackend& terminal)
    : session_(session),
      terminal_(terminal),
      actions_(session, log_, state_),
      modal_(
          terminal, [this](Canvas& canvas, HitMap& hits) { Paint(canvas, hits); },
          [this](const Canvas& canvas) { Dump(canvas); }),
      controller_(session, state_, actions_, modal_) {
  session_.boxes().set_answerer(&modal_);
  session_.set_number_format_asker([this](const std::u16string& current) { return modal_.AskNumberFormat(current); });
}

InteractiveMode::~InteractiveMode() {
  session_.boxes().set_answerer(nullptr);
  session_.set_number_format_asker({});
}

std::filesystem::path InteractiveMode::DumpFile(const Session& session) { return session.data().root() / "screen.txt"; }

void InteractiveMode::Run() {
  actions_.Record("Excel started");
  state_.note = "Excel started with Corvane. F1 or ? lists the keys.";
  while (true) {
    const ScreenPoint size = terminal_.Size();
    Canvas canvas(size.row, size.column);
    HitMap hits;
    Paint(canvas, hits);
    terminal_.Draw(canvas);
    const InputEvent event = terminal_.Next();
    if (event.key == Key::Closed) {
      actions_.Quit();
      return;
    }
    if (event.key == Key::Dump) {
      Dump(canvas);
    } else if (event.key != Key::Resize && controller_.Handle(event, hits) == Outcome::Quit) {
      return;
    }
  }
}

void InteractiveMode::Paint(Canvas& canvas, HitMap& hits) {
  ScreenPainter::Paint(session_, state_, log_, canvas, hits);
}

// Written whole and then renamed, so that a reader never sees half a screen.
void InteractiveMode::Dump(const Canvas& canvas) {
  const auto file = DumpFile(session_);
  const auto partial = file.string() + ".part";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << canvas.Text();
    if (!out) {
      state_.note = "The screen could not be written to " + file.string();
      return;
    }
  }
  std::error_code error;
  std::filesystem::rename(partial, file, error);
  state_.note = error ? "The screen could not be written to " + file.string() : "Screen written to " + file.string();
}

}  // namespace corvane::workbench
