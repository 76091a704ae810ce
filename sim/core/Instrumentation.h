// What the simulated host counts and what it is told to get wrong, for the
// whole process (the sim is one host per process). Tests call Reset() first.
//
// Counted:
//   host calls    every Invoke that reaches a member, numbered from 1 since
//                 Reset(); Calls(type, member) per member, HostCalls() total
//   writes        the property puts among them: Writes(type, member),
//                 HostWrites() total (a method call is not a write)
//   name lookups  GetIDsOfNames per (type, name), apart from the calls
//   objects       live wrappers and the references clients hold on them, per
//                 type and in total (facts about the heap: Reset keeps them)
//   sinks         connections advised and not yet unadvised
// Faults (the host call fails with DISP_E_EXCEPTION, the given scode and
// text, before its handler runs):
//   FailMember(u"Range", u"Select", code, text)   every call of that member
//   FailCall(k, code, text)                        only host call number k
//   FailCallsAfter(k, code, text)                  every call numbered > k
// A fault sweep runs a scenario once to learn HostCalls(), then once per k
// with FailCall(k).
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/com/com.h"
#include "sim/core/EventLog.h"

namespace corvane::sim {

struct Fault {
  HRESULT code;
  std::u16string description;
};

class Instrumentation {
 public:
  static Instrumentation& Instance();

  // Clears the call and lookup counts, the call numbering, the faults and the
  // event log.
  void Reset();

  uint64_t HostCalls() const;
  uint64_t Calls(std::u16string_view type, std::u16string_view member) const;
  uint64_t Calls(std::u16string_view type) const;
  uint64_t HostWrites() const;
  uint64_t Writes(std::u16string_view type, std::u16string_view member) const;
  uint64_t NameLookups(std::u16string_view type, std::u16string_view name) const;
  uint64_t NameLookups() const;

  long LiveObjects(std::u16string_view type) const;
  long LiveObjects() const;
  long OutstandingReferences(std::u16string_view type) const;
  long OutstandingReferences() const;
  long AdvisedSinks() const;
  // "Range: 2 live, 3 references; ..." for every type with live objects, to
  // tell in a failing test who is still held.
  std::string LiveReport() const;

  void FailMember(std::u16string_view type, std::u16string_view member, HRESULT code, std::u16string description);
  void FailCall(uint64_t number, HRESULT code, std::u16string description);
  void FailCallsAfter(uint64_t number, HRESULT code, std::u16string description);
  void ClearFaults();
  uint64_t InjectedFailures() const;

  EventLog& log() { return log_; }

  // Told of every host call as it is counted, with its number, type, member
  // and whether it writes a property (the workbench shows the calls an
  // add-in makes); empty to stop. Reset keeps it.
  using CallObserver =
      std::function<void(uint64_t number, std::u16string_view type, std::u16string_view member, bool write)>;
  void SetCallObserver(CallObserver observer);

  // Hooks of the dispatch base and the connection points.
  std::optional<Fault> BeginCall(std::u16string_view type, std::u16string_view member, bool write);
  void CountNameLookup(std::u16string_view type, std::u16string_view name);
  void ObjectCreated(std::u16string_view type);
  void ObjectDestroyed(std::u16string_view type);
  void ReferenceAdded(std::u16string_view type);
  void ReferenceReleased(std::u16string_view type);
  void SinkAdvised();
  void SinkUnadvised();

 private:
  using Key = std::pair<std::u16string, std::u16string>;
  struct Objects {
    long live = 0;
    long references = 0;
  };
  struct NumberedFault {
    uint64_t number;
    Fault fault;
  };

  Instrumentation() = default;
  std::optional<Fault> FaultFor(const Key& key, uint64_t number) const;
  Objects& ObjectsOf(std::u16string_view type);
  long Sum(long Objects::*field) const;

  mutable std::mutex mutex_;
  uint64_t hostCalls_ = 0;
  uint64_t hostWrites_ = 0;
  uint64_t injected_ = 0;
  std::map<Key, uint64_t> calls_;
  std::map<Key, uint64_t> writes_;
  std::map<Key, uint64_t> lookups_;
  std::map<std::u16string, Objects, std::less<>> objects_;
  long sinks_ = 0;
  std::map<Key, Fault> memberFaults_;
  std::optional<NumberedFault> callFault_;
  std::optional<NumberedFault> afterFault_;
  EventLog log_;
  CallObserver observer_;
};

}  // namespace corvane::sim
