// A combo box item (kind 3): one of Items, or a text of the user's own.
#pragma once

#include "framework/commandbars/TkvxCustomCommandBarComboBox.h"

namespace corvane::framework {

class TkvxCommandBarComboBox final : public TkvxCustomCommandBarComboBox {
 public:
  using TkvxCustomCommandBarComboBox::TkvxCustomCommandBarComboBox;
  std::string_view ClassName() const override { return "TkvxCommandBarComboBox"; }
  int32_t ControlKind() const override { return kvxKindComboBox; }
};

}  // namespace corvane::framework
