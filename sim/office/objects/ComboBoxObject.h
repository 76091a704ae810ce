// Office's CommandBarComboBox, for edit, drop-down and combo boxes: the
// control members plus the text and the list (0x6005xxxx). An edit box
// has no list: the list members fail on it.
#pragma once

#include "sim/office/objects/ControlCore.h"

namespace corvane::sim::office {

class ComboBoxObject final : public SimObject<ComboBoxObject>,
                             public FieldAccess<ComboBoxObject>,
                             public Forwarding<ComboBoxObject>,
                             public ControlCore {
 public:
  using ControlCore::ControlCore;
  static const ObjectType<ComboBoxObject>& Type();

 protected:
  std::vector<std::shared_ptr<EventSource>> EventSources() override {
    return SourcesFor(Office::CommandBarComboBoxEvents::iid, "CommandBarComboBoxEvents");
  }

 private:
  std::vector<std::u16string>& List() const;
  // A 1-based index into the list; OfficeError outside it.
  size_t ItemIndex(const Arg& index) const;

  com::Variant AddItem(Args& args);
  com::Variant Clear(Args& args);
  com::Variant GetList(Args& args);
  void PutList(Args& args);
  com::Variant GetListCount(Args& args);
  void PutListIndex(Args& args);
  com::Variant RemoveItem(Args& args);
};

}  // namespace corvane::sim::office
