// One event to fire: its DISPID, a name for the event log, and its
// arguments in the order the event declares them (the source reverses them
// into DISPPARAMS). By-reference booleans point at storage owned here, so
// what the sinks leave there is read back after the firing:
//
//   EventCall call(0x622, "WorkbookBeforeClose");
//   call.Add(workbook).AddBoolRef(false);
//   application->events()->Fire(call);
//   if (call.BoolAt(1)) return;  // a sink cancelled
#pragma once

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "platform/com/Variant.h"
#include "platform/com/com.h"

namespace corvane::sim {

class EventCall {
 public:
  EventCall(DISPID id, std::string name) : id_(id), name_(std::move(name)) {}
  EventCall(const EventCall&) = delete;
  EventCall& operator=(const EventCall&) = delete;

  EventCall& Add(com::Variant value);
  EventCall& AddBoolRef(bool initial);

  DISPID id() const { return id_; }
  const std::string& name() const { return name_; }
  const std::vector<com::Variant>& args() const { return args_; }
  // The value of the argument at position (natural order), through its
  // reference when it is one.
  bool BoolAt(size_t position) const;

 private:
  DISPID id_;
  std::string name_;
  std::vector<com::Variant> args_;
  std::deque<VARIANT_BOOL> flags_;  // stable addresses for the references
};

}  // namespace corvane::sim
