// Which host calls a sweep fails: all of 1..n in the full form; in the
// short form about `samples` of them, spread evenly and shifted by the
// scenario's position so that neighbouring scenarios try other calls, the
// last call always among them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "tests/support/Sweeps.h"

namespace corvane::sweep {

inline std::vector<uint64_t> FaultPoints(uint64_t calls, uint64_t samples, uint64_t shift) {
  std::vector<uint64_t> points;
  if (calls == 0) return points;
  const uint64_t stride = testing::SweepStride(std::max<uint64_t>(1, calls / std::max<uint64_t>(1, samples)));
  for (uint64_t k = 1 + shift % stride; k <= calls; k += stride) points.push_back(k);
  if (points.empty() || points.back() != calls) points.push_back(calls);
  return points;
}

}  // namespace corvane::sweep
