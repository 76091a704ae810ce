#include "tests/hosting/ServerFixture.h"

#include "platform/com/Variant.h"
#include "published/Office.h"

namespace corvane::framework::testing {

namespace {
constexpr DISPID kApplicationCommandBars = 0x59F;
}

com::ComPtr<IDispatch> ServerTest::FindBar(const com::ComPtr<IDispatch>& application, std::u16string_view name) {
  com::Dispatch bars(com::Dispatch(application).Get(kApplicationCommandBars).ToDispatch());
  const int32_t count = bars.Get(Office::CommandBars::Count).ToInt32();
  for (int32_t i = 1; i <= count; ++i) {
    com::ComPtr<IDispatch> bar = bars.Get(Office::CommandBars::Item, {com::Variant(i)}).ToDispatch();
    if (com::Dispatch(bar).Get(Office::CommandBar::Name).ToText() == name) return bar;
  }
  return nullptr;
}

com::ComPtr<IDispatch> ServerTest::FindControl(const com::ComPtr<IDispatch>& application, std::u16string_view tag) {
  com::Dispatch bars(com::Dispatch(application).Get(kApplicationCommandBars).ToDispatch());
  return bars
      .Call(Office::CommandBars::FindControl, {com::Variant::Omitted(), com::Variant::Omitted(),
                                               com::Variant(std::u16string(tag)), com::Variant::Omitted()})
      .ToDispatch();
}

}  // namespace corvane::framework::testing
