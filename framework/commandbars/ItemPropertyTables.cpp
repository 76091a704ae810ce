// The stored properties of the item kinds other than the button, in the
// order they are written, and the table of each kind code.
#include "framework/commandbars/ItemPropertyTables.h"
#include "framework/commandbars/CommandBarDesign.h"
#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarAdvancedControl.h"
#include "framework/commandbars/TkvxCommandBarPopup.h"
#include "framework/commandbars/TkvxCustomCommandBarComboBox.h"
#include "framework/design/DesignError.h"

namespace corvane::framework {
namespace {

using Box = TkvxCustomCommandBarComboBox;
using Adv = TkvxCommandBarAdvancedControl;

PropertyTable Joined(PropertyTable own) {
  PropertyTable table = ItemCommonProperties();
  table.insert(table.end(), own.begin(), own.end());
  table.push_back(ItemRevisionProperty());
  return table;
}

PropertyInfo ItemsProperty() {
  PropertyInfo info;
  info.name = "Items.Strings";
  info.read = [](TObject& object, const DesignValue& value, DesignContext&) {
    design_detail::As<Box>(object).SetItems(DesignToStrings(value));
  };
  info.write = [](const TObject& object, const DesignContext&) -> std::optional<DesignValue> {
    const auto& items = design_detail::As<Box>(object).Items();
    if (items.empty()) return std::nullopt;
    return DesignValue::OfStrings(items);
  };
  return info;
}

PropertyInfo ComboStyleProperty() {
  return EnumProperty<Box>(
      "Style", [](const Box& b) -> int { return b.Style(); },
      [](Box& b, int v) { b.SetStyle(static_cast<TkvxMsoComboStyle>(v)); }, ComboStyleNames(), kvxMsoComboNormal);
}

PropertyTable BoxProperties(bool withList) {
  PropertyTable own;
  if (withList) {
    own = {
        IntegerProperty<Box>("DropdownLines", &Box::DropdownLines, &Box::SetDropdownLines, 0),
        IntegerProperty<Box>("DropdownWidth", &Box::DropdownWidth, &Box::SetDropdownWidth, 0),
        ItemsProperty(),
        IntegerProperty<Box>("ListHeaderCount", &Box::ListHeaderCount, &Box::SetListHeaderCount, -1),
        IntegerProperty<Box>("ListIndex", &Box::ListIndex, &Box::SetListIndex, 0),
    };
  }
  own.push_back(ComboStyleProperty());
  own.push_back(StringProperty<Box>("Text", &Box::Text, &Box::SetText));
  own.push_back(HandlerProperty("OnChange", &Box::OnChange));
  return Joined(std::move(own));
}

// The component shown, by its name on the module; it must be designed
// before the bar.
PropertyInfo ShownControlProperty() {
  PropertyInfo info;
  info.name = "Control";
  info.read = [](TObject& object, const DesignValue& value, DesignContext& context) {
    if (value.kind != DesignValue::Kind::Name) throw DesignFault("expected a component name");
    TComponent* component = context.module.FindComponent(value.text);
    if (!component) throw DesignFault("unknown component \"" + value.text + "\"");
    design_detail::As<Adv>(object).SetControl(component);
  };
  info.write = [](const TObject& object, const DesignContext&) -> std::optional<DesignValue> {
    const TComponent* component = design_detail::As<Adv>(object).Control();
    if (!component || component->Name().empty()) return std::nullopt;
    return DesignValue::OfName(component->Name());
  };
  return info;
}

}  // namespace

const PropertyTable* ItemPropertyTable(int32_t kind) {
  static const PropertyTable kButton = ButtonPropertyTable();
  static const PropertyTable kEdit = BoxProperties(false);
  static const PropertyTable kListBox = BoxProperties(true);
  static const PropertyTable kPopup = Joined({SpecialProperty("ButtonTypes"), SpecialProperty("Buttons")});
  static const PropertyTable kControl = Joined({});
  static const PropertyTable kAdvanced = Joined({ShownControlProperty()});
  switch (kind) {
    case kvxKindButton:
      return &kButton;
    case kvxKindEdit:
      return &kEdit;
    case kvxKindDropDownList:
    case kvxKindComboBox:
      return &kListBox;
    case kvxKindPopup:
      return &kPopup;
    case kvxKindControl:
      return &kControl;
    case kvxKindAdvancedControl:
      return &kAdvanced;
    default:
      return nullptr;
  }
}

}  // namespace corvane::framework
