// The design text of an add-in module, read into the framework's test
// module (whose design may hold any component class): a damaged design is
// a DesignError naming the line and place, and frees what it had created.
// A design that reads writes back to text that reads to the same design.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "framework/design/DesignError.h"
#include "framework/hosting/ModuleDesign.h"
#include "fuzz/FuzzCheck.h"
#include "platform/com/com.h"
#include "tests/framework/TestModule.h"

namespace {

using corvane::framework::testing::TTestModule;

std::optional<std::string> Written(std::string_view design) {
  try {
    TTestModule module(design);
    return corvane::framework::WriteDesign(module);
  } catch (const corvane::framework::DesignError&) {
    return std::nullopt;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const HRESULT started = CoInitialize(nullptr);
  (void)started;
  const std::optional<std::string> written = Written(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!written) return 0;
  TTestModule again(*written);
  corvane::fuzz::Require(corvane::framework::WriteDesign(again) == *written,
                         "a design written back reads to the same design");
  return 0;
}
