#include "sim/office/objects/ButtonFaceMembers.h"

#include <cstring>

#include "platform/clipboard/BlockLock.h"
#include "platform/clipboard/Clipboard.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/OfficeError.h"
#include "sim/office/objects/OfficeObjects.h"

namespace corvane::sim::office {

namespace {

constexpr UINT kBitmapFormat = 2;  // CF_BITMAP
constexpr UINT kDibFormat = 8;     // CF_DIB

// The face a bitmap on the clipboard makes: its bytes when the clipboard
// offers them as a device-independent bitmap.
std::optional<ButtonFace> FaceFromClipboard() {
  if (!clipboard::OpenWithRetry(1)) return std::nullopt;
  std::optional<ButtonFace> face;
  if (HANDLE dib = clipboard::GetData(kDibFormat)) {
    face = ButtonFace{ButtonFace::Source::kPasted, {}, false};
    clipboard::BlockLock lock(static_cast<HGLOBAL>(dib));
    if (lock) face->bitmap.assign(lock.data(), lock.data() + lock.size());
  } else if (clipboard::GetData(kBitmapFormat)) {
    face = ButtonFace{ButtonFace::Source::kPasted, {}, false};
  }
  clipboard::Close();
  return face;
}

com::ComPtr<IDispatch> RequiredPicture(const Arg& value) {
  auto picture = value.Object();
  if (!picture) ThrowInvalidArgument("Invalid procedure call or argument");
  return picture;
}

}  // namespace

std::shared_ptr<Control> ButtonFaceMembers::Live() const { return LiveControl(control_); }

com::Variant ButtonFaceMembers::GetBuiltInFace(Args&) { return Live()->face().source == ButtonFace::Source::kNone; }

void ButtonFaceMembers::PutBuiltInFace(Args& args) {
  if (!args.value().Bool()) ThrowInvalidArgument("Invalid procedure call or argument");
  Live()->face() = ButtonFace{};
}

com::Variant ButtonFaceMembers::GetFaceId(Args&) { return Live()->props().faceId; }

void ButtonFaceMembers::PutFaceId(Args& args) {
  const int32_t faceId = args.value().Int();
  if (faceId < 0) ThrowInvalidArgument("Invalid procedure call or argument");
  auto control = Live();
  control->props().faceId = faceId;
  control->face() = ButtonFace{ButtonFace::Source::kFaceId, {}, false};
}

com::Variant ButtonFaceMembers::PasteFace(Args&) {
  auto control = Live();
  auto face = FaceFromClipboard();
  if (!face) ThrowFailed("The clipboard holds no picture to paste.");
  control->face() = std::move(*face);
  return {};
}

void ButtonFaceMembers::PutState(Args& args) {
  const int32_t state = args.value().Int();
  if (!IsValidButtonState(state)) ThrowInvalidArgument("Invalid procedure call or argument");
  Live()->props().state = state;
}

com::Variant ButtonFaceMembers::GetPicture(Args&) {
  Live();
  return com::ComPtr<IDispatch>();
}

void ButtonFaceMembers::PutPicture(Args& args) {
  RequiredPicture(args.value());
  Live()->face() = ButtonFace{ButtonFace::Source::kPicture, {}, false};
}

com::Variant ButtonFaceMembers::GetMask(Args&) {
  Live();
  return com::ComPtr<IDispatch>();
}

void ButtonFaceMembers::PutMask(Args& args) {
  RequiredPicture(args.value());
  Live()->face().hasMask = true;
}

}  // namespace corvane::sim::office
