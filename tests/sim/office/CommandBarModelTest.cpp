// The command bar model: built-in bars, adding, finding, moving and
// deleting controls as Office does.
#include <gtest/gtest.h>

#include "platform/com/Text.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/OfficeError.h"

namespace corvane::sim::office {
namespace {

ControlSpec Button(int32_t before = 0, bool temporary = false) {
  return ControlSpec{Office::msoControlButton, kCustomControlId, u"", before, temporary};
}

std::shared_ptr<Control> Tagged(Bar& bar, const std::u16string& tag, int32_t before = 0) {
  auto control = bar.AddControl(Button(before));
  control->props().tag = tag;
  return control;
}

std::u16string Tags(const Bar& bar) {
  std::u16string tags;
  for (const auto& c : bar.Controls()) tags += c->props().tag;
  return tags;
}

TEST(CommandBarModel, BuiltInBarsOfAFreshInstallation) {
  CommandBarSet set;
  struct Expected {
    const char16_t* name;
    int32_t type;
    int32_t position;
    bool visible;
  } const table[] = {
      {u"Worksheet Menu Bar", Office::msoBarTypeMenuBar, Office::msoBarTop, true},
      {u"Standard", Office::msoBarTypeNormal, Office::msoBarTop, true},
      {u"Formatting", Office::msoBarTypeNormal, Office::msoBarTop, true},
      {u"PivotTable", Office::msoBarTypeNormal, Office::msoBarFloating, false},
      {u"Cell", Office::msoBarTypePopup, Office::msoBarPopup, false},
  };
  for (const auto& e : table) {
    auto bar = set.Find(e.name);
    ASSERT_TRUE(bar) << com::Utf16ToUtf8(e.name);
    EXPECT_TRUE(bar->builtIn());
    EXPECT_EQ(bar->type(), e.type);
    EXPECT_EQ(bar->props().position, e.position);
    EXPECT_EQ(bar->props().visible, e.visible);
    EXPECT_EQ(bar->props().nameLocal, e.name);
  }
  EXPECT_EQ(set.At(1)->props().name, u"Worksheet Menu Bar");
  auto file = set.Find(u"Worksheet Menu Bar")->At(1);
  EXPECT_EQ(file->type(), Office::msoControlPopup);
  EXPECT_EQ(file->id(), 30002);
  ASSERT_TRUE(file->subBar());
  EXPECT_EQ(file->subBar()->popupOwner(), file);
  EXPECT_GT(file->subBar()->Count(), 0);
}

TEST(CommandBarModel, FindByNameIgnoresAsciiCaseAndFallsBackToLocalName) {
  CommandBarSet set;
  auto mine = set.Add(u"Mine", Office::msoBarFloating, false, false);
  mine->props().nameLocal = u"Meine";
  EXPECT_EQ(set.Find(u"mINE"), mine);
  EXPECT_EQ(set.Find(u"MEINE"), mine);
  EXPECT_EQ(set.Find(u"standard"), set.At(3));
  EXPECT_EQ(set.Find(u"Nothing"), nullptr);
}

TEST(CommandBarModel, AddNamesBarsAndRefusesTakenNamesAndBadPositions) {
  CommandBarSet set;
  const int32_t before = set.Count();
  auto first = set.Add(u"", Office::msoBarFloating, false, false);
  auto second = set.Add(u"", Office::msoBarTop, false, true);
  EXPECT_EQ(first->props().name, u"Custom 1");
  EXPECT_EQ(second->props().name, u"Custom 2");
  EXPECT_FALSE(first->builtIn());
  EXPECT_FALSE(first->props().visible);  // a new bar shows only when told
  EXPECT_TRUE(second->temporary());
  EXPECT_EQ(set.Count(), before + 2);
  EXPECT_EQ(set.At(set.Count()), second);
  EXPECT_THROW(set.Add(u"custom 1", Office::msoBarFloating, false, false), OfficeError);
  EXPECT_THROW(set.Add(u"Odd", 7, false, false), OfficeError);
  EXPECT_EQ(set.Add(u"Pop", Office::msoBarPopup, false, false)->type(), Office::msoBarTypePopup);
  EXPECT_EQ(set.Add(u"Menu", Office::msoBarTop, true, false)->type(), Office::msoBarTypeMenuBar);
  EXPECT_EQ(set.Count(), before + 4);
}

TEST(CommandBarModel, DeletingABarKillsItAndItsControls) {
  CommandBarSet set;
  auto bar = set.Add(u"Gone", Office::msoBarFloating, false, false);
  auto control = bar->AddControl(Button());
  set.Delete(*bar);
  EXPECT_FALSE(bar->live());
  EXPECT_FALSE(control->live());
  EXPECT_EQ(set.Find(u"Gone"), nullptr);
  EXPECT_THROW(set.Delete(*set.Find(u"Standard")), OfficeError);
  EXPECT_THROW(bar->AddControl(Button()), OfficeError);
}

TEST(CommandBarModel, AddPlacesControlsAndGivesCustomOnesIdOne) {
  CommandBarSet set;
  auto bar = set.Add(u"Bar", Office::msoBarFloating, false, false);
  Tagged(*bar, u"a");
  Tagged(*bar, u"c");
  Tagged(*bar, u"b", 2);
  Tagged(*bar, u"0", 1);
  EXPECT_EQ(Tags(*bar), u"0abc");
  EXPECT_EQ(bar->At(3)->index(), 3);
  EXPECT_EQ(bar->At(3)->id(), kCustomControlId);
  EXPECT_FALSE(bar->At(3)->builtIn());
  EXPECT_THROW(bar->AddControl(Button(6)), OfficeError);
  EXPECT_THROW(bar->At(5), OfficeError);
  EXPECT_THROW(bar->At(0), OfficeError);
  EXPECT_EQ(bar->Count(), 4);
}

TEST(CommandBarModel, AddByTypeAndBuiltInId) {
  CommandBarSet set;
  auto bar = set.Add(u"Bar", Office::msoBarFloating, false, false);
  struct Case {
    int32_t type;
    int32_t id;
    bool succeeds;
    int32_t resultType;
    bool builtIn;
  } const table[] = {
      {Office::msoControlButton, 1, true, Office::msoControlButton, false},
      {Office::msoControlEdit, 1, true, Office::msoControlEdit, false},
      {Office::msoControlDropdown, 1, true, Office::msoControlDropdown, false},
      {Office::msoControlComboBox, 1, true, Office::msoControlComboBox, false},
      {Office::msoControlPopup, 1, true, Office::msoControlPopup, false},
      {Office::msoControlCustom, 1, true, Office::msoControlButton, false},
      {Office::msoControlCustom, 19, true, Office::msoControlButton, true},
      {Office::msoControlButton, 19, true, Office::msoControlButton, true},
      {Office::msoControlPopup, 19, false, 0, false},
      {Office::msoControlCustom, 30002, true, Office::msoControlPopup, true},
      {Office::msoControlCustom, 999999, false, 0, false},
      {7, 1, false, 0, false},
  };
  for (const auto& c : table) {
    SCOPED_TRACE(testing::Message() << "type " << c.type << " id " << c.id);
    const int32_t count = bar->Count();
    if (!c.succeeds) {
      EXPECT_THROW(bar->AddControl(ControlSpec{c.type, c.id, u"", 0, false}), OfficeError);
      EXPECT_EQ(bar->Count(), count);
      continue;
    }
    auto control = bar->AddControl(ControlSpec{c.type, c.id, u"p", 0, false});
    EXPECT_EQ(control->type(), c.resultType);
    EXPECT_EQ(control->builtIn(), c.builtIn);
    EXPECT_EQ(control->id(), c.builtIn ? c.id : kCustomControlId);
    EXPECT_EQ(control->props().parameter, u"p");
    EXPECT_EQ(control->subBar() != nullptr, c.resultType == Office::msoControlPopup);
  }
  EXPECT_EQ(bar->At(8)->props().caption, u"&Copy");
}

TEST(CommandBarModel, ControlsOnATemporaryBarAreTemporary) {
  CommandBarSet set;
  auto bar = set.Add(u"Temp", Office::msoBarFloating, false, true);
  EXPECT_TRUE(bar->AddControl(Button())->temporary());
  auto permanent = set.Add(u"Perm", Office::msoBarFloating, false, false);
  EXPECT_FALSE(permanent->AddControl(Button())->temporary());
  EXPECT_TRUE(permanent->AddControl(Button(0, true))->temporary());
}

TEST(CommandBarModel, MoveWithinAndAcrossBars) {
  CommandBarSet set;
  auto left = set.Add(u"L", Office::msoBarFloating, false, false);
  auto right = set.Add(u"R", Office::msoBarFloating, false, false);
  auto a = Tagged(*left, u"a");
  Tagged(*left, u"b");
  auto c = Tagged(*left, u"c");
  Tagged(*right, u"x");
  c->MoveTo(nullptr, 1);
  EXPECT_EQ(Tags(*left), u"cab");
  a->MoveTo(nullptr, 0);
  EXPECT_EQ(Tags(*left), u"cba");
  a->MoveTo(right, 1);
  EXPECT_EQ(Tags(*left), u"cb");
  EXPECT_EQ(Tags(*right), u"ax");
  EXPECT_EQ(a->parent(), right);
  EXPECT_EQ(a->index(), 1);
  // A refused place loses nothing.
  EXPECT_THROW(a->MoveTo(left, 4), OfficeError);
  EXPECT_EQ(Tags(*right), u"ax");
  EXPECT_TRUE(a->live());
}

TEST(CommandBarModel, BeforeNamesThePlaceAsTheBarStoodBeforeTheMove) {
  CommandBarSet set;
  auto bar = set.Add(u"L", Office::msoBarFloating, false, false);
  auto a = Tagged(*bar, u"a");
  auto b = Tagged(*bar, u"b");
  Tagged(*bar, u"c");
  Tagged(*bar, u"d");
  a->MoveTo(nullptr, 3);  // before c: one place early, as it left its own
  EXPECT_EQ(Tags(*bar), u"bacd");
  a->MoveTo(nullptr, 5);  // Count + 1: the end
  EXPECT_EQ(Tags(*bar), u"bcda");
  b->MoveTo(nullptr, 1);  // before itself or its neighbour: where it is
  b->MoveTo(nullptr, 2);
  EXPECT_EQ(Tags(*bar), u"bcda");
  EXPECT_THROW(b->MoveTo(nullptr, 6), OfficeError);
  EXPECT_EQ(Tags(*bar), u"bcda");
}

TEST(CommandBarModel, APopupCannotMoveIntoItsOwnMenu) {
  CommandBarSet set;
  auto bar = set.Add(u"B", Office::msoBarFloating, false, false);
  auto popup = bar->AddControl(ControlSpec{Office::msoControlPopup, 1, u"", 0, false});
  auto inner = popup->subBar()->AddControl(ControlSpec{Office::msoControlPopup, 1, u"", 0, false});
  EXPECT_THROW(popup->MoveTo(popup->subBar(), 0), OfficeError);
  EXPECT_THROW(popup->MoveTo(inner->subBar(), 0), OfficeError);
  EXPECT_EQ(popup->parent(), bar);
  EXPECT_EQ(inner->topBar(), bar);
}

TEST(CommandBarModel, CopyKeepsPropertiesAndMenu) {
  CommandBarSet set;
  auto bar = set.Add(u"B", Office::msoBarFloating, false, false);
  auto popup = bar->AddControl(ControlSpec{Office::msoControlPopup, 1, u"", 0, false});
  popup->props().caption = u"Menu";
  Tagged(*popup->subBar(), u"child");
  auto other = set.Add(u"O", Office::msoBarFloating, false, true);
  auto copy = popup->CopyTo(other, 0);
  EXPECT_EQ(copy->props().caption, u"Menu");
  EXPECT_TRUE(copy->temporary());
  ASSERT_EQ(copy->subBar()->Count(), 1);
  EXPECT_EQ(copy->subBar()->At(1)->props().tag, u"child");
  EXPECT_NE(copy->subBar()->At(1), popup->subBar()->At(1));
  EXPECT_EQ(bar->Count(), 1);
}

TEST(CommandBarModel, DeleteForGoodOrForTheSession) {
  CommandBarSet set;
  auto bar = set.Add(u"B", Office::msoBarFloating, false, false);
  auto a = Tagged(*bar, u"a");
  auto b = Tagged(*bar, u"b");
  auto c = Tagged(*bar, u"c");
  b->Delete(true);
  EXPECT_FALSE(b->live());
  EXPECT_TRUE(b->sessionDeleted());
  EXPECT_EQ(Tags(*bar), u"ac");
  EXPECT_EQ(c->index(), 2);
  EXPECT_EQ(bar->Entries().size(), 3u);  // comes back at the next start
  a->Delete(false);
  EXPECT_FALSE(a->live());
  EXPECT_EQ(a->parent(), nullptr);
  EXPECT_EQ(bar->Entries().size(), 2u);
  EXPECT_THROW(a->Delete(false), OfficeError);
  EXPECT_THROW(b->MoveTo(nullptr, 1), OfficeError);
  // A temporary control deleted "for the session" is gone all the same.
  auto t = bar->AddControl(Button(0, true));
  t->Delete(true);
  EXPECT_EQ(bar->Entries().size(), 2u);
}

TEST(CommandBarModel, DeletingAPopupKillsItsMenu) {
  CommandBarSet set;
  auto bar = set.Add(u"B", Office::msoBarFloating, false, false);
  auto popup = bar->AddControl(ControlSpec{Office::msoControlPopup, 1, u"", 0, false});
  auto child = Tagged(*popup->subBar(), u"child");
  popup->Delete(false);
  EXPECT_FALSE(child->live());
  EXPECT_FALSE(popup->subBar()->live());
}

TEST(CommandBarModel, FindControlAcrossBarsAndRecursively) {
  CommandBarSet set;
  auto one = set.Add(u"One", Office::msoBarFloating, false, false);
  auto two = set.Add(u"Two", Office::msoBarFloating, false, false);
  auto popup = one->AddControl(ControlSpec{Office::msoControlPopup, 1, u"", 0, false});
  auto deep = Tagged(*popup->subBar(), u"T");
  auto onTwo = Tagged(*two, u"T");
  auto hidden = Tagged(*two, u"H");
  hidden->props().visible = false;

  ControlQuery byTag;
  byTag.tag = u"T";
  EXPECT_EQ(set.FindControl(byTag), deep);  // bars in index order, menus included
  EXPECT_EQ(one->Find(byTag, false), nullptr);
  EXPECT_EQ(one->Find(byTag, true), deep);
  EXPECT_EQ(two->Find(byTag, false), onTwo);

  ControlQuery caseDiffers;
  caseDiffers.tag = u"t";
  EXPECT_EQ(set.FindControl(caseDiffers), nullptr);

  ControlQuery typeAndTag = byTag;
  typeAndTag.type = Office::msoControlPopup;
  EXPECT_EQ(set.FindControl(typeAndTag), nullptr);

  ControlQuery byId;
  byId.id = 19;
  EXPECT_EQ(set.FindControl(byId)->parent(), set.Find(u"Worksheet Menu Bar")->At(2)->subBar());  // Edit menu first

  ControlQuery visible;
  visible.tag = u"H";
  EXPECT_EQ(set.FindControl(visible), hidden);
  visible.visibleOnly = true;
  EXPECT_EQ(set.FindControl(visible), nullptr);  // hidden control
  visible.tag = u"T";
  EXPECT_EQ(set.FindControl(visible), nullptr);  // new bars are not shown yet
  two->props().visible = true;
  EXPECT_EQ(set.FindControl(visible), onTwo);

  const auto tagged = set.ControlsTagged(u"T");
  ASSERT_EQ(tagged.size(), 2u);
  EXPECT_EQ(tagged[0], deep);
  EXPECT_EQ(tagged[1], onTwo);
}

TEST(CommandBarModel, ClosingTheSetKillsEveryBar) {
  std::shared_ptr<Control> control;
  {
    CommandBarSet set;
    control = set.Add(u"B", Office::msoBarFloating, false, false)->AddControl(Button());
  }
  EXPECT_FALSE(control->live());
}

}  // namespace
}  // namespace corvane::sim::office
