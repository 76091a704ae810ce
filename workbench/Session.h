// One workbench session: the data folder with its registry and Office
// data, the simulated Excel installed there, Corvane registered there and
// loaded by the simulated Office from the registry, the workbooks opened,
// and the presenter and call trace that the screen shows.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/DialogAnswerer.h"
#include "platform/ui/Presenter.h"
#include "sim/core/ExcelInstallation.h"
#include "sim/excel/objects/ExcelStart.h"
#include "workbench/BoxRecorder.h"
#include "workbench/CallTrace.h"
#include "workbench/DataFolder.h"
#include "workbench/WorkbookPlan.h"

namespace corvane::sim::office {
class Bar;
class CommandBarSet;
class OfficeHost;
struct AddInEntry;
}  // namespace corvane::sim::office

namespace corvane::workbench {

struct SessionConfig {
  std::filesystem::path data;
  std::u16string library;
  std::vector<WorkbookPlan> workbooks;
};

class Session {
 public:
  explicit Session(SessionConfig config);
  // Quits a running Excel (the add-in's shutdown runs).
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Registers Corvane when needed, starts Excel (Office loads its add-ins)
  // and opens the workbooks.
  void Start();
  // Excel's own quit: the add-in's OnBeginShutdown and OnDisconnection, the
  // bars saved. False when a workbook refused to close.
  bool Quit();
  void Restart();
  bool running() const { return run_.has_value(); }

  // Only while running (std::logic_error otherwise).
  sim::excel::AppModel& app() const;
  const sim::excel::ExcelRun& run() const;
  std::shared_ptr<sim::office::OfficeHost> office() const;
  std::shared_ptr<sim::office::CommandBarSet> bars() const;
  // Corvane's toolbar; null when it is not there.
  std::shared_ptr<sim::office::Bar> toolbar() const;
  // Corvane as the COM Add-ins dialog lists it; null when Office has no key for it.
  std::shared_ptr<sim::office::AddInEntry> addIn() const;
  // The COM Add-ins dialog's check box.
  void Unload();
  bool Load();

  // Asked for Excel's number format dialog when no answer was queued; kept
  // across restarts.
  void set_number_format_asker(sim::excel::AppModel::NumberFormatAsker asker);

  BoxRecorder& boxes() { return boxes_; }
  const BoxRecorder& boxes() const { return boxes_; }
  CallTrace& calls() { return calls_; }
  const DataFolder& data() const { return data_; }
  // What happened on the way (registration, start, quit), each once.
  std::vector<std::string> TakeNotes();
  // The host's event log since the last call.
  std::vector<std::string> TakeEvents();

 private:
  void Note(std::string text) { notes_.push_back(std::move(text)); }
  void NoteAddInEvents();

  SessionConfig config_;
  DataFolder data_;
  sim::ExcelInstallation installation_;
  BoxRecorder boxes_;
  ui::ScopedPresenter presenterScope_{boxes_};
  // The boxes the add-in library shows through the system itself (Windows).
  ui::DialogAnswerer systemBoxes_{[this](const ui::SeenDialog& seen) { return boxes_.AnswerSystemBox(seen); }};
  CallTrace calls_;
  std::optional<sim::excel::ExcelRun> run_;
  sim::excel::AppModel::NumberFormatAsker numberFormatAsker_;
  std::vector<std::string> notes_;
  size_t eventMark_ = 0;
  size_t addInMark_ = 0;
};

}  // namespace corvane::workbench
