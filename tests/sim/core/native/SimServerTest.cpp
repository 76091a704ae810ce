// The in-process server started through COM's registry path. Natively the
// server and the tests share the sim library, so a test factory stands in
// for Excel; on Windows the server carries its own sim and starts the real
// simulated Excel (tested with it).
#include <gtest/gtest.h>

#include "platform/com/ComError.h"
#include "platform/registry/ScratchRegistry.h"
#include "sim/core/ApplicationFactory.h"
#include "sim/core/ExcelInstallation.h"
#include "tests/sim/core/Widget.h"

namespace corvane::sim::testing {
namespace {

using com::ComPtr;

class SimServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = SetApplicationFactory([this] {
      ++started_;
      return ComPtr<IDispatch>(com::Make<Widget>(model_).get());
    });
  }
  void TearDown() override { SetApplicationFactory(std::move(saved_)); }

  HRESULT Create(ComPtr<IDispatch>& out) {
    return CoCreateInstance(kExcelApplicationClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, out.put_void());
  }

  registry::ScratchRegistry scratch_;
  ApplicationFactory saved_;
  std::shared_ptr<WidgetModel> model_ = std::make_shared<WidgetModel>();
  int started_ = 0;
};

TEST_F(SimServerTest, EveryCreationStartsANewApplication) {
  ExcelInstallation installed;
  ComPtr<IDispatch> first, second;
  ASSERT_EQ(Create(first), S_OK);
  ASSERT_EQ(Create(second), S_OK);
  EXPECT_EQ(started_, 2);
  EXPECT_NE(first, second);
  EXPECT_TRUE(first.try_query<IConnectionPointContainer>());
}

TEST_F(SimServerTest, NotInstalledOrNotStartableFailsTheCreation) {
  ComPtr<IDispatch> app;
  EXPECT_EQ(Create(app), REGDB_E_CLASSNOTREG);
  ExcelInstallation installed;
  SetApplicationFactory({});
  EXPECT_EQ(Create(app), static_cast<HRESULT>(0x800401F5));
  EXPECT_FALSE(app);
  EXPECT_EQ(started_, 0);
}

TEST_F(SimServerTest, TheFactoryRefusesAggregationAndOtherClasses) {
  ExcelInstallation installed;
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(
      CoGetClassObject(kExcelApplicationClsid, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory, factory.put_void()),
      S_OK);
  const auto outer = com::Make<Plain>();
  ComPtr<IUnknown> aggregated;
  EXPECT_EQ(factory->CreateInstance(outer->identity(), IID_IUnknown, aggregated.put_void()), CLASS_E_NOAGGREGATION);
  EXPECT_EQ(factory->LockServer(TRUE), S_OK);
  EXPECT_EQ(factory->LockServer(FALSE), S_OK);
  EXPECT_EQ(started_, 0);
}

}  // namespace
}  // namespace corvane::sim::testing
