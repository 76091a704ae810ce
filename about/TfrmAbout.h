// The About box: product name, version and two links (the home page and a
// mail to support) on the product's picture, shown modally through the ui
// service's presenter.
#pragma once

#include <string>

#include "platform/com/com.h"
#include "platform/ui/DialogOwner.h"
#include "platform/ui/ModalDialog.h"

namespace corvane::about {

inline constexpr char16_t kProductName[] = u"Corvane";
// A fixed text of the box; the file's version record is not read.
inline constexpr char16_t kVersionText[] = u"1.1.0.230";
inline constexpr char16_t kHomePage[] = u"https://corvane.test/";
inline constexpr char16_t kSupportAddress[] = u"help@corvane.test";
// The notice line as designed; "%s" becomes the current year.
inline constexpr char16_t kNoticeDesignText[] = u"Copyright \u00A9 %s The Corvane developers";

// OK's modal result, which Enter and Escape give too.
inline constexpr int kAboutResultOk = 1;

class TfrmAbout {
 public:
  // owner: the add-in module the form belongs to; kept as its owner, never
  // called. ownerWindow: the window the dialog is modal to, and the parent of
  // the shell requests of its links.
  explicit TfrmAbout(const void* owner, HWND ownerWindow = ui::DialogOwner());
  TfrmAbout(const TfrmAbout&) = delete;
  TfrmAbout& operator=(const TfrmAbout&) = delete;

  const void* Owner() const { return owner_; }
  // The dialog as built at creation.
  const ui::ModalDialog& Dialog() const { return dialog_; }

  // The modal result (kAboutResultOk for OK, Enter and Escape). Errors of the
  // presenter propagate.
  int ShowModal();

  // Opens the home page (the picture and the home page link).
  void ImageClick();
  // Opens a new mail to support.
  void lblSupportClick();

 private:
  void FormCreate();
  void OpenWithShell(const std::u16string& target);
  const std::u16string& TextOf(const char16_t* name) const;

  const void* owner_;
  HWND ownerWindow_;
  ui::ModalDialog dialog_;
};

// Creates the form owned by owner, shows it modally and frees it when it
// closes, also when showing fails (the error then propagates).
int ShowAboutBox(const void* owner, HWND ownerWindow = ui::DialogOwner());

}  // namespace corvane::about
