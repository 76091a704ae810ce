// What a person waits for after clicking a toolbar button in the workbench:
// the click through the simulated Office, Corvane's work through COM into
// the simulated Excel, and the whole screen painted again. One session on
// the embedded workbook serves every benchmark; before each click the
// active cell goes back into the table's data area, untimed.
//
//   build/native-release/bench/workbench_bench
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "workbench/Program.h"
#include "workbench/SampleWorkbook.h"
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

std::filesystem::path FreshFolder() {
  std::random_device device;
  return std::filesystem::temp_directory_path() / ("corvane-bench-" + std::to_string(device()));
}

}  // namespace
}  // namespace corvane::workbench

int main(int argc, char** argv) {
  using namespace corvane::workbench;
  benchmark::Initialize(&argc, argv);
  const auto folder = FreshFolder();
  int status = 0;
  {
    Session session({folder / "data", DefaultLibrary(), SampleWorkbooks()});
    session.Start();
    Workbench bench(session);
    bench.Redraw();
    for (const auto& button : kButtons) {
      benchmark::RegisterBenchmark((std::string("click/") + button.name).c_str(), ClickRoundTrip, std::ref(bench),
                                   button.index)
          ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("move/data-to-data", MoveRoundTrip, std::ref(bench))->Unit(benchmark::kMillisecond);
    if (benchmark::RunSpecifiedBenchmarks() == 0) status = 1;
    benchmark::Shutdown();
    session.Quit();
  }
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return status;
}
