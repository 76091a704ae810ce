// A module as an add-in would derive one: its own class name, handlers
// registered by name, the design streamed in by the constructor. The
// handlers record what reached them.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/design/DesignHandlers.h"
#include "framework/hosting/TkvxCOMAddInModule.h"

namespace corvane::framework::testing {

class TTestModule : public TkvxCOMAddInModule {
 public:
  TTestModule() = default;
  explicit TTestModule(std::string_view design) { LoadDesign(design, Handlers()); }

  std::string_view ClassName() const override { return "TTestModule"; }

  static const DesignHandlers& Handlers();

  void ModuleInitialize(TObject* Sender) { Record("initialize", Sender); }
  void ModuleStartupComplete(TObject* Sender) { Record("startup complete", Sender); }
  void ModuleFinalize(TObject* Sender) { Record("finalize", Sender); }
  void ModuleCreate(TObject* Sender) { Record("create", Sender); }
  void ModuleError(TObject* Sender, const std::exception& E, bool& Handled) {
    Record(std::string("error ") + E.what(), Sender);
    Handled = true;
  }
  void ButtonClick(TObject* Sender) { Record("click", Sender); }
  void OtherClick(TObject* Sender) { Record("other click", Sender); }

  struct Call {
    std::string what;
    TObject* sender;
  };
  std::vector<Call> calls;

 private:
  void Record(std::string what, TObject* sender) { calls.push_back({std::move(what), sender}); }
};

// A module class whose design names a handler of TTestModule: binding must
// refuse it.
class TOtherModule : public TkvxCOMAddInModule {
 public:
  explicit TOtherModule(std::string_view design) { LoadDesign(design, TTestModule::Handlers()); }
  std::string_view ClassName() const override { return "TOtherModule"; }
};

}  // namespace corvane::framework::testing
