#include "workbench/WorkbookBuilder.h"

#include "sim/excel/pivot/PivotTableModel.h"

namespace corvane::workbench {
namespace {

using sim::excel::AppModel;
using sim::excel::SheetKind;
using sim::excel::WorkbookModel;

std::shared_ptr<WorkbookModel> Open(AppModel& app, const WorkbookSpec& spec) {
  std::vector<std::u16string> worksheets;
  for (const auto& sheet : spec.sheets) {
    if (sheet.kind == SheetKind::Worksheet) worksheets.push_back(sheet.name);
  }
  // A workbook has at least one worksheet to open with; chart sheets follow
  // the worksheets.
  if (worksheets.empty()) worksheets.push_back(u"Sheet1");
  auto book = app.OpenWorkbook(spec.name, worksheets);
  for (const auto& sheet : spec.sheets) {
    if (sheet.kind == SheetKind::Chart) book->AddSheet(sheet.name, SheetKind::Chart);
  }
  for (const auto& table : spec.tables) {
    pivot::PivotTableModel::Place(book->FindSheet(table.sheet), spec.records, table.definition);
  }
  return book;
}

// The start selection, or A1 of the first worksheet; selecting raises the
// events through which an add-in learns where the user is.
void SelectStart(AppModel& app, const WorkbookSpec& spec, const std::shared_ptr<WorkbookModel>& book) {
  app.ActivateWorkbook(book);
  StartSelection start{book->sheets().front()->name(), sim::excel::Areas(sim::excel::CellRect::Cell(1, 1))};
  if (spec.start) start = *spec.start;
  const auto sheet = book->FindSheet(start.sheet);
  app.ActivateSheet(sheet);
  app.Select(sheet, start.areas);
}

}  // namespace

void OpenWorkbooks(AppModel& app, const std::vector<WorkbookSpec>& workbooks) {
  std::vector<std::shared_ptr<WorkbookModel>> books;
  for (const auto& spec : workbooks) {
    books.push_back(Open(app, spec));
    SelectStart(app, spec, books.back());
  }
  if (books.size() > 1) SelectStart(app, workbooks.front(), books.front());
}

}  // namespace corvane::workbench
