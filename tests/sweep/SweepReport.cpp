#include "tests/sweep/SweepReport.h"

#include <iomanip>
#include <iostream>
#include <string>

namespace corvane::sweep {
namespace {

constexpr int kNameWidth = 44;
constexpr int kCountWidth = 9;

void Counts(std::ostream& out, std::initializer_list<std::string> cells) {
  for (const std::string& cell : cells) out << std::setw(kCountWidth) << cell;
}

void Row(std::ostream& out, const SweepTally& row) {
  out << std::left << std::setw(kNameWidth) << row.scenario << std::right;
  Counts(out, {std::to_string(row.calls), std::to_string(row.runs), std::to_string(row.escapes),
               std::to_string(row.crashes), std::to_string(row.leaks), std::to_string(row.duplicates),
               std::to_string(row.boxes), std::to_string(row.registry)});
  out << '\n';
}

}  // namespace

// Known to GoogleTest before it runs, so that its tear-down prints.
[[maybe_unused]] const SweepReport& kRegistered = SweepReport::Instance();

SweepReport& SweepReport::Instance() {
  // GoogleTest owns and deletes what it is given.
  static SweepReport* const report = static_cast<SweepReport*>(::testing::AddGlobalTestEnvironment(new SweepReport()));
  return *report;
}

void SweepReport::Print(std::ostream& out) const {
  SweepTally total;
  total.scenario = "total (" + std::to_string(rows_.size()) + " scenarios)";
  out << std::left << std::setw(kNameWidth) << "scenario" << std::right;
  Counts(out, {"n", "runs", "escapes", "crashes", "leaks", "dupl.", "boxes", "registry"});
  out << '\n';
  for (const SweepTally& row : rows_) {
    Row(out, row);
    total.calls += row.calls;
    total.runs += row.runs;
    total.escapes += row.escapes;
    total.leaks += row.leaks;
    total.duplicates += row.duplicates;
    total.boxes += row.boxes;
    total.registry += row.registry;
  }
  Row(out, total);
  for (const SweepTally& row : rows_) {
    if (!row.firstFault.empty()) out << "first fault: " << row.firstFault << '\n';
  }
}

void SweepReport::TearDown() {
  if (!rows_.empty()) Print(std::cout);
}

}  // namespace corvane::sweep
