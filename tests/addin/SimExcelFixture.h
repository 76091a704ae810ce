// A simulated Excel with the worked example's pivot table on Sheet1, the
// typed application connected to it through COM, and a scripted presenter
// for the message boxes.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "framework/events/TExcelApplication.h"
#include "platform/com/ComGuard.h"
#include "platform/com/ComObject.h"
#include "platform/com/Text.h"
#include "platform/registry/ScratchRegistry.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/ScriptedPresenter.h"
#include "published/Excel.h"
#include "sim/core/Instrumentation.h"
#include "sim/excel/model/Areas.h"
#include "sim/excel/objects/ExcelStart.h"
#include "sim/excel/pivot/PivotTableModel.h"
#include "tests/sim/pivot/PivotFixtures.h"

namespace corvane::addin {
namespace pivot = sim::excel::pivot;
}

namespace corvane::addin::testing {

// Hands the sim's application events to a TExcelApplication, as the
// module's event sink does.
class EventRelay final : public com::ComObject<IDispatch> {
 public:
  explicit EventRelay(framework::TExcelApplication& app) : app_(app) {}

  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
    return com::GuardFixed(
        S_OK, [&] { app_.InvokeEvent(id, *params); }, [this](std::exception_ptr) { ++errors; });
  }

  int errors = 0;

 protected:
  void* QueryOther(REFIID riid) override {
    return IsEqualIID(riid, Excel::AppEvents::iid) ? static_cast<IDispatch*>(this) : nullptr;
  }

 private:
  framework::TExcelApplication& app_;
};

class SimExcelTest : public ::testing::Test {
 protected:
  SimExcelTest() {
    sim::Instrumentation::Instance().Reset();
    book = run.model->NewWorkbook();
    sheet = book->sheets().front();
    table = pivot::PivotTableModel::Place(sheet, pivot::testing::SalesRecords(), pivot::testing::WorkedExample());
    app.ConnectTo(run.application);
  }
  ~SimExcelTest() override {
    StopEvents();
    app.Disconnect();
  }

  // The user selects cells of the active sheet; the active cell is the first
  // one unless given.
  void Select(const char* address, const char* active = nullptr) {
    std::optional<sim::excel::CellRef> cell;
    if (active) cell = Rect(active).first();
    run.model->Select(run.model->active_sheet(), sim::excel::Areas(*sim::excel::ParseAddress(Utf16(address))), cell);
  }
  std::string Selected() const { return com::Utf16ToUtf8(run.model->selection()->areas.Address()); }
  std::string ActiveCellAddress() const {
    return com::Utf16ToUtf8(sim::excel::AddressOf(sim::excel::CellRect::Cell(
        run.model->selection()->active_cell.row, run.model->selection()->active_cell.column)));
  }
  const pivot::PivotLayout& Layout() const { return table->layout(); }

  // A second table on the same sheet, right of the first.
  std::shared_ptr<pivot::PivotTableModel> PlaceSecondTable() {
    pivot::PivotDefinition d = pivot::testing::WorkedExample();
    d.name = u"PivotTable2";
    d.destination = {1, 8};  // H1
    d.page_fields.clear();
    d.row_fields = {u"Region"};
    d.column_fields = {u"Product"};
    return pivot::PivotTableModel::Place(sheet, pivot::testing::SalesRecords(), d);
  }

  // Excel's application events reach `app` from now on.
  void RelayEvents() {
    relay = com::Make<EventRelay>(app);
    auto container = run.application.try_query<IConnectionPointContainer>();
    ASSERT_TRUE(container);
    ASSERT_EQ(container->FindConnectionPoint(Excel::AppEvents::iid, point.put()), S_OK);
    ASSERT_EQ(point->Advise(relay.get(), &cookie), S_OK);
  }
  void StopEvents() {
    if (point) point->Unadvise(cookie);
    point.reset();
  }

  static std::u16string Utf16(const char* text) { return com::Utf8ToUtf16(text); }
  static sim::excel::CellRect Rect(const char* address) { return sim::excel::ParseAddress(Utf16(address))->front(); }

  // The module writes its start mode and records; none of it may reach the
  // user's own registry.
  registry::ScratchRegistry scratch;
  sim::excel::ExcelRun run = sim::excel::StartExcel();
  std::shared_ptr<sim::excel::WorkbookModel> book;
  std::shared_ptr<sim::excel::SheetModel> sheet;
  std::shared_ptr<pivot::PivotTableModel> table;
  framework::TExcelApplication app;
  ui::ScriptedPresenter presenter;
  ui::ScopedPresenter presenterScope{presenter};
  com::ComPtr<EventRelay> relay;
  com::ComPtr<IConnectionPoint> point;
  DWORD cookie = 0;
};

}  // namespace corvane::addin::testing
