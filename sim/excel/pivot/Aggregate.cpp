#include "sim/excel/pivot/Aggregate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numeric>

#include "platform/com/Text.h"

namespace corvane::sim::excel::pivot {
namespace {

struct Numbers {
  std::vector<double> items;
  size_t non_empty = 0;
};

Numbers Collect(const std::vector<const Value*>& values) {
  Numbers out;
  for (const Value* v : values) {
    if (std::holds_alternative<std::monostate>(*v)) continue;
    ++out.non_empty;
    if (auto* d = std::get_if<double>(v)) out.items.push_back(*d);
  }
  return out;
}

double Sum(const std::vector<double>& x) { return std::accumulate(x.begin(), x.end(), 0.0); }

// Sum of squared deviations divided by (n - sample): Var and VarP.
Value Variance(const std::vector<double>& x, size_t sample) {
  if (x.size() <= sample) return std::u16string(kDivideByZero);
  double mean = Sum(x) / x.size();
  double squares = 0;
  for (double v : x) squares += (v - mean) * (v - mean);
  return squares / static_cast<double>(x.size() - sample);
}

Value Root(Value variance) {
  if (auto* d = std::get_if<double>(&variance)) return std::sqrt(*d);
  return variance;
}

struct FunctionInfo {
  Function function;
  std::u16string name;
  std::u16string caption_prefix;
  std::function<Value(const Numbers&)> compute;
};

const std::array<FunctionInfo, 11>& Table() {
  static const std::array<FunctionInfo, 11> table{{
      {Function::Sum, u"Sum", u"Sum of", [](const Numbers& n) -> Value { return Sum(n.items); }},
      {Function::Count, u"Count", u"Count of",
       [](const Numbers& n) -> Value { return static_cast<double>(n.non_empty); }},
      {Function::Average, u"Average", u"Average of",
       [](const Numbers& n) -> Value {
         if (n.items.empty()) return std::u16string(kDivideByZero);
         return Sum(n.items) / n.items.size();
       }},
      {Function::Max, u"Max", u"Max of",
       [](const Numbers& n) -> Value {
         return n.items.empty() ? 0.0 : *std::max_element(n.items.begin(), n.items.end());
       }},
      {Function::Min, u"Min", u"Min of",
       [](const Numbers& n) -> Value {
         return n.items.empty() ? 0.0 : *std::min_element(n.items.begin(), n.items.end());
       }},
      {Function::Product, u"Product", u"Product of",
       [](const Numbers& n) -> Value {
         if (n.items.empty()) return 0.0;
         return std::accumulate(n.items.begin(), n.items.end(), 1.0, std::multiplies<double>());
       }},
      {Function::CountNums, u"Count Nums", u"Count Nums of",
       [](const Numbers& n) -> Value { return static_cast<double>(n.items.size()); }},
      {Function::StDev, u"StDev", u"StdDev of", [](const Numbers& n) { return Root(Variance(n.items, 1)); }},
      {Function::StDevP, u"StDevP", u"StdDevp of", [](const Numbers& n) { return Root(Variance(n.items, 0)); }},
      {Function::Var, u"Var", u"Var of", [](const Numbers& n) { return Variance(n.items, 1); }},
      {Function::VarP, u"VarP", u"Varp of", [](const Numbers& n) { return Variance(n.items, 0); }},
  }};
  return table;
}

const FunctionInfo& Info(Function function) { return Table()[static_cast<size_t>(function)]; }

}  // namespace

const std::u16string& FunctionName(Function function) { return Info(function).name; }
const std::u16string& CaptionPrefix(Function function) { return Info(function).caption_prefix; }

Function SwitchFunction(size_t switch_index) { return Table().at(switch_index - 1).function; }

std::optional<size_t> SwitchNamed(std::u16string_view name) {
  if (name.size() >= 2 && name.front() == u'\'' && name.back() == u'\'') name = name.substr(1, name.size() - 2);
  if (com::AsciiEqualNoCase(name, u"Total")) return 0;
  for (size_t i = 0; i < Table().size(); ++i) {
    if (com::AsciiEqualNoCase(name, Table()[i].name)) return i + 1;
  }
  return std::nullopt;
}

Value Aggregate(Function function, const std::vector<const Value*>& values) {
  return Info(function).compute(Collect(values));
}

}  // namespace corvane::sim::excel::pivot
