// The interface ids of Excel's objects that the sim's wrappers answer.
#pragma once

#include <cstdint>

#include "platform/com/com.h"

namespace corvane::sim::excel {

// Excel's ids share one pattern: {XXXXXXXX-0000-0000-C000-000000000046}.
constexpr IID ExcelIid(uint32_t first) {
  return {first, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
}

inline constexpr IID kApplicationIid = ExcelIid(0x000208D5);
inline constexpr IID kWorkbookIid = ExcelIid(0x000208DA);
inline constexpr IID kWorkbooksIid = ExcelIid(0x000208DB);
inline constexpr IID kWorksheetIid = ExcelIid(0x000208D8);
inline constexpr IID kChartIid = ExcelIid(0x000208D6);
inline constexpr IID kSheetsIid = ExcelIid(0x000208D7);
inline constexpr IID kWorksheetsIid = ExcelIid(0x000208B1);
inline constexpr IID kRangeIid = ExcelIid(0x00020846);
inline constexpr IID kAreasIid = ExcelIid(0x00020860);
inline constexpr IID kWindowIid = ExcelIid(0x00020893);
inline constexpr IID kDialogsIid = ExcelIid(0x00020879);
inline constexpr IID kDialogIid = ExcelIid(0x0002087A);
inline constexpr IID kAppEventsIid = ExcelIid(0x00024413);

// Excel's number format dialog in Dialogs (xlDialogFormatNumber).
inline constexpr int32_t kFormatNumberDialog = 42;

}  // namespace corvane::sim::excel
