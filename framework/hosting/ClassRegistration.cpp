#include "framework/hosting/ClassRegistration.h"

#include <string_view>

#include "framework/hosting/GuidText.h"
#include "framework/hosting/TkvxComServer.h"
#include "framework/hosting/TkvxFactory.h"
#include "platform/com/ComError.h"
#include "platform/com/ShortPath.h"
#include "platform/com/Text.h"
#include "platform/registry/Registry.h"

namespace corvane::framework {
namespace {

constexpr std::u16string_view kDefault = u"";

struct ClassEntry {
  std::u16string key;
  std::u16string_view name;
  std::u16string data;
};

std::u16string ThreadingModelName(TkvxThreadingModel model) {
  switch (model) {
    case TkvxThreadingModel::Single:
      return u"Single";
    case TkvxThreadingModel::Apartment:
      return u"Apartment";
    case TkvxThreadingModel::Free:
      return u"Free";
    case TkvxThreadingModel::Both:
      return u"Both";
  }
  return u"Apartment";
}

std::u16string ClassKey(const TkvxFactory& factory) { return u"\\CLSID\\" + GuidText(factory.ClassId()); }

std::u16string VersionText(WORD major, WORD minor) {
  return com::Utf8ToUtf16(std::to_string(major) + "." + std::to_string(minor));
}

std::vector<ClassEntry> ClassEntries(const TkvxFactory& factory) {
  const TkvxComServer& server = factory.ComServer();
  const auto& lib = server.TypeLibDescription();
  const std::u16string description = factory.Description();
  const std::u16string progId = factory.GetProgID();
  const std::u16string key = ClassKey(factory);
  return {
      {key, kDefault, description},
      {key + u"\\InprocServer32", kDefault, RegisteredServerPath(server.ServerFileName())},
      {key + u"\\InprocServer32", u"ThreadingModel", ThreadingModelName(factory.ThreadingModel())},
      {key + u"\\ProgID", kDefault, progId},
      {key + u"\\TypeLib", kDefault, GuidText(lib.guid)},
      {key + u"\\Version", kDefault, VersionText(lib.majorVersion, lib.minorVersion)},
      {u"\\" + progId, kDefault, description},
      {u"\\" + progId + u"\\Clsid", kDefault, GuidText(factory.ClassId())},
  };
}

[[noreturn]] void EntryError() { throw com::ComError(E_FAIL, kRegistryEntryError); }

}  // namespace

std::u16string RegisteredServerPath(const std::u16string& Path) {
  return Path.find(u' ') == std::u16string::npos ? Path : com::ShortPathOf(Path);
}

void WriteClassEntries(const TkvxFactory& Factory) {
  registry::Registry classes(HKEY_CLASSES_ROOT);
  for (const ClassEntry& entry : ClassEntries(Factory)) {
    if (!classes.OpenKey(entry.key, true)) EntryError();
    try {
      classes.WriteString(entry.name, entry.data);
    } catch (const registry::RegistryError&) {
      EntryError();
    }
  }
}

void RemoveClassEntries(const TkvxFactory& Factory) {
  registry::Registry classes(HKEY_CLASSES_ROOT);
  for (const std::u16string& key : {ClassKey(Factory), u"\\" + Factory.GetProgID()}) {
    if (classes.KeyExists(key)) classes.DeleteKey(key);
  }
}

}  // namespace corvane::framework
