#include "sim/office/objects/ButtonFaceMembers.h"

#include <cstring>

#include "platform/clipboard/BlockLock.h"
#include "platform/clipboard/Clipboard.h"
#include "platform/clipboard/Formats.h"
#include "platform/com/ComError.h"
#include "platform/graphics/BitmapFile.h"
#include "platform/graphics/Gdi.h"
#include "platform/graphics/Picture.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/OfficeError.h"
#include "sim/office/objects/OfficeObjects.h"

namespace corvane::sim::office {

namespace {

// The pixels of a device-independent bitmap; empty when they cannot be read.
ui::Bitmap PixelsOfDib(const std::vector<uint8_t>& dib) {
  try {
    return graphics::DecodeDib(dib.data(), dib.size()).pixels;
  } catch (const com::ComError&) {
    return {};
  }
}

// The face a bitmap on the clipboard makes: its bytes when the clipboard
// offers them as a device-independent bitmap, and its pixels, from the
// bitmap itself where there is one (a system's synthesized DIB may be in
// a layout the reader does not take).
std::optional<ButtonFace> FaceFromClipboard() {
  if (!clipboard::OpenWithRetry(1)) return std::nullopt;
  std::optional<ButtonFace> face;
  HANDLE dib = clipboard::GetData(clipboard::kDib);
  HANDLE bitmap = clipboard::GetData(clipboard::kBitmap);
  if (dib || bitmap) face = ButtonFace{ButtonFace::Source::kPasted, {}, false, {}, {}};
  if (dib) {
    clipboard::BlockLock lock(static_cast<HGLOBAL>(dib));
    if (lock) face->bitmap.assign(lock.data(), lock.data() + lock.size());
  }
  if (face) face->pixels = bitmap ? graphics::PixelsOf(static_cast<HBITMAP>(bitmap)) : PixelsOfDib(face->bitmap);
  clipboard::Close();
  return face;
}

// Office copies the picture's bitmap: the client may free it afterwards.
ui::Bitmap RequiredPicture(const Arg& value) {
  auto picture = value.Object();
  ui::Bitmap pixels = graphics::PixelsOfPicture(picture.get());
  if (pixels.Empty()) ThrowInvalidArgument("Invalid procedure call or argument");
  return pixels;
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
  control->face() = ButtonFace{ButtonFace::Source::kFaceId, {}, false, {}, {}};
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
  ui::Bitmap pixels = RequiredPicture(args.value());
  Live()->face() = ButtonFace{ButtonFace::Source::kPicture, {}, false, std::move(pixels), {}};
}

com::Variant ButtonFaceMembers::GetMask(Args&) {
  Live();
  return com::ComPtr<IDispatch>();
}

void ButtonFaceMembers::PutMask(Args& args) {
  ui::Bitmap mask = RequiredPicture(args.value());
  ButtonFace& face = Live()->face();
  face.hasMask = true;
  face.mask = std::move(mask);
}

}  // namespace corvane::sim::office
