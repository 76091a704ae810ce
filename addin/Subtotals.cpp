#include "addin/Subtotals.h"

#include "addin/AreaSelection.h"
#include "addin/Messages.h"
#include "platform/com/ComError.h"

namespace corvane::addin {
namespace {

// By the index of Excel's switch array, 1 to 12.
const char16_t* const kSubtotalNames[excel::kSubtotalCount] = {u"Total", u"Sum",    u"Count",   u"Average",
                                                               u"Max",   u"Min",    u"Product", u"'Count Nums'",
                                                               u"StDev", u"StDevP", u"Var",     u"VarP"};

constexpr char16_t kAllSubtotalsSuffix[] =
    u"[All;Sum;Average;Count;'Count Nums';Min;Max;Product;StDev;StDevP;Var;VarP;Total]";

excel::ExcelPivotField ActiveField(const ClickContext& c) { return ActiveCell(c.app).PivotField(); }

// Takes the text before the first ";" off the list; with no ";" left the
// list stays and the result is empty.
std::u16string TakeFirst(std::u16string& list) {
  const size_t end = list.find(u';');
  if (end == std::u16string::npos) return {};
  std::u16string first = list.substr(0, end);
  list.erase(0, end + 1);
  return first;
}

void SelectFunction(const ClickContext& c, std::u16string_view function) {
  if (function.empty()) return;
  c.table.PivotSelect(SubtotalSelectionText(ActiveField(c).Name(), function), excel::PivotSelectionMode::DataAndLabel);
}

// Puts screen updating back on however the command ends.
class ScreenUpdatingOff {
 public:
  explicit ScreenUpdatingOff(const framework::TExcelApplication& app) : app_(app) {}
  ~ScreenUpdatingOff() {
    try {
      app_.SetScreenUpdating(true);
    } catch (...) {
      // Nothing more can be done for a host that refuses it.
    }
  }
  ScreenUpdatingOff(const ScreenUpdatingOff&) = delete;
  ScreenUpdatingOff& operator=(const ScreenUpdatingOff&) = delete;

  void SwitchOff() const { app_.SetScreenUpdating(false); }

 private:
  const framework::TExcelApplication& app_;
};

}  // namespace

std::u16string ActiveSubtotalList(const excel::ExcelPivotField& field) {
  try {
    const excel::SubtotalSwitches switches = field.Subtotals();
    std::u16string list;
    for (size_t i = 0; i < excel::kSubtotalCount; ++i) {
      if (!switches[i]) continue;
      if (!list.empty()) list += u';';
      list += kSubtotalNames[i];
    }
    return list;
  } catch (const com::ComError&) {
    return {};
  }
}

std::u16string SubtotalSelectionText(std::u16string_view fieldName, std::u16string_view function) {
  return std::u16string(fieldName) + u"[All;" + std::u16string(function) + u"]";
}

std::u16string AllSubtotalsSelectionText(std::u16string_view fieldName) {
  return std::u16string(fieldName) + kAllSubtotalsSuffix;
}

void SelectSubtotals(const ClickContext& context) {
  try {
    const excel::ExcelPivotField field = ActiveField(context);
    field.SubtotalName();  // a probe: a field without subtotals fails here
    context.table.PivotSelect(AllSubtotalsSelectionText(field.Name()), excel::PivotSelectionMode::DataAndLabel);
    ApplyCtrlRule(context);
  } catch (const com::ComError&) {
    ShowPlainMessage(kNoSubtotalMessage);
  }
}

void SelectNextSubtotal(const ClickContext& context) {
  ScreenUpdatingOff screen(context.app);
  if (ActiveSubtotalList(ActiveField(context)).empty()) {
    ShowPlainMessage(kNoSubtotalMessage);
    return;
  }
  screen.SwitchOff();
  const std::u16string priorAddress = context.prior.Address();
  std::u16string rest = ActiveSubtotalList(ActiveField(context)) + u";";
  std::u16string function;
  do {
    function = TakeFirst(rest);
    SelectFunction(context, function);
  } while (CurrentSelection(context.app).Address() != priorAddress && !function.empty());
  if (rest.empty()) rest = ActiveSubtotalList(ActiveField(context)) + u";";
  SelectFunction(context, TakeFirst(rest));
}

}  // namespace corvane::addin
