// A collection of sheets: a workbook's Sheets or Worksheets, or a window's
// SelectedSheets. Count and Item by position or name. The member list is
// read anew on every call (through weak references), so the collection
// follows the model.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "sim/core/SimObject.h"
#include "sim/excel/model/WorkbookModel.h"

namespace corvane::sim::excel {

class SheetsObject final : public SimObject<SheetsObject> {
 public:
  using MemberList = std::function<std::vector<std::shared_ptr<SheetModel>>()>;
  explicit SheetsObject(MemberList members) : members_(std::move(members)) {}
  static const ObjectType<SheetsObject>& Type();

 private:
  com::Variant GetCount(Args& args);
  com::Variant GetItem(Args& args);
  com::Variant Enumerate(Args& args);
  MemberList members_;
};

}  // namespace corvane::sim::excel
