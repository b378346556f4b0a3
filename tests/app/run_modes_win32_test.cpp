// The real executable under Wine: its file name chooses editor or player, a second editor start
// ends without a second window unless given "-I", and the cleanup walk removes what it names.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>

#include "platform/file_system_win32.h"
#include "storage/startup_context.h"
#include "support/automation_win32.h"

namespace plexara {
namespace {

using namespace std::chrono_literals;
using testing_support::ChildProcess;
using testing_support::FindTopLevelWindows;
using testing_support::WaitUntil;

const std::string kClass = "TMainForm";
const std::string kTitle = "Plexara";
const std::string kErrorCaption = "Error";

class RunModes : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = testing_support::MakeTempFolder("plexara-modes");
    ASSERT_FALSE(folder_.empty());
    source_ = testing_support::BuildDir() + "\\Plexara.exe";
    ASSERT_NE(GetFileAttributesA(source_.c_str()), INVALID_FILE_ATTRIBUTES) << source_;
  }
  void TearDown() override { testing_support::RemoveTree(folder_); }

  std::string CopyAs(const std::string& name) {
    const std::string path = folder_ + "\\" + name;
    EXPECT_TRUE(testing_support::CopyFileTo(source_, path)) << path;
    return path;
  }

  static std::vector<testing_support::WindowInfo> EditorWindows(DWORD processId = 0) {
    return FindTopLevelWindows(kClass, &kTitle, processId);
  }

  std::string folder_;
  std::string source_;
};

TEST_F(RunModes, EditorNameShowsTheMainWindowOnceAndAnyOtherNameIsThePlayer) {
  ASSERT_TRUE(EditorWindows().empty()) << "an editor window is already open";
  const std::string editorPath = CopyAs("plexara.EXE");
  ChildProcess editor = ChildProcess::Start(editorPath);
  ASSERT_TRUE(editor.started());
  ASSERT_TRUE(WaitUntil([&] { return EditorWindows(editor.id()).size() == 1; }, 20s))
      << "no TMainForm \"Plexara\" window from plexara.EXE";
  HWND mainWindow = EditorWindows(editor.id())[0].hwnd;
  testing_support::SaveWindowScreenshot(mainWindow, "editor-main-window");

  // A second start, with no argument or with a lower-case "-i", raises the first and ends.
  for (const char* arguments : {"", "-i"}) {
    ChildProcess second = ChildProcess::Start(editorPath, arguments);
    ASSERT_TRUE(second.started());
    EXPECT_TRUE(second.WaitForExit(20s)) << "second start with '" << arguments << "' did not end";
    EXPECT_EQ(EditorWindows().size(), 1u) << arguments;
  }

  // "-I" skips the single-instance test: a second main window appears.
  {
    ChildProcess initialisation = ChildProcess::Start(editorPath, "-I");
    ASSERT_TRUE(WaitUntil([&] { return EditorWindows(initialisation.id()).size() == 1; }, 20s));
    PostMessageA(EditorWindows(initialisation.id())[0].hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(initialisation.WaitForExit(20s));
  }

  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  EXPECT_TRUE(editor.WaitForExit(20s));
  EXPECT_EQ(editor.ExitCode(), 0u);

  // Under any other name it is the player: with no project beside it, it takes itself for a
  // self-contained player with nothing appended. The loader's error box names the copy it made in
  // the extract folder, the process ends without any main window, and the folder is gone.
  for (const char* name : {"Plexara2.exe", "autorun.exe"}) {
    ChildProcess player = ChildProcess::Start(CopyAs(name));
    ASSERT_TRUE(player.started());
    std::vector<testing_support::WindowInfo> boxes;
    std::string text;
    // A box found as it is being created may not have its text yet.
    ASSERT_TRUE(WaitUntil([&] {
      boxes = FindTopLevelWindows("#32770", &kErrorCaption, player.id());
      if (!boxes.empty()) text = testing_support::DialogText(boxes[0].hwnd);
      return !text.empty();
    }, 20s)) << name << ": no error box";
    EXPECT_NE(text.find("/1070), please contact"), std::string::npos) << text;
    const std::size_t copy = text.find("\\autorun.exe\", ");
    ASSERT_NE(copy, std::string::npos) << text;
    const std::string extractFolder = text.substr(1, copy - 1);
    EXPECT_NE(extractFolder.find("\\Plexara"), std::string::npos) << text;
    EXPECT_TRUE(EditorWindows(player.id()).empty()) << name;
    if (std::string(name) == "autorun.exe") testing_support::SaveWindowScreenshot(boxes[0].hwnd, "player-no-project");
    PostMessageA(boxes[0].hwnd, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(player.WaitForExit(20s)) << name;
    EXPECT_NE(player.ExitCode(), 0u) << name;
    EXPECT_EQ(GetFileAttributesA(extractFolder.c_str()), INVALID_FILE_ATTRIBUTES) << extractFolder;
  }
}

TEST_F(RunModes, EditorProjectRootFromTheRealIniFile) {
  win32::Win32FileSystem fileSystem;
  auto readIni = [](const std::string& iniPath) {
    return win32::ReadIniString(iniPath, std::string(kEditorIniSection), std::string(kEditorIniDefaultPathKey));
  };
  const std::string ini = folder_ + "\\Plexara.ini";
  ASSERT_TRUE(WritePrivateProfileStringA("START", "Other", "x", ini.c_str()));
  ASSERT_TRUE(CreateDirectoryA((folder_ + "\\CDROM").c_str(), nullptr));
  EXPECT_EQ(EditorProjectRoot(folder_, fileSystem, readIni), folder_ + "\\CDROM");
  ASSERT_TRUE(WritePrivateProfileStringA("START", "DefaultPath", "D:\\Discs\\Demo", ini.c_str()));
  EXPECT_EQ(EditorProjectRoot(folder_, fileSystem, readIni), "D:\\Discs\\Demo");
}

TEST_F(RunModes, CleanupWalkRemovesContentsBeforeTheirFolders) {
  const std::string x = folder_ + "\\X";
  ASSERT_TRUE(CreateDirectoryA(x.c_str(), nullptr));
  ASSERT_TRUE(CreateDirectoryA((x + "\\sub").c_str(), nullptr));
  for (const std::string& file : {x + "\\a", x + "\\sub\\b"}) {
    HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    CloseHandle(h);
  }
  // A file nobody listed keeps its folder alive; the failure is ignored and the walk goes on.
  const std::string kept = folder_ + "\\Y";
  ASSERT_TRUE(CreateDirectoryA(kept.c_str(), nullptr));
  HANDLE h = CreateFileA((kept + "\\unlisted").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  CloseHandle(h);

  TempCleanupList list;
  list.AddFolder(kept);
  list.AddFolder(x);
  list.AddFile(x + "\\a");
  list.AddFolder(x + "\\sub");
  list.AddFile(x + "\\sub\\b");
  win32::Win32FileSystem fileSystem;
  list.Walk(fileSystem);
  EXPECT_FALSE(fileSystem.FolderExists(x));
  EXPECT_TRUE(fileSystem.FolderExists(kept));
}

}  // namespace
}  // namespace plexara
