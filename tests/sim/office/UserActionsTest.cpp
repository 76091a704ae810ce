// The user's customisation of bars, and the protection flags that refuse it.
#include <gtest/gtest.h>

#include "sim/office/model/Bar.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/UserActions.h"

namespace corvane::sim::office {
namespace {

struct Fixture {
  CommandBarSet set;
  std::shared_ptr<Bar> bar = set.Add(u"Mine", Office::msoBarFloating, false, false);
  std::shared_ptr<Bar> other = set.Add(u"Other", Office::msoBarFloating, false, false);
  std::shared_ptr<Control> button = bar->AddControl(ControlSpec{Office::msoControlButton, 1, u"", 0, false});
};

TEST(UserActions, EachProtectionFlagRefusesItsAction) {
  struct Case {
    const char* action;
    int32_t protection;
    bool allowed;
  } const table[] = {
      {"drag", Office::msoBarNoProtection, true},
      {"drag", Office::msoBarNoCustomize, false},
      {"drag", Office::msoBarNoMove, true},
      {"delete", Office::msoBarNoCustomize, false},
      {"delete", Office::msoBarNoResize, true},
      {"add", Office::msoBarNoCustomize, false},
      {"add", Office::msoBarNoChangeVisible, true},
      {"hide", Office::msoBarNoChangeVisible, false},
      {"hide", Office::msoBarNoCustomize, true},
      {"move", Office::msoBarNoMove, false},
      {"move", Office::msoBarNoChangeDock, true},
      {"dockTop", Office::msoBarNoChangeDock, false},
      {"dockTop", Office::msoBarNoHorizontalDock, false},
      {"dockTop", Office::msoBarNoVerticalDock, true},
      {"dockLeft", Office::msoBarNoVerticalDock, false},
      {"dockLeft", Office::msoBarNoHorizontalDock, true},
      {"dockBottom", Office::msoBarNoHorizontalDock, false},
      {"float", Office::msoBarNoHorizontalDock | Office::msoBarNoVerticalDock, true},
  };
  for (const auto& c : table) {
    SCOPED_TRACE(testing::Message() << c.action << " protection " << c.protection);
    Fixture f;
    f.bar->props().protection = c.protection;
    f.bar->props().position = std::string(c.action) == "float" ? Office::msoBarTop : Office::msoBarFloating;
    const std::string action = c.action;
    bool done = false;
    bool changed = false;
    if (action == "drag") {
      done = DragControl(*f.button, f.other, 0);
      changed = f.button->parent() == f.other;
    } else if (action == "delete") {
      done = DeleteControlByUser(*f.button);
      changed = !f.button->live();
    } else if (action == "add") {
      done = AddOwnControl(*f.bar, u"Mine", 1) != nullptr;
      changed = f.bar->Count() == 2 && f.bar->At(1)->props().caption == u"Mine";
    } else if (action == "hide") {
      f.bar->props().visible = true;
      done = SetBarVisible(*f.bar, false);
      changed = !f.bar->props().visible;
    } else if (action == "move") {
      done = MoveBar(*f.bar, 5, 6);
      changed = f.bar->props().left == 5 && f.bar->props().top == 6;
    } else {
      const int32_t position = action == "dockTop"      ? Office::msoBarTop
                               : action == "dockLeft"   ? Office::msoBarLeft
                               : action == "dockBottom" ? Office::msoBarBottom
                                                        : Office::msoBarFloating;
      done = DockBar(*f.bar, position, 2);
      changed = f.bar->props().position == position;
    }
    EXPECT_EQ(done, c.allowed);
    EXPECT_EQ(changed, c.allowed);
  }
}

TEST(UserActions, DraggingOntoAProtectedBarIsRefused) {
  Fixture f;
  f.other->props().protection = Office::msoBarNoCustomize;
  EXPECT_FALSE(DragControl(*f.button, f.other, 0));
  EXPECT_EQ(f.button->parent(), f.bar);
  EXPECT_FALSE(DragControl(*f.button, f.bar, 5));  // no such place
  EXPECT_EQ(f.button->index(), 1);
}

TEST(UserActions, ProtectionOfTheTopBarGuardsItsMenus) {
  Fixture f;
  auto popup = f.bar->AddControl(ControlSpec{Office::msoControlPopup, 1, u"", 0, false});
  auto child = popup->subBar()->AddControl(ControlSpec{Office::msoControlButton, 1, u"", 0, false});
  f.bar->props().protection = Office::msoBarNoCustomize;
  EXPECT_FALSE(DeleteControlByUser(*child));
  EXPECT_TRUE(child->live());
}

TEST(UserActions, DockingSetsTheRowAndFloatingClearsIt) {
  Fixture f;
  EXPECT_FALSE(MoveBar(*f.set.Find(u"Standard"), 1, 1));  // docked bars do not move freely
  EXPECT_TRUE(DockBar(*f.bar, Office::msoBarRight, 3));
  EXPECT_EQ(f.bar->props().rowIndex, 3);
  EXPECT_TRUE(DockBar(*f.bar, Office::msoBarFloating, 3));
  EXPECT_EQ(f.bar->props().rowIndex, 0);
  EXPECT_FALSE(DockBar(*f.bar, Office::msoBarPopup, 1));
  EXPECT_FALSE(SetBarVisible(*f.set.Find(u"Cell"), true));  // a popup bar only drops down
}

}  // namespace
}  // namespace corvane::sim::office
