// Interface ids and dispatch ids of Office's command bar objects, as the
// published type library gives them; calls by these ids need no name lookup.
#pragma once

#include "platform/com/com.h"

namespace corvane::framework {

// Office's own ids, and its applications', share one pattern:
// {XXXXXXXX-0000-0000-C000-000000000046}.
constexpr IID OfficeInterfaceId(decltype(IID::Data1) first) {
  return {first, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
}

inline constexpr IID kCommandBarsIid = OfficeInterfaceId(0x000C0302);
inline constexpr IID kCommandBarIid = OfficeInterfaceId(0x000C0304);
inline constexpr IID kCommandBarControlIid = OfficeInterfaceId(0x000C0308);
inline constexpr IID kCommandBarButtonIid = OfficeInterfaceId(0x000C030E);
inline constexpr IID kCOMAddInIid = OfficeInterfaceId(0x000C033A);

inline constexpr DISPID kDispCommandBarsItem = 0x0;
inline constexpr DISPID kDispCommandBarsCount = 0x60030003;
inline constexpr DISPID kDispCommandBarsAdd = 0x60030002;
inline constexpr DISPID kDispCommandBarsFindControl = 0x60030008;

inline constexpr DISPID kDispCommandBarBuiltIn = 0x60040000;
inline constexpr DISPID kDispCommandBarControls = 0x60040003;
inline constexpr DISPID kDispCommandBarFindControl = 0x60040007;
inline constexpr DISPID kDispCommandBarName = 0x6004000E;
inline constexpr DISPID kDispCommandBarNameLocal = 0x60040010;

inline constexpr DISPID kDispControlId = 0x60040013;
inline constexpr DISPID kDispControlTag = 0x60040023;

}  // namespace corvane::framework
