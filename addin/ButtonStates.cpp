#include "addin/ButtonStates.h"

#include "addin/CommandTags.h"
#include "addin/PivotLocator.h"
#include "addin/excel/ExcelPivotField.h"
#include "addin/excel/ExcelPivotTable.h"
#include "addin/excel/ExcelWorksheet.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "platform/com/ComError.h"

namespace corvane::addin {
namespace {

const int kFormatTags[] = {tags::kNumberFormat, tags::kIncreaseDecimal, tags::kDecreaseDecimal, tags::kCurrency};

void SetEnabled(framework::TkvxCommandBarControls& controls, int tag, bool enabled) {
  if (auto* control = controls.FindByTag(tag)) control->SetEnabled(enabled);
}

void SetPressed(framework::TkvxCommandBarControls& controls, int tag, bool pressed) {
  if (auto* button = dynamic_cast<framework::TkvxCommandBarButton*>(controls.FindByTag(tag)))
    button->SetState(pressed ? framework::kvxMsoButtonDown : framework::kvxMsoButtonUp);
}

// A grand total's selection button follows it, and its switch shows it.
void ShowGrandTotal(framework::TkvxCommandBarControls& controls, bool shown, int selectTag, int switchTag) {
  SetEnabled(controls, selectTag, shown);
  SetPressed(controls, switchTag, shown);
}

bool OnDataField(const framework::TExcelApplication& app) {
  try {
    ActiveCell(app).PivotField().NumberFormat();
    return true;
  } catch (const com::ComError&) {
    return false;
  }
}

// Steps 1 to 5 of the state rules.
void DeriveStates(framework::TkvxCommandBarControls& controls, const framework::TExcelApplication& app,
                  IDispatch* sheet) {
  if (!excel::ExcelWorksheet::IsWorksheet(sheet)) return SetAllEnabled(controls, false);
  excel::ExcelPivotTable table;
  try {
    table = ActiveCell(app).PivotTable();
  } catch (const com::ComError&) {
    return SetAllEnabled(controls, false);
  }
  SetAllEnabled(controls, true);
  ShowGrandTotal(controls, table.ColumnGrand(), tags::kColumnGrandTotal, tags::kColumnGrandSwitch);
  ShowGrandTotal(controls, table.RowGrand(), tags::kRowGrandTotal, tags::kRowGrandSwitch);
  const bool onData = OnDataField(app);
  for (int tag : kFormatTags) SetEnabled(controls, tag, onData);
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
  try {
    DeriveStates(controls, app, sheet);
  } catch (...) {
    SetEnabled(controls, tags::kAbout, true);
    throw;
  }
  SetEnabled(controls, tags::kAbout, true);
}

}  // namespace corvane::addin
