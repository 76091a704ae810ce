// The data field functions: their names as Excel shows them and what they
// compute over a field's source values.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/excel/pivot/PivotDefinition.h"

namespace corvane::sim::excel::pivot {

inline constexpr char16_t kDivideByZero[] = u"#DIV/0!";

// "Sum", "Count Nums", ... as subtotal labels and selection texts use them.
const std::u16string& FunctionName(Function function);
// "Sum of", "StdDev of", ... the default caption's prefix.
const std::u16string& CaptionPrefix(Function function);
// The function a subtotal switch (1..11) stands for.
Function SwitchFunction(size_t switch_index);
// The switch named in a selection text: "Total" is the automatic one (0);
// letter case and enclosing apostrophes are ignored.
std::optional<size_t> SwitchNamed(std::u16string_view name);

// Text counts only for Count; an empty set of numbers gives 0 for the sums
// and extremes and #DIV/0! where Excel divides by the count.
Value Aggregate(Function function, const std::vector<const Value*>& values);

}  // namespace corvane::sim::excel::pivot
