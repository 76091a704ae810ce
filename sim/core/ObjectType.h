// The static description of one sim COM class: its type name (for the
// instrumentation), the source text of its errors, the interface ids it
// answers with its IDispatch, and its member table.
//
//   Get(id, name, &T::Handler)               property get
//   Put(id, name, &T::Handler)               property put (write-only)
//   Property(id, name, &T::Get, &T::Put)     both, one DISPID
//   Method(id, name, &T::Handler)            method
// Get and method handlers are `com::Variant Handler(Args&)`, puts are
// `void Handler(Args&)` (the value is args.value()). As the host does, gets
// and methods both answer DISPATCH_METHOD, DISPATCH_PROPERTYGET and the two
// together; puts answer DISPATCH_PROPERTYPUT and DISPATCH_PROPERTYPUTREF.
//
// A member takes no positional arguments unless its entry says how many,
// optional ones included: Get(0xAA, u"Item", &T::GetItem).Takes(2). A get
// called with more hands the surplus to the default member of what it
// returns; a method or put given more is refused before it runs (see
// InvokeMember).
#pragma once

#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "platform/com/Variant.h"
#include "platform/com/com.h"
#include "sim/core/Args.h"
#include "sim/core/MemberIndex.h"

namespace corvane::sim {

enum class MemberKind { kProperty, kMethod };

template <class T>
struct Member {
  using Getter = com::Variant (T::*)(Args&);
  using Putter = void (T::*)(Args&);

  DISPID id;
  std::u16string_view name;
  MemberKind kind;
  Getter get;  // the get or the method; null for a write-only property
  Putter put;  // null for a read-only property and for methods
  // Positional arguments it takes, optional ones included.
  UINT takes = 0;

  Member Takes(UINT count) const {
    Member taking = *this;
    taking.takes = count;
    return taking;
  }
};

template <class T>
Member<T> Get(DISPID id, std::u16string_view name, com::Variant (T::*get)(Args&)) {
  return {id, name, MemberKind::kProperty, get, nullptr};
}
template <class T>
Member<T> Put(DISPID id, std::u16string_view name, void (T::*put)(Args&)) {
  return {id, name, MemberKind::kProperty, nullptr, put};
}
// The class comes from the put, so get and put may share one overloaded name.
template <class T>
Member<T> Property(DISPID id, std::u16string_view name, std::type_identity_t<com::Variant (T::*)(Args&)> get,
                   void (T::*put)(Args&)) {
  return {id, name, MemberKind::kProperty, get, put};
}
template <class T>
Member<T> Method(DISPID id, std::u16string_view name, com::Variant (T::*call)(Args&)) {
  return {id, name, MemberKind::kMethod, call, nullptr};
}

// The source text of Excel's errors; Office's objects pass their own.
inline constexpr char16_t kExcelSource[] = u"Microsoft Excel";

template <class T>
class ObjectType {
 public:
  ObjectType(std::u16string name, std::vector<IID> interfaces, std::vector<Member<T>> members,
             std::u16string source = kExcelSource)
      : name_(std::move(name)),
        source_(std::move(source)),
        interfaces_(std::move(interfaces)),
        members_(std::move(members)),
        index_(Entries(members_)) {}

  const std::u16string& name() const { return name_; }
  const std::u16string& source() const { return source_; }
  const std::vector<IID>& interfaces() const { return interfaces_; }

  const Member<T>* ById(DISPID id) const { return At(index_.ById(id)); }
  const Member<T>* ByName(std::u16string_view name) const { return At(index_.ByName(name)); }

 private:
  static std::vector<MemberIndex::Entry> Entries(const std::vector<Member<T>>& members) {
    std::vector<MemberIndex::Entry> entries;
    for (const auto& member : members) entries.push_back({member.id, member.name});
    return entries;
  }
  const Member<T>* At(std::optional<size_t> index) const { return index ? &members_[*index] : nullptr; }

  std::u16string name_;
  std::u16string source_;
  std::vector<IID> interfaces_;
  std::vector<Member<T>> members_;
  MemberIndex index_;
};

}  // namespace corvane::sim
