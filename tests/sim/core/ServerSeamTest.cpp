// The pieces by which Excel is installed, started and found running: the
// application factory, the class entries, the running object table entry.
#include <gtest/gtest.h>

#include "platform/com/ComError.h"
#include "platform/registry/Registry.h"
#include "platform/registry/ScratchRegistry.h"
#include "sim/core/ApplicationFactory.h"
#include "sim/core/ExcelInstallation.h"
#include "sim/core/HostError.h"
#include "sim/core/RunningRegistration.h"
#include "tests/sim/core/Widget.h"

namespace corvane::sim::testing {
namespace {

using com::ComPtr;

// Puts back the factory the sim registered for itself.
class FactoryScope {
 public:
  ~FactoryScope() { SetApplicationFactory(std::move(saved_)); }

 private:
  ApplicationFactory saved_ = SetApplicationFactory({});
};

TEST(ApplicationFactoryTest, StartsThroughTheRegisteredFactoryOnly) {
  FactoryScope scope;
  EXPECT_FALSE(HasApplicationFactory());
  EXPECT_THROW(StartApplication(), HostError);

  auto model = std::make_shared<WidgetModel>();
  int started = 0;
  SetApplicationFactory([&] {
    ++started;
    return ComPtr<IDispatch>(com::Make<Widget>(model).get());
  });
  const auto first = StartApplication();
  const auto second = StartApplication();
  EXPECT_EQ(started, 2);
  EXPECT_NE(first, second);

  SetApplicationFactory([] { return ComPtr<IDispatch>(); });
  EXPECT_THROW(StartApplication(), HostError);
}

std::u16string ClassesRootDefault(const std::u16string& key) {
  registry::Registry classes(HKEY_CLASSES_ROOT);
  if (!classes.OpenKeyReadOnly(u"\\" + key)) return u"<missing>";
  return classes.ReadString(u"");
}

TEST(ExcelInstallationTest, ProgIdResolvesWhileInstalledAndNotAfter) {
  CLSID found{};
  registry::ScratchRegistry scratch;
  {
    ExcelInstallation installed(u"/nowhere/simexcel", 10);
    ASSERT_EQ(CLSIDFromProgID(OLESTR("Excel.Application"), &found), S_OK);
    EXPECT_TRUE(IsEqualCLSID(found, kExcelApplicationClsid));
    EXPECT_EQ(ClassesRootDefault(u"Excel.Application\\CurVer"), u"Excel.Application.10");
    EXPECT_EQ(ClassesRootDefault(u"CLSID\\{00024500-0000-0000-C000-000000000046}\\InprocServer32"),
              u"/nowhere/simexcel");
    EXPECT_EQ(installed.versionedProgId(), u"Excel.Application.10");
  }
  EXPECT_TRUE(FAILED(CLSIDFromProgID(OLESTR("Excel.Application"), &found)));
  EXPECT_EQ(ClassesRootDefault(u"Excel.Application\\CurVer"), u"<missing>");
}

TEST(ExcelInstallationTest, TheDefaultServerPathNamesTheBuiltServer) {
  const std::u16string path = ExcelInstallation::ServerPath();
  ASSERT_FALSE(path.empty());
  EXPECT_NE(path.find(u"simexcel"), std::u16string::npos);
}

TEST(RunningRegistrationTest, GetActiveObjectFindsTheApplicationUntilRevoked) {
  auto model = std::make_shared<WidgetModel>();
  auto application = com::Make<Widget>(model);
  const long refs = Instrumentation::Instance().OutstandingReferences(u"Widget");
  RunningRegistration running(application->identity(), kExcelApplicationClsid);
  EXPECT_TRUE(running.active());
  {
    ComPtr<IUnknown> found;
    ASSERT_EQ(GetActiveObject(kExcelApplicationClsid, nullptr, found.put()), S_OK);
    EXPECT_EQ(found.get(), application->identity());
  }
  // The table holds the application while it runs (how many references is
  // the runtime's affair: Windows' table keeps more than one).
  EXPECT_GT(Instrumentation::Instance().OutstandingReferences(u"Widget"), refs);
  RunningRegistration moved(std::move(running));
  EXPECT_FALSE(running.active());
  moved.Revoke();
  EXPECT_FALSE(moved.active());
  ComPtr<IUnknown> gone;
  EXPECT_EQ(GetActiveObject(kExcelApplicationClsid, nullptr, gone.put()), MK_E_UNAVAILABLE);
  EXPECT_EQ(Instrumentation::Instance().OutstandingReferences(u"Widget"), refs);
}

}  // namespace
}  // namespace corvane::sim::testing
