// An advanced control item (kind 6): shows a window control of the module
// (Control) on a toolbar through a host-specific adapter. No host this
// program knows has one, so an advanced control is never built; it has no
// caption, help or tooltip of its own, and its OfficeID is always 1.
#pragma once

#include "framework/commandbars/TkvxCommandBarControl.h"

namespace corvane::framework {

class TComponent;

class TkvxCommandBarAdvancedControl final : public TkvxCommandBarControl {
 public:
  using TkvxCommandBarControl::TkvxCommandBarControl;

  std::string_view ClassName() const override { return "TkvxCommandBarAdvancedControl"; }
  int32_t ControlKind() const override { return kvxKindAdvancedControl; }

  // The component shown; null when none (or once it was freed).
  TComponent* Control() const { return control_; }
  void SetControl(TComponent* v) { control_ = v; }

  std::u16string Caption() const override { return {}; }
  void SetCaption(std::u16string_view) override {}
  int32_t HelpContextID() const override { return 0; }
  void SetHelpContextID(int32_t) override {}
  std::u16string HelpFile() const override { return {}; }
  void SetHelpFile(std::u16string_view) override {}
  std::u16string TooltipText() const override { return {}; }
  void SetTooltipText(std::u16string_view) override {}
  int32_t OfficeID() const override { return kCustomControlId; }
  void SetOfficeID(int32_t) override {}
  void Assign(const TkvxCommandBarControl& Source) override {
    TkvxCommandBarControl::Assign(Source);
    if (const auto* advanced = dynamic_cast<const TkvxCommandBarAdvancedControl*>(&Source)) {
      control_ = advanced->Control();
    }
  }

 private:
  TComponent* control_ = nullptr;
};

}  // namespace corvane::framework
