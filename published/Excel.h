// What Excel's type library gives an add-in author about the objects this
// program uses: interface ids, dispatch ids and enumerations. One namespace
// per object holds its interface id and its members' DISPIDs; numbers are
// per interface (the same DISPID names other members elsewhere). The
// add-in calls by these numbers and the simulated host answers them.
#pragma once

#include <cstdint>

#include "platform/com/com.h"
#include "published/Office.h"

namespace Excel {

// Excel's ids are of Office's pattern.
using Office::OfficeFamilyId;

// _Application; the class Excel.Application is `clsid`.
namespace Application {
inline constexpr IID iid = OfficeFamilyId(0x000208D5);
inline constexpr CLSID clsid = OfficeFamilyId(0x00024500);
inline constexpr DISPID Selection = 0x93;
inline constexpr DISPID Application = 0x94;
inline constexpr DISPID Name = 0x6E;
inline constexpr DISPID Quit = 0x12E;
inline constexpr DISPID ActiveCell = 0x131;
inline constexpr DISPID ActiveSheet = 0x133;
inline constexpr DISPID ActiveWorkbook = 0x134;
inline constexpr DISPID ScreenUpdating = 0x17E;
inline constexpr DISPID Version = 0x188;
inline constexpr DISPID Sheets = 0x1E5;
inline constexpr DISPID Workbooks = 0x23C;
inline constexpr DISPID ActiveWindow = 0x2F7;
inline constexpr DISPID Dialogs = 0x2F9;
// Arg1 .. Arg30, the first two required.
inline constexpr DISPID Union = 0x30B;
inline constexpr UINT UnionArgumentCount = 30;
inline constexpr DISPID CommandBars = 0x59F;
inline constexpr DISPID COMAddIns = 0x664;
}  // namespace Application

namespace Workbooks {
inline constexpr IID iid = OfficeFamilyId(0x000208DB);
inline constexpr DISPID Default = 0x0;
inline constexpr DISPID Count = 0x76;
inline constexpr DISPID Item = 0xAA;
inline constexpr DISPID Add = 0xB5;
}  // namespace Workbooks

// _Workbook
namespace Workbook {
inline constexpr IID iid = OfficeFamilyId(0x000208DA);
inline constexpr DISPID Name = 0x6E;
inline constexpr DISPID Application = 0x94;
inline constexpr DISPID Close = 0x115;
inline constexpr DISPID Save = 0x11B;
inline constexpr DISPID Saved = 0x12A;
inline constexpr DISPID Activate = 0x130;
inline constexpr DISPID ActiveSheet = 0x133;
inline constexpr DISPID Sheets = 0x1E5;
inline constexpr DISPID Worksheets = 0x1EE;
}  // namespace Workbook

// Sheets and Worksheets: the same members.
namespace Sheets {
inline constexpr IID iid = OfficeFamilyId(0x000208D7);
inline constexpr DISPID Default = 0x0;
inline constexpr DISPID Count = 0x76;
inline constexpr DISPID Item = 0xAA;
}  // namespace Sheets

namespace Worksheets {
inline constexpr IID iid = OfficeFamilyId(0x000208B1);
}  // namespace Worksheets

// _Worksheet
namespace Worksheet {
inline constexpr IID iid = OfficeFamilyId(0x000208D8);
inline constexpr DISPID Name = 0x6E;
inline constexpr DISPID Application = 0x94;
inline constexpr DISPID Parent = 0x96;
inline constexpr DISPID Range = 0xC5;
inline constexpr DISPID Cells = 0xEE;
inline constexpr DISPID Activate = 0x130;
inline constexpr DISPID Index = 0x1E6;
inline constexpr DISPID PivotTables = 0x2B2;
}  // namespace Worksheet

// _Chart (a chart sheet)
namespace Chart {
inline constexpr IID iid = OfficeFamilyId(0x000208D6);
inline constexpr DISPID Name = 0x6E;
inline constexpr DISPID Application = 0x94;
inline constexpr DISPID Parent = 0x96;
inline constexpr DISPID Activate = 0x130;
inline constexpr DISPID Index = 0x1E6;
}  // namespace Chart

namespace Window {
inline constexpr IID iid = OfficeFamilyId(0x00020893);
inline constexpr DISPID Caption = 0x8B;
inline constexpr DISPID Selection = 0x93;
inline constexpr DISPID Activate = 0x130;
inline constexpr DISPID ActiveCell = 0x131;
inline constexpr DISPID ActiveSheet = 0x133;
inline constexpr DISPID SelectedSheets = 0x290;
}  // namespace Window

namespace Range {
inline constexpr IID iid = OfficeFamilyId(0x00020846);
inline constexpr DISPID Default = 0x0;
inline constexpr DISPID Value = 0x6;
inline constexpr DISPID ClearFormats = 0x70;
inline constexpr DISPID Count = 0x76;
inline constexpr DISPID Application = 0x94;
inline constexpr DISPID Item = 0xAA;
inline constexpr DISPID NumberFormat = 0xC1;
inline constexpr DISPID Select = 0xEB;
inline constexpr DISPID Address = 0xEC;
inline constexpr DISPID AutoFit = 0xED;
inline constexpr DISPID Cells = 0xEE;
inline constexpr DISPID Column = 0xF0;
inline constexpr DISPID Columns = 0xF1;
inline constexpr DISPID Row = 0x101;
inline constexpr DISPID Rows = 0x102;
inline constexpr DISPID Style = 0x104;
inline constexpr DISPID Worksheet = 0x15C;
inline constexpr DISPID Areas = 0x238;
inline constexpr DISPID PivotTable = 0x2CC;
inline constexpr DISPID PivotField = 0x2DB;
inline constexpr DISPID NumberFormatLocal = 0x449;
}  // namespace Range

namespace Areas {
inline constexpr IID iid = OfficeFamilyId(0x00020860);
inline constexpr DISPID Default = 0x0;
inline constexpr DISPID Count = 0x76;
inline constexpr DISPID Item = 0xAA;
}  // namespace Areas

namespace Hyperlink {
inline constexpr IID iid = OfficeFamilyId(0x00024431);
}  // namespace Hyperlink

namespace Dialogs {
inline constexpr IID iid = OfficeFamilyId(0x00020879);
inline constexpr DISPID Default = 0x0;
inline constexpr DISPID Item = 0xAA;
}  // namespace Dialogs

namespace Dialog {
inline constexpr IID iid = OfficeFamilyId(0x0002087A);
// Arg1 .. Arg30, all optional.
inline constexpr DISPID Show = 0x1F0;
inline constexpr UINT ShowArgumentCount = 30;
}  // namespace Dialog

namespace PivotTables {
inline constexpr IID iid = OfficeFamilyId(0x00020873);
inline constexpr DISPID Count = 0x76;
inline constexpr DISPID Item = 0xAA;
}  // namespace PivotTables

namespace PivotTable {
inline constexpr IID iid = OfficeFamilyId(0x00020872);
inline constexpr DISPID Name = 0x6E;
inline constexpr DISPID Update = 0x2A8;
inline constexpr DISPID RowGrand = 0x2B5;
inline constexpr DISPID ColumnGrand = 0x2B6;
inline constexpr DISPID TableRange1 = 0x2BB;
inline constexpr DISPID TableRange2 = 0x2BC;
inline constexpr DISPID RowRange = 0x2BD;
inline constexpr DISPID ColumnRange = 0x2BE;
inline constexpr DISPID PageRange = 0x2BF;
inline constexpr DISPID DataLabelRange = 0x2C0;
inline constexpr DISPID DataBodyRange = 0x2C1;
inline constexpr DISPID PivotFields = 0x2CE;
inline constexpr DISPID PivotSelect = 0x5DD;
}  // namespace PivotTable

namespace PivotField {
inline constexpr IID iid = OfficeFamilyId(0x00020874);
inline constexpr DISPID Name = 0x6E;
inline constexpr DISPID NumberFormat = 0xC1;
inline constexpr DISPID DataRange = 0x2D0;
inline constexpr DISPID Subtotals = 0x2DD;
inline constexpr DISPID SubtotalName = 0x739;
}  // namespace PivotField

// The application events (a dispinterface); 0x613 and 0x61E are unused.
namespace AppEvents {
inline constexpr IID iid = OfficeFamilyId(0x00024413);
inline constexpr DISPID WindowResize = 0x612;
inline constexpr DISPID WindowActivate = 0x614;
inline constexpr DISPID WindowDeactivate = 0x615;
inline constexpr DISPID SheetSelectionChange = 0x616;
inline constexpr DISPID SheetBeforeDoubleClick = 0x617;
inline constexpr DISPID SheetBeforeRightClick = 0x618;
inline constexpr DISPID SheetActivate = 0x619;
inline constexpr DISPID SheetDeactivate = 0x61A;
inline constexpr DISPID SheetCalculate = 0x61B;
inline constexpr DISPID SheetChange = 0x61C;
inline constexpr DISPID NewWorkbook = 0x61D;
inline constexpr DISPID WorkbookOpen = 0x61F;
inline constexpr DISPID WorkbookActivate = 0x620;
inline constexpr DISPID WorkbookDeactivate = 0x621;
inline constexpr DISPID WorkbookBeforeClose = 0x622;
inline constexpr DISPID WorkbookBeforeSave = 0x623;
inline constexpr DISPID WorkbookBeforePrint = 0x624;
inline constexpr DISPID WorkbookNewSheet = 0x625;
inline constexpr DISPID WorkbookAddinInstall = 0x626;
inline constexpr DISPID WorkbookAddinUninstall = 0x627;
inline constexpr DISPID SheetFollowHyperlink = 0x73E;
inline constexpr DISPID SheetPivotTableUpdate = 0x86D;
inline constexpr DISPID WorkbookPivotTableCloseConnection = 0x870;
inline constexpr DISPID WorkbookPivotTableOpenConnection = 0x871;
inline constexpr DISPID WorkbookSync = 0x8F1;
inline constexpr DISPID WorkbookBeforeXmlImport = 0x8F2;
inline constexpr DISPID WorkbookAfterXmlImport = 0x8F3;
inline constexpr DISPID WorkbookBeforeXmlExport = 0x8F4;
inline constexpr DISPID WorkbookAfterXmlExport = 0x8F5;
}  // namespace AppEvents

// PivotSelect's modes.
enum XlPTSelectionMode : int32_t {
  xlDataAndLabel = 0,
  xlLabelOnly = 1,
  xlDataOnly = 2,
  xlOrigin = 3,
  xlBlanks = 4,
};

// Dialogs' items used here.
enum XlBuiltInDialog : int32_t {
  xlDialogFormatNumber = 42,
};

}  // namespace Excel
