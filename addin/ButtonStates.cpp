#include "addin/ButtonStates.h"

#include <exception>

#include "addin/ButtonPlan.h"
#include "addin/CommandTags.h"
#include "addin/PivotLocator.h"
#include "addin/excel/ExcelPivotField.h"
#include "addin/excel/ExcelPivotTable.h"
#include "addin/excel/ExcelWorksheet.h"
#include "platform/com/ComError.h"

namespace corvane::addin {
namespace {

const int kFormatTags[] = {tags::kNumberFormat, tags::kIncreaseDecimal, tags::kDecreaseDecimal, tags::kCurrency};

// A grand total's selection button follows it, and its switch shows it.
void ShowGrandTotal(ButtonPlan& plan, bool shown, int selectTag, int switchTag) {
  plan.Enable(selectTag, shown);
  plan.Press(switchTag, shown);
}

bool OnDataField(const excel::ExcelRange& cell) {
  try {
    cell.PivotField().NumberFormat();
    return true;
  } catch (const com::ComError&) {
    return false;
  }
}

// Steps 1 to 5 of the state rules, into the plan.
void DeriveStates(ButtonPlan& plan, const framework::TExcelApplication& app, IDispatch* sheet) {
  if (!excel::ExcelWorksheet::IsWorksheet(sheet)) return plan.EnableAll(false);
  // One read of the active cell serves every step: nothing moves it meanwhile.
  const excel::ExcelRange cell = ActiveCell(app);
  excel::ExcelPivotTable table;
  try {
    table = cell.PivotTable();
  } catch (const com::ComError&) {
    return plan.EnableAll(false);
  }
  plan.EnableAll(true);
  ShowGrandTotal(plan, table.ColumnGrand(), tags::kColumnGrandTotal, tags::kColumnGrandSwitch);
  ShowGrandTotal(plan, table.RowGrand(), tags::kRowGrandTotal, tags::kRowGrandSwitch);
  const bool onData = OnDataField(cell);
  for (int tag : kFormatTags) plan.Enable(tag, onData);
}

}  // namespace

void SetAllEnabled(framework::TkvxCommandBarControls& controls, bool enabled) {
  for (size_t i = 0; i < controls.Count(); ++i) controls.Items(i).SetEnabled(enabled);
}

void DisableAllButLast(framework::TkvxCommandBarControls& controls) {
  for (size_t i = 0; i + 1 < controls.Count(); ++i) controls.Items(i).SetEnabled(false);
}

void UpdateButtons(framework::TkvxCommandBarControls& controls, const framework::TExcelApplication& app,
                   IDispatch* sheet) {
  // A failure part way applies what was worked out before it, with About.
  ButtonPlan plan(controls);
  std::exception_ptr failure;
  try {
    DeriveStates(plan, app, sheet);
  } catch (...) {
    failure = std::current_exception();
  }
  plan.Enable(tags::kAbout, true);
  plan.Apply();
  if (failure) std::rethrow_exception(failure);
}

}  // namespace corvane::addin
