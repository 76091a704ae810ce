// What worksheets and chart sheets answer alike: name, position, parent
// workbook, application, activation.
#pragma once

#include <memory>

#include "platform/com/Variant.h"
#include "sim/excel/model/SheetModel.h"

namespace corvane::sim::excel::sheet_members {

com::Variant Name(const std::weak_ptr<SheetModel>& sheet);
com::Variant Index(const std::weak_ptr<SheetModel>& sheet);
com::Variant Parent(const std::weak_ptr<SheetModel>& sheet);
com::Variant Application(const std::weak_ptr<SheetModel>& sheet);
com::Variant Activate(const std::weak_ptr<SheetModel>& sheet);

}  // namespace corvane::sim::excel::sheet_members
