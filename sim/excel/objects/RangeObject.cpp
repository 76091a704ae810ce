#include "sim/excel/objects/RangeObject.h"

#include <stdexcept>

#include "published/Excel.h"
#include "sim/core/Enumeration.h"
#include "sim/excel/model/AppModel.h"
#include "sim/excel/objects/ExcelErrors.h"
#include "sim/excel/objects/ExcelObjects.h"
#include "sim/excel/objects/FormatLocale.h"
#include "sim/excel/objects/PivotObjects.h"
#include "sim/excel/objects/RangeEnumeration.h"

namespace corvane::sim::excel {
namespace {

// Answered only by ranges this sim made, so that Union and Range(Cell1,
// Cell2) can read a range argument's areas.
constexpr IID kRangeSelfIid = {0x6c3e0f52, 0x8d1b, 0x4e2a, {0x9b, 0x57, 0x1f, 0x3a, 0xc4, 0x60, 0x2d, 0x91}};

constexpr char16_t kRange[] = u"Range";
constexpr int32_t kR1C1 = -4150;  // xlR1C1

com::Variant TextOrNull(const std::optional<std::u16string>& text) {
  if (text) return com::Variant(*text);
  com::Variant null;
  null.get()->vt = VT_NULL;
  return null;
}

com::Variant ValueOf(const CellValue& value) {
  if (const auto* number = std::get_if<double>(&value)) return com::Variant(*number);
  if (const auto* text = std::get_if<std::u16string>(&value)) return com::Variant(*text);
  return {};
}

CellValue ValueFrom(const Arg& arg) {
  switch (arg.type()) {
    case VT_EMPTY:
      return std::monostate{};
    case VT_BSTR:
      return arg.Text();
    default:
      return arg.Double();
  }
}

}  // namespace

const ObjectType<RangeObject>& RangeObject::Type() {
  static const ObjectType<RangeObject> type{
      kRange,
      {Excel::Range::iid},
      {Get(Excel::Range::Address, u"Address", &RangeObject::GetAddress).Takes(5),
       Get(Excel::Range::PivotTable, u"PivotTable", &RangeObject::GetPivotTable),
       Get(Excel::Range::PivotField, u"PivotField", &RangeObject::GetPivotField),
       Property(Excel::Range::NumberFormat, u"NumberFormat", &RangeObject::GetNumberFormat,
                &RangeObject::PutNumberFormat),
       Property(Excel::Range::NumberFormatLocal, u"NumberFormatLocal", &RangeObject::GetFormatLocal,
                &RangeObject::PutFormatLocal),
       Property(Excel::Range::Style, u"Style", &RangeObject::GetStyle, &RangeObject::PutStyle),
       Property(Excel::Range::Value, u"Value", &RangeObject::GetValue, &RangeObject::PutValue).Takes(1),
       Method(Excel::Range::Select, u"Select", &RangeObject::Select),
       Method(Excel::Range::AutoFit, u"AutoFit", &RangeObject::AutoFit),
       Method(Excel::Range::ClearFormats, u"ClearFormats", &RangeObject::ClearFormats),
       Get(Excel::Range::Cells, u"Cells", &RangeObject::GetCells),
       Get(Excel::Range::Item, u"Item", &RangeObject::GetItem).Takes(2),
       Get(Excel::Range::Default, u"_Default", &RangeObject::GetItem).Takes(2),
       Get(Excel::Range::Rows, u"Rows", &RangeObject::GetRows),
       Get(Excel::Range::Columns, u"Columns", &RangeObject::GetColumns),
       Get(Excel::Range::Count, u"Count", &RangeObject::GetCount),
       Get(Excel::Range::Row, u"Row", &RangeObject::GetRow),
       Get(Excel::Range::Column, u"Column", &RangeObject::GetColumn),
       Get(Excel::Range::Application, u"Application", &RangeObject::GetApplication),
       Get(Excel::Range::Worksheet, u"Worksheet", &RangeObject::GetWorksheet),
       Get(Excel::Range::Areas, u"Areas", &RangeObject::GetAreas),
       NewEnum(&RangeObject::Enumerate)}};
  return type;
}

void* RangeObject::QueryOther(REFIID riid) {
  if (IsEqualIID(riid, kRangeSelfIid)) return static_cast<IDispatch*>(this);
  return SimObject::QueryOther(riid);
}

std::optional<RangeParts> RangePartsOf(IDispatch* object) {
  const auto self = com::try_as<IDispatch>(object, kRangeSelfIid);
  if (!self) return std::nullopt;
  const auto* range = static_cast<RangeObject*>(self.get());
  return RangeParts{range->sheet(), range->areas()};
}

com::ComPtr<IDispatch> NewRangeObject(const std::shared_ptr<SheetModel>& sheet, const Areas& areas) {
  return AsDispatch(com::Make<RangeObject>(sheet, areas));
}

std::shared_ptr<AppModel> AppOf(const std::shared_ptr<SheetModel>& sheet) {
  const auto workbook = sheet ? sheet->workbook() : nullptr;
  return workbook ? workbook->app() : nullptr;
}

// Address(RowAbsolute, ColumnAbsolute, ReferenceStyle, External, RelativeTo)
com::Variant RangeObject::GetAddress(Args& args) {
  const AddressStyle style{args[0].Bool(true), args[1].Bool(true), args[2].Int(1) == kR1C1};
  std::u16string text = areas_.Address(style);
  if (args[3].Bool(false)) {
    const auto model = sheet();
    const auto workbook = model->workbook();
    text = u"[" + (workbook ? workbook->name() : u"") + u"]" + model->name() + u"!" + text;
  }
  return text;
}

std::shared_ptr<PivotSite> RangeObject::TableUnderFirstCell(std::u16string_view property) {
  const auto table = sheet()->PivotAt(areas_.first_cell());
  if (!table) throw CannotGet(property, kRange);
  return table;
}

com::Variant RangeObject::GetPivotTable(Args&) {
  const auto table = TableUnderFirstCell(u"PivotTable");
  const auto& make = GetPivotObjectMakers().table;
  if (!make) throw CannotGet(u"PivotTable", kRange);
  return make(sheet(), table);
}

com::Variant RangeObject::GetPivotField(Args&) {
  const auto table = TableUnderFirstCell(u"PivotField");
  const auto& make = GetPivotObjectMakers().field_at;
  com::ComPtr<IDispatch> field = make ? make(sheet(), table, areas_.first_cell()) : nullptr;
  if (!field) throw CannotGet(u"PivotField", kRange);
  return field;
}

com::Variant RangeObject::FormatFor(LCID locale) {
  const auto model = sheet();
  const auto stored = model->CommonNumberFormat(areas_);
  if (!stored) return TextOrNull(stored);
  return CodeForCaller(*stored, locale, AppOf(model));
}

void RangeObject::SetFormatFrom(const Args& args, LCID locale, std::u16string_view property) {
  const auto model = sheet();
  const std::u16string format = CodeFromCaller(args.value().Text(), locale, AppOf(model));
  try {
    model->SetNumberFormat(areas_, format);
  } catch (const std::logic_error&) {
    throw CannotSet(property, kRange);
  }
}

com::Variant RangeObject::GetNumberFormat(Args& args) { return FormatFor(args.locale()); }
void RangeObject::PutNumberFormat(Args& args) { SetFormatFrom(args, args.locale(), u"NumberFormat"); }

// Always in the user's notation.
com::Variant RangeObject::GetFormatLocal(Args&) { return FormatFor(LOCALE_USER_DEFAULT); }
void RangeObject::PutFormatLocal(Args& args) { SetFormatFrom(args, LOCALE_USER_DEFAULT, u"NumberFormatLocal"); }

// The style's name (Excel hands out a Style object whose default member is
// its name); Null when the cells differ.
com::Variant RangeObject::GetStyle(Args&) { return TextOrNull(sheet()->CommonStyle(areas_)); }

void RangeObject::PutStyle(Args& args) {
  const std::u16string name = args.value().Text();
  const auto model = sheet();
  const auto workbook = model->workbook();
  const auto style = workbook ? workbook->FindStyle(name) : std::nullopt;
  if (!style) throw CannotSet(u"Style", kRange);
  model->SetStyle(areas_, style->name, style->number_format);
}

com::Variant RangeObject::GetValue(Args&) { return ValueOf(sheet()->cell(areas_.first_cell()).value); }

// Writing a value is a change as the user's typing is: SheetChange follows.
void RangeObject::PutValue(Args& args) {
  const auto model = sheet();
  const CellValue value = ValueFrom(args.value());
  if (const auto app = AppOf(model)) {
    app->ChangeCells(model, areas_, value);
    return;
  }
  model->SetValue(areas_.first_cell(), value);
}

com::Variant RangeObject::Select(Args&) {
  const auto model = sheet();
  const auto app = AppOf(model);
  try {
    if (!app) throw std::logic_error("no application");
    app->Select(model, areas_);
  } catch (const std::logic_error&) {
    throw MethodFailed(u"Select", kRange);
  }
  return true;
}

// Only whole rows or columns of a range fit, as in Excel.
com::Variant RangeObject::AutoFit(Args&) {
  const auto model = sheet();
  switch (areas_.shape()) {
    case AreaShape::Columns:
      model->AutoFitColumns(areas_);
      return true;
    case AreaShape::Rows:
      model->AutoFitRows(areas_);
      return true;
    case AreaShape::Cells:
      break;
  }
  throw MethodFailed(u"AutoFit", kRange);
}

com::Variant RangeObject::ClearFormats(Args&) {
  sheet()->ClearFormats(areas_);
  return true;
}

com::Variant RangeObject::Shaped(AreaShape shape) { return NewRangeObject(sheet(), areas_.As(shape)); }

com::Variant RangeObject::GetCells(Args&) { return Shaped(AreaShape::Cells); }
com::Variant RangeObject::GetRows(Args&) { return Shaped(AreaShape::Rows); }
com::Variant RangeObject::GetColumns(Args&) { return Shaped(AreaShape::Columns); }

// Item(RowIndex, [ColumnIndex]).
com::Variant RangeObject::GetItem(Args& args) {
  const auto item =
      args[1].present() ? areas_.As(AreaShape::Cells).Item(args[0].Int(), args[1].Int()) : areas_.Item(args[0].Int());
  if (!item) throw CannotGet(u"Item", kRange);
  return NewRangeObject(sheet(), *item);
}

com::Variant RangeObject::GetCount(Args&) {
  const int64_t count = areas_.Count();
  if (count > INT32_MAX) return static_cast<double>(count);
  return static_cast<int32_t>(count);
}

com::Variant RangeObject::GetRow(Args&) { return areas_.first_cell().row; }
com::Variant RangeObject::GetColumn(Args&) { return areas_.first_cell().column; }

com::Variant RangeObject::GetApplication(Args&) {
  const auto app = AppOf(sheet());
  if (!app) throw InvokeError(kDisconnected);
  return NewApplicationObject(app);
}

com::Variant RangeObject::GetWorksheet(Args&) { return NewSheetObject(sheet()); }

com::Variant RangeObject::GetAreas(Args&) { return NewAreasObject(sheet(), areas_); }

com::Variant RangeObject::Enumerate(Args&) {
  sheet();
  return EnumerateRange(sheet_, areas_);
}

}  // namespace corvane::sim::excel
