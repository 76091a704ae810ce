// Office's CommandBarControls of one bar (or of a popup's menu): Count,
// Item, Add.
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/office/objects/OfficeObjects.h"

namespace corvane::sim::office {

class CommandBarControlsObject final : public SimObject<CommandBarControlsObject> {
 public:
  CommandBarControlsObject(BarSetLink set, std::weak_ptr<Bar> bar) : set_(std::move(set)), bar_(std::move(bar)) {}
  static const ObjectType<CommandBarControlsObject>& Type();

 private:
  com::Variant GetCount(Args& args);
  com::Variant GetItem(Args& args);
  com::Variant Enumerate(Args& args);
  com::Variant Add(Args& args);

  BarSetLink set_;
  std::weak_ptr<Bar> bar_;
};

}  // namespace corvane::sim::office
