// What keeps the server library loaded: class factories handed out and
// LockServer calls. Excel objects it started keep it loaded as well (they
// are counted by the sim's instrumentation).
#pragma once

#include <atomic>

namespace corvane::sim::server {

struct ServerState {
  std::atomic<long> factories{0};
  std::atomic<long> locks{0};
};

ServerState& State();

}  // namespace corvane::sim::server
