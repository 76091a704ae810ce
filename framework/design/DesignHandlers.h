// The table through which a module class names its handler methods for the
// design text: {name, pointer to member}. The design binds an event to the
// member of that name on the module being created, provided the member has
// the event's parameters.
//
//   static const DesignHandlers kHandlers = {
//       {"kvxCBarControls0Click", &TAddInModule::kvxCBarControls0Click},
//   };
#pragma once

#include <any>
#include <functional>
#include <string>
#include <string_view>
#include <typeindex>
#include <typeinfo>
#include <utility>
#include <vector>

#include "framework/design/TObject.h"

namespace corvane::framework {

class DesignHandler {
 public:
  template <class M, class... Args>
  DesignHandler(std::string_view name, void (M::*member)(Args...))
      : name_(name), signature_(typeid(void(Args...))), bind_([member](TObject& module) -> std::any {
          auto* self = dynamic_cast<M*>(&module);
          if (!self) return {};
          return std::function<void(Args...)>(
              [self, member](Args... args) { (self->*member)(std::forward<Args>(args)...); });
        }) {}

  const std::string& Name() const { return name_; }

  // True when the member's parameters are those of the event type
  // std::function<Sig>.
  template <class Sig>
  bool Fits() const {
    return signature_ == std::type_index(typeid(Sig));
  }

  // The member bound to module, or an empty function when it does not fit
  // or module is not of the member's class.
  template <class Sig>
  std::function<Sig> Bind(TObject& module) const {
    if (!Fits<Sig>()) return {};
    std::any bound = bind_(module);
    if (!bound.has_value()) return {};
    return std::any_cast<std::function<Sig>>(std::move(bound));
  }

 private:
  std::string name_;
  std::type_index signature_;
  std::function<std::any(TObject&)> bind_;
};

using DesignHandlers = std::vector<DesignHandler>;

// The entry of that name, or null.
inline const DesignHandler* FindDesignHandler(const DesignHandlers& handlers, std::string_view name) {
  for (const auto& handler : handlers) {
    if (handler.Name() == name) return &handler;
  }
  return nullptr;
}

}  // namespace corvane::framework
