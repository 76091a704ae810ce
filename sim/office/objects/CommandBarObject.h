// Office's CommandBar: its properties, Controls, FindControl and Delete.
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/office/model/BarProperties.h"
#include "sim/office/objects/FieldAccess.h"
#include "sim/office/objects/OfficeObjects.h"

namespace corvane::sim::office {

// Answered only by this sim's bars, to find the model behind a Bar argument.
inline constexpr IID kCommandBarSelfIid = {
    0x5C0B0A57, 0x0FF1, 0x4CEB, {0xA2, 0x11, 0x6D, 0x0C, 0xB1, 0x0E, 0x5E, 0x1F}};

class CommandBarObject final : public SimObject<CommandBarObject>, public FieldAccess<CommandBarObject> {
 public:
  CommandBarObject(BarSetLink set, std::weak_ptr<Bar> bar) : set_(std::move(set)), bar_(std::move(bar)) {}
  static const ObjectType<CommandBarObject>& Type();

  BarProperties& Props();
  const std::weak_ptr<Bar>& bar() const { return bar_; }

 protected:
  void* QueryOther(REFIID riid) override;

 private:
  com::Variant GetBuiltIn(Args& args);
  com::Variant GetType(Args& args);
  com::Variant GetControls(Args& args);
  com::Variant Delete(Args& args);
  com::Variant FindControl(Args& args);
  void PutName(Args& args);
  void PutPosition(Args& args);
  void PutProtection(Args& args);

  BarSetLink set_;
  std::weak_ptr<Bar> bar_;
};

}  // namespace corvane::sim::office
