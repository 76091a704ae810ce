#include "sim/excel/objects/WorkbooksObject.h"

#include "platform/com/Text.h"
#include "published/Excel.h"
#include "sim/core/Enumeration.h"
#include "sim/excel/objects/ExcelObjects.h"

namespace corvane::sim::excel {

const ObjectType<WorkbooksObject>& WorkbooksObject::Type() {
  static const ObjectType<WorkbooksObject> type{
      u"Workbooks",
      {Excel::Workbooks::iid},
      {Get(Excel::Workbooks::Count, u"Count", &WorkbooksObject::GetCount),
       Get(Excel::Workbooks::Item, u"Item", &WorkbooksObject::GetItem).Takes(1),
       Get(Excel::Workbooks::Default, u"_Default", &WorkbooksObject::GetItem).Takes(1),
       Method(Excel::Workbooks::Add, u"Add", &WorkbooksObject::Add).Takes(1), NewEnum(&WorkbooksObject::Enumerate)}};
  return type;
}

com::ComPtr<IDispatch> NewWorkbooksObject(const std::shared_ptr<AppModel>& app) {
  return AsDispatch(com::Make<WorkbooksObject>(app));
}

com::Variant WorkbooksObject::GetCount(Args&) { return static_cast<int32_t>(Alive(app_)->workbooks().size()); }

com::Variant WorkbooksObject::GetItem(Args& args) {
  const auto& workbooks = Alive(app_)->workbooks();
  if (args[0].type() == VT_BSTR) {
    const std::u16string name = args[0].Text();
    for (const auto& workbook : workbooks) {
      if (com::AsciiEqualNoCase(workbook->name(), name)) return NewWorkbookObject(workbook);
    }
  } else {
    const int32_t index = args[0].Int();
    if (index >= 1 && static_cast<size_t>(index) <= workbooks.size()) return NewWorkbookObject(workbooks[index - 1]);
  }
  throw InvokeError(DISP_E_BADINDEX);
}

com::Variant WorkbooksObject::Enumerate(Args&) {
  std::vector<com::Variant> items;
  for (const auto& workbook : Alive(app_)->workbooks()) items.emplace_back(NewWorkbookObject(workbook));
  return EnumerateVariants(std::move(items));
}

com::Variant WorkbooksObject::Add(Args&) { return NewWorkbookObject(Alive(app_)->NewWorkbook()); }

}  // namespace corvane::sim::excel
