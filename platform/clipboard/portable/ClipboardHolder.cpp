#include "platform/clipboard/ClipboardHolder.h"

#include "platform/clipboard/portable/Simulation.h"

namespace corvane::clipboard {

struct ClipboardHolder::State {};

ClipboardHolder::ClipboardHolder() : state_(std::make_unique<State>()) { HoldByAnotherProgram(true); }

ClipboardHolder::~ClipboardHolder() { HoldByAnotherProgram(false); }

}  // namespace corvane::clipboard
