#include "sim/core/Instrumentation.h"

#include "platform/com/Text.h"

namespace corvane::sim {
namespace {

template <class Map>
uint64_t CountOf(const Map& counts, const typename Map::key_type& key) {
  const auto found = counts.find(key);
  return found == counts.end() ? 0 : found->second;
}

}  // namespace

Instrumentation& Instrumentation::Instance() {
  static Instrumentation instance;
  return instance;
}

void Instrumentation::Reset() {
  std::lock_guard lock(mutex_);
  hostCalls_ = 0;
  hostWrites_ = 0;
  injected_ = 0;
  calls_.clear();
  writes_.clear();
  lookups_.clear();
  memberFaults_.clear();
  callFault_.reset();
  afterFault_.reset();
  log_.Clear();
}

uint64_t Instrumentation::HostCalls() const {
  std::lock_guard lock(mutex_);
  return hostCalls_;
}

uint64_t Instrumentation::Calls(std::u16string_view type, std::u16string_view member) const {
  std::lock_guard lock(mutex_);
  return CountOf(calls_, Key(type, member));
}

uint64_t Instrumentation::Calls(std::u16string_view type) const {
  std::lock_guard lock(mutex_);
  uint64_t total = 0;
  for (const auto& [key, count] : calls_) {
    if (key.first == type) total += count;
  }
  return total;
}

uint64_t Instrumentation::HostWrites() const {
  std::lock_guard lock(mutex_);
  return hostWrites_;
}

uint64_t Instrumentation::Writes(std::u16string_view type, std::u16string_view member) const {
  std::lock_guard lock(mutex_);
  return CountOf(writes_, Key(type, member));
}

uint64_t Instrumentation::NameLookups(std::u16string_view type, std::u16string_view name) const {
  std::lock_guard lock(mutex_);
  return CountOf(lookups_, Key(type, name));
}

uint64_t Instrumentation::NameLookups() const {
  std::lock_guard lock(mutex_);
  uint64_t total = 0;
  for (const auto& [key, count] : lookups_) total += count;
  return total;
}

long Instrumentation::LiveObjects(std::u16string_view type) const {
  std::lock_guard lock(mutex_);
  const auto found = objects_.find(type);
  return found == objects_.end() ? 0 : found->second.live;
}

long Instrumentation::OutstandingReferences(std::u16string_view type) const {
  std::lock_guard lock(mutex_);
  const auto found = objects_.find(type);
  return found == objects_.end() ? 0 : found->second.references;
}

long Instrumentation::Sum(long Objects::*field) const {
  std::lock_guard lock(mutex_);
  long total = 0;
  for (const auto& [type, objects] : objects_) total += objects.*field;
  return total;
}

long Instrumentation::LiveObjects() const { return Sum(&Objects::live); }
long Instrumentation::OutstandingReferences() const { return Sum(&Objects::references); }

long Instrumentation::AdvisedSinks() const {
  std::lock_guard lock(mutex_);
  return sinks_;
}

std::string Instrumentation::LiveReport() const {
  std::lock_guard lock(mutex_);
  std::string report;
  for (const auto& [type, objects] : objects_) {
    if (objects.live == 0 && objects.references == 0) continue;
    if (!report.empty()) report += "; ";
    report += com::Utf16ToUtf8(type) + ": " + std::to_string(objects.live) + " live, " +
              std::to_string(objects.references) + " references";
  }
  return report.empty() ? "nothing live" : report;
}

void Instrumentation::FailMember(std::u16string_view type, std::u16string_view member, HRESULT code,
                                 std::u16string description) {
  std::lock_guard lock(mutex_);
  memberFaults_[Key(type, member)] = Fault{code, std::move(description)};
}

void Instrumentation::FailCall(uint64_t number, HRESULT code, std::u16string description) {
  std::lock_guard lock(mutex_);
  callFault_ = NumberedFault{number, Fault{code, std::move(description)}};
}

void Instrumentation::FailCallsAfter(uint64_t number, HRESULT code, std::u16string description) {
  std::lock_guard lock(mutex_);
  afterFault_ = NumberedFault{number, Fault{code, std::move(description)}};
}

void Instrumentation::ClearFaults() {
  std::lock_guard lock(mutex_);
  memberFaults_.clear();
  callFault_.reset();
  afterFault_.reset();
}

uint64_t Instrumentation::InjectedFailures() const {
  std::lock_guard lock(mutex_);
  return injected_;
}

std::optional<Fault> Instrumentation::FaultFor(const Key& key, uint64_t number) const {
  if (callFault_ && callFault_->number == number) return callFault_->fault;
  if (afterFault_ && number > afterFault_->number) return afterFault_->fault;
  if (const auto found = memberFaults_.find(key); found != memberFaults_.end()) return found->second;
  return std::nullopt;
}

std::optional<Fault> Instrumentation::BeginCall(std::u16string_view type, std::u16string_view member, bool write) {
  std::optional<Fault> fault;
  uint64_t number = 0;
  CallObserver observer;
  {
    std::lock_guard lock(mutex_);
    Key key(type, member);
    number = ++hostCalls_;
    fault = FaultFor(key, number);
    if (write) {
      ++hostWrites_;
      ++writes_[key];
    }
    ++calls_[std::move(key)];
    if (fault) ++injected_;
    observer = observer_;
  }
  // Outside the lock: an observer may ask for the counts.
  if (observer) observer(number, type, member, write);
  return fault;
}

void Instrumentation::SetCallObserver(CallObserver observer) {
  std::lock_guard lock(mutex_);
  observer_ = std::move(observer);
}

void Instrumentation::CountNameLookup(std::u16string_view type, std::u16string_view name) {
  std::lock_guard lock(mutex_);
  ++lookups_[Key(type, name)];
}

Instrumentation::Objects& Instrumentation::ObjectsOf(std::u16string_view type) {
  const auto found = objects_.find(type);
  if (found != objects_.end()) return found->second;
  return objects_.emplace(std::u16string(type), Objects{}).first->second;
}

void Instrumentation::ObjectCreated(std::u16string_view type) {
  std::lock_guard lock(mutex_);
  ++ObjectsOf(type).live;
}

void Instrumentation::ObjectDestroyed(std::u16string_view type) {
  std::lock_guard lock(mutex_);
  --ObjectsOf(type).live;
}

void Instrumentation::ReferenceAdded(std::u16string_view type) {
  std::lock_guard lock(mutex_);
  ++ObjectsOf(type).references;
}

void Instrumentation::ReferenceReleased(std::u16string_view type) {
  std::lock_guard lock(mutex_);
  --ObjectsOf(type).references;
}

void Instrumentation::SinkAdvised() {
  std::lock_guard lock(mutex_);
  ++sinks_;
}

void Instrumentation::SinkUnadvised() {
  std::lock_guard lock(mutex_);
  --sinks_;
}

}  // namespace corvane::sim
