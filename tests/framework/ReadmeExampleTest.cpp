// The format description's complete example, compiled in through
// corvane_embed_design, read by a module of the class it names.
#include <gtest/gtest.h>

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "framework/design/EmbeddedDesign.h"
#include "framework/hosting/ModuleDesign.h"
#include "framework/hosting/TkvxCOMAddInModule.h"

CORVANE_DECLARE_DESIGN(ReadmeExampleDesign);

namespace corvane::framework::testing {
namespace {

class TAddInModule : public TkvxCOMAddInModule {
 public:
  explicit TAddInModule(std::string_view design) {
    static const DesignHandlers kHandlers = {
        {"OfficeAddInModuleAddInInitialize", &TAddInModule::OfficeAddInModuleAddInInitialize},
        {"OfficeAddInModuleAddInStartupComplete", &TAddInModule::OfficeAddInModuleAddInStartupComplete},
        {"OfficeAddInModuleAddInFinalize", &TAddInModule::OfficeAddInModuleAddInFinalize},
        {"kvxCBarControls0Click", &TAddInModule::kvxCBarControls0Click},
    };
    LoadDesign(design, kHandlers);
  }
  std::string_view ClassName() const override { return "TAddInModule"; }

  void OfficeAddInModuleAddInInitialize(TObject*) {}
  void OfficeAddInModuleAddInStartupComplete(TObject*) {}
  void OfficeAddInModuleAddInFinalize(TObject*) {}
  void kvxCBarControls0Click(TObject* Sender) { clicked.push_back(dynamic_cast<TkvxCommandBarButton*>(Sender)->Tag()); }

  std::vector<int32_t> clicked;
};

TEST(ReadmeExampleTest, TheDescribedExampleReadsAndWritesBackTheSame) {
  ASSERT_FALSE(designs::ReadmeExampleDesign.empty());
  TAddInModule module(designs::ReadmeExampleDesign);
  EXPECT_EQ(module.AddInName(), u"Corvane");
  auto& bar = dynamic_cast<TkvxCommandBar&>(*module.FindComponent("xlCBar"));
  EXPECT_EQ(bar.CommandBarName(), u"Corvane AutoFormat XL");
  EXPECT_EQ(bar.PropertyChanged(), 3);
  ASSERT_EQ(bar.Controls().Count(), 2u);
  auto& about = dynamic_cast<TkvxCommandBarButton&>(bar.Controls().Items(1));
  EXPECT_EQ(about.DescriptionText(), u"Shows the \"About\" box");
  EXPECT_TRUE(about.Temporary());
  EXPECT_EQ(dynamic_cast<TkvxCommandBarButton&>(bar.Controls().Items(0)).Glyph().size(), 70u);
  bar.Controls().Items(0).DoClick();
  about.DoClick();
  EXPECT_EQ(module.clicked, (std::vector<int32_t>{20, 99}));
  // The example is written as the writer writes (comments aside).
  const std::string_view text = designs::ReadmeExampleDesign;
  EXPECT_EQ(WriteDesign(module), std::string(text.substr(text.find("object "))));
}

}  // namespace
}  // namespace corvane::framework::testing
