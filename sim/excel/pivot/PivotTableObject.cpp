#include "sim/excel/pivot/PivotTableObject.h"

#include "published/Excel.h"
#include "sim/excel/model/AppModel.h"
#include "sim/excel/objects/ExcelErrors.h"
#include "sim/excel/objects/ExcelObjects.h"
#include "sim/excel/pivot/PivotFieldObject.h"

namespace corvane::sim::excel::pivot {
namespace {

constexpr char16_t kClass[] = u"PivotTable";

}  // namespace

const ObjectType<PivotTableObject>& PivotTableObject::Type() {
  using T = PivotTableObject;
  static const ObjectType<T> type{
      kClass,
      {Excel::PivotTable::iid},
      {Get(Excel::PivotTable::Name, u"Name", &T::GetName),
       Get(Excel::PivotTable::TableRange1, u"TableRange1", &T::TableRange1),
       Get(Excel::PivotTable::TableRange2, u"TableRange2", &T::TableRange2),
       Get(Excel::PivotTable::DataBodyRange, u"DataBodyRange", &T::DataBodyRange),
       Get(Excel::PivotTable::RowRange, u"RowRange", &T::RowRange),
       Get(Excel::PivotTable::ColumnRange, u"ColumnRange", &T::ColumnRange),
       Get(Excel::PivotTable::PageRange, u"PageRange", &T::PageRange),
       Get(Excel::PivotTable::DataLabelRange, u"DataLabelRange", &T::DataLabelRange),
       Property(Excel::PivotTable::RowGrand, u"RowGrand", &T::GetRowGrand, &T::PutRowGrand),
       Property(Excel::PivotTable::ColumnGrand, u"ColumnGrand", &T::GetColumnGrand, &T::PutColumnGrand),
       Method(Excel::PivotTable::Update, u"Update", &T::Update),
       Method(Excel::PivotTable::PivotSelect, u"PivotSelect", &T::PivotSelect).Takes(3),
       Method(Excel::PivotTable::PivotFields, u"PivotFields", &T::PivotFields).Takes(1)}};
  return type;
}

com::Variant PivotTableObject::GetName(Args&) { return Alive(table_)->name(); }

com::Variant PivotTableObject::Area(const std::optional<CellRect>& rect, std::u16string_view property) {
  if (!rect) throw CannotGet(property, kClass);
  return NewRangeObject(Alive(table_)->sheet(), Areas(*rect));
}

com::Variant PivotTableObject::TableRange1(Args&) {
  return Area(Alive(table_)->layout().table_range1(), u"TableRange1");
}
com::Variant PivotTableObject::TableRange2(Args&) {
  return Area(Alive(table_)->layout().table_range2(), u"TableRange2");
}
com::Variant PivotTableObject::DataBodyRange(Args&) {
  return Area(Alive(table_)->layout().data_body_range(), u"DataBodyRange");
}
com::Variant PivotTableObject::RowRange(Args&) { return Area(Alive(table_)->layout().row_range(), u"RowRange"); }
com::Variant PivotTableObject::ColumnRange(Args&) {
  return Area(Alive(table_)->layout().column_range(), u"ColumnRange");
}
com::Variant PivotTableObject::PageRange(Args&) { return Area(Alive(table_)->layout().page_range(), u"PageRange"); }
com::Variant PivotTableObject::DataLabelRange(Args&) {
  return Area(Alive(table_)->layout().data_label_range(), u"DataLabelRange");
}

com::Variant PivotTableObject::GetRowGrand(Args&) { return Alive(table_)->definition().row_grand; }
com::Variant PivotTableObject::GetColumnGrand(Args&) { return Alive(table_)->definition().column_grand; }
void PivotTableObject::PutRowGrand(Args& args) { Grand(&PivotDefinition::row_grand, args.value().Bool(), u"RowGrand"); }
void PivotTableObject::PutColumnGrand(Args& args) {
  Grand(&PivotDefinition::column_grand, args.value().Bool(), u"ColumnGrand");
}

void PivotTableObject::Grand(bool PivotDefinition::*which, bool on, std::u16string_view property) {
  try {
    Alive(table_)->Change([&](PivotDefinition& d) { d.*which = on; });
  } catch (const std::invalid_argument&) {
    throw CannotSet(property, kClass);
  }
}

com::Variant PivotTableObject::Update(Args&) {
  const auto table = Alive(table_);
  try {
    table->Update();
  } catch (const std::invalid_argument&) {
    throw MethodFailed(u"Update", kClass);
  }
  const auto sheet = table->sheet();
  if (const auto app = AppOf(sheet)) app->PivotTableUpdated(sheet, table);
  return true;
}

// PivotSelect(Name, Mode): selects through the application as Range.Select
// does, so SheetSelectionChange is raised.
com::Variant PivotTableObject::PivotSelect(Args& args) {
  auto table = Alive(table_);
  std::vector<CellRect> rects = table->Select(args[0].Text(), args[1].Int(0));
  auto sheet = table->sheet();
  auto app = AppOf(sheet);
  if (rects.empty() || !app) throw MethodFailed(u"PivotSelect", kClass);
  try {
    app->Select(sheet, Areas(rects));
  } catch (const std::logic_error&) {
    throw MethodFailed(u"PivotSelect", kClass);
  }
  return {};
}

// PivotFields(Index): one field by name; the collection itself is not offered.
com::Variant PivotTableObject::PivotFields(Args& args) {
  auto table = Alive(table_);
  if (args[0].omitted()) throw MethodFailed(u"PivotFields", kClass);
  auto field = table->layout().FieldNamed(args[0].Text());
  if (!field) throw CannotGet(u"PivotFields", kClass);
  return AsDispatch(com::Make<PivotFieldObject>(PivotFieldAccess(table, table->layout().FieldName(*field))));
}

}  // namespace corvane::sim::excel::pivot
