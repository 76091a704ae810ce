#include "sim/office/addins/AddInLoader.h"

#include "platform/com/ComError.h"
#include "platform/com/Text.h"
#include "platform/registry/Registry.h"
#include "sim/core/Instrumentation.h"

namespace corvane::sim::office {

namespace {

constexpr char16_t kAddInsKey[] = u"\\Software\\Microsoft\\Office\\Excel\\Addins";
constexpr int32_t kLoadAtStartup = 3;
constexpr int32_t kUnloaded = 2;

std::u16string KeyOf(const std::u16string& progId) { return std::u16string(kAddInsKey) + u"\\" + progId; }

void Log(const std::string& what, const AddInEntry& entry) {
  Instrumentation::Instance().log().Record("AddIn." + what + " " + com::Utf16ToUtf8(entry.progId));
}

int32_t ReadLoadBehavior(const registry::Registry& key) {
  if (!key.ValueExists(u"LoadBehavior")) return 0;
  try {
    return key.ReadInteger(u"LoadBehavior");
  } catch (const registry::RegistryError&) {
    return 0;  // not a number: Office does not load it
  }
}

std::u16string ReadText(const registry::Registry& key, std::u16string_view name) {
  try {
    return key.ReadString(name);
  } catch (const registry::RegistryError&) {
    return {};
  }
}

// The empty array Office passes as "custom".
class CustomArray {
 public:
  CustomArray() : array_(SafeArrayCreateVector(VT_VARIANT, 0, 0)) {}
  ~CustomArray() {
    if (array_) SafeArrayDestroy(array_);
  }
  CustomArray(const CustomArray&) = delete;
  CustomArray& operator=(const CustomArray&) = delete;
  SAFEARRAY** get() { return &array_; }

 private:
  SAFEARRAY* array_;
};

com::ComPtr<IDTExtensibility2> Create(const std::u16string& progId, std::u16string& why) {
  CLSID clsid{};
  HRESULT hr = CLSIDFromProgID(com::ole(progId), &clsid);
  if (FAILED(hr)) {
    why = u"the ProgID is not registered (" + com::Utf8ToUtf16(com::HResultText(hr)) + u")";
    return nullptr;
  }
  com::ComPtr<IUnknown> object;
  hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown, object.put_void());
  if (FAILED(hr)) {
    why = u"the add-in cannot be created (" + com::Utf8ToUtf16(com::HResultText(hr)) + u")";
    return nullptr;
  }
  auto addIn = object.try_query<IDTExtensibility2>();
  if (!addIn) why = u"the add-in has no connection interface";
  return addIn;
}

}  // namespace

bool WriteLoadBehavior(const AddInEntry& entry, int32_t value) {
  registry::Registry key(entry.root);
  try {
    if (!key.OpenKey(KeyOf(entry.progId), false)) return false;
    key.WriteInteger(u"LoadBehavior", value);
  } catch (const registry::RegistryError&) {
    return false;
  }
  return true;
}

AddInLoader::AddInLoader(AddInObjectFactory makeAddInObject) : makeAddInObject_(std::move(makeAddInObject)) {}

AddInLoader::~AddInLoader() { Shutdown(); }

std::shared_ptr<AddInEntry> AddInLoader::Find(const std::u16string& progId) const {
  for (const auto& entry : entries_) {
    if (com::AsciiEqualNoCase(entry->progId, progId)) return entry;
  }
  return nullptr;
}

void AddInLoader::ReadKeys(HKEY root) {
  registry::Registry keys(root);
  if (!keys.OpenKeyReadOnly(kAddInsKey)) return;
  for (const auto& name : keys.GetKeyNames()) {
    if (Find(name)) continue;
    registry::Registry key(root);
    if (!key.OpenKeyReadOnly(KeyOf(name))) continue;
    auto entry = std::make_shared<AddInEntry>();
    entry->progId = name;
    entry->root = root;
    entry->friendlyName = ReadText(key, u"FriendlyName");
    entry->description = ReadText(key, u"Description");
    entry->loadBehavior = ReadLoadBehavior(key);
    entries_.push_back(entry);
  }
}

void AddInLoader::Startup(IDispatch* application) {
  entries_.clear();
  ReadKeys(HKEY_CURRENT_USER);
  ReadKeys(HKEY_LOCAL_MACHINE);
  for (const auto& entry : entries_) {
    if (entry->loadBehavior == kLoadAtStartup) Connect(entry, application, ext_cm_Startup);
  }
  for (const auto& entry : entries_) {
    if (!entry->connected) continue;
    Log("OnStartupComplete", *entry);
    CustomArray custom;
    entry->instance->OnStartupComplete(custom.get());
  }
}

void AddInLoader::Shutdown() {
  for (const auto& entry : entries_) {
    if (!entry->connected) continue;
    Log("OnBeginShutdown", *entry);
    CustomArray custom;
    entry->instance->OnBeginShutdown(custom.get());
  }
  for (const auto& entry : entries_) {
    if (entry->connected) Disconnect(*entry, ext_dm_HostShutdown);
  }
}

bool AddInLoader::ConnectByUser(const std::shared_ptr<AddInEntry>& entry, IDispatch* application) {
  if (entry->connected) return true;
  if (!Connect(entry, application, ext_cm_AfterStartup)) return false;
  entry->loadBehavior = kLoadAtStartup;
  WriteLoadBehavior(*entry, kLoadAtStartup);
  return true;
}

void AddInLoader::UnloadByUser(const std::shared_ptr<AddInEntry>& entry) {
  if (entry->connected) Disconnect(*entry, ext_dm_UserClosed);
  entry->loadBehavior = kUnloaded;
  WriteLoadBehavior(*entry, kUnloaded);
}

bool AddInLoader::Connect(const std::shared_ptr<AddInEntry>& entry, IDispatch* application, int mode) {
  entry->failure.clear();
  entry->instance = Create(entry->progId, entry->failure);
  if (!entry->instance) {
    Fail(*entry, entry->failure);
    return false;
  }
  Log("OnConnection", *entry);
  auto addInObject = makeAddInObject_ ? makeAddInObject_(entry) : nullptr;
  CustomArray custom;
  const HRESULT hr =
      entry->instance->OnConnection(application, static_cast<ext_ConnectMode>(mode), addInObject.get(), custom.get());
  if (FAILED(hr)) {
    Fail(*entry, u"OnConnection failed (" + com::Utf8ToUtf16(com::HResultText(hr)) + u")");
    return false;
  }
  entry->connected = true;
  return true;
}

void AddInLoader::Disconnect(AddInEntry& entry, int mode) {
  Log("OnDisconnection", entry);
  CustomArray custom;
  entry.instance->OnDisconnection(static_cast<ext_DisconnectMode>(mode), custom.get());
  entry.connected = false;
  entry.instance = nullptr;
  entry.object = nullptr;
}

void AddInLoader::Fail(AddInEntry& entry, const std::u16string& why) {
  Log("Failed", entry);
  entry.failure = why;
  entry.instance = nullptr;
  entry.object = nullptr;
  entry.loadBehavior = kUnloaded;
  WriteLoadBehavior(entry, kUnloaded);
}

}  // namespace corvane::sim::office
