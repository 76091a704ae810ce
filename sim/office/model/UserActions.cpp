#include "sim/office/model/UserActions.h"

#include "sim/office/model/Bar.h"
#include "sim/office/model/Control.h"
#include "sim/office/model/OfficeError.h"

namespace corvane::sim::office {

namespace {

bool Allows(const Bar& bar, int32_t flag) { return bar.live() && (bar.props().protection & flag) == 0; }

bool Customizable(const Control& control) {
  auto bar = control.topBar();
  return control.live() && bar && Allows(*bar, Office::msoBarNoCustomize);
}

int32_t DockFlagFor(int32_t position) {
  switch (position) {
    case Office::msoBarLeft:
    case Office::msoBarRight:
      return Office::msoBarNoVerticalDock;
    case Office::msoBarTop:
    case Office::msoBarBottom:
      return Office::msoBarNoHorizontalDock;
    default:
      return 0;
  }
}

}  // namespace

bool DragControl(Control& control, const std::shared_ptr<Bar>& target, int32_t before) {
  if (!Customizable(control) || !target || !Allows(*target, Office::msoBarNoCustomize)) return false;
  try {
    control.MoveTo(target, before);
  } catch (const OfficeError&) {
    return false;
  }
  return true;
}

bool DeleteControlByUser(Control& control) {
  if (!Customizable(control)) return false;
  control.Delete(false);
  return true;
}

std::shared_ptr<Control> AddOwnControl(Bar& bar, const std::u16string& caption, int32_t before) {
  if (!Allows(bar, Office::msoBarNoCustomize)) return nullptr;
  auto control = bar.AddControl(ControlSpec{Office::msoControlButton, kCustomControlId, u"", before, false});
  control->props().caption = caption;
  return control;
}

bool SetBarVisible(Bar& bar, bool visible) {
  if (!Allows(bar, Office::msoBarNoChangeVisible) || bar.type() == Office::msoBarTypePopup) return false;
  bar.props().visible = visible;
  return true;
}

bool MoveBar(Bar& bar, int32_t left, int32_t top) {
  if (!Allows(bar, Office::msoBarNoMove) || bar.props().position != Office::msoBarFloating) return false;
  bar.props().left = left;
  bar.props().top = top;
  return true;
}

bool DockBar(Bar& bar, int32_t position, int32_t rowIndex) {
  if (position < Office::msoBarLeft || position > Office::msoBarFloating || bar.type() == Office::msoBarTypePopup)
    return false;
  if (!Allows(bar, Office::msoBarNoChangeDock) || !Allows(bar, DockFlagFor(position))) return false;
  bar.props().position = position;
  bar.props().rowIndex = position == Office::msoBarFloating ? 0 : rowIndex;
  return true;
}

}  // namespace corvane::sim::office
