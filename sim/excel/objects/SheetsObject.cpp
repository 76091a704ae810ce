#include "sim/excel/objects/SheetsObject.h"

#include "platform/com/Text.h"
#include "published/Excel.h"
#include "sim/core/Enumeration.h"
#include "sim/excel/objects/ExcelErrors.h"
#include "sim/excel/objects/ExcelObjects.h"

namespace corvane::sim::excel {

const ObjectType<SheetsObject>& SheetsObject::Type() {
  static const ObjectType<SheetsObject> type{
      u"Sheets",
      {Excel::Sheets::iid, Excel::Worksheets::iid},
      {Get(Excel::Sheets::Count, u"Count", &SheetsObject::GetCount),
       Get(Excel::Sheets::Item, u"Item", &SheetsObject::GetItem).Takes(1),
       Get(Excel::Sheets::Default, u"_Default", &SheetsObject::GetItem).Takes(1), NewEnum(&SheetsObject::Enumerate)}};
  return type;
}

com::Variant SheetsObject::GetCount(Args&) { return static_cast<int32_t>(members_().size()); }

// Item(Index): a position from 1 or a sheet name (ignoring case).
com::Variant SheetsObject::GetItem(Args& args) {
  const auto sheets = members_();
  if (args[0].type() == VT_BSTR) {
    const std::u16string name = args[0].Text();
    for (const auto& sheet : sheets) {
      if (com::AsciiEqualNoCase(sheet->name(), name)) return NewSheetObject(sheet);
    }
  } else {
    const int32_t index = args[0].Int();
    if (index >= 1 && static_cast<size_t>(index) <= sheets.size()) return NewSheetObject(sheets[index - 1]);
  }
  throw InvokeError(DISP_E_BADINDEX);
}

com::Variant SheetsObject::Enumerate(Args&) {
  std::vector<com::Variant> items;
  for (const auto& sheet : members_()) items.emplace_back(NewSheetObject(sheet));
  return EnumerateVariants(std::move(items));
}

com::ComPtr<IDispatch> NewSheetsObject(const std::shared_ptr<WorkbookModel>& workbook, bool worksheets_only) {
  const std::weak_ptr<WorkbookModel> weak = workbook;
  return AsDispatch(com::Make<SheetsObject>([weak, worksheets_only] {
    std::vector<std::shared_ptr<SheetModel>> sheets;
    for (const auto& sheet : Alive(weak)->sheets()) {
      if (!worksheets_only || sheet->is_worksheet()) sheets.push_back(sheet);
    }
    return sheets;
  }));
}

com::ComPtr<IDispatch> NewSelectedSheetsObject(const std::shared_ptr<WindowModel>& window) {
  const std::weak_ptr<WindowModel> weak = window;
  return AsDispatch(com::Make<SheetsObject>([weak] { return Alive(weak)->selected_sheets(); }));
}

}  // namespace corvane::sim::excel
