// Host failures injected into the simulated Office while the add-in builds,
// restarts and is removed: each is reported through HandleError, swallowed,
// or (a removal's) thrown to its caller where the framework says, a
// later start puts everything right without a duplicate, and once the
// module is freed it holds no reference to any Office object.
#include <filesystem>
#include <optional>

#include "framework/commandbars/TkvxCommandBarPopup.h"
#include "framework/commandbars/TkvxCustomCommandBarComboBox.h"
#include "platform/com/ComError.h"
#include "tests/framework/BindingFixture.h"

namespace corvane::framework::testing {
namespace {

using sim::Instrumentation;

constexpr const char16_t* kOfficeTypes[] = {
    u"CommandBars",        u"CommandBar",      u"CommandBarControls", u"CommandBarButton",
    u"CommandBarComboBox", u"CommandBarPopup", u"CommandBarControl",
};

class HostFailureTest : public BindingTest {
 protected:
  HostFailureTest() {
    // A box and a popup with a button of its own besides the buttons.
    addItems = [](TkvxCommandBar& bar, const Design& design) {
      auto& box = static_cast<TkvxCustomCommandBarComboBox&>(bar.Controls().AddControl(kvxKindComboBox));
      box.SetOfficeTag(TagOf(5));
      box.SetItems({u"one", u"two"});
      box.SetPropertyChanged(design.buttonRevision);
      auto& popup = static_cast<TkvxCommandBarPopup&>(bar.Controls().AddControl(kvxKindPopup));
      popup.SetOfficeTag(TagOf(6));
      popup.SetPropertyChanged(design.buttonRevision);
      auto& child = popup.Controls().AddControl(kvxKindButton);
      child.SetOfficeTag(TagOf(7));
      child.SetPropertyChanged(design.buttonRevision);
    };
  }

  static constexpr size_t kTags[] = {0, 1, 2, 5, 6, 7};

  // Every designed item is in the host exactly once.
  void ExpectEachItemOnce() const {
    for (size_t tag : kTags) EXPECT_EQ(Tagged(tag).size(), 1u) << "tag " << tag;
  }

  // Frees the module with Excel still running: no Office object may still
  // be referenced (the test itself holds none).
  void ExpectNothingHeldOnceFreed() {
    ReleaseModule();
    for (const char16_t* type : kOfficeTypes) {
      EXPECT_EQ(Instrumentation::Instance().OutstandingReferences(type), 0)
          << com::Utf16ToUtf8(type) << ": " << Instrumentation::Instance().LiveReport();
    }
  }

  // Fails each host call of a start in turn (prepare sets the scene each
  // time): the start never throws and always completes, the module lets go
  // of everything, and the next start has each item once.
  void Sweep(const std::function<void()>& prepare, const Design& design) {
    prepare();
    Start(design);
    const uint64_t calls = Instrumentation::Instance().HostCalls();
    ASSERT_GT(calls, 50u);
    for (uint64_t k = 1; k <= calls; ++k) {
      SCOPED_TRACE(k);
      prepare();
      inject = [k] { Instrumentation::Instance().FailCall(k, E_FAIL, u"injected"); };
      EXPECT_NO_THROW(Start(design));
      inject = nullptr;
      EXPECT_TRUE(startupCompleted);
      EXPECT_EQ(Instrumentation::Instance().InjectedFailures(), 1u);
      Instrumentation::Instance().ClearFaults();
      ExpectNothingHeldOnceFreed();
      Start({.buttonRevision = 30});
      ExpectEachItemOnce();
      if (HasFailure()) return;
    }
  }

  // Back to an add-in never started: no saved bars, no records.
  void Forget() {
    Stop();
    std::filesystem::remove(data.dir() / "commandbars.txt");
    registry::Registry(HKEY_CURRENT_USER).DeleteKey(u"\\" + std::u16string(kKeyPath));
  }
};

enum class Start { kFirst, kRestart, kNewRevision, kRemoval };

enum class Outcome { kSwallowed, kReported, kThrown };

struct MemberFault {
  const char16_t* type;
  const char16_t* member;
  Start when;
  Outcome outcome;
};

// The failures the framework names: the removal's lookups, the command
// bar collection and a popup's menu are swallowed; a failing delete ends
// the removal and reaches its caller (no box: an unregistration must stay
// silent); everything else is reported. A failing lookup while building is
// reported too, and the item left unbound: taken for "not there" it would
// add a duplicate.
constexpr MemberFault kMemberFaults[] = {
    {u"CommandBars", u"FindControl", Start::kRestart, Outcome::kReported},
    {u"CommandBars", u"FindControl", Start::kNewRevision, Outcome::kReported},
    {u"CommandBar", u"FindControl", Start::kRemoval, Outcome::kSwallowed},
    {u"Application", u"CommandBars", Start::kFirst, Outcome::kSwallowed},
    {u"CommandBars", u"Count", Start::kFirst, Outcome::kReported},
    {u"CommandBars", u"Add", Start::kFirst, Outcome::kReported},
    {u"CommandBar", u"Name", Start::kRestart, Outcome::kReported},
    {u"CommandBar", u"Enabled", Start::kFirst, Outcome::kReported},
    {u"CommandBar", u"BuiltIn", Start::kFirst, Outcome::kReported},
    {u"CommandBarControls", u"Add", Start::kFirst, Outcome::kReported},
    {u"CommandBarButton", u"Caption", Start::kNewRevision, Outcome::kReported},
    {u"CommandBarButton", u"Move", Start::kNewRevision, Outcome::kReported},
    {u"CommandBarButton", u"Index", Start::kNewRevision, Outcome::kReported},
    {u"CommandBarComboBox", u"Clear", Start::kNewRevision, Outcome::kReported},
    {u"CommandBarComboBox", u"AddItem", Start::kFirst, Outcome::kReported},
    {u"CommandBarPopup", u"CommandBar", Start::kFirst, Outcome::kSwallowed},
    {u"CommandBarButton", u"Delete", Start::kRemoval, Outcome::kThrown},
    {u"CommandBar", u"Delete", Start::kRemoval, Outcome::kThrown},
};

// A removal either completes or throws the host's error; nothing else.
bool RemovalThrew(TkvxCOMAddInModule& module) {
  try {
    module.Finalize(true);
    return false;
  } catch (const com::ComError& error) {
    EXPECT_EQ(error.description(), u"injected");
    return true;
  }
}

TEST_F(HostFailureTest, EachMemberFailureIsReportedOrSwallowedAndTheStartGoesOn) {
  for (const MemberFault& fault : kMemberFaults) {
    SCOPED_TRACE(com::Utf16ToUtf8(fault.type) + "." + com::Utf16ToUtf8(fault.member));
    Forget();
    if (fault.when != Start::kFirst) Start();
    // A dragged button makes the new revision move it back.
    if (fault.when == Start::kNewRevision) {
      ASSERT_TRUE(sim::office::DragControl(*Tagged(0)[0], HostBar(), 0));
    }
    inject = [&fault] { Instrumentation::Instance().FailMember(fault.type, fault.member, E_FAIL, u"injected"); };
    bool threw = false;
    if (fault.when == Start::kRemoval) {
      inject();
      threw = RemovalThrew(*module);
    } else {
      Start(fault.when == Start::kNewRevision ? Design{.buttonRevision = 13} : Design{});
      EXPECT_TRUE(startupCompleted);
    }
    inject = nullptr;
    EXPECT_GT(Instrumentation::Instance().InjectedFailures(), 0u);
    EXPECT_EQ(!errors->messages.empty(), fault.outcome == Outcome::kReported) << errors->messages.size();
    EXPECT_EQ(threw, fault.outcome == Outcome::kThrown);
    for (const std::string& message : errors->messages) EXPECT_EQ(message, "injected");
    Instrumentation::Instance().ClearFaults();
    ExpectNothingHeldOnceFreed();
    // A start without faults (after a fresh revision, for what was recorded
    // half-done) has everything once.
    Start({.buttonRevision = 20});
    ExpectEachItemOnce();
    EXPECT_TRUE(errors->messages.empty());
  }
}

// A design the host took only in part is not recorded, so that the next
// start of the same revision applies it again: a button whose tag never
// reached the host, recorded, would count as deleted by the user and never
// come back.
TEST_F(HostFailureTest, AnItemTheHostTookOnlyInPartIsBuiltAgainAtTheNextStartOfTheSameRevision) {
  for (const char16_t* member : {u"Tag", u"Caption"}) {
    SCOPED_TRACE(com::Utf16ToUtf8(member));
    Forget();
    inject = [member] { Instrumentation::Instance().FailMember(u"CommandBarButton", member, E_FAIL, u"injected"); };
    Start();
    inject = nullptr;
    Instrumentation::Instance().ClearFaults();
    EXPECT_FALSE(errors->messages.empty());
    EXPECT_EQ(Record(u"Controls", TagOf(0)), -1) << "recorded though the host took it only in part";

    Start();
    ExpectEachItemOnce();
    ASSERT_FALSE(Tagged(0).empty());
    EXPECT_EQ(Tagged(0)[0]->props().caption, u"Button 1");
    EXPECT_EQ(Record(u"Controls", TagOf(0)), 12);
    EXPECT_TRUE(errors->messages.empty());
  }
}

TEST_F(HostFailureTest, FailingAnyOneCallOfAFirstStartNeverThrowsAndLeavesNothingHeld) {
  Sweep([this] { Forget(); }, {});
}

TEST_F(HostFailureTest, FailingAnyOneCallOfARestartWithANewRevisionNeverThrowsAndLeavesNothingHeld) {
  Sweep(
      [this] {
        Forget();
        Start();
        ASSERT_TRUE(sim::office::DragControl(*Tagged(0)[0], HostBar(), 0));
      },
      {.buttonRevision = 13});
}

TEST_F(HostFailureTest, FailingAnyOneCallOfTheRemovalThrowsOnlyTheHostsErrorAndTheNextStartIsWhole) {
  const auto removeWithFault = [this](std::optional<uint64_t> k) {
    Forget();
    Start();
    Instrumentation::Instance().Reset();
    if (k) Instrumentation::Instance().FailCall(*k, E_FAIL, u"injected");
    const bool threw = RemovalThrew(*module);
    // A bound bar's name is read through its guarded accessor, which may
    // still report; the removal's own failures are thrown.
    for (const std::string& message : errors->messages) EXPECT_EQ(message, "injected");
    return threw;
  };
  EXPECT_FALSE(removeWithFault(std::nullopt));
  const uint64_t calls = Instrumentation::Instance().HostCalls();
  ASSERT_GT(calls, 10u);
  for (uint64_t k = 1; k <= calls; ++k) {
    SCOPED_TRACE(k);
    removeWithFault(k);
    EXPECT_EQ(Instrumentation::Instance().InjectedFailures(), 1u);
    Instrumentation::Instance().ClearFaults();
    ExpectNothingHeldOnceFreed();
    // What the removal left behind is found again, never doubled.
    Start();
    ExpectEachItemOnce();
    if (HasFailure()) return;
  }
}

}  // namespace
}  // namespace corvane::framework::testing
