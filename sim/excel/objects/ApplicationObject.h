// Excel's Application: the active objects, Union, screen updating, dialogs,
// command bars, version, workbooks, Quit, and the AppEvents connection point.
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/excel/model/AppModel.h"
#include "sim/excel/objects/ExcelSession.h"

namespace corvane::sim::excel {

class ApplicationObject final : public SimObject<ApplicationObject> {
 public:
  explicit ApplicationObject(std::weak_ptr<AppModel> app) : app_(std::move(app)) {}
  static const ObjectType<ApplicationObject>& Type();

 protected:
  std::vector<std::shared_ptr<EventSource>> EventSources() override;

 private:
  com::Variant GetActiveCell(Args& args);
  com::Variant GetActiveSheet(Args& args);
  com::Variant GetActiveWorkbook(Args& args);
  com::Variant GetActiveWindow(Args& args);
  com::Variant GetSelection(Args& args);
  com::Variant Union(Args& args);
  com::Variant GetScreenUpdating(Args& args);
  void PutScreenUpdating(Args& args);
  com::Variant GetDialogs(Args& args);
  com::Variant GetCommandBars(Args& args);
  com::Variant GetComAddIns(Args& args);
  com::Variant GetVersion(Args& args);
  com::Variant Quit(Args& args);
  com::Variant GetWorkbooks(Args& args);
  com::Variant GetSheets(Args& args);
  com::Variant GetName(Args& args);
  com::Variant GetApplication(Args& args);

  // An Office collection the session's maker supplies; fails without one.
  com::Variant FromOffice(const ExcelSession::ObjectMaker& (ExcelSession::*maker)() const, const char16_t* member);
  // A member of the active window; Nothing without one.
  com::Variant FromActiveWindow(com::Variant (*read)(const std::shared_ptr<WindowModel>&));

  std::weak_ptr<AppModel> app_;
};

}  // namespace corvane::sim::excel
