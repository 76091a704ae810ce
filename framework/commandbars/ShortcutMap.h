// The keys a module's buttons answer to: each button's ShortcutText and the
// Alt+letter of its caption's "&", upper-cased, in the order the bars
// joined the module, items in collection order, a popup's items at the
// popup's place. The first entry with a text wins.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::framework {

class TkvxBarModule;
class TkvxCommandBarButton;
class TkvxCommandBarControls;

class ShortcutMap {
 public:
  struct Entry {
    std::u16string text;
    TkvxCommandBarButton* button;
  };

  // Cleared, then filled from the module's bars that support its host. The
  // texts are read from the bound host buttons; a failing read is thrown.
  void Build(const TkvxBarModule& Module);

  std::optional<size_t> Find(std::u16string_view Text) const;
  const std::vector<Entry>& Entries() const { return entries_; }

  // "ALT+" and the upper-cased character after the caption's first "&";
  // empty when there is none or the "&" ends the caption.
  static std::u16string AcceleratorOf(std::u16string_view Caption);

 private:
  void AddItems(const TkvxCommandBarControls& Items);
  void AddButton(TkvxCommandBarButton& Button);

  std::vector<Entry> entries_;
};

}  // namespace corvane::framework
