// The add-in library itself: its type library as both builds serve it, the
// server's counters, and the real library loaded through the COM runtime
// from the registry, as Office and a registration tool load it.
#include <gtest/gtest.h>

#include "framework/hosting/ClassRegistration.h"
#include "platform/com/Bstr.h"
#include "platform/com/ModulePath.h"
#include "platform/com/OwnTypeLib.h"
#include "platform/com/ServerRegistration.h"
#include "platform/com/Text.h"
#include "published/Extensibility.h"
#include "tests/hosting/ServerFixture.h"

namespace corvane::framework::testing {
namespace {

std::u16string LibraryPath() {
  const std::u16string file = com::Utf8ToUtf16(CORVANE_LIBRARY_FILE);
  if (!com::FolderOfPath(file).empty()) return file;
  static const int here = 0;
  return com::ModuleSiblingPath(&here, file);
}

// The embedded library (Windows) must say what the description says.
TEST(CVFMTypeLib, TheEmbeddedLibraryAgreesWithItsDescription) {
  static const int here = 0;
  const com::TypeLibDescription d = addin::CVFMTypeLib();
  com::ComPtr<ITypeLib> lib;
  ASSERT_EQ(com::LoadOwnTypeLib(com::ModulePathOf(&here), d, lib.put()), S_OK);
  TLIBATTR* attr = nullptr;
  ASSERT_EQ(lib->GetLibAttr(&attr), S_OK);
  EXPECT_TRUE(IsEqualGUID(attr->guid, addin::kCVFMLibraryId));
  EXPECT_EQ(attr->wMajorVerNum, 1);
  EXPECT_EQ(attr->wMinorVerNum, 0);
  EXPECT_EQ(attr->lcid, 0x0409u);
  EXPECT_EQ(attr->syskind, d.syskind);
  lib->ReleaseTLibAttr(attr);
  com::Bstr name, help;
  ASSERT_EQ(lib->GetDocumentation(-1, name.put(), help.put(), nullptr, nullptr), S_OK);
  EXPECT_EQ(name.str(), u"CVFM");
  EXPECT_EQ(help.str(), u"CVFM Library");
  EXPECT_TRUE(IsEqualIID(addin::kIeaCVFMIid, com::iid_of<IeaCVFM>()));
  for (const auto& type : d.types) {
    SCOPED_TRACE(com::Utf16ToUtf8(type.name));
    com::ComPtr<ITypeInfo> info;
    ASSERT_EQ(lib->GetTypeInfoOfGuid(type.guid, info.put()), S_OK);
    TYPEATTR* typeAttr = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&typeAttr), S_OK);
    EXPECT_EQ(typeAttr->typekind, com::TypeKindOf(type.kind));
    EXPECT_EQ(typeAttr->wTypeFlags & type.typeFlags, type.typeFlags);
    EXPECT_EQ(typeAttr->cImplTypes, type.kind == com::TypeKind::CoClass ? 1 : typeAttr->cImplTypes);
    info->ReleaseTypeAttr(typeAttr);
    com::Bstr typeName, typeHelp;
    ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, typeName.put(), typeHelp.put(), nullptr, nullptr), S_OK);
    EXPECT_EQ(typeName.str(), type.name);
    EXPECT_EQ(typeHelp.str(), type.helpString);
  }
}

using CountersTest = ServerTest;

TEST_F(CountersTest, TheServerCannotUnloadWhileAFactoryReferenceOrAnObjectIsHeld) {
  EXPECT_EQ(server->CanUnloadNow(), S_OK);
  com::ComPtr<IClassFactory> classFactory;
  ASSERT_EQ(server->GetClassObject(addin::kEaCVFMClassId, IID_IClassFactory, classFactory.put_void()), S_OK);
  EXPECT_EQ(server->CanUnloadNow(), S_FALSE);
  com::ComPtr<IDTExtensibility2> connection;
  ASSERT_EQ(classFactory->CreateInstance(nullptr, com::iid_of<IDTExtensibility2>(), connection.put_void()), S_OK);
  classFactory = nullptr;
  EXPECT_EQ(server->CanUnloadNow(), S_FALSE) << "Office holds the object";
  connection = nullptr;
  EXPECT_EQ(server->CanUnloadNow(), S_OK);

  ASSERT_EQ(server->GetClassObject(addin::kEaCVFMClassId, IID_IClassFactory, classFactory.put_void()), S_OK);
  ASSERT_EQ(classFactory->LockServer(TRUE), S_OK);
  classFactory = nullptr;
  EXPECT_EQ(server->CanUnloadNow(), S_FALSE) << "a lock counts as an object";
  ASSERT_EQ(server->GetClassObject(addin::kEaCVFMClassId, IID_IClassFactory, classFactory.put_void()), S_OK);
  ASSERT_EQ(classFactory->LockServer(FALSE), S_OK);
  classFactory = nullptr;
  EXPECT_EQ(server->CanUnloadNow(), S_OK);
}

// A client's stray unlock must not count the server below zero, after which
// it could never unload.
TEST_F(CountersTest, AnUnlockWithoutALockIsIgnored) {
  com::ComPtr<IClassFactory> classFactory;
  ASSERT_EQ(server->GetClassObject(addin::kEaCVFMClassId, IID_IClassFactory, classFactory.put_void()), S_OK);
  const struct {
    BOOL lock;
    long objects;
  } steps[] = {{FALSE, 0}, {FALSE, 0}, {TRUE, 1}, {TRUE, 2}, {FALSE, 1}, {FALSE, 0}, {FALSE, 0}, {TRUE, 1}};
  for (const auto& step : steps) {
    EXPECT_EQ(classFactory->LockServer(step.lock), S_OK);
    EXPECT_EQ(server->ObjectCount(), step.objects);
  }
  classFactory = nullptr;
  EXPECT_EQ(server->CanUnloadNow(), S_FALSE) << "one lock is still held";
  ASSERT_EQ(server->GetClassObject(addin::kEaCVFMClassId, IID_IClassFactory, classFactory.put_void()), S_OK);
  EXPECT_EQ(classFactory->LockServer(FALSE), S_OK);
  classFactory = nullptr;
  EXPECT_EQ(server->CanUnloadNow(), S_OK);
}

TEST_F(CountersTest, ClassObjectResultsForOtherClassesAndInterfaces) {
  void* object = reinterpret_cast<void*>(1);
  EXPECT_EQ(server->GetClassObject(sim::kExcelApplicationClsid, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(server->GetClassObject(addin::kEaCVFMClassId, IID_IDispatch, &object), E_NOINTERFACE);
  EXPECT_EQ(server->CanUnloadNow(), S_OK);
  com::ComPtr<IClassFactory> classFactory;
  ASSERT_EQ(server->GetClassObject(addin::kEaCVFMClassId, IID_IUnknown, classFactory.put_void()), S_OK);
  com::ComPtr<IUnknown> outer;
  ASSERT_EQ(server->GetClassObject(addin::kEaCVFMClassId, IID_IUnknown, outer.put_void()), S_OK);
  EXPECT_EQ(classFactory->CreateInstance(outer.get(), IID_IUnknown, &object), CLASS_E_NOAGGREGATION);
  EXPECT_EQ(object, nullptr);
  // Multiple instancing: each request is a new object.
  com::ComPtr<IUnknown> first, second;
  ASSERT_EQ(classFactory->CreateInstance(nullptr, IID_IUnknown, first.put_void()), S_OK);
  ASSERT_EQ(classFactory->CreateInstance(nullptr, IID_IUnknown, second.put_void()), S_OK);
  EXPECT_NE(first.get(), second.get());
  EXPECT_EQ(factory->ClassName(), u"eaCVFM");
  EXPECT_EQ(factory->GetProgID(), kProgId);
  EXPECT_EQ(factory->GetAddinKey(ohaExcel), kAddinKey);
  EXPECT_EQ(factory->GetAddinKey(ohaVisio), u"\\Software\\Microsoft\\Visio\\AddIns\\CVFM.eaCVFM");
}

using RealLibraryTest = ServerTest;

TEST_F(RealLibraryTest, RegisteredThroughItsExportsAndLoadedByTheRuntimeFromTheRegistry) {
  const std::u16string path = LibraryPath();
  ASSERT_EQ(com::CallRegistrationExport(path, true), S_OK);
  EXPECT_EQ(StringAt(HKEY_CLASSES_ROOT, std::u16string(kClassKey) + u"\\InprocServer32", u""),
            RegisteredServerPath(path));
  EXPECT_EQ(IntegerAt(HKEY_CURRENT_USER, kAddinKey, u"LoadBehavior"), 3);

  CLSID classId{};
  ASSERT_EQ(CLSIDFromProgID(com::ole(kProgId), &classId), S_OK);
  ASSERT_TRUE(IsEqualCLSID(classId, addin::kEaCVFMClassId));
  com::ComPtr<IClassFactory> classFactory;
  ASSERT_EQ(CoGetClassObject(classId, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, classFactory.put_void()), S_OK);
  com::ComPtr<IDispatch> connection;
  ASSERT_EQ(classFactory->CreateInstance(nullptr, IID_IDispatch, connection.put_void()), S_OK);
  com::ComPtr<IUnknown> asExtensibility, asDefault;
  EXPECT_EQ(connection->QueryInterface(com::iid_of<IDTExtensibility2>(), asExtensibility.put_void()), S_OK);
  EXPECT_EQ(connection->QueryInterface(com::iid_of<IeaCVFM>(), asDefault.put_void()), S_OK);
  com::ComPtr<ITypeInfo> info;
  ASSERT_EQ(connection->GetTypeInfo(0, 0x0409, info.put()), S_OK);
  com::Bstr name;
  ASSERT_EQ(info->GetDocumentation(MEMBERID_NIL, name.put(), nullptr, nullptr, nullptr), S_OK);
  EXPECT_EQ(name.str(), u"IeaCVFM");
  connection = nullptr;
  asExtensibility = nullptr;
  asDefault = nullptr;
  classFactory = nullptr;

  ASSERT_EQ(com::CallRegistrationExport(path, false), S_OK);
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kClassKey));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, u"\\CVFM.eaCVFM"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kAddinKey));
  EXPECT_FALSE(ExcelRunning()) << "the Excel started for unregistration quit";
  EXPECT_EQ(com::CallRegistrationExport(path + u".missing", true), HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND));
}

}  // namespace
}  // namespace corvane::framework::testing
