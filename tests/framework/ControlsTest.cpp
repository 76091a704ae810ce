// The items of a bar: adding by kind, lookup by tag, positions, and the
// click path of a button (busy flag, errors to HandleError).
#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "platform/com/ComError.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/ScriptedPresenter.h"
#include "tests/framework/TestModule.h"

namespace corvane::framework::testing {
namespace {

class ControlsTest : public ::testing::Test {
 protected:
  TkvxCommandBarButton& AddButton(int32_t tag) {
    auto& button = dynamic_cast<TkvxCommandBarButton&>(bar->Controls().AddControl(kvxKindButton));
    button.SetTag(tag);
    return button;
  }

  TTestModule module;
  TkvxCommandBar* bar = new TkvxCommandBar(&module);
  ui::ScriptedPresenter presenter;
  ui::ScopedPresenter scope{presenter};
};

TEST_F(ControlsTest, FindByTagGivesTheFirstInCollectionOrder) {
  auto& a = AddButton(20);
  auto& b = AddButton(7);
  AddButton(7);
  EXPECT_EQ(bar->Controls().FindByTag(20), &a);
  EXPECT_EQ(bar->Controls().FindByTag(7), &b);
  EXPECT_EQ(bar->Controls().FindByTag(99), nullptr);
  EXPECT_EQ(bar->Controls().Count(), 3u);
  EXPECT_EQ(&bar->Controls().Items(1), &b);
  EXPECT_EQ(b.Index(), 1u);
  EXPECT_EQ(&b.OwnerBar(), bar);
  EXPECT_EQ(&b.Module(), &module);
  EXPECT_THROW(bar->Controls().Items(3), std::out_of_range);
}

TEST_F(ControlsTest, EachKindCodeMakesItsClassAndOtherCodesAddNothing) {
  struct Row {
    int32_t kind;
    std::string_view className;
    int32_t hostType;
  };
  const Row rows[] = {
      {0, "TkvxCommandBarButton", 1},          {1, "TkvxCommandBarEdit", 2},   {2, "TkvxCommandBarDropDownList", 3},
      {3, "TkvxCommandBarComboBox", 4},        {4, "TkvxCommandBarPopup", 10}, {5, "TkvxCommandBarControl", 0},
      {6, "TkvxCommandBarAdvancedControl", 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.kind);
    TkvxCommandBarControl& item = bar->Controls().AddControl(row.kind);
    EXPECT_EQ(item.ClassName(), row.className);
    EXPECT_EQ(item.ControlKind(), row.kind);
    EXPECT_EQ(item.HostControlType(), row.hostType);
  }
  const size_t made = bar->Controls().Count();
  for (int32_t kind : {7, 255, -1}) EXPECT_THROW(bar->Controls().AddControl(kind), com::ComError) << kind;
  EXPECT_EQ(bar->Controls().Count(), made);
}

TEST_F(ControlsTest, DoClickRaisesOnClickWithTheButtonAsSender) {
  auto& button = AddButton(1);
  button.DoClick();  // unassigned: nothing happens
  TObject* sender = nullptr;
  int clicks = 0;
  button.OnClick = [&](TObject* Sender) {
    sender = Sender;
    ++clicks;
  };
  button.DoClick();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(sender, &button);
}

TEST_F(ControlsTest, AClickWhileTheSameButtonsClickRunsIsDropped) {
  auto& button = AddButton(1);
  auto& other = AddButton(2);
  int clicks = 0;
  int otherClicks = 0;
  other.OnClick = [&](TObject*) { ++otherClicks; };
  button.OnClick = [&](TObject*) {
    ++clicks;
    EXPECT_TRUE(button.Busy());
    button.DoClick();  // dropped
    other.DoClick();   // another control's click is not
  };
  button.DoClick();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(otherClicks, 1);
  EXPECT_FALSE(button.Busy());
  button.DoClick();
  EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, AFailingClickGoesToHandleErrorAndClearsTheBusyFlag) {
  module.SetAddInName(u"Corvane");
  auto& button = AddButton(1);
  int failures = 0;
  button.OnClick = [&](TObject*) {
    ++failures;
    throw com::ComError(E_FAIL, u"no table here");
  };
  std::vector<std::u16string> reported;
  module.OnError = [&](TObject* Sender, const std::exception& E, bool& Handled) {
    EXPECT_EQ(Sender, &module);
    reported.push_back(dynamic_cast<const com::ComError&>(E).description());
    Handled = true;
  };
  button.DoClick();
  button.DoClick();
  EXPECT_EQ(failures, 2);  // the flag was cleared after the first failure
  EXPECT_EQ(reported, (std::vector<std::u16string>{u"no table here", u"no table here"}));
  EXPECT_FALSE(button.Busy());
  EXPECT_TRUE(presenter.Boxes().empty());
}

}  // namespace
}  // namespace corvane::framework::testing
