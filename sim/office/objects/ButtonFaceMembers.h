// The handlers of a button's own members: its face (built-in, by number,
// pasted from the clipboard, or set as a picture with a mask) and its state.
#pragma once

#include <memory>

#include "platform/com/Variant.h"
#include "sim/core/Args.h"

namespace corvane::sim::office {

class Control;

class ButtonFaceMembers {
 public:
  explicit ButtonFaceMembers(std::weak_ptr<Control> control) : control_(std::move(control)) {}

  com::Variant GetBuiltInFace(Args& args);
  // Only True: the face goes back to the control's own.
  void PutBuiltInFace(Args& args);
  com::Variant GetFaceId(Args& args);
  void PutFaceId(Args& args);
  // Takes the bitmap on the clipboard; fails when it holds none.
  com::Variant PasteFace(Args& args);
  void PutState(Args& args);
  // The picture objects themselves are the client's: the face records that
  // one was given. Reading answers Nothing.
  com::Variant GetPicture(Args& args);
  void PutPicture(Args& args);
  com::Variant GetMask(Args& args);
  void PutMask(Args& args);

 private:
  std::shared_ptr<Control> Live() const;

  std::weak_ptr<Control> control_;
};

}  // namespace corvane::sim::office
