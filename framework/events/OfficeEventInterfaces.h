// The command bar controls' event interfaces and the control members the
// click sink reads. A control's events are dispinterfaces: a sink answers
// them with its IDispatch, so each is declared as an IDispatch of its own
// id for the COM object base to answer.
#pragma once

#include <cstdint>

#include "framework/commandbars/OfficeIds.h"
#include "platform/com/InterfaceId.h"
#include "platform/com/com.h"

namespace corvane::framework {

struct CommandBarButtonEvents : public IDispatch {};

inline constexpr IID kCommandBarButtonEventsIid = OfficeInterfaceId(0x000C0351);
inline constexpr IID kCommandBarComboBoxEventsIid = OfficeInterfaceId(0x000C0354);
inline constexpr IID kCommandBarComboBoxIid = OfficeInterfaceId(0x000C030C);

// Both events (Click of a button, Change of a box) carry this id.
inline constexpr DISPID kDispControlEvent = 1;

inline constexpr DISPID kDispControlHelpFile = 0x60040011;
inline constexpr DISPID kDispControlType = 0x60040028;

// Office's control types (msoControl...).
inline constexpr int32_t kMsoControlButton = 1;
inline constexpr int32_t kMsoControlEdit = 2;
inline constexpr int32_t kMsoControlDropdown = 3;
inline constexpr int32_t kMsoControlComboBox = 4;

}  // namespace corvane::framework

CORVANE_DEFINE_INTERFACE_ID(corvane::framework::CommandBarButtonEvents, 0x000C0351, 0x0000, 0x0000, 0xC0, 0x00, 0x00,
                            0x00, 0x00, 0x00, 0x00, 0x46);
