#include "workbench/interactive/ScreenPainter.h"

#include <algorithm>

#include "workbench/Screen.h"
#include "workbench/Session.h"
#include "workbench/interactive/CallPane.h"
#include "workbench/interactive/FooterPane.h"
#include "workbench/interactive/HelpPane.h"
#include "workbench/interactive/SheetPane.h"
#include "workbench/interactive/ToolbarPane.h"

namespace corvane::workbench {
namespace {

std::string TitleText(Session& session) {
  std::string status = Screen(session).Status();
  if (status.rfind("Status: ", 0) == 0) status.erase(0, 8);
  while (!status.empty() && status.back() == '\n') status.pop_back();
  return "Corvane workbench | " + status;
}

}  // namespace

void ScreenPainter::Paint(Session& session, ViewState& state, const ActionLog& log, Canvas& canvas, HitMap& hits) {
  hits.Clear();
  canvas.Clear(0, 0, canvas.rows(), canvas.columns(), Style::Normal);
  canvas.SetCursor(canvas.rows() - 1, 0);
  canvas.Put(0, 0, " " + (session.running() ? TitleText(session) : std::string("Excel is not running")), Style::Title,
             kBold);
  if (!session.running()) return;
  const int toolbarRows = ToolbarPane::Paint(session.toolbar(), state, 1, canvas, hits);
  const int footerTop = canvas.rows() - FooterPane::kHeight;
  int sheetTop = 1 + toolbarRows;
  int sheetBottom = footerTop;
  if (state.showCalls) {
    const int paneHeight = std::min(kCallPaneHeight, std::max(sheetBottom - sheetTop - 3, 2));
    sheetBottom -= paneHeight;
    CallPane::Paint(log, sheetBottom, paneHeight, canvas);
  }
  if (sheetBottom - sheetTop >= 2)
    SheetPane::Paint(session.app(), state, sheetTop, sheetBottom - sheetTop, canvas, hits);
  if (footerTop > sheetTop) FooterPane::Paint(session, state, canvas, hits);
  if (state.showHelp) {
    hits.Clear();
    HelpPane::Paint(canvas);
  }
}

}  // namespace corvane::workbench
