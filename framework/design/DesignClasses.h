// The catalogue the design reader and writer work from: the classes a
// design may place on a module (name → how to create one, its property
// table), the module's own table, and the item tables by kind code.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "framework/design/DesignProperties.h"

namespace corvane::framework {

class TComponent;

struct DesignClass {
  std::string_view name;
  // Creates the component owned by the module; the owner's checks apply.
  std::function<TComponent*(TkvxCOMAddInModule&)> create;
  const PropertyTable& (*properties)();
};

// Null for a class the catalogue does not have.
const DesignClass* FindDesignClass(std::string_view name);
// Adds a class (event components, other bar kinds) to the catalogue.
void RegisterDesignClass(DesignClass designClass);

const PropertyTable& ModulePropertyTable();
const PropertyTable& CommandBarPropertyTable();
// The properties of an item of that kind code; null for a kind without an
// item class.
const PropertyTable* ItemPropertyTable(int32_t kind);

}  // namespace corvane::framework
