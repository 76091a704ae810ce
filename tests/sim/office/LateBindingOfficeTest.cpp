// Office's collections driven by a late-binding client: an index given to the
// property that reaches a collection goes to its Item, For Each walks bars,
// controls and add-ins, and an index nothing takes is refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/Variant.h"
#include "platform/registry/ScratchRegistry.h"
#include "sim/excel/objects/ExcelStart.h"
#include "sim/office/model/OfficeConstants.h"
#include "tests/sim/core/Enumerated.h"
#include "tests/sim/office/HostCalls.h"
#include "tests/sim/office/OfficeObjectsFixture.h"
#include "tests/sim/office/SimDataDirectory.h"
#include "tests/sim/office/TestAddIn.h"

namespace corvane::sim::office::testing {
namespace {

using com::Dispatch;
using com::Variant;
using sim::testing::Enumerated;

std::vector<std::u16string> Texts(const std::vector<Variant>& items, const char16_t* member) {
  std::vector<std::u16string> texts;
  for (const auto& item : items) texts.push_back(Dispatch(item.ToDispatch()).Get(member).ToText());
  return texts;
}

class LateBindingOfficeTest : public OfficeObjectsTest {
 protected:
  // A custom bar with a button "One", a popup "Menu" holding "Inner", and a
  // button "Two".
  Dispatch CustomBar() {
    Dispatch bar = Of(bars.Call(u"Add", {Variant(u"Custom")}));
    Dispatch controls = Of(bar.Get(u"Controls"));
    Of(controls.Call(u"Add", {Variant(1)})).Put(u"Caption", Variant(u"One"));
    Dispatch popup = Of(controls.Call(u"Add", {Variant(Office::msoControlPopup)}));
    popup.Put(u"Caption", Variant(u"Menu"));
    Of(Of(popup.Get(u"Controls")).Call(u"Add", {Variant(1)})).Put(u"Caption", Variant(u"Inner"));
    Of(controls.Call(u"Add", {Variant(1)})).Put(u"Caption", Variant(u"Two"));
    return bar;
  }
};

TEST_F(LateBindingOfficeTest, ControlsTakeTheirItemsIndex) {
  Dispatch bar = CustomBar();
  struct Case {
    const char* what;
    Variant control;
    std::u16string caption;
  } cases[] = {
      {"Controls(1)", bar.Get(u"Controls", {1}), u"One"},
      {"Controls(\"two\")", bar.Get(kBarControls, {u"two"}), u"Two"},
      {"a popup's Controls(1)", Of(bar.Get(u"Controls", {2})).Get(u"Controls", {1}), u"Inner"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Of(c.control).Get(u"Caption").ToText(), c.caption) << c.what;
  }
  // Neither a bar nor a control has a default member.
  EXPECT_EQ(FailureOf([&] { bars.Get(0x0, {u"Custom", 1}); }), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(FailureOf([&] { bar.Get(u"Controls", {1, 1}); }), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(FailureOf([&] { bar.Get(u"Name", {1}); }), DISP_E_BADPARAMCOUNT);
  // A method given one too many runs not at all.
  EXPECT_EQ(FailureOf([&] { Of(bar.Get(u"Controls", {1})).Call(u"Delete", {false, 1}); }), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(Of(bar.Get(u"Controls")).Get(u"Count").ToInt32(), 3);
}

TEST_F(LateBindingOfficeTest, ForEachWalksBarsAndControls) {
  Dispatch bar = CustomBar();
  const auto names = Texts(Enumerated(bars.object()), u"Name");
  ASSERT_EQ(names.size(), static_cast<size_t>(bars.Get(u"Count").ToInt32()));
  EXPECT_EQ(names.front(), u"Worksheet Menu Bar");
  EXPECT_EQ(names.back(), u"Custom");
  EXPECT_EQ(Texts(Enumerated(bar.Get(u"Controls").ToDispatch()), u"Caption"),
            (std::vector<std::u16string>{u"One", u"Menu", u"Two"}));
  EXPECT_EQ(Texts(Enumerated(Of(bar.Get(u"Controls", {2})).Get(u"Controls").ToDispatch()), u"Caption"),
            std::vector<std::u16string>{u"Inner"});
}

// Through a started Excel, as a script reaches Office.
class StartedOfficeTest : public ::testing::Test {
 protected:
  StartedOfficeTest() {
    Instrumentation::Instance().Reset();
    WriteAddInKey(HKEY_CURRENT_USER, u"Test.Second", 2);
    WriteAddInKey(HKEY_CURRENT_USER, u"Test.First", 2);
  }

  registry::ScratchRegistry scratch;
  SimDataDirectory data{::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(StartedOfficeTest, ApplicationCollectionsTakeAnIndexAndEnumerate) {
  excel::ExcelRun run = excel::StartExcel();
  Dispatch app(run.application);
  EXPECT_EQ(Dispatch(app.Get(kCommandBars, {1}).ToDispatch()).Get(u"Name").ToText(), u"Worksheet Menu Bar");
  EXPECT_EQ(Dispatch(app.Get(u"CommandBars", {u"standard"}).ToDispatch()).Get(u"Name").ToText(), u"Standard");
  EXPECT_EQ(Dispatch(app.Get(kComAddIns, {2}).ToDispatch()).Get(u"ProgId").ToText(), u"Test.Second");
  EXPECT_EQ(Texts(Enumerated(app.Get(kComAddIns).ToDispatch()), u"ProgId"),
            (std::vector<std::u16string>{u"Test.First", u"Test.Second"}));
  EXPECT_EQ(Enumerated(app.Get(kCommandBars).ToDispatch()).size(), 9u);
  app.Call(kQuit);
}

}  // namespace
}  // namespace corvane::sim::office::testing
