#include "tests/framework/TestModule.h"

namespace corvane::framework::testing {

const DesignHandlers& TTestModule::Handlers() {
  static const DesignHandlers kHandlers = {
      {"ModuleInitialize", &TTestModule::ModuleInitialize},
      {"ModuleStartupComplete", &TTestModule::ModuleStartupComplete},
      {"ModuleFinalize", &TTestModule::ModuleFinalize},
      {"ModuleCreate", &TTestModule::ModuleCreate},
      {"ModuleError", &TTestModule::ModuleError},
      {"ButtonClick", &TTestModule::ButtonClick},
      {"OtherClick", &TTestModule::OtherClick},
  };
  return kHandlers;
}

}  // namespace corvane::framework::testing
