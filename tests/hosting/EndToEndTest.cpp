// The real library, reached through nothing but the registry and the COM
// runtime: registered, loaded by a simulated Excel from its add-in key,
// unloaded by the user, unregistered with Excel running and not running.
// Natively the library shares the program's presenter, so its About boxes
// are answered by the script; on Windows it shows real ones through the
// system's presenter, and an answerer closes them.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "addin/CommandTags.h"
#include "platform/com/ComError.h"
#include "platform/com/Dispatch.h"
#include "platform/com/ModulePath.h"
#include "platform/com/ServerRegistration.h"
#include "platform/com/Text.h"
#include "platform/graphics/GdiObject.h"
#include "platform/graphics/Picture.h"
#include "platform/registry/Registry.h"
#include "platform/registry/ScratchRegistry.h"
#include "platform/ui/DialogAnswerer.h"
#include "platform/ui/Presenter.h"
#include "platform/ui/ScriptedPresenter.h"
#include "sim/core/ApplicationFactory.h"
#include "sim/core/ExcelInstallation.h"
#include "sim/excel/objects/ExcelStart.h"
#include "sim/office/OfficeHost.h"
#include "sim/office/OfficeStart.h"
#include "sim/office/model/Bar.h"
#include "sim/office/model/CommandBarSet.h"
#include "sim/office/model/Control.h"
#include "sim/office/objects/Clicks.h"
#include "tests/sim/office/SimDataDirectory.h"

namespace corvane::hosting::testing {
namespace {

constexpr char16_t kToolbar[] = u"Corvane AutoFormat XL";
constexpr char16_t kAddInKey[] = u"\\Software\\Microsoft\\Office\\Excel\\AddIns\\CVFM.eaCVFM";
constexpr char16_t kAboutCaption[] = u"About Corvane";

// Every key and value of a hive, as text, to compare before and after.
void Snapshot(registry::Registry& r, const std::u16string& path, std::map<std::u16string, std::u16string>& out) {
  if (!r.OpenKeyReadOnly(path)) return;
  for (const auto& name : r.GetValueNames()) out[path + u"|" + name] = u"";
  for (const auto& key : r.GetKeyNames()) Snapshot(r, path + u"\\" + key, out);
}
std::map<std::u16string, std::u16string> Snapshot(HKEY root) {
  registry::Registry r(root);
  std::map<std::u16string, std::u16string> out;
  Snapshot(r, u"", out);
  return out;
}

std::u16string StartMode() {
  registry::Registry key(HKEY_CURRENT_USER);
  if (!key.OpenKeyReadOnly(kAddInKey) || !key.ValueExists(u"KVXStartMode")) return u"<none>";
  return key.ReadString(u"KVXStartMode");
}

int32_t Buttons(const sim::excel::ExcelRun& run) {
  const auto bar = sim::office::OfficeOf(run)->bars()->Find(kToolbar);
  return bar ? bar->Count() : -1;
}

// Windows builds name the library by its file, found next to the program.
std::u16string LibraryFile() {
  const std::u16string file = com::Utf8ToUtf16(CORVANE_LIBRARY_FILE);
  static const int here = 0;
  return com::FolderOfPath(file).empty() ? com::ModuleSiblingPath(&here, file) : file;
}

class EndToEndTest : public ::testing::Test {
 protected:
  // Whichever presenter showed it, no box or dialog beyond the About boxes.
  void TearDown() override {
    for (const auto& caption : about.Unexpected()) ADD_FAILURE() << "unexpected dialog: " << com::Utf16ToUtf8(caption);
    for (const auto& failure : presenter.Failures()) ADD_FAILURE() << failure;
  }

  HRESULT Register(bool registering) { return com::CallRegistrationExport(LibraryFile(), registering); }

  // The library is about to show its About box: scripted where the
  // program's presenter gets it.
  void ExpectAboutBox() {
    if (!ui::DialogAnswerer::AnswersRealDialogs()) presenter.QueueDialog({});
  }
  size_t AboutBoxesShown() const { return presenter.Dialogs().size() + about.Answered(); }

  registry::ScratchRegistry scratch;
  sim::office::testing::SimDataDirectory data{"endtoend"};
  sim::ExcelInstallation installed;
  ui::ScriptedPresenter presenter;
  ui::ScopedPresenter presenterScope{presenter};
  ui::DialogAnswerer about{kAboutCaption};
};

// Wine's OLE may write entries of its own the first time a picture object
// is made in a prefix (the add-in makes some); made here first, they stand
// in both snapshots.
void MakeAPictureObject() {
  const graphics::BitmapHandle bitmap(graphics::CreateColorBitmap(ui::Bitmap{1, 1, {0}}));
  ASSERT_TRUE(graphics::CreateBitmapPicture(bitmap.get(), nullptr));
}

TEST_F(EndToEndTest, RegisteredLoadedUnloadedAndUnregisteredLeavingNothingBehind) {
  MakeAPictureObject();
  const auto userBefore = Snapshot(HKEY_CURRENT_USER);
  const auto classesBefore = Snapshot(HKEY_CLASSES_ROOT);
  const auto machineBefore = Snapshot(HKEY_LOCAL_MACHINE);
  ASSERT_EQ(Register(true), S_OK);

  {  // The first start: toolbar, About box, a click, "NORMAL".
    ExpectAboutBox();
    auto run = sim::excel::StartExcel();
    ASSERT_EQ(Buttons(run), 23);
    EXPECT_EQ(AboutBoxesShown(), 1u);
    EXPECT_EQ(StartMode(), u"NORMAL");
    const auto bars = sim::office::OfficeOf(run)->bars();
    const auto aboutButton = bars->Find(kToolbar)->At(23);
    ASSERT_TRUE(aboutButton);
    ExpectAboutBox();
    EXPECT_GE(sim::office::ClickControl(bars, aboutButton).sinksCalled, 1u);
    EXPECT_EQ(AboutBoxesShown(), 2u);
    EXPECT_TRUE(run.model->Quit());
  }
  {  // A restart finds the toolbar again; then the user unloads the add-in.
    auto run = sim::excel::StartExcel();
    EXPECT_EQ(Buttons(run), 23);
    EXPECT_EQ(AboutBoxesShown(), 2u);
    auto& addIns = sim::office::OfficeOf(run)->addIns();
    addIns.UnloadByUser(addIns.Find(u"CVFM.eaCVFM"));
    EXPECT_EQ(Buttons(run), -1);
    EXPECT_FALSE(registry::Registry(HKEY_CURRENT_USER).KeyExists(kAddInKey + std::u16string(u"\\Controls")));
    EXPECT_EQ(StartMode(), u"NORMAL");
    // Connected again for the unregistration to find its toolbar.
    ASSERT_TRUE(addIns.ConnectByUser(addIns.Find(u"CVFM.eaCVFM"), run.application.get()));
    EXPECT_EQ(Buttons(run), 23);
    EXPECT_TRUE(run.model->Quit());
  }
  {  // Unregistered while a running Excel shows the toolbar: it goes from there.
    com::ComPtr<IDispatch> running;
    ASSERT_EQ(
        CoCreateInstance(sim::kExcelApplicationClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, running.put_void()),
        S_OK);
    com::Dispatch bars(com::Dispatch(running).Get(u"CommandBars").ToDispatch());
    EXPECT_NO_THROW(bars.Get(u"Item", {com::Variant(kToolbar)}));
    EXPECT_EQ(Register(false), S_OK);
    EXPECT_THROW(bars.Get(u"Item", {com::Variant(kToolbar)}), com::ComError);
    EXPECT_FALSE(registry::Registry(HKEY_CURRENT_USER).KeyExists(kAddInKey));
    com::Dispatch(running).Call(u"Quit");
  }
  {  // Registered again and unregistered with no Excel running.
    ASSERT_EQ(Register(true), S_OK);
    EXPECT_EQ(Register(false), S_OK);
    auto run = sim::excel::StartExcel();
    EXPECT_EQ(Buttons(run), -1);
    EXPECT_TRUE(run.model->Quit());
  }
  EXPECT_EQ(Snapshot(HKEY_CURRENT_USER), userBefore);
  EXPECT_EQ(Snapshot(HKEY_CLASSES_ROOT), classesBefore);
  EXPECT_EQ(Snapshot(HKEY_LOCAL_MACHINE), machineBefore);
}

}  // namespace
}  // namespace corvane::hosting::testing
