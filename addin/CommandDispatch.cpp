#include "addin/CommandDispatch.h"

#include "addin/AreaSelection.h"
#include "addin/CommandTags.h"
#include "addin/NumberFormats.h"
#include "addin/PivotLocator.h"
#include "addin/Subtotals.h"
#include "addin/TableCommands.h"

namespace corvane::addin {

void RunPivotCommand(framework::TExcelApplication& app, int tag) {
  const ClickContext context = LocateClick(app);
  if (SelectArea(context, tag) || SetNumberFormat(context, tag) || RunTableCommand(context, tag)) return;
  if (tag == tags::kSubtotals) {
    SelectSubtotals(context);
  } else if (tag == tags::kNextSubtotal) {
    SelectNextSubtotal(context);
  }
}

}  // namespace corvane::addin
