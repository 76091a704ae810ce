// Corvane's costs in one table: host calls and time of each selection
// change by the kind of cell, each command's click, unloading and loading
// the add-in and restarting Excel, and the heap after many selection
// changes. Each selection change stands beside the fewest host calls its
// rules allow (ratio 1.00 when it makes no call more). The add-in is loaded
// from the registry through the COM runtime, as the workbench loads it.
//
//   build/native-release/bench/corvane_bench
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/FreshSession.h"
#include "bench/HeapInUse.h"
#include "bench/SelectionMinimum.h"
#include "bench/TableCheckpoint.h"
#include "bench/ToolbarSnapshot.h"
#include "sim/core/Instrumentation.h"
#include "sim/excel/model/Areas.h"
#include "workbench/PivotAreas.h"
#include "workbench/Session.h"
#include "workbench/ToolbarView.h"
#include "workbench/interactive/ActionLog.h"
#include "workbench/interactive/UserActions.h"
#include "workbench/interactive/ViewState.h"

namespace corvane::bench {
namespace {

using sim::excel::CellRef;
using workbench::Session;

// What one run of an action cost the host, summed over the iterations.
struct HostCosts {
  double calls = 0;
  double excelCalls = 0;
  double writes = 0;
  double lookups = 0;

  void AddCounted() {
    const auto& counts = sim::Instrumentation::Instance();
    calls += static_cast<double>(counts.HostCalls());
    excelCalls += static_cast<double>(counts.HostCalls() - counts.Calls(u"CommandBarButton"));
    writes += static_cast<double>(counts.HostWrites());
    lookups += static_cast<double>(counts.NameLookups());
  }
  void Report(benchmark::State& run) const {
    const auto average = [](double total) { return benchmark::Counter(total, benchmark::Counter::kAvgIterations); };
    run.counters["calls"] = average(calls);
    run.counters["excel"] = average(excelCalls);
    run.counters["writes"] = average(writes);
    run.counters["lookups"] = average(lookups);
  }
};

struct Bench {
  explicit Bench(Session& opened) : session(opened) {}

  Session& session;
  workbench::ViewState state;
  workbench::ActionLog log;
  workbench::UserActions actions{session, log, state};

  void SelectCell(CellRef cell) {
    auto& app = session.app();
    app.Select(app.active_sheet(), sim::excel::Areas(sim::excel::CellRect::Cell(cell.row, cell.column)));
  }
  // The counts start from here; what the session keeps for its screen is
  // dropped, so that only the add-in's own memory can grow.
  void StartCounting() {
    session.calls().Take();
    sim::Instrumentation::Instance().Reset();
  }
  uint64_t Controls() const { return static_cast<uint64_t>(session.toolbar()->Count()); }
};

void SelectionChange(benchmark::State& run, Bench& bench, CellRef from, CellRef to) {
  bench.SelectCell(to);
  const CellFacts facts = ProbeActiveCell(bench.session.run().application);
  const uint64_t reads = ExcelReadsNeeded(facts) + ControlReadsNeeded(facts, bench.Controls());
  HostCosts costs;
  double minimum = 0;
  for (auto _ : run) {
    run.PauseTiming();
    bench.SelectCell(from);
    const ToolbarSnapshot before(*bench.session.toolbar());
    bench.StartCounting();
    run.ResumeTiming();
    bench.SelectCell(to);
    run.PauseTiming();
    costs.AddCounted();
    minimum += static_cast<double>(reads + before.ChangesTo(ToolbarSnapshot(*bench.session.toolbar())));
    run.ResumeTiming();
  }
  costs.Report(run);
  run.counters["minimum"] = benchmark::Counter(minimum, benchmark::Counter::kAvgIterations);
  run.counters["ratio"] = minimum > 0 ? costs.calls / minimum : 0;
}

void Click(benchmark::State& run, Bench& bench, CellRef start, int index) {
  const TableCheckpoint tables(*bench.session.app().active_sheet());
  HostCosts costs;
  for (auto _ : run) {
    run.PauseTiming();
    tables.Restore();
    bench.SelectCell(start);
    bench.StartCounting();
    run.ResumeTiming();
    bench.actions.ClickButton(index, false);
    run.PauseTiming();
    costs.AddCounted();
    run.ResumeTiming();
  }
  costs.Report(run);
  run.SetLabel("minimum not modelled yet");
}

// An action on the add-in through the COM Add-ins dialog, timed and
// counted, between untimed steps that set it up and put it back.
using SessionStep = void (*)(Session&);
void Unload(Session& session) { session.Unload(); }
void Load(Session& session) { session.Load(); }
void Nothing(Session&) {}

void AddInAction(benchmark::State& run, Bench& bench, SessionStep before, SessionStep measured, SessionStep after) {
  HostCosts costs;
  for (auto _ : run) {
    run.PauseTiming();
    before(bench.session);
    bench.StartCounting();
    run.ResumeTiming();
    measured(bench.session);
    run.PauseTiming();
    costs.AddCounted();
    after(bench.session);
    run.ResumeTiming();
  }
  costs.Report(run);
  run.SetLabel("minimum not modelled yet");
}

// The heap after `later` selection changes against after `first` of them.
void HeapAfterSelections(benchmark::State& run, Bench& bench, CellRef a, CellRef b, int first, int later) {
  if (!kHeapMeasurable) return run.SkipWithError("the heap is not measurable in a sanitized build");
  double growth = 0;
  const auto changes = [&](int count) {
    for (int i = 0; i < count; ++i) {
      bench.SelectCell(i % 2 ? b : a);
      if (i % 100 == 0) bench.StartCounting();
    }
    bench.StartCounting();
  };
  for (auto _ : run) {
    changes(first);
    const size_t early = HeapInUse();
    changes(later - first);
    growth += static_cast<double>(HeapInUse()) - static_cast<double>(early);
  }
  run.counters["heap_growth_bytes"] = benchmark::Counter(growth, benchmark::Counter::kAvgIterations);
}

// The first two cells of each kind on the active sheet, in reading order.
std::vector<CellRef> CellsMarked(const sim::excel::SheetModel& sheet, char mark) {
  const workbench::PivotAreas areas(sheet);
  std::vector<CellRef> found;
  for (int32_t row = 1; row <= areas.bottom() + 2 && found.size() < 2; ++row) {
    for (int32_t column = 1; column <= areas.right() + 2 && found.size() < 2; ++column) {
      if (areas.MarkAt({row, column}) == mark) found.push_back({row, column});
    }
  }
  if (found.size() < 2) throw std::runtime_error(std::string("the sample sheet lacks two cells marked '") + mark + "'");
  return found;
}

void RegisterSelectionChanges(Bench& bench) {
  const auto& sheet = *bench.session.app().active_sheet();
  struct Kind {
    const char* name;
    char mark;
  } kinds[] = {{"data", 'd'}, {"row", 'r'}, {"column", 'c'}, {"page", 'p'}, {"grand-total", 'g'}, {"plain", ' '}};
  std::vector<std::pair<std::string, std::vector<CellRef>>> cells;
  for (const Kind& kind : kinds) cells.emplace_back(kind.name, CellsMarked(sheet, kind.mark));
  const auto add = [&](size_t from, size_t to) {
    const std::string name = "select/" + cells[from].first + "-to-" + cells[to].first;
    benchmark::RegisterBenchmark(name.c_str(), SelectionChange, std::ref(bench), cells[from].second[0],
                                 cells[to].second[from == to ? 1 : 0])
        ->Unit(benchmark::kMicrosecond);
  };
  for (size_t kind = 0; kind < cells.size(); ++kind) add(kind, kind);
  add(0, 1);  // data to row: the format commands go off
  add(1, 0);
  add(0, 5);  // out of the table
  add(5, 0);
  benchmark::RegisterBenchmark("memory/100-then-10000-selections", HeapAfterSelections, std::ref(bench),
                               cells[0].second[0], cells[0].second[1], 100, 10000)
      ->Iterations(1)
      ->Unit(benchmark::kMillisecond);
}

void RegisterClicks(Bench& bench) {
  const auto dataCell = CellsMarked(*bench.session.app().active_sheet(), 'd').front();
  const auto toolbar = bench.session.toolbar();
  for (int32_t i = 0; i < toolbar->Count(); ++i) {
    const std::string name = "click/" + workbench::ShortLabel(*toolbar->At(i + 1));
    benchmark::RegisterBenchmark(name.c_str(), Click, std::ref(bench), dataCell, static_cast<int>(i))
        ->Unit(benchmark::kMillisecond);
  }
  // The load is a start with the toolbar there: connection to toolbar ready.
  benchmark::RegisterBenchmark("addin/unload", AddInAction, std::ref(bench), Nothing, Unload, Load)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("addin/load", AddInAction, std::ref(bench), Unload, Load, Nothing)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace
}  // namespace corvane::bench

int main(int argc, char** argv) {
  using namespace corvane;
  benchmark::Initialize(&argc, argv);
  bench::FreshSession fresh;
  bench::Bench state(fresh.session());
  bench::RegisterSelectionChanges(state);
  bench::RegisterClicks(state);
  const int status = benchmark::RunSpecifiedBenchmarks() == 0 ? 1 : 0;
  benchmark::Shutdown();
  return status;
}
