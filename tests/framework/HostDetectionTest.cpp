// Host recognition by the application interface a host answers, in the
// order of the host table, against hosts that answer chosen interfaces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/commandbars/ControlBuilding.h"
#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/events/TkvxCustomEvents.h"
#include "platform/com/Text.h"
#include "published/Office.h"
#include "tests/framework/FakeHost.h"
#include "tests/framework/TestModule.h"
#include "tests/framework/events/EventsFixture.h"

namespace corvane::framework::testing {
namespace {

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

// An event component standing in for the hosts' own, by class name: it
// records how the module connected it.
class TStandInEvents final : public TkvxCustomEvents {
 public:
  TStandInEvents(TComponent* Owner, std::string_view Class) : TkvxCustomEvents(Owner, Data(), Class), class_(Class) {}
  std::string_view ClassName() const override { return class_; }
  void ConnectTo(IUnknown*) override { connected = "plain"; }
  void ConnectToVersion(IUnknown*, std::u16string_view Version) override {
    connected = "version " + com::Utf16ToUtf8(Version);
  }
  void Disconnect() override {}

  std::string connected;

 private:
  static TkvxServerData& Data() {
    static TkvxServerData data{};
    return data;
  }
  std::string class_;
};

TEST(HostDetectionTest, VersionedHostsConnectTheirEventComponentWithTheMajorVersion) {
  struct Host {
    TkvxOfficeHostApp kind;
    std::string_view eventClass;
  };
  struct VersionText {
    std::u16string text;
    std::string major;
  };
  const Host hosts[] = {
      {ohaWord, "TkvxWordAppEvents"}, {ohaOutlook, "TkvxOutlookAppEvents"}, {ohaProject, "TkvxProjectAppEvents"}};
  // Up to the first "." unless the text starts with it.
  const VersionText versions[] = {{u"11.0", "11"}, {u"9.0.3821", "9"}, {u"12", "12"}, {u".5", ".5"}, {u"", ""}};
  for (const Host& row : hosts) {
    for (const VersionText& version : versions) {
      SCOPED_TRACE(std::string(row.eventClass) + " " + version.major);
      TTestModule module;
      auto* other = new TStandInEvents(&module, "TkvxSomeOtherEvents");
      auto* first = new TStandInEvents(&module, row.eventClass);
      auto* second = new TStandInEvents(&module, row.eventClass);
      com::ComPtr<FakeHost> host = com::ComPtr<FakeHost>::adopt(new FakeHost({IidOf(row.kind)}));
      host->version = version.text;
      module.SetHostApp(com::ComPtr<IDispatch>(host.get()));
      module.DetectHost();
      EXPECT_EQ(module.HostKind(), row.kind);
      EXPECT_EQ(module.ConnectedEvents(), first);
      EXPECT_EQ(first->connected, "version " + version.major);
      EXPECT_EQ(second->connected, "");
      EXPECT_EQ(other->connected, "");
    }
  }
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

  // Neither a bar nor a control is built there: framework error 31110,
  // raised by the bar and reported by the control.
  ErrorLog errors(module);
  auto* bar = new TkvxCommandBar(&module);
  bar->SetSupportedApps(TkvxHostAppSet{ohaMapPoint});
  try {
    bar->BuildCommandBar();
    ADD_FAILURE() << "built";
  } catch (const com::ComError& error) {
    EXPECT_EQ(error.code(), 31110);
    EXPECT_EQ(error.description(), u"Can not add a control to MS MapPoint.");
  }
  BuildControl(bar->Controls().AddControl(kvxKindButton), nullptr);
  EXPECT_EQ(errors.messages, std::vector<std::string>{"Can not add a control to MS MapPoint."});
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
  auto entry = com::ComPtr<FakeHost>::adopt(new FakeHost({Office::COMAddIn::iid}));
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
