#include "sim/excel/objects/ExcelStart.h"

#include <vector>

#include "sim/core/ApplicationFactory.h"
#include "sim/core/RunningRegistration.h"
#include "sim/excel/objects/ExcelObjects.h"

namespace corvane::sim::excel {
namespace {

std::vector<std::function<void(ExcelRun&)>>& StartHooks() {
  static std::vector<std::function<void(ExcelRun&)>> hooks;
  return hooks;
}

struct RunningExcel {
  std::shared_ptr<AppModel> model;
  RunningRegistration registration;
};

std::vector<std::unique_ptr<RunningExcel>>& Running() {
  static std::vector<std::unique_ptr<RunningExcel>> running;
  return running;
}

void Forget(const AppModel* model) {
  // Moved out first: revoking releases the table's reference to the
  // application, which must not happen while the list is being edited.
  std::vector<std::unique_ptr<RunningExcel>> gone;
  auto& running = Running();
  for (auto it = running.begin(); it != running.end();) {
    if ((*it)->model.get() == model) {
      gone.push_back(std::move(*it));
      it = running.erase(it);
    } else {
      ++it;
    }
  }
}

// Registered on load, so that the in-process server starts this Excel.
const bool kFactoryInstalled = [] {
  if (!HasApplicationFactory()) SetApplicationFactory(&StartRunningExcel);
  return true;
}();

}  // namespace

void AddStartHook(std::function<void(ExcelRun&)> hook) { StartHooks().push_back(std::move(hook)); }

ExcelRun StartExcel() {
  ExcelRun run;
  run.model = AppModel::Create();
  run.session = ExcelSession::Attach(run.model);
  run.session->open_main_window();
  run.application = NewApplicationObject(run.model);
  for (const auto& hook : StartHooks()) hook(run);
  return run;
}

com::ComPtr<IDispatch> StartRunningExcel() {
  ExcelRun run = StartExcel();
  auto entry = std::make_unique<RunningExcel>();
  entry->model = run.model;
  entry->registration = RunningRegistration(run.application.get(), kExcelApplicationClsid);
  const AppModel* key = run.model.get();
  run.model->AddQuitHook([key] { Forget(key); });
  Running().push_back(std::move(entry));
  return run.application;
}

size_t RunningExcelCount() { return Running().size(); }

}  // namespace corvane::sim::excel
