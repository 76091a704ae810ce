// FindControl's first four arguments (Type, Id, Tag, Visible), each
// optional, as both CommandBars and CommandBar take them.
#pragma once

#include "sim/core/Args.h"
#include "sim/office/model/ControlQuery.h"

namespace corvane::sim::office {

ControlQuery QueryFrom(const Args& args);

}  // namespace corvane::sim::office
