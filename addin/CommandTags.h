// The buttons' tags: each names one command of the toolbar.
#pragma once

namespace corvane::addin::tags {

inline constexpr int kClearFormat = 0;
inline constexpr int kDataArea = 1;
inline constexpr int kOriginArea = 2;
inline constexpr int kRowsArea = 3;
inline constexpr int kBlanksArea = 4;
inline constexpr int kHeaderArea = 5;
inline constexpr int kColumnsArea = 6;
inline constexpr int kPagesArea = 7;
inline constexpr int kNumberFormat = 8;
inline constexpr int kColumnGrandTotal = 9;
inline constexpr int kRowGrandTotal = 10;
inline constexpr int kIncreaseDecimal = 11;
inline constexpr int kDecreaseDecimal = 12;
inline constexpr int kCurrency = 13;
inline constexpr int kSubtotals = 14;
inline constexpr int kColumnGrandSwitch = 15;
inline constexpr int kRowGrandSwitch = 16;
inline constexpr int kBestColumnFit = 17;
inline constexpr int kNextSubtotal = 18;
inline constexpr int kAbout = 19;
inline constexpr int kWholeTable = 20;
inline constexpr int kBestRowFit = 21;
inline constexpr int kUpdate = 22;

}  // namespace corvane::addin::tags
