// The connection object called directly, as any client of its interfaces
// may: connect modes, its identity and type information, and the failing
// results it returns with the thread's error info.
#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "framework/hosting/TkvxAddin.h"
#include "framework/hosting/TkvxCOMAddInModule.h"
#include "platform/com/Bstr.h"
#include "platform/com/ComError.h"
#include "platform/com/FrameworkError.h"
#include "platform/com/Text.h"
#include "platform/registry/Registry.h"
#include "sim/excel/model/AppModel.h"
#include "tests/hosting/ConnectionFixture.h"

namespace corvane::hosting::testing {
namespace {

constexpr HRESULT kExcelError = static_cast<HRESULT>(0x800A03EC);

using Lines = std::vector<std::string>;

std::u16string ErrorText() {
  com::ComPtr<IErrorInfo> info;
  if (GetErrorInfo(0, info.put()) != S_OK || !info) return u"<no error info>";
  com::Bstr text;
  info->GetDescription(text.put());
  return text.str();
}

TEST_F(ConnectionTest, TheStartupWorkRunsOncePerConnectionWhicheverCallComesFirst) {
  struct Row {
    ext_ConnectMode mode;
    bool atConnection;
  };
  const Row rows[] = {
      {ext_cm_Startup, false}, {ext_cm_AfterStartup, true}, {ext_cm_External, true}, {ext_cm_CommandLine, true}};
  const Lines started = {"initialize toolbar=no records=no", "startup-complete toolbar=yes records=yes"};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.mode);
    // Each row starts from an Excel without the toolbar and its records.
    std::filesystem::remove(data.bars());
    for (const char16_t* records : {u"\\CommandBars", u"\\Controls"}) {
      registry::Registry(HKEY_CURRENT_USER).DeleteKey(kAddInKey + std::u16string(records));
    }
    StoreStartMode(u"NORMAL");
    auto run = StartExcel();  // no add-in key: Office loads nothing itself
    Journal().clear();
    auto connection = NewConnection();
    ASSERT_EQ(connection->OnConnection(run.application.get(), row.mode, nullptr, nullptr), S_OK);
    EXPECT_EQ(Journal(), row.atConnection ? started : Lines{});
    EXPECT_EQ(HasToolbar(run), row.atConnection);

    ASSERT_EQ(connection->OnStartupComplete(nullptr), S_OK);
    EXPECT_EQ(Journal(), started);
    ASSERT_EQ(connection->OnStartupComplete(nullptr), S_OK);  // a second request changes nothing
    EXPECT_EQ(Journal(), started);
    EXPECT_EQ(ToolbarButtons(run), 23);
    EXPECT_EQ(connection->OnAddInsUpdate(nullptr), S_OK);

    ASSERT_EQ(connection->OnBeginShutdown(nullptr), S_OK);
    ASSERT_EQ(connection->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
    EXPECT_EQ(Journal().back(), "destroyed");
    EXPECT_TRUE(run.model->Quit());
  }
}

TEST_F(ConnectionTest, UnloadedBeforeStartupCompletedTheModuleIsStillFinalizedAndFreed) {
  auto run = StartExcel();
  auto connection = NewConnection();
  ASSERT_EQ(connection->OnConnection(run.application.get(), ext_cm_Startup, nullptr, nullptr), S_OK);
  ASSERT_EQ(connection->OnDisconnection(ext_dm_UserClosed, nullptr), S_OK);
  EXPECT_EQ(Journal(), (Lines{"begin-shutdown toolbar=no records=no", "finalize toolbar=no records=no", "destroyed"}));
  EXPECT_FALSE(HasToolbar(run));
  // Disconnected, the object has nothing left to start.
  EXPECT_EQ(connection->OnStartupComplete(nullptr), E_UNEXPECTED);
  EXPECT_TRUE(run.model->Quit());
}

TEST_F(ConnectionTest, TheObjectIsOneIdentityWithTheDefaultInterfacesTypeInfo) {
  auto connection = NewConnection();
  EXPECT_EQ(server.ObjectCount(), 1);
  com::ComPtr<IUnknown> unknown;
  com::ComPtr<IDispatch> dispatch;
  com::ComPtr<IDispatch> own;
  ASSERT_EQ(connection->QueryInterface(IID_IUnknown, unknown.put_void()), S_OK);
  ASSERT_EQ(unknown->QueryInterface(IID_IDispatch, dispatch.put_void()), S_OK);
  ASSERT_EQ(unknown->QueryInterface(com::iid_of<IeaCVFM>(), own.put_void()), S_OK);
  EXPECT_EQ(own.get(), dispatch.get());  // IeaCVFM is answered with the object's IDispatch
  com::ComPtr<IUnknown> back;
  ASSERT_EQ(own->QueryInterface(IID_IUnknown, back.put_void()), S_OK);
  EXPECT_EQ(back.get(), unknown.get());
  com::ComPtr<IUnknown> none;
  EXPECT_EQ(unknown->QueryInterface(IID_IClassFactory, none.put_void()), E_NOINTERFACE);

  UINT count = 0;
  ASSERT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 1u);
  com::ComPtr<ITypeInfo> info;
  ASSERT_EQ(dispatch->GetTypeInfo(0, 0, info.put()), S_OK);
  com::Bstr name;
  ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, name.put(), nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(name.str(), u"IeaCVFM");
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(info->GetTypeAttr(&attr), S_OK);
  EXPECT_TRUE(IsEqualGUID(attr->guid, com::iid_of<IeaCVFM>()));
  info->ReleaseTypeAttr(attr);
  com::ComPtr<ITypeInfo> beyond;
  EXPECT_EQ(dispatch->GetTypeInfo(1, 0, beyond.put()), DISP_E_BADINDEX);

  // The interface has no members: no name is known, no member answers.
  std::u16string member = u"OnConnection";
  LPOLESTR names[] = {com::ole_mutable(member)};
  DISPID id = 0;
  EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, 0, &id), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(id, DISPID_UNKNOWN);
  DISPPARAMS none_params = {nullptr, nullptr, 0, 0};
  EXPECT_TRUE(FAILED(dispatch->Invoke(1, IID_NULL, 0, DISPATCH_METHOD, &none_params, nullptr, nullptr, nullptr)));
  EXPECT_EQ(dispatch->Invoke(1, IID_IUnknown, 0, DISPATCH_METHOD, &none_params, nullptr, nullptr, nullptr),
            DISP_E_UNKNOWNINTERFACE);

  unknown.reset();
  dispatch.reset();
  own.reset();
  back.reset();
  connection.reset();
  EXPECT_EQ(server.ObjectCount(), 0);
}

TEST_F(ConnectionTest, CallsOutsideAConnectionFailWithUnexpectedAndSayWhy) {
  auto connection = NewConnection();
  EXPECT_EQ(connection->OnStartupComplete(nullptr), E_UNEXPECTED);
  EXPECT_EQ(ErrorText(), u"The add-in is not connected.");
  EXPECT_EQ(connection->OnBeginShutdown(nullptr), E_UNEXPECTED);
  EXPECT_EQ(ErrorText(), u"The add-in is not connected.");
  EXPECT_EQ(connection->OnDisconnection(ext_dm_UserClosed, nullptr), E_UNEXPECTED);
  EXPECT_EQ(ErrorText(), u"The add-in is not connected.");
  EXPECT_EQ(connection->OnAddInsUpdate(nullptr), S_OK);

  auto run = StartExcel();
  StoreStartMode(u"NORMAL");
  ASSERT_EQ(connection->OnConnection(run.application.get(), ext_cm_Startup, nullptr, nullptr), S_OK);
  // A second connection would lose the first module's finalization.
  EXPECT_EQ(connection->OnConnection(run.application.get(), ext_cm_AfterStartup, nullptr, nullptr), E_UNEXPECTED);
  EXPECT_EQ(ErrorText(), u"The add-in is already connected.");
  EXPECT_EQ(Journal(), Lines{});
  ASSERT_EQ(connection->OnDisconnection(ext_dm_HostShutdown, nullptr), S_OK);
  EXPECT_TRUE(run.model->Quit());
}

// Clients ask before they read the thread's error info after a failure.
TEST_F(ConnectionTest, TheObjectSaysWhichInterfacesLeaveErrorInfo) {
  auto connection = NewConnection();
  com::ComPtr<ISupportErrorInfo> support;
  ASSERT_EQ(connection->QueryInterface(IID_ISupportErrorInfo, support.put_void()), S_OK);
  com::ComPtr<IUnknown> viaSupport, viaConnection;
  ASSERT_EQ(support->QueryInterface(IID_IUnknown, viaSupport.put_void()), S_OK);
  ASSERT_EQ(connection->QueryInterface(IID_IUnknown, viaConnection.put_void()), S_OK);
  EXPECT_EQ(viaSupport.get(), viaConnection.get()) << "one identity";
  const struct {
    const IID& iid;
    HRESULT answer;
  } rows[] = {{com::iid_of<IDTExtensibility2>(), S_OK},
              {com::iid_of<IeaCVFM>(), S_OK},
              {IID_IDispatch, S_FALSE},
              {IID_IUnknown, S_FALSE},
              {IID_IClassFactory, S_FALSE}};
  for (const auto& row : rows) EXPECT_EQ(support->InterfaceSupportsErrorInfo(row.iid), row.answer);

  // What it promises holds: a failing call leaves its text behind.
  EXPECT_EQ(connection->OnStartupComplete(nullptr), E_UNEXPECTED);
  EXPECT_EQ(ErrorText(), u"The add-in is not connected.");
}

TEST_F(ConnectionTest, AFailingModuleCreationIsTheConnectionsFailingResult) {
  struct Row {
    const char* what;
    std::function<void()> raise;
    HRESULT result;
    std::u16string text;
  };
  const Row rows[] = {
      {"an OLE error keeps its code", [] { throw com::ComError(kExcelError, u"Design damaged"); }, kExcelError,
       u"Design damaged"},
      {"a framework error", [] { com::RaiseFrameworkError(com::FrameworkError::kEmptyProperty, {u"AddInName"}); },
       E_UNEXPECTED, u"The AddInName property can not be empty."},
      {"any other error", [] { throw std::runtime_error("out of order"); }, E_UNEXPECTED, u"out of order"},
  };
  auto run = StartExcel();
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    hooks.created = [&](addin::TAddInModule&) { row.raise(); };
    auto connection = NewConnection();
    EXPECT_EQ(connection->OnConnection(run.application.get(), ext_cm_AfterStartup, nullptr, nullptr), row.result);
    EXPECT_EQ(ErrorText(), row.text);
    EXPECT_FALSE(HasToolbar(run));
  }
  EXPECT_TRUE(run.model->Quit());
}

}  // namespace
}  // namespace corvane::hosting::testing
