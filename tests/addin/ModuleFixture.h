// The add-in's module started on the simulated Excel (first start: the
// About box is answered); the module connects Excel's events itself.
#pragma once

#include <memory>
#include <set>

#include "addin/TAddInModule.h"
#include "framework/commandbars/TkvxCommandBarButton.h"
#include "tests/addin/SimExcelFixture.h"

namespace corvane::addin::testing {

// Every tag of the toolbar.
inline const std::set<int> kAllTags = {20, 7,  5,  2,  4,  6,  3,  1,  9,  10, 14, 18,
                                       8,  11, 12, 13, 15, 16, 17, 21, 22, 0,  19};

class ModuleTest : public SimExcelTest {
 protected:
  ModuleTest() {
    presenter.SetFailureReporter([this](const std::string& failure) { unscripted.push_back(failure); });
    presenter.QueueDialog({});  // the About box of the first start
    module = std::make_unique<TAddInModule>();
    module->SetHostApp(run.application);
    module->StartupSequence();
  }
  ~ModuleTest() override {
    module.reset();
    EXPECT_TRUE(unscripted.empty()) << unscripted.front();
  }

  framework::TkvxCommandBarButton& Button(int tag) const {
    return dynamic_cast<framework::TkvxCommandBarButton&>(*module->xlCBar().Controls().FindByTag(tag));
  }
  void Click(int tag) { Button(tag).DoClick(); }
  std::set<int> EnabledTags() const {
    std::set<int> enabled;
    const auto& controls = module->xlCBar().Controls();
    for (size_t i = 0; i < controls.Count(); ++i) {
      if (controls.Items(i).Enabled()) enabled.insert(controls.Items(i).Tag());
    }
    return enabled;
  }
  static std::set<int> AllBut(std::initializer_list<int> tags) {
    std::set<int> result = kAllTags;
    for (int tag : tags) result.erase(tag);
    return result;
  }
  bool Pressed(int tag) const { return Button(tag).State() == framework::kvxMsoButtonDown; }

  std::vector<std::string> unscripted;
  std::unique_ptr<TAddInModule> module;
};

}  // namespace corvane::addin::testing
