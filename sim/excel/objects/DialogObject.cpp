#include "sim/excel/objects/DialogObject.h"

#include "published/Excel.h"
#include "sim/core/Instrumentation.h"
#include "sim/excel/objects/ExcelErrors.h"

namespace corvane::sim::excel {

const ObjectType<DialogObject>& DialogObject::Type() {
  static const ObjectType<DialogObject> type{
      u"Dialog",
      {Excel::Dialog::iid},
      {Method(Excel::Dialog::Show, u"Show", &DialogObject::Show).Takes(Excel::Dialog::ShowArgumentCount)}};
  return type;
}

// Show(Arg1..Arg30): the arguments are ignored; True for OK, False for
// Cancel. Dialogs other than the number format one are not simulated.
com::Variant DialogObject::Show(Args&) {
  const auto app = Alive(app_);
  if (index_ != Excel::xlDialogFormatNumber) throw MethodFailed(u"Show", u"Dialog");
  const bool ok = app->ShowNumberFormatDialog();
  Instrumentation::Instance().log().Record(ok ? "Dialog 42 OK" : "Dialog 42 Cancel");
  return ok;
}

}  // namespace corvane::sim::excel
