#include "sim/office/objects/ComboBoxObject.h"

#include "sim/office/model/Control.h"
#include "sim/office/model/OfficeError.h"

namespace corvane::sim::office {

using Self = ComboBoxObject;

const ObjectType<Self>& Self::Type() {
  static const ObjectType<Self> type{
      u"CommandBarComboBox",
      {Office::CommandBarControl::iid, Office::CommandBarComboBox::iid},
      ControlMembers<Self>({
          Method<Self>(Office::CommandBarComboBox::AddItem, u"AddItem", &Self::AddItem).Takes(2),
          Method<Self>(Office::CommandBarComboBox::Clear, u"Clear", &Self::Clear),
          FieldProperty<Self, &ControlProperties::dropDownLines>(Office::CommandBarComboBox::DropDownLines,
                                                                 u"DropDownLines"),
          FieldProperty<Self, &ControlProperties::dropDownWidth>(Office::CommandBarComboBox::DropDownWidth,
                                                                 u"DropDownWidth"),
          Property<Self>(Office::CommandBarComboBox::List, u"List", &Self::GetList, &Self::PutList).Takes(1),
          Get<Self>(Office::CommandBarComboBox::ListCount, u"ListCount", &Self::GetListCount),
          FieldProperty<Self, &ControlProperties::listHeaderCount>(Office::CommandBarComboBox::ListHeaderCount,
                                                                   u"ListHeaderCount"),
          Property<Self>(Office::CommandBarComboBox::ListIndex, u"ListIndex",
                         &Self::GetField<&ControlProperties::listIndex>, &Self::PutListIndex),
          Method<Self>(Office::CommandBarComboBox::RemoveItem, u"RemoveItem", &Self::RemoveItem).Takes(1),
          FieldProperty<Self, &ControlProperties::comboStyle>(Office::CommandBarComboBox::Style, u"Style"),
          FieldProperty<Self, &ControlProperties::text>(Office::CommandBarComboBox::Text, u"Text"),
      }),
      kOfficeSource};
  return type;
}

std::vector<std::u16string>& Self::List() const {
  auto control = Live();
  if (control->type() == Office::msoControlEdit) ThrowFailed("An edit box has no list.");
  return control->items();
}

size_t Self::ItemIndex(const Arg& index) const {
  const int32_t position = index.Int();
  if (position < 1 || static_cast<size_t>(position) > List().size()) {
    ThrowInvalidArgument("Invalid procedure call or argument");
  }
  return static_cast<size_t>(position - 1);
}

// AddItem(Text, [Index]): at the end unless an index is given.
com::Variant Self::AddItem(Args& args) {
  auto& list = List();
  const auto text = args[0].Text();
  const int32_t at = args[1].Int(static_cast<int32_t>(list.size()) + 1);
  if (at < 1 || static_cast<size_t>(at) > list.size() + 1) ThrowInvalidArgument("Invalid procedure call or argument");
  list.insert(list.begin() + (at - 1), text);
  return {};
}

com::Variant Self::Clear(Args&) {
  List().clear();
  Props().listIndex = 0;
  return {};
}

com::Variant Self::GetList(Args& args) { return List()[ItemIndex(args[0])]; }

void Self::PutList(Args& args) { List()[ItemIndex(args[0])] = args.value().Text(); }

com::Variant Self::GetListCount(Args&) { return static_cast<int32_t>(List().size()); }

// 0 selects nothing; otherwise the entry's text becomes the box's text.
void Self::PutListIndex(Args& args) {
  const int32_t index = args.value().Int();
  auto& list = List();
  if (index < 0 || static_cast<size_t>(index) > list.size()) ThrowInvalidArgument("Invalid procedure call or argument");
  Props().listIndex = index;
  if (index > 0) Props().text = list[index - 1];
}

com::Variant Self::RemoveItem(Args& args) {
  auto& list = List();
  list.erase(list.begin() + static_cast<std::ptrdiff_t>(ItemIndex(args[0])));
  return {};
}

}  // namespace corvane::sim::office
