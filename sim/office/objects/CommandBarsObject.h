// Office's CommandBars: Count, Item by index or name, Add, FindControl over
// every bar.
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/office/objects/OfficeObjects.h"

namespace corvane::sim::office {

class CommandBarsObject final : public SimObject<CommandBarsObject> {
 public:
  explicit CommandBarsObject(BarSetLink set) : set_(std::move(set)) {}
  static const ObjectType<CommandBarsObject>& Type();

 private:
  com::Variant GetCount(Args& args);
  com::Variant GetItem(Args& args);
  com::Variant Enumerate(Args& args);
  com::Variant Add(Args& args);
  com::Variant FindControl(Args& args);

  BarSetLink set_;
};

}  // namespace corvane::sim::office
