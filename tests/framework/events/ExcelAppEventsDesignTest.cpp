// A TkvxExcelAppEvents placed on a module by its design: the handler names
// bind to the module's methods, the module connects it when the host is
// Excel, and the design written back names the same handlers.
#include <gtest/gtest.h>

#include "framework/design/DesignError.h"
#include "framework/design/DesignHandlers.h"
#include "framework/events/TkvxExcelAppEvents.h"
#include "framework/hosting/ModuleDesign.h"
#include "tests/framework/events/EventsFixture.h"

namespace corvane::framework::testing {
namespace {

class TEventsModule : public TkvxCOMAddInModule {
 public:
  explicit TEventsModule(std::string_view design) {
    static const DesignHandlers kHandlers = {
        {"XlWorkbookOpen", &TEventsModule::XlWorkbookOpen},
        {"XlWorkbookBeforeClose", &TEventsModule::XlWorkbookBeforeClose},
    };
    LoadDesign(design, kHandlers);
  }
  std::string_view ClassName() const override { return "TEventsModule"; }

  void XlWorkbookOpen(TObject* ASender, IDispatch* Wb) { seen.push_back(Sender(ASender) + DescribeObject(Wb)); }
  void XlWorkbookBeforeClose(TObject* ASender, IDispatch* Wb, VARIANT_BOOL& Cancel) {
    seen.push_back(Sender(ASender) + DescribeObject(Wb));
    Cancel = VARIANT_TRUE;
  }

  std::vector<std::string> seen;

 private:
  std::string Sender(TObject* sender) const {
    return sender == FindComponent("xlEvents") ? "xlEvents " : "someone else ";
  }
};

constexpr char kDesign[] = R"(object EventsModule: TEventsModule
  AddInName = "Events"
  object xlEvents: TkvxExcelAppEvents
    OnWorkbookOpen = XlWorkbookOpen
    OnWorkbookBeforeClose = XlWorkbookBeforeClose
  end
end
)";

TEST(ExcelAppEventsDesignTest, DesignedHandlersRunOnceTheModuleKnowsItsHost) {
  registry::ScratchRegistry scratch;
  ui::ScriptedPresenter presenter;
  ui::ScopedPresenter scope{presenter};
  sim::excel::ExcelRun run = sim::excel::StartExcel();
  TEventsModule module(kDesign);
  module.SetHostApp(run.application);
  module.DetectHost();

  const auto book = run.model->OpenWorkbook(u"Sales.xls", {u"Data"});
  EXPECT_FALSE(run.model->CloseWorkbook(book));
  EXPECT_EQ(module.seen, (std::vector<std::string>{"xlEvents wb:Sales.xls", "xlEvents wb:Sales.xls"}));
  EXPECT_NE(WriteDesign(module).find("    OnWorkbookOpen = XlWorkbookOpen\n"
                                     "    OnWorkbookBeforeClose = XlWorkbookBeforeClose\n"),
            std::string::npos);
}

TEST(ExcelAppEventsDesignTest, AHandlerOfOtherParametersIsADesignError) {
  std::string design = kDesign;
  design.replace(design.find("OnWorkbookBeforeClose"), 21, "OnSheetActivate");  // has no Cancel
  try {
    TEventsModule module(design);
    FAIL() << "the design was accepted";
  } catch (const DesignError& error) {
    EXPECT_NE(std::string(error.what()).find("does not fit OnSheetActivate"), std::string::npos) << error.what();
  }
}

}  // namespace
}  // namespace corvane::framework::testing
