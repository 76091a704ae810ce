#include "tests/sweep/SweepRunner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <exception>

#include "platform/com/Text.h"
#include "sim/core/Instrumentation.h"
#include "tests/sweep/FaultPoints.h"

namespace corvane::sweep {

using sim::Instrumentation;

// What the add-in's error box says before the exception's text.
constexpr char kErrorBox[] = " error: the add-in has fired an exception.";

SweepTally SweepRunner::Sweep(const Scenario& scenario, uint64_t shift) {
  SweepTally tally;
  tally.scenario = scenario.name;
  Trial(scenario, std::nullopt, tally);
  for (const uint64_t k : FaultPoints(tally.calls, samples_, shift)) {
    Trial(scenario, Injection{k, false}, tally);
    Trial(scenario, Injection{k, true}, tally);
  }
  return tally;
}

void SweepRunner::Trial(const Scenario& scenario, const std::optional<Injection>& fault, SweepTally& tally) {
  const std::string label = Label(scenario, fault);
  scenario.prepare();
  world_.TakeShown();  // what preparing showed belongs to no run
  Arm(fault);
  ++tally.runs;
  const std::string escaped = Escape(scenario);
  Instrumentation::Instance().ClearFaults();
  if (!fault) tally.calls = Instrumentation::Instance().HostCalls();
  if (!escaped.empty()) {
    ++tally.escapes;
    tally.Note(label + ": escaped " + escaped);
  }
  CheckShown(scenario, label, tally);
  CheckAfterwards(scenario, label, tally);
  // A scenario that cannot run without faults proves nothing with them.
  if (!fault && !escaped.empty()) ADD_FAILURE() << label << " escaped without a fault: " << escaped;
}

void SweepRunner::Arm(const std::optional<Injection>& fault) {
  Instrumentation& instrumentation = Instrumentation::Instance();
  instrumentation.Reset();
  if (!fault) return;
  if (fault->onward) {
    instrumentation.FailCallsAfter(fault->call - 1, E_FAIL, kInjected);
  } else {
    instrumentation.FailCall(fault->call, E_FAIL, kInjected);
  }
}

std::string SweepRunner::Label(const Scenario& scenario, const std::optional<Injection>& fault) {
  if (!fault) return scenario.name;
  return scenario.name + (fault->onward ? " failing calls from " : " failing call ") + std::to_string(fault->call);
}

// An exception that reaches the test got past every boundary the host
// would have called through.
std::string SweepRunner::Escape(const Scenario& scenario) {
  try {
    scenario.act();
    return {};
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
    return "an exception of unknown type";
  }
}

void SweepRunner::CheckShown(const Scenario& scenario, const std::string& label, SweepTally& tally) {
  const std::vector<std::string> shown = world_.TakeShown();
  // The run without a fault says what the scenario shows; a silent one
  // shows nothing even then.
  if (tally.runs == 1) {
    baseline_.clear();
    if (!scenario.silent) {
      baseline_ = shown;
      return;
    }
  }
  for (const std::string& line : shown) {
    if (Allowed(scenario, line)) continue;
    // The error box of anything but the host's failure: an exception of
    // the add-in's own reached the boundary that reports it.
    const bool escaped = !scenario.silent && line.find(kErrorBox) != std::string::npos;
    ++(escaped ? tally.escapes : tally.boxes);
    tally.Note(label + ": shows \"" + line + "\"");
    return;
  }
}

// Besides what the run shows without a fault, only the add-in's error box
// naming the host's failure.
bool SweepRunner::Allowed(const Scenario& scenario, const std::string& shown) const {
  if (std::find(baseline_.begin(), baseline_.end(), shown) != baseline_.end()) return true;
  return !scenario.silent && shown.find(kErrorBox) != std::string::npos &&
         shown.find(com::Utf16ToUtf8(kInjected)) != std::string::npos;
}

void SweepRunner::CheckAfterwards(const Scenario& scenario, const std::string& label, SweepTally& tally) {
  const std::string registry = scenario.registryFault ? scenario.registryFault() : std::string();
  world_.EndRun();
  const auto count = [&](uint64_t SweepTally::*field, const std::string& fault) {
    if (fault.empty()) return;
    ++(tally.*field);
    tally.Note(label + ": " + fault);
  };
  count(&SweepTally::registry, registry);
  count(&SweepTally::leaks, world_.HeldReferences());
  count(&SweepTally::duplicates, world_.ToolbarFault());
}

}  // namespace corvane::sweep
