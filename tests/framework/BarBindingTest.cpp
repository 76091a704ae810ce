// A designed bar bound to its host bar: created at the first start with its
// record, found again by name later and left as the user arranged it until
// its design revision changes; the property pattern while bound; failures
// of the host reported and the start going on.
#include "tests/framework/BindingFixture.h"

namespace corvane::framework::testing {
namespace {

using sim::Instrumentation;

TEST_F(BindingTest, TheFirstStartCreatesTheBarAndRecordsItsRevision) {
  Start();
  ASSERT_TRUE(HostBar());
  EXPECT_TRUE(bar->HostBar());
  EXPECT_FALSE(bar->IsBuiltIn());
  EXPECT_TRUE(HostBar()->props().visible);  // pushed: a new host bar starts hidden
  EXPECT_EQ(HostBar()->props().position, kvxMsoBarFloating);
  EXPECT_EQ(Record(u"CommandBars", kBarName), 3);
  EXPECT_EQ(bar->NameLocal(), kBarName);
  EXPECT_TRUE(errors->messages.empty());
}

TEST_F(BindingTest, ARestartKeepsTheUsersArrangementUntilTheRevisionChanges) {
  Start();
  ASSERT_TRUE(sim::office::SetBarVisible(*HostBar(), false));
  Start();
  EXPECT_FALSE(HostBar()->props().visible);
  EXPECT_EQ(Instrumentation::Instance().Calls(u"CommandBar", u"Visible"), 0u);
  EXPECT_EQ(Instrumentation::Instance().Calls(u"CommandBars", u"Add"), 0u);
  EXPECT_FALSE(bar->Visible());  // read through from the host

  Start({.barRevision = 4});
  EXPECT_TRUE(HostBar()->props().visible);
  EXPECT_EQ(Record(u"CommandBars", kBarName), 4);
  EXPECT_TRUE(errors->messages.empty());
}

TEST_F(BindingTest, ATemporaryBarIsAppliedEveryTimeAndNotRecorded) {
  Start({.temporaryBar = true});
  ASSERT_TRUE(HostBar());
  EXPECT_TRUE(HostBar()->temporary());
  EXPECT_EQ(Record(u"CommandBars", kBarName), -1);
  Start({.temporaryBar = true});
  ASSERT_TRUE(HostBar());  // created anew: the host dropped it at Quit
  EXPECT_TRUE(HostBar()->props().visible);
}

TEST_F(BindingTest, AHostBarInAnotherLetterCaseIsAdoptedNotDuplicated) {
  Start();
  const int32_t count = Bars()->Count();
  Stop();
  run = std::make_unique<sim::excel::ExcelRun>(sim::excel::StartExcel());
  module = std::make_unique<TTestModule>();
  errors = std::make_unique<ErrorLog>(*module);
  module->SetAddInKeyPath(kKeyPath);
  bar = new TkvxCommandBar(module.get());
  bar->SetCommandBarName(u"BINDING test");
  module->SetHostApp(run->application);
  module->StartupSequence();
  EXPECT_EQ(Bars()->Count(), count);
  EXPECT_TRUE(bar->HostBar());
  EXPECT_EQ(bar->CommandBarName(), kBarName);  // the host's spelling shows through
}

TEST_F(BindingTest, BoundSettersPushOnlyADifferenceAndReadTheHost) {
  Start();
  Instrumentation::Instance().Reset();
  bar->SetVisible(true);
  EXPECT_EQ(Instrumentation::Instance().Calls(u"CommandBar", u"Visible"), 1u);  // the read only
  bar->SetProtection(kvxMsoBarNoMove);
  EXPECT_EQ(HostBar()->props().protection, 4);
  HostBar()->props().protection = 4 | 16;
  EXPECT_EQ(bar->Protection(), kvxMsoBarNoProtection);
  bar->SetProtection(kvxMsoBarNoProtection);
  EXPECT_EQ(HostBar()->props().protection, 0);
  ASSERT_TRUE(sim::office::DockBar(*HostBar(), kvxMsoBarLeft, 0));
  EXPECT_EQ(bar->Position(), kvxMsoBarLeft);
  EXPECT_TRUE(errors->messages.empty());
}

TEST_F(BindingTest, HostFailuresOfThePropertiesGoToHandleErrorAndTheStoredValueStands) {
  Start();
  Instrumentation::Instance().FailMember(u"CommandBar", u"RowIndex", E_FAIL, u"RowIndex refused");
  EXPECT_EQ(bar->RowIndex(), -1);
  bar->SetRowIndex(2);
  EXPECT_EQ(errors->messages, (std::vector<std::string>{"RowIndex refused", "RowIndex refused"}));
  Instrumentation::Instance().ClearFaults();
  EXPECT_NE(HostBar()->props().rowIndex, 2);  // the host never took it
}

TEST_F(BindingTest, ABarThatCanBeNeitherFoundNorCreatedReportsOnceAndBuildsNoItems) {
  inject = [] { Instrumentation::Instance().FailMember(u"CommandBars", u"Add", E_FAIL, u"no new bars"); };
  Start();
  EXPECT_FALSE(bar->HostBar());
  EXPECT_FALSE(HostBar());
  EXPECT_EQ(errors->messages, std::vector<std::string>{"no new bars"});
  EXPECT_FALSE(Button(0).HostControl());
  EXPECT_EQ(Instrumentation::Instance().Calls(u"CommandBarControls", u"Add"), 0u);
  // The start went on to its end: the start mode was recorded.
  registry::Registry registry(HKEY_CURRENT_USER);
  ASSERT_TRUE(registry.OpenKeyReadOnly(u"\\" + std::u16string(kKeyPath)));
  EXPECT_EQ(registry.ReadString(u"KVXStartMode"), u"NORMAL");
}

}  // namespace
}  // namespace corvane::framework::testing
