// A drop-down list item (kind 2): the user picks one of Items.
#pragma once

#include "framework/commandbars/TkvxCustomCommandBarComboBox.h"

namespace corvane::framework {

class TkvxCommandBarDropDownList final : public TkvxCustomCommandBarComboBox {
 public:
  using TkvxCustomCommandBarComboBox::TkvxCustomCommandBarComboBox;
  std::string_view ClassName() const override { return "TkvxCommandBarDropDownList"; }
  int32_t ControlKind() const override { return kvxKindDropDownList; }
};

}  // namespace corvane::framework
