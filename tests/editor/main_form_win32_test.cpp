// The editor's main window in this process on the sample project: start-up opens the configured
// folder with one tab per page, tab switches go through the temp folder (a modified page comes
// back from its temp copy where it was, an unmodified one is read again and centred), the Edit
// commands paste one grid step further each time, a save writes what was changed, and closing
// with changes and "No" leaves no temp copy behind.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>

#include "editor/editor_files_win32.h"
#include "editor/main_form_win32.h"
#include "sample/sample_project.h"
#include "storage/page_file.h"
#include "storage/project_file.h"
#include "support/automation_win32.h"

namespace plexara {
namespace {

using namespace std::chrono_literals;
using testing_support::WaitUntil;

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Answers the next message box of this process that has `caption` by pressing `button`.
std::thread AnswerBox(const std::string& caption, int button) {
  return std::thread([caption, button] {
    const auto until = std::chrono::steady_clock::now() + 20s;
    while (std::chrono::steady_clock::now() < until) {
      if (HWND box = FindWindowA("#32770", caption.c_str())) {
        PostMessageA(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        return;
      }
      std::this_thread::sleep_for(10ms);
    }
  });
}

class EditorMainForm : public ::testing::Test {
 protected:
  void SetUp() override {
    editorFolder_ = testing_support::MakeTempFolder("plexara-editor");
    project_ = editorFolder_ + "\\Disc";
    CreateDirectoryA(project_.c_str(), nullptr);
    ASSERT_TRUE(sample::WriteSampleProject(project_, sample::SampleForms::MainPageOnly));
    // A save puts the editor's Default.ico into a project that has no icon.
    ASSERT_TRUE(testing_support::CopyFileTo(testing_support::BuildDir() + "\\Default.ico", editorFolder_ + "\\Default.ico"));
    saved_ = Context();
    StartupContext& context = Context();
    context.editorMode = true;
    context.exeFolder = editorFolder_;
    context.editorTempFolder = editorFolder_ + "\\Temp";
    context.executablePath = testing_support::BuildDir() + "\\Plexara.exe";
    context.projectRoot = project_;
    // The What's New box would stop the start: it was seen for this version.
    const std::string version = Win32EditorFiles().ExecutableVersion(context.executablePath);
    WritePrivateProfileStringA("SYSTEM", "Version", version.c_str(), (editorFolder_ + "\\Plexara.ini").c_str());
    form_ = std::make_unique<TMainForm>(context);
    ASSERT_TRUE(form_->FormCreate(nullptr));
    ASSERT_TRUE(WaitUntil([&] { return !form_->document().starting; }, 20s));
  }
  void TearDown() override {
    form_.reset();
    // The closed window's quit message must not end a later test's modal loop.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {}
    Context() = saved_;
    testing_support::RemoveTree(editorFolder_);
  }

  HWND Tabs() const { return FindWindowExA(form_->hwnd(), nullptr, WC_TABCONTROLA, nullptr); }
  void SelectTab(int index) {
    TabCtrl_SetCurSel(Tabs(), index);
    form_->SwitchToPage();
  }
  RECT DesignWindowRect() const {
    RECT r{};
    GetWindowRect(form_->designWindow().hwnd(), &r);
    MapWindowPoints(nullptr, GetParent(form_->designWindow().hwnd()), reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  void Command(EditorCommand command) {
    SendMessageA(form_->hwnd(), WM_COMMAND, MAKEWPARAM(static_cast<int>(command), 0), 0);
  }

  std::string editorFolder_, project_;
  StartupContext saved_;
  std::unique_ptr<TMainForm> form_;
};

TEST_F(EditorMainForm, OpensTheConfiguredProjectAndSwitchesPagesThroughTheTempFolder) {
  const EditorDocument& document = form_->document();
  ASSERT_EQ(document.pages.size(), 2u);
  EXPECT_EQ(TabCtrl_GetItemCount(Tabs()), 2);
  EXPECT_EQ(document.currentPage, 0);
  EXPECT_FALSE(document.modified);
  ASSERT_NE(form_->workingPage(), nullptr);
  EXPECT_EQ(form_->workingPage()->page().pageName, sample::kMainPageName);
  testing_support::SaveWindowScreenshot(form_->hwnd(), "editor-sample-open");

  // Centred in the design area when read from the project folder.
  RECT area{};
  GetClientRect(GetParent(form_->designWindow().hwnd()), &area);
  const PageData& page = form_->workingPage()->page();
  EXPECT_EQ(page.left, std::max(0L, (area.right - page.width) / 2));
  EXPECT_EQ(page.top, std::max(0L, (area.bottom - page.height) / 2));

  // Select All and a Ctrl+Right step: the page is modified and its objects one pixel further.
  ASSERT_FALSE(page.objects.empty());
  const int firstLeft = BoundsOf(page.objects[0].record).left;
  Command(EditorCommand::SelectAll);
  HWND keys = form_->designWindow().KeyCaptureWindow();
  SetFocus(keys);
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[VK_CONTROL] = 0x80;
  SetKeyboardState(state);
  SendMessageA(keys, WM_KEYDOWN, VK_RIGHT, 0);
  state[VK_CONTROL] = 0;
  SetKeyboardState(state);
  EXPECT_TRUE(document.modified);
  EXPECT_TRUE(document.pages[0].pageModified);
  ASSERT_EQ(BoundsOf(form_->workingPage()->page().objects[0].record).left, firstLeft + 1);

  // Away and back: the temp copy holds the modified page; it comes back as it was, not centred.
  const RECT before = DesignWindowRect();
  SelectTab(1);
  const std::string tempCopy = editorFolder_ + "\\Temp\\" + sample::kMainPageName + ".pg";
  EXPECT_TRUE(FileExists(tempCopy));
  EXPECT_EQ(form_->workingPage()->page().pageName, sample::kSubPageName);

  // The unmodified sub page, moved in the area, is centred again when it comes back.
  SetWindowPos(form_->designWindow().hwnd(), nullptr, 3, 4, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SelectTab(0);
  EXPECT_EQ(BoundsOf(form_->workingPage()->page().objects[0].record).left, firstLeft + 1);
  const RECT after = DesignWindowRect();
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  SelectTab(1);
  const PageData& sub = form_->workingPage()->page();
  EXPECT_EQ(sub.left, std::max(0L, (area.right - sub.width) / 2));
  EXPECT_FALSE(document.pages[1].pageModified);

  // Saving writes the modified page from its temp copy and removes the copy.
  ASSERT_TRUE(form_->SaveProject(project_));
  EXPECT_FALSE(FileExists(tempCopy));
  PageData written;
  ASSERT_TRUE(LoadPageFile(PageFilePath(project_, sample::kMainPageName), written));
  EXPECT_EQ(BoundsOf(written.objects[0].record).left, firstLeft + 1);
  EXPECT_FALSE(document.modified);
}

TEST_F(EditorMainForm, PastesOneGridStepFurtherEachTime) {
  PageData& page = form_->workingPage()->page();
  const std::size_t count = page.objects.size();
  ASSERT_GT(count, 0u);
  const ObjectBounds original = BoundsOf(page.objects[0].record);
  page.objects[0].selected = true;
  Command(EditorCommand::Copy);
  Command(EditorCommand::Paste);
  Command(EditorCommand::Paste);
  const PageData& after = form_->workingPage()->page();
  ASSERT_EQ(after.objects.size(), count + 2);
  std::vector<ObjectBounds> pasted;
  for (const ObjectData& object : after.objects) {
    if (object.command.name == page.objects[0].command.name) pasted.push_back(BoundsOf(object.record));
  }
  ASSERT_EQ(pasted.size(), 3u);  // pasted objects keep their names
  std::sort(pasted.begin(), pasted.end(), [](const ObjectBounds& a, const ObjectBounds& b) { return a.left < b.left; });
  EXPECT_EQ(pasted[1].left, original.left + 8);
  EXPECT_EQ(pasted[1].top, original.top + 8);
  EXPECT_EQ(pasted[2].left, original.left + 16);
  EXPECT_TRUE(form_->document().modified);
}

TEST_F(EditorMainForm, ClosingWithChangesAndNoLeavesNoTempCopies) {
  Command(EditorCommand::SelectAll);
  Command(EditorCommand::Delete);
  ASSERT_TRUE(form_->document().modified);
  SelectTab(1);  // the deleted-from page now lives in its temp copy
  const std::string tempCopy = editorFolder_ + "\\Temp\\" + sample::kMainPageName + ".pg";
  ASSERT_TRUE(FileExists(tempCopy));
  std::thread answer = AnswerBox("Confirm", IDNO);
  SendMessageA(form_->hwnd(), WM_CLOSE, 0, 0);
  answer.join();
  EXPECT_FALSE(IsWindow(form_->hwnd()));
  EXPECT_FALSE(FileExists(tempCopy));
  PageData kept;
  ASSERT_TRUE(LoadPageFile(PageFilePath(project_, sample::kMainPageName), kept));
  EXPECT_FALSE(kept.objects.empty());  // the project folder keeps the last saved state
}

TEST_F(EditorMainForm, CtrlSThroughTheShortcutTableSaves) {
  Command(EditorCommand::SelectAll);
  Command(EditorCommand::Delete);
  ASSERT_TRUE(form_->document().modified);
  // The key as the message loop sees it: Ctrl down in the thread's key state, S to the window.
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[VK_CONTROL] = 0x80;
  SetKeyboardState(state);
  MSG key{form_->hwnd(), WM_KEYDOWN, 'S', 1, 0, {}};
  const bool translated = TranslateAcceleratorA(form_->hwnd(), form_->accelerators(), &key) != 0;
  state[VK_CONTROL] = 0;
  SetKeyboardState(state);
  EXPECT_TRUE(translated);
  EXPECT_FALSE(form_->document().modified);
  PageData written;
  ASSERT_TRUE(LoadPageFile(PageFilePath(project_, sample::kMainPageName), written));
  EXPECT_TRUE(written.objects.empty());
}

}  // namespace
}  // namespace plexara
