// The interface ids of Excel's objects that the add-in asks for: the
// application it connects to, the argument types of the application events,
// and the worksheet test of the button states.
#pragma once

#include <cstdint>

#include "platform/com/com.h"

namespace corvane::framework {

// Excel's ids share one pattern: {XXXXXXXX-0000-0000-C000-000000000046}.
constexpr IID ExcelInterfaceId(uint32_t first) {
  return {first, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
}

inline constexpr IID kExcelApplicationIid = ExcelInterfaceId(0x000208D5);
inline constexpr IID kExcelWorkbookIid = ExcelInterfaceId(0x000208DA);
inline constexpr IID kExcelWorksheetIid = ExcelInterfaceId(0x000208D8);
inline constexpr IID kExcelRangeIid = ExcelInterfaceId(0x00020846);
inline constexpr IID kExcelWindowIid = ExcelInterfaceId(0x00020893);
inline constexpr IID kExcelHyperlinkIid = ExcelInterfaceId(0x00024431);
inline constexpr IID kExcelPivotTableIid = ExcelInterfaceId(0x00020872);
inline constexpr IID kExcelAppEventsIid = ExcelInterfaceId(0x00024413);

}  // namespace corvane::framework
