#include "addin/TAddInModule.h"

#include <functional>

#include "about/TfrmAbout.h"
#include "addin/ButtonStates.h"
#include "addin/CommandDispatch.h"
#include "addin/CommandTags.h"
#include "addin/excel/ExcelApplication.h"
#include "addin/excel/ExcelPivotTable.h"
#include "addin/excel/ExcelRange.h"
#include "addin/excel/ExcelSheets.h"
#include "addin/excel/ExcelWindow.h"
#include "addin/excel/ExcelWorkbook.h"
#include "addin/excel/ExcelWorksheet.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "framework/design/EmbeddedDesign.h"
#include "platform/com/ComError.h"

CORVANE_DECLARE_DESIGN(TAddInModuleDesign);

namespace corvane::addin {
namespace {

using framework::TExcelApplication;
using namespace std::placeholders;

struct CaptionEntry {
  int tag;
  const char16_t* caption;
};

// In the order the initialize handler sets them.
const CaptionEntry kCaptions[] = {
    {tags::kPagesArea, u"Select page fields area of the selected pivot table"},
    {tags::kHeaderArea, u"Select header of the selected pivot table"},
    {tags::kBlanksArea, u"Select blank area of the selected pivot table"},
    {tags::kOriginArea, u"Select origin of the selected pivot table"},
    {tags::kColumnsArea, u"Select column fields area of the selected pivot table"},
    {tags::kRowsArea, u"Select row fields area of the selected pivot table"},
    {tags::kDataArea, u"Select data fields area of the selected pivot table"},
    {tags::kColumnGrandTotal, u"Select column grand totals area of the selected pivot table"},
    {tags::kRowGrandTotal, u"Select row grand totals area of the selected pivot table"},
    {tags::kSubtotals, u"Select subtotals area of the selected pivot field"},
    {tags::kNextSubtotal, u"Select the next subtotal of the selected pivot field"},
    {tags::kNumberFormat, u"Set number format to the selected pivot field"},
    {tags::kIncreaseDecimal, u"Increase decimal of the selected pivot field"},
    {tags::kDecreaseDecimal, u"Decrease decimal of the selected pivot field"},
    {tags::kCurrency, u"Set currency style to the selected pivot field"},
    {tags::kColumnGrandSwitch, u"Add/remove column grand totals"},
    {tags::kRowGrandSwitch, u"Add/remove row grand totals"},
    {tags::kBestColumnFit, u"Changes the width of the columns of the pivot table to achieve the best fit"},
    {tags::kClearFormat, u"Clear format of the selected pivot table"},
    {tags::kAbout, u"About Corvane"},
    {tags::kWholeTable, u"Select all cells of the selected pivot table"},
    {tags::kBestRowFit, u"Changes the height of the rows of the pivot table to achieve the best fit"},
    {tags::kUpdate, u"Examine format of the selected pivot table"},
};

// The tag a shared copy of the About button carries in the host.
constexpr char16_t kSharedAboutTag[] = u"QZT_SHARED";

framework::TkvxCommandBarButton& ClickedButton(framework::TObject* Sender) {
  auto* button = dynamic_cast<framework::TkvxCommandBarButton*>(Sender);
  if (!button) throw com::ComError(E_INVALIDARG, u"A click arrived from something that is not a toolbar button.");
  return *button;
}

}  // namespace

TAddInModule::TAddInModule() {
  static const framework::DesignHandlers kHandlers = {
      {"OfficeAddInModuleAddInInitialize", &TAddInModule::OfficeAddInModuleAddInInitialize},
      {"kvxCOMAddInModuleAddInStartupComplete", &TAddInModule::kvxCOMAddInModuleAddInStartupComplete},
      {"OfficeAddInModuleAddInFinalize", &TAddInModule::OfficeAddInModuleAddInFinalize},
      {"kvxCBarControls0Click", &TAddInModule::kvxCBarControls0Click},
      {"xlCBarControls14Click", &TAddInModule::xlCBarControls14Click},
      {"xlCBarControls19Click", &TAddInModule::xlCBarControls19Click},
  };
  LoadDesign(designs::TAddInModuleDesign, kHandlers);
  xlCBar_ = dynamic_cast<framework::TkvxCommandBar*>(FindComponent("xlCBar"));
  if (!xlCBar_) throw com::ComError(E_UNEXPECTED, u"The add-in's design has no toolbar \"xlCBar\".");
}

TExcelApplication& TAddInModule::Excel() const {
  if (!ExcelApp()) throw com::ComError(E_UNEXPECTED, u"The add-in is not connected to Excel.");
  return *ExcelApp();
}

void TAddInModule::OfficeAddInModuleAddInInitialize(framework::TObject*) {
  framework::TkvxCommandBarControls& controls = xlCBar_->Controls();
  for (const CaptionEntry& entry : kCaptions) {
    if (auto* control = controls.FindByTag(entry.tag)) control->SetCaption(entry.caption);
  }
  TExcelApplication& excel = Excel();
  excel.OnWindowActivate = std::bind(&TAddInModule::ExcelAppWindowActivate, this, _1, _2, _3);
  excel.OnSheetActivate = std::bind(&TAddInModule::ExcelAppSheetActivate, this, _1, _2);
  excel.OnSheetSelectionChange = std::bind(&TAddInModule::ExcelAppSheetSelectionChange, this, _1, _2, _3);
  excel.OnWorkbookBeforeClose = std::bind(&TAddInModule::ExcelAppWorkbookBeforeClose, this, _1, _2, _3);
  if (StartMode() == framework::kvxStartModeFirstStart) ShowAbout();
}

void TAddInModule::kvxCOMAddInModuleAddInStartupComplete(framework::TObject*) {
  const bool shared = static_cast<bool>(FindControlByTag(xlCBar_->HostBar(), kControlButton, kSharedAboutTag));
  if (auto* about = xlCBar_->Controls().FindByTag(tags::kAbout)) about->SetVisible(!shared);
}

void TAddInModule::OfficeAddInModuleAddInFinalize(framework::TObject*) {
  SetAllEnabled(xlCBar_->Controls(), false);
  if (TExcelApplication* excel = ExcelApp()) {
    excel->OnSheetSelectionChange = nullptr;
    excel->OnWindowActivate = nullptr;
  }
}

void TAddInModule::kvxCBarControls0Click(framework::TObject* Sender) {
  try {
    RunPivotCommand(Excel(), ClickedButton(Sender).Tag());
  } catch (...) {
    // What the commands do not report is dropped; the buttons then show
    // what is possible where the active cell is now.
    try {
      UpdateButtonsFromActiveSheet();
    } catch (...) {
    }
  }
}

void TAddInModule::xlCBarControls14Click(framework::TObject* Sender) {
  framework::TkvxCommandBarButton& button = ClickedButton(Sender);
  const int tag = button.Tag();
  if (tag == tags::kColumnGrandSwitch || tag == tags::kRowGrandSwitch) {
    const bool show = button.State() != framework::kvxMsoButtonDown;
    button.SetState(show ? framework::kvxMsoButtonDown : framework::kvxMsoButtonUp);
    const excel::ExcelPivotTable table = excel::ExcelRange(Excel().ActiveCell()).PivotTable();
    if (tag == tags::kColumnGrandSwitch) {
      table.SetColumnGrand(show);
    } else {
      table.SetRowGrand(show);
    }
  }
  UpdateButtonsFromActiveSheet();
}

void TAddInModule::xlCBarControls19Click(framework::TObject*) { ShowAbout(); }

void TAddInModule::ExcelAppWindowActivate(TExcelApplication&, IDispatch* Wb, IDispatch*) {
  UpdateButtons(excel::ExcelWorkbook(com::ComPtr<IDispatch>(Wb)).ActiveSheet().get());
}

void TAddInModule::ExcelAppSheetActivate(TExcelApplication&, IDispatch* Sh) { UpdateButtons(Sh); }

void TAddInModule::ExcelAppSheetSelectionChange(TExcelApplication&, IDispatch*, IDispatch* Target) {
  const excel::ExcelRange selection{com::ComPtr<IDispatch>(Target)};
  const excel::ExcelApplication application(selection.Application());
  // With sheets grouped the buttons keep their states.
  if (application.ActiveWindow().SelectedSheets().Count() != 1) return;
  UpdateButtons(selection.Worksheet().get());
}

void TAddInModule::ExcelAppWorkbookBeforeClose(TExcelApplication&, IDispatch*, VARIANT_BOOL&) {
  DisableAllButLast(xlCBar_->Controls());
}

void TAddInModule::UpdateButtons(IDispatch* Sheet) { addin::UpdateButtons(xlCBar_->Controls(), Excel(), Sheet); }

void TAddInModule::UpdateButtonsFromActiveSheet() { UpdateButtons(Excel().ActiveSheet().get()); }

void TAddInModule::ShowAbout() { about::ShowAboutBox(this); }

}  // namespace corvane::addin
