// What a sweep asks of the world its scenarios run in, between runs and
// after each: a world ends what a run left going, and tells what it finds
// wrong in what stays behind.
#pragma once

#include <string>
#include <vector>

namespace corvane::sweep {

class SweepWorld {
 public:
  virtual ~SweepWorld() = default;

  // Every box and dialog shown since the last call.
  virtual std::vector<std::string> TakeShown() = 0;
  // Ends what the run left going: Excel quits and is let go.
  virtual void EndRun() = 0;
  // What is still held on the host's objects once Excel is gone; empty
  // when nothing.
  virtual std::string HeldReferences() const = 0;
  // What is wrong with the toolbar a fresh start builds after the run
  // (a button missing or twice); empty when each is there once.
  virtual std::string ToolbarFault() = 0;
};

}  // namespace corvane::sweep
