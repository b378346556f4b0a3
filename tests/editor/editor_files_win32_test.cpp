// The real file system and settings file of the editor: the version a project's player carries,
// copies and writes that replace a file whole, and the profile file behind the settings.
#include "editor/editor_files_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "editor/ini_store_win32.h"
#include "support/automation_win32.h"
#include "support/temp_tree.h"

namespace plexara {
namespace {

using namespace testing_support;

struct Folder {
  std::string path = MakeTempFolder("PlexaraFiles");
  ~Folder() { RemoveTree(path); }
  std::string At(const std::string& name) const { return path + "\\" + name; }
};

std::string Text(const std::string& path) {
  const Bytes bytes = ReadFileAt(path);
  return std::string(bytes.begin(), bytes.end());
}

TEST(Win32EditorFiles, ReadsTheFileVersionOfAnExecutable) {
  Folder folder;
  Win32EditorFiles files;
  EXPECT_EQ(files.ExecutableVersion(BuildDir() + "\\tests\\plexara_wait_helper.exe"), "1.2.3.4");
  ASSERT_TRUE(files.ReplaceContents(folder.At("plain.exe"), TextBytes("not a program")));
  EXPECT_EQ(files.ExecutableVersion(folder.At("plain.exe")), "");
  EXPECT_EQ(files.ExecutableVersion(folder.At("missing.exe")), "");
}

TEST(Win32EditorFiles, ACopyReplacesTheTargetWholeOrLeavesItAsItWas) {
  Folder folder;
  Win32EditorFiles files;
  ASSERT_TRUE(files.ReplaceContents(folder.At("new.ico"), TextBytes("new")));
  ASSERT_TRUE(files.ReplaceContents(folder.At("autorun.ico"), TextBytes("old")));
  ASSERT_TRUE(files.ReplaceContents(folder.At("autorun.ico"), TextBytes("older")));

  EXPECT_FALSE(files.ReplaceWithCopy(folder.At("missing.ico"), folder.At("autorun.ico")));
  EXPECT_EQ(Text(folder.At("autorun.ico")), "older");
  EXPECT_TRUE(files.ReplaceWithCopy(folder.At("new.ico"), folder.At("autorun.ico")));
  EXPECT_EQ(Text(folder.At("autorun.ico")), "new");
  std::vector<std::string> names = Children(folder.path);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"autorun.ico", "new.ico"}))
      << "no temporary file left";

  EXPECT_TRUE(files.RemoveFile(folder.At("new.ico")));
  EXPECT_TRUE(files.RemoveFile(folder.At("new.ico"))) << "already gone counts as removed";
  EXPECT_TRUE(files.MakeFolder(folder.At("AutoRunSource")));
  EXPECT_TRUE(files.FolderExists(folder.At("AutoRunSource")));
  EXPECT_FALSE(files.FileExists(folder.At("AutoRunSource")));
}

TEST(Win32IniStore, KeepsTheSettingsInTheProfileFile) {
  Folder folder;
  Win32IniStore ini(folder.At("Plexara.ini"));
  EXPECT_EQ(ReadEditorSettings(ini), EditorSettings{}) << "no file yet";
  const EditorSettings written{
      .displayGrid = false, .snapToGrid = false, .gridX = 16, .gridY = 4, .backColor = -2147483633};
  WriteEditorSettings(ini, written);
  WriteDefaultPath(ini, "D:\\Discs\\Demo");

  Win32IniStore reread(folder.At("Plexara.ini"));
  EXPECT_EQ(ReadEditorSettings(reread), written);
  EXPECT_EQ(reread.Get("START", "DefaultPath"), std::optional<std::string>("D:\\Discs\\Demo"));
  EXPECT_NE(Text(folder.At("Plexara.ini")).find("BACKCOLOR=-2147483633"), std::string::npos);
}

}  // namespace
}  // namespace plexara
