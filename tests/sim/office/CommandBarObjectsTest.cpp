// The command bar objects as a client sees them: members by DISPID and by
// name, the collections' Add/Item/Count, FindControl, interface ids, and
// stale wrappers after a Delete.
#include <gtest/gtest.h>

#include "platform/com/Variant.h"
#include "sim/core/HostError.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/OfficeError.h"
#include "tests/sim/office/OfficeObjectsFixture.h"

namespace corvane::sim::office::testing {
namespace {

using com::Variant;

struct PropertyCase {
  DISPID id;
  const char16_t* name;
  Variant written;
};

// Writes each property by DISPID and reads it back by name: a member
// wired to the wrong DISPID or field shows as a mismatch.
void ExpectRoundTrips(com::Dispatch& object, const std::vector<PropertyCase>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(com::Utf16ToUtf8(c.name));
    object.Put(c.id, c.written);
    EXPECT_EQ(object.Get(c.name).ToText(), c.written.ToText());
    EXPECT_EQ(object.Get(c.id).ToText(), c.written.ToText());
  }
}

using CommandBarObjectsTest = OfficeObjectsTest;

TEST_F(CommandBarObjectsTest, BarPropertiesAnswerTheirDispidsAndNames) {
  com::Dispatch bar = Of(bars.Call(0x60030002, {Variant(u"Corvane")}));
  ExpectRoundTrips(bar, {{0x60040005, u"Enabled", Variant(false)},
                         {0x6004000C, u"Left", Variant(17)},
                         {0x6004000E, u"Name", Variant(u"Renamed")},
                         {0x60040010, u"NameLocal", Variant(u"Umbenannt")},
                         {0x60040013, u"Position", Variant(1)},
                         {0x60040015, u"RowIndex", Variant(3)},
                         {0x60040017, u"Protection", Variant(8)},
                         {0x6004001B, u"Top", Variant(41)},
                         {0x6004001E, u"Visible", Variant(true)}});
  EXPECT_FALSE(bar.Get(0x60040000).ToBool());
  EXPECT_EQ(bar.Get(0x6004001D).ToInt32(), Office::msoBarTypeNormal);
  EXPECT_EQ(set->Find(u"Renamed")->props().left, 17);
}

TEST_F(CommandBarObjectsTest, BarRefusesBadValuesAndKeepsTheOldOnes) {
  com::Dispatch bar = Of(bars.Get(0, {Variant(u"standard")}));
  EXPECT_TRUE(bar.Get(u"BuiltIn").ToBool());
  EXPECT_EQ(FailureOf([&] { bar.Put(u"Position", Variant(7)); }), kInvalidArgument);
  EXPECT_EQ(FailureOf([&] { bar.Put(u"Protection", Variant(128)); }), kInvalidArgument);
  EXPECT_EQ(FailureOf([&] { bar.Put(u"Name", Variant(u"Mine")); }), kInvalidArgument);
  EXPECT_EQ(bar.Get(u"Name").ToText(), u"Standard");
  EXPECT_EQ(bar.Get(u"Protection").ToInt32(), Office::msoBarNoProtection);
}

TEST_F(CommandBarObjectsTest, CommandBarsAddItemAndCount) {
  const int32_t before = bars.Get(0x60030003).ToInt32();
  ASSERT_EQ(before, set->Count());
  com::Dispatch added = Of(bars.Call(u"Add", {Variant(u"Corvane"), Variant(4), Variant::Omitted(), Variant(true)}));
  EXPECT_EQ(bars.Get(u"Count").ToInt32(), before + 1);
  EXPECT_EQ(Of(bars.Get(0, {Variant(before + 1)})).Get(u"Name").ToText(), u"Corvane");
  EXPECT_EQ(Of(bars.Get(u"Item", {Variant(u"CORVANE")})).Get(u"NameLocal").ToText(), u"Corvane");
  EXPECT_TRUE(set->Find(u"Corvane")->temporary());

  EXPECT_EQ(FailureOf([&] { bars.Call(u"Add", {Variant(u"corvane")}); }), kInvalidArgument);
  EXPECT_EQ(FailureOf([&] { bars.Get(0, {Variant(0)}); }), kInvalidArgument);
  EXPECT_EQ(FailureOf([&] { bars.Get(0, {Variant(u"No such bar")}); }), kInvalidArgument);
  EXPECT_EQ(bars.Get(u"Count").ToInt32(), before + 1);
}

TEST_F(CommandBarObjectsTest, ControlsAddItemCountAndPlacement) {
  com::Dispatch bar = Of(bars.Call(u"Add", {Variant(u"Corvane")}));
  com::Dispatch controls = Of(bar.Get(0x60040003));
  com::Dispatch first = Of(controls.Call(0x60030000, {Variant(1)}));
  first.Put(u"Caption", Variant(u"First"));
  com::Dispatch second = Of(controls.Call(u"Add", {Variant(1), Variant::Omitted(), Variant(u"p"), Variant(1)}));
  second.Put(u"Caption", Variant(u"Second"));
  com::Dispatch copy = Of(controls.Call(u"Add", {Variant::Omitted(), Variant(3)}));  // built-in Save

  EXPECT_EQ(controls.Get(0x60030001).ToInt32(), 3);
  EXPECT_EQ(second.Get(u"Index").ToInt32(), 1);
  EXPECT_EQ(first.Get(u"Index").ToInt32(), 2);
  EXPECT_EQ(second.Get(u"Parameter").ToText(), u"p");
  EXPECT_EQ(Of(controls.Get(0, {Variant(2)})).Get(u"Caption").ToText(), u"First");
  EXPECT_EQ(Of(controls.Get(0, {Variant(u"second")})).Get(u"Index").ToInt32(), 1);
  EXPECT_EQ(copy.Get(u"Id").ToInt32(), 3);
  EXPECT_TRUE(copy.Get(u"BuiltIn").ToBool());
  EXPECT_EQ(first.Get(u"Id").ToInt32(), kCustomControlId);
  EXPECT_EQ(Of(first.Get(0x6004001C)).Get(u"Name").ToText(), u"Corvane");
  EXPECT_EQ(FailureOf([&] {
              controls.Call(u"Add", {Variant(1), Variant::Omitted(), Variant(u""), Variant(9)});
            }),
            kInvalidArgument);
  EXPECT_EQ(FailureOf([&] { controls.Call(u"Add", {Variant(7)}); }), kInvalidArgument);
  EXPECT_EQ(controls.Get(u"Count").ToInt32(), 3);
}

TEST_F(CommandBarObjectsTest, ControlPropertiesAnswerTheirDispidsAndNames) {
  com::Dispatch button = AddButton(u"Corvane", u"t");
  ExpectRoundTrips(button, {{0x60040000, u"BeginGroup", Variant(true)},
                            {0x60040003, u"Caption", Variant(u"&Format")},
                            {0x60040008, u"DescriptionText", Variant(u"Formats")},
                            {0x6004000A, u"Enabled", Variant(false)},
                            {0x6004000D, u"Height", Variant(30)},
                            {0x6004000F, u"HelpContextId", Variant(12)},
                            {0x60040011, u"HelpFile", Variant(u"help.chm")},
                            {0x6004001A, u"OnAction", Variant(u"!<Corvane.Connect>")},
                            {0x6004001D, u"Parameter", Variant(u"param")},
                            {0x6004001F, u"Priority", Variant(1)},
                            {0x60040023, u"Tag", Variant(u"Tag 7")},
                            {0x60040025, u"TooltipText", Variant(u"Tip")},
                            {0x60040029, u"Visible", Variant(false)},
                            {0x6004002B, u"Width", Variant(40)},
                            {0x60050003, u"FaceId", Variant(59)},
                            {0x60050006, u"ShortcutText", Variant(u"Ctrl+K")},
                            {0x60050008, u"State", Variant(-1)},
                            {0x6005000A, u"Style", Variant(3)},
                            {0x6005000C, u"HyperlinkType", Variant(1)}});
  EXPECT_EQ(button.Get(0x60040028).ToInt32(), Office::msoControlButton);
  const std::vector<std::pair<DISPID, const char16_t*>> readOnly{{0x60040002, u"BuiltIn"}, {0x60040013, u"Id"},
                                                                 {0x60040014, u"Index"},   {0x60040017, u"Left"},
                                                                 {0x60040027, u"Top"},     {0x60040028, u"Type"}};
  for (const auto& [id, name] : readOnly) {
    SCOPED_TRACE(com::Utf16ToUtf8(name));
    EXPECT_EQ(button.Get(id).ToText(), button.Get(name).ToText());
    EXPECT_EQ(FailureOf([&] { button.Put(id, Variant(1)); }), DISP_E_MEMBERNOTFOUND);
  }
  EXPECT_EQ(FailureOf([&] { button.Put(u"State", Variant(5)); }), kInvalidArgument);
  EXPECT_EQ(button.Get(u"State").ToInt32(), Office::msoButtonDown);
}

TEST_F(CommandBarObjectsTest, ComboBoxTextAndList) {
  com::Dispatch bar = Of(bars.Call(u"Add", {Variant(u"Corvane")}));
  com::Dispatch combo = Of(Of(bar.Get(u"Controls")).Call(u"Add", {Variant(Office::msoControlComboBox)}));
  combo.Call(0x60050000, {Variant(u"b")});
  combo.Call(u"AddItem", {Variant(u"a"), Variant(1)});
  combo.Call(u"AddItem", {Variant(u"c")});
  EXPECT_EQ(combo.Get(0x60050008).ToInt32(), 3);
  EXPECT_EQ(combo.Get(u"List", {Variant(1)}).ToText(), u"a");
  combo.Put(0x6005000B, Variant(3));
  EXPECT_EQ(combo.Get(0x60050010).ToText(), u"c");
  combo.Call(u"RemoveItem", {Variant(2)});
  EXPECT_EQ(combo.Get(u"List", {Variant(2)}).ToText(), u"c");
  EXPECT_EQ(FailureOf([&] { combo.Get(u"List", {Variant(3)}); }), kInvalidArgument);
  combo.Call(u"Clear");
  EXPECT_EQ(combo.Get(u"ListCount").ToInt32(), 0);

  com::Dispatch edit = Of(Of(bar.Get(u"Controls")).Call(u"Add", {Variant(Office::msoControlEdit)}));
  edit.Put(u"Text", Variant(u"typed"));
  EXPECT_EQ(edit.Get(u"Text").ToText(), u"typed");
  EXPECT_EQ(FailureOf([&] { edit.Call(u"AddItem", {Variant(u"x")}); }), kOperationFailed);
}

TEST_F(CommandBarObjectsTest, EachObjectAnswersItsInterfaceIds) {
  com::Dispatch bar = Of(bars.Call(u"Add", {Variant(u"Corvane")}));
  com::Dispatch controls = Of(bar.Get(u"Controls"));
  struct Case {
    const char* what;
    com::ComPtr<IDispatch> object;
    std::vector<IID> answered;
    std::vector<IID> refused;
  };
  const std::vector<Case> cases{
      {"CommandBars", bars.object(), {Office::CommandBars::iid}, {Office::CommandBar::iid}},
      {"CommandBar",
       bar.object(),
       {Office::CommandBar::iid},
       {Office::CommandBarControl::iid, IID_IConnectionPointContainer}},
      {"CommandBarControls", controls.object(), {Office::CommandBarControls::iid}, {Office::CommandBars::iid}},
      {"button",
       controls.Call(u"Add", {Variant(1)}).ToDispatch(),
       {Office::CommandBarControl::iid, Office::CommandBarButton::iid, IID_IConnectionPointContainer},
       {Office::CommandBarComboBox::iid}},
      {"combo box",
       controls.Call(u"Add", {Variant(Office::msoControlDropdown)}).ToDispatch(),
       {Office::CommandBarControl::iid, Office::CommandBarComboBox::iid, IID_IConnectionPointContainer},
       {Office::CommandBarButton::iid}},
      {"popup",
       controls.Call(u"Add", {Variant(Office::msoControlPopup)}).ToDispatch(),
       {Office::CommandBarControl::iid, Office::CommandBarPopup::iid},
       {Office::CommandBarButton::iid, IID_IConnectionPointContainer}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (const auto& iid : c.answered) {
      com::ComPtr<IUnknown> answer;
      EXPECT_EQ(c.object->QueryInterface(iid, answer.put_void()), S_OK);
    }
    for (const auto& iid : c.refused) {
      com::ComPtr<IUnknown> answer;
      EXPECT_EQ(c.object->QueryInterface(iid, answer.put_void()), E_NOINTERFACE);
    }
  }
}

TEST_F(CommandBarObjectsTest, FindControlByTagAcrossBarsAndIntoMenus) {
  com::Dispatch bar = Of(bars.Call(u"Add", {Variant(u"Corvane")}));
  com::Dispatch popup = Of(Of(bar.Get(u"Controls")).Call(u"Add", {Variant(Office::msoControlPopup)}));
  com::Dispatch nested = Of(Of(popup.Get(u"Controls")).Call(u"Add", {Variant(1)}));
  nested.Put(u"Tag", Variant(u"deep"));
  nested.Put(u"Caption", Variant(u"Nested"));
  EXPECT_EQ(Of(popup.Get(u"CommandBar")).Get(u"Type").ToInt32(), Office::msoBarTypePopup);

  const Variant none = Variant::Omitted();
  EXPECT_EQ(Of(bars.Call(0x60030008, {none, none, Variant(u"deep")})).Get(u"Caption").ToText(), u"Nested");
  EXPECT_EQ(Of(bars.Call(u"FindControl", {Variant(1), Variant(1), Variant(u"deep")})).Get(u"Caption").ToText(),
            u"Nested");
  EXPECT_EQ(Of(bar.Call(0x60040007, {none, none, Variant(u"deep"), none, Variant(true)})).Get(u"Caption").ToText(),
            u"Nested");

  struct Miss {
    const char* what;
    com::Dispatch& where;
    std::vector<Variant> args;
  };
  std::vector<Miss> misses{
      {"not recursive", bar, {none, none, Variant(u"deep")}},
      {"wrong type", bars, {Variant(Office::msoControlEdit), none, Variant(u"deep")}},
      {"other tag", bars, {none, none, Variant(u"Deep")}},
  };
  for (auto& m : misses) {
    SCOPED_TRACE(m.what);
    const Variant found = m.where.Call(u"FindControl", m.args);
    EXPECT_EQ(found.type(), VT_DISPATCH);
    EXPECT_EQ(found.ToDispatch().get(), nullptr);
  }
  nested.Put(u"Visible", Variant(false));
  EXPECT_EQ(bars.Call(u"FindControl", {none, none, Variant(u"deep"), Variant(true)}).ToDispatch().get(), nullptr);
}

TEST_F(CommandBarObjectsTest, MoveTakesTheControlToAnotherBar) {
  com::Dispatch button = AddButton(u"From", u"m");
  com::Dispatch to = Of(bars.Get(0, {Variant(u"Formatting")}));
  const int32_t count = Of(to.Get(u"Controls")).Get(u"Count").ToInt32();
  com::Dispatch moved = Of(button.Call(0x60040016, {to.object(), Variant(2)}));
  EXPECT_EQ(Of(moved.Get(u"Parent")).Get(u"Name").ToText(), u"Formatting");
  EXPECT_EQ(button.Get(u"Index").ToInt32(), 2);
  EXPECT_EQ(Of(to.Get(u"Controls")).Get(u"Count").ToInt32(), count + 1);
  EXPECT_EQ(Of(Of(bars.Get(0, {Variant(u"From")})).Get(u"Controls")).Get(u"Count").ToInt32(), 0);
  // Not a bar of this host: refused, the control stays where it is.
  EXPECT_EQ(FailureOf([&] { button.Call(u"Move", {button.object()}); }), kInvalidArgument);
  EXPECT_EQ(FailureOf([&] { button.Call(u"Move", {to.object(), Variant(99)}); }), kInvalidArgument);
  EXPECT_EQ(button.Get(u"Index").ToInt32(), 2);
}

TEST_F(CommandBarObjectsTest, WrappersOfDeletedModelsAreStale) {
  com::Dispatch forGood = AddButton(u"Corvane", u"a");
  com::Dispatch bar = Of(forGood.Get(u"Parent"));
  com::Dispatch second = Of(Of(bar.Get(u"Controls")).Call(u"Add", {Variant(1)}));
  com::Dispatch sessionOnly = Of(Of(Of(bars.Get(0, {Variant(u"Standard")})).Get(u"Controls")).Get(0, {Variant(1)}));

  forGood.Call(0x60040007);
  sessionOnly.Call(u"Delete", {Variant(true)});
  EXPECT_EQ(FailureOf([&] { forGood.Get(u"Caption"); }), kDisconnected);
  EXPECT_EQ(FailureOf([&] { sessionOnly.Get(u"Id"); }), kDisconnected);
  EXPECT_EQ(Of(bar.Get(u"Controls")).Get(u"Count").ToInt32(), 1);

  bar.Call(u"Delete");
  EXPECT_EQ(FailureOf([&] { bar.Get(u"Name"); }), kDisconnected);
  EXPECT_EQ(FailureOf([&] { second.Put(u"Caption", Variant(u"x")); }), kDisconnected);
  EXPECT_EQ(FailureOf([&] { Of(bars.Get(0, {Variant(u"Standard")})).Call(u"Delete"); }), kOperationFailed);

  set->Close();
  EXPECT_EQ(FailureOf([&] { bars.Get(u"Count"); }), S_OK);
  set.reset();
  EXPECT_EQ(FailureOf([&] { bars.Get(u"Count"); }), kDisconnected);
}

TEST_F(CommandBarObjectsTest, HostErrorsCarryOfficesCodeSourceAndText) {
  try {
    bars.Get(0, {Variant(999)});
    FAIL() << "Item(999) answered";
  } catch (const com::ComError& error) {
    EXPECT_EQ(error.code(), kInvalidArgument);
    EXPECT_EQ(error.source(), kOfficeSource);
    EXPECT_EQ(error.description(), u"Invalid procedure call or argument");
  }
}

}  // namespace
}  // namespace corvane::sim::office::testing
