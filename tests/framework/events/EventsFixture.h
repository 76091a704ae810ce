// What the event tests share: a module whose OnError records what
// HandleError received, a started simulated Excel, and the description of
// an event argument as a test compares it ("wb:Book1", "rg:$B$2",
// "cancel:0", ...).
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Text.h"
#include "platform/registry/ScratchRegistry.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/ScriptedPresenter.h"
#include "published/Excel.h"
#include "sim/core/Instrumentation.h"
#include "sim/excel/objects/ExcelStart.h"
#include "tests/framework/TestModule.h"

namespace corvane::framework::testing {

// The message of every exception that reached the module's HandleError.
struct ErrorLog {
  explicit ErrorLog(TkvxCOMAddInModule& module) {
    module.OnError = [this](TObject*, const std::exception& E, bool& Handled) {
      const auto* com = dynamic_cast<const com::ComError*>(&E);
      messages.push_back(com && !com->description().empty() ? com::Utf16ToUtf8(com->description()) : E.what());
      Handled = true;
    };
  }
  std::vector<std::string> messages;
};

// "wb:Book1" for a workbook, "sh:" a worksheet, "rg:" a range (its
// address), "wn:" a window (its caption), "pt:" a pivot table; "nothing"
// for null.
inline std::string DescribeObject(IDispatch* object) {
  if (!object) return "nothing";
  struct Kind {
    IID iid;
    const char* prefix;
    DISPID member;
  };
  static const Kind kinds[] = {{Excel::Workbook::iid, "wb:", 0x6E},
                               {Excel::Worksheet::iid, "sh:", 0x6E},
                               {Excel::Range::iid, "rg:", 0xEC},
                               {Excel::Window::iid, "wn:", 0x8B},
                               {Excel::PivotTable::iid, "pt:", 0x6E}};
  for (const Kind& kind : kinds) {
    com::ComPtr<IUnknown> typed;
    if (FAILED(object->QueryInterface(kind.iid, typed.put_void()))) continue;
    return kind.prefix + com::Utf16ToUtf8(com::Dispatch(com::ComPtr<IDispatch>(object)).Get(kind.member).ToText());
  }
  return "object";
}

// One handler argument: by reference a flag is the Cancel, by value SaveAsUI
// or IsRefresh.
template <class T>
std::string DescribeArgument(T&& value) {
  using V = std::decay_t<T>;
  if constexpr (std::is_same_v<V, IDispatch*>) {
    return DescribeObject(value);
  } else if constexpr (std::is_same_v<V, std::u16string>) {
    return "text:" + com::Utf16ToUtf8(value);
  } else if constexpr (std::is_same_v<V, VARIANT_BOOL>) {
    return (std::is_lvalue_reference_v<T> ? "cancel:" : "flag:") + std::to_string(value);
  } else {
    static_assert(std::is_same_v<V, int32_t>);
    return "int:" + std::to_string(value);
  }
}

inline std::string Join(const std::vector<std::string>& parts) {
  std::string joined;
  for (const auto& part : parts) joined += (joined.empty() ? "" : " ") + part;
  return joined;
}

}  // namespace corvane::framework::testing
