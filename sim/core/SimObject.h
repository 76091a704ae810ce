// Base of every sim COM object: IDispatch from a static member table, the
// host's interface ids answered with that IDispatch, connection points for
// the model's event sources, and the instrumentation (calls, name lookups,
// live objects and references, injected faults) on every path.
//
// A wrapper holds its model weakly and throws HostError (an exception of
// the host, with its text) or InvokeError (a plain failing HRESULT) from
// its handlers; it never keeps other wrappers alive. Worked example:
//
//   class Widget final : public sim::SimObject<Widget> {
//    public:
//     explicit Widget(std::weak_ptr<WidgetModel> model) : model_(std::move(model)) {}
//     static const sim::ObjectType<Widget>& Type() {
//       static const sim::ObjectType<Widget> type{
//           u"Widget",
//           {kWidgetIid},                     // answered besides IDispatch
//           {sim::Get(0x6E, u"Name", &Widget::GetName),
//            sim::Property(0xC1, u"Size", &Widget::GetSize, &Widget::PutSize),
//            sim::Method(0xEB, u"Grow", &Widget::Grow)}};
//       return type;
//     }
//
//    private:
//     com::Variant GetName(sim::Args&) { return sim::Alive(model_)->name; }
//     com::Variant GetSize(sim::Args&) { return sim::Alive(model_)->size; }
//     void PutSize(sim::Args& args) {
//       const int size = args.value().Int();
//       if (size < 0) throw sim::HostError(u"Unable to set the Size property of the Widget class");
//       sim::Alive(model_)->size = size;
//     }
//     // Grow(By, [Times]): Times optional, 1 by default.
//     com::Variant Grow(sim::Args& args) {
//       auto model = sim::Alive(model_);
//       model->size += args[0].Int() * args[1].Int(1);
//       return model->size;
//     }
//     std::weak_ptr<WidgetModel> model_;
//   };
//
//   auto widget = com::Make<Widget>(model);   // hand widget.get() out as IDispatch
//
// An object with events overrides EventSources() (the model's sources);
// objects without answer no IConnectionPointContainer.
#pragma once

#include <memory>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/ComPtr.h"
#include "platform/com/DispatchStub.h"
#include "sim/core/ConnectionPoint.h"
#include "sim/core/DispatchCall.h"
#include "sim/core/EventSource.h"
#include "sim/core/HostError.h"
#include "sim/core/Instrumentation.h"
#include "sim/core/ObjectType.h"

namespace corvane::sim {

template <class Derived>
class SimObject : public com::ComObject<IDispatch, IConnectionPointContainer> {
 public:
  STDMETHODIMP GetTypeInfoCount(UINT* count) override { return com::NoTypeInfoCount(count); }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo** info) override { return com::NoTypeInfo(info); }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    const auto& type = Derived::Type();
    return LookUpNames(
        type.name(),
        [&type](std::u16string_view name) -> std::optional<FoundName> {
          const auto* member = type.ByName(name);
          if (!member) return std::nullopt;
          return FoundName{member->id, member->name};
        },
        names, count, ids);
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO* error,
                      UINT* argError) override {
    const auto& type = Derived::Type();
    const Member<Derived>* member = type.ById(id);
    if (!member) return InvokeMember(nullptr, flags, params, result, error, argError, {});
    const CallTarget target{type.name(),
                            type.source(),
                            member->name,
                            member->get != nullptr,
                            member->put != nullptr,
                            member->takes,
                            member->kind == MemberKind::kProperty,
                            lcid};
    auto* self = static_cast<Derived*>(this);
    // Keeps the object alive through a handler that lets the caller's last
    // reference go (a Delete, a Quit).
    const com::ComPtr<IDispatch> hold(this);
    return InvokeMember(&target, flags, params, result, error, argError,
                        [self, member](Args& args, bool put) -> com::Variant {
                          if (!put) return (self->*(member->get))(args);
                          (self->*(member->put))(args);
                          return {};
                        });
  }

  STDMETHODIMP EnumConnectionPoints(IEnumConnectionPoints** points) override {
    return EnumPoints(Sources(), this, points);
  }
  STDMETHODIMP FindConnectionPoint(REFIID iid, IConnectionPoint** point) override {
    return FindPoint(Sources(), this, iid, point);
  }

 protected:
  SimObject() {
    Instrumentation::Instance().ObjectCreated(TypeName());
    Instrumentation::Instance().ReferenceAdded(TypeName());  // the creator's
  }
  ~SimObject() override { Instrumentation::Instance().ObjectDestroyed(TypeName()); }

  // The model's event sources this object offers as connection points.
  virtual std::vector<std::shared_ptr<EventSource>> EventSources() { return {}; }

  bool Withholds(REFIID riid) override { return IsEqualIID(riid, IID_IConnectionPointContainer) && !HasEvents(); }
  void ReferenceCounted(bool added) override {
    if (added) {
      Instrumentation::Instance().ReferenceAdded(TypeName());
    } else {
      Instrumentation::Instance().ReferenceReleased(TypeName());
    }
  }

  void* QueryOther(REFIID riid) override {
    for (const auto& iid : Derived::Type().interfaces()) {
      if (IsEqualIID(iid, riid)) return static_cast<IDispatch*>(this);
    }
    return nullptr;
  }

 private:
  static const std::u16string& TypeName() { return Derived::Type().name(); }
  bool HasEvents() {
    try {
      return !EventSources().empty();
    } catch (...) {
      return false;
    }
  }
  std::vector<std::shared_ptr<EventSource>> Sources() noexcept {
    try {
      return EventSources();
    } catch (...) {
      return {};
    }
  }
};

}  // namespace corvane::sim
