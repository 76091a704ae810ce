#include "addin/AreaSelection.h"

#include <algorithm>
#include <iterator>

#include "addin/CommandTags.h"
#include "platform/ui/Keyboard.h"

namespace corvane::addin {
namespace {

using excel::PivotSelectionMode;

// The rectangle from the origin's first cell to the column area's last cell.
void SelectHeader(const ClickContext& c) {
  c.table.PivotSelect(u"", PivotSelectionMode::Origin);
  const excel::ExcelRange origin = CurrentSelection(c.app);
  const excel::ExcelRange columns = c.table.ColumnRange();
  const int32_t columnCount = columns.Columns().Count();
  const int32_t rowCount = columns.Rows().Count();
  const excel::ExcelRange bottomRight = columns.Cells().Item(rowCount, columnCount);
  const excel::ExcelRange topLeft = origin.Cells().Item(1, 1);
  c.sheet.Range(topLeft, bottomRight).Select();
}

struct AreaCommand {
  int tag;
  void (*select)(const ClickContext&);
  bool ctrlRule;
};

// The header follows the Ctrl rule like the other areas: added to the
// selection from before the click.
const AreaCommand kAreas[] = {
    {tags::kWholeTable, [](const ClickContext& c) { c.table.TableRange1().Select(); }, false},
    {tags::kPagesArea, [](const ClickContext& c) { c.table.PageRange().Select(); }, true},
    {tags::kHeaderArea, SelectHeader, true},
    {tags::kOriginArea, [](const ClickContext& c) { c.table.PivotSelect(u"", PivotSelectionMode::Origin); }, true},
    {tags::kBlanksArea, [](const ClickContext& c) { c.table.PivotSelect(u"", PivotSelectionMode::Blanks); }, true},
    {tags::kColumnsArea, [](const ClickContext& c) { c.table.ColumnRange().Select(); }, true},
    {tags::kRowsArea, [](const ClickContext& c) { c.table.RowRange().Select(); }, true},
    {tags::kDataArea, [](const ClickContext& c) { c.table.DataBodyRange().Select(); }, true},
    {tags::kColumnGrandTotal,
     [](const ClickContext& c) { c.table.PivotSelect(u"Column Grand Total", PivotSelectionMode::DataAndLabel); }, true},
    {tags::kRowGrandTotal,
     [](const ClickContext& c) { c.table.PivotSelect(u"Row Grand Total", PivotSelectionMode::DataAndLabel); }, true},
};

}  // namespace

bool SelectArea(const ClickContext& context, int tag) {
  const auto area =
      std::find_if(std::begin(kAreas), std::end(kAreas), [tag](const AreaCommand& a) { return a.tag == tag; });
  if (area == std::end(kAreas)) return false;
  area->select(context);
  if (area->ctrlRule) ApplyCtrlRule(context);
  return true;
}

void ApplyCtrlRule(const ClickContext& context) {
  if (!ui::IsCtrlDown()) return;
  const excel::ExcelRange now = CurrentSelection(context.app);
  excel::ExcelRange(context.app.Union(context.prior.get(), now.get())).Select();
}

}  // namespace corvane::addin
