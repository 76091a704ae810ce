#include "framework/design/DesignWriter.h"

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarPopup.h"
#include "framework/design/DesignClasses.h"
#include "framework/design/DesignError.h"
#include "framework/design/DesignFormatter.h"
#include "framework/design/LittleEndian.h"
#include "framework/hosting/TkvxCOMAddInModule.h"

namespace corvane::framework {
namespace {

class Writer {
 public:
  explicit Writer(TkvxCOMAddInModule& module) : module_(module), context_{module, nullptr} {}

  DesignObject Write() {
    DesignObject root{module_.Name(), std::string(module_.ClassName()), 0, {}, {}};
    root.properties = Properties(module_, ModulePropertyTable(), nullptr);
    for (size_t i = 0; i < module_.ComponentCount(); ++i) {
      TComponent* component = module_.Components(i);
      const DesignClass* designClass = FindDesignClass(component->ClassName());
      // Components made in code, not by a designer, are not part of the design.
      if (!designClass) continue;
      DesignObject child{component->Name(), std::string(component->ClassName()), 0, {}, {}};
      auto* bar = dynamic_cast<TkvxCommandBar*>(component);
      child.properties = Properties(*component, designClass->properties(), bar ? &bar->Controls() : nullptr);
      root.children.push_back(std::move(child));
    }
    return root;
  }

 private:
  // Controls: the items of a bar or popup, written in place of its special
  // properties.
  std::vector<DesignProperty> Properties(const TObject& object, const PropertyTable& table,
                                         const TkvxCommandBarControls* controls) {
    std::vector<DesignProperty> properties;
    for (const auto& info : table) {
      if (info.special) {
        if (controls) properties.push_back({std::string(info.name), 0, ItemsCollection(*controls, info.name)});
        continue;
      }
      if (auto value = info.write(object, context_)) properties.push_back({std::string(info.name), 0, *value});
    }
    return properties;
  }

  DesignValue ItemsCollection(const TkvxCommandBarControls& controls, std::string_view name) {
    if (name == "ButtonTypes") {
      std::vector<uint8_t> bytes;
      AppendLe32(bytes, static_cast<uint32_t>(controls.Count()));
      for (size_t i = 0; i < controls.Count(); ++i)
        AppendLe32(bytes, static_cast<uint32_t>(controls.Items(i).ControlKind()));
      return DesignValue::OfBytes(std::move(bytes));
    }
    std::vector<DesignItem> items;
    for (size_t i = 0; i < controls.Count(); ++i) {
      const TkvxCommandBarControl& item = controls.Items(i);
      const PropertyTable* table = ItemPropertyTable(item.ControlKind());
      if (!table) throw DesignFault("the kind " + std::to_string(item.ControlKind()) + " has no item table");
      const auto* popup = dynamic_cast<const TkvxCommandBarPopup*>(&item);
      items.push_back({0, Properties(item, *table, popup ? &popup->Controls() : nullptr)});
    }
    return DesignValue::OfItems(std::move(items));
  }

  TkvxCOMAddInModule& module_;
  DesignContext context_;
};

}  // namespace

std::string WriteDesign(TkvxCOMAddInModule& module) { return FormatDesign(Writer(module).Write()); }

}  // namespace corvane::framework
