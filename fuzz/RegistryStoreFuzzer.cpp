// The portable registry's file: damaged text is a RegistryError naming the
// place; text that reads writes back to text that reads to the same keys.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "platform/registry/RegistryError.h"
#include "platform/registry/portable/StoreText.h"

using namespace corvane::registry;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  portable::Key root;
  try {
    root = portable::ParseStore(text, "fuzz.reg");
  } catch (const RegistryError&) {
    return 0;
  }
  const std::string written = portable::FormatStore(root);
  const std::string again = portable::FormatStore(portable::ParseStore(written, "rewritten.reg"));
  corvane::fuzz::Require(again == written, "a store written back reads to the same keys");
  return 0;
}
