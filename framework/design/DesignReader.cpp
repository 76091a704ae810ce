#include "framework/design/DesignReader.h"

#include <algorithm>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "framework/design/DesignClasses.h"
#include "framework/design/DesignError.h"
#include "framework/design/DesignItems.h"
#include "framework/design/DesignParser.h"
#include "framework/design/LittleEndian.h"
#include "platform/com/Text.h"

namespace corvane::framework {
namespace {

class Reader {
 public:
  Reader(const DesignRoot& root, const DesignHandlers& handlers)
      : root_(root), module_(root.module), design_(module_.ClassName()), context_{module_, root.names, &handlers} {}

  void Read(std::string_view text) {
    const DesignObject root = ParseDesign(text, design_);
    if (root.className != module_.ClassName()) {
      Fail(root.line, root.name,
           "the design is for \"" + root.className + "\", not for \"" + std::string(module_.ClassName()) + "\"");
    }
    module_.SetName(root.name);
    Apply(module_, root.properties, root_.properties, root.name, nullptr);
    for (const auto& child : root.children) ReadComponent(child, root.name);
  }

 private:
  // The holder of items being read (a bar, a popup): the kinds its
  // "ButtonTypes" gave.
  struct BarState {
    DesignItems& controls;
    std::string path;
    std::vector<int32_t> kinds;
    bool kindsRead = false;
    bool itemsRead = false;
    int kindsLine = 0;
  };

  [[noreturn]] void Fail(int line, const std::string& place, const std::string& what) const {
    throw DesignError(design_, line, place, what);
  }

  void ReadComponent(const DesignObject& object, const std::string& parentPath) {
    const std::string path = parentPath + "." + object.name;
    if (!object.children.empty())
      Fail(object.children.front().line, path, "a \"" + object.className + "\" holds no objects");
    const DesignClass* designClass = FindDesignClass(object.className);
    if (!designClass) Fail(object.line, path, "unknown class \"" + object.className + "\"");
    if (module_.FindComponent(object.name))
      Fail(object.line, path, "a component named \"" + object.name + "\" exists already");
    TComponent* component = Guarded(object.line, path, [&] { return designClass->create(module_); });
    component->SetName(object.name);
    ApplyObject(*component, object.properties, designClass->properties(), path);
    CheckRequired(object, designClass->properties(), path);
  }

  // Written back, a component without a required property would give a
  // design that does not read.
  void CheckRequired(const DesignObject& object, const PropertyTable& table, const std::string& path) const {
    for (const PropertyInfo& info : table) {
      const auto given = [&info](const DesignProperty& p) { return p.name == info.name; };
      if (!info.required || std::any_of(object.properties.begin(), object.properties.end(), given)) continue;
      Fail(object.line, path + "." + std::string(info.name),
           "The " + std::string(info.name) + " property can not be empty.");
    }
  }

  // An object's properties; for one holding items (a bar, a popup) its
  // "ButtonTypes" and "Buttons" among them.
  void ApplyObject(TObject& object, const std::vector<DesignProperty>& properties, const PropertyTable& table,
                   const std::string& path) {
    DesignItems* controls = object.DesignedItems();
    if (!controls) {
      Apply(object, properties, table, path, nullptr);
      return;
    }
    BarState state{*controls, path, {}, false, false, 0};
    Apply(object, properties, table, path, &state);
    if (state.kindsRead && !state.itemsRead && !state.kinds.empty()) {
      Fail(state.kindsLine, path + ".Buttons",
           "ButtonTypes lists " + std::to_string(state.kinds.size()) + " kinds but Buttons has 0 entries");
    }
  }

  void Apply(TObject& object, const std::vector<DesignProperty>& properties, const PropertyTable& table,
             const std::string& path, BarState* bar) {
    std::set<std::string> seen;
    for (const auto& property : properties) {
      const std::string place = path + "." + property.name;
      if (!seen.insert(property.name).second)
        Fail(property.line, place, "property \"" + property.name + "\" given twice");
      const PropertyInfo* info = FindProperty(table, property.name);
      if (!info) Fail(property.line, place, "unknown property \"" + property.name + "\"");
      if (info->special && bar) {
        ReadBarCollection(*bar, property);
      } else if (info->read) {
        Guarded(property.line, place, [&] {
          info->read(object, property.value, context_);
          return 0;
        });
      }
    }
  }

  // Runs body and turns any fault it raises into a DesignError here.
  template <class F>
  std::invoke_result_t<F> Guarded(int line, const std::string& place, F&& body) {
    try {
      return body();
    } catch (const DesignError&) {
      throw;
    } catch (const DesignFault& fault) {
      Fail(line, place, fault.what());
    } catch (const com::ComError& error) {
      Fail(line, place, com::Utf16ToUtf8(error.description()));
    } catch (const std::exception& error) {
      Fail(line, place, error.what());
    }
  }

  void ReadBarCollection(BarState& state, const DesignProperty& property) {
    const std::string place = state.path + "." + property.name;
    if (property.name == "ButtonTypes") {
      state.kinds = Guarded(property.line, place, [&] { return ReadKinds(property.value); });
      state.kindsRead = true;
      state.kindsLine = property.line;
      return;
    }
    if (!state.kindsRead) Fail(property.line, place, "Buttons needs ButtonTypes first");
    if (property.value.kind != DesignValue::Kind::Collection) {
      Fail(property.line, place, "expected a collection (\"<\" ... \">\")");
    }
    ReadItems(state, property);
  }

  static std::vector<int32_t> ReadKinds(const DesignValue& value) {
    const auto& bytes = DesignToBytes(value);
    if (bytes.size() < 4) throw DesignFault("ButtonTypes has no count");
    const uint32_t count = ReadLe32(bytes, 0);
    if (bytes.size() != 4 + 4ull * count) {
      throw DesignFault("ButtonTypes holds " + std::to_string(bytes.size()) + " bytes, expected 4 + 4 x " +
                        std::to_string(count));
    }
    std::vector<int32_t> kinds;
    for (uint32_t i = 0; i < count; ++i) kinds.push_back(static_cast<int32_t>(ReadLe32(bytes, 4 + 4 * i)));
    return kinds;
  }

  void ReadItems(BarState& state, const DesignProperty& property) {
    state.itemsRead = true;
    DesignItems& controls = state.controls;
    controls.ClearItems();
    const auto& entries = property.value.items;
    for (size_t i = 0; i < entries.size(); ++i) {
      const std::string path = state.path + ".Buttons[" + std::to_string(i) + "]";
      if (i >= state.kinds.size()) {
        Fail(entries[i].line, path,
             "Buttons[" + std::to_string(i) + "] has no kind in ButtonTypes (" + std::to_string(state.kinds.size()) +
                 " kinds)");
      }
      const int32_t kind = state.kinds[i] & 0xFF;
      const PropertyTable* table = controls.ItemProperties(kind);
      if (!table) Fail(entries[i].line, path, "unknown class: the kind " + std::to_string(kind) + " has no item class");
      TObject& item = Guarded(entries[i].line, path, [&]() -> TObject& { return controls.AddItem(kind); });
      ApplyObject(item, entries[i].properties, *table, path);
    }
    if (entries.size() < state.kinds.size()) {
      Fail(property.line, state.path + ".Buttons",
           "ButtonTypes lists " + std::to_string(state.kinds.size()) + " kinds but Buttons has " +
               std::to_string(entries.size()) + " entries");
    }
  }

  const DesignRoot& root_;
  TComponent& module_;
  std::string design_;
  DesignContext context_;
};

}  // namespace

void ReadDesign(const DesignRoot& root, std::string_view text, const DesignHandlers& handlers) {
  Reader(root, handlers).Read(text);
}

}  // namespace corvane::framework
