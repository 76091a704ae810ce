#include "tests/sweep/UserScenarios.h"

#include <iterator>
#include <memory>

#include "sim/excel/model/AppModel.h"
#include "sim/excel/model/Areas.h"
#include "tests/hosting/ServerFixture.h"
#include "tests/support/Sweeps.h"

namespace corvane::sweep {
namespace {

using Step = void (*)(SweepFixture&);

struct StepCase {
  const char* name;
  Step prepare;
  Step act;
};

// A table in a workbook, the active cell in its data.
void InTable(SweepFixture& w) {
  w.Start();
  w.OpenTable();
  w.Enter(kCellKinds[0]);
}

const StepCase kSessionCases[] = {
    {"first start", [](SweepFixture& w) { w.Forget(); }, [](SweepFixture& w) { w.Start(); }},
    {"restart",
     [](SweepFixture& w) {
       w.Forget();
       w.Start();
       w.EndRun();
     },
     [](SweepFixture& w) { w.Start(); }},
    {"user unload", InTable, [](SweepFixture& w) { w.UnloadByUser(); }},
    {"user load",
     [](SweepFixture& w) {
       InTable(w);
       w.UnloadByUser();
     },
     [](SweepFixture& w) { w.LoadByUser(); }},
    {"host shutdown", InTable, [](SweepFixture& w) { w.Quit(); }},
};

sim::excel::Areas AreasAt(const char* address) {
  return sim::excel::Areas(*sim::excel::ParseAddress(com::Utf8ToUtf16(address)));
}

// The four the add-in handles first, then others the framework delivers.
const StepCase kEventCases[] = {
    {"SheetActivate",
     [](SweepFixture& w) {
       InTable(w);
       w.Model().ActivateSheet(w.Model().AddSheet(w.Book(), u"Sheet9"));
     },
     [](SweepFixture& w) { w.Model().ActivateSheet(w.TableSheet()); }},
    {"WindowActivate",
     [](SweepFixture& w) {
       InTable(w);
       w.Model().NewWorkbook();
     },
     [](SweepFixture& w) { w.Model().ActivateWorkbook(w.Book()); }},
    {"SheetSelectionChange", InTable, [](SweepFixture& w) { w.Model().Select(w.TableSheet(), AreasAt("A5")); }},
    {"WorkbookBeforeClose", InTable, [](SweepFixture& w) { w.Model().CloseWorkbook(w.Book()); }},
    {"NewWorkbook", InTable, [](SweepFixture& w) { w.Model().NewWorkbook(); }},
    {"WorkbookOpen", InTable, [](SweepFixture& w) { w.Model().OpenWorkbook(u"Other.xls", {u"Sheet1"}); }},
    {"SheetChange", InTable,
     [](SweepFixture& w) { w.Model().ChangeCells(w.TableSheet(), AreasAt("F10"), sim::excel::CellValue(2.5)); }},
    {"SheetCalculate", InTable, [](SweepFixture& w) { w.Model().Calculate(w.TableSheet()); }},
    {"SheetBeforeDoubleClick", InTable,
     [](SweepFixture& w) {
       w.Model().DoubleClick(w.TableSheet(), {6, 3});
     }},
    {"SheetBeforeRightClick", InTable,
     [](SweepFixture& w) {
       w.Model().RightClick(w.TableSheet(), {6, 3});
     }},
    {"WorkbookBeforeSave", InTable, [](SweepFixture& w) { w.Model().SaveWorkbook(w.Book()); }},
    {"WorkbookBeforePrint", InTable, [](SweepFixture& w) { w.Model().PrintWorkbook(w.Book()); }},
    {"WindowResize", InTable, [](SweepFixture& w) { w.Model().ResizeWindow(w.Model().active_window()); }},
    {"SheetFollowHyperlink", InTable, [](SweepFixture& w) { w.Model().FollowHyperlink(w.TableSheet()); }},
    {"WorkbookAddinInstall", InTable, [](SweepFixture& w) { w.Model().InstallAddIn(w.Book()); }},
};

std::vector<Scenario> FromCases(SweepFixture& world, const StepCase* first, const StepCase* last) {
  std::vector<Scenario> scenarios;
  for (const StepCase* c = first; c != last; ++c) {
    scenarios.push_back({c->name, [&world, c] { c->prepare(world); }, [&world, c] { c->act(world); }, false, {}});
  }
  return scenarios;
}

const char* const kButtonNames[] = {
    "clear format",     "data area",  "origin area",   "rows area",           "blanks area",      "header area",
    "columns area",     "pages area", "number format", "column grand total",  "row grand total",  "increase decimal",
    "decrease decimal", "currency",   "subtotals",     "column grand switch", "row grand switch", "best column fit",
    "next subtotal",    "about",      "whole table",   "best row fit",        "update",
};

constexpr size_t kKinds = std::size(kCellKinds);

// The short form's one place for a button and Ctrl state: every place
// comes up for some buttons, with and without Ctrl.
bool Sampled(size_t tag, bool ctrl, size_t kind) {
  return testing::FullSweeps() || kind == (tag + (ctrl ? 3 : 0)) % kKinds;
}

Scenario ClickScenario(SweepFixture& world, int tag, bool ctrl, const CellKind& kind) {
  const std::string name = std::string(ctrl ? "Ctrl-click " : "click ") + kButtonNames[tag] + " in " + kind.name;
  return {name,
          [&world, &kind] {
            world.Start();
            world.OpenTable();
            world.Enter(kind);
          },
          [&world, tag, ctrl] { world.Click(tag, ctrl); },
          false,
          {}};
}

// The installer's result, kept for the registry's check.
struct Outcome {
  HRESULT result = S_OK;
};

std::string UnregisteredFault(HRESULT result) {
  using namespace framework::testing;
  if (result == S_OK) {
    if (KeyExists(HKEY_CURRENT_USER, kAddinKey)) return "unregistered, yet the add-in key stays";
    if (KeyExists(HKEY_CLASSES_ROOT, kClassKey)) return "unregistered, yet the class stays";
    return {};
  }
  if (result != E_FAIL) return "unregistration returned " + std::to_string(result);
  if (StringAt(HKEY_CURRENT_USER, kAddinKey, u"KVXStartMode") != u"UNINSTALL") return "failed without UNINSTALL";
  if (IntegerAt(HKEY_CURRENT_USER, kAddinKey, u"LoadBehavior") != 0) return "failed with the add-in still on";
  if (!KeyExists(HKEY_CLASSES_ROOT, kClassKey)) return "failed without its class entries";
  return {};
}

std::string RegisteredFault(HRESULT result) {
  using namespace framework::testing;
  if (result != S_OK) return "registration returned " + std::to_string(result);
  if (IntegerAt(HKEY_CURRENT_USER, kAddinKey, u"LoadBehavior") != 3) return "registered without LoadBehavior 3";
  if (!KeyExists(HKEY_CLASSES_ROOT, kClassKey)) return "registered without its class entries";
  return {};
}

Scenario Unregistration(SweepFixture& world, const char* name, Step excel) {
  const auto outcome = std::make_shared<Outcome>();
  return {name,
          [&world, excel] {
            world.Register();
            excel(world);
          },
          [&world, outcome] { outcome->result = world.Unregister(); }, true,
          [outcome] { return UnregisteredFault(outcome->result); }};
}

}  // namespace

std::vector<Scenario> SessionScenarios(SweepFixture& world) {
  return FromCases(world, std::begin(kSessionCases), std::end(kSessionCases));
}

std::vector<Scenario> EventScenarios(SweepFixture& world) {
  return FromCases(world, std::begin(kEventCases), std::end(kEventCases));
}

std::vector<Scenario> ClickScenarios(SweepFixture& world) {
  std::vector<Scenario> scenarios;
  for (size_t tag = 0; tag < std::size(kButtonNames); ++tag) {
    for (const bool ctrl : {false, true}) {
      for (size_t kind = 0; kind < kKinds; ++kind) {
        if (Sampled(tag, ctrl, kind)) {
          scenarios.push_back(ClickScenario(world, static_cast<int>(tag), ctrl, kCellKinds[kind]));
        }
      }
    }
  }
  return scenarios;
}

std::vector<Scenario> InstallerScenarios(SweepFixture& world) {
  const auto registered = std::make_shared<Outcome>();
  Scenario registration{"registration", [&world] { world.EndRun(); },
                        [&world, registered] { registered->result = world.Register(); }, true,
                        [registered] { return RegisteredFault(registered->result); }};
  return {registration,
          Unregistration(world, "unregistration, Excel running", [](SweepFixture& w) { w.StartRunning(); }),
          Unregistration(world, "unregistration, Excel not running", [](SweepFixture& w) {
            w.Start();
            w.EndRun();
          })};
}

}  // namespace corvane::sweep
