// The running-host prompt before (un)registration, and Excel's automation
// add-in list with its "OPEN" numbering.
#include <gtest/gtest.h>

#include "framework/hosting/XLAutomation.h"
#include "sim/excel/objects/ExcelStart.h"
#include "tests/hosting/ServerFixture.h"

namespace corvane::framework::testing {
namespace {

using ui::Button;

using PromptTest = ServerTest;

TEST_F(PromptTest, NoRunningExcelNoPrompt) {
  Settings().displayAlerts = true;
  ASSERT_EQ(server->RegisterServer(), S_OK);
  EXPECT_TRUE(presenter.Boxes().empty());
}

TEST_F(PromptTest, TheAlertNamesTheRunningHostsAndRetryAsksAgainUntilIgnored) {
  Settings().displayAlerts = true;
  RunningExcel run;
  presenter.QueueAnswer(Button::Retry);
  presenter.QueueAnswer(Button::Ignore);
  ASSERT_EQ(server->RegisterServer(), S_OK);
  ASSERT_EQ(presenter.Boxes().size(), 2u);
  const auto& box = presenter.Boxes()[0].request;
  EXPECT_EQ(box.text, u"Please close all running host application instances:\r\nExcel ");
  EXPECT_EQ(box.caption, u"Corvane");
  EXPECT_EQ(box.buttons, (std::vector<Button>{Button::Cancel, Button::Retry, Button::Ignore}));
  EXPECT_EQ(box.icon, ui::Icon::Information);
  EXPECT_TRUE(box.centredOnScreen);
  EXPECT_EQ(StringAt(HKEY_CURRENT_USER, kAddinKey, u"FriendlyName"), u"Corvane");
}

TEST_F(PromptTest, CancelStopsBeforeAnythingOfTheAddinIsWrittenOrRemoved) {
  Settings().displayAlerts = true;
  RunningExcel run;
  presenter.QueueAnswer(Button::Cancel);
  EXPECT_EQ(server->RegisterServer(), E_FAIL);
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAddinKey));

  presenter.QueueAnswer(Button::Ignore);
  ASSERT_EQ(server->RegisterServer(), S_OK);
  presenter.QueueAnswer(Button::Cancel);
  EXPECT_EQ(server->UnregisterServer(), E_FAIL);
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
  EXPECT_EQ(IntegerAt(HKEY_CURRENT_USER, kAddinKey, u"LoadBehavior"), 3);
  EXPECT_EQ(presenter.Pending(), 0u);
}

TEST(OpenValueName, NumbersFollowTheLargestEntry) {
  using Names = std::vector<std::u16string>;
  const struct {
    Names names;
    const char16_t* next;
  } cases[] = {
      {{}, u"OPEN"},
      {{u"Other"}, u"OPEN"},
      {{u"OPEN"}, u"OPEN1"},
      {{u"open", u"Open1", u"OPEN2"}, u"OPEN3"},
      {{u"OPEN1", u"OPEN2", u"OPEN3", u"OPEN4", u"OPEN5", u"OPEN6", u"OPEN7", u"OPEN8", u"OPEN9", u"OPEN10"},
       u"OPEN11"},
      {{u"OPEN7"}, u"OPEN8"},
      // Not entries of the list: letters after "OPEN", a number out of reach.
      {{u"OPENX"}, u"OPEN"},
      {{u"OPEN", u"OPEN2B"}, u"OPEN1"},
      {{u"OPEN99999999999999999999"}, u"OPEN"},
  };
  for (const auto& c : cases) EXPECT_EQ(NextOpenValueName(c.names), c.next) << c.names.size();
}

class AutomationTest : public ServerTest {
 protected:
  AutomationTest() { Settings().xlAutomation = true; }
  std::vector<std::u16string> Entries(int version) {
    registry::Registry user(HKEY_CURRENT_USER);
    if (!user.OpenKeyReadOnly(ExcelOptionsKey(version))) return {};
    std::vector<std::u16string> entries;
    for (const auto& name : user.GetValueNames()) entries.push_back(name + u"=" + user.ReadString(name));
    return entries;
  }
};

TEST_F(AutomationTest, EachRegistrationAddsAnEntryAndEachUnregistrationRemovesTheFirst) {
  {
    registry::Registry user(HKEY_CURRENT_USER);
    ASSERT_TRUE(user.OpenKey(ExcelOptionsKey(11), true));
    user.WriteString(u"OPEN", u"/R \"other.xla\"");
  }
  ASSERT_EQ(server->RegisterServer(), S_OK);
  ASSERT_EQ(server->RegisterServer(), S_OK);
  EXPECT_EQ(Entries(11), (std::vector<std::u16string>{u"OPEN=/R \"other.xla\"", u"OPEN1=/A \"CVFM.eaCVFM\"",
                                                      u"OPEN2=/A \"CVFM.eaCVFM\""}));
  ASSERT_EQ(server->UnregisterServer(), S_OK);
  EXPECT_EQ(Entries(11), (std::vector<std::u16string>{u"OPEN=/R \"other.xla\"", u"OPEN2=/A \"CVFM.eaCVFM\""}));
}

TEST_F(AutomationTest, ExcelBefore2002GetsNoEntry) {
  InstallExcel(9);
  ASSERT_EQ(server->RegisterServer(), S_OK);
  EXPECT_TRUE(Entries(9).empty());
  // Written by hand, it stays: version 9 does not read the list.
  {
    registry::Registry user(HKEY_CURRENT_USER);
    ASSERT_TRUE(user.OpenKey(ExcelOptionsKey(9), true));
    user.WriteString(u"OPEN", u"/A \"CVFM.eaCVFM\"");
  }
  ASSERT_EQ(server->UnregisterServer(), S_OK);
  EXPECT_EQ(Entries(9).size(), 1u);
}

TEST_F(AutomationTest, UnregistrationTakesNamesInCaseInsensitiveOrderAndSkipsOthersData) {
  InstallExcel(10);
  {
    registry::Registry user(HKEY_CURRENT_USER);
    ASSERT_TRUE(user.OpenKey(ExcelOptionsKey(10), true));
    user.WriteString(u"open3", u"/A \"CVFM.eaCVFM\"");
    user.WriteInteger(u"OPEN1", 5);
    user.WriteString(u"Open2", u"/A \"cvfm.eacvfm\"");
    user.WriteString(u"OPEN10", u"/A \"CVFM.eaCVFM\"");
  }
  ASSERT_EQ(server->UnregisterServer(), S_OK);
  registry::Registry user(HKEY_CURRENT_USER);
  ASSERT_TRUE(user.OpenKeyReadOnly(ExcelOptionsKey(10)));
  EXPECT_FALSE(user.ValueExists(u"OPEN10")) << "OPEN10 sorts before open3";
  EXPECT_TRUE(user.ValueExists(u"open3"));
  EXPECT_TRUE(user.ValueExists(u"OPEN1"));
  EXPECT_TRUE(user.ValueExists(u"Open2")) << "the ProgID is compared with its case";
}

TEST_F(ServerTest, HostVersionComesFromCurVer) {
  EXPECT_EQ(factory->GetHostVersion(ohaExcel), 11);
  InstallExcel(10);
  EXPECT_EQ(factory->GetHostVersion(ohaExcel), 10);
  registry::Registry classes(HKEY_CLASSES_ROOT);
  for (const char16_t* text : {u"Excel.Application", u"Excel.Application.", u"Excel.Application.x1", u"Word.8"}) {
    ASSERT_TRUE(classes.OpenKey(u"\\Excel.Application\\CurVer", true));
    classes.WriteString(u"", text);
    EXPECT_EQ(factory->GetHostVersion(ohaExcel), 9) << com::Utf16ToUtf8(text);
  }
  UninstallExcel();
  EXPECT_EQ(factory->GetHostVersion(ohaExcel), 9);
  EXPECT_FALSE(factory->IsHostInstalled(ohaExcel));
  EXPECT_FALSE(factory->IsHostInstalled(ohaWord));
}

}  // namespace
}  // namespace corvane::framework::testing
