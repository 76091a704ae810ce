#include "sim/excel/pivot/PivotFieldAccess.h"

#include <algorithm>

#include "sim/core/HostError.h"

namespace corvane::sim::excel::pivot {
namespace {

HostError FieldError(const char16_t* verb, const char16_t* property) {
  return HostError(std::u16string(u"Unable to ") + verb + u" the " + property + u" property of the PivotField class");
}

}  // namespace

PivotFieldAccess::PivotFieldAccess(std::weak_ptr<PivotTableModel> table, std::u16string name)
    : table_(std::move(table)), name_(std::move(name)) {}

std::optional<PivotFieldAccess> PivotFieldAccess::Under(const std::shared_ptr<PivotTableModel>& table, CellRef cell) {
  auto field = table->layout().FieldAt(cell);
  if (!field) return std::nullopt;
  return PivotFieldAccess(table, table->layout().FieldName(*field));
}

std::shared_ptr<PivotTableModel> PivotFieldAccess::Table() const { return Alive(table_); }

FieldRef PivotFieldAccess::Resolve(const PivotTableModel& table) const {
  auto field = table.layout().FieldNamed(name_);
  if (!field) throw HostError(u"The PivotField \"" + name_ + u"\" is no longer in the PivotTable");
  return *field;
}

std::u16string PivotFieldAccess::Name() const { return Table()->layout().FieldName(Resolve(*Table())); }

Areas PivotFieldAccess::DataRange() const {
  auto table = Table();
  return Areas(table->layout().DataRange(Resolve(*table)));
}

std::u16string PivotFieldAccess::NumberFormat() const {
  auto table = Table();
  FieldRef field = Resolve(*table);
  if (field.role != FieldRole::Data) throw FieldError(u"get", u"NumberFormat");
  return table->definition().data_fields[field.index].number_format;
}

void PivotFieldAccess::SetNumberFormat(const std::u16string& format) const {
  auto table = Table();
  FieldRef field = Resolve(*table);
  if (field.role != FieldRole::Data) throw FieldError(u"set", u"NumberFormat");
  table->Change([&](PivotDefinition& d) { d.data_fields[field.index].number_format = format; });
}

std::u16string PivotFieldAccess::SourceField(const char16_t* verb, const char16_t* property) const {
  auto table = Table();
  FieldRef field = Resolve(*table);
  const PivotLayout& layout = table->layout();
  if (field.role == FieldRole::Page) return layout.FieldName(field);
  if (field.role == FieldRole::Row && layout.row_levels()[field.index].source >= 0) return layout.FieldName(field);
  if (field.role == FieldRole::Column && layout.column_levels()[field.index].source >= 0)
    return layout.FieldName(field);
  throw FieldError(verb, property);
}

SubtotalSwitches PivotFieldAccess::Subtotals() const {
  std::u16string source = SourceField(u"get", u"Subtotals");
  const auto& all = Table()->definition().subtotals;
  auto found = all.find(source);
  return found == all.end() ? kAutomaticSubtotal : found->second;
}

bool PivotFieldAccess::Subtotal(int index) const {
  if (index < 1 || index > static_cast<int>(kSubtotalSwitches)) throw FieldError(u"get", u"Subtotals");
  return Subtotals()[index - 1];
}

void PivotFieldAccess::SetSubtotals(SubtotalSwitches switches) const {
  std::u16string source = SourceField(u"set", u"Subtotals");
  if (switches[0]) switches = kAutomaticSubtotal;
  Table()->Change([&](PivotDefinition& d) { d.subtotals[source] = switches; });
}

void PivotFieldAccess::SetSubtotal(int index, bool on) const {
  if (index < 1 || index > static_cast<int>(kSubtotalSwitches)) throw FieldError(u"set", u"Subtotals");
  SubtotalSwitches switches = Subtotals();
  if (on && index > 1) switches[0] = false;
  switches[index - 1] = on;
  SetSubtotals(switches);
}

std::u16string PivotFieldAccess::SubtotalName() const { return SourceField(u"get", u"SubtotalName") + u" Total"; }

std::shared_ptr<PivotTableModel> PivotTableUnder(const SheetModel& sheet, CellRef cell) {
  return std::dynamic_pointer_cast<PivotTableModel>(sheet.PivotAt(cell));
}

}  // namespace corvane::sim::excel::pivot
