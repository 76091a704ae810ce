#include "about/TfrmAbout.h"

#include <algorithm>
#include <stdexcept>

#include "about/AboutPicture.h"
#include "about/NoticeText.h"
#include "about/YearClock.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/ShellRequest.h"

namespace corvane::about {

namespace {

using ui::ControlKind;

constexpr char16_t kDesignCaption[] = u"About";
constexpr int kClientWidth = 290;
constexpr int kClientHeight = 375;

struct ControlDesign {
  const char16_t* name;
  ControlKind kind;
  int left, top, width, height;
  const char16_t* text;
};

// The form's controls as designed; the texts of lblProductName, lblVersion2
// and lblCopy are set at creation.
constexpr ControlDesign kControls[] = {
    {u"Image", ControlKind::Picture, 0, 0, 290, 375, u""},
    {u"lblProductName", ControlKind::Label, 106, 29, 169, 41, u""},
    {u"ElLabel1", ControlKind::Label, 162, 101, 51, 13, u"Version: "},
    {u"lblVersion2", ControlKind::Label, 212, 101, 63, 13, u""},
    {u"Label2", ControlKind::Label, 86, 146, 69, 13, u"Home page:"},
    {u"lblHomePage", ControlKind::Link, 163, 144, 117, 13, kHomePage},
    {u"Label1", ControlKind::Label, 106, 172, 49, 13, u"Support:"},
    {u"lblSupport", ControlKind::Link, 175, 172, 105, 13, kSupportAddress},
    {u"lblCopy", ControlKind::Label, 14, 267, 241, 13, kNoticeDesignText},
    {u"btnOK", ControlKind::PushButton, 207, 326, 75, 25, u"OK"},
};

ui::DialogControl ControlOf(const ControlDesign& design) {
  ui::DialogControl control;
  control.name = design.name;
  control.kind = design.kind;
  control.left = design.left;
  control.top = design.top;
  control.width = design.width;
  control.height = design.height;
  control.text = design.text;
  return control;
}

// Dialog is ui::ModalDialog, const or not.
template <class Dialog>
auto& Find(Dialog& dialog, std::u16string_view name) {
  auto found = std::find_if(dialog.controls.begin(), dialog.controls.end(),
                            [&](const ui::DialogControl& control) { return control.name == name; });
  if (found == dialog.controls.end()) throw std::logic_error("the About form has no such control");
  return *found;
}

}  // namespace

TfrmAbout::TfrmAbout(const void* owner, HWND ownerWindow) : owner_(owner), ownerWindow_(ownerWindow) {
  dialog_.owner = ownerWindow;
  dialog_.caption = kDesignCaption;
  dialog_.clientWidth = kClientWidth;
  dialog_.clientHeight = kClientHeight;
  dialog_.centredOnScreen = true;
  for (const ControlDesign& design : kControls) dialog_.controls.push_back(ControlOf(design));
  FormCreate();
}

void TfrmAbout::FormCreate() {
  dialog_.caption += u" ";
  dialog_.caption += kProductName;
  Find(dialog_, u"lblVersion2").text = kVersionText;
  Find(dialog_, u"lblProductName").text = kProductName;
  ui::DialogControl& notice = Find(dialog_, u"lblCopy");
  notice.text = NoticeText(notice.text, CurrentYear());

  ui::DialogControl& image = Find(dialog_, u"Image");
  image.picture = AboutPicture();
  image.onClick = [this] { ImageClick(); };
  Find(dialog_, u"lblHomePage").onClick = [this] { ImageClick(); };
  Find(dialog_, u"lblSupport").onClick = [this] { lblSupportClick(); };
  ui::DialogControl& ok = Find(dialog_, u"btnOK");
  ok.modalResult = kAboutResultOk;
  ok.isDefault = true;
  ok.isCancel = true;
}

const std::u16string& TfrmAbout::TextOf(const char16_t* name) const { return Find(dialog_, name).text; }

int TfrmAbout::ShowModal() { return ui::CurrentPresenter().ShowDialog(dialog_); }

// The shell's answer is not looked at: the box stays open either way.
void TfrmAbout::OpenWithShell(const std::u16string& target) { ui::ShellOpen(ownerWindow_, target, ui::kShowRestore); }

void TfrmAbout::ImageClick() { OpenWithShell(TextOf(u"lblHomePage") + u"?from=About"); }

// Pieces joined as they are, without escaping.
void TfrmAbout::lblSupportClick() {
  OpenWithShell(u"mailto:" + TextOf(u"lblSupport") + u"?Subject=" + kProductName + u" Version " + kVersionText);
}

int ShowAboutBox(const void* owner, HWND ownerWindow) {
  TfrmAbout form(owner, ownerWindow);
  return form.ShowModal();
}

}  // namespace corvane::about
