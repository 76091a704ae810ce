// A stand-in host application for host recognition: it answers the
// interface ids it is given (as dispatch interfaces) and, when set, the
// Version text by name; every other call fails, counted.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "framework/hosting/HostInterfaces.h"
#include "platform/com/ComObject.h"
#include "platform/com/Text.h"
#include "platform/com/Variant.h"

namespace corvane::framework::testing {

class FakeHost final : public com::ComObject<IDispatch> {
 public:
  explicit FakeHost(std::vector<IID> answers) : answers_(std::move(answers)) {}

  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    ++calls;
    if (version && count == 1 && com::from_ole(names[0]) == u"Version") {
      ids[0] = kVersionId;
      return S_OK;
    }
    return DISP_E_UNKNOWNNAME;
  }
  STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) override {
    ++calls;
    if (!version || id != kVersionId || !result) return DISP_E_MEMBERNOTFOUND;
    *result = com::Variant(*version).detach();
    return S_OK;
  }

  static constexpr DISPID kVersionId = 0x18A;
  int calls = 0;
  // Answered by name, as the module asks for it; unset: no such member.
  std::optional<std::u16string> version;

 protected:
  void* QueryOther(REFIID riid) override {
    if (IsEqualIID(riid, IID_IDispatch)) return static_cast<IDispatch*>(this);
    for (const auto& iid : answers_) {
      if (IsEqualIID(riid, iid)) return static_cast<IDispatch*>(this);
    }
    return nullptr;
  }

 private:
  std::vector<IID> answers_;
};

inline IID IidOf(TkvxOfficeHostApp kind) {
  for (const auto& row : HostInterfaces()) {
    if (row.kind == kind) return row.iid;
  }
  ADD_FAILURE() << "no interface for host " << int(kind);
  return {};
}

}  // namespace corvane::framework::testing
