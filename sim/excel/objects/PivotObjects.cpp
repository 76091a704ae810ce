#include "sim/excel/objects/PivotObjects.h"

namespace corvane::sim::excel {
namespace {

// Starts with the pivot package's own makers. Asked for by name rather than
// installed by a static initializer: in a static library (the Windows build)
// an object file nothing refers to is left out of the program.
PivotObjectMakers& Makers() {
  static PivotObjectMakers makers = pivot::DefaultPivotObjectMakers();
  return makers;
}

}  // namespace

void SetPivotObjectMakers(PivotObjectMakers makers) { Makers() = std::move(makers); }
const PivotObjectMakers& GetPivotObjectMakers() { return Makers(); }

}  // namespace corvane::sim::excel
