// Office's COMAddIn over one entry of the add-in loader: what the add-in
// is handed in OnConnection and what the COM Add-ins list shows.
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/office/objects/OfficeObjects.h"

namespace corvane::sim::office {

class ComAddInObject final : public SimObject<ComAddInObject> {
 public:
  ComAddInObject(std::weak_ptr<AddInEntry> entry, ConnectAction connect, ObjectSource parent)
      : entry_(std::move(entry)), connect_(std::move(connect)), parent_(std::move(parent)) {}
  static const ObjectType<ComAddInObject>& Type();

 private:
  com::Variant GetDescription(Args& args);
  void PutDescription(Args& args);
  com::Variant GetProgId(Args& args);
  com::Variant GetGuid(Args& args);
  com::Variant GetConnect(Args& args);
  void PutConnect(Args& args);
  com::Variant GetAddInObject(Args& args);
  void PutAddInObject(Args& args);
  com::Variant GetParent(Args& args);

  std::weak_ptr<AddInEntry> entry_;
  ConnectAction connect_;
  ObjectSource parent_;
};

}  // namespace corvane::sim::office
