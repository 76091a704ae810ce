// The stored properties of a button, in the order they are written: those
// every item has, then the button's own, then the revision.
#include "framework/commandbars/CommandBarDesign.h"
#include "framework/commandbars/ItemPropertyTables.h"
#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "framework/design/GlyphData.h"

namespace corvane::framework {
namespace {

using C = TkvxCommandBarControl;
using Btn = TkvxCommandBarButton;

// A control's Temporary defaults to its bar's.
bool TemporaryIsDefault(const C& c, const bool& v) { return v == c.OwnerBar().Temporary(); }

}  // namespace

PropertyTable ItemCommonProperties() {
  return {
      BooleanProperty<C>("BeginGroup", &C::BeginGroup, &C::SetBeginGroup, false),
      StringProperty<C>("Caption", &C::Caption, &C::SetCaption),
      StringProperty<C>("DescriptionText", &C::DescriptionText, &C::SetDescriptionText),
      BooleanProperty<C>("Enabled", &C::Enabled, &C::SetEnabled, true),
      IntegerProperty<C>("Height", &C::Height, &C::SetHeight, 0),
      IntegerProperty<C>("HelpContextID", &C::HelpContextID, &C::SetHelpContextID, 0),
      StringProperty<C>("HelpFile", &C::HelpFile, &C::SetHelpFile),
      StringProperty<C>("Parameter", &C::Parameter, &C::SetParameter),
      IntegerProperty<C>("Priority", &C::Priority, &C::SetPriority, 0),
      IntegerProperty<C>("OfficeID", &C::OfficeID, &C::SetOfficeID, 1),
      StringProperty<C>("OfficeTag", &C::OfficeTag, &C::SetOfficeTag, true),
      SetProperty<C>(
          "olExplorerItemTypes", [](const C& c) -> uint32_t { return c.olExplorerItemTypes(); },
          [](C& c, uint32_t v) { c.SetolExplorerItemTypes(static_cast<TkvxOLItemTypes>(v)); }, OLItemTypeNames()),
      SetProperty<C>(
          "olInspectorItemTypes", [](const C& c) -> uint32_t { return c.olInspectorItemTypes(); },
          [](C& c, uint32_t v) { c.SetolInspectorItemTypes(static_cast<TkvxOLItemClasses>(v)); }, OLItemClassNames()),
      EnumProperty<C>(
          "olItemTypeAction", [](const C& c) -> int { return c.olItemTypeAction(); },
          [](C& c, int v) { c.SetolItemTypeAction(static_cast<TkvxOLItemTypeAction>(v)); }, OLItemTypeActionNames(),
          kvxOLActionNone),
      StringProperty<C>("TooltipText", &C::TooltipText, &C::SetTooltipText),
      BooleanProperty<C>("Visible", &C::Visible, &C::SetVisible, true),
      IntegerProperty<C>("Width", &C::Width, &C::SetWidth, 0),
      IntegerProperty<C>("AfterID", &C::AfterID, &C::SetAfterID, 0),
      IntegerProperty<C>("Before", &C::Before, &C::SetBefore, 0),
      IntegerProperty<C>("BeforeID", &C::BeforeID, &C::SetBeforeID, 0),
      BooleanPropertyDefaulting<C>("Temporary", &C::Temporary, &C::SetTemporary, TemporaryIsDefault),
      IntegerProperty<C>("Tag", &C::Tag, &C::SetTag, 0),
  };
}

PropertyInfo ItemRevisionProperty() {
  return IntegerProperty<C>("PropertyChanged", &C::PropertyChanged, &C::SetPropertyChanged, std::nullopt);
}

namespace {

PropertyInfo GlyphProperty() {
  PropertyInfo info;
  info.name = "Glyph.Data";
  info.read = [](TObject& object, const DesignValue& value, DesignContext&) {
    design_detail::As<Btn>(object).SetGlyph(DecodeGlyphData(DesignToBytes(value)));
  };
  info.write = [](const TObject& object, const DesignContext&) -> std::optional<DesignValue> {
    const auto& glyph = design_detail::As<Btn>(object).Glyph();
    if (glyph.empty()) return std::nullopt;
    return DesignValue::OfBytes(EncodeGlyphData(glyph));
  };
  return info;
}

}  // namespace

PropertyTable ButtonPropertyTable() {
  PropertyTable table = ItemCommonProperties();
  PropertyTable own = {
      BooleanProperty<Btn>("DisableStandardAction", &Btn::DisableStandardAction, &Btn::SetDisableStandardAction, false),
      IntegerProperty<Btn>("FaceID", &Btn::FaceID, &Btn::SetFaceID, 0),
      StringProperty<Btn>("ShortcutText", &Btn::ShortcutText, &Btn::SetShortcutText),
      EnumProperty<Btn>(
          "State", [](const Btn& b) -> int { return b.State(); },
          [](Btn& b, int v) { b.SetState(static_cast<TkvxMsoButtonState>(v)); }, ButtonStateNames(), kvxMsoButtonUp),
      EnumProperty<Btn>(
          "Style", [](const Btn& b) -> int { return b.Style(); },
          [](Btn& b, int v) { b.SetStyle(static_cast<TkvxMsoButtonStyle>(v)); }, ButtonStyleNames(),
          kvxMsoButtonAutomatic),
      EnumProperty<Btn>(
          "HyperlinkType", [](const Btn& b) -> int { return b.HyperlinkType(); },
          [](Btn& b, int v) { b.SetHyperlinkType(static_cast<TkvxMsoCommandBarButtonHyperlinkType>(v)); },
          HyperlinkTypeNames(), kvxMsoCommandBarButtonHyperlinkNone),
      GlyphProperty(),
      IntegerProperty<Btn>("GlyphTransparentColor", &Btn::GlyphTransparentColor, &Btn::SetGlyphTransparentColor,
                           Btn::kDefaultTransparentColor),
      HandlerProperty("OnClick", &Btn::OnClick),
      ItemRevisionProperty(),
  };
  table.insert(table.end(), own.begin(), own.end());
  return table;
}

}  // namespace corvane::framework
