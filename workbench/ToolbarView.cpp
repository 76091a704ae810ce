#include "workbench/ToolbarView.h"

#include <charconv>
#include <map>
#include <optional>

#include "platform/com/Text.h"
#include "published/Office.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/Control.h"
#include "workbench/TextLine.h"

namespace corvane::workbench {
namespace {

constexpr size_t kLineWidth = 100;

std::optional<int32_t> Number(const std::string& text) {
  int32_t value = 0;
  const auto [rest, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || rest != text.data() + text.size()) return std::nullopt;
  return value;
}

// Short names of Corvane's buttons by the captions the add-in gives them.
const std::map<std::u16string, const char*>& Labels() {
  static const std::map<std::u16string, const char*> labels{
      {u"Select all cells of the selected pivot table", "Table"},
      {u"Select page fields area of the selected pivot table", "Pages"},
      {u"Select header of the selected pivot table", "Header"},
      {u"Select origin of the selected pivot table", "Origin"},
      {u"Select blank area of the selected pivot table", "Blanks"},
      {u"Select column fields area of the selected pivot table", "Columns"},
      {u"Select row fields area of the selected pivot table", "Rows"},
      {u"Select data fields area of the selected pivot table", "Data"},
      {u"Select column grand totals area of the selected pivot table", "Column GT"},
      {u"Select row grand totals area of the selected pivot table", "Row GT"},
      {u"Select subtotals area of the selected pivot field", "Subtotals"},
      {u"Select the next subtotal of the selected pivot field", "Next subtotal"},
      {u"Set number format to the selected pivot field", "Number format"},
      {u"Increase decimal of the selected pivot field", "Decimal+"},
      {u"Decrease decimal of the selected pivot field", "Decimal-"},
      {u"Set currency style to the selected pivot field", "Currency"},
      {u"Add/remove column grand totals", "GT columns"},
      {u"Add/remove row grand totals", "GT rows"},
      {u"Changes the width of the columns of the pivot table to achieve the best fit", "Fit columns"},
      {u"Changes the height of the rows of the pivot table to achieve the best fit", "Fit rows"},
      {u"Examine format of the selected pivot table", "Update"},
      {u"Clear format of the selected pivot table", "Clear format"},
      {u"About Corvane", "About"}};
  return labels;
}

std::string Place(int32_t position) {
  switch (position) {
    case Office::msoBarLeft:
      return "docked left";
    case Office::msoBarTop:
      return "docked top";
    case Office::msoBarRight:
      return "docked right";
    case Office::msoBarBottom:
      return "docked bottom";
    default:
      return "floating";
  }
}

// "[1 Table]" enabled, "(2 Data)" disabled, "[#17 GT columns]" pressed.
std::string Button(const ToolbarButton& button) {
  const std::string label = std::to_string(button.position) + " " + button.label;
  if (button.state == "disabled") return "(" + label + ")";
  if (button.state == "pressed") return "[#" + label + "]";
  return "[" + label + "]";
}

}  // namespace

std::string ShortLabel(const sim::office::Control& control) {
  const auto known = Labels().find(control.props().caption);
  if (known != Labels().end()) return known->second;
  std::string text(Trimmed(com::Utf16ToUtf8(control.props().caption)));
  while (!text.empty() && (text.back() == '*' || text.back() == ' ')) text.pop_back();
  return text;
}

std::string ButtonState(const sim::office::Control& control) {
  if (!control.props().enabled) return "disabled";
  if (control.props().state == Office::msoButtonDown) return "pressed";
  return "enabled";
}

std::vector<ToolbarButton> ToolbarButtons(const sim::office::Bar& bar) {
  std::vector<ToolbarButton> buttons;
  for (const auto& control : bar.Controls()) {
    buttons.push_back({control, control->index(), ShortLabel(*control), ButtonState(*control),
                       control->props().beginGroup, com::Utf16ToUtf8(control->props().caption)});
  }
  return buttons;
}

std::string RenderToolbar(const std::shared_ptr<sim::office::Bar>& bar) {
  if (!bar) return "Toolbar \"Corvane AutoFormat XL\": not present\n";
  std::string text = "Toolbar \"" + com::Utf16ToUtf8(bar->props().name) + "\" (" +
                     (bar->props().visible ? "visible" : "hidden") + ", " + Place(bar->props().position) +
                     ")   [n label] enabled  (n label) disabled  [#n label] pressed  | group\n";
  std::string line;
  for (const auto& each : ToolbarButtons(*bar)) {
    const std::string button = Button(each);
    const bool group = each.beginGroup && !line.empty();
    if (group || line.size() + button.size() + 1 > kLineWidth) {
      text += " " + line + "\n";
      line.clear();
    }
    line += (line.empty() && each.beginGroup ? "| " : line.empty() ? "  " : " ") + button;
  }
  if (!line.empty()) text += " " + line + "\n";
  return text;
}

std::shared_ptr<sim::office::Control> FindButton(const sim::office::Bar& bar, const std::string& name) {
  const auto controls = bar.Controls();
  if (const auto position = Number(name)) {
    if (*position >= 1 && *position <= static_cast<int32_t>(controls.size())) return controls[*position - 1];
    return nullptr;
  }
  if (name.rfind("tag:", 0) == 0) {
    for (const auto& control : controls) {
      if (com::Utf16ToUtf8(control->props().tag) == name.substr(4)) return control;
    }
    return nullptr;
  }
  for (const auto& control : controls) {
    if (EqualNoCase(com::Utf16ToUtf8(control->props().caption), name)) return control;
  }
  for (const auto& control : controls) {
    if (EqualNoCase(ShortLabel(*control), name)) return control;
  }
  return nullptr;
}

}  // namespace corvane::workbench
