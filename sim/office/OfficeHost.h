// The Office half of one simulated Excel run: its command bars (read from
// the data directory at start, written back at Quit) and its COM add-ins.
// The ExcelSession of a started run owns one (sim/office/OfficeStart.h).
#pragma once

#include <memory>
#include <optional>

#include "sim/office/addins/AddInLoader.h"
#include "sim/office/model/BarStore.h"

namespace corvane::sim::office {

class CommandBarSet;

class OfficeHost {
 public:
  // Reads the saved bars; SimDataError when they are damaged (the run does
  // not start rather than lose them).
  explicit OfficeHost(std::optional<BarStore> store = BarStore::FromEnvironment(),
                      AddInObjectFactory makeAddInObject = {});
  ~OfficeHost();
  OfficeHost(const OfficeHost&) = delete;
  OfficeHost& operator=(const OfficeHost&) = delete;

  // Loads the add-ins, passing them the application.
  void Start(IDispatch* application);
  // Shuts the add-ins down, saves the permanent bars and closes them: every
  // command bar wrapper still held fails from then on. Once only.
  void Quit();
  bool running() const { return bars_ != nullptr; }

  // Null after Quit.
  const std::shared_ptr<CommandBarSet>& bars() const { return bars_; }
  AddInLoader& addIns() { return loader_; }

 private:
  std::optional<BarStore> store_;
  std::shared_ptr<CommandBarSet> bars_;
  AddInLoader loader_;
};

}  // namespace corvane::sim::office
