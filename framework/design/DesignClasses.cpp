#include "framework/design/DesignClasses.h"

#include <vector>

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/events/ExcelAppEventsPropertyTable.h"
#include "framework/events/TkvxExcelAppEvents.h"

namespace corvane::framework {
namespace {

std::vector<DesignClass>& Catalogue() {
  static std::vector<DesignClass> classes = {
      {"TkvxCommandBar", [](TkvxCOMAddInModule& module) -> TComponent* { return new TkvxCommandBar(&module); },
       CommandBarPropertyTable},
      {"TkvxExcelAppEvents", [](TkvxCOMAddInModule& module) -> TComponent* { return new TkvxExcelAppEvents(&module); },
       ExcelAppEventsPropertyTable},
  };
  return classes;
}

}  // namespace

const DesignClass* FindDesignClass(std::string_view name) {
  for (const auto& designClass : Catalogue()) {
    if (designClass.name == name) return &designClass;
  }
  return nullptr;
}

void RegisterDesignClass(DesignClass designClass) { Catalogue().push_back(std::move(designClass)); }

}  // namespace corvane::framework
