// The data field functions over mixed source values, and the names the
// selection texts use for the subtotal switches.
#include "sim/excel/pivot/Aggregate.h"

#include <gtest/gtest.h>

namespace corvane::sim::excel::pivot {
namespace {

TEST(Aggregate, EveryFunctionOverNumbersTextAndBlanks) {
  std::vector<Value> source{100.0, 120.0, 40.0, std::u16string(u"n/a"), Value()};
  std::vector<const Value*> values;
  for (const Value& v : source) values.push_back(&v);
  const std::pair<Function, double> cases[] = {
      {Function::Sum, 260},         {Function::Count, 4},          {Function::Average, 260.0 / 3},
      {Function::Max, 120},         {Function::Min, 40},           {Function::Product, 480000},
      {Function::CountNums, 3},     {Function::StDev, 41.633320},  {Function::StDevP, 33.993463},
      {Function::Var, 1733.333333}, {Function::VarP, 1155.555556},
  };
  for (const auto& [function, want] : cases) {
    Value got = Aggregate(function, values);
    ASSERT_TRUE(std::holds_alternative<double>(got)) << static_cast<int>(function);
    EXPECT_NEAR(std::get<double>(got), want, 1e-5) << static_cast<int>(function);
  }
}

TEST(Aggregate, TooFewNumbersDivideByZero) {
  Value one = 5.0;
  Value text = std::u16string(u"x");
  std::vector<const Value*> single{&one};
  std::vector<const Value*> none{&text};
  const Value div0 = std::u16string(kDivideByZero);
  EXPECT_EQ(Aggregate(Function::StDev, single), div0);
  EXPECT_EQ(Aggregate(Function::Var, single), div0);
  EXPECT_EQ(Aggregate(Function::StDevP, single), Value(0.0));
  EXPECT_EQ(Aggregate(Function::Average, none), div0);
  EXPECT_EQ(Aggregate(Function::VarP, none), div0);
  EXPECT_EQ(Aggregate(Function::Sum, none), Value(0.0));
  EXPECT_EQ(Aggregate(Function::Count, none), Value(1.0));
}

TEST(Aggregate, SwitchNamesAsSelectionTextsWriteThem) {
  const std::pair<std::u16string, std::optional<size_t>> cases[] = {
      {u"Total", 0}, {u"sum", 1},    {u"Count", 2},          {u"'Count Nums'", 7}, {u"Count Nums", 7},
      {u"VARP", 11}, {u"StDevP", 9}, {u"All", std::nullopt}, {u"", std::nullopt},
  };
  for (const auto& [name, want] : cases) EXPECT_EQ(SwitchNamed(name), want);
  EXPECT_EQ(SwitchFunction(1), Function::Sum);
  EXPECT_EQ(SwitchFunction(11), Function::VarP);
  EXPECT_EQ(CaptionPrefix(Function::StDev), u"StdDev of");
}

}  // namespace
}  // namespace corvane::sim::excel::pivot
