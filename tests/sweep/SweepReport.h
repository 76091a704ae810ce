// The table of every scenario swept in this program, printed to stdout
// once the tests have run: scenario, host calls, runs and the runs that
// broke each rule. A crash ends the program before the table; the last
// "sweeping" line on stderr names the scenario it happened in.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "tests/sweep/SweepTally.h"

namespace corvane::sweep {

class SweepReport final : public ::testing::Environment {
 public:
  // The one report, handed to GoogleTest at the first use.
  static SweepReport& Instance();

  void Add(const SweepTally& tally) { rows_.push_back(tally); }
  void Print(std::ostream& out) const;
  void TearDown() override;

 private:
  SweepReport() = default;

  std::vector<SweepTally> rows_;
};

}  // namespace corvane::sweep
