// Runs an action on every way out of a scope, an exception included: the
// one guard for "undo this however we leave".
//
//   auto unbind = com::ScopeExit([&] { AttachHostControl(nullptr); });
#pragma once

#include <utility>

namespace corvane::com {

template <class F>
class [[nodiscard]] ScopeExit {
 public:
  explicit ScopeExit(F action) : action_(std::move(action)) {}
  ~ScopeExit() { action_(); }
  ScopeExit(const ScopeExit&) = delete;
  ScopeExit& operator=(const ScopeExit&) = delete;

 private:
  F action_;
};

// Sets a flag for the length of a scope.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace corvane::com
