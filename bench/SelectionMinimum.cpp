#include "bench/SelectionMinimum.h"

#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "published/Excel.h"

namespace corvane::bench {
namespace {

constexpr uint64_t kGroupTestReads = 4;
constexpr uint64_t kSwitches = 2;

bool Answers(com::Dispatch& object, DISPID member) {
  try {
    object.Get(member);
    return true;
  } catch (const com::ComError&) {
    return false;
  }
}

}  // namespace

CellFacts ProbeActiveCell(const com::ComPtr<IDispatch>& application) {
  com::Dispatch cell(com::Dispatch(application).Get(Excel::Application::ActiveCell).ToDispatch());
  CellFacts facts;
  facts.inTable = Answers(cell, Excel::Range::PivotTable);
  facts.onField = facts.inTable && Answers(cell, Excel::Range::PivotField);
  return facts;
}

uint64_t ExcelReadsNeeded(const CellFacts& cell) {
  uint64_t reads = kGroupTestReads + 3;  // Worksheet, ActiveCell, PivotTable
  if (cell.inTable) reads += 3;          // ColumnGrand, RowGrand, PivotField
  if (cell.onField) reads += 1;          // its NumberFormat
  return reads;
}

uint64_t ControlReadsNeeded(const CellFacts& cell, uint64_t controls) {
  return controls + (cell.inTable ? kSwitches : 0);
}

}  // namespace corvane::bench
