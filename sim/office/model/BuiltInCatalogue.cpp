#include "sim/office/model/BuiltInCatalogue.h"

#include <algorithm>
#include <array>

#include "sim/office/model/Bar.h"
#include "sim/office/model/Control.h"

namespace corvane::sim::office {

namespace {

constexpr std::array<int32_t, 7> kFileMenu{18, 23, 106, 3, 748, 4, 752};
constexpr std::array<int32_t, 4> kEditMenu{128, 21, 19, 22};
constexpr std::array<int32_t, 1> kFormatMenu{855};
constexpr std::array<int32_t, 1> kDataMenu{928};

const std::array<BuiltInControl, 48> kControls{{
    {2, Office::msoControlButton, u"&Spelling...", 2, {}},
    {3, Office::msoControlButton, u"&Save", 3, {}},
    {4, Office::msoControlButton, u"&Print...", 4, {}},
    {18, Office::msoControlButton, u"&New...", 18, {}},
    {19, Office::msoControlButton, u"&Copy", 19, {}},
    {21, Office::msoControlButton, u"Cu&t", 21, {}},
    {22, Office::msoControlButton, u"&Paste", 22, {}},
    {23, Office::msoControlButton, u"&Open...", 23, {}},
    {106, Office::msoControlButton, u"&Close", 106, {}},
    {108, Office::msoControlButton, u"&Format Painter", 108, {}},
    {109, Office::msoControlButton, u"Print Pre&view", 109, {}},
    {113, Office::msoControlButton, u"&Bold", 113, {}},
    {114, Office::msoControlButton, u"&Italic", 114, {}},
    {115, Office::msoControlButton, u"&Underline", 115, {}},
    {120, Office::msoControlButton, u"Align &Left", 120, {}},
    {121, Office::msoControlButton, u"Align &Right", 121, {}},
    {122, Office::msoControlButton, u"&Center", 122, {}},
    {128, Office::msoControlButton, u"&Undo", 128, {}},
    {129, Office::msoControlButton, u"&Redo", 129, {}},
    {210, Office::msoControlButton, u"Sort &Ascending", 210, {}},
    {211, Office::msoControlButton, u"Sort Des&cending", 211, {}},
    {226, Office::msoControlButton, u"&AutoSum", 226, {}},
    {395, Office::msoControlButton, u"&Currency Style", 395, {}},
    {396, Office::msoControlButton, u"&Percent Style", 396, {}},
    {397, Office::msoControlButton, u"C&omma Style", 397, {}},
    {398, Office::msoControlButton, u"&Increase Decimal", 398, {}},
    {399, Office::msoControlButton, u"&Decrease Decimal", 399, {}},
    {402, Office::msoControlButton, u"&Merge and Center", 402, {}},
    {436, Office::msoControlButton, u"&Chart Wizard", 436, {}},
    {748, Office::msoControlButton, u"Save &As...", 748, {}},
    {752, Office::msoControlButton, u"E&xit", 752, {}},
    {855, Office::msoControlButton, u"C&ells...", 855, {}},
    {928, Office::msoControlButton, u"&Sort...", 928, {}},
    {1728, Office::msoControlComboBox, u"&Font:", 0, {}},
    {1731, Office::msoControlComboBox, u"&Font Size:", 0, {}},
    {1733, Office::msoControlComboBox, u"&Zoom:", 0, {}},
    {2520, Office::msoControlButton, u"&New", 2520, {}},
    {2521, Office::msoControlButton, u"&Print", 2521, {}},
    {30002, Office::msoControlPopup, u"&File", 0, kFileMenu},
    {30003, Office::msoControlPopup, u"&Edit", 0, kEditMenu},
    {30004, Office::msoControlPopup, u"&View", 0, {}},
    {30005, Office::msoControlPopup, u"&Insert", 0, {}},
    {30006, Office::msoControlPopup, u"F&ormat", 0, kFormatMenu},
    {30007, Office::msoControlPopup, u"&Tools", 0, {}},
    {30009, Office::msoControlPopup, u"&Window", 0, {}},
    {30010, Office::msoControlPopup, u"&Help", 0, {}},
    {30011, Office::msoControlPopup, u"&Data", 0, kDataMenu},
    {1604, Office::msoControlButton, u"&PivotTable Wizard", 1604, {}},
}};

struct BuiltInBar {
  const char16_t* name;
  int32_t type;
  int32_t position;
  bool visible;
  int32_t rowIndex;
  std::span<const int32_t> controls;
};

constexpr std::array<int32_t, 9> kMenuBar{30002, 30003, 30004, 30005, 30006, 30007, 30011, 30009, 30010};
constexpr std::array<int32_t, 17> kStandard{2520, 23,  3,   2521, 109, 2,   21,  19,  22,
                                            108,  128, 129, 226,  210, 211, 436, 1733};
constexpr std::array<int32_t, 13> kFormatting{1728, 1731, 113, 114, 115, 120, 122, 121, 402, 395, 396, 397, 398};
constexpr std::array<int32_t, 1> kPivotTable{1604};
constexpr std::array<int32_t, 4> kCell{21, 19, 22, 855};

const std::array<BuiltInBar, 9> kBars{{
    {u"Worksheet Menu Bar", Office::msoBarTypeMenuBar, Office::msoBarTop, true, 1, kMenuBar},
    {u"Chart Menu Bar", Office::msoBarTypeMenuBar, Office::msoBarTop, false, 1, kMenuBar},
    {u"Standard", Office::msoBarTypeNormal, Office::msoBarTop, true, 2, kStandard},
    {u"Formatting", Office::msoBarTypeNormal, Office::msoBarTop, true, 2, kFormatting},
    {u"PivotTable", Office::msoBarTypeNormal, Office::msoBarFloating, false, 0, kPivotTable},
    {u"Chart", Office::msoBarTypeNormal, Office::msoBarFloating, false, 0, {}},
    {u"Drawing", Office::msoBarTypeNormal, Office::msoBarBottom, false, 1, {}},
    {u"Forms", Office::msoBarTypeNormal, Office::msoBarFloating, false, 0, {}},
    {u"Cell", Office::msoBarTypePopup, Office::msoBarPopup, false, 0, kCell},
}};

void Fill(Bar& bar, std::span<const int32_t> ids, bool temporary) {
  for (int32_t id : ids) bar.Insert(MakeBuiltInControl(*FindBuiltInControl(id), temporary), 0);
}

}  // namespace

const BuiltInControl* FindBuiltInControl(int32_t id) {
  auto found = std::find_if(kControls.begin(), kControls.end(), [&](const auto& c) { return c.id == id; });
  return found == kControls.end() ? nullptr : &*found;
}

std::shared_ptr<Control> MakeBuiltInControl(const BuiltInControl& known, bool temporary) {
  auto control = std::make_shared<Control>(known.type, known.id, true, temporary);
  control->props().caption = known.caption;
  control->props().faceId = known.faceId;
  if (known.faceId != 0) control->face().source = ButtonFace::Source::kFaceId;
  if (control->subBar()) Fill(*control->subBar(), known.children, temporary);
  return control;
}

std::vector<std::shared_ptr<Bar>> MakeBuiltInBars() {
  std::vector<std::shared_ptr<Bar>> bars;
  for (const auto& known : kBars) {
    BarProperties props;
    props.name = props.nameLocal = known.name;
    props.position = known.position;
    props.visible = known.visible;
    props.rowIndex = known.rowIndex;
    if (known.position != Office::msoBarFloating) props.left = props.top = 0;
    auto bar = std::make_shared<Bar>(props, known.type, true, false);
    Fill(*bar, known.controls, false);
    bars.push_back(bar);
  }
  return bars;
}

}  // namespace corvane::sim::office
