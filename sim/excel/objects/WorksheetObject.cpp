#include "sim/excel/objects/WorksheetObject.h"

#include "published/Excel.h"
#include "sim/excel/model/WorkbookModel.h"
#include "sim/excel/objects/ExcelErrors.h"
#include "sim/excel/objects/ExcelObjects.h"
#include "sim/excel/objects/PivotObjects.h"
#include "sim/excel/objects/SheetMembers.h"

namespace corvane::sim::excel {
namespace {

constexpr char16_t kWorksheet[] = u"Worksheet";

}  // namespace

const ObjectType<WorksheetObject>& WorksheetObject::Type() {
  static const ObjectType<WorksheetObject> type{
      kWorksheet,
      {Excel::Worksheet::iid},
      {Get(Excel::Worksheet::Name, u"Name", &WorksheetObject::GetName),
       Method(Excel::Worksheet::PivotTables, u"PivotTables", &WorksheetObject::GetPivotTables).Takes(1),
       Get(Excel::Worksheet::Range, u"Range", &WorksheetObject::GetRange).Takes(2),
       Get(Excel::Worksheet::Cells, u"Cells", &WorksheetObject::GetCells),
       Method(Excel::Worksheet::Activate, u"Activate", &WorksheetObject::Activate),
       Get(Excel::Worksheet::Index, u"Index", &WorksheetObject::GetIndex),
       Get(Excel::Worksheet::Parent, u"Parent", &WorksheetObject::GetParent),
       Get(Excel::Worksheet::Application, u"Application", &WorksheetObject::GetApplication)}};
  return type;
}

com::Variant WorksheetObject::GetName(Args&) { return sheet_members::Name(sheet_); }
com::Variant WorksheetObject::GetIndex(Args&) { return sheet_members::Index(sheet_); }
com::Variant WorksheetObject::GetParent(Args&) { return sheet_members::Parent(sheet_); }
com::Variant WorksheetObject::GetApplication(Args&) { return sheet_members::Application(sheet_); }
com::Variant WorksheetObject::Activate(Args&) { return sheet_members::Activate(sheet_); }

// PivotTables([Index]): the collection, or one table by name or position.
com::Variant WorksheetObject::GetPivotTables(Args& args) {
  const auto sheet = Alive(sheet_);
  const auto& makers = GetPivotObjectMakers();
  if (args[0].omitted()) {
    if (!makers.tables) throw MethodFailed(u"PivotTables", kWorksheet);
    return makers.tables(sheet);
  }
  std::shared_ptr<PivotSite> table;
  if (args[0].type() == VT_BSTR) {
    table = sheet->PivotNamed(args[0].Text());
  } else {
    const int32_t index = args[0].Int();
    if (index >= 1 && static_cast<size_t>(index) <= sheet->pivots().size()) table = sheet->pivots()[index - 1];
  }
  if (!table || !makers.table) throw MethodFailed(u"PivotTables", kWorksheet);
  return makers.table(sheet, table);
}

// A Range argument: an address text or a range of this sheet.
Areas WorksheetObject::AreasOf(const Arg& cell) {
  if (cell.type() == VT_BSTR) {
    if (const auto areas = ParseAddress(cell.Text())) return Areas(*areas);
    throw MethodFailed(u"Range", kWorksheet);
  }
  const auto parts = RangePartsOf(cell.Object().get());
  if (!parts || parts->sheet != Alive(sheet_)) throw MethodFailed(u"Range", kWorksheet);
  return parts->areas;
}

// Range(Cell1, [Cell2]): with two, the rectangle spanning both.
com::Variant WorksheetObject::GetRange(Args& args) {
  const auto sheet = Alive(sheet_);
  const Areas first = AreasOf(args[0]);
  if (args[1].omitted()) return NewRangeObject(sheet, first);
  const Areas second = AreasOf(args[1]);
  CellRect span = first.first_area();
  for (const Areas* part : {&first, &second}) {
    for (const CellRect& r : part->rects()) {
      span = CellRect::Span({std::min(span.top, r.top), std::min(span.left, r.left)},
                            {std::max(span.bottom, r.bottom), std::max(span.right, r.right)});
    }
  }
  return NewRangeObject(sheet, Areas(span));
}

com::Variant WorksheetObject::GetCells(Args&) {
  return NewRangeObject(Alive(sheet_), Areas(CellRect{1, 1, kMaxRows, kMaxColumns}));
}

}  // namespace corvane::sim::excel
