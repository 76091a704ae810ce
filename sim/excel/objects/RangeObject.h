// Excel's Range over the sheet model: one or more areas of one sheet, seen
// as cells, rows or columns.
#pragma once

#include <memory>

#include "sim/core/SimObject.h"
#include "sim/excel/model/SheetModel.h"

namespace corvane::sim::excel {

class RangeObject final : public SimObject<RangeObject> {
 public:
  RangeObject(std::weak_ptr<SheetModel> sheet, Areas areas) : sheet_(std::move(sheet)), areas_(std::move(areas)) {}
  static const ObjectType<RangeObject>& Type();

  std::shared_ptr<SheetModel> sheet() const { return Alive(sheet_); }
  const Areas& areas() const { return areas_; }

 protected:
  void* QueryOther(REFIID riid) override;

 private:
  com::Variant GetAddress(Args& args);
  com::Variant GetPivotTable(Args& args);
  com::Variant GetPivotField(Args& args);
  com::Variant GetNumberFormat(Args& args);
  void PutNumberFormat(Args& args);
  com::Variant GetFormatLocal(Args& args);
  void PutFormatLocal(Args& args);
  com::Variant GetStyle(Args& args);
  void PutStyle(Args& args);
  com::Variant GetValue(Args& args);
  void PutValue(Args& args);
  com::Variant Select(Args& args);
  com::Variant AutoFit(Args& args);
  com::Variant ClearFormats(Args& args);
  com::Variant GetCells(Args& args);
  com::Variant GetItem(Args& args);
  com::Variant GetRows(Args& args);
  com::Variant GetColumns(Args& args);
  com::Variant GetCount(Args& args);
  com::Variant GetRow(Args& args);
  com::Variant GetColumn(Args& args);
  com::Variant GetApplication(Args& args);
  com::Variant GetWorksheet(Args& args);
  com::Variant GetAreas(Args& args);
  com::Variant Enumerate(Args& args);

  com::Variant Shaped(AreaShape shape);
  // The cells' format code in the notation of the locale; Null when they differ.
  com::Variant FormatFor(LCID locale);
  void SetFormatFrom(const Args& args, LCID locale, std::u16string_view property);
  std::shared_ptr<PivotSite> TableUnderFirstCell(std::u16string_view property);

  std::weak_ptr<SheetModel> sheet_;
  Areas areas_;
};

}  // namespace corvane::sim::excel
