#include "workbench/Session.h"

#include <stdexcept>

#include "platform/com/Text.h"
#include "sim/core/Instrumentation.h"
#include "sim/office/OfficeHost.h"
#include "sim/office/OfficeStart.h"
#include "sim/office/model/CommandBarSet.h"
#include "workbench/AddInRegistration.h"
#include "workbench/WorkbookBuilder.h"

namespace corvane::workbench {
namespace {

sim::EventLog& Log() { return sim::Instrumentation::Instance().log(); }

}  // namespace

Session::Session(SessionConfig config) : config_(std::move(config)), data_(config_.data) {
  eventMark_ = addInMark_ = Log().Mark();
}

Session::~Session() {
  try {
    Quit();
  } catch (const std::exception&) {
    // Nothing is left to tell; the run goes with its model.
  }
}

void Session::Start() {
  if (running()) throw std::logic_error("Excel is running already");
  if (EnsureRegistered(config_.library)) {
    Note("Registered Corvane (" + com::Utf16ToUtf8(config_.library) + ") in " + data_.root().string());
  }
  run_ = sim::excel::StartExcel();
  run_->model->set_number_format_asker(numberFormatAsker_);
  NoteAddInEvents();
  OpenWorkbooks(*run_->model, config_.workbooks);
}

bool Session::Quit() {
  if (!running()) return true;
  if (!run_->model->Quit()) return false;
  run_.reset();
  NoteAddInEvents();
  return true;
}

void Session::Restart() {
  if (!Quit()) throw std::runtime_error("a workbook refused to close: Excel keeps running");
  Start();
}

void Session::set_number_format_asker(sim::excel::AppModel::NumberFormatAsker asker) {
  numberFormatAsker_ = std::move(asker);
  if (running()) run_->model->set_number_format_asker(numberFormatAsker_);
}

sim::excel::AppModel& Session::app() const { return *run().model; }

const sim::excel::ExcelRun& Session::run() const {
  if (!run_) throw std::logic_error("Excel is not running");
  return *run_;
}

std::shared_ptr<sim::office::OfficeHost> Session::office() const { return sim::office::OfficeOf(run()); }

std::shared_ptr<sim::office::CommandBarSet> Session::bars() const {
  const auto host = office();
  return host ? host->bars() : nullptr;
}

std::shared_ptr<sim::office::Bar> Session::toolbar() const {
  const auto set = bars();
  return set ? set->Find(kToolbarName) : nullptr;
}

std::shared_ptr<sim::office::AddInEntry> Session::addIn() const {
  const auto host = office();
  return host ? host->addIns().Find(kAddInProgId) : nullptr;
}

void Session::Unload() {
  const auto entry = addIn();
  if (!entry) throw std::runtime_error("Corvane is not in the COM Add-ins list");
  office()->addIns().UnloadByUser(entry);
  NoteAddInEvents();
}

bool Session::Load() {
  const auto entry = addIn();
  if (!entry) throw std::runtime_error("Corvane is not in the COM Add-ins list");
  const bool connected = office()->addIns().ConnectByUser(entry, run().application.get());
  NoteAddInEvents();
  if (!connected) Note("Corvane did not connect: " + com::Utf16ToUtf8(entry->failure));
  return connected;
}

// Office's own account of the add-in's life, as notes.
void Session::NoteAddInEvents() {
  const auto entries = Log().Since(addInMark_);
  addInMark_ = Log().Mark();
  for (const auto& entry : entries) {
    if (entry.rfind("AddIn.", 0) == 0) Note("Office: " + entry);
  }
}

std::vector<std::string> Session::TakeNotes() {
  std::vector<std::string> taken;
  taken.swap(notes_);
  return taken;
}

std::vector<std::string> Session::TakeEvents() {
  auto entries = Log().Since(eventMark_);
  eventMark_ = Log().Mark();
  return entries;
}

}  // namespace corvane::workbench
