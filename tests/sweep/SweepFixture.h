// The world of the sweeps: the add-in's COM server built in this program
// (as the hosting tests have it), loaded by the simulated Office from its
// add-in key, a workbook with the worked example's pivot table, a user who
// answers every box, and an Excel "installed" whose instances this program
// makes, so that even an Excel started by an unregistration counts and
// fails its calls here.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/com/ComPtr.h"
#include "sim/core/ExcelInstallation.h"
#include "sim/excel/pivot/PivotTableModel.h"
#include "tests/hosting/ClassObjectRegistration.h"
#include "tests/hosting/ConnectionFixture.h"
#include "tests/hosting/ExcelOfThisProgram.h"
#include "tests/sweep/CellKind.h"
#include "tests/sweep/SweepPresenter.h"
#include "tests/sweep/SweepWorld.h"

namespace corvane::sweep {

class SweepFixture : public hosting::testing::ConnectionTest, public SweepWorld {
 public:
  SweepFixture();
  ~SweepFixture() override;

  // Back to an add-in never started: no saved bars, only its add-in key.
  void Forget();
  // Excel starts and loads the add-in from its key (switched on first).
  void Start();
  // The same, as the Excel that GetActiveObject finds.
  void StartRunning();
  void Quit();
  // A new workbook with the worked example's table on its first sheet.
  void OpenTable();
  // The user puts the active cell in a place of that kind.
  void Enter(const CellKind& kind);
  // The user clicks the button with the add-in's tag, maybe with Ctrl.
  void Click(int tag, bool ctrl);
  void UnloadByUser();
  void LoadByUser();
  // The installer registers the add-in anew (its add-in key gone first),
  // or unregisters it.
  HRESULT Register();
  HRESULT Unregister();

  sim::excel::AppModel& Model() const;
  const std::shared_ptr<sim::excel::WorkbookModel>& Book() const { return book_; }
  const std::shared_ptr<sim::excel::SheetModel>& TableSheet() const { return sheet_; }

  std::vector<std::string> TakeShown() override { return user_.Take(); }
  void EndRun() override;
  std::string HeldReferences() const override;
  std::string ToolbarFault() override;

 private:
  // Office finds the class from the ProgID, as after a registration.
  static void RestoreProgId();
  std::u16string OfficeTagOf(int tag) const;
  std::string TagCountFault() const;

  std::vector<std::u16string> officeTags_;
  std::optional<sim::excel::ExcelRun> run_;
  com::ComPtr<IDispatch> running_;
  std::shared_ptr<sim::excel::WorkbookModel> book_;
  std::shared_ptr<sim::excel::SheetModel> sheet_;
  std::shared_ptr<sim::excel::pivot::PivotTableModel> table_;
  SweepPresenter user_;
  ui::ScopedPresenter userScope_{user_};
  sim::ExcelInstallation installed_;
  com::ComPtr<framework::testing::ExcelOfThisProgram> excel_;
  std::optional<framework::testing::ClassObjectRegistration> startedHere_;
};

}  // namespace corvane::sweep
