#include "tests/hosting/ConnectionFixture.h"

#include "framework/hosting/GuidText.h"
#include "framework/hosting/HostMainWindow.h"
#include "platform/com/Text.h"
#include "platform/registry/Registry.h"
#include "published/Extensibility.h"
#include "sim/office/OfficeHost.h"
#include "sim/office/OfficeStart.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/CommandBarSet.h"

namespace corvane::hosting::testing {
namespace {

const char kAnchor = 0;  // an address inside the test program

ModuleHooks& Hooks() {
  static ModuleHooks hooks;
  return hooks;
}

// "<event> toolbar=<yes|no> records=<yes|no>": what the host and the
// registry hold when the event is raised.
std::string Describe(const char* event, framework::TkvxCOMAddInModule& module) {
  bool toolbar = false;
  try {
    toolbar = static_cast<bool>(module.FindCommandBar(kToolbar));
  } catch (...) {
  }
  const bool records = registry::Registry(HKEY_CURRENT_USER).KeyExists(kAddInKey + std::u16string(u"\\Controls"));
  return std::string(event) + " toolbar=" + (toolbar ? "yes" : "no") + " records=" + (records ? "yes" : "no");
}

void Watch(framework::TNotifyEvent& event, const char* name, framework::TkvxCOMAddInModule& module,
           std::function<void()> after = {}) {
  framework::TNotifyEvent original = event;
  event = [&module, original, name, after](framework::TObject* Sender) {
    ConnectionTest::Journal().push_back(Describe(name, module));
    if (original) original(Sender);
    if (after) after();
  };
}

std::unique_ptr<framework::TkvxCOMAddInModule> WatchedModule() {
  auto module = std::make_unique<addin::TAddInModule>();
  addin::TAddInModule& m = *module;
  Watch(m.OnAddInInitialize, "initialize", m, [&m] {
    if (Hooks().initialized) Hooks().initialized(m);
  });
  Watch(m.OnAddInStartupComplete, "startup-complete", m);
  Watch(m.OnAddInBeginShutdown, "begin-shutdown", m);
  Watch(m.OnAddInFinalize, "finalize", m);
  m.OnDestroy = [](framework::TObject*) { ConnectionTest::Journal().push_back("destroyed"); };
  if (Hooks().created) Hooks().created(m);
  return module;
}

}  // namespace

ConnectionTest::ConnectionTest()
    : server(&kAnchor, addin::CVFMTypeLib()),
      factory(framework::TkvxFactory::Create(server, &addin::CreateTeaCVFM, addin::kEaCVFMClassId, &WatchedModule)),
      hooks(Hooks()) {
  Journal().clear();
  framework::ResetHostMainWindow();
  presenter.SetFailureReporter([this](const std::string& failure) { unscripted.push_back(failure); });
  registry::Registry classes(HKEY_CLASSES_ROOT);
  if (classes.OpenKey(u"\\" + std::u16string(kProgId) + u"\\CLSID", true))
    classes.WriteString(u"", framework::GuidText(addin::kEaCVFMClassId));
  CoRegisterClassObject(addin::kEaCVFMClassId, static_cast<IClassFactory*>(&factory), CLSCTX_INPROC_SERVER,
                        REGCLS_MULTIPLEUSE, &cookie_);
}

ConnectionTest::~ConnectionTest() {
  RevokeClass();
  registry::Registry(HKEY_CLASSES_ROOT).DeleteKey(u"\\" + std::u16string(kProgId));
  Hooks() = {};
  framework::ResetHostMainWindow();
  EXPECT_TRUE(unscripted.empty()) << unscripted.front();
}

void ConnectionTest::RevokeClass() {
  if (cookie_) CoRevokeClassObject(cookie_);
  cookie_ = 0;
}

std::vector<std::string>& ConnectionTest::Journal() {
  static std::vector<std::string> journal;
  return journal;
}

void ConnectionTest::WriteAddInKey(int32_t loadBehavior) {
  registry::Registry key(HKEY_CURRENT_USER);
  ASSERT_TRUE(key.OpenKey(kAddInKey, true));
  key.WriteString(u"FriendlyName", u"Corvane");
  key.WriteInteger(u"LoadBehavior", loadBehavior);
}

std::u16string ConnectionTest::StoredStartMode() const {
  registry::Registry key(HKEY_CURRENT_USER);
  if (!key.OpenKeyReadOnly(kAddInKey) || !key.ValueExists(u"KVXStartMode")) return u"<none>";
  return key.ReadString(u"KVXStartMode");
}

void ConnectionTest::StoreStartMode(std::u16string_view text) {
  registry::Registry key(HKEY_CURRENT_USER);
  ASSERT_TRUE(key.OpenKey(kAddInKey, true));
  key.WriteString(u"KVXStartMode", text);
}

bool ConnectionTest::RecordsExist() const {
  registry::Registry key(HKEY_CURRENT_USER);
  const std::u16string base = kAddInKey;
  return key.KeyExists(base + u"\\CommandBars") || key.KeyExists(base + u"\\Controls");
}

bool ConnectionTest::HasToolbar(const sim::excel::ExcelRun& run) { return ToolbarButtons(run) >= 0; }

int32_t ConnectionTest::ToolbarButtons(const sim::excel::ExcelRun& run) {
  const auto office = sim::office::OfficeOf(run);
  if (!office || !office->bars()) return -1;
  const auto bar = office->bars()->Find(kToolbar);
  return bar ? bar->Count() : -1;
}

std::shared_ptr<sim::office::AddInEntry> ConnectionTest::Entry(const sim::excel::ExcelRun& run) {
  const auto office = sim::office::OfficeOf(run);
  return office ? office->addIns().Find(kProgId) : nullptr;
}

com::ComPtr<IDTExtensibility2> ConnectionTest::NewConnection() {
  com::ComPtr<IDTExtensibility2> connection;
  EXPECT_EQ(factory.CreateInstance(nullptr, com::iid_of<IDTExtensibility2>(), connection.put_void()), S_OK);
  return connection;
}

}  // namespace corvane::hosting::testing
