// Fault sweeps: the suite runs their short form; CORVANE_FULL_SWEEPS=1 runs
// every step of them (long, for a run by hand or a nightly job).
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace corvane::testing {

inline bool FullSweeps() {
  const char* value = std::getenv("CORVANE_FULL_SWEEPS");
  return value && std::string_view(value) == "1";
}

// The step between the faults a short sweep tries: every one when full.
inline uint64_t SweepStride(uint64_t shortStride) { return FullSweeps() ? 1 : shortStride; }

}  // namespace corvane::testing
