// Excel's dispatch identifiers of the members the tools call. Numbers are
// per interface; the same number names different members elsewhere.
#pragma once

#include "platform/com/com.h"

namespace corvane::addin::excel::dispid {

// Application
inline constexpr DISPID kApplicationActiveWindow = 0x2F7;

// Range
inline constexpr DISPID kRangePivotTable = 0x2CC;
inline constexpr DISPID kRangePivotField = 0x2DB;
inline constexpr DISPID kRangeNumberFormat = 0xC1;
inline constexpr DISPID kRangeStyle = 0x104;
inline constexpr DISPID kRangeSelect = 0xEB;
inline constexpr DISPID kRangeCells = 0xEE;
inline constexpr DISPID kRangeItem = 0xAA;
inline constexpr DISPID kRangeRows = 0x102;
inline constexpr DISPID kRangeColumns = 0xF1;
inline constexpr DISPID kRangeCount = 0x76;
inline constexpr DISPID kRangeAutoFit = 0xED;
inline constexpr DISPID kRangeClearFormats = 0x70;
inline constexpr DISPID kRangeAddress = 0xEC;
inline constexpr DISPID kRangeApplication = 0x94;
inline constexpr DISPID kRangeWorksheet = 0x15C;

// Workbook, Worksheet
inline constexpr DISPID kWorkbookActiveSheet = 0x133;
inline constexpr DISPID kWorksheetPivotTables = 0x2B2;
inline constexpr DISPID kWorksheetRange = 0xC5;

// Window, Sheets
inline constexpr DISPID kWindowSelectedSheets = 0x290;
inline constexpr DISPID kSheetsCount = 0x76;

// Dialogs, Dialog
inline constexpr DISPID kDialogsItem = 0xAA;
inline constexpr DISPID kDialogShow = 0x1F0;
inline constexpr int kDialogShowArguments = 30;

// PivotTable
inline constexpr DISPID kPivotTableName = 0x6E;
inline constexpr DISPID kPivotTableTableRange1 = 0x2BB;
inline constexpr DISPID kPivotTableTableRange2 = 0x2BC;
inline constexpr DISPID kPivotTableRowRange = 0x2BD;
inline constexpr DISPID kPivotTableColumnRange = 0x2BE;
inline constexpr DISPID kPivotTablePageRange = 0x2BF;
inline constexpr DISPID kPivotTableDataBodyRange = 0x2C1;
inline constexpr DISPID kPivotTablePivotSelect = 0x5DD;
inline constexpr DISPID kPivotTableRowGrand = 0x2B5;
inline constexpr DISPID kPivotTableColumnGrand = 0x2B6;
inline constexpr DISPID kPivotTableUpdate = 0x2A8;

// PivotField
inline constexpr DISPID kPivotFieldName = 0x6E;
inline constexpr DISPID kPivotFieldDataRange = 0x2D0;
inline constexpr DISPID kPivotFieldNumberFormat = 0xC1;
inline constexpr DISPID kPivotFieldSubtotals = 0x2DD;
inline constexpr DISPID kPivotFieldSubtotalName = 0x739;

}  // namespace corvane::addin::excel::dispid
