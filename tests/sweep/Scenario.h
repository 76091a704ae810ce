// One thing a user (or an installer) does: `prepare` brings the world to
// the moment before it and runs without faults; `act` is the part whose
// host calls are counted and failed. A scenario that stays silent (an
// unregistration) may show no box at all; one that checks the registry
// says what is wrong with it after the run (empty: a state it may end in).
#pragma once

#include <functional>
#include <string>

namespace corvane::sweep {

struct Scenario {
  std::string name;
  std::function<void()> prepare;
  std::function<void()> act;
  bool silent = false;
  std::function<std::string()> registryFault;
};

}  // namespace corvane::sweep
