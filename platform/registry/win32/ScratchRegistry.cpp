// Scratch registry on Windows: the process's HKEY_CURRENT_USER and
// HKEY_LOCAL_MACHINE (and HKEY_CLASSES_ROOT when asked) are overridden with
// fresh keys below HKEY_CURRENT_USER\Software\Corvane Scratch, deleted at the
// end. Scratch registries nest: the innermost one's overrides are in force,
// and ending it puts the enclosing one's back.
#include "platform/registry/ScratchRegistry.h"

#include <string>
#include <vector>

#include "platform/registry/RegistryError.h"
#include "platform/registry/win32/KeyHandle.h"

namespace corvane::registry {

using win32::KeyHandle;

namespace {

constexpr const wchar_t* kScratchParent = L"Software\\Corvane Scratch";

struct RootName {
  HKEY root;
  const wchar_t* name;
};

// The keys of one scratch registry.
struct ScratchKeys {
  struct Override {
    HKEY root;
    const wchar_t* name;
    KeyHandle key;  // what the root is redirected to now
  };
  KeyHandle parent;
  std::wstring name;
  KeyHandle base;
  std::vector<Override> overrides;

  Override* Find(HKEY root) {
    for (Override& entry : overrides) {
      if (entry.root == root) return &entry;
    }
    return nullptr;
  }
};

// The scratch registries of the process, innermost last.
std::vector<ScratchKeys*>& ActiveStates() {
  static std::vector<ScratchKeys*> states;
  return states;
}

void Check(LSTATUS status, const char* what) {
  if (status != ERROR_SUCCESS) {
    throw RegistryError(status,
                        std::string("Scratch registry: cannot ") + what + " (error " + std::to_string(status) + ")");
  }
}

std::wstring UniqueName() {
  static LONG counter = 0;
  return std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(InterlockedIncrement(&counter)) + L"-" +
         std::to_wstring(GetTickCount());
}

void Redirect(HKEY root, HKEY to) { Check(RegOverridePredefKey(root, to), "override a predefined key"); }

}  // namespace

struct ScratchRegistry::State : ScratchKeys {};

ScratchRegistry::ScratchRegistry(bool isolateClassesRoot) : state_(std::make_unique<State>()) {
  std::vector<RootName> roots = {{HKEY_CURRENT_USER, L"HKEY_CURRENT_USER"},
                                 {HKEY_LOCAL_MACHINE, L"HKEY_LOCAL_MACHINE"}};
  if (isolateClassesRoot) roots.push_back({HKEY_CLASSES_ROOT, L"HKEY_CLASSES_ROOT"});
  state_->name = UniqueName();
  // Another program's scratch registry may delete the shared parent while it
  // is empty, between our opening it and creating our key under it: then
  // open it afresh and try again.
  LSTATUS status = ERROR_KEY_DELETED;
  for (int attempt = 0; attempt < 5 && status == ERROR_KEY_DELETED; ++attempt) {
    Check(RegCreateKeyExW(HKEY_CURRENT_USER, kScratchParent, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          state_->parent.put(), nullptr),
          "create the scratch parent key");
    status = RegCreateKeyExW(state_->parent.get(), state_->name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                             state_->base.put(), nullptr);
  }
  Check(status, "create the scratch key");
  for (const RootName& root : roots) {
    State::Override entry{root.root, root.name, {}};
    Check(RegCreateKeyExW(state_->base.get(), root.name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, entry.key.put(),
                          nullptr),
          "create a scratch root");
    state_->overrides.push_back(std::move(entry));
  }
  for (const State::Override& entry : state_->overrides) Redirect(entry.root, entry.key.get());
  ActiveStates().push_back(state_.get());
}

ScratchRegistry::~ScratchRegistry() {
  auto& active = ActiveStates();
  std::erase(active, state_.get());
  for (const State::Override& entry : state_->overrides) {
    State::Override* outer = active.empty() ? nullptr : active.back()->Find(entry.root);
    RegOverridePredefKey(entry.root, outer ? outer->key.get() : nullptr);
  }
  state_->overrides.clear();
  state_->base.reset();
  RegDeleteTreeW(state_->parent.get(), state_->name.c_str());
  state_->parent.reset();
  RegDeleteKeyW(HKEY_CURRENT_USER, kScratchParent);  // fails while other scratch keys remain
}

void ScratchRegistry::MakeReadOnly(HKEY root) {
  State::Override* entry = state_->Find(root);
  if (!entry) throw RegistryError(ERROR_INVALID_PARAMETER, "the scratch registry does not hold this root");
  KeyHandle readOnly;
  Check(RegOpenKeyExW(state_->base.get(), entry->name, 0, KEY_READ, readOnly.put()), "open a scratch root to read");
  Redirect(root, readOnly.get());
  entry->key = std::move(readOnly);
}

}  // namespace corvane::registry
