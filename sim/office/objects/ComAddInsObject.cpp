#include "sim/office/objects/ComAddInsObject.h"

#include "sim/core/Enumeration.h"
#include "sim/office/model/OfficeError.h"

namespace corvane::sim::office {

using Self = ComAddInsObject;

// Item is the default member (0), Count 1, Parent 3, as the published
// library numbers them.
const ObjectType<Self>& Self::Type() {
  static const ObjectType<Self> type{
      u"COMAddIns",
      {Office::COMAddIns::iid},
      {Method(Office::COMAddIns::Item, u"Item", &Self::GetItem).Takes(1),
       Get(Office::COMAddIns::Count, u"Count", &Self::GetCount),
       Get(Office::COMAddIns::Parent, u"Parent", &Self::GetParent), NewEnum(&Self::Enumerate)},
      kOfficeSource};
  return type;
}

com::ComPtr<IDispatch> NewComAddInsObject(std::weak_ptr<const AddInLoader> loader, AddInObjectFactory item,
                                          ObjectSource parent) {
  return com::ComPtr<IDispatch>::adopt(
      com::Make<ComAddInsObject>(std::move(loader), std::move(item), std::move(parent)).detach());
}

// Item(Index): a 1-based position or a ProgID in any letter case.
com::Variant Self::GetItem(Args& args) {
  const auto loader = Alive(loader_);
  std::shared_ptr<AddInEntry> entry;
  if (args[0].type() == VT_BSTR) {
    entry = loader->Find(args[0].Text());
  } else {
    const int32_t index = args[0].Int();
    const auto& entries = loader->entries();
    if (index >= 1 && static_cast<size_t>(index) <= entries.size()) entry = entries[index - 1];
  }
  if (!entry) ThrowInvalidArgument("Invalid procedure call or argument");
  return item_(entry);
}

com::Variant Self::Enumerate(Args&) {
  std::vector<com::Variant> items;
  for (const auto& entry : Alive(loader_)->entries()) items.push_back(item_(entry));
  return EnumerateVariants(std::move(items));
}

com::Variant Self::GetCount(Args&) { return static_cast<int32_t>(Alive(loader_)->entries().size()); }

com::Variant Self::GetParent(Args&) {
  Alive(loader_);
  return parent_ ? parent_() : com::ComPtr<IDispatch>();
}

}  // namespace corvane::sim::office
