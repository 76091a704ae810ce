// A property a fuzz target checks beyond "nothing crashed": when it does not
// hold the program aborts, so that libFuzzer and the short run both stop
// on the input and report it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace corvane::fuzz {

inline void Require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

}  // namespace corvane::fuzz
