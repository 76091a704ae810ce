#include "sim/office/objects/ComAddInObject.h"

#include "platform/com/Text.h"
#include "sim/office/model/OfficeError.h"

namespace corvane::sim::office {

using Self = ComAddInObject;

const ObjectType<Self>& Self::Type() {
  static const ObjectType<Self> type{
      u"COMAddIn",
      {Office::COMAddIn::iid},
      {Property(Office::COMAddIn::Description, u"Description", &Self::GetDescription, &Self::PutDescription),
       Get(Office::COMAddIn::ProgId, u"ProgId", &Self::GetProgId), Get(Office::COMAddIn::Guid, u"Guid", &Self::GetGuid),
       Property(Office::COMAddIn::Connect, u"Connect", &Self::GetConnect, &Self::PutConnect),
       Property(Office::COMAddIn::Object, u"Object", &Self::GetAddInObject, &Self::PutAddInObject),
       Get(Office::COMAddIn::Parent, u"Parent", &Self::GetParent)},
      kOfficeSource};
  return type;
}

com::ComPtr<IDispatch> NewComAddInObject(const std::shared_ptr<AddInEntry>& entry, ConnectAction connect,
                                         ObjectSource parent) {
  return com::ComPtr<IDispatch>::adopt(
      com::Make<ComAddInObject>(entry, std::move(connect), std::move(parent)).detach());
}

com::Variant Self::GetDescription(Args&) { return Alive(entry_)->description; }

void Self::PutDescription(Args& args) { Alive(entry_)->description = args.value().Text(); }

com::Variant Self::GetProgId(Args&) { return Alive(entry_)->progId; }

// The class id of the ProgID, in registry form; empty when it names none.
com::Variant Self::GetGuid(Args&) {
  auto entry = Alive(entry_);
  CLSID clsid{};
  if (FAILED(CLSIDFromProgID(com::ole(entry->progId), &clsid))) return u"";
  OLECHAR text[40] = {};
  StringFromGUID2(clsid, text, 40);
  return com::from_ole(text);
}

com::Variant Self::GetConnect(Args&) { return Alive(entry_)->connected; }

// As the COM Add-ins dialog: connecting a loaded add-in or unloading an
// unloaded one changes nothing.
void Self::PutConnect(Args& args) {
  auto entry = Alive(entry_);
  const bool connect = args.value().Bool();
  if (connect == entry->connected) return;
  if (!connect_) ThrowFailed("The add-in cannot be connected or disconnected here.");
  connect_(entry, connect);
}

com::Variant Self::GetAddInObject(Args&) { return Alive(entry_)->object; }

void Self::PutAddInObject(Args& args) { Alive(entry_)->object = args.value().Object(); }

com::Variant Self::GetParent(Args&) {
  Alive(entry_);
  return parent_ ? parent_() : com::ComPtr<IDispatch>();
}

}  // namespace corvane::sim::office
