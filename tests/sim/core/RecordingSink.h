// An event sink for the connection point tests: answers one event
// interface with its IDispatch, records
// every call as the host made it, and can write a by-reference boolean.
#pragma once

#include <string>
#include <vector>

#include "platform/com/ComObject.h"
#include "platform/com/Variant.h"

namespace corvane::sim::testing {

struct SinkCall {
  std::string sink;
  DISPID id;
  std::vector<com::Variant> rgvarg;  // copies, as DISPPARAMS held them (last-first)
  std::vector<VARTYPE> types;        // with VT_BYREF where it was set
};

class RecordingSink final : public com::ComObject<IDispatch> {
 public:
  RecordingSink(const IID& events, std::string name, std::vector<SinkCall>& calls)
      : events_(events), name_(std::move(name)), calls_(calls) {}

  // When set, the sink writes this into rgvarg[refIndex] (a VT_BOOL reference).
  void WriteRef(UINT refIndex, bool value) {
    writes_ = true;
    refIndex_ = refIndex;
    refValue_ = value;
  }

  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
    SinkCall call{name_, id, {}, {}};
    for (UINT i = 0; i < params->cArgs; ++i) {
      call.rgvarg.push_back(com::Variant::CopyOf(params->rgvarg[i]));
      call.types.push_back(params->rgvarg[i].vt);
    }
    calls_.push_back(std::move(call));
    if (writes_ && refIndex_ < params->cArgs && params->rgvarg[refIndex_].vt == (VT_BOOL | VT_BYREF)) {
      *params->rgvarg[refIndex_].pboolVal = refValue_ ? VARIANT_TRUE : VARIANT_FALSE;
    }
    return S_OK;
  }

 protected:
  void* QueryOther(REFIID riid) override { return IsEqualIID(riid, events_) ? static_cast<IDispatch*>(this) : nullptr; }

 private:
  IID events_;
  std::string name_;
  std::vector<SinkCall>& calls_;
  bool writes_ = false;
  UINT refIndex_ = 0;
  bool refValue_ = false;
};

}  // namespace corvane::sim::testing
