#include "sim/excel/objects/DialogsObject.h"

#include "sim/excel/objects/DialogObject.h"
#include "sim/excel/objects/ExcelIids.h"
#include "sim/excel/objects/ExcelObjects.h"

namespace corvane::sim::excel {

const ObjectType<DialogsObject>& DialogsObject::Type() {
  static const ObjectType<DialogsObject> type{
      u"Dialogs",
      {kDialogsIid},
      {Get(0xAA, u"Item", &DialogsObject::GetItem).Takes(1), Get(0x0, u"_Default", &DialogsObject::GetItem).Takes(1)}};
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
