// Excel's objects driven by a late-binding client: arguments a member does
// not take applied to the default member of its result, For Each through
// _NewEnum, and the areas of a range.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "published/Excel.h"
#include "sim/core/HostError.h"
#include "sim/core/Instrumentation.h"
#include "sim/excel/objects/ExcelStart.h"
#include "tests/sim/core/Enumerated.h"

namespace corvane::sim::excel {
namespace {

using com::Dispatch;
using com::Variant;
using sim::testing::Enumerated;
using sim::testing::NewEnumOf;
using sim::testing::Remaining;

constexpr DISPID kAddress = 0xEC;
constexpr DISPID kName = 0x6E;

class LateBindingTest : public ::testing::Test {
 public:  // the case tables call them
  LateBindingTest() {
    Instrumentation::Instance().Reset();
    run.model->NewWorkbook();
  }
  Dispatch App() { return Dispatch(run.application); }
  Dispatch Sheet() { return Dispatch(App().Get(0x133).ToDispatch()); }
  Dispatch RangeAt(const char16_t* address) { return Dispatch(Sheet().Get(0xC5, {address}).ToDispatch()); }
  static std::u16string AddressOf(const Variant& range) { return Dispatch(range.ToDispatch()).Get(kAddress).ToText(); }
  static std::vector<std::u16string> Texts(const std::vector<Variant>& items, DISPID member) {
    std::vector<std::u16string> texts;
    for (const auto& item : items) texts.push_back(Dispatch(item.ToDispatch()).Get(member).ToText());
    return texts;
  }
  // The HRESULT a call fails with (S_OK when it does not).
  static HRESULT FailureOf(const std::function<void()>& call) {
    try {
      call();
    } catch (const com::ComError& error) {
      return error.code();
    }
    return S_OK;
  }

  ExcelRun run = StartExcel();
};

TEST_F(LateBindingTest, SurplusArgumentsReachTheDefaultMemberOfTheResult) {
  struct Case {
    const char* what;
    std::function<Dispatch(LateBindingTest&)> object;
    com::Member member;
    std::vector<Variant> args;
    std::u16string address;
  } cases[] = {
      {"Cells(2, 3)", [](auto& t) { return t.Sheet(); }, 0xEE, {2, 3}, u"$C$2"},
      {"Cells(2) by name", [](auto& t) { return t.Sheet(); }, u"Cells", {2}, u"$B$1"},
      {"Cells(2, 3, 1): twice along", [](auto& t) { return t.Sheet(); }, 0xEE, {2, 3, 1}, u"$C$2"},
      {"Cells(2, 3, 2): twice along", [](auto& t) { return t.Sheet(); }, 0xEE, {2, 3, 2}, u"$C$3"},
      {"Range(B2:D4).Cells(2, 3)", [](auto& t) { return t.RangeAt(u"B2:D4"); }, 0xEE, {2, 3}, u"$D$3"},
      {"Range(A1:C3)(2, 2)", [](auto& t) { return t.RangeAt(u"A1:C3"); }, 0x0, {2, 2}, u"$B$2"},
      {"Range(A1:C3).Rows(2)", [](auto& t) { return t.RangeAt(u"A1:C3"); }, u"Rows", {2}, u"$A$2:$C$2"},
      {"Range(A1:C3).Columns(3)", [](auto& t) { return t.RangeAt(u"A1:C3"); }, 0xF1, {3}, u"$C$1:$C$3"},
      {"Range(A1,C3).Areas(2)", [](auto& t) { return t.RangeAt(u"A1,C3"); }, u"Areas", {2}, u"$C$3"},
      {"Application.ActiveCell(1, 2)", [](auto& t) { return t.App(); }, 0x131, {1, 2}, u"$B$1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AddressOf(c.object(*this).Get(c.member, c.args)), c.address) << c.what;
  }
}

TEST_F(LateBindingTest, CollectionsReachedByPropertyTakeTheirItemsIndex) {
  run.model->NewWorkbook();
  EXPECT_EQ(Dispatch(App().Get(u"Workbooks", {2}).ToDispatch()).Get(kName).ToText(), u"Book2");
  EXPECT_EQ(Dispatch(App().Get(u"Sheets", {u"sheet3"}).ToDispatch()).Get(kName).ToText(), u"Sheet3");
  Dispatch book(App().Get(0x134).ToDispatch());
  EXPECT_EQ(Dispatch(book.Get(u"Worksheets", {1}).ToDispatch()).Get(kName).ToText(), u"Sheet1");
  Dispatch dialog(App().Get(u"Dialogs", {Excel::xlDialogFormatNumber}).ToDispatch());
  EXPECT_TRUE(dialog.object().try_query<IDispatch>());
  void* asDialog = nullptr;
  ASSERT_EQ(dialog.object()->QueryInterface(Excel::Dialog::iid, &asDialog), S_OK);
  static_cast<IUnknown*>(asDialog)->Release();
}

TEST_F(LateBindingTest, SurplusArgumentsWithoutADefaultMemberAreRefused) {
  struct Case {
    const char* what;
    std::function<void(LateBindingTest&)> call;
  } cases[] = {
      {"a text result", [](auto& t) { t.Sheet().Get(kName, {1}); }},
      {"a number result", [](auto& t) { t.RangeAt(u"A1:B2").Get(u"Count", {1}); }},
      {"a window has no default member", [](auto& t) { t.App().Get(0x2F7, {1}); }},
      {"a workbook has none",
       [](auto& t) {
         t.App().Get(u"Workbooks", {1, 1});
       }},
      {"Address given six",
       [](auto& t) {
         t.RangeAt(u"A1").Get(kAddress, {true, true, 1, false, Variant(), 1});
       }},
      {"a method with one too many", [](auto& t) { t.RangeAt(u"A1").Call(u"ClearFormats", {1}); }},
      {"a put with an index it does not take",
       [](auto& t) { t.RangeAt(u"A1").Put(u"NumberFormat", Variant(u"0"), {1}); }},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FailureOf([&] { c.call(*this); }), DISP_E_BADPARAMCOUNT) << c.what;
  }
  EXPECT_EQ(Instrumentation::Instance().Calls(u"Range", u"ClearFormats"), 0u);
  EXPECT_EQ(Instrumentation::Instance().Calls(u"Range", u"NumberFormat"), 0u);
}

TEST_F(LateBindingTest, ForEachWalksCollectionsAndRanges) {
  run.model->NewWorkbook();
  Dispatch book(App().Get(0x134).ToDispatch());
  struct Case {
    const char* what;
    com::ComPtr<IDispatch> collection;
    DISPID member;
    std::vector<std::u16string> expected;
  } cases[] = {
      {"Workbooks", App().Get(0x23C).ToDispatch(), kName, {u"Book1", u"Book2"}},
      {"Sheets", book.Get(0x1E5).ToDispatch(), kName, {u"Sheet1", u"Sheet2", u"Sheet3"}},
      {"Worksheets", book.Get(0x1EE).ToDispatch(), kName, {u"Sheet1", u"Sheet2", u"Sheet3"}},
      {"cells row by row, area after area",
       RangeAt(u"A1:B2,D4").object(),
       kAddress,
       {u"$A$1", u"$B$1", u"$A$2", u"$B$2", u"$D$4"}},
      {"Rows", RangeAt(u"A1:B3").Get(0x102).ToDispatch(), kAddress, {u"$A$1:$B$1", u"$A$2:$B$2", u"$A$3:$B$3"}},
      {"Columns", RangeAt(u"A1:B3,D1").Get(0xF1).ToDispatch(), kAddress, {u"$A$1:$A$3", u"$B$1:$B$3", u"$D$1"}},
      {"Areas", RangeAt(u"A1:B2,D4,F1:F9").Get(0x238).ToDispatch(), kAddress, {u"$A$1:$B$2", u"$D$4", u"$F$1:$F$9"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Texts(Enumerated(c.collection), c.member), c.expected) << c.what;
  }
}

TEST_F(LateBindingTest, AreasCountAndItemFollowTheRange) {
  Dispatch areas(RangeAt(u"A1,C3:D4").Get(u"Areas").ToDispatch());
  EXPECT_EQ(areas.Get(u"Count").ToInt32(), 2);
  EXPECT_EQ(AddressOf(areas.Get(0xAA, {1})), u"$A$1");
  EXPECT_EQ(AddressOf(areas.Get(0x0, {2})), u"$C$3:$D$4");
  EXPECT_EQ(Dispatch(areas.Get(0x0, {2}).ToDispatch()).Get(u"Count").ToInt32(), 4);
  EXPECT_EQ(Dispatch(RangeAt(u"B2:C3").Get(0x238).ToDispatch()).Get(0x76).ToInt32(), 1);
  for (int index : {0, 3}) {
    EXPECT_EQ(FailureOf([&] { areas.Get(0xAA, {index}); }), kExcelError) << index;
  }
}

TEST_F(LateBindingTest, TheEnumeratorFollowsIEnumVariantRules) {
  Dispatch book(App().Get(0x134).ToDispatch());
  const auto sheets = NewEnumOf(book.Get(0x1E5).ToDispatch());
  ASSERT_TRUE(sheets);
  VARIANT two[2];
  VariantInit(&two[0]);
  VariantInit(&two[1]);
  ULONG fetched = 9;
  ASSERT_EQ(sheets->Next(2, two, &fetched), S_OK);
  EXPECT_EQ(fetched, 2u);
  const std::vector<Variant> first{Variant::Adopt(two[0]), Variant::Adopt(two[1])};
  EXPECT_EQ(Texts(first, kName), (std::vector<std::u16string>{u"Sheet1", u"Sheet2"}));
  EXPECT_EQ(sheets->Next(2, two, nullptr), E_POINTER);  // several need a count

  com::ComPtr<IEnumVARIANT> copy;
  ASSERT_EQ(sheets->Clone(copy.put()), S_OK);
  EXPECT_EQ(Texts(Remaining(sheets.get()), kName), std::vector<std::u16string>{u"Sheet3"});
  EXPECT_EQ(Texts(Remaining(copy.get()), kName), std::vector<std::u16string>{u"Sheet3"});  // its own place

  EXPECT_EQ(sheets->Reset(), S_OK);
  EXPECT_EQ(sheets->Skip(2), S_OK);
  EXPECT_EQ(Texts(Remaining(sheets.get()), kName), std::vector<std::u16string>{u"Sheet3"});
  EXPECT_EQ(sheets->Reset(), S_OK);
  EXPECT_EQ(sheets->Skip(5), S_FALSE);
  EXPECT_TRUE(Remaining(sheets.get()).empty());
}

// Items are taken when _NewEnum is asked for; cells are made as they are
// reached, so a whole column is walked without a wrapper per cell up front.
TEST_F(LateBindingTest, TheEnumeratorIsASnapshotThatMakesCellsOnDemand) {
  const auto books = NewEnumOf(App().Get(0x23C).ToDispatch());
  run.model->NewWorkbook();
  EXPECT_EQ(Remaining(books.get()).size(), 1u);

  const auto column = NewEnumOf(RangeAt(u"A:A").object());
  EXPECT_EQ(Instrumentation::Instance().LiveObjects(u"Range"), 0);
  ASSERT_EQ(column->Skip(65535), S_OK);
  const auto last = Remaining(column.get());
  ASSERT_EQ(last.size(), 1u);
  EXPECT_EQ(AddressOf(last[0]), u"$A$65536");
}

}  // namespace
}  // namespace corvane::sim::excel
