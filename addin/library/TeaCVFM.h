// The add-in's registered class eaCVFM: the framework's connection object
// with the class's default interface IeaCVFM, which has no members of its
// own and is answered with the object's IDispatch.
#pragma once

#include "framework/hosting/TkvxAddin.h"
#include "platform/com/ComPtr.h"
#include "platform/com/com.h"

struct IeaCVFM : IDispatch {};

CORVANE_DEFINE_INTERFACE_ID(IeaCVFM, 0xF375BC7C, 0x399A, 0x4618, 0xA1, 0x55, 0x70, 0x38, 0x09, 0xA2, 0x19, 0x55);

namespace corvane::addin {

class TeaCVFM final : public framework::TkvxAddin {
 public:
  explicit TeaCVFM(framework::TkvxFactory& Factory) : TkvxAddin(Factory) {}

 protected:
  void* QueryOther(REFIID Iid) override;
  bool ReportsErrorInfo(REFIID Iid) const override;
};

// The connection class of the library's factory (TkvxConnectionClass).
com::ComPtr<IUnknown> CreateTeaCVFM(framework::TkvxFactory& Factory);

}  // namespace corvane::addin
