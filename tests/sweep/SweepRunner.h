// Runs a scenario once to count its host calls n, then with host call k
// failing alone and with every call from k on failing, for the k the fault
// points pick, and counts the runs that break each rule.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/sweep/Scenario.h"
#include "tests/sweep/SweepTally.h"
#include "tests/sweep/SweepWorld.h"

namespace corvane::sweep {

// The text every injected failure carries.
inline constexpr char16_t kInjected[] = u"injected host failure";

class SweepRunner {
 public:
  // `samples`: about how many calls of each kind the short form fails.
  SweepRunner(SweepWorld& world, uint64_t samples) : world_(world), samples_(samples) {}

  // `shift` spreads the short form's faults over neighbouring scenarios.
  SweepTally Sweep(const Scenario& scenario, uint64_t shift);

 private:
  struct Injection {
    uint64_t call;
    bool onward;  // this call and every later one
  };

  void Trial(const Scenario& scenario, const std::optional<Injection>& fault, SweepTally& tally);
  static void Arm(const std::optional<Injection>& fault);
  static std::string Label(const Scenario& scenario, const std::optional<Injection>& fault);
  static std::string Escape(const Scenario& scenario);
  void CheckShown(const Scenario& scenario, const std::string& label, SweepTally& tally);
  void CheckAfterwards(const Scenario& scenario, const std::string& label, SweepTally& tally);
  bool Allowed(const Scenario& scenario, const std::string& shown) const;

  SweepWorld& world_;
  uint64_t samples_;
  std::vector<std::string> baseline_;
};

}  // namespace corvane::sweep
