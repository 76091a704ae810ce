#include "sim/excel/objects/SheetMembers.h"

#include <algorithm>

#include "sim/core/HostError.h"
#include "sim/excel/model/WorkbookModel.h"
#include "sim/excel/objects/ExcelObjects.h"

namespace corvane::sim::excel::sheet_members {
namespace {

std::shared_ptr<WorkbookModel> WorkbookOf(const std::weak_ptr<SheetModel>& sheet) {
  auto workbook = Alive(sheet)->workbook();
  if (!workbook) throw InvokeError(kDisconnected);
  return workbook;
}

}  // namespace

com::Variant Name(const std::weak_ptr<SheetModel>& sheet) { return Alive(sheet)->name(); }

com::Variant Index(const std::weak_ptr<SheetModel>& sheet) {
  const auto model = Alive(sheet);
  const auto& sheets = WorkbookOf(sheet)->sheets();
  return static_cast<int32_t>(std::find(sheets.begin(), sheets.end(), model) - sheets.begin() + 1);
}

com::Variant Parent(const std::weak_ptr<SheetModel>& sheet) { return NewWorkbookObject(WorkbookOf(sheet)); }

com::Variant Application(const std::weak_ptr<SheetModel>& sheet) {
  const auto app = WorkbookOf(sheet)->app();
  if (!app) throw InvokeError(kDisconnected);
  return NewApplicationObject(app);
}

com::Variant Activate(const std::weak_ptr<SheetModel>& sheet) {
  const auto model = Alive(sheet);
  const auto app = WorkbookOf(sheet)->app();
  if (!app) throw InvokeError(kDisconnected);
  app->ActivateSheet(model);
  return true;
}

}  // namespace corvane::sim::excel::sheet_members
