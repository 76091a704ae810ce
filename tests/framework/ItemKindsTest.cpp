// The item kinds besides the button, bound to the simulated Office across
// restarts: edit, drop-down and combo boxes with their lists and Change
// events, popups with items of their own (custom and built-in), plain
// built-in controls, and advanced controls, which are never built.
#include <algorithm>

#include "framework/commandbars/TkvxCommandBarAdvancedControl.h"
#include "framework/commandbars/TkvxCommandBarComboBox.h"
#include "framework/commandbars/TkvxCommandBarPopup.h"
#include "framework/commandbars/TkvxCustomCommandBarComboBox.h"
#include "sim/office/objects/Clicks.h"
#include "tests/framework/BindingFixture.h"
#include "tests/framework/FakeHost.h"

namespace corvane::framework::testing {
namespace {

using sim::Instrumentation;

const std::vector<std::u16string> kList = {u"Sum", u"Count", u"Average"};

class ItemKindsTest : public BindingTest {
 protected:
  // One box of that kind after the buttons, its revision following the
  // buttons'.
  void DesignBox(int32_t kind) {
    addItems = [this, kind](TkvxCommandBar& bar, const Design& design) {
      auto& box = static_cast<TkvxCustomCommandBarComboBox&>(bar.Controls().AddControl(kind));
      box.SetOfficeTag(TagOf(5));
      box.SetCaption(u"Function");
      box.SetText(u"Sum");
      box.SetStyle(kvxMsoComboLabel);
      box.SetPropertyChanged(design.buttonRevision);
      if (kind != kvxKindEdit) {
        box.SetItems(kList);
        box.SetDropdownLines(5);
        box.SetListIndex(2);
      }
      box.OnChange = [this](TObject* Sender) {
        changes.push_back(static_cast<TkvxCustomCommandBarComboBox*>(Sender)->Text());
      };
    };
  }

  TkvxCustomCommandBarComboBox& Box() const {
    return static_cast<TkvxCustomCommandBarComboBox&>(bar->Controls().Items(bar->Controls().Count() - 1));
  }
  TkvxCommandBarPopup& Popup() const { return static_cast<TkvxCommandBarPopup&>(*bar->Controls().FindByTag(60)); }

  // A popup with two buttons of its own (tags 70 and 71).
  void DesignPopup(int32_t officeId = TkvxCommandBarControl::kCustomControlId) {
    addItems = [this, officeId](TkvxCommandBar& bar, const Design& design) {
      auto& popup = static_cast<TkvxCommandBarPopup&>(bar.Controls().AddControl(kvxKindPopup));
      popup.SetOfficeTag(TagOf(6));
      popup.SetOfficeID(officeId);
      popup.SetTag(60);
      popup.SetCaption(u"Menu");
      popup.SetPropertyChanged(design.buttonRevision);
      for (int i = 0; i < 2; ++i) {
        auto& child = static_cast<TkvxCommandBarButton&>(popup.Controls().AddControl(kvxKindButton));
        child.SetOfficeTag(TagOf(7 + i));
        child.SetTag(70 + i);
        child.SetCaption(i == 0 ? u"First" : u"Second");
        child.SetPropertyChanged(design.buttonRevision);
        child.OnClick = [this](TObject* Sender) {
          clicks.push_back(static_cast<TkvxCommandBarControl*>(Sender)->Tag());
        };
      }
    };
  }

  int CountOnBar(const std::shared_ptr<sim::office::Bar>& on, int32_t id) const {
    const auto controls = on->Controls();
    return static_cast<int>(
        std::count_if(controls.begin(), controls.end(), [id](const auto& c) { return c->id() == id; }));
  }

  std::vector<std::u16string> changes;
};

struct BoxKind {
  int32_t kind;
  int32_t hostType;
  bool list;
};

class BoxKindTest : public ItemKindsTest, public ::testing::WithParamInterface<BoxKind> {};

TEST_P(BoxKindTest, IsBuiltWithItsSettingsListAndChangeEventAndKeptUntilItsRevisionChanges) {
  const BoxKind row = GetParam();
  DesignBox(row.kind);
  Start();
  ASSERT_EQ(Tagged(5).size(), 1u);
  const auto host = Tagged(5)[0];
  EXPECT_EQ(host->type(), row.hostType);
  EXPECT_EQ(host->props().caption, u"Function");
  EXPECT_EQ(host->props().comboStyle, 1);
  EXPECT_EQ(host->items(), row.list ? kList : std::vector<std::u16string>{});
  EXPECT_EQ(host->props().listIndex, row.list ? 2 : 0);
  EXPECT_EQ(host->props().dropDownLines, row.list ? 5 : 0);
  // An edit box has no list: nothing is asked of one.
  if (!row.list) {
    EXPECT_EQ(Instrumentation::Instance().Calls(u"CommandBarComboBox", u"Clear"), 0u);
  }
  EXPECT_EQ(Record(u"Controls", TagOf(5)), 12);
  ASSERT_NE(Box().Sink(), nullptr);

  EXPECT_EQ(sim::office::ChangeControlText(Bars(), host, u"Max"), 1u);
  EXPECT_EQ(changes, std::vector<std::u16string>{u"Max"});  // read through from the host
  EXPECT_TRUE(errors->messages.empty());

  // Found again, left as the user has it until the revision changes.
  host->items().push_back(u"Mine");
  Start();
  ASSERT_EQ(Tagged(5).size(), 1u);
  EXPECT_EQ(Tagged(5)[0]->items().size(), row.list ? 4u : 1u);
  Start({.buttonRevision = 13});
  EXPECT_EQ(Tagged(5)[0]->items(), row.list ? kList : std::vector<std::u16string>{u"Mine"});
  EXPECT_EQ(Record(u"Controls", TagOf(5)), 13);
  EXPECT_TRUE(errors->messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, BoxKindTest,
                         ::testing::Values(BoxKind{kvxKindEdit, 2, false}, BoxKind{kvxKindDropDownList, 3, true},
                                           BoxKind{kvxKindComboBox, 4, true}),
                         [](const auto& info) { return std::to_string(info.param.kind); });

TEST_F(ItemKindsTest, NewItemsRefillTheListAndAStaleBoxIsReboundByItsTag) {
  DesignBox(kvxKindComboBox);
  Start();
  Box().SetItems({u"A", u"B"});
  EXPECT_EQ(Tagged(5)[0]->items(), (std::vector<std::u16string>{u"A", u"B"}));

  // The user copies the box to another bar and deletes the original: the
  // held reference is stale, and the copy carries the tag.
  const auto original = Tagged(5)[0];
  original->CopyTo(Bars()->Find(u"Standard"), 1);
  ASSERT_TRUE(sim::office::DeleteControlByUser(*original));
  Box().SetItems({u"C"});
  ASSERT_EQ(Tagged(5).size(), 1u);
  const auto copy = Tagged(5)[0];
  EXPECT_EQ(copy->items(), std::vector<std::u16string>{u"C"});
  EXPECT_EQ(com::Dispatch(Box().HostBox()).Get(Office::CommandBarControl::Tag).ToText(), TagOf(5));
  // Its Change now reaches the item through a sink on the copy.
  EXPECT_EQ(sim::office::ChangeControlText(Bars(), copy, u"typed"), 1u);
  EXPECT_EQ(changes, std::vector<std::u16string>{u"typed"});
  EXPECT_TRUE(errors->messages.empty());
  EXPECT_EQ(module->SinkList().size(), 4u);
}

TEST_F(ItemKindsTest, AFailingListIsReportedAndTheOtherSettingsStillReachTheHost) {
  DesignBox(kvxKindDropDownList);
  inject = [] { Instrumentation::Instance().FailMember(u"CommandBarComboBox", u"AddItem", E_FAIL, u"list full"); };
  Start();
  // The list index then points past the empty list: reported too.
  EXPECT_EQ(errors->messages, (std::vector<std::string>{"list full", "Invalid procedure call or argument"}));
  ASSERT_EQ(Tagged(5).size(), 1u);
  EXPECT_EQ(Tagged(5)[0]->props().dropDownLines, 5);
  // Taken only in part, the box is not recorded: the next start of the
  // same revision fills the list, where a record would leave it empty.
  EXPECT_EQ(Record(u"Controls", TagOf(5)), -1);
  inject = nullptr;
  Instrumentation::Instance().ClearFaults();
  Start();
  ASSERT_EQ(Tagged(5).size(), 1u);
  EXPECT_EQ(Tagged(5)[0]->items(), kList);
  EXPECT_EQ(Record(u"Controls", TagOf(5)), 12);
}

TEST_F(ItemKindsTest, ACustomPopupCarriesItsOwnButtonsAcrossRestarts) {
  DesignPopup();
  Start({.buttons = 1});
  ASSERT_EQ(Tagged(6).size(), 1u);
  const auto popup = Tagged(6)[0];
  EXPECT_EQ(popup->type(), 10);
  EXPECT_EQ(popup->parent(), HostBar());
  EXPECT_EQ(popup->props().caption, u"Menu");
  ASSERT_TRUE(popup->subBar());
  ASSERT_EQ(popup->subBar()->Count(), 2);
  EXPECT_EQ(popup->subBar()->At(1)->props().tag, TagOf(7));
  EXPECT_EQ(popup->subBar()->At(2)->props().caption, u"Second");
  for (size_t tag : {6, 7, 8}) EXPECT_EQ(Record(u"Controls", TagOf(tag)), 12) << tag;

  sim::office::ClickControl(Bars(), popup->subBar()->At(2));
  EXPECT_EQ(clicks, std::vector<int32_t>{71});

  for (int start = 0; start < 3; ++start) {
    Start({.buttons = 1});
    for (size_t tag : {6, 7, 8}) EXPECT_EQ(Tagged(tag).size(), 1u) << tag;
    EXPECT_EQ(Instrumentation::Instance().Calls(u"CommandBarControls", u"Add"), 0u);
    EXPECT_EQ(HostBar()->Count(), 2);
  }
  module->Finalize(true);
  for (size_t tag : {6, 7, 8}) EXPECT_TRUE(Tagged(tag).empty()) << tag;
  EXPECT_FALSE(HostBar());
  EXPECT_TRUE(errors->messages.empty());
}

TEST_F(ItemKindsTest, ABuiltInPopupIsAdoptedAndOnlyTheAddInsItemsLeaveIt) {
  DesignPopup(30002);  // the File menu
  const auto designPopup = addItems;
  addItems = [designPopup](TkvxCommandBar& bar, const Design& design) {
    bar.SetCommandBarName(u"Worksheet Menu Bar");
    designPopup(bar, design);
  };
  Start({.buttons = 0});
  const auto menuBar = HostBar(u"Worksheet Menu Bar");
  ASSERT_EQ(CountOnBar(menuBar, 30002), 1);
  ASSERT_EQ(Tagged(7).size(), 1u);
  EXPECT_EQ(Tagged(7)[0]->topBar(), menuBar);
  EXPECT_NE(Tagged(7)[0]->parent(), menuBar);  // in the File menu's bar
  // A built-in popup is the host's: it gets no tag of ours and no record.
  EXPECT_TRUE(Tagged(6).empty());
  EXPECT_EQ(Record(u"Controls", TagOf(6)), -1);

  module->Finalize(true);
  EXPECT_TRUE(Tagged(7).empty());
  EXPECT_TRUE(Tagged(8).empty());
  EXPECT_EQ(CountOnBar(menuBar, 30002), 1);
  EXPECT_TRUE(HostBar(u"Worksheet Menu Bar"));
  EXPECT_TRUE(errors->messages.empty());
}

TEST_F(ItemKindsTest, APlainControlAddsTheBuiltInCommandAndIsUpdatedEveryTime) {
  addItems = [](TkvxCommandBar& bar, const Design&) {
    TkvxCommandBarControl& save = bar.Controls().AddControl(kvxKindControl);
    save.SetOfficeID(3);  // Save
    save.SetOfficeTag(TagOf(9));
    save.SetCaption(u"Save it");
    save.SetPropertyChanged(1);
    // A plain control of id 1 has nothing to stand for.
    bar.Controls().AddControl(kvxKindControl).SetOfficeTag(TagOf(10));
  };
  Start({.buttons = 1});
  ASSERT_EQ(CountOnBar(HostBar(), 3), 1);
  ASSERT_EQ(Tagged(9).size(), 1u);
  EXPECT_TRUE(Tagged(9)[0]->builtIn());
  EXPECT_EQ(Tagged(9)[0]->props().caption, u"Save it");
  EXPECT_TRUE(Tagged(10).empty());
  EXPECT_EQ(Record(u"Controls", TagOf(9)), -1);

  // No record: the user's caption goes at the next start, and a deleted
  // one comes back.
  Tagged(9)[0]->props().caption = u"mine";
  Start({.buttons = 1});
  ASSERT_EQ(CountOnBar(HostBar(), 3), 1);
  EXPECT_EQ(Tagged(9)[0]->props().caption, u"Save it");
  ASSERT_TRUE(sim::office::DeleteControlByUser(*Tagged(9)[0]));
  Start({.buttons = 1});
  EXPECT_EQ(CountOnBar(HostBar(), 3), 1);
  EXPECT_EQ(HostBar()->Count(), 2);
  EXPECT_TRUE(errors->messages.empty());

  module->Finalize(true);
  EXPECT_TRUE(Tagged(9).empty());
}

TEST_F(ItemKindsTest, AssigningToABoundItemPushesWhatDiffersThroughItsSetters) {
  Start();
  // A design made in code, never bound: the first button's but another caption and state.
  TTestModule other;
  auto* source = new TkvxCommandBar(&other);
  auto& model = static_cast<TkvxCommandBarButton&>(source->Controls().AddControl(kvxKindButton));
  model.SetOfficeTag(TagOf(0));
  model.SetCaption(u"Copied");
  model.SetState(kvxMsoButtonDown);
  model.SetEnabled(true);
  Button(0).Assign(model);
  const auto host = Tagged(0)[0];
  EXPECT_EQ(host->props().caption, u"Copied");
  EXPECT_EQ(host->props().state, -1);
  EXPECT_EQ(Button(0).Caption(), u"Copied");
  EXPECT_TRUE(errors->messages.empty());
}

TEST_F(ItemKindsTest, InOutlookAnEnabledChangeThatReachesTheHostNudgesTheWidth) {
  Start();
  for (const TkvxOfficeHostApp kind : {ohaExcel, ohaOutlook}) {
    SCOPED_TRACE(int(kind));
    // The module takes its host for Outlook; the controls stay bound.
    if (kind == ohaOutlook) {
      module->SetHostApp(com::ComPtr<IDispatch>::adopt(new FakeHost({IidOf(ohaOutlook)})));
      module->DetectHost();
      ASSERT_EQ(module->HostKind(), ohaOutlook);
    }
    Instrumentation::Instance().Reset();
    Button(1).SetEnabled(true);  // a change
    Button(1).SetEnabled(true);  // none
    EXPECT_TRUE(Tagged(1)[0]->props().enabled);
    EXPECT_EQ(Tagged(1)[0]->props().width, 23);  // back where it was
    // Read, one wider, back: only after the change.
    EXPECT_EQ(Instrumentation::Instance().Calls(u"CommandBarButton", u"Width"), kind == ohaOutlook ? 3u : 0u);
    Button(1).SetEnabled(false);
  }
  EXPECT_TRUE(errors->messages.empty());
}

TEST_F(ItemKindsTest, AnAdvancedControlIsNeverBuiltAndRefusesABuiltInBar) {
  addItems = [](TkvxCommandBar& bar, const Design&) { bar.Controls().AddControl(kvxKindAdvancedControl); };
  Start({.buttons = 1});
  EXPECT_EQ(HostBar()->Count(), 1);
  EXPECT_TRUE(errors->messages.empty());

  addItems = [](TkvxCommandBar& bar, const Design&) {
    bar.SetCommandBarName(u"Standard");
    bar.Controls().AddControl(kvxKindAdvancedControl);
  };
  const int32_t before = HostBar(u"Standard")->Count();
  Start({.buttons = 0});
  EXPECT_EQ(HostBar(u"Standard")->Count(), before);
  EXPECT_EQ(errors->messages, std::vector<std::string>{
                                  "The TkvxCommandBarAdvancedControl cannot be placed into the built-in commandbar."});
}

}  // namespace
}  // namespace corvane::framework::testing
