// The workbook files' text form: what a good file becomes, and for each
// kind of mistake the file, the line and what is wrong.
#include <gtest/gtest.h>

#include <sstream>

#include "platform/com/Text.h"
#include "workbench/WorkbookReader.h"

namespace corvane::workbench::testing {
namespace {

std::vector<WorkbookPlan> Read(const std::string& text) {
  std::istringstream in(text);
  return WorkbookReader("f.workbook").Read(in);
}

std::string ErrorOf(const std::string& text) {
  try {
    Read(text);
  } catch (const WorkbookError& error) {
    return error.what();
  }
  return "(no error)";
}

constexpr char kHead[] = "workbook B.xls\nsheet S\nchart C\nrecords\nRegion,Sales\nEast,10\nWest,20\nend\n";  // 8 lines

struct MalformedCase {
  std::string text;
  const char* error;
};

TEST(WorkbookReaderTest, EachMistakeNamesTheFileTheLineAndWhatIsWrong) {
  const std::string head = kHead;
  const std::string table = head + "table T on S at A1\nrow Region\n";  // lines 9, 10
  const MalformedCase cases[] = {
      {"", "f.workbook:0: no workbook in the file"},
      {"sheet S\n", "f.workbook:1: a \"workbook NAME\" line must come first"},
      {"workbook B\nfrobnicate\n", "f.workbook:2: unknown keyword \"frobnicate\""},
      {"workbook B\n", "f.workbook:1: the workbook \"B\" has no sheet"},
      {"workbook B\nsheet S\nworkbook b\n", "f.workbook:3: the workbook \"b\" is named twice"},
      {"workbook B\nsheet S\nsheet s\n", "f.workbook:3: the sheet \"s\" is named twice"},
      {"workbook B\nsheet \"S\n", "f.workbook:2: a quote is not closed"},
      {"workbook B\n\r\rsheet S\n", "f.workbook:2: a carriage return inside the line"},
      {"workbook B\nsheet S\rT\n", "f.workbook:2: a carriage return inside the line"},
      {"workbook B\nsheet S T\n", "f.workbook:2: sheet takes one name"},
      {"workbook B\nsheet S\nrecords\nA,B\n1\nend\n", "f.workbook:5: a record has 1 values, the header names 2 fields"},
      {"workbook B\nsheet S\nrecords\nA,B\n1,2\n", "f.workbook:5: the records are not closed by \"end\""},
      {"workbook B\nsheet S\nrecords\nA,A\nend\n", "f.workbook:4: the field \"A\" is named twice"},
      {"workbook B\nsheet S\nrecords\nA,\nend\n", "f.workbook:4: a field in the header row has no name"},
      {"workbook B\nsheet S\nrecords\nend\n", "f.workbook:4: the records have no header row"},
      {"workbook B\nsheet S\nrecords\nA\n\"x\n", "f.workbook:5: a quote is not closed"},
      {head + "records\n", "f.workbook:9: the workbook has records already"},
      {"workbook B\nsheet S\ntable T on S at A1\n", "f.workbook:3: a table needs the workbook's records first"},
      {head + "table T on Nowhere at A1\n", "f.workbook:9: no sheet \"Nowhere\" in the workbook"},
      {head + "table T on C at A1\n", "f.workbook:9: \"C\" is a chart sheet"},
      {head + "table T on S at A1:B2\n", "f.workbook:9: \"A1:B2\" is not one cell"},
      {head + "table T on S at ZZZ1\n", "f.workbook:9: \"ZZZ1\" is not one cell"},
      {head + "table T in S at A1\n", "f.workbook:9: expected: table NAME on SHEET at CELL"},
      {head + "row Region\n", "f.workbook:9: a table line outside a \"table\" block"},
      {table + "column Nope\n", "f.workbook:11: no field \"Nope\" in the records"},
      {table + "data Sales median\n", "f.workbook:11: unknown function \"median\""},
      {table + "data Sales sum format\n", "f.workbook:11: \"format\" needs a value"},
      {table + "data Sales sum colour red\n", "f.workbook:11: unexpected \"colour\" (format or caption)"},
      {table + "data Sales\nsubtotals Region often\n", "f.workbook:12: unknown subtotal function \"often\""},
      {table + "data Sales\ngrand rows maybe\n", "f.workbook:12: expected: grand rows|columns on|off"},
      {table + "data Sales\ngrand diagonals on\n", "f.workbook:12: grand takes rows or columns, not \"diagonals\""},
      {table + "data Sales\ndata-on rows 0\n", "f.workbook:12: \"0\" is no position (1 or more)"},
      {table + "data Sales\nselect S Q0\n", "f.workbook:12: \"Q0\" is no address"},
      {table + "data Sales\nselect C A1\n", "f.workbook:12: \"C\" is a chart sheet"},
      {table, "f.workbook:9: the table cannot be laid out"},
      {table + "data Sales\ntable U on S at B4\nrow Region\ndata Sales\n", "f.workbook:12: the table overlaps \"T\""},
      {table + "data Sales\ntable t on S at K1\n", "f.workbook:12: the table \"t\" is named twice"},
  };
  for (const auto& c : cases) {
    const std::string error = ErrorOf(c.text);
    EXPECT_EQ(error.rfind(c.error, 0), 0u) << c.text << "\ngot: " << error;
  }
}

TEST(WorkbookReaderTest, AMissingFileIsNamed) {
  try {
    WorkbookReader::ReadFile("/nonexistent/folder/book.workbook");
    FAIL() << "no error";
  } catch (const WorkbookError& error) {
    EXPECT_STREQ(error.what(), "/nonexistent/folder/book.workbook: cannot be read");
  }
}

TEST(WorkbookReaderTest, TheExampleFileReadsAsDocumented) {
  const auto books = WorkbookReader::ReadFile(CORVANE_SOURCE_DIR "/workbench/examples/orchard.workbook");
  ASSERT_EQ(books.size(), 1u);
  const auto& book = books.front();
  EXPECT_EQ(book.name, u"Orchard.xls");
  ASSERT_EQ(book.sheets.size(), 3u);
  EXPECT_EQ(book.sheets[2].kind, sim::excel::SheetKind::Chart);
  ASSERT_EQ(book.records.records.size(), 6u);
  // Quoted values keep their commas; numbers read as numbers.
  EXPECT_EQ(std::get<std::u16string>(book.records.records[5][1]), u"Pears, late");
  EXPECT_EQ(std::get<double>(book.records.records[0][4]), 2160.5);
  ASSERT_EQ(book.tables.size(), 2u);
  const auto& first = book.tables[0].definition;
  EXPECT_EQ(first.page_fields, std::vector<std::u16string>{u"Orchard"});
  ASSERT_EQ(first.data_fields.size(), 2u);
  EXPECT_EQ(first.data_fields[1].function, pivot::Function::Average);
  EXPECT_EQ(first.data_fields[1].caption, u"Mean weight");
  EXPECT_EQ(first.data_fields[0].number_format, u"#,##0");
  EXPECT_FALSE(first.column_grand);
  EXPECT_TRUE(first.row_grand);
  const auto& second = book.tables[1];
  EXPECT_EQ(second.sheet, u"Summary");
  EXPECT_EQ(second.definition.destination, (sim::excel::CellRef{2, 2}));
  const auto& switches = second.definition.subtotals.at(u"Orchard");
  EXPECT_FALSE(switches[0]);
  EXPECT_TRUE(switches[1]);  // Sum
  EXPECT_TRUE(switches[4]);  // Max
  ASSERT_TRUE(book.start);
  EXPECT_EQ(book.start->sheet, u"Harvest");
}

}  // namespace
}  // namespace corvane::workbench::testing
