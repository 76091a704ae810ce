// Handlers that live in a base holding state (ControlCore, the button's
// face members) listed in a wrapper's member table. A member pointer into
// such a base would be adjusted to the base's offset, which the sanitizers'
// type check refuses; this empty base sits at the wrapper's own address
// and calls into the base itself:
//
//   Get<T>(Office::CommandBarControl::Id, u"Id", &T::template Call<&ControlCore::GetId>)
#pragma once

#include "platform/com/Variant.h"
#include "sim/core/Args.h"

namespace corvane::sim::office {

template <class T>
class Forwarding {
 public:
  template <auto Handler>
  com::Variant Call(Args& args) {
    return Invoke(Handler, args);
  }
  template <auto Handler>
  void Set(Args& args) {
    Invoke(Handler, args);
  }

 private:
  template <class Base, class Result>
  Result Invoke(Result (Base::*handler)(Args&), Args& args) {
    return (static_cast<Base&>(static_cast<T&>(*this)).*handler)(args);
  }
};

}  // namespace corvane::sim::office
