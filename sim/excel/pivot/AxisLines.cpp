#include "sim/excel/pivot/AxisLines.h"

#include <algorithm>
#include <cstdio>

#include "platform/com/Text.h"
#include "sim/excel/pivot/Aggregate.h"

namespace corvane::sim::excel::pivot {
namespace {

class AxisBuilder {
 public:
  explicit AxisBuilder(const AxisInput& input) : in_(input) {}

  std::vector<AxisLine> Build() {
    if (in_.levels.empty()) {
      lines_.push_back({LineKind::Total, {}, 0, 0, 0, -1, u"Total"});
      return lines_;
    }
    AxisLine prefix;
    Walk(0, *in_.records, prefix, 0);
    if (in_.grand && HasSourceField()) AddGrand();
    return lines_;
  }

 private:
  bool HasSourceField() const {
    return std::any_of(in_.levels.begin(), in_.levels.end(), [](const AxisLevel& l) { return l.source >= 0; });
  }
  bool DataInnerTo(size_t level) const {
    return Inner(level, [](int source) { return source < 0; });
  }
  // Only a field with a source field inside it has groups worth a subtotal.
  bool SourceInnerTo(size_t level) const {
    return Inner(level, [](int source) { return source >= 0; });
  }
  template <class Test>
  bool Inner(size_t level, Test test) const {
    for (size_t i = level + 1; i < in_.levels.size(); ++i) {
      if (test(in_.levels[i].source)) return true;
    }
    return false;
  }
  // The data fields a total line is repeated for: each one when the Data
  // field lies on this axis below it, else the one the crossing line carries.
  std::vector<int> DataSplit(bool below) const {
    if (!below) return {-1};
    std::vector<int> all(in_.captions.size());
    for (size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
    return all;
  }

  void Walk(size_t level, const std::vector<size_t>& records, AxisLine& prefix, size_t shown_from) {
    if (level == in_.levels.size()) {
      AxisLine line = prefix;
      line.kind = LineKind::Item;
      line.shown_from = shown_from;
      lines_.push_back(std::move(line));
      return;
    }
    const AxisLevel& field = in_.levels[level];
    if (field.source < 0) {
      for (size_t d = 0; d < in_.captions.size(); ++d) {
        prefix.items.push_back(in_.captions[d]);
        prefix.data = static_cast<int>(d);
        Walk(level + 1, records, prefix, d == 0 ? shown_from : level);
        prefix.items.pop_back();
        prefix.data = -1;
      }
      return;
    }
    bool first = true;
    for (const Value& item : DistinctItems(field.source, records)) {
      std::vector<size_t> subset = Matching(field.source, item, records);
      prefix.items.push_back(item);
      Walk(level + 1, subset, prefix, first ? shown_from : level);
      if (SourceInnerTo(level)) AddSubtotals(level, prefix);
      prefix.items.pop_back();
      first = false;
    }
  }

  std::vector<Value> DistinctItems(int source, const std::vector<size_t>& records) const {
    std::vector<Value> items;
    for (size_t r : records) {
      const Value& v = in_.source->records[r][source];
      if (std::find(items.begin(), items.end(), v) == items.end()) items.push_back(v);
    }
    std::sort(items.begin(), items.end(), ItemLess);
    return items;
  }

  std::vector<size_t> Matching(int source, const Value& item, const std::vector<size_t>& records) const {
    std::vector<size_t> out;
    for (size_t r : records) {
      if (in_.source->records[r][source] == item) out.push_back(r);
    }
    return out;
  }

  void AddSubtotals(size_t level, const AxisLine& prefix) {
    const SubtotalSwitches& on = in_.switches[level];
    bool below = DataInnerTo(level);
    for (size_t s = 0; s < kSubtotalSwitches; ++s) {
      if (!on[s]) continue;
      for (int d : DataSplit(below)) {
        AxisLine line = prefix;
        line.kind = LineKind::Subtotal;
        line.level = level;
        line.switch_index = s;
        if (d >= 0) line.data = d;
        line.label =
            ItemText(prefix.items[level]) + u" " + (s == 0 ? std::u16string() : FunctionName(SwitchFunction(s)));
        if (d >= 0) line.label += (s == 0 ? u"" : u" ") + in_.captions[d];
        if (s == 0 && d < 0) line.label += u"Total";
        lines_.push_back(std::move(line));
      }
    }
  }

  void AddGrand() {
    bool data_here = DataInnerTo(static_cast<size_t>(-1)) && in_.captions.size() > 1;
    for (int d : DataSplit(data_here)) {
      AxisLine line{LineKind::Grand, {}, 0, 0, 0, d, u"Grand Total"};
      if (d >= 0) line.label = u"Total " + in_.captions[d];
      lines_.push_back(std::move(line));
    }
  }

  const AxisInput& in_;
  std::vector<AxisLine> lines_;
};

}  // namespace

std::vector<AxisLine> BuildAxis(const AxisInput& input) { return AxisBuilder(input).Build(); }

bool ItemLess(const Value& a, const Value& b) {
  if (a.index() != b.index()) return a.index() < b.index();
  if (auto* x = std::get_if<double>(&a)) return *x < std::get<double>(b);
  if (auto* x = std::get_if<std::u16string>(&a))
    return com::AsciiUpper(*x) < com::AsciiUpper(std::get<std::u16string>(b));
  return false;
}

std::u16string ItemText(const Value& value) {
  if (auto* s = std::get_if<std::u16string>(&value)) return *s;
  if (auto* d = std::get_if<double>(&value)) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", *d);
    return com::Utf8ToUtf16(text);
  }
  return u"(blank)";
}

}  // namespace corvane::sim::excel::pivot
