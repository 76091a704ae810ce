// The add-in's module: its designed toolbar "Corvane AutoFormat XL" with 23
// buttons, the handlers the design names, and the four handlers on Excel's
// application events that keep the buttons in step with the active cell.
#pragma once

#include <string_view>

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/design/TObject.h"
#include "framework/events/TExcelApplication.h"
#include "framework/hosting/TkvxCOMAddInModule.h"

namespace corvane::addin {

class TAddInModule : public framework::TkvxCOMAddInModule {
 public:
  // Streams the design in; a damaged design fails the construction.
  TAddInModule();

  std::string_view ClassName() const override { return "TAddInModule"; }

  framework::TkvxCommandBar& xlCBar() const { return *xlCBar_; }

  // Handlers named by the design.
  void OfficeAddInModuleAddInInitialize(framework::TObject* Sender);
  void kvxCOMAddInModuleAddInStartupComplete(framework::TObject* Sender);
  void OfficeAddInModuleAddInFinalize(framework::TObject* Sender);
  void kvxCBarControls0Click(framework::TObject* Sender);
  void xlCBarControls14Click(framework::TObject* Sender);
  void xlCBarControls19Click(framework::TObject* Sender);

  // Handlers on ExcelApp's events, attached by the initialize handler.
  void ExcelAppWindowActivate(framework::TExcelApplication& ASender, IDispatch* Wb, IDispatch* Wn);
  void ExcelAppSheetActivate(framework::TExcelApplication& ASender, IDispatch* Sh);
  void ExcelAppSheetSelectionChange(framework::TExcelApplication& ASender, IDispatch* Sh, IDispatch* Target);
  void ExcelAppWorkbookBeforeClose(framework::TExcelApplication& ASender, IDispatch* Wb, VARIANT_BOOL& Cancel);

  // Recomputes every button from Excel's active cell; Sheet decides only
  // whether it is a worksheet.
  void UpdateButtons(IDispatch* Sheet);

 private:
  framework::TExcelApplication& Excel() const;
  void UpdateButtonsFromActiveSheet();
  void ShowAbout();

  framework::TkvxCommandBar* xlCBar_ = nullptr;
};

}  // namespace corvane::addin
