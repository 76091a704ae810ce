#include "addin/PivotLocator.h"

namespace corvane::addin {

excel::ExcelRange ActiveCell(const framework::TExcelApplication& app) { return excel::ExcelRange(app.ActiveCell()); }

excel::ExcelRange CurrentSelection(const framework::TExcelApplication& app) {
  return excel::ExcelRange(app.Selection());
}

excel::ExcelPivotTable LocateTable(const framework::TExcelApplication& app, const excel::ExcelWorksheet& sheet) {
  const std::u16string name = ActiveCell(app).PivotTable().Name();
  return sheet.PivotTables(name);
}

ClickContext LocateClick(framework::TExcelApplication& app) {
  excel::ExcelWorksheet sheet(app.ActiveSheet());
  excel::ExcelRange prior = CurrentSelection(app);
  excel::ExcelPivotTable table = LocateTable(app, sheet);
  return ClickContext{app, std::move(sheet), std::move(prior), std::move(table)};
}

}  // namespace corvane::addin
