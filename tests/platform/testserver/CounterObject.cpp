#include "tests/platform/testserver/CounterObject.h"

#include "platform/com/Text.h"
#include "tests/platform/testserver/ServerState.h"
#include "tests/platform/testserver/TestServerIds.h"

namespace corvane::testserver {
namespace {

struct Member {
  const char16_t* name;
  DISPID id;
  WORD flags;  // how it may be invoked
};

constexpr Member kMembers[] = {
    {u"Ping", kPing, DISPATCH_METHOD},
    {u"Calls", kCalls, DISPATCH_PROPERTYGET},
    {u"CreatedSinceLoad", kCreatedSinceLoad, DISPATCH_PROPERTYGET},
    {u"LiveObjects", kLiveObjects, DISPATCH_PROPERTYGET},
    {u"ServerLocks", kServerLocks, DISPATCH_PROPERTYGET},
};

const Member* FindMember(DISPID id) {
  for (const auto& member : kMembers) {
    if (member.id == id) return &member;
  }
  return nullptr;
}

}  // namespace

CounterObject::CounterObject() {
  ++State().liveObjects;
  ++State().createdSinceLoad;
}

CounterObject::~CounterObject() { --State().liveObjects; }

STDMETHODIMP CounterObject::GetTypeInfoCount(UINT* pctinfo) {
  if (!pctinfo) return E_INVALIDARG;
  *pctinfo = 0;
  return S_OK;
}

STDMETHODIMP CounterObject::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) {
  if (ppTInfo) *ppTInfo = nullptr;
  return DISP_E_BADINDEX;
}

STDMETHODIMP CounterObject::GetIDsOfNames(REFIID, LPOLESTR* rgszNames, UINT cNames, LCID, DISPID* rgDispId) {
  if (!rgszNames || !rgDispId) return E_INVALIDARG;
  HRESULT result = S_OK;
  for (UINT i = 0; i < cNames; ++i) {
    rgDispId[i] = DISPID_UNKNOWN;
    // Only the first name is a member; the others would be argument names,
    // which the counter has none of.
    for (const auto& member : kMembers) {
      if (i == 0 && com::AsciiEqualNoCase(com::from_ole(rgszNames[i]), member.name)) rgDispId[i] = member.id;
    }
    if (rgDispId[i] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
  }
  return result;
}

bool CounterObject::Call(DISPID member, WORD flags, LONG& value) {
  const Member* found = FindMember(member);
  if (!found || !(found->flags & flags)) return false;
  switch (member) {
    case kPing:
      value = ++calls_;
      return true;
    case kCalls:
      value = calls_;
      return true;
    case kCreatedSinceLoad:
      value = State().createdSinceLoad;
      return true;
    case kLiveObjects:
      value = State().liveObjects;
      return true;
    case kServerLocks:
      value = State().locks;
      return true;
  }
  return false;
}

STDMETHODIMP CounterObject::Invoke(DISPID dispIdMember, REFIID, LCID, WORD wFlags, DISPPARAMS* pDispParams,
                                   VARIANT* pVarResult, EXCEPINFO*, UINT*) {
  if (!pDispParams) return E_INVALIDARG;
  if (pDispParams->cArgs != 0) return DISP_E_BADPARAMCOUNT;
  LONG value = 0;
  if (!Call(dispIdMember, wFlags, value)) return DISP_E_MEMBERNOTFOUND;
  if (pVarResult) {
    VariantInit(pVarResult);
    V_VT(pVarResult) = VT_I4;
    V_I4(pVarResult) = value;
  }
  return S_OK;
}

}  // namespace corvane::testserver
