// Starting a simulated Excel. A test may own a run directly (StartExcel);
// "Excel.Application" started through the in-process server is a running
// Excel: kept alive and entered in the running object table until Quit, as
// the real process lives until it quits.
#pragma once

#include <functional>
#include <memory>

#include "platform/com/ComPtr.h"
#include "sim/excel/model/AppModel.h"
#include "sim/excel/objects/ExcelSession.h"

namespace corvane::sim::excel {

struct ExcelRun {
  std::shared_ptr<AppModel> model;
  std::shared_ptr<ExcelSession> session;
  com::ComPtr<IDispatch> application;
};

// A new Excel with its session attached and the start hooks run.
ExcelRun StartExcel();

// Hooks run on every start, in order (the Office half attaches its command
// bars and loads the add-ins here).
void AddStartHook(std::function<void(ExcelRun&)> hook);

// The server's path: a running Excel, found by GetActiveObject until it
// quits. This is the application factory the sim registers on load.
com::ComPtr<IDispatch> StartRunningExcel();
// How many Excel runs started through StartRunningExcel have not quit.
size_t RunningExcelCount();

}  // namespace corvane::sim::excel
