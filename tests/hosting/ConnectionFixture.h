// The add-in's COM server built inside the test: a TkvxComServer with the
// add-in's type library, its factory making TAddInModule modules and TeaCVFM
// connection objects, served to the COM runtime through
// CoRegisterClassObject under the ProgID CVFM.eaCVFM. The simulated Office
// then loads it from its add-in key exactly as it loads any COM add-in.
//
// Every module the factory makes is watched: a journal records its events
// (with what the host and the registry held at that moment) and its end.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "addin/TAddInModule.h"
#include "addin/library/CVFMTypeLib.h"
#include "addin/library/TeaCVFM.h"
#include "framework/hosting/TkvxComServer.h"
#include "framework/hosting/TkvxFactory.h"
#include "platform/registry/ScratchRegistry.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/ScriptedPresenter.h"
#include "sim/excel/objects/ExcelStart.h"
#include "sim/office/addins/AddInEntry.h"
#include "tests/sim/office/SimDataDirectory.h"

namespace corvane::hosting::testing {

inline constexpr char16_t kProgId[] = u"CVFM.eaCVFM";
inline constexpr char16_t kToolbar[] = u"Corvane AutoFormat XL";
inline constexpr char16_t kAddInKey[] = u"\\Software\\Microsoft\\Office\\Excel\\AddIns\\CVFM.eaCVFM";

// What the watched modules do beyond the add-in's own handlers: set by a
// test before the module is made, cleared by the fixture.
struct ModuleHooks {
  // Runs on the new module before it is handed out (a throw fails the
  // creation).
  std::function<void(addin::TAddInModule&)> created;
  // Runs after the add-in's own initialize handler.
  std::function<void(addin::TAddInModule&)> initialized;
};

class ConnectionTest : public ::testing::Test {
 public:
  // The journal of the watched modules.
  static std::vector<std::string>& Journal();

 protected:
  ConnectionTest();
  ~ConnectionTest() override;

  // The add-in key Office reads, with its LoadBehavior.
  void WriteAddInKey(int32_t loadBehavior = 3);
  // "KVXStartMode" under the add-in key; "<none>" when absent.
  std::u16string StoredStartMode() const;
  void StoreStartMode(std::u16string_view text);
  bool RecordsExist() const;

  // A simulated Excel: started, it loads the add-ins of its keys.
  sim::excel::ExcelRun StartExcel() { return sim::excel::StartExcel(); }
  static bool HasToolbar(const sim::excel::ExcelRun& run);
  static int32_t ToolbarButtons(const sim::excel::ExcelRun& run);
  static std::shared_ptr<sim::office::AddInEntry> Entry(const sim::excel::ExcelRun& run);
  // Withdraws the factory from the COM runtime (which holds a reference).
  void RevokeClass();
  // A connection object made through the factory, as the COM runtime makes it.
  com::ComPtr<IDTExtensibility2> NewConnection();

  registry::ScratchRegistry scratch;
  sim::office::testing::SimDataDirectory data{"hosting"};
  ui::ScriptedPresenter presenter;
  ui::ScopedPresenter presenterScope{presenter};
  framework::TkvxComServer server;
  framework::TkvxFactory& factory;
  ModuleHooks& hooks;
  std::vector<std::string> unscripted;

 private:
  DWORD cookie_ = 0;
};

}  // namespace corvane::hosting::testing
