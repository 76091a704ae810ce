// Calls into an automation object through IDispatch: by DISPID (the host's
// own ids, where known) or by name, resolved once per object type and
// cached. Arguments are given in their natural order; a failing call throws
// ComError with the HRESULT and, when the object raised an exception, its
// code, source and description. Calls pass the user's locale unless told
// otherwise: the host reads and writes culture-sensitive text (number format
// codes, for one) in the notation of the locale id it is given.
#pragma once

#include <concepts>
#include <initializer_list>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"
#include "platform/com/com.h"

namespace corvane::com {

// English (United States): the locale whose notation of format codes does not
// depend on the user's settings.
inline constexpr LCID kLocaleEnUs = 0x0409;

// A member named by its DISPID or by its name.
class Member {
 public:
  template <class T>
  requires std::integral<T> Member(T id) : id_(static_cast<DISPID>(id)) {}
  Member(std::u16string_view name) : name_(name) {}
  Member(const char16_t* name) : name_(name) {}
  template <class C>
  requires(std::same_as<C, OLECHAR> && !std::same_as<C, char16_t>) Member(const C* name) : name_(from_ole(name)) {}

  bool by_name() const { return !id_.has_value(); }
  DISPID id() const { return *id_; }
  std::u16string_view name() const { return name_; }

 private:
  std::optional<DISPID> id_;
  std::u16string_view name_;
};

// The arguments of one call, borrowed for its length.
class ArgList {
 public:
  ArgList() = default;
  ArgList(std::initializer_list<Variant> args) : args_(args.begin(), args.size()) {}
  ArgList(std::span<const Variant> args) : args_(args) {}
  ArgList(const std::vector<Variant>& args) : args_(args) {}

  std::span<const Variant> items() const { return args_; }

 private:
  std::span<const Variant> args_;
};

class Dispatch {
 public:
  explicit Dispatch(ComPtr<IDispatch> object);

  const ComPtr<IDispatch>& object() const { return object_; }

  Variant Get(Member member, ArgList args = {}, LCID locale = LOCALE_USER_DEFAULT);
  // Index arguments (if any) come first, the value last, as in the caller's
  // source; the value travels as the DISPID_PROPERTYPUT named argument.
  void Put(Member member, const Variant& value, ArgList index = {}, LCID locale = LOCALE_USER_DEFAULT);
  // For properties that hold an object by reference.
  void PutRef(Member member, const Variant& value, ArgList index = {}, LCID locale = LOCALE_USER_DEFAULT);
  Variant Call(Member member, ArgList args = {}, LCID locale = LOCALE_USER_DEFAULT);
  // Any combination of DISPATCH_* flags; puts name their value argument.
  Variant Invoke(Member member, WORD flags, ArgList args = {}, LCID locale = LOCALE_USER_DEFAULT);

  // The DISPID of a name, from the cache when this type was asked before.
  DISPID IdOf(std::u16string_view name);

  // One call by DISPID, without a helper object.
  static Variant InvokeId(IDispatch* object, DISPID id, WORD flags, ArgList args, LCID locale = LOCALE_USER_DEFAULT);

 private:
  void PutWith(WORD flags, Member member, const Variant& value, ArgList index, LCID locale);
  DISPID Resolve(const Member& member) { return member.by_name() ? IdOf(member.name()) : member.id(); }
  DISPID LookUp(std::u16string_view name) const;
  const std::optional<GUID>& TypeGuid();

  ComPtr<IDispatch> object_;
  bool typeResolved_ = false;
  std::optional<GUID> typeGuid_;
  // Names of an object without type identity, valid while it is held.
  std::map<std::u16string, DISPID> ownNames_;
};

}  // namespace corvane::com
