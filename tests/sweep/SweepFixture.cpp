#include "tests/sweep/SweepFixture.h"

#include <filesystem>
#include <stdexcept>

#include "addin/TAddInModule.h"
#include "framework/hosting/GuidText.h"
#include "platform/com/ComObject.h"
#include "platform/com/Dispatch.h"
#include "platform/registry/Registry.h"
#include "sim/core/ApplicationFactory.h"
#include "sim/core/Instrumentation.h"
#include "sim/excel/model/AppModel.h"
#include "sim/excel/model/Areas.h"
#include "sim/office/OfficeHost.h"
#include "sim/office/OfficeStart.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "sim/office/objects/Clicks.h"
#include "tests/sim/pivot/PivotFixtures.h"

namespace corvane::sweep {
namespace {

constexpr DISPID kApplicationQuit = 0x12E;
constexpr int kButtons = 23;

namespace pivot = sim::excel::pivot;
using hosting::testing::kToolbar;

}  // namespace

SweepFixture::SweepFixture() : excel_(com::Make<framework::testing::ExcelOfThisProgram>()) {
  startedHere_.emplace(sim::kExcelApplicationClsid, excel_.get());
  const addin::TAddInModule design;
  for (int tag = 0; tag < kButtons; ++tag) {
    officeTags_.push_back(design.xlCBar().Controls().FindByTag(tag)->OfficeTag());
  }
}

SweepFixture::~SweepFixture() { EndRun(); }

void SweepFixture::Forget() {
  EndRun();
  std::filesystem::remove(data.bars());
  registry::Registry user(HKEY_CURRENT_USER);
  if (user.KeyExists(hosting::testing::kAddInKey)) user.DeleteKey(hosting::testing::kAddInKey);
  WriteAddInKey();
}

void SweepFixture::Start() {
  EndRun();
  RestoreProgId();
  WriteAddInKey();
  run_ = sim::excel::StartExcel();
}

void SweepFixture::StartRunning() {
  EndRun();
  RestoreProgId();
  WriteAddInKey();
  running_ = sim::excel::StartRunningExcel();
}

void SweepFixture::Quit() {
  if (run_ && !run_->model->has_quit()) run_->model->Quit();
  running_ = nullptr;
  // The Excel found running: ours, or one an unregistration started and
  // could not tell to quit (the host refused the call), which still runs.
  com::ComPtr<IUnknown> active;
  if (GetActiveObject(sim::kExcelApplicationClsid, nullptr, active.put()) != S_OK) return;
  com::ComPtr<IDispatch> application;
  if (active->QueryInterface(IID_IDispatch, application.put_void()) == S_OK) {
    active = nullptr;
    com::Dispatch(application).Call(kApplicationQuit);
  }
}

void SweepFixture::EndRun() {
  Quit();
  table_.reset();
  sheet_.reset();
  book_.reset();
  run_.reset();
  running_ = nullptr;
}

sim::excel::AppModel& SweepFixture::Model() const { return *run_->model; }

void SweepFixture::OpenTable() {
  book_ = Model().NewWorkbook();
  sheet_ = book_->sheets().front();
  table_ = pivot::PivotTableModel::Place(sheet_, pivot::testing::SalesRecords(), pivot::testing::WorkedExample());
  // The user's answer whenever Excel's number format dialog opens.
  Model().set_number_format_asker([](const std::u16string&) { return std::optional<std::u16string>(u"0.0"); });
}

void SweepFixture::Enter(const CellKind& kind) {
  if (!kind.address) {
    Model().ActivateSheet(Model().AddSheet(book_, u"Chart1", sim::excel::SheetKind::Chart));
    return;
  }
  Model().ActivateSheet(sheet_);
  Model().Select(sheet_, sim::excel::Areas(*sim::excel::ParseAddress(com::Utf8ToUtf16(kind.address))));
}

void SweepFixture::Click(int tag, bool ctrl) {
  const auto bars = sim::office::OfficeOf(*run_)->bars();
  const auto tagged = bars->ControlsTagged(OfficeTagOf(tag));
  if (tagged.empty()) throw std::logic_error("no button of tag " + std::to_string(tag) + " to click");
  sim::office::ClickControl(bars, tagged.front(), ctrl);
}

void SweepFixture::UnloadByUser() { sim::office::OfficeOf(*run_)->addIns().UnloadByUser(Entry(*run_)); }

void SweepFixture::LoadByUser() {
  sim::office::OfficeOf(*run_)->addIns().ConnectByUser(Entry(*run_), run_->application.get());
}

HRESULT SweepFixture::Register() {
  EndRun();
  registry::Registry user(HKEY_CURRENT_USER);
  if (user.KeyExists(hosting::testing::kAddInKey)) user.DeleteKey(hosting::testing::kAddInKey);
  return server.RegisterServer();
}

HRESULT SweepFixture::Unregister() { return server.UnregisterServer(); }

void SweepFixture::RestoreProgId() {
  registry::Registry classes(HKEY_CLASSES_ROOT);
  if (classes.OpenKey(u"\\" + std::u16string(hosting::testing::kProgId) + u"\\CLSID", true)) {
    classes.WriteString(u"", framework::GuidText(addin::kEaCVFMClassId));
  }
}

std::u16string SweepFixture::OfficeTagOf(int tag) const { return officeTags_.at(static_cast<size_t>(tag)); }

std::string SweepFixture::HeldReferences() const {
  const sim::Instrumentation& instrumentation = sim::Instrumentation::Instance();
  if (instrumentation.OutstandingReferences() == 0) return {};
  return "still held once Excel quit: " + instrumentation.LiveReport();
}

std::string SweepFixture::ToolbarFault() {
  // An unregistration that failed leaves the add-in switched to removing
  // itself; the user's next installation starts it normally.
  if (StoredStartMode() == u"UNINSTALL") StoreStartMode(u"NORMAL");
  Start();
  TakeShown();  // the About box of a start still taken for the first
  std::string fault = TagCountFault();
  EndRun();
  return fault;
}

std::string SweepFixture::TagCountFault() const {
  const auto bars = sim::office::OfficeOf(*run_)->bars();
  size_t toolbars = 0;
  for (const auto& bar : bars->Bars()) toolbars += bar->props().name == kToolbar;
  if (toolbars != 1) return "a fresh start has " + std::to_string(toolbars) + " toolbars";
  for (int tag = 0; tag < kButtons; ++tag) {
    size_t live = 0;
    for (const auto& control : bars->ControlsTagged(OfficeTagOf(tag))) live += control->live();
    if (live != 1) return "a fresh start has button " + std::to_string(tag) + " " + std::to_string(live) + " times";
  }
  return {};
}

}  // namespace corvane::sweep
