// Excel's Workbook over the workbook model.
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/excel/model/WorkbookModel.h"

namespace corvane::sim::excel {

class WorkbookObject final : public SimObject<WorkbookObject> {
 public:
  explicit WorkbookObject(std::weak_ptr<WorkbookModel> workbook) : workbook_(std::move(workbook)) {}
  static const ObjectType<WorkbookObject>& Type();

 private:
  com::Variant GetName(Args& args);
  com::Variant GetActiveSheet(Args& args);
  com::Variant GetSheets(Args& args);
  com::Variant GetWorksheets(Args& args);
  com::Variant GetSaved(Args& args);
  void PutSaved(Args& args);
  com::Variant Activate(Args& args);
  com::Variant Close(Args& args);
  com::Variant Save(Args& args);
  com::Variant GetApplication(Args& args);

  std::shared_ptr<AppModel> App();

  std::weak_ptr<WorkbookModel> workbook_;
};

}  // namespace corvane::sim::excel
