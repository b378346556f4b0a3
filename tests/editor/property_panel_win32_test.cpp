// The property panel of the editor's main window on the sample project: the grid follows the
// selection, typed numbers are validated when the cell is left (a rejected one also stops the
// command that asked for the edit to be committed), choices rebuild the rows that depend on them,
// page renames are checked, and a page written by any tool shows the values its file holds.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cctype>
#include <chrono>
#include <string>
#include <vector>

#include "editor/editor_files_win32.h"
#include "editor/main_form_win32.h"
#include "objects/object_bounds.h"
#include "platform/shell_seam.h"
#include "sample/sample_project.h"
#include "storage/page_file.h"
#include "storage/project_file.h"
#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"

namespace plexara {
namespace {

using namespace std::chrono_literals;
using testing_support::WaitUntil;

class RecordingBoxes final : public MessageBoxes {
 public:
  MessageAnswer Show(const MessageBoxRequest& request) override {
    shown.push_back(request.caption + ": " + request.text);
    return request.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
  }
  std::vector<std::string> shown;
};

class PropertyPanel : public ::testing::Test {
 protected:
  void SetUp() override {
    editorFolder_ = testing_support::MakeTempFolder("plexara-grid");
    project_ = editorFolder_ + "\\Disc";
    CreateDirectoryA(project_.c_str(), nullptr);
    ASSERT_TRUE(sample::WriteSampleProject(project_, sample::SampleForms::MainPageOnly));
    ASSERT_TRUE(testing_support::CopyFileTo(testing_support::BuildDir() + "\\Default.ico", editorFolder_ + "\\Default.ico"));
    saved_ = Context();
    StartupContext& context = Context();
    context.editorMode = true;
    context.exeFolder = editorFolder_;
    context.editorTempFolder = editorFolder_ + "\\Temp";
    context.executablePath = testing_support::BuildDir() + "\\Plexara.exe";
    context.projectRoot = project_;
    const std::string version = Win32EditorFiles().ExecutableVersion(context.executablePath);
    WritePrivateProfileStringA("SYSTEM", "Version", version.c_str(), (editorFolder_ + "\\Plexara.ini").c_str());
    previousBoxes_ = SetMessageBoxes(&boxes_);
    form_ = std::make_unique<TMainForm>(context);
    ASSERT_TRUE(form_->FormCreate(nullptr));
    ASSERT_TRUE(WaitUntil([&] { return !form_->document().starting; }, 20s));
  }
  void TearDown() override {
    form_.reset();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {}
    SetMessageBoxes(previousBoxes_);
    Context() = saved_;
    testing_support::RemoveTree(editorFolder_);
  }

  ValueEdit& Grid() { return form_->propertyGrid(); }
  PageData& Page() { return form_->workingPage()->page(); }
  HWND Selector() const { return FindWindowExA(form_->hwnd(), nullptr, WC_COMBOBOXA, nullptr); }
  void Choose(int index) {
    SendMessageA(Selector(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(Selector()), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(Selector()));
  }
  void Command(EditorCommand command) {
    SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<int>(command), 0), 0);
  }
  std::string StatusText() const {
    char text[256] = {};
    SendMessageA(FindWindowExA(form_->hwnd(), nullptr, STATUSCLASSNAMEA, nullptr), SB_GETTEXTA, 0,
                 reinterpret_cast<LPARAM>(text));
    return text;
  }
  int RowOf(const std::string& key) {
    for (int row = 1; row < Grid().RowCount(); ++row)
      if (Grid().Key(row) == key) return row;
    ADD_FAILURE() << "no row " << key;
    return 1;
  }
  // Clicks into the value cell and types over its text, as the author does.
  void TypeInto(const std::string& key, const std::string& text) {
    const int row = RowOf(key);
    Grid().SetRow(row);
    const RECT cell = Grid().CellRect(1, row);
    const LPARAM at = MAKELPARAM(cell.left + 8, (cell.top + cell.bottom) / 2);
    PostMessageA(Grid().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(Grid().hwnd(), WM_LBUTTONUP, 0, at);
    ASSERT_TRUE(WaitUntil([&] { return Grid().Editing() && Grid().Row() == row; }, 5s)) << key;
    SendMessageA(Grid().Editor(), EM_SETSEL, 0, -1);
    testing_support::PostChars(Grid().Editor(), text);
    ASSERT_TRUE(WaitUntil([&] { return Grid().EditorText() == text; }, 5s)) << key;
  }
  // Presses the "..." button of a row, which becomes the current row first.
  void PressButton(const std::string& key) {
    const int row = RowOf(key);
    Grid().SetRow(row);
    const RECT cell = Grid().CellRect(1, row);
    const LPARAM at = MAKELPARAM(cell.right - 3, (cell.top + cell.bottom) / 2);
    PostMessageA(Grid().hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(Grid().hwnd(), WM_LBUTTONUP, 0, at);
  }
  void LeaveCell() {
    testing_support::PostKey(Grid().Editor(), VK_RETURN);
    WaitUntil([] { return false; }, 100ms);
  }

  std::string editorFolder_, project_;
  StartupContext saved_;
  RecordingBoxes boxes_;
  MessageBoxes* previousBoxes_ = nullptr;
  std::unique_ptr<TMainForm> form_;
};

TEST_F(PropertyPanel, TheGridFollowsTheSelection) {
  HWND multi = FindWindowExA(form_->hwnd(), nullptr, "STATIC", "Multi - Selected");
  ASSERT_NE(multi, nullptr);
  EXPECT_TRUE(IsWindowVisible(Grid().hwnd()));
  EXPECT_FALSE(IsWindowVisible(multi));
  EXPECT_EQ(Grid().RowCount(), 42);
  EXPECT_EQ(Grid().Value(1), sample::kMainPageName);
  EXPECT_EQ(StatusText(), "Main Page Properties");
  testing_support::SaveWindowScreenshot(form_->hwnd(), "property-grid-page");

  ASSERT_GE(Page().objects.size(), 2u);
  Choose(1);
  EXPECT_TRUE(IsWindowVisible(Grid().hwnd()));
  EXPECT_EQ(Grid().Key(1), "Visible");
  EXPECT_EQ(StatusText(), "Object Properties  [1 / " + std::to_string(Page().objects.size()) + "]");
  testing_support::SaveWindowScreenshot(form_->hwnd(), "property-grid-object");

  Command(EditorCommand::SelectAll);
  EXPECT_FALSE(IsWindowVisible(Grid().hwnd()));
  EXPECT_TRUE(IsWindowVisible(multi));
  EXPECT_EQ(StatusText(), "Multi - Selected");
  Choose(2);
  EXPECT_TRUE(IsWindowVisible(Grid().hwnd()));
  EXPECT_FALSE(IsWindowVisible(multi));
}

TEST_F(PropertyPanel, TypedNumbersAreValidatedAndARejectedOneStopsTheSave) {
  Choose(1);
  TypeInto("Left", "40");
  LeaveCell();
  EXPECT_EQ(BoundsOf(Page().objects[0].record).left, 40);
  EXPECT_TRUE(form_->document().modified);
  const int width = BoundsOf(Page().objects[0].record).width;

  TypeInto("Width", "12a");
  Command(EditorCommand::Save);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0], "Information: \"12a\" is not a valid value.");
  EXPECT_EQ(BoundsOf(Page().objects[0].record).width, width);
  EXPECT_EQ(Grid().Value(RowOf("Width")), std::to_string(width));
  PageData written;
  ASSERT_TRUE(LoadPageFile(PageFilePath(project_, sample::kMainPageName), written));
  EXPECT_NE(BoundsOf(written.objects[0].record).left, 40);  // the save was abandoned

  Command(EditorCommand::Save);
  ASSERT_TRUE(LoadPageFile(PageFilePath(project_, sample::kMainPageName), written));
  EXPECT_EQ(BoundsOf(written.objects[0].record).left, 40);
  EXPECT_EQ(boxes_.shown.size(), 1u);

  Choose(0);
  TypeInto("ShadowAlpha (%)", "150");
  LeaveCell();
  EXPECT_EQ(Grid().Value(RowOf("ShadowAlpha (%)")), "100");
  EXPECT_EQ(Page().shadowAlpha, 255);
}

TEST_F(PropertyPanel, PageRenamesAreCheckedAndActionChoicesRebuildTheirRows) {
  const std::vector<TAutoFormInfo>& pages = form_->document().pages;
  ASSERT_EQ(pages.size(), 2u);
  // The other page's name in other letter case.
  std::string other = pages[1].name;
  for (char& c : other) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (other == pages[1].name)
    for (char& c : other) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  TypeInto("PageName", other);
  LeaveCell();
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0], "Information: A page named " + other + " already exists.");
  EXPECT_EQ(Page().pageName, sample::kMainPageName);
  EXPECT_EQ(Grid().Value(1), sample::kMainPageName);

  TypeInto("PageName", "Welcome");
  LeaveCell();
  EXPECT_EQ(Page().pageName, "Welcome");
  EXPECT_EQ(pages[0].name, "Welcome");

  Choose(1);
  TCommand& action = Page().objects[0].command;
  const int kindRow = RowOf("ClickAction");
  Grid().SetValue(kindRow, "Open/Run File");
  action.actionTarget = "packed settings";
  form_->ShowProperties();
  EXPECT_EQ(Grid().Key(kindRow + 1), "FileName(s)");
  EXPECT_EQ(Grid().Value(kindRow + 1), "[Settings]");
  Grid().SetValue(kindRow, "Visit Website");
  EXPECT_EQ(action.actionKind, kActionVisitWebsite);
  EXPECT_EQ(action.actionTarget, "");
  EXPECT_EQ(Grid().Key(kindRow + 1), "WebSiteURL");
  EXPECT_EQ(Grid().Value(kindRow + 1), "");
  EXPECT_FALSE(Grid().ReadOnly(kindRow + 1));
  Grid().SetValue(kindRow, "Exit");
  EXPECT_TRUE(Grid().ReadOnly(kindRow + 1));
  EXPECT_TRUE(Grid().ReadOnly(kindRow + 2));
}

TEST_F(PropertyPanel, APageWrittenElsewhereShowsWhatItsFileHolds) {
  const std::string path = PageFilePath(project_, sample::kMainPageName);
  PageData page;
  ASSERT_TRUE(LoadPageFile(path, page));
  page.caption = "Welcome aboard";
  page.backColor = RgbColor(0, 0, 128);
  page.gradientColor = RgbColor(1, 2, 3);
  page.gradientStyle = 6;
  page.fadeIn = false;
  page.fadeInDelay = 35;
  page.fadeOutStep = 128;
  page.command.actionKind = kActionVisitWebsite;
  page.command.actionTarget = "https://example.org";
  page.command.closeAfterAction = true;
  ASSERT_TRUE(SavePageFile(path, page));
  // An unmodified page is read again from its file when its tab comes back.
  TabCtrl_SetCurSel(FindWindowExA(form_->hwnd(), nullptr, WC_TABCONTROLA, nullptr), 1);
  form_->SwitchToPage();
  TabCtrl_SetCurSel(FindWindowExA(form_->hwnd(), nullptr, WC_TABCONTROLA, nullptr), 0);
  form_->SwitchToPage();

  const std::pair<const char*, const char*> expected[] = {
      {"Caption", "Welcome aboard"}, {"BackColor", "Navy"},        {"GradientColor", "Custom"},
      {"GradientStyle", "MiddleLeftRight"}, {"FadeIn", "False"},  {"FadeInDelay (ms)", "35"},
      {"FadeOutStep (%)", "50"},     {"Start Action", "Visit Website"}, {"WebSiteURL", "https://example.org"},
      {"CloseAfterAction", "True"},
  };
  for (const auto& [key, value] : expected) EXPECT_EQ(Grid().Value(RowOf(key)), value) << key;
}

TEST_F(PropertyPanel, RowButtonsOpenTheirEditorsAndOnlyAConfirmedChangeIsStored) {
  // The page icon: the picture editor opens; Cancel changes nothing.
  bool imageEditorSeen = false;
  {
    testing_support::ModalDriver driver("Image Editor", {
        [&](HWND dialog) {
          imageEditorSeen = true;
          PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        },
    });
    PressButton("PageIcon");
    WaitUntil([&] { return driver.finished() && !testing_support::FindThreadWindow("Image Editor"); }, 5s);
  }
  EXPECT_TRUE(imageEditorSeen);
  EXPECT_EQ(Grid().Value(RowOf("PageIcon")), "[Default]");
  EXPECT_FALSE(form_->document().modified);

  // An object's comment: typed in the text editor and confirmed.
  Choose(1);
  {
    testing_support::ModalDriver driver("Text Editor", {
        [&](HWND dialog) { testing_support::PostChars(GetDlgItem(dialog, 401), "Read me"); },
        [&](HWND dialog) { testing_support::PostClick(GetDlgItem(dialog, IDOK)); },
    });
    PressButton("Comment");
    ASSERT_TRUE(WaitUntil([&] { return Page().objects[0].command.comment == "Read me\r\n"; }, 5s));
  }
  EXPECT_EQ(Grid().Value(RowOf("Comment")), "[Text]");
  EXPECT_TRUE(form_->document().modified);
}

}  // namespace
}  // namespace plexara
