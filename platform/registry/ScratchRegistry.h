// Gives a test a fresh, isolated registry for its lifetime and restores the
// previous one afterwards. Natively the whole store moves to a new temporary
// folder (all three roots), removed at the end. On Windows HKEY_CURRENT_USER
// and HKEY_LOCAL_MACHINE (HKEY_CLASSES_ROOT only when asked: the system's
// COM runtime reads classes past the override) are redirected to new keys
// of the real registry, deleted at the end.
#pragma once

#include <memory>

#include "platform/com/com.h"

namespace corvane::registry {

class ScratchRegistry {
 public:
  explicit ScratchRegistry(bool isolateClassesRoot = false);
  ~ScratchRegistry();
  ScratchRegistry(const ScratchRegistry&) = delete;
  ScratchRegistry& operator=(const ScratchRegistry&) = delete;

  // From now on writes to the root fail (values, new keys, deletions) and
  // reads work, as for a user without the right to write it.
  // RegistryError for a root this scratch registry does not isolate.
  void MakeReadOnly(HKEY root);

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace corvane::registry
