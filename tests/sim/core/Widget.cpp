#include "tests/sim/core/Widget.h"

namespace corvane::sim::testing {

const ObjectType<Widget>& Widget::Type() {
  static const ObjectType<Widget> type{
      u"Widget",
      {kWidgetIid},
      {Get(0x6E, u"Name", &Widget::GetName), Property(0xC1, u"Size", &Widget::GetSize, &Widget::PutSize),
       Method(0xEB, u"Grow", &Widget::Grow).Takes(2), Method(0x70, u"Break", &Widget::Break),
       Method(0x71, u"Swap", &Widget::Swap).Takes(1), Get(0x72, u"Partner", &Widget::GetPartner).Takes(1)}};
  return type;
}

com::Variant Widget::GetName(Args&) { return Alive(model_)->name; }

com::Variant Widget::GetSize(Args&) { return Alive(model_)->size; }

void Widget::PutSize(Args& args) {
  const int size = args.value().Int();
  if (size < 0) throw HostError(u"Unable to set the Size property of the Widget class");
  Alive(model_)->size = size;
}

// Grow(By, [Times])
com::Variant Widget::Grow(Args& args) {
  auto model = Alive(model_);
  model->size += args[0].Int() * args[1].Int(1);
  return model->size;
}

com::Variant Widget::Break(Args&) { throw HostError(u"Widget broke", static_cast<HRESULT>(0x800A0400), u"Tester"); }

// Partner(Index): a Plain, whatever the index (which must be a number).
com::Variant Widget::GetPartner(Args& args) {
  args[0].Int();
  return com::Variant(static_cast<IDispatch*>(com::Make<Plain>().get()));
}

// Swap(ByRef Value): stores the old size in Value, takes Value's as the size.
com::Variant Widget::Swap(Args& args) {
  auto model = Alive(model_);
  const int next = args[0].Int();
  args[0].Assign(model->size);
  model->size = next;
  return {};
}

const ObjectType<Plain>& Plain::Type() {
  static const ObjectType<Plain> type{u"Plain", {}, {Get(0, u"Value", &Plain::Value).Takes(1)}};
  return type;
}

}  // namespace corvane::sim::testing
