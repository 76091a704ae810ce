// One fault sweep over everything a user does with the add-in, and over
// its installation: each scenario runs once to count its host calls, then
// with one call failing and with every call from one on failing. No
// exception may reach the test, nor any but the host's failure the error
// box that reports what reaches the add-in's boundaries (either counts as
// an escape), nothing may stay held once Excel quits,
// the next start must have each button once, only the add-in's own error
// box may be added to what the scenario shows, and an installer's run
// must leave the registry in a state it allows. The counts go into the
// table printed at the end; CORVANE_FULL_SWEEPS=1 fails every call of
// every scenario, and clicks every button from every place.
#include <gtest/gtest.h>

#include <iostream>

#include "tests/sweep/SweepReport.h"
#include "tests/sweep/SweepRunner.h"
#include "tests/sweep/UserScenarios.h"

namespace corvane::sweep {
namespace {

class FaultSweepTest : public SweepFixture {
 protected:
  void SweepAll(const std::vector<Scenario>& scenarios, uint64_t samples) {
    SweepRunner runner(*this, samples);
    uint64_t shift = 0;
    for (const Scenario& scenario : scenarios) {
      // The last of these names the scenario of a crash.
      std::cerr << "sweeping " << scenario.name << std::endl;
      const SweepTally tally = runner.Sweep(scenario, shift++);
      SweepReport::Instance().Add(tally);
      EXPECT_GT(tally.runs, 0u);
      EXPECT_EQ(tally.Faults(), 0u) << tally.scenario << ": " << tally.firstFault;
    }
  }
};

TEST_F(FaultSweepTest, StartsUnloadLoadAndShutdown) { SweepAll(SessionScenarios(*this), 3); }

TEST_F(FaultSweepTest, EveryButtonFromEveryKindOfPlace) { SweepAll(ClickScenarios(*this), 1); }

TEST_F(FaultSweepTest, ApplicationEvents) { SweepAll(EventScenarios(*this), 2); }

TEST_F(FaultSweepTest, RegistrationAndUnregistration) { SweepAll(InstallerScenarios(*this), 4); }

}  // namespace
}  // namespace corvane::sweep
