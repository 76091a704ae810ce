#include "about/TfrmAbout.h"

#include <gtest/gtest.h>

#include <memory>

#include "about/YearClock.h"
#include "platform/com/Text.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/ScriptedPresenter.h"

namespace corvane::about {
namespace {

using ui::ControlKind;

const HWND kHostWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x5150));
const int kOwnerModule = 0;  // stands for the add-in module: only its address counts

class AboutBoxTest : public ::testing::Test {
 protected:
  void SetUp() override { ui::SetDialogOwner(kHostWindow); }
  void TearDown() override { ui::SetDialogOwner(nullptr); }

  // Shows the box with the clicks given and returns what the presenter saw.
  const ui::RecordedDialog& Play(std::vector<std::u16string> clicks) {
    presenter.QueueDialog({std::move(clicks)});
    result = ShowAboutBox(&kOwnerModule);
    EXPECT_EQ(presenter.Pending(), 0u);
    EXPECT_TRUE(presenter.Failures().empty());
    return presenter.Dialogs().back();
  }

  ui::ScriptedPresenter presenter;
  ui::ScopedPresenter installed{presenter};
  ScopedYear year{2031};
  int result = 0;
};

const ui::DialogControl* ControlNamed(const ui::ModalDialog& dialog, std::u16string_view name) {
  for (const ui::DialogControl& control : dialog.controls) {
    if (control.name == name) return &control;
  }
  return nullptr;
}

TEST_F(AboutBoxTest, DialogIsTheDesignedFormCentredAndOwnedByTheHostWindow) {
  const ui::ModalDialog& dialog = Play({u"btnOK"}).dialog;
  EXPECT_EQ(dialog.caption, u"About Corvane");
  EXPECT_EQ(dialog.clientWidth, 290);
  EXPECT_EQ(dialog.clientHeight, 375);
  EXPECT_TRUE(dialog.centredOnScreen);
  EXPECT_EQ(dialog.owner, kHostWindow);
  EXPECT_EQ(result, 1);
}

TEST_F(AboutBoxTest, EveryControlHasItsNameKindPlaceAndText) {
  struct Expected {
    const char16_t* name;
    ControlKind kind;
    int left, top, width, height;
    const char16_t* text;
  };
  const Expected expected[] = {
      {u"Image", ControlKind::Picture, 0, 0, 290, 375, u""},
      {u"lblProductName", ControlKind::Label, 106, 29, 169, 41, u"Corvane"},
      {u"ElLabel1", ControlKind::Label, 162, 101, 51, 13, u"Version: "},
      {u"lblVersion2", ControlKind::Label, 212, 101, 63, 13, u"1.1.0.230"},
      {u"Label2", ControlKind::Label, 86, 146, 69, 13, u"Home page:"},
      {u"lblHomePage", ControlKind::Link, 163, 144, 117, 13, u"https://corvane.test/"},
      {u"Label1", ControlKind::Label, 106, 172, 49, 13, u"Support:"},
      {u"lblSupport", ControlKind::Link, 175, 172, 105, 13, u"help@corvane.test"},
      {u"lblCopy", ControlKind::Label, 14, 267, 241, 13, u"Copyright \u00A9 2031 The Corvane developers"},
      {u"btnOK", ControlKind::PushButton, 207, 326, 75, 25, u"OK"},
  };
  const ui::ModalDialog& dialog = Play({}).dialog;
  ASSERT_EQ(dialog.controls.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const ui::DialogControl& control = dialog.controls[i];
    SCOPED_TRACE(com::Utf16ToUtf8(expected[i].name));
    EXPECT_EQ(control.name, expected[i].name);
    EXPECT_EQ(control.kind, expected[i].kind);
    EXPECT_EQ(control.left, expected[i].left);
    EXPECT_EQ(control.top, expected[i].top);
    EXPECT_EQ(control.width, expected[i].width);
    EXPECT_EQ(control.height, expected[i].height);
    EXPECT_EQ(control.text, expected[i].text);
    // Only OK closes the box; only it answers Enter and Escape.
    const bool ok = control.name == u"btnOK";
    EXPECT_EQ(control.modalResult, ok ? 1 : 0);
    EXPECT_EQ(control.isDefault, ok);
    EXPECT_EQ(control.isCancel, ok);
  }
}

TEST_F(AboutBoxTest, VersionLineReadsVersionAndTheNumber) {
  const ui::ModalDialog& dialog = Play({}).dialog;
  EXPECT_EQ(ControlNamed(dialog, u"ElLabel1")->text + ControlNamed(dialog, u"lblVersion2")->text,
            u"Version: 1.1.0.230");
}

TEST_F(AboutBoxTest, NoticeShowsTheYearOfTheClock) {
  for (int fixed : {1999, 2031, 12345}) {
    ScopedYear scoped(fixed);
    presenter.Reset();
    const std::u16string notice = ControlNamed(Play({}).dialog, u"lblCopy")->text;
    EXPECT_EQ(notice, u"Copyright \u00A9 " + com::Utf8ToUtf16(std::to_string(fixed)) + u" The Corvane developers");
  }
}

TEST_F(AboutBoxTest, LinksHandTheShellTheirAddressesAndTheBoxStaysOpen) {
  const std::u16string home = u"https://corvane.test/?from=About";
  const std::u16string mail = u"mailto:help@corvane.test?Subject=Corvane Version 1.1.0.230";
  struct Case {
    std::vector<std::u16string> clicks;
    std::vector<std::u16string> targets;
  };
  const Case cases[] = {
      {{u"Image", u"btnOK"}, {home}},
      {{u"lblHomePage", u"btnOK"}, {home}},
      {{u"lblSupport", u"btnOK"}, {mail}},
      {{u"lblSupport", u"Image", u"lblHomePage", u"btnOK"}, {mail, home, home}},
      // Labels that are not links open nothing.
      {{u"lblProductName", u"ElLabel1", u"lblCopy", u"btnOK"}, {}},
  };
  for (const bool shellSucceeds : {true, false}) {
    for (const Case& c : cases) {
      presenter.Reset();
      presenter.SetShellSucceeds(shellSucceeds);
      Play(c.clicks);
      EXPECT_EQ(result, 1);  // closed by OK only, after every link click
      const std::vector<ui::ShellRequest>& requests = presenter.ShellRequests();
      ASSERT_EQ(requests.size(), c.targets.size());
      for (std::size_t i = 0; i < requests.size(); ++i) {
        EXPECT_EQ(requests[i].target, c.targets[i]);
        EXPECT_EQ(requests[i].verb, u"open");
        EXPECT_EQ(requests[i].showCommand, 9);
        EXPECT_EQ(requests[i].parent, kHostWindow);
      }
    }
  }
  EXPECT_TRUE(presenter.Boxes().empty());  // a failing shell is not reported
}

TEST_F(AboutBoxTest, EnterEscapeAndOkAllCloseWithResultOne) {
  for (const std::u16string& key :
       {std::u16string(ui::kPressEnter), std::u16string(ui::kPressEscape), std::u16string(u"btnOK")}) {
    presenter.Reset();
    const ui::RecordedDialog& shown = Play({key});
    EXPECT_EQ(shown.result, 1);
    EXPECT_EQ(result, 1);
  }
  EXPECT_TRUE(presenter.ShellRequests().empty());
}

TEST_F(AboutBoxTest, BoxClosedByItsCloseBoxReturnsThatResult) {
  presenter.QueueDialog({{}, ui::kDialogClosed});
  EXPECT_EQ(ShowAboutBox(&kOwnerModule), ui::kDialogClosed);
}

TEST_F(AboutBoxTest, FormKeepsItsOwnerAndAWindowGivenInsteadOfTheHosts) {
  const HWND other = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x777));
  TfrmAbout form(&kOwnerModule, other);
  EXPECT_EQ(form.Owner(), &kOwnerModule);
  EXPECT_EQ(form.Dialog().owner, other);
  form.lblSupportClick();
  form.ImageClick();
  ASSERT_EQ(presenter.ShellRequests().size(), 2u);
  EXPECT_EQ(presenter.ShellRequests()[0].parent, other);
  EXPECT_EQ(presenter.ShellRequests()[1].target, u"https://corvane.test/?from=About");
}

TEST_F(AboutBoxTest, FailureToShowPropagatesAndFreesTheForm) {
  // Nothing queued: the presenter refuses the dialog. The leak checker sees
  // the form (with its decoded picture) freed.
  EXPECT_THROW(ShowAboutBox(&kOwnerModule), ui::UnscriptedPrompt);
  ASSERT_EQ(presenter.Failures().size(), 1u);
  EXPECT_NE(presenter.Failures()[0].find("About Corvane"), std::string::npos);
}

}  // namespace
}  // namespace corvane::about
