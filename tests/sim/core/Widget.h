// A small sim object for the tests of the dispatch base: a get, a
// property, a method with an optional argument, one that raises a host
// error, one with a by-reference argument, one whose result has a default
// member taking an argument, and an event source.
#pragma once

#include <memory>
#include <string>

#include "platform/com/InterfaceId.h"
#include "sim/core/SimObject.h"

namespace corvane::sim::testing {

inline constexpr IID kWidgetIid = {0x5A1D0001, 0x1111, 0x4222, {0x83, 0x33, 0x44, 0x44, 0x55, 0x55, 0x66, 0x01}};
inline constexpr IID kWidgetEventsIid = {0x5A1D0002, 0x1111, 0x4222, {0x83, 0x33, 0x44, 0x44, 0x55, 0x55, 0x66, 0x02}};

struct WidgetModel {
  std::u16string name = u"W1";
  int size = 10;
  std::shared_ptr<EventSource> events = std::make_shared<EventSource>(kWidgetEventsIid, "WidgetEvents");
};

class Widget final : public SimObject<Widget> {
 public:
  explicit Widget(std::weak_ptr<WidgetModel> model) : model_(std::move(model)) {}
  static const ObjectType<Widget>& Type();

 protected:
  std::vector<std::shared_ptr<EventSource>> EventSources() override { return {Alive(model_)->events}; }

 private:
  com::Variant GetName(Args&);
  com::Variant GetSize(Args&);
  void PutSize(Args& args);
  com::Variant Grow(Args& args);
  com::Variant Break(Args& args);
  com::Variant Swap(Args& args);
  com::Variant GetPartner(Args& args);

  std::weak_ptr<WidgetModel> model_;
};

// No events, no extra interface ids; its default member Value([N]) gives N,
// 1 by default.
class Plain final : public SimObject<Plain> {
 public:
  static const ObjectType<Plain>& Type();

 private:
  com::Variant Value(Args& args) { return args[0].Int(1); }
};

}  // namespace corvane::sim::testing
