// Command bars across simulated runs: what survives a restart, and a
// damaged file reported rather than replaced.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "sim/office/model/Bar.h"
#include "sim/office/model/BarStore.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/SimDataError.h"

namespace corvane::sim::office {
namespace {

namespace fs = std::filesystem;

class BarStoreTest : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("corvane-barstore-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  BarStore Store() const { return BarStore(dir_ / "commandbars.txt"); }
  CommandBarSet Restart(const CommandBarSet& set) const {
    Store().Save(set);
    return Store().Load();
  }
  std::string FileText() const {
    std::ifstream in(Store().file());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void WriteFile(const std::string& text) const {
    fs::create_directories(dir_);
    std::ofstream(Store().file()) << text;
  }

  fs::path dir_;
};

TEST_F(BarStoreTest, NothingSavedYetGivesTheBuiltInBars) {
  auto set = Store().Load();
  ASSERT_TRUE(set.Find(u"Standard"));
  EXPECT_EQ(set.Count(), CommandBarSet().Count());
}

TEST_F(BarStoreTest, PermanentBarsAndControlsKeepEveryProperty) {
  CommandBarSet set;
  auto bar = set.Add(u"Corvane \"Tools\"", Office::msoBarTop, false, false);
  bar->props() = BarProperties{u"Corvane \"Tools\"",
                               u"Werkzeuge \u00e4",
                               false,
                               true,
                               12,
                               -34,
                               3,
                               Office::msoBarTop,
                               Office::msoBarNoMove | Office::msoBarNoResize};
  auto button = bar->AddControl(ControlSpec{Office::msoControlButton, 1, u"param", 0, false});
  ControlProperties& p = button->props();
  p = ControlProperties{true,
                        u"Cap\ttion\n",
                        u"desc",
                        false,
                        30,
                        40,
                        7,
                        u"help.chm",
                        u"!<X.Y>",
                        u"param",
                        2,
                        u"{TAG}",
                        u"tip \\ \"q\"",
                        false,
                        59,
                        u"Ctrl+Q",
                        Office::msoButtonDown,
                        3,
                        1,
                        u"",
                        0,
                        0,
                        0,
                        -1,
                        0};
  button->face() = ButtonFace{ButtonFace::Source::kPasted, {0x00, 0x7F, 0xFF}, false, {}, {}};
  auto combo = bar->AddControl(ControlSpec{Office::msoControlComboBox, 1, u"", 0, false});
  combo->items() = {u"one", u"two"};
  combo->props().text = u"two";
  combo->props().listIndex = 2;
  auto popup = bar->AddControl(ControlSpec{Office::msoControlPopup, 1, u"", 0, false});
  popup->subBar()->props().name = u"Sub";
  popup->subBar()->AddControl(ControlSpec{Office::msoControlButton, 1, u"", 0, false})->props().tag = u"{CHILD}";
  set.Find(u"Standard")->props().visible = false;
  set.Find(u"Formatting")->At(1)->props().caption = u"Renamed";

  auto again = Restart(set);
  auto restored = again.Find(u"Corvane \"Tools\"");
  ASSERT_TRUE(restored);
  const BarProperties& bp = restored->props();
  EXPECT_EQ(bp.nameLocal, u"Werkzeuge \u00e4");
  EXPECT_EQ(bp.enabled, false);
  EXPECT_EQ(bp.visible, true);
  EXPECT_EQ(bp.left, 12);
  EXPECT_EQ(bp.top, -34);
  EXPECT_EQ(bp.rowIndex, 3);
  EXPECT_EQ(bp.position, Office::msoBarTop);
  EXPECT_EQ(bp.protection, Office::msoBarNoMove | Office::msoBarNoResize);
  EXPECT_FALSE(restored->builtIn());
  ASSERT_EQ(restored->Count(), 3);

  auto b = restored->At(1);
  EXPECT_EQ(b->type(), Office::msoControlButton);
  EXPECT_EQ(b->id(), 1);
  const ControlProperties& rp = b->props();
  EXPECT_EQ(rp.beginGroup, true);
  EXPECT_EQ(rp.caption, u"Cap\ttion\n");
  EXPECT_EQ(rp.descriptionText, u"desc");
  EXPECT_EQ(rp.enabled, false);
  EXPECT_EQ(rp.height, 30);
  EXPECT_EQ(rp.width, 40);
  EXPECT_EQ(rp.helpContextId, 7);
  EXPECT_EQ(rp.helpFile, u"help.chm");
  EXPECT_EQ(rp.onAction, u"!<X.Y>");
  EXPECT_EQ(rp.parameter, u"param");
  EXPECT_EQ(rp.priority, 2);
  EXPECT_EQ(rp.tag, u"{TAG}");
  EXPECT_EQ(rp.tooltipText, u"tip \\ \"q\"");
  EXPECT_EQ(rp.visible, false);
  EXPECT_EQ(rp.faceId, 59);
  EXPECT_EQ(rp.shortcutText, u"Ctrl+Q");
  EXPECT_EQ(rp.state, Office::msoButtonDown);
  EXPECT_EQ(rp.style, 3);
  EXPECT_EQ(rp.hyperlinkType, 1);
  EXPECT_EQ(b->face().source, ButtonFace::Source::kPasted);
  EXPECT_EQ(b->face().bitmap, (std::vector<uint8_t>{0x00, 0x7F, 0xFF}));

  auto c = restored->At(2);
  EXPECT_EQ(c->items(), (std::vector<std::u16string>{u"one", u"two"}));
  EXPECT_EQ(c->props().text, u"two");
  EXPECT_EQ(c->props().listIndex, 2);

  auto menu = restored->At(3)->subBar();
  ASSERT_TRUE(menu);
  EXPECT_EQ(menu->props().name, u"Sub");
  EXPECT_EQ(menu->popupOwner(), restored->At(3));
  ASSERT_EQ(menu->Count(), 1);
  EXPECT_EQ(menu->At(1)->props().tag, u"{CHILD}");

  EXPECT_FALSE(again.Find(u"Standard")->props().visible);
  EXPECT_TRUE(again.Find(u"Standard")->builtIn());
  EXPECT_EQ(again.Find(u"Formatting")->At(1)->props().caption, u"Renamed");
  // Saving the restored state writes the same file again.
  const std::string first = FileText();
  Store().Save(again);
  EXPECT_EQ(FileText(), first);
}

TEST_F(BarStoreTest, TemporaryBarsAndControlsDoNotSurvive) {
  CommandBarSet set;
  set.Add(u"Temp", Office::msoBarFloating, false, true)
      ->AddControl(ControlSpec{Office::msoControlButton, 1, u"", 0, false});
  auto bar = set.Add(u"Perm", Office::msoBarFloating, false, false);
  bar->AddControl(ControlSpec{Office::msoControlButton, 1, u"", 0, false})->props().tag = u"stay";
  bar->AddControl(ControlSpec{Office::msoControlButton, 1, u"", 0, true})->props().tag = u"go";
  set.Find(u"Standard")->AddControl(ControlSpec{Office::msoControlButton, 1, u"", 1, true});

  auto again = Restart(set);
  EXPECT_EQ(again.Find(u"Temp"), nullptr);
  ASSERT_TRUE(again.Find(u"Perm"));
  ASSERT_EQ(again.Find(u"Perm")->Count(), 1);
  EXPECT_EQ(again.Find(u"Perm")->At(1)->props().tag, u"stay");
  EXPECT_EQ(again.Find(u"Standard")->At(1)->id(), 2520);
}

TEST_F(BarStoreTest, DeletedControlsStayDeletedSessionDeletedOnesComeBack) {
  CommandBarSet set;
  auto bar = set.Add(u"Perm", Office::msoBarFloating, false, false);
  for (auto tag : {u"a", u"b", u"c"})
    bar->AddControl(ControlSpec{Office::msoControlButton, 1, u"", 0, false})->props().tag = tag;
  bar->At(1)->Delete(false);
  bar->At(1)->Delete(true);
  set.Find(u"Standard")->At(1)->Delete(true);
  set.Find(u"Standard")->At(1)->Delete(false);  // Open, for good

  auto again = Restart(set);
  auto restored = again.Find(u"Perm");
  ASSERT_EQ(restored->Count(), 2);
  EXPECT_EQ(restored->At(1)->props().tag, u"b");
  EXPECT_EQ(restored->At(2)->props().tag, u"c");
  EXPECT_EQ(again.Find(u"Standard")->At(1)->id(), 2520);
  EXPECT_EQ(again.Find(u"Standard")->At(2)->id(), 3);
}

TEST_F(BarStoreTest, ADeletedBarStaysDeleted) {
  CommandBarSet set;
  set.Delete(*set.Add(u"Gone", Office::msoBarFloating, false, false));
  EXPECT_EQ(Restart(set).Find(u"Gone"), nullptr);
}

TEST_F(BarStoreTest, DamagedFilesAreReportedWithTheirPlaceAndKept) {
  CommandBarSet set;
  Store().Save(set);
  const std::string good = FileText();
  const std::string bar = "bar builtIn=0 type=0 name=\"X\"\n";
  // 65 menus each inside the one before: one more than a file may nest.
  std::string deepMenus = std::string("corvane-sim-commandbars 1\n") + bar;
  for (int level = 0; level < 65; ++level) {
    deepMenus += "control type=10 id=1 builtIn=0 faceSource=0 faceBitmap=\"\" faceMask=0\nmenu\n";
  }
  const struct {
    const char* name;
    std::string text;
    const char* place;
  } table[] = {
      {"wrong header", "something else\n", ":1:"},
      {"unknown keyword", good.substr(0, good.find('\n') + 1) + "shelf name=\"x\"\n", ":2:"},
      {"missing end", std::string("corvane-sim-commandbars 1\n") + bar, ":2:"},
      {"unterminated text", "corvane-sim-commandbars 1\nbar builtIn=0 type=0 name=\"X\n", ":2:"},
      {"unknown property", "corvane-sim-commandbars 1\nbar builtIn=0 type=0 colour=3\nend\n", ":2:"},
      {"text for a number", "corvane-sim-commandbars 1\nbar builtIn=0 type=0\ncontrol type=\"1\"\nend\n", ":3:"},
      {"bad boolean", "corvane-sim-commandbars 1\nbar builtIn=2 type=0\nend\n", ":2:"},
      {"unknown control type",
       "corvane-sim-commandbars 1\nbar builtIn=0 type=0\ncontrol type=9 id=1 builtIn=0 faceSource=0 "
       "faceBitmap=\"\" faceMask=0\nend\nend\n",
       ":3:"},
      {"odd hex",
       "corvane-sim-commandbars 1\nbar builtIn=0 type=0\ncontrol type=1 id=1 builtIn=0 faceSource=2 "
       "faceBitmap=\"ABC\" faceMask=0\nend\n",
       ":3:"},
      {"number out of range", "corvane-sim-commandbars 1\nbar builtIn=0 type=0 left=99999999999\nend\n", ":2:"},
      {"menus nested too deep", deepMenus, ":132: menus nest more than 64 deep"},
  };
  for (const auto& c : table) {
    SCOPED_TRACE(c.name);
    WriteFile(c.text);
    try {
      Store().Load();
      ADD_FAILURE() << "loaded a damaged file";
    } catch (const SimDataError& damage) {
      const std::string message = damage.what();
      EXPECT_NE(message.find("commandbars.txt" + std::string(c.place)), std::string::npos) << message;
    }
    EXPECT_EQ(FileText(), c.text);
  }
}

}  // namespace
}  // namespace corvane::sim::office
