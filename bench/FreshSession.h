// A workbench session on the embedded workbook, started in a data folder of
// its own, so that no run of a benchmark finds another's registry; Excel
// quits and the folder goes at the end.
#pragma once

#include <filesystem>
#include <memory>

#include "workbench/Session.h"

namespace corvane::bench {

class FreshSession {
 public:
  FreshSession();
  ~FreshSession();
  FreshSession(const FreshSession&) = delete;
  FreshSession& operator=(const FreshSession&) = delete;

  workbench::Session& session() { return *session_; }

 private:
  std::filesystem::path folder_;
  std::unique_ptr<workbench::Session> session_;
};

}  // namespace corvane::bench
