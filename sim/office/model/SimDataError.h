// A saved state of the simulated host that cannot be read: a damaged file
// is reported with its place and never silently replaced.
#pragma once

#include <stdexcept>
#include <string>

namespace corvane::sim::office {

class SimDataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace corvane::sim::office
