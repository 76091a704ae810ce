#include "workbench/WorkbookBuilder.h"

#include "sim/excel/pivot/PivotTableModel.h"

namespace corvane::workbench {
namespace {

using sim::excel::AppModel;
using sim::excel::SheetKind;
using sim::excel::WorkbookModel;

std::shared_ptr<WorkbookModel> Open(AppModel& app, const WorkbookPlan& plan) {
  std::vector<std::u16string> worksheets;
  for (const auto& sheet : plan.sheets) {
    if (sheet.kind == SheetKind::Worksheet) worksheets.push_back(sheet.name);
  }
  // A workbook has at least one worksheet to open with; chart sheets follow
  // the worksheets.
  if (worksheets.empty()) worksheets.push_back(u"Sheet1");
  auto book = app.OpenWorkbook(plan.name, worksheets);
  for (const auto& sheet : plan.sheets) {
    if (sheet.kind == SheetKind::Chart) book->AddSheet(sheet.name, SheetKind::Chart);
  }
  for (const auto& table : plan.tables) {
    pivot::PivotTableModel::Place(book->FindSheet(table.sheet), plan.records, table.definition);
  }
  return book;
}

// The start selection, or A1 of the first worksheet; selecting raises the
// events through which an add-in learns where the user is.
void SelectStart(AppModel& app, const WorkbookPlan& plan, const std::shared_ptr<WorkbookModel>& book) {
  app.ActivateWorkbook(book);
  StartSelection start{book->sheets().front()->name(), sim::excel::Areas(sim::excel::CellRect::Cell(1, 1))};
  if (plan.start) start = *plan.start;
  const auto sheet = book->FindSheet(start.sheet);
  app.ActivateSheet(sheet);
  app.Select(sheet, start.areas);
}

}  // namespace

void OpenWorkbooks(AppModel& app, const std::vector<WorkbookPlan>& workbooks) {
  std::vector<std::shared_ptr<WorkbookModel>> books;
  for (const auto& plan : workbooks) {
    books.push_back(Open(app, plan));
    SelectStart(app, plan, books.back());
  }
  if (books.size() > 1) SelectStart(app, workbooks.front(), books.front());
}

}  // namespace corvane::workbench
