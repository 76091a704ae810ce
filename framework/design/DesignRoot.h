// The module a design is read into or written from: the component that owns
// the designed ones, its own property table, and where it keeps the names
// of the handlers the design assigned.
#pragma once

#include "framework/design/DesignHandlerNames.h"
#include "framework/design/DesignProperties.h"
#include "framework/design/TComponent.h"

namespace corvane::framework {

struct DesignRoot {
  TComponent& module;
  const PropertyTable& properties;
  DesignHandlerNames& names;
};

}  // namespace corvane::framework
