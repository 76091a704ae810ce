#include "framework/hosting/TkvxFactory.h"

#include "framework/hosting/HostApplications.h"
#include "framework/hosting/TkvxCOMAddInModule.h"
#include "framework/hosting/TkvxComServer.h"
#include "platform/com/Bstr.h"
#include "platform/com/ComError.h"
#include "platform/com/ComGuard.h"
#include "platform/com/Text.h"
#include "platform/registry/Registry.h"

namespace corvane::framework {
namespace {

constexpr int kVersionUnknown = 9;

// The coclass's name or help string.
std::u16string CoClassDocumentation(TkvxComServer& server, const CLSID& classId, bool helpString) {
  com::ComPtr<ITypeInfo> info;
  com::ThrowIfFailed(server.TypeLib()->GetTypeInfoOfGuid(classId, info.put()));
  com::Bstr name;
  com::Bstr help;
  com::ThrowIfFailed(info->GetDocumentation(MEMBERID_NIL, name.put(), help.put(), nullptr, nullptr));
  return helpString ? help.str() : name.str();
}

// "Excel.Application.11" after "Excel.Application" gives 11.
int VersionFromCurVer(std::u16string_view curVer, std::u16string_view progId) {
  if (curVer.size() <= progId.size() + 1 || curVer.substr(0, progId.size()) != progId) return kVersionUnknown;
  int version = 0;
  for (char16_t c : curVer.substr(progId.size() + 1)) {
    if (c < u'0' || c > u'9' || version > 100000) return kVersionUnknown;
    version = version * 10 + (c - u'0');
  }
  return version;
}

}  // namespace

TkvxFactory::TkvxFactory(TkvxComServer& Server, TkvxConnectionClass ConnectionClass, const CLSID& ClassId,
                         TkvxModuleClass ModuleClass)
    : com::OuterCountedObject<IClassFactory>(Server.FactoryReferences()),
      server_(Server),
      connectionClass_(ConnectionClass),
      classId_(ClassId),
      moduleClass_(ModuleClass) {}

TkvxFactory::~TkvxFactory() = default;

TkvxFactory& TkvxFactory::Create(TkvxComServer& Server, TkvxConnectionClass ConnectionClass, const CLSID& ClassId,
                                 TkvxModuleClass ModuleClass) {
  std::unique_ptr<TkvxFactory> factory(new TkvxFactory(Server, ConnectionClass, ClassId, ModuleClass));
  TkvxFactory& result = *factory;
  Server.AddFactory(std::move(factory));
  return result;
}

STDMETHODIMP TkvxFactory::CreateInstance(IUnknown* Outer, REFIID Iid, void** Object) {
  if (!Object) return E_POINTER;
  *Object = nullptr;
  if (Outer) return CLASS_E_NOAGGREGATION;
  return com::Guard([&] { return connectionClass_(*this)->QueryInterface(Iid, Object); });
}

STDMETHODIMP TkvxFactory::LockServer(BOOL Lock) {
  server_.Lock(Lock != FALSE);
  return S_OK;
}

std::u16string TkvxFactory::ClassName() const { return CoClassDocumentation(server_, classId_, false); }

std::u16string TkvxFactory::Description() const { return CoClassDocumentation(server_, classId_, true); }

std::unique_ptr<TkvxCOMAddInModule> TkvxFactory::CreateModule() const { return moduleClass_(); }

std::u16string TkvxFactory::GetProgID() const { return server_.TypeLibDescription().name + u"." + ClassName(); }

std::u16string TkvxFactory::GetAddinKey(TkvxOfficeHostApp Host) const { return FormatAddinKey(Host, GetProgID()); }

bool TkvxFactory::IsHostInstalled(TkvxOfficeHostApp Host) const {
  const std::u16string progId(HostApplicationOf(Host).progId);
  CLSID classId{};
  return SUCCEEDED(CLSIDFromProgID(com::ole(progId), &classId)) && !IsEqualCLSID(classId, GUID_NULL);
}

int TkvxFactory::GetHostVersion(TkvxOfficeHostApp Host) const {
  const std::u16string_view progId = HostApplicationOf(Host).progId;
  registry::Registry classes(HKEY_CLASSES_ROOT);
  std::u16string path = u"\\";
  path.append(progId).append(u"\\CurVer");
  if (!classes.OpenKeyReadOnly(path) || !classes.ValueExists(u"")) return kVersionUnknown;
  return VersionFromCurVer(classes.ReadString(u""), progId);
}

std::vector<TkvxOfficeHostApp> TkvxFactory::InstalledHosts(TkvxHostAppSet Supported) const {
  std::vector<TkvxOfficeHostApp> hosts;
  for (const HostApplication& host : HostApplications()) {
    if (Supported.Contains(host.kind) && IsHostInstalled(host.kind)) hosts.push_back(host.kind);
  }
  return hosts;
}

}  // namespace corvane::framework
