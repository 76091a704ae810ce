// What the test server counts for the whole library. The counts start at
// zero each time the library is loaded, which lets tests see an unload.
#pragma once

#include <atomic>

namespace corvane::testserver {

struct ServerState {
  std::atomic<long> liveObjects{0};
  std::atomic<long> locks{0};
  std::atomic<long> createdSinceLoad{0};
};

ServerState& State();

}  // namespace corvane::testserver
