// RegisterTypeLib and UnRegisterTypeLib: the keys Windows writes for a type
// library below HKEY_CLASSES_ROOT, and their removal.
//
//   TypeLib\{libid}\{major}.{minor}        (default) help string
//     FLAGS                                (default) library flags, decimal
//     HELPDIR                              (default) help folder
//     {lcid}\win32 | win64 | win16         (default) library path
//   Interface\{iid}                        (default) interface name
//     ProxyStubClsid, ProxyStubClsid32     (default) the marshaler for its kind
//     TypeLib                              (default) {libid}, Version "major.minor"
//
// Versions and locale ids are hexadecimal, as Windows writes them.
#include <cstdio>
#include <exception>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/com/Bstr.h"
#include "platform/com/ComPtr.h"
#include "platform/com/ModulePath.h"
#include "platform/com/Text.h"
#include "platform/com/native/ClassesRoot.h"
#include "platform/registry/Registry.h"

namespace corvane::com::native {
namespace {

using registry::Registry;

// Interfaces automation can describe go through the type library marshaler;
// a pure dispinterface only ever sees IDispatch calls.
constexpr char16_t kAutomationMarshaler[] = u"{00020424-0000-0000-C000-000000000046}";
constexpr char16_t kDispatchMarshaler[] = u"{00020420-0000-0000-C000-000000000046}";

const char16_t* MarshalerOf(const TYPEATTR& attr) {
  return attr.typekind == TKIND_DISPATCH && !(attr.wTypeFlags & TYPEFLAG_FDUAL) ? kDispatchMarshaler
                                                                                : kAutomationMarshaler;
}

std::u16string Hex(unsigned value) {
  char text[16];
  std::snprintf(text, sizeof text, "%x", value);
  return Utf8ToUtf16(text);
}

std::u16string VersionText(WORD major, WORD minor) { return Hex(major) + u"." + Hex(minor); }

const char16_t* SysKindName(SYSKIND syskind) {
  switch (syskind) {
    case SYS_WIN16:
      return u"win16";
    case SYS_WIN32:
      return u"win32";
    case SYS_WIN64:
      return u"win64";
    default:
      return nullptr;
  }
}

std::u16string VersionKey(REFGUID libid, WORD major, WORD minor) {
  return u"\\TypeLib\\" + GuidText(libid) + u"\\" + VersionText(major, minor);
}

std::u16string InterfaceKey(REFIID iid) { return u"\\Interface\\" + GuidText(iid); }

void OpenOrCreate(Registry& classes, const std::u16string& path) {
  if (!classes.OpenKey(path, true)) throw registry::RegistryError(ERROR_CANTWRITE, "cannot create a type library key");
}

void WriteDefault(Registry& classes, const std::u16string& path, std::u16string_view value) {
  OpenOrCreate(classes, path);
  classes.WriteString(u"", value);
}

// The interfaces Windows registers: dispinterfaces, and interfaces that
// automation can marshal.
bool IsRegisteredInterface(TYPEKIND kind, WORD flags) {
  if (kind == TKIND_DISPATCH) return true;
  return kind == TKIND_INTERFACE && (flags & (TYPEFLAG_FOLEAUTOMATION | TYPEFLAG_FDUAL));
}

struct LibraryFacts {
  GUID libid;
  WORD major;
  WORD minor;
};

void RegisterInterface(Registry& classes, ITypeInfo& info, const TYPEATTR& attr, const LibraryFacts& lib) {
  Bstr name;
  info.GetDocumentation(MEMBERID_NIL, name.put(), nullptr, nullptr, nullptr);
  const std::u16string key = InterfaceKey(attr.guid);
  WriteDefault(classes, key, name.view());
  WriteDefault(classes, key + u"\\ProxyStubClsid", MarshalerOf(attr));
  WriteDefault(classes, key + u"\\ProxyStubClsid32", MarshalerOf(attr));
  WriteDefault(classes, key + u"\\TypeLib", GuidText(lib.libid));
  classes.WriteString(u"Version", VersionText(lib.major, lib.minor));
}

HRESULT RegisterInterfaces(Registry& classes, ITypeLib& typeLib, const LibraryFacts& lib) {
  for (UINT i = 0, count = typeLib.GetTypeInfoCount(); i < count; ++i) {
    ComPtr<ITypeInfo> info;
    HRESULT hr = typeLib.GetTypeInfo(i, info.put());
    if (FAILED(hr)) return hr;
    TYPEATTR* attr = nullptr;
    if (FAILED(hr = info->GetTypeAttr(&attr))) return hr;
    const bool registered = IsRegisteredInterface(attr->typekind, attr->wTypeFlags);
    const TYPEATTR copy = *attr;
    info->ReleaseTypeAttr(attr);
    if (registered) RegisterInterface(classes, *info.get(), copy, lib);
  }
  return S_OK;
}

std::u16string HelpString(ITypeLib& typeLib) {
  Bstr doc;
  if (FAILED(typeLib.GetDocumentation(-1, nullptr, doc.put(), nullptr, nullptr))) return {};
  return doc.str();
}

HRESULT WriteLibrary(ITypeLib& typeLib, const TLIBATTR& attr, LPCOLESTR path, LPCOLESTR helpDir) {
  const char16_t* platform = SysKindName(attr.syskind);
  if (!platform) return E_INVALIDARG;
  Registry classes(HKEY_CLASSES_ROOT);
  const std::u16string key = VersionKey(attr.guid, attr.wMajorVerNum, attr.wMinorVerNum);
  WriteDefault(classes, key, HelpString(typeLib));
  // "has disk image" describes how the library was loaded, not the library.
  WriteDefault(classes, key + u"\\FLAGS", Utf8ToUtf16(std::to_string(attr.wLibFlags & ~LIBFLAG_FHASDISKIMAGE)));
  WriteDefault(classes, key + u"\\HELPDIR", helpDir ? std::u16string(from_ole(helpDir)) : FolderOfPath(from_ole(path)));
  WriteDefault(classes, key + u"\\" + Hex(attr.lcid) + u"\\" + platform, from_ole(path));
  return RegisterInterfaces(classes, typeLib, {attr.guid, attr.wMajorVerNum, attr.wMinorVerNum});
}

bool HasSubkeysBesides(Registry& classes, const std::u16string& key, std::initializer_list<std::u16string_view> kept) {
  if (!classes.OpenKeyReadOnly(key)) return false;
  const auto names = classes.GetKeyNames();
  classes.CloseKey();
  for (const auto& name : names) {
    bool listed = false;
    for (auto k : kept) listed = listed || AsciiEqualNoCase(name, k);
    if (!listed) return true;
  }
  return false;
}

// An interface key belongs to the library when its TypeLib entry names the
// library and version.
bool BelongsTo(Registry& classes, const std::u16string& key, const std::u16string& libid,
               const std::u16string& version) {
  if (!classes.OpenKeyReadOnly(key + u"\\TypeLib")) return false;
  const bool same = AsciiEqualNoCase(classes.ReadString(u""), libid) &&
                    (!classes.ValueExists(u"Version") || classes.ReadString(u"Version") == version);
  classes.CloseKey();
  return same;
}

void RemoveInterfaces(Registry& classes, const std::u16string& libid, const std::u16string& version) {
  if (!classes.OpenKeyReadOnly(u"\\Interface")) return;
  const auto iids = classes.GetKeyNames();
  classes.CloseKey();
  for (const auto& iid : iids) {
    const std::u16string key = u"\\Interface\\" + iid;
    if (!BelongsTo(classes, key, libid, version)) continue;
    for (auto sub : {u"ProxyStubClsid", u"ProxyStubClsid32", u"TypeLib"}) classes.DeleteKey(key + u"\\" + sub);
    if (!HasSubkeysBesides(classes, key, {})) classes.DeleteKey(key);
  }
}

HRESULT RemoveLibrary(REFGUID libid, WORD major, WORD minor, LCID lcid, SYSKIND syskind) {
  const char16_t* platform = SysKindName(syskind);
  if (!platform) return E_INVALIDARG;
  Registry classes(HKEY_CLASSES_ROOT);
  const std::u16string versionKey = VersionKey(libid, major, minor);
  const std::u16string localeKey = versionKey + u"\\" + Hex(lcid);
  if (!classes.KeyExists(localeKey + u"\\" + platform)) return TYPE_E_REGISTRYACCESS;
  RemoveInterfaces(classes, GuidText(libid), VersionText(major, minor));
  classes.DeleteKey(localeKey + u"\\" + platform);
  if (!HasSubkeysBesides(classes, localeKey, {})) classes.DeleteKey(localeKey);
  // Other locales or platforms of the version keep it.
  if (HasSubkeysBesides(classes, versionKey, {u"FLAGS", u"HELPDIR"})) return S_OK;
  classes.DeleteKey(versionKey);
  const std::u16string libraryKey = u"\\TypeLib\\" + GuidText(libid);
  if (!HasSubkeysBesides(classes, libraryKey, {})) classes.DeleteKey(libraryKey);
  return S_OK;
}

}  // namespace
}  // namespace corvane::com::native

STDAPI RegisterTypeLib(ITypeLib* ptlib, LPCOLESTR szFullPath, LPCOLESTR szHelpDir) {
  if (!ptlib || !szFullPath) return E_INVALIDARG;
  TLIBATTR* attr = nullptr;
  HRESULT hr = ptlib->GetLibAttr(&attr);
  if (FAILED(hr)) return hr;
  const TLIBATTR copy = *attr;
  ptlib->ReleaseTLibAttr(attr);
  try {
    return corvane::com::native::WriteLibrary(*ptlib, copy, szFullPath, szHelpDir);
  } catch (const std::exception&) {
    return TYPE_E_REGISTRYACCESS;
  }
}

STDAPI UnRegisterTypeLib(REFGUID libID, WORD wVerMajor, WORD wVerMinor, LCID lcid, SYSKIND syskind) {
  try {
    return corvane::com::native::RemoveLibrary(libID, wVerMajor, wVerMinor, lcid, syskind);
  } catch (const std::exception&) {
    return TYPE_E_REGISTRYACCESS;
  }
}
