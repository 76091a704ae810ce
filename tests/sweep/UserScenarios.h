// The scenarios of a user's session, as tables: the starts, every button
// clicked from every kind of place with and without Ctrl (the short form
// takes one place per button and Ctrl state, a different one for each),
// Excel's application events, unloading and loading the add-in, and
// Excel's shutdown; and the installer's registration and unregistration.
#pragma once

#include <vector>

#include "tests/sweep/Scenario.h"
#include "tests/sweep/SweepFixture.h"

namespace corvane::sweep {

std::vector<Scenario> SessionScenarios(SweepFixture& world);
std::vector<Scenario> ClickScenarios(SweepFixture& world);
std::vector<Scenario> EventScenarios(SweepFixture& world);
std::vector<Scenario> InstallerScenarios(SweepFixture& world);

}  // namespace corvane::sweep
