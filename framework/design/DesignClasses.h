// The catalogue the design reader and writer work from: the classes a
// design may place on a module, each with how to create one and its
// property table. The layers above register their classes (command bars,
// event components) before a design is read.
#pragma once

#include <functional>
#include <string_view>

#include "framework/design/DesignProperties.h"

namespace corvane::framework {

class TComponent;

struct DesignClass {
  std::string_view name;
  // Creates the component owned by the module; the owner's checks apply.
  std::function<TComponent*(TComponent& module)> create;
  const PropertyTable& (*properties)();
};

// Null for a class the catalogue does not have.
const DesignClass* FindDesignClass(std::string_view name);
// Adds a class to the catalogue; a class registered again replaces the
// entry it had, so registering is idempotent.
void RegisterDesignClass(DesignClass designClass);

}  // namespace corvane::framework
