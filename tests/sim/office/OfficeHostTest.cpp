// Simulated runs one after another: what a restart keeps of the command
// bars, and the add-ins' lifecycle around it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/registry/ScratchRegistry.h"
#include "sim/office/OfficeHost.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/SimDataError.h"
#include "tests/sim/office/TestAddIn.h"

namespace corvane::sim::office {
namespace {

namespace fs = std::filesystem;

class OfficeHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("corvane-officehost-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::unique_ptr<OfficeHost> Run() { return std::make_unique<OfficeHost>(BarStore(dir_ / "commandbars.txt")); }

  fs::path dir_;
};

TEST_F(OfficeHostTest, PermanentSurvivesARestartTemporaryDoesNotDeletedStaysDeleted) {
  std::shared_ptr<Control> kept;
  {
    auto run = Run();
    auto bars = run->bars();
    auto mine = bars->Add(u"Corvane", Office::msoBarFloating, false, false);
    for (auto tag : {u"keep", u"delete", u"session"}) {
      mine->AddControl(ControlSpec{Office::msoControlButton, 1, u"", 0, false})->props().tag = tag;
    }
    mine->AddControl(ControlSpec{Office::msoControlButton, 1, u"", 0, true})->props().tag = u"temporary";
    bars->Add(u"Scratch", Office::msoBarFloating, false, true);
    mine->At(2)->Delete(false);
    mine->At(2)->Delete(true);
    kept = mine->At(1);
    run->Quit();
    EXPECT_FALSE(run->running());
    EXPECT_FALSE(kept->live());  // wrappers of a closed host fail
  }
  auto second = Run();
  auto mine = second->bars()->Find(u"Corvane");
  ASSERT_TRUE(mine);
  ASSERT_EQ(mine->Count(), 2);
  EXPECT_EQ(mine->At(1)->props().tag, u"keep");
  EXPECT_EQ(mine->At(2)->props().tag, u"session");
  EXPECT_EQ(second->bars()->Find(u"Scratch"), nullptr);
}

TEST_F(OfficeHostTest, ADamagedStoreStopsTheStartAndIsKept) {
  fs::create_directories(dir_);
  std::ofstream(dir_ / "commandbars.txt") << "not a command bar file\n";
  EXPECT_THROW(Run(), SimDataError);
  std::ifstream in(dir_ / "commandbars.txt");
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "not a command bar file");
}

TEST_F(OfficeHostTest, QuitShutsTheAddInsDownBeforeTheBarsClose) {
  registry::ScratchRegistry scratch;
  auto journal = std::make_shared<testing::AddInJournal>();
  testing::TestAddInClass addIn(u"Test.Host", {0x6F1C00A0, 0x5A11, 0x4ADD, {0x9E, 0x11, 0, 0, 0, 0, 0, 0xA0}}, journal);
  testing::WriteAddInKey(HKEY_CURRENT_USER, u"Test.Host", 3);
  auto run = Run();
  run->Start(nullptr);
  EXPECT_EQ(journal->liveAddIns, 1);
  run->Quit();
  EXPECT_EQ(journal->liveAddIns, 0);
  ASSERT_EQ(journal->calls.size(), 4u);
  EXPECT_EQ(journal->calls[3], "Test.Host.OnDisconnection mode=0");
  run->Quit();  // once only
  EXPECT_EQ(journal->calls.size(), 4u);
}

}  // namespace
}  // namespace corvane::sim::office
