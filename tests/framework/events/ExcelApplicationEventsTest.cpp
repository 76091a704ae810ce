// The module's ExcelApp gets Excel's events once the module recognised its
// host: through the module's own event component and dispatcher, so the
// tools' handlers run on the user's actions, their exceptions go to
// HandleError, and releasing the host stops the events and lets go of
// every reference.
#include <gtest/gtest.h>

#include "framework/events/TExcelApplication.h"
#include "framework/events/TExcelApplicationEvents.h"
#include "sim/excel/model/Address.h"
#include "tests/framework/events/EventsFixture.h"

namespace corvane::framework::testing {
namespace {

class ExcelApplicationEventsTest : public ::testing::Test {
 protected:
  ExcelApplicationEventsTest() {
    sim::Instrumentation::Instance().Reset();
    book = run.model->NewWorkbook();
    module->SetHostApp(run.application);
    module->DetectHost();
  }

  registry::ScratchRegistry scratch;
  ui::ScriptedPresenter presenter;
  ui::ScopedPresenter scope{presenter};
  sim::excel::ExcelRun run = sim::excel::StartExcel();
  std::unique_ptr<TTestModule> module = std::make_unique<TTestModule>();
  ErrorLog errors{*module};
  std::shared_ptr<sim::excel::WorkbookModel> book;
};

TEST_F(ExcelApplicationEventsTest, TheToolsHandlersRunOnTheUsersActions) {
  TExcelApplication* excel = module->ExcelApp();
  ASSERT_NE(excel, nullptr);
  std::vector<std::string> seen;
  excel->OnSheetSelectionChange = [&](TExcelApplication& sender, IDispatch* Sh, IDispatch* Target) {
    EXPECT_EQ(&sender, excel);
    seen.push_back("selection " + DescribeObject(Sh) + " " + DescribeObject(Target));
  };
  excel->OnSheetActivate = [&](TExcelApplication&, IDispatch* Sh) { seen.push_back("sheet " + DescribeObject(Sh)); };
  excel->OnWorkbookActivate = [&](TExcelApplication&, IDispatch* Wb) { seen.push_back("book " + DescribeObject(Wb)); };
  excel->OnWorkbookBeforeClose = [&](TExcelApplication&, IDispatch* Wb, VARIANT_BOOL& Cancel) {
    seen.push_back("close " + DescribeObject(Wb));
    Cancel = VARIANT_TRUE;
  };

  const auto sheet = book->sheets().front();
  run.model->Select(sheet, sim::excel::Areas(*sim::excel::ParseAddress(u"C4")));
  run.model->ActivateSheet(book->sheets()[1]);
  run.model->NewWorkbook();
  EXPECT_FALSE(run.model->CloseWorkbook(book));
  EXPECT_EQ(seen, (std::vector<std::string>{"selection sh:Sheet1 rg:$C$4", "sheet sh:Sheet2", "book wb:Book2",
                                            "close wb:Book1"}));
  EXPECT_EQ(run.model->workbooks().size(), 2u);
  EXPECT_TRUE(errors.messages.empty());
}

TEST_F(ExcelApplicationEventsTest, AHandlersExceptionReachesHandleErrorAndExcelGoesOn) {
  module->ExcelApp()->OnSheetCalculate = [](TExcelApplication&, IDispatch*) {
    throw com::ComError(E_FAIL, u"calculate handler failed");
  };
  run.model->Calculate(book->sheets().front());
  run.model->Calculate(book->sheets().front());
  EXPECT_EQ(errors.messages, (std::vector<std::string>{"calculate handler failed", "calculate handler failed"}));
}

TEST_F(ExcelApplicationEventsTest, ReleasingTheHostStopsTheEventsAndLeavesNoReference) {
  int calls = 0;
  module->ExcelApp()->OnSheetCalculate = [&](TExcelApplication&, IDispatch*) { ++calls; };
  EXPECT_EQ(sim::Instrumentation::Instance().AdvisedSinks(), 1);
  // Recognising the host again connects once, not twice.
  module->DetectHost();
  module->ExcelApp()->OnSheetCalculate = [&](TExcelApplication&, IDispatch*) { ++calls; };
  EXPECT_EQ(sim::Instrumentation::Instance().AdvisedSinks(), 1);
  run.model->Calculate(book->sheets().front());
  EXPECT_EQ(calls, 1);

  module->ReleaseHost();
  EXPECT_EQ(sim::Instrumentation::Instance().AdvisedSinks(), 0);
  run.model->Calculate(book->sheets().front());
  EXPECT_EQ(calls, 1);

  module.reset();
  run.application = nullptr;
  EXPECT_EQ(sim::Instrumentation::Instance().OutstandingReferences(u"Application"), 0)
      << sim::Instrumentation::Instance().LiveReport();
}

}  // namespace
}  // namespace corvane::framework::testing
