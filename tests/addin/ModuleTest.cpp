// The module's design, its initialize, start-up complete and finalize
// handlers, and the click dispatcher's failure handling.
#include <gtest/gtest.h>

#include "addin/ButtonStates.h"
#include "addin/CommandTags.h"
#include "framework/design/EmbeddedDesign.h"
#include "framework/hosting/ModuleDesign.h"
#include "platform/graphics/BitmapFile.h"
#include "sim/office/OfficeHost.h"
#include "sim/office/OfficeStart.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "tests/addin/ModuleFixture.h"

CORVANE_DECLARE_DESIGN(TAddInModuleDesign);

namespace corvane::addin {
namespace {

class TAddInModuleTest : public testing::ModuleTest {};

TEST_F(TAddInModuleTest, TheDesignCarriesTheCatalogue) {
  EXPECT_EQ(module->AddInName(), u"Corvane");
  EXPECT_EQ(module->Description(), u"Desc");
  EXPECT_EQ(module->xlCBar().CommandBarName(), u"Corvane AutoFormat XL");
  EXPECT_EQ(module->xlCBar().PropertyChanged(), 3);
  const auto& controls = module->xlCBar().Controls();
  ASSERT_EQ(controls.Count(), 23u);
  struct Row {
    int tag;
    const char16_t* parameter;
    bool beginGroup;
    framework::TkvxMsoButtonStyle style;
    const char16_t* officeTag;
    int revision;
  };
  const framework::TkvxMsoButtonStyle a = framework::kvxMsoButtonAutomatic, i = framework::kvxMsoButtonIcon;
  const Row rows[] = {
      {20, u"", true, a, u"{EFC1B257-B9F3-4E90-9B72-D6485DA704E7}", 12},
      {7, u"7", false, a, u"{834C2CD0-AFE2-4468-AE87-D74962659E55}", 14},
      {5, u"5", false, a, u"{D0C746DE-312A-4B41-ABB2-C345CBA73402}", 10},
      {2, u"2", false, a, u"{F0F2458A-C755-4B87-9B77-F2ACDD57A7E7}", 11},
      {4, u"4", false, a, u"{0D3C296F-E1C7-413F-82E5-A330D97BC0A9}", 10},
      {6, u"6", false, a, u"{36A06C76-14FF-4D71-B697-F968353E6421}", 10},
      {3, u"3", false, a, u"{80D75ABF-E54C-4A03-BDE3-26ACEB6CEF7E}", 10},
      {1, u"1", false, i, u"{88A9F00C-B075-4F5E-9E96-EA626C5A73D6}", 11},
      {9, u"9", false, a, u"{8E605BF8-180A-4C93-B938-D882CC30D9E2}", 13},
      {10, u"10", false, a, u"{443AB5F6-A976-4111-A4B9-F18F5353C32C}", 14},
      {14, u"", false, a, u"{96C704C3-9CC9-44BA-A9CD-07C7F1A55D76}", 14},
      {18, u"", false, a, u"{A35ECE77-EFC6-4813-AC93-B6D05481901B}", 11},
      {8, u"8", true, i, u"{DCA6287F-8A0F-4CC0-9652-1DAB7E9E6137}", 12},
      {11, u"11", false, a, u"{EAF06BF5-4B09-460E-BDAB-9C44A2004E10}", 9},
      {12, u"12", false, a, u"{375AA39F-AC34-40DD-9B06-112A974E373F}", 9},
      {13, u"13", false, a, u"{AC08A7EE-7CC8-4208-8C68-0F1E9C83AA0D}", 9},
      {15, u"", true, a, u"{DABFADCE-AC73-4264-AAFD-C6B9C23305C7}", 14},
      {16, u"", false, a, u"{7718E02A-9D95-4151-9311-94F2FB62133E}", 9},
      {17, u"", true, a, u"{D304C931-8EAF-404D-A82B-3320E534B31D}", 12},
      {21, u"", false, a, u"{AE33B944-55E4-47E5-91EA-6B9B49C59387}", 9},
      {22, u"", true, a, u"{9ED6B796-8C31-448D-B117-47C5E912DE12}", 7},
      {0, u"0", false, i, u"{035FD156-33C2-44F3-B7CD-4BAF093833DD}", 14},
      {19, u"", false, a, u"{6EB9D046-B2D5-461F-B546-8C872FF0CE50}", 14},
  };
  for (size_t n = 0; n < 23; ++n) {
    const auto& button = dynamic_cast<const framework::TkvxCommandBarButton&>(controls.Items(n));
    const Row& row = rows[n];
    EXPECT_EQ(button.Tag(), row.tag) << n;
    EXPECT_EQ(button.Parameter(), row.parameter) << n;
    EXPECT_EQ(button.BeginGroup(), row.beginGroup) << n;
    EXPECT_EQ(button.Style(), row.style) << n;
    EXPECT_EQ(button.OfficeTag(), row.officeTag) << n;
    EXPECT_EQ(button.PropertyChanged(), row.revision) << n;
    EXPECT_EQ(button.Temporary(), row.tag == tags::kAbout) << n;
    EXPECT_EQ(button.DescriptionText(), row.tag == tags::kOriginArea ? u"Select Origin" : u"") << n;
  }
}

// What the module writes back is its design file, comments aside.
TEST_F(TAddInModuleTest, TheDesignWrittenBackIsTheDesignRead) {
  TAddInModule fresh;  // the captions the initialize handler sets are no design
  std::string expected;
  const std::string_view text = designs::TAddInModuleDesign;
  for (size_t start = 0; start < text.size();) {
    const size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = text.substr(start, end - start);
    if (line.find_first_not_of(' ') != std::string_view::npos && line[line.find_first_not_of(' ')] != '#')
      expected.append(line).append("\n");
    start = end + 1;
  }
  EXPECT_EQ(framework::WriteDesign(fresh), expected);
}

TEST_F(TAddInModuleTest, InitializeSetsTheCaptionsAttachesTheHandlersAndShowsAboutAtTheFirstStart) {
  EXPECT_EQ(Button(tags::kPagesArea).Caption(), u"Select page fields area of the selected pivot table");
  EXPECT_EQ(Button(tags::kUpdate).Caption(), u"Examine format of the selected pivot table");
  EXPECT_EQ(Button(tags::kAbout).Caption(), u"About Corvane");
  EXPECT_EQ(presenter.Dialogs().size(), 1u);  // the About box, once
  framework::TExcelApplication& excel = *module->ExcelApp();
  EXPECT_TRUE(excel.OnWindowActivate && excel.OnSheetActivate && excel.OnSheetSelectionChange &&
              excel.OnWorkbookBeforeClose);
  // Until the first event the designed states hold: only About.
  EXPECT_EQ(EnabledTags(), std::set<int>{tags::kAbout});
}

TEST_F(TAddInModuleTest, EveryButtonCarriesItsGlyphWithTheMagentaCornerTransparent) {
  const auto& controls = module->xlCBar().Controls();
  ASSERT_EQ(controls.Count(), 23u);
  for (size_t i = 0; i < controls.Count(); ++i) {
    const auto& button = dynamic_cast<const framework::TkvxCommandBarButton&>(controls.Items(i));
    SCOPED_TRACE(com::Utf16ToUtf8(button.Caption()));
    const ui::Bitmap glyph = graphics::DecodeBitmapFile(button.Glyph()).pixels;
    ASSERT_EQ(glyph.At(0, glyph.height - 1), 0xFF00FFu);
    const auto hosts = sim::office::OfficeOf(run)->bars()->ControlsTagged(button.OfficeTag());
    ASSERT_EQ(hosts.size(), 1u);
    const sim::office::ButtonFace& face = hosts[0]->face();
    EXPECT_EQ(face.source, sim::office::ButtonFace::Source::kPicture);
    EXPECT_EQ(face.pixels.pixels, glyph.pixels);
    ASSERT_EQ(face.mask.pixels.size(), glyph.pixels.size());
    for (size_t p = 0; p < glyph.pixels.size(); ++p) {
      EXPECT_EQ(face.mask.pixels[p], glyph.pixels[p] == 0xFF00FF ? 0xFFFFFFu : 0u) << "pixel " << p;
    }
  }
}

TEST_F(TAddInModuleTest, FinalizeDisablesEverythingAndDetachesTwoHandlers) {
  Select("C6");
  EXPECT_EQ(EnabledTags(), testing::kAllTags);
  module->OfficeAddInModuleAddInFinalize(module.get());
  EXPECT_TRUE(EnabledTags().empty());
  framework::TExcelApplication& excel = *module->ExcelApp();
  EXPECT_FALSE(excel.OnSheetSelectionChange);
  EXPECT_FALSE(excel.OnWindowActivate);
  EXPECT_TRUE(excel.OnSheetActivate);
  EXPECT_TRUE(excel.OnWorkbookBeforeClose);
  Select("A5");
  EXPECT_TRUE(EnabledTags().empty());
}

TEST_F(TAddInModuleTest, StartupCompleteShowsAboutUnlessASharedAboutExists) {
  // No bar is bound in Excel here: the search finds nothing.
  Button(tags::kAbout).SetVisible(false);
  module->kvxCOMAddInModuleAddInStartupComplete(module.get());
  EXPECT_TRUE(Button(tags::kAbout).Visible());
}

TEST_F(TAddInModuleTest, AboutClickShowsTheBoxWithTheModuleAsOwner) {
  presenter.QueueDialog({});
  Click(tags::kAbout);
  EXPECT_EQ(presenter.Dialogs().size(), 2u);
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(TAddInModuleTest, AClickOutsideEveryTableChangesNothingAndLeavesOnlyAbout) {
  Select("C6");
  ASSERT_EQ(EnabledTags(), testing::kAllTags);
  run.model->Select(sheet, sim::excel::Areas(Rect("F10")));
  module->ExcelApp()->OnSheetSelectionChange = nullptr;  // the click alone recomputes
  for (int tag : {tags::kDataArea, tags::kSubtotals, tags::kIncreaseDecimal, tags::kUpdate, tags::kClearFormat}) {
    framework::TkvxCommandBarControls& controls = module->xlCBar().Controls();
    SetAllEnabled(controls, true);
    Click(tag);
    EXPECT_EQ(Selected(), "$F$10") << tag;
    EXPECT_EQ(EnabledTags(), std::set<int>{tags::kAbout}) << tag;
  }
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(TAddInModuleTest, InjectedHostFailuresInAClickAreSwallowedAndTheButtonsRecomputed) {
  Select("C6");
  module->ExcelApp()->OnSheetSelectionChange = nullptr;
  struct Fault {
    const char16_t* type;
    const char16_t* member;
    int tag;
  } faults[] = {{u"PivotTable", u"Name", tags::kDataArea},          {u"Range", u"Select", tags::kWholeTable},
                {u"PivotTable", u"Update", tags::kUpdate},          {u"Range", u"AutoFit", tags::kBestColumnFit},
                {u"PivotTable", u"PivotSelect", tags::kOriginArea}, {u"Application", u"Selection", tags::kRowsArea}};
  for (const Fault& f : faults) {
    SetAllEnabled(module->xlCBar().Controls(), false);
    sim::Instrumentation::Instance().FailMember(f.type, f.member, E_FAIL, u"injected");
    Click(f.tag);
    sim::Instrumentation::Instance().ClearFaults();
    EXPECT_EQ(EnabledTags(), testing::kAllTags) << com::Utf16ToUtf8(f.member);
    EXPECT_EQ(Selected(), "$C$6") << com::Utf16ToUtf8(f.member);
  }
  EXPECT_GT(sim::Instrumentation::Instance().InjectedFailures(), 0u);
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(TAddInModuleTest, EveryFailingHostCallOfAClickIsSwallowed) {
  // A sweep: each host call of a Ctrl-less data-area click fails once in
  // turn. The selection-change handler reports its own failures, so it is
  // left out here.
  module->ExcelApp()->OnSheetSelectionChange = nullptr;
  Select("C6");
  sim::Instrumentation::Instance().Reset();
  Click(tags::kDataArea);
  const uint64_t calls = sim::Instrumentation::Instance().HostCalls();
  ASSERT_GT(calls, 3u);
  for (uint64_t k = 1; k <= calls; ++k) {
    Select("C6");
    sim::Instrumentation::Instance().Reset();
    sim::Instrumentation::Instance().FailCall(k, E_FAIL, u"injected");
    EXPECT_NO_THROW(Click(tags::kDataArea)) << k;
  }
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(TAddInModuleTest, TagsWithoutADispatchedCommandDoNothingThere) {
  Select("C6");
  for (int tag : {tags::kColumnGrandSwitch, tags::kRowGrandSwitch, tags::kAbout}) {
    const int layouts = table->layouts();
    module->kvxCBarControls0Click(&Button(tag));
    EXPECT_EQ(Selected(), "$C$6");
    EXPECT_EQ(table->layouts(), layouts);
    EXPECT_TRUE(table->definition().column_grand);
  }
  EXPECT_EQ(presenter.Dialogs().size(), 1u);  // About did not open from the dispatcher
}

}  // namespace
}  // namespace corvane::addin
