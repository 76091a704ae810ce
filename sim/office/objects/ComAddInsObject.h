// Office's COMAddIns: the add-ins of the COM Add-ins list, by position or
// by ProgID, as Application.COMAddIns hands them out.
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/office/objects/OfficeObjects.h"

namespace corvane::sim::office {

class ComAddInsObject final : public SimObject<ComAddInsObject> {
 public:
  ComAddInsObject(std::weak_ptr<const AddInLoader> loader, AddInObjectFactory item, ObjectSource parent)
      : loader_(std::move(loader)), item_(std::move(item)), parent_(std::move(parent)) {}
  static const ObjectType<ComAddInsObject>& Type();

 private:
  com::Variant GetItem(Args& args);
  com::Variant Enumerate(Args& args);
  com::Variant GetCount(Args& args);
  com::Variant GetParent(Args& args);

  std::weak_ptr<const AddInLoader> loader_;
  AddInObjectFactory item_;
  ObjectSource parent_;
};

}  // namespace corvane::sim::office
