// What a person waits for after clicking a toolbar button in the workbench:
// the click through the simulated Office, Corvane's work through COM into
// the simulated Excel, and the whole screen painted again. One session on
// the embedded workbook serves every benchmark; before each click the
// active cell goes back into the table's data area, untimed.
//
//   build/native-release/bench/workbench_bench
#include <benchmark/benchmark.h>

#include <string>

#include "bench/FreshSession.h"
#include "workbench/Session.h"
#include "workbench/interactive/ActionLog.h"
#include "workbench/interactive/Canvas.h"
#include "workbench/interactive/HitMap.h"
#include "workbench/interactive/ScreenPainter.h"
#include "workbench/interactive/SelectionEditor.h"
#include "workbench/interactive/UserActions.h"
#include "workbench/interactive/ViewState.h"

namespace corvane::workbench {
namespace {

// A terminal of the size people use.
constexpr int kRows = 40;
constexpr int kColumns = 120;
// D6 and E7: cells of the first table's data area.
constexpr sim::excel::CellRef kStartCell{6, 4};
constexpr sim::excel::CellRef kOtherCell{7, 5};

// The buttons a click of which shows no box (those wait for a person).
struct Clicked {
  const char* name;
  int index;  // on the toolbar, 0-based
};
constexpr Clicked kButtons[] = {
    {"Table", 0},      {"Pages", 1},   {"Header", 2},      {"Origin", 3},   {"Blanks", 4},     {"Columns", 5},
    {"Rows", 6},       {"Data", 7},    {"ColumnGT", 8},    {"RowGT", 9},    {"Subtotals", 10}, {"NextSubtotal", 11},
    {"GTColumns", 16}, {"GTRows", 17}, {"FitColumns", 18}, {"FitRows", 19}, {"Update", 20},
};

struct Workbench {
  explicit Workbench(Session& opened) : session(opened) {}

  Session& session;
  ViewState state;
  ActionLog log;
  UserActions actions{session, log, state};

  void Redraw() {
    Canvas canvas(kRows, kColumns);
    HitMap hits;
    ScreenPainter::Paint(session, state, log, canvas, hits);
    benchmark::DoNotOptimize(canvas);
  }
};

void ClickRoundTrip(benchmark::State& run, Workbench& bench, int index) {
  size_t calls = 0;
  for (auto _ : run) {
    run.PauseTiming();
    bench.actions.Select(SelectionEditor::Single(kStartCell));
    run.ResumeTiming();
    bench.actions.ClickButton(index, false);
    bench.Redraw();
    calls += bench.log.entries().back().calls.size();
  }
  run.counters["host_calls"] = benchmark::Counter(static_cast<double>(calls), benchmark::Counter::kAvgIterations);
}

void MoveRoundTrip(benchmark::State& run, Workbench& bench) {
  size_t step = 0;
  for (auto _ : run) {
    bench.actions.Select(SelectionEditor::Single(step++ % 2 ? kOtherCell : kStartCell));
    bench.Redraw();
  }
}

}  // namespace
}  // namespace corvane::workbench

int main(int argc, char** argv) {
  using namespace corvane;
  benchmark::Initialize(&argc, argv);
  bench::FreshSession fresh;
  workbench::Workbench bench(fresh.session());
  bench.Redraw();
  for (const auto& button : workbench::kButtons) {
    benchmark::RegisterBenchmark((std::string("click/") + button.name).c_str(), workbench::ClickRoundTrip,
                                 std::ref(bench), button.index)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RegisterBenchmark("move/data-to-data", workbench::MoveRoundTrip, std::ref(bench))
      ->Unit(benchmark::kMillisecond);
  const int status = benchmark::RunSpecifiedBenchmarks() == 0 ? 1 : 0;
  benchmark::Shutdown();
  return status;
}
