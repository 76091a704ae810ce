#include "sim/excel/objects/DialogsObject.h"

#include "published/Excel.h"
#include "sim/excel/objects/DialogObject.h"
#include "sim/excel/objects/ExcelObjects.h"

namespace corvane::sim::excel {

const ObjectType<DialogsObject>& DialogsObject::Type() {
  static const ObjectType<DialogsObject> type{
      u"Dialogs",
      {Excel::Dialogs::iid},
      {Get(Excel::Dialogs::Item, u"Item", &DialogsObject::GetItem).Takes(1),
       Get(Excel::Dialogs::Default, u"_Default", &DialogsObject::GetItem).Takes(1)}};
  return type;
}

com::ComPtr<IDispatch> NewDialogsObject(const std::shared_ptr<AppModel>& app) {
  return AsDispatch(com::Make<DialogsObject>(app));
}

com::Variant DialogsObject::GetItem(Args& args) {
  Alive(app_);
  return AsDispatch(com::Make<DialogObject>(app_, args[0].Int()));
}

}  // namespace corvane::sim::excel
