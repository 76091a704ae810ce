// Host recognition by the application interface a host answers, in the
// order of the host table, against hosts that answer chosen interfaces.
#include <gtest/gtest.h>

#include <vector>

#include "framework/commandbars/OfficeIds.h"
#include "framework/hosting/HostInterfaces.h"
#include "platform/com/ComObject.h"
#include "tests/framework/TestModule.h"

namespace corvane::framework::testing {
namespace {

// Answers the given interface ids (as dispatch interfaces) and fails every
// call, counting them.
class FakeHost final : public com::ComObject<IDispatch> {
 public:
  explicit FakeHost(std::vector<IID> answers) : answers_(std::move(answers)) {}

  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    ++calls;
    return DISP_E_UNKNOWNNAME;
  }
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    ++calls;
    return DISP_E_MEMBERNOTFOUND;
  }

  int calls = 0;

 protected:
  void* QueryOther(REFIID riid) override {
    if (IsEqualIID(riid, IID_IDispatch)) return static_cast<IDispatch*>(this);
    for (const auto& iid : answers_) {
      if (IsEqualIID(riid, iid)) return static_cast<IDispatch*>(this);
    }
    return nullptr;
  }

 private:
  std::vector<IID> answers_;
};

IID IidOf(TkvxOfficeHostApp kind) {
  for (const auto& row : HostInterfaces()) {
    if (row.kind == kind) return row.iid;
  }
  ADD_FAILURE() << "no interface for host " << int(kind);
  return {};
}

TEST(HostDetectionTest, EachHostIsKnownByItsApplicationInterface) {
  for (TkvxOfficeHostApp kind : {ohaWord, ohaExcel, ohaOutlook, ohaAccess, ohaProject, ohaPowerPoint, ohaFrontPage,
                                 ohaMapPoint, ohaVisio, ohaPublisher}) {
    TTestModule module;
    com::ComPtr<FakeHost> host = com::ComPtr<FakeHost>::adopt(new FakeHost({IidOf(kind)}));
    module.SetHostApp(com::ComPtr<IDispatch>(host.get()));
    module.DetectHost();
    EXPECT_TRUE(module.HostRecognised()) << int(kind);
    EXPECT_EQ(module.HostKind(), kind);
    EXPECT_EQ(module.ExcelApp() != nullptr, kind == ohaExcel) << int(kind);
  }
  EXPECT_EQ(HostInterfaces().size(), 10u);
}

TEST(HostDetectionTest, TheFirstInterfaceInTableOrderDecides) {
  // Word is asked before Excel, Access before PowerPoint.
  struct Case {
    std::vector<TkvxOfficeHostApp> answers;
    TkvxOfficeHostApp expected;
  };
  const Case cases[] = {
      {{ohaExcel, ohaWord}, ohaWord},
      {{ohaPowerPoint, ohaAccess}, ohaAccess},
      {{ohaPublisher, ohaVisio, ohaMapPoint}, ohaMapPoint},
  };
  for (const auto& c : cases) {
    std::vector<IID> iids;
    for (auto kind : c.answers) iids.push_back(IidOf(kind));
    TTestModule module;
    auto host = com::ComPtr<FakeHost>::adopt(new FakeHost(iids));
    module.SetHostApp(com::ComPtr<IDispatch>(host.get()));
    module.DetectHost();
    EXPECT_EQ(module.HostKind(), c.expected);
  }
}

TEST(HostDetectionTest, MapPointHasNoCommandBarsAndIsNotAsked) {
  TTestModule module;
  auto host = com::ComPtr<FakeHost>::adopt(new FakeHost({IidOf(ohaMapPoint)}));
  module.SetHostApp(com::ComPtr<IDispatch>(host.get()));
  module.DetectHost();
  EXPECT_FALSE(module.GetCommandBars());
  EXPECT_EQ(host->calls, 0);
}

TEST(HostDetectionTest, AHostWithoutCommandBarsGivesNullAndLookupsGiveNull) {
  TTestModule module;
  auto host = com::ComPtr<FakeHost>::adopt(new FakeHost({IidOf(ohaWord)}));
  module.SetHostApp(com::ComPtr<IDispatch>(host.get()));
  module.DetectHost();
  EXPECT_FALSE(module.GetCommandBars());
  EXPECT_GT(host->calls, 0);  // asked, and the failure swallowed
  EXPECT_FALSE(module.FindCommandBar(u"Standard"));
  EXPECT_FALSE(module.FindHostControlByTag(1, u"{tag}"));
  EXPECT_FALSE(module.FindHostControlById(1, 3));
}

TEST(HostDetectionTest, TheAddInEntryIsHeldOnlyAsOfficesAddInObject) {
  TTestModule module;
  auto entry = com::ComPtr<FakeHost>::adopt(new FakeHost({kCOMAddInIid}));
  auto other = com::ComPtr<FakeHost>::adopt(new FakeHost({}));
  module.SetAddInEntry(entry.get());
  EXPECT_EQ(module.AddInEntry().get(), static_cast<IDispatch*>(entry.get()));
  module.SetAddInEntry(other.get());
  EXPECT_FALSE(module.AddInEntry());
  module.SetAddInEntry(entry.get());
  module.SetAddInEntry(nullptr);
  EXPECT_FALSE(module.AddInEntry());
}

}  // namespace
}  // namespace corvane::framework::testing
