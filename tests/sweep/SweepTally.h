// What one scenario's sweep counted: its host calls, the runs made, and
// the runs that broke each rule (with the first such run described).
#pragma once

#include <cstdint>
#include <string>

namespace corvane::sweep {

struct SweepTally {
  std::string scenario;
  uint64_t calls = 0;
  uint64_t runs = 0;
  uint64_t escapes = 0;
  uint64_t crashes = 0;
  uint64_t leaks = 0;
  uint64_t duplicates = 0;
  uint64_t boxes = 0;
  uint64_t registry = 0;
  std::string firstFault;

  uint64_t Faults() const { return escapes + crashes + leaks + duplicates + boxes + registry; }
  // Keeps the first description only: the one to start from.
  void Note(const std::string& what) {
    if (firstFault.empty()) firstFault = what;
  }
};

}  // namespace corvane::sweep
