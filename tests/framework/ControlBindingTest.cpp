// Designed buttons bound to host controls across restarts: created once with
// their records, found again by OfficeTag (wherever the user dragged them)
// and never duplicated, left as the user has them until their revision
// changes, not re-created after the user deleted them, orphans deleted,
// removal of the add-in; clicks through the sinks.
#include "framework/commandbars/TkvxEventSink.h"
#include "sim/office/model/UserActions.h"
#include "sim/office/objects/Clicks.h"
#include "tests/framework/BindingFixture.h"

namespace corvane::framework::testing {
namespace {

using sim::Instrumentation;

TEST_F(BindingTest, TheFirstStartCreatesEveryButtonWithItsDesignSinkAndRecord) {
  Start();
  ASSERT_EQ(HostBar()->Count(), 3);
  for (size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    ASSERT_EQ(Tagged(i).size(), 1u);
    const auto& control = *Tagged(i)[0];
    EXPECT_EQ(control.parent(), HostBar());
    EXPECT_EQ(control.index(), static_cast<int32_t>(i) + 1);
    EXPECT_EQ(control.props().caption, Button(i).Caption());
    EXPECT_EQ(control.props().enabled, i == 0);
    EXPECT_EQ(Record(u"Controls", TagOf(i)), 12);
    ASSERT_NE(Button(i).Sink(), nullptr);
    EXPECT_EQ(Button(i).Sink()->Item(), &Button(i));
  }
  EXPECT_EQ(module->SinkList().size(), 3u);
  EXPECT_TRUE(errors->messages.empty());
}

TEST_F(BindingTest, RestartsNeverDuplicateAButton) {
  for (int start = 0; start < 4; ++start) {
    Start();
    SCOPED_TRACE(start);
    EXPECT_EQ(HostBar()->Count(), 3);
    for (size_t i = 0; i < 3; ++i) EXPECT_EQ(Tagged(i).size(), 1u);
  }
  EXPECT_EQ(Instrumentation::Instance().Calls(u"CommandBarControls", u"Add"), 0u);
}

TEST_F(BindingTest, MatchingRecordsPushNothingAndANewRevisionPushesTheDesign) {
  Start();
  Tagged(1)[0]->props().caption = u"The user's caption";
  Start();
  for (const char16_t* member : {u"Caption", u"Enabled", u"State", u"Style", u"Visible", u"Move"}) {
    EXPECT_EQ(Instrumentation::Instance().Calls(u"CommandBarButton", member), 0u) << com::Utf16ToUtf8(member);
  }
  EXPECT_EQ(Tagged(1)[0]->props().caption, u"The user's caption");
  EXPECT_EQ(Button(1).Caption(), u"The user's caption");  // read through

  Start({.buttonRevision = 13});
  EXPECT_EQ(Tagged(1)[0]->props().caption, u"Button 2");
  EXPECT_GT(Instrumentation::Instance().Calls(u"CommandBarButton", u"Caption"), 0u);
  EXPECT_EQ(Record(u"Controls", TagOf(1)), 13);
  EXPECT_TRUE(errors->messages.empty());
}

TEST_F(BindingTest, ANewRevisionMovesAButtonBackIntoPlaceButNotOnTheFirstStart) {
  Start();
  ASSERT_TRUE(sim::office::DragControl(*Tagged(0)[0], HostBar(), 0));  // to the end
  Start();
  EXPECT_EQ(Tagged(0)[0]->index(), 3);  // the user's place is kept
  Start({.buttonRevision = 13});
  for (size_t i = 0; i < 3; ++i) EXPECT_EQ(Tagged(i)[0]->index(), static_cast<int32_t>(i) + 1);
}

TEST_F(BindingTest, AButtonDraggedToAnotherBarIsFoundThereAndStillClicks) {
  Start();
  ASSERT_TRUE(sim::office::DragControl(*Tagged(2)[0], Bars()->Find(u"Standard"), 1));
  Start({.buttonRevision = 13});
  ASSERT_EQ(Tagged(2).size(), 1u);
  EXPECT_EQ(Tagged(2)[0]->parent(), Bars()->Find(u"Standard"));
  EXPECT_EQ(HostBar()->Count(), 2);
  sim::office::ClickControl(Bars(), Tagged(2)[0]);
  EXPECT_EQ(clicks, std::vector<int32_t>{2});
}

TEST_F(BindingTest, AUserDeletedButtonStaysDeletedUntilItsRevisionChanges) {
  Start();
  ASSERT_TRUE(sim::office::DeleteControlByUser(*Tagged(1)[0]));
  Start();
  EXPECT_TRUE(Tagged(1).empty());
  EXPECT_FALSE(Button(1).HostControl());
  EXPECT_EQ(module->SinkList().size(), 2u);
  Start({.buttonRevision = 13});
  ASSERT_EQ(Tagged(1).size(), 1u);
  EXPECT_EQ(Tagged(1)[0]->parent(), HostBar());
}

TEST_F(BindingTest, ARecordedControlTheDesignDroppedIsDeletedWithItsRecord) {
  Start();
  Start({.buttons = 2});
  EXPECT_TRUE(Tagged(2).empty());
  EXPECT_EQ(Record(u"Controls", TagOf(2)), -1);
  EXPECT_EQ(HostBar()->Count(), 2);
  // A record whose control is nowhere stays.
  registry::Registry registry(HKEY_CURRENT_USER);
  ASSERT_TRUE(registry.OpenKey(u"\\" + std::u16string(kKeyPath) + u"\\Controls", true));
  registry.WriteInteger(u"{NOWHERE}", 1);
  Start({.buttons = 2});
  EXPECT_EQ(Record(u"Controls", u"{NOWHERE}"), 1);
}

TEST_F(BindingTest, RemovingTheAddInDeletesItsControlsEverywhereAndItsEmptyBar) {
  Start();
  ASSERT_TRUE(sim::office::DragControl(*Tagged(0)[0], Bars()->Find(u"Standard"), 1));
  module->Finalize(true);
  for (size_t i = 0; i < 3; ++i) EXPECT_TRUE(Tagged(i).empty());
  EXPECT_FALSE(HostBar());
  EXPECT_EQ(Record(u"CommandBars", kBarName), -1);
  EXPECT_EQ(Record(u"Controls", TagOf(0)), -1);
  EXPECT_TRUE(module->SinkList().empty());
  EXPECT_TRUE(errors->messages.empty());
}

TEST_F(BindingTest, ABarHoldingTheUsersOwnControlSurvivesRemoval) {
  Start();
  ASSERT_TRUE(sim::office::AddOwnControl(*HostBar(), u"Mine", 0));
  bar->RemoveCommandBar();
  ASSERT_TRUE(HostBar());
  EXPECT_EQ(HostBar()->Count(), 1);
  EXPECT_FALSE(bar->HostBar());
  EXPECT_FALSE(Button(0).HostControl());
}

TEST_F(BindingTest, AClickReachesItsOwnButtonOnceAndAReentrantClickIsDropped) {
  Start();
  sim::office::ClickControl(Bars(), Tagged(1)[0]);
  EXPECT_EQ(clicks, std::vector<int32_t>{1});
  duringClick = [this] { sim::office::ClickControl(Bars(), Tagged(1)[0]); };
  sim::office::ClickControl(Bars(), Tagged(1)[0]);
  EXPECT_EQ(clicks, (std::vector<int32_t>{1, 1}));
  EXPECT_FALSE(Button(1).Busy());
}

TEST_F(BindingTest, ReattachingReplacesTheSinkAndDetachingDisconnectsIt) {
  Start();
  const long advised = Instrumentation::Instance().AdvisedSinks();
  // Held, so that the new sink cannot take the old one's address.
  const com::ComPtr<TkvxEventSink> first(Button(0).Sink());
  Button(0).AttachHostControl(Button(0).HostControl());
  EXPECT_NE(Button(0).Sink(), first.get());
  EXPECT_EQ(first->Item(), nullptr);  // disconnected
  EXPECT_EQ(module->SinkList().size(), 3u);
  EXPECT_EQ(Instrumentation::Instance().AdvisedSinks(), advised);
  Button(0).AttachHostControl(nullptr);
  EXPECT_EQ(Button(0).Sink(), nullptr);
  EXPECT_EQ(module->SinkList().size(), 2u);
  EXPECT_EQ(Instrumentation::Instance().AdvisedSinks(), advised - 1);
}

TEST_F(BindingTest, AFailingAddIsReportedPerButtonAndTheOthersAreStillBuilt) {
  inject = [] { Instrumentation::Instance().FailMember(u"CommandBarControls", u"Add", E_FAIL, u"no room"); };
  Start();
  EXPECT_EQ(errors->messages, (std::vector<std::string>{"no room", "no room", "no room"}));
  EXPECT_EQ(HostBar()->Count(), 0);
  inject = nullptr;
  // Nothing was recorded, so the next start creates them.
  Start();
  EXPECT_EQ(HostBar()->Count(), 3);
}

TEST_F(BindingTest, AFailingPushIsReportedAndTheNextPropertyIsStillPushed) {
  inject = [] { Instrumentation::Instance().FailMember(u"CommandBarButton", u"Caption", E_FAIL, u"no caption"); };
  Start();
  EXPECT_EQ(errors->messages.size(), 3u);
  Instrumentation::Instance().ClearFaults();
  EXPECT_EQ(Tagged(1)[0]->props().enabled, false);
  EXPECT_EQ(Tagged(1)[0]->props().tag, TagOf(1));
}

TEST_F(BindingTest, ButtonPropertiesMapToTheHostsNumbers) {
  Start();
  Button(0).SetState(kvxMsoButtonDown);
  EXPECT_EQ(Tagged(0)[0]->props().state, -1);
  Tagged(0)[0]->props().style = 99;  // no style of ours
  Button(0).SetStyle(kvxMsoButtonCaption);
  Tagged(0)[0]->props().style = 99;
  EXPECT_EQ(Button(0).Style(), kvxMsoButtonCaption);
  // Height and Width 0 are never pushed by the update: the host's stay.
  EXPECT_EQ(Tagged(1)[0]->props().width, 23);
  EXPECT_EQ(Tagged(1)[0]->props().height, 22);
}

}  // namespace
}  // namespace corvane::framework::testing
