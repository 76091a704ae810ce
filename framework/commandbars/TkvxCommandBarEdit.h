// An edit box item (kind 1): text only, no list.
#pragma once

#include "framework/commandbars/TkvxCustomCommandBarComboBox.h"

namespace corvane::framework {

class TkvxCommandBarEdit final : public TkvxCustomCommandBarComboBox {
 public:
  using TkvxCustomCommandBarComboBox::TkvxCustomCommandBarComboBox;
  std::string_view ClassName() const override { return "TkvxCommandBarEdit"; }
  int32_t ControlKind() const override { return kvxKindEdit; }

 protected:
  bool HasList() const override { return false; }
};

}  // namespace corvane::framework
