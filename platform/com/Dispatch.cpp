#include "platform/com/Dispatch.h"

#include <cstring>
#include <utility>

#include "platform/com/Bstr.h"
#include "platform/com/ComError.h"
#include "platform/com/Text.h"

namespace corvane::com {
namespace {

constexpr WORD kPutFlags = DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF;

// DISPIDs of names per object type (its type info GUID): the ids of a type
// never change, so any object of that type can use them. Automation calls
// run on the apartment's one thread, so the cache takes no lock.
struct TypeName {
  GUID type;
  std::u16string name;  // upper case: automation names ignore case
  bool operator<(const TypeName& other) const {
    const int byType = std::memcmp(&type, &other.type, sizeof(GUID));
    return byType != 0 ? byType < 0 : name < other.name;
  }
};

std::map<TypeName, DISPID>& TypeNames() {
  static std::map<TypeName, DISPID> names;
  return names;
}

std::optional<DISPID> CachedTypeName(const TypeName& key) {
  const auto found = TypeNames().find(key);
  if (found == TypeNames().end()) return std::nullopt;
  return found->second;
}

void CacheTypeName(TypeName key, DISPID id) { TypeNames().emplace(std::move(key), id); }

std::optional<GUID> QueryTypeGuid(IDispatch* object) {
  UINT count = 0;
  if (FAILED(object->GetTypeInfoCount(&count)) || count == 0) return std::nullopt;
  ComPtr<ITypeInfo> info;
  if (FAILED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put())) || !info) return std::nullopt;
  TYPEATTR* attributes = nullptr;
  if (FAILED(info->GetTypeAttr(&attributes)) || !attributes) return std::nullopt;
  const GUID type = attributes->guid;
  info->ReleaseTypeAttr(attributes);
  if (IsEqualGUID(type, GUID_NULL)) return std::nullopt;
  return type;
}

// The EXCEPINFO of one call; its strings are freed whatever happens.
struct CallException {
  EXCEPINFO info{};
  CallException() = default;
  CallException(const CallException&) = delete;
  CallException& operator=(const CallException&) = delete;
  ~CallException() {
    Bstr::attach(info.bstrSource);
    Bstr::attach(info.bstrDescription);
    Bstr::attach(info.bstrHelpFile);
  }
};

std::u16string TextOf(BSTR text) { return std::u16string(from_ole(text, text ? SysStringLen(text) : 0)); }

[[noreturn]] void ThrowCallFailure(HRESULT hr, CallException& exception) {
  if (hr != DISP_E_EXCEPTION) throw ComError(hr);
  EXCEPINFO& info = exception.info;
  if (auto fill = std::exchange(info.pfnDeferredFillIn, nullptr)) fill(&info);
  // The object's own error code is what the caller needs to tell errors apart.
  const HRESULT code = FAILED(info.scode) ? info.scode : hr;
  throw ComError(code, TextOf(info.bstrDescription), TextOf(info.bstrSource), info.dwHelpContext);
}

// DISPPARAMS want the arguments last-first; the VARIANTs are borrowed from
// the caller's Variants, which outlive the call.
void AppendReversed(std::vector<VARIANT>& out, ArgList args) {
  const auto items = args.items();
  for (auto it = items.rbegin(); it != items.rend(); ++it) out.push_back(*it->get());
}

Variant InvokeArgs(IDispatch* object, DISPID id, WORD flags, std::vector<VARIANT>& args, LCID locale) {
  if (!object) throw ComError(E_POINTER, u"The automation object is missing.");
  DISPID putName = DISPID_PROPERTYPUT;
  const bool put = (flags & kPutFlags) != 0;
  DISPPARAMS params{args.data(), put ? &putName : nullptr, static_cast<UINT>(args.size()), put ? 1u : 0u};
  Variant result;
  CallException exception;
  UINT badArgument = 0;
  const HRESULT hr =
      object->Invoke(id, IID_NULL, locale, flags, &params, put ? nullptr : result.put(), &exception.info, &badArgument);
  if (FAILED(hr)) ThrowCallFailure(hr, exception);
  return result;
}

}  // namespace

Dispatch::Dispatch(ComPtr<IDispatch> object) : object_(std::move(object)) {}

Variant Dispatch::Get(Member member, ArgList args, LCID locale) {
  return Invoke(member, DISPATCH_PROPERTYGET, args, locale);
}

void Dispatch::Put(Member member, const Variant& value, ArgList index, LCID locale) {
  PutWith(DISPATCH_PROPERTYPUT, member, value, index, locale);
}

void Dispatch::PutRef(Member member, const Variant& value, ArgList index, LCID locale) {
  PutWith(DISPATCH_PROPERTYPUTREF, member, value, index, locale);
}

Variant Dispatch::Call(Member member, ArgList args, LCID locale) {
  return Invoke(member, DISPATCH_METHOD, args, locale);
}

Variant Dispatch::Invoke(Member member, WORD flags, ArgList args, LCID locale) {
  const DISPID id = Resolve(member);
  return InvokeId(object_.get(), id, flags, args, locale);
}

Variant Dispatch::InvokeId(IDispatch* object, DISPID id, WORD flags, ArgList args, LCID locale) {
  std::vector<VARIANT> reversed;
  AppendReversed(reversed, args);
  return InvokeArgs(object, id, flags, reversed, locale);
}

void Dispatch::PutWith(WORD flags, Member member, const Variant& value, ArgList index, LCID locale) {
  const DISPID id = Resolve(member);
  std::vector<VARIANT> reversed{*value.get()};
  AppendReversed(reversed, index);
  InvokeArgs(object_.get(), id, flags, reversed, locale);
}

DISPID Dispatch::IdOf(std::u16string_view name) {
  if (!object_) throw ComError(E_POINTER, u"The automation object is missing.");
  std::u16string key = AsciiUpper(name);
  if (const auto& type = TypeGuid()) {
    TypeName typeKey{*type, std::move(key)};
    if (const auto cached = CachedTypeName(typeKey)) return *cached;
    const DISPID id = LookUp(name);
    CacheTypeName(std::move(typeKey), id);
    return id;
  }
  if (const auto found = ownNames_.find(key); found != ownNames_.end()) return found->second;
  const DISPID id = LookUp(name);
  ownNames_.emplace(std::move(key), id);
  return id;
}

DISPID Dispatch::LookUp(std::u16string_view name) const {
  std::u16string text(name);
  LPOLESTR names[] = {ole_mutable(text)};
  DISPID id = DISPID_UNKNOWN;
  const HRESULT hr = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) throw ComError(hr, u"The object has no member named \"" + text + u"\".");
  return id;
}

const std::optional<GUID>& Dispatch::TypeGuid() {
  if (!typeResolved_) {
    typeGuid_ = QueryTypeGuid(object_.get());
    typeResolved_ = true;
  }
  return typeGuid_;
}

}  // namespace corvane::com
