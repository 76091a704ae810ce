#include "framework/design/DesignWriter.h"

#include "framework/design/DesignClasses.h"
#include "framework/design/DesignError.h"
#include "framework/design/DesignFormatter.h"
#include "framework/design/DesignItems.h"
#include "framework/design/LittleEndian.h"

namespace corvane::framework {
namespace {

class Writer {
 public:
  explicit Writer(const DesignRoot& root) : root_(root), module_(root.module), context_{module_, root.names, nullptr} {}

  DesignObject Write() {
    DesignObject root{module_.Name(), std::string(module_.ClassName()), 0, {}, {}};
    root.properties = Properties(module_, root_.properties);
    for (size_t i = 0; i < module_.ComponentCount(); ++i) {
      TComponent* component = module_.Components(i);
      const DesignClass* designClass = FindDesignClass(component->ClassName());
      // Components made in code, not by a designer, are not part of the design.
      if (!designClass) continue;
      DesignObject child{component->Name(), std::string(component->ClassName()), 0, {}, {}};
      child.properties = Properties(*component, designClass->properties());
      root.children.push_back(std::move(child));
    }
    return root;
  }

 private:
  // The items of an object holding some (a bar, a popup) are written in
  // place of its special properties.
  std::vector<DesignProperty> Properties(const TObject& object, const PropertyTable& table) {
    const DesignItems* controls = object.DesignedItems();
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

  DesignValue ItemsCollection(const DesignItems& controls, std::string_view name) {
    if (name == "ButtonTypes") {
      std::vector<uint8_t> bytes;
      AppendLe32(bytes, static_cast<uint32_t>(controls.ItemCount()));
      for (size_t i = 0; i < controls.ItemCount(); ++i) AppendLe32(bytes, static_cast<uint32_t>(controls.ItemKind(i)));
      return DesignValue::OfBytes(std::move(bytes));
    }
    std::vector<DesignItem> items;
    for (size_t i = 0; i < controls.ItemCount(); ++i) {
      const int32_t kind = controls.ItemKind(i);
      const PropertyTable* table = controls.ItemProperties(kind);
      if (!table) throw DesignFault("the kind " + std::to_string(kind) + " has no item table");
      items.push_back({0, Properties(controls.ItemAt(i), *table)});
    }
    return DesignValue::OfItems(std::move(items));
  }

  const DesignRoot& root_;
  TComponent& module_;
  DesignContext context_;
};

}  // namespace

std::string WriteDesign(const DesignRoot& root) { return FormatDesign(Writer(root).Write()); }

}  // namespace corvane::framework
