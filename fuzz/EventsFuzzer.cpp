// The receivers of host events, fed DISPPARAMS of any shape built from the
// input: the dispatcher of an event component, the click sink of a command
// bar control and Excel's application wrapper. Nothing may crash or leak;
// each answers what it documents.
#include <cstdint>

#include "fuzz/ByteSource.h"
#include "fuzz/EventTargets.h"
#include "platform/com/com.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Set up once and kept to the end, as a host keeps its add-in.
  static corvane::fuzz::EventTargets* const targets = [] {
    CoInitialize(nullptr);
    return new corvane::fuzz::EventTargets();
  }();
  corvane::fuzz::ByteSource input(data, size);
  targets->Call(input);
  return 0;
}
