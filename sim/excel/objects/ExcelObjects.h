// Wrappers for the Excel model, made when a client asks for one. Each holds
// its model weakly; none keeps another alive.
#pragma once

#include <memory>
#include <optional>

#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"
#include "platform/com/com.h"
#include "sim/excel/model/AppModel.h"

namespace corvane::sim::excel {

// A new wrapper handed out as IDispatch.
template <class T>
com::ComPtr<IDispatch> AsDispatch(com::ComPtr<T> object) {
  return com::ComPtr<IDispatch>::adopt(object.detach());
}

com::ComPtr<IDispatch> NewApplicationObject(const std::shared_ptr<AppModel>& app);
com::ComPtr<IDispatch> NewWorkbooksObject(const std::shared_ptr<AppModel>& app);
com::ComPtr<IDispatch> NewWorkbookObject(const std::shared_ptr<WorkbookModel>& workbook);
// The workbook's sheets; worksheets_only for its Worksheets collection.
com::ComPtr<IDispatch> NewSheetsObject(const std::shared_ptr<WorkbookModel>& workbook, bool worksheets_only);
// A worksheet or a chart sheet, as the sheet is.
com::ComPtr<IDispatch> NewSheetObject(const std::shared_ptr<SheetModel>& sheet);
com::ComPtr<IDispatch> NewSelectedSheetsObject(const std::shared_ptr<WindowModel>& window);
com::ComPtr<IDispatch> NewWindowObject(const std::shared_ptr<WindowModel>& window);
// What Window and Application answer alike for a window: its active cell
// (Nothing on a chart sheet), selection, active sheet.
com::Variant ActiveCellOf(const std::shared_ptr<WindowModel>& window);
com::Variant SelectionOf(const std::shared_ptr<WindowModel>& window);
com::Variant ActiveSheetOf(const std::shared_ptr<WindowModel>& window);
com::ComPtr<IDispatch> NewRangeObject(const std::shared_ptr<SheetModel>& sheet, const Areas& areas);
// The areas of a range, each a Range of its own.
com::ComPtr<IDispatch> NewAreasObject(const std::shared_ptr<SheetModel>& sheet, const Areas& areas);
com::ComPtr<IDispatch> NewDialogsObject(const std::shared_ptr<AppModel>& app);

// The sheet and areas of a Range this sim made; nothing for other objects.
struct RangeParts {
  std::shared_ptr<SheetModel> sheet;
  Areas areas;
};
std::optional<RangeParts> RangePartsOf(IDispatch* object);

// The application a model object belongs to; HostError-free: null when gone.
std::shared_ptr<AppModel> AppOf(const std::shared_ptr<SheetModel>& sheet);

}  // namespace corvane::sim::excel
