// HandlerProperty of DesignProperties.h, defined apart as it needs the
// design's errors.
#pragma once

#include "framework/design/DesignError.h"
#include "framework/design/DesignProperties.h"
#include "framework/design/TComponent.h"

namespace corvane::framework {

template <class Sig>
struct EventSignature;
template <class Sig>
struct EventSignature<std::function<Sig>> {
  using type = Sig;
};

template <class T, class E>
PropertyInfo HandlerProperty(std::string_view name, E T::*field) {
  using Sig = typename EventSignature<E>::type;
  PropertyInfo info;
  info.name = name;
  info.read = [name, field](TObject& object, const DesignValue& value, DesignContext& context) {
    if (value.kind != DesignValue::Kind::Name) throw DesignFault("expected a handler name");
    const DesignHandler* handler = context.handlers ? FindDesignHandler(*context.handlers, value.text) : nullptr;
    if (!handler) throw DesignFault("unknown handler \"" + value.text + "\"");
    E bound = handler->template Bind<Sig>(context.module);
    if (!bound) throw DesignFault("handler \"" + value.text + "\" does not fit " + std::string(name));
    design_detail::As<T>(object).*field = std::move(bound);
    context.names.Record(&object, name, value.text);
  };
  info.write = [name](const TObject& object, const DesignContext& context) -> std::optional<DesignValue> {
    const std::string_view handler = context.names.Find(&object, name);
    if (handler.empty()) return std::nullopt;
    return DesignValue::OfName(std::string(handler));
  };
  return info;
}

}  // namespace corvane::framework
