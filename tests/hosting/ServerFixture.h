// What the hosting tests share: a scratch registry, a simulated Excel that
// is installed (and started only when a test says so), scripted message
// boxes, and the add-in's server built in this program with the add-in's
// own classes, its module's properties adjustable per test.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "addin/library/CVFMClasses.h"
#include "addin/library/CVFMTypeLib.h"
#include "addin/library/TeaCVFM.h"
#include "framework/hosting/TkvxCOMAddInModule.h"
#include "framework/hosting/TkvxComServer.h"
#include "framework/hosting/TkvxFactory.h"
#include "platform/com/Dispatch.h"
#include "platform/registry/Registry.h"
#include "platform/registry/ScratchRegistry.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/ScriptedPresenter.h"
#include "sim/core/ApplicationFactory.h"
#include "sim/core/ExcelInstallation.h"
#include "sim/core/Instrumentation.h"
#include "sim/excel/objects/ExcelStart.h"
#include "tests/sim/office/SimDataDirectory.h"

namespace corvane::framework::testing {

inline constexpr char16_t kProgId[] = u"CVFM.eaCVFM";
inline constexpr char16_t kAddinKey[] = u"\\Software\\Microsoft\\Office\\Excel\\AddIns\\CVFM.eaCVFM";
inline constexpr char16_t kClassKey[] = u"\\CLSID\\{0D97D3D1-31A9-43F0-AE86-840E4F5C4009}";
inline constexpr char16_t kBarName[] = u"Corvane AutoFormat XL";

// Applied to every module the factory makes, as the module's design would.
struct ModuleSettings {
  bool registerForAllUsers = false;
  bool displayAlerts = false;
  bool xlAutomation = false;
  std::function<void(TkvxCOMAddInModule&)> configure;
};
inline ModuleSettings& Settings() {
  static ModuleSettings settings;
  return settings;
}

inline std::unique_ptr<TkvxCOMAddInModule> ConfiguredModule() {
  auto module = addin::CreateAddInModule();
  module->SetRegisterForAllUsers(Settings().registerForAllUsers);
  module->SetDisplayAlerts(Settings().displayAlerts);
  module->SetXLAutomationAddIn(Settings().xlAutomation);
  if (Settings().configure) Settings().configure(*module);
  return module;
}

// A registry value as text, or nothing when the key or value is missing.
inline std::optional<std::u16string> StringAt(HKEY root, std::u16string_view key, std::u16string_view name) {
  registry::Registry r(root);
  if (!r.OpenKeyReadOnly(key) || !r.ValueExists(name)) return std::nullopt;
  return r.ReadString(name);
}
inline std::optional<int32_t> IntegerAt(HKEY root, std::u16string_view key, std::u16string_view name) {
  registry::Registry r(root);
  if (!r.OpenKeyReadOnly(key) || !r.ValueExists(name)) return std::nullopt;
  return r.ReadInteger(name);
}
inline bool KeyExists(HKEY root, std::u16string_view key) { return registry::Registry(root).KeyExists(key); }

// An Excel of this program that is running (in the running object table)
// until the object goes, when it is told to quit unless it has.
class RunningExcel {
 public:
  RunningExcel() : application(sim::excel::StartRunningExcel()) {}
  ~RunningExcel() {
    try {
      com::Dispatch(application).Call(0x12E);
    } catch (const std::exception&) {
      // It quit already.
    }
  }
  RunningExcel(const RunningExcel&) = delete;
  RunningExcel& operator=(const RunningExcel&) = delete;
  com::ComPtr<IDispatch> application;
};

class ServerTest : public ::testing::Test {
 protected:
  ServerTest() {
    Settings() = {};
    sim::Instrumentation::Instance().Reset();
    presenter.SetFailureReporter([](const std::string& text) { ADD_FAILURE() << text; });
    MakeServer();
  }
  ~ServerTest() override {
    Settings() = {};
    factory = nullptr;
    server.reset();
    RemoveClassesLeftBehind();
  }

  void MakeServer() {
    static const int inThisProgram = 0;
    server = std::make_unique<TkvxComServer>(&inThisProgram, addin::CVFMTypeLib());
    factory = &TkvxFactory::Create(*server, &addin::CreateTeaCVFM, addin::kEaCVFMClassId, &ConfiguredModule);
  }

  // Excel's ProgID no longer resolves.
  void UninstallExcel() { installed.reset(); }
  void InstallExcel(int version) {
    installed.reset();
    installed = std::make_unique<sim::ExcelInstallation>(sim::ExcelInstallation::ServerPath(), version);
  }

  // The add-in's toolbar and records put into Excel by the add-in's own
  // module, as a connection would (the start mode set so that the first
  // start's About box stays shut).
  void BuildToolbarIn(const com::ComPtr<IDispatch>& application) {
    {
      registry::Registry user(HKEY_CURRENT_USER);
      ASSERT_TRUE(user.OpenKey(kAddinKey, true));
      if (!user.ValueExists(u"KVXStartMode")) user.WriteString(u"KVXStartMode", u"NORMAL");
    }
    auto module = ConfiguredModule();
    module->SetFactory(factory);
    module->SetHostApp(application);
    module->StartupSequence();
    module->Finalize(false);
  }

  static com::ComPtr<IDispatch> CreateExcel() {
    com::ComPtr<IDispatch> app;
    EXPECT_EQ(
        CoCreateInstance(sim::kExcelApplicationClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, app.put_void()),
        S_OK);
    return app;
  }
  static bool ExcelRunning() {
    com::ComPtr<IUnknown> active;
    return GetActiveObject(sim::kExcelApplicationClsid, nullptr, active.put()) == S_OK;
  }
  static com::ComPtr<IDispatch> FindBar(const com::ComPtr<IDispatch>& application, std::u16string_view name);
  static com::ComPtr<IDispatch> FindControl(const com::ComPtr<IDispatch>& application, std::u16string_view tag);

  // Natively the scratch registry holds the classes too; under Wine they
  // live in the prefix's own registry and are removed here.
  static void RemoveClassesLeftBehind() {
    registry::Registry classes(HKEY_CLASSES_ROOT);
    for (const char16_t* key : {kClassKey, u"\\CVFM.eaCVFM", u"\\TypeLib\\{B4A1B742-28F6-413B-A826-6D8AA323AF38}",
                                u"\\Interface\\{F375BC7C-399A-4618-A155-703809A21955}"}) {
      if (classes.KeyExists(key)) classes.DeleteKey(key);
    }
  }

  registry::ScratchRegistry scratch;
  sim::office::testing::SimDataDirectory data{"hosting"};
  std::unique_ptr<sim::ExcelInstallation> installed = std::make_unique<sim::ExcelInstallation>();
  ui::ScriptedPresenter presenter;
  ui::ScopedPresenter presenterScope{presenter};
  std::unique_ptr<TkvxComServer> server;
  TkvxFactory* factory = nullptr;
};

}  // namespace corvane::framework::testing
