#include "framework/design/DesignClasses.h"

#include <algorithm>
#include <vector>

namespace corvane::framework {
namespace {

std::vector<DesignClass>& Catalogue() {
  static std::vector<DesignClass> classes;
  return classes;
}

}  // namespace

const DesignClass* FindDesignClass(std::string_view name) {
  for (const auto& designClass : Catalogue()) {
    if (designClass.name == name) return &designClass;
  }
  return nullptr;
}

void RegisterDesignClass(DesignClass designClass) {
  auto& classes = Catalogue();
  auto existing = std::find_if(classes.begin(), classes.end(),
                               [&](const DesignClass& entry) { return entry.name == designClass.name; });
  if (existing != classes.end()) {
    *existing = std::move(designClass);
  } else {
    classes.push_back(std::move(designClass));
  }
}

}  // namespace corvane::framework
