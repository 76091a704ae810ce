// The calls the add-in makes into the simulated host, in order, as the
// host's instrumentation counts them ("Range.Select", a property written as
// "Range.NumberFormat="); kept until taken.
#pragma once

#include <string>
#include <vector>

namespace corvane::workbench {

class CallTrace {
 public:
  // Observes the host from now on; the destructor stops.
  CallTrace();
  ~CallTrace();
  CallTrace(const CallTrace&) = delete;
  CallTrace& operator=(const CallTrace&) = delete;

  // The calls since the last Take, and forgets them.
  std::vector<std::string> Take();
  size_t Pending() const { return calls_.size(); }
  // "Range.Select x3, Range.Address" in order, repeats in a row folded;
  // beyond kListedInOrder calls, each member once with its count.
  static std::string Summary(const std::vector<std::string>& calls);
  static constexpr size_t kListedInOrder = 60;

 private:
  static std::string Totals(const std::vector<std::string>& calls);

  std::vector<std::string> calls_;
};

}  // namespace corvane::workbench
