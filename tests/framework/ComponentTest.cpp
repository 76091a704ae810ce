// Ownership of designed components: creation order, freeing with the
// owner, leaving the owner when freed alone, and the bar's owner check.
#include <gtest/gtest.h>

#include <vector>

#include "framework/commandbars/TkvxCommandBar.h"
#include "framework/design/TComponent.h"
#include "platform/com/ComError.h"
#include "platform/com/Text.h"
#include "tests/framework/TestModule.h"

namespace corvane::framework::testing {
namespace {

// Records its destruction in a shared log.
class TLogged : public TComponent {
 public:
  TLogged(TComponent* owner, std::string name, std::vector<std::string>& log) : TComponent(owner), log_(log) {
    SetName(std::move(name));
  }
  ~TLogged() override { log_.push_back(Name()); }
  std::string_view ClassName() const override { return "TLogged"; }

 private:
  std::vector<std::string>& log_;
};

TEST(ComponentTest, OwnerKeepsCreationOrderAndFreesItsComponentsLastFirst) {
  std::vector<std::string> freed;
  {
    TLogged root(nullptr, "root", freed);
    auto* a = new TLogged(&root, "a", freed);
    new TLogged(&root, "b", freed);
    new TLogged(a, "a1", freed);
    ASSERT_EQ(root.ComponentCount(), 2u);
    EXPECT_EQ(root.Components(0)->Name(), "a");
    EXPECT_EQ(root.Components(1)->Name(), "b");
    EXPECT_EQ(root.FindComponent("b"), root.Components(1));
    EXPECT_EQ(root.FindComponent("a1"), nullptr);  // only direct components
    EXPECT_EQ(a->Owner(), &root);
  }
  // Each logs as its own destructor starts, before the base frees what it
  // owns: the owner first, then its components last created first.
  EXPECT_EQ(freed, (std::vector<std::string>{"root", "b", "a", "a1"}));
}

TEST(ComponentTest, AComponentFreedAloneLeavesItsOwner) {
  std::vector<std::string> freed;
  TLogged root(nullptr, "root", freed);
  auto* a = new TLogged(&root, "a", freed);
  new TLogged(&root, "b", freed);
  delete a;
  ASSERT_EQ(root.ComponentCount(), 1u);
  EXPECT_EQ(root.Components(0)->Name(), "b");
}

TEST(ComponentTest, ABarMustBeOwnedByAModule) {
  std::vector<std::string> freed;
  TLogged notAModule(nullptr, "plain", freed);
  struct Case {
    TComponent* owner;
    const char16_t* message;
  };
  const Case cases[] = {
      {nullptr, u"The TkvxCommandBar class can not be contained in the nil class."},
      {&notAModule, u"The TkvxCommandBar class can not be contained in the TLogged class."},
  };
  for (const auto& c : cases) {
    try {
      new TkvxCommandBar(c.owner);
      ADD_FAILURE() << "no error for a bar without a module";
    } catch (const com::ComError& error) {
      EXPECT_EQ(error.code(), 31112);
      EXPECT_EQ(error.description(), c.message);
    }
  }
  EXPECT_EQ(notAModule.ComponentCount(), 0u);  // the refused bar left no trace
}

TEST(ComponentTest, BarsJoinTheModulesListAndLeaveIt) {
  TTestModule module;
  module.SetSupportedApps({ohaExcel, ohaWord});
  auto* first = new TkvxCommandBar(&module);
  auto* second = new TkvxCommandBar(&module);
  EXPECT_EQ(module.CommandBarList(), (std::vector<TkvxCommandBar*>{first, second}));
  EXPECT_EQ(first->SupportedApps(), (TkvxHostAppSet{ohaExcel, ohaWord}));  // copied from the module
  delete first;
  EXPECT_EQ(module.CommandBarList(), (std::vector<TkvxCommandBar*>{second}));
  EXPECT_EQ(module.ComponentCount(), 1u);
}

}  // namespace
}  // namespace corvane::framework::testing
