#include "addin/library/TeaCVFM.h"

#include "platform/com/ComObject.h"

namespace corvane::addin {

void* TeaCVFM::QueryOther(REFIID Iid) {
  if (IsEqualIID(Iid, com::iid_of<IeaCVFM>())) return static_cast<IDispatch*>(this);
  return TkvxAddin::QueryOther(Iid);
}

bool TeaCVFM::ReportsErrorInfo(REFIID Iid) const {
  return IsEqualIID(Iid, com::iid_of<IeaCVFM>()) || TkvxAddin::ReportsErrorInfo(Iid);
}

com::ComPtr<IUnknown> CreateTeaCVFM(framework::TkvxFactory& Factory) {
  auto connection = com::Make<TeaCVFM>(Factory);
  return com::ComPtr<IUnknown>(connection->identity());
}

}  // namespace corvane::addin
