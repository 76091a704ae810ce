#include "addin/NumberFormats.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "addin/CommandTags.h"
#include "addin/FormatEdit.h"
#include "addin/Messages.h"
#include "addin/excel/ExcelDialog.h"
#include "addin/excel/ExcelDialogs.h"
#include "addin/excel/ExcelPivotField.h"
#include "platform/com/ComError.h"
#include "published/Excel.h"

namespace corvane::addin {
namespace {

// The format codes travel in en-US notation (the wrappers ask with that
// locale), so the decimal separator of the codes is always a full stop,
// whatever the user's regional settings.
constexpr char16_t kCodeDecimalSeparator[] = u".";

// The new format, read once the field's first data cell is the active cell.
std::u16string FromDialog(const ClickContext& c, const excel::ExcelPivotField&) {
  excel::ExcelDialogs(c.app.Dialogs()).Item(Excel::xlDialogFormatNumber).Show();  // OK or Cancel alike
  return ActiveCell(c.app).NumberFormat();
}

std::u16string OneDecimalMore(const ClickContext& c, const excel::ExcelPivotField&) {
  return IncreaseDecimal(ActiveCell(c.app).NumberFormat(), kCodeDecimalSeparator);
}

std::u16string OneDecimalLess(const ClickContext& c, const excel::ExcelPivotField&) {
  return DecreaseDecimal(ActiveCell(c.app).NumberFormat(), kCodeDecimalSeparator);
}

std::u16string AsCurrency(const ClickContext& c, const excel::ExcelPivotField& field) {
  ActiveCell(c.app).SetStyle(u"Currency");
  return field.DataRange().Cells().Item(1, 1).NumberFormat();
}

struct FormatCommand {
  int tag;
  // The dialog works on the active cell's field, the edits on the field of
  // the selection's first cell.
  bool fieldOfActiveCell;
  std::u16string (*newFormat)(const ClickContext&, const excel::ExcelPivotField&);
};

const FormatCommand kFormats[] = {
    {tags::kNumberFormat, true, FromDialog},
    {tags::kIncreaseDecimal, false, OneDecimalMore},
    {tags::kDecreaseDecimal, false, OneDecimalLess},
    {tags::kCurrency, false, AsCurrency},
};

// False (after telling the user) unless the field is a data field.
bool IsDataField(const excel::ExcelPivotField& field) {
  if (field.empty()) {
    ShowPlainMessage(kNoTableMessage);
    return false;
  }
  try {
    field.NumberFormat();
    return true;
  } catch (const com::ComError&) {
    ShowPlainMessage(NotNumberMessage(field.Name()));
    return false;
  }
}

}  // namespace

bool SetNumberFormat(const ClickContext& context, int tag) {
  const auto command =
      std::find_if(std::begin(kFormats), std::end(kFormats), [tag](const FormatCommand& f) { return f.tag == tag; });
  if (command == std::end(kFormats)) return false;
  const excel::ExcelPivotField field =
      command->fieldOfActiveCell ? ActiveCell(context.app).PivotField() : context.prior.PivotField();
  if (!IsDataField(field)) return true;
  field.DataRange().Cells().Item(1, 1).Select();
  const std::u16string format = command->newFormat(context, field);
  // The field of the selection from before the click gets the format.
  context.prior.PivotField().SetNumberFormat(format);
  context.table.Update();
  context.prior.Select();
  return true;
}

}  // namespace corvane::addin
