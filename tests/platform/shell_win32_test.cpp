// The real shell seam under Wine: shell folders through SHGetSpecialFolderLocation, the open
// command of a file type registered by the test under HKEY_CLASSES_ROOT, plain and waiting
// starts (the waiting run returns only after the program ended and handles messages meanwhile),
// and the install list running two waiting installers one after the other.
#include "platform/shell_win32.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <shlwapi.h>

#include <cstdio>
#include <string>

#include "platform/file_system_win32.h"
#include "player/install_runner.h"
#include "player/special_folders.h"
#include "support/automation_win32.h"
#include "support/recording_shell.h"

namespace plexara {
namespace {

const char* const kTestType = ".plexaratest";
const char* const kTestClass = "PlexaraTest.Document";

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string SystemFolder() {
  char buffer[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(buffer, MAX_PATH);
  return std::string(buffer, length);
}

std::string ReadTextFile(const std::string& path) {
  std::string text;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[256];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof(buffer), file)) > 0) text.append(buffer, got);
    std::fclose(file);
  }
  return text;
}

// Creates the key (and its parents) below HKEY_CLASSES_ROOT with a default value.
bool SetClassesValue(const std::string& key, const std::string& value) {
  HKEY handle = nullptr;
  if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const LONG set = RegSetValueExA(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>(value.size() + 1));
  RegCloseKey(handle);
  return set == ERROR_SUCCESS;
}

void RemoveTestTypes() {
  SHDeleteKeyA(HKEY_CLASSES_ROOT, kTestType);
  SHDeleteKeyA(HKEY_CLASSES_ROOT, kTestClass);
}

TEST(Win32Shell, SpecialFoldersResolveThroughTheShell) {
  win32::Win32Shell shell;
  Shell* previous = SetShell(&shell);
  const std::string programFiles = ResolveFolderMacro("[ProgramFiles]");
  const std::string drives = ResolveFolderMacro("[Drives]");
  const std::string windows = ResolveFolderMacro("[Windows]");
  const std::string lowerCase = ResolveFolderMacro("[programfiles]");
  SetShell(previous);

  EXPECT_FALSE(programFiles.empty());
  EXPECT_TRUE(IsFolder(programFiles)) << programFiles;
  EXPECT_EQ(drives, "");  // the computer folder has no file-system path
  EXPECT_TRUE(IsFolder(windows)) << windows;
  EXPECT_EQ(lowerCase, "");
  EXPECT_EQ(SpecialFolderPath(0x80 | 37, shell), programFiles);  // top bit ignored
}

class Win32ShellOpenCommand : public ::testing::Test {
 protected:
  void SetUp() override { RemoveTestTypes(); }
  void TearDown() override { RemoveTestTypes(); }
  win32::Win32Shell shell_;
};

TEST_F(Win32ShellOpenCommand, FollowsTheClassToItsOpenCommand) {
  EXPECT_EQ(shell_.ShellOpenCommand(kTestType), "");  // no such type
  EXPECT_EQ(shell_.ShellOpenCommand(""), "");

  ASSERT_TRUE(SetClassesValue(kTestType, ""));
  EXPECT_EQ(shell_.ShellOpenCommand(kTestType), "");  // no class named

  ASSERT_TRUE(SetClassesValue(kTestType, kTestClass));
  EXPECT_EQ(shell_.ShellOpenCommand(kTestType), "");  // class key missing

  ASSERT_TRUE(SetClassesValue(kTestClass, "Plexara test document"));
  ASSERT_TRUE(SetClassesValue(std::string(kTestClass) + "\\shell\\print\\command", "print.exe \"%1\""));
  EXPECT_EQ(shell_.ShellOpenCommand(kTestType), "");  // a class without shell\open\command

  const std::string command = "\"C:\\Program Files\\Viewer\\viewer.exe\" \"%1\"";
  ASSERT_TRUE(SetClassesValue(std::string(kTestClass) + "\\shell\\open\\command", command));
  EXPECT_EQ(shell_.ShellOpenCommand(kTestType), command);
  EXPECT_EQ(shell_.ShellOpenCommand(".PLEXARATEST"), command);  // the registry ignores case
}

class Win32ShellRuns : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = testing_support::MakeTempFolder("plexara-shell");
    ASSERT_FALSE(folder_.empty());
    log_ = folder_ + "\\log.txt";
    cmd_ = SystemFolder() + "\\cmd.exe";
  }
  void TearDown() override { testing_support::RemoveTree(folder_); }

  // cmd.exe parameters that append a line to the log, after about a second when slow.
  std::string AppendLine(const std::string& line, bool slow) const {
    std::string parameters = "/c ";
    if (slow) parameters += "ping -n 2 127.0.0.1 >nul & ";
    return parameters + "echo " + line + ">>\"" + log_ + "\"";
  }

  std::string folder_, log_, cmd_;
};

int timerTicks = 0;
void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD) { ++timerTicks; }

TEST_F(Win32ShellRuns, WaitingRunReturnsAfterTheProgramEndedAndHandlesMessages) {
  win32::Win32Shell shell;
  ShellRequest request;
  request.operation = "Open";
  request.file = cmd_;
  request.parameters = AppendLine("first", true);
  request.folder = folder_;
  request.showCommand = SW_HIDE;

  timerTicks = 0;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, CountTick);
  ASSERT_NE(timer, 0u);
  const WaitingRunResult first = shell.RunWaiting(request, true, true);
  KillTimer(nullptr, timer);
  EXPECT_TRUE(first.started);
  EXPECT_EQ(first.Status(), 33u);
  EXPECT_EQ(ReadTextFile(log_), "first\r\n");
  EXPECT_GT(timerTicks, 0) << "no message was handled during the wait";

  request.parameters = AppendLine("second", false);
  request.folder.clear();  // the folder of the file
  EXPECT_TRUE(shell.RunWaiting(request, true, true).started);
  EXPECT_EQ(ReadTextFile(log_), "first\r\nsecond\r\n");

  request.file = folder_ + "\\missing.exe";
  const WaitingRunResult missing = shell.RunWaiting(request, true, true);
  EXPECT_FALSE(missing.started);
  EXPECT_EQ(missing.error, static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(missing.Status(), 2u);
}

TEST_F(Win32ShellRuns, PlainOpenReturnsTheShellResult) {
  win32::Win32Shell shell;
  ShellRequest request;
  request.operation = "open";
  request.file = folder_ + "\\missing.exe";
  EXPECT_EQ(shell.Open(request), 2);  // file not found

  request.file = cmd_;
  request.parameters = AppendLine("plain", false);
  request.showCommand = SW_HIDE;
  EXPECT_EQ(shell.Open(request), kShellStarted);
  EXPECT_TRUE(testing_support::WaitUntil([&] { return ReadTextFile(log_) == "plain\r\n"; },
                                         std::chrono::seconds(20)));
}

TEST_F(Win32ShellRuns, InstallListRunsTwoWaitingInstallersOneAfterTheOther) {
  RemoveTestTypes();
  win32::Win32Shell shell;
  testing_support::RecordingMessageBoxes boxes;  // no prompts expected; never blocks
  win32::Win32FileSystem files;
  const std::string root = SystemFolder();

  TInstallWare first;
  first.installer = "\\cmd.exe";
  first.parameters = AppendLine("first", true);
  first.when = kInstallAlways;
  first.wait = true;
  first.prompt = false;
  TInstallWare second = first;
  second.parameters = AppendLine("second", false);
  second.when = kInstallIfNoViewer;
  second.fileType = std::string(kTestType) + " (not registered)";
  TInstallWare missing = first;
  missing.installer = "\\plexara-no-such-installer.exe";
  missing.prompt = true;

  RunInstallList({missing, first, second}, root, files, shell, boxes);

  EXPECT_EQ(ReadTextFile(log_), "first\r\nsecond\r\n");
  EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
}  // namespace plexara
