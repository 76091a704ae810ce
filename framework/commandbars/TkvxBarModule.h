// What bars, items and their sinks need of the add-in module that owns
// them: the one error reporter, the host and its command bars with the
// lookups on them, the add-in's ProgID, registry key and start mode, the
// lists of bars and sinks, and the handler names the design assigned. The
// module implements it; a bar reaches it through its owner, an item through
// its bar.
#pragma once

#include <cstdint>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/commandbars/OfficeHostApp.h"
#include "framework/design/DesignHandlerNames.h"
#include "platform/com/ComPtr.h"
#include "platform/com/com.h"
#include "published/Office.h"

namespace corvane::framework {

class TkvxCommandBar;
class TkvxEventSink;

// StartMode values, from the "KVXStartMode" registry value.
enum : uint8_t {
  kvxStartModeFirstStart = 0,
  kvxStartModeNormal = 1,
  kvxStartModeUninstall = 2,
  kvxStartModeUnknown = 255,
};

class TkvxBarModule {
 public:
  // Office control type numbers for the lookups.
  static constexpr int32_t kControlButton = Office::msoControlButton;
  static constexpr int32_t kControlEdit = Office::msoControlEdit;
  static constexpr int32_t kControlDropDown = Office::msoControlDropdown;
  static constexpr int32_t kControlComboBox = Office::msoControlComboBox;
  static constexpr int32_t kControlPopup = Office::msoControlPopup;

  // Never throws.
  virtual void HandleError(const std::exception& E) noexcept = 0;
  virtual void HandleError(std::exception_ptr E) noexcept = 0;

  virtual TkvxHostAppSet SupportedApps() const = 0;
  virtual TkvxOfficeHostApp HostKind() const = 0;
  virtual std::u16string ProgID() const = 0;
  virtual std::u16string AddInKeyPath() const = 0;
  virtual uint8_t StartMode() const = 0;

  // The cached CommandBars collection (null until filled) and its filling.
  virtual const com::ComPtr<IDispatch>& CommandBars() const = 0;
  virtual void FillCommandBarCache() = 0;
  // The host bar of that name, or null; a failing host call is thrown.
  virtual com::ComPtr<IDispatch> FindCommandBar(std::u16string_view Name) = 0;
  // The host control or null, never raising.
  virtual com::ComPtr<IDispatch> FindControlByTag(const com::ComPtr<IDispatch>& Bar, std::optional<int32_t> ControlType,
                                                  std::u16string_view Tag) noexcept = 0;
  virtual com::ComPtr<IDispatch> FindControlById(const com::ComPtr<IDispatch>& Bar, std::optional<int32_t> ControlType,
                                                 int32_t Id) noexcept = 0;
  virtual com::ComPtr<IDispatch> FindHostControlByTag(std::optional<int32_t> ControlType,
                                                      std::u16string_view Tag) noexcept = 0;
  virtual com::ComPtr<IDispatch> FindHostControlById(std::optional<int32_t> ControlType, int32_t Id) noexcept = 0;

  // Neither list owns its entries.
  virtual const std::vector<TkvxCommandBar*>& CommandBarList() const = 0;
  virtual void AddCommandBar(TkvxCommandBar* Bar) = 0;
  virtual void RemoveCommandBar(TkvxCommandBar* Bar) = 0;
  virtual void AddSink(TkvxEventSink* Sink) = 0;
  virtual void RemoveSink(TkvxEventSink* Sink) = 0;

  virtual DesignHandlerNames& DesignNames() = 0;
  virtual const DesignHandlerNames& DesignNames() const = 0;

 protected:
  ~TkvxBarModule() = default;
};

}  // namespace corvane::framework
