#include "tests/sim/office/TestAddIn.h"

#include "tests/sim/office/StubDispatch.h"

#include "platform/com/ComError.h"
#include "platform/com/ComObject.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Text.h"
#include "platform/registry/Registry.h"

namespace corvane::sim::office::testing {

namespace {

constexpr char16_t kAddInsKey[] = u"\\Software\\Microsoft\\Office\\Excel\\Addins\\";

std::string Name(const std::u16string& progId) { return com::Utf16ToUtf8(progId); }

class TestAddIn : public StubDispatch<IDTExtensibility2> {
 public:
  TestAddIn(std::string name, std::shared_ptr<AddInJournal> journal, AddInBehaviour behaviour)
      : name_(std::move(name)), journal_(std::move(journal)), behaviour_(behaviour) {
    ++journal_->liveAddIns;
  }
  ~TestAddIn() override { --journal_->liveAddIns; }

  STDMETHODIMP OnConnection(IDispatch* application, ext_ConnectMode mode, IDispatch* addIn,
                            SAFEARRAY** custom) override {
    Record("OnConnection mode=" + std::to_string(mode) + Present(" app", application) + Present(" addin", addIn) +
           Present(" custom", custom));
    if (behaviour_.failConnection) return E_FAIL;
    if (behaviour_.setsObject && addIn) {
      com::Dispatch(com::ComPtr<IDispatch>(addIn)).Put(7, com::Variant(static_cast<IDispatch*>(this)));
    }
    if (behaviour_.holdsHost) {
      application_ = com::ComPtr<IDispatch>(application);
      addIn_ = com::ComPtr<IDispatch>(addIn);
    }
    return S_OK;
  }
  STDMETHODIMP OnDisconnection(ext_DisconnectMode mode, SAFEARRAY** custom) override {
    Record("OnDisconnection mode=" + std::to_string(mode));
    application_ = nullptr;
    addIn_ = nullptr;
    return S_OK;
  }
  STDMETHODIMP OnAddInsUpdate(SAFEARRAY**) override {
    Record("OnAddInsUpdate");
    return S_OK;
  }
  STDMETHODIMP OnStartupComplete(SAFEARRAY**) override {
    Record("OnStartupComplete");
    Work(behaviour_.onStartupComplete);
    return S_OK;
  }
  STDMETHODIMP OnBeginShutdown(SAFEARRAY**) override {
    Record("OnBeginShutdown");
    Work(behaviour_.onBeginShutdown);
    return S_OK;
  }

 protected:
  void* QueryOther(REFIID riid) override {
    return IsEqualIID(riid, IID_IDispatch) ? static_cast<IDispatch*>(this) : nullptr;
  }

 private:
  static std::string Present(const char* what, const void* p) { return std::string(what) + (p ? "=yes" : "=no"); }
  void Record(const std::string& call) { journal_->calls.push_back(name_ + "." + call); }
  // Nothing crosses the interface as an exception: a failing host call is
  // recorded instead.
  void Work(const std::function<void(IDispatch*)>& work) {
    if (!work) return;
    try {
      work(application_.get());
    } catch (const com::ComError& error) {
      Record("Error " + com::HResultText(error.code()));
    }
  }

  std::string name_;
  std::shared_ptr<AddInJournal> journal_;
  AddInBehaviour behaviour_;
  com::ComPtr<IDispatch> application_;
  com::ComPtr<IDispatch> addIn_;
};

class TestAddInFactory : public com::ComObject<IClassFactory> {
 public:
  TestAddInFactory(std::string name, std::shared_ptr<AddInJournal> journal, AddInBehaviour behaviour)
      : name_(std::move(name)), journal_(std::move(journal)), behaviour_(behaviour) {}

  STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override {
    if (outer) return CLASS_E_NOAGGREGATION;
    auto addIn = com::Make<TestAddIn>(name_, journal_, behaviour_);
    return addIn->QueryInterface(riid, ppv);
  }
  STDMETHODIMP LockServer(BOOL) override { return S_OK; }

 private:
  std::string name_;
  std::shared_ptr<AddInJournal> journal_;
  AddInBehaviour behaviour_;
};

std::u16string GuidText(const GUID& guid) {
  OLECHAR text[40] = {};
  StringFromGUID2(guid, text, 40);
  return std::u16string(com::from_ole(text));
}

}  // namespace

TestAddInClass::TestAddInClass(const std::u16string& progId, const GUID& clsid, std::shared_ptr<AddInJournal> journal,
                               AddInBehaviour behaviour)
    : progId_(progId) {
  registry::Registry classes(HKEY_CLASSES_ROOT);
  if (classes.OpenKey(u"\\" + progId + u"\\CLSID", true)) classes.WriteString(u"", GuidText(clsid));
  auto factory = com::Make<TestAddInFactory>(Name(progId), std::move(journal), behaviour);
  CoRegisterClassObject(clsid, factory.get(), CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_);
}

TestAddInClass::~TestAddInClass() {
  if (cookie_) CoRevokeClassObject(cookie_);
  registry::Registry(HKEY_CLASSES_ROOT).DeleteKey(u"\\" + progId_);
}

void WriteAddInKey(HKEY root, const std::u16string& progId, int32_t loadBehavior) {
  registry::Registry key(root);
  if (!key.OpenKey(kAddInsKey + progId, true)) return;
  key.WriteString(u"FriendlyName", progId + u" add-in");
  key.WriteInteger(u"LoadBehavior", loadBehavior);
}

int32_t ReadLoadBehavior(HKEY root, const std::u16string& progId) {
  registry::Registry key(root);
  if (!key.OpenKeyReadOnly(kAddInsKey + progId) || !key.ValueExists(u"LoadBehavior")) return -1;
  return key.ReadInteger(u"LoadBehavior");
}

}  // namespace corvane::sim::office::testing
