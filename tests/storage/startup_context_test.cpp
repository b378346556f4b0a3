// Start-up decisions: run mode from the executable's name, folders, the editor's first project
// folder, the player's source mode, the single-instance switch and the cleanup walk.
#include "storage/startup_context.h"

#include <gtest/gtest.h>

#include <set>

namespace plexara {
namespace {

class FakeProbe final : public FileSystemProbe {
 public:
  std::set<std::string> files, folders;
  bool FileExists(const std::string& path) const override { return files.count(path) != 0; }
  bool FolderExists(const std::string& path) const override { return folders.count(path) != 0; }
};

class RecordingRemover final : public FileRemover {
 public:
  std::vector<std::string> calls;
  bool RemoveFolder(const std::string& path) override { calls.push_back("rmdir " + path); return false; }
  bool RemoveFile(const std::string& path) override { calls.push_back("del " + path); return true; }
};

TEST(StartupContext, RunModeFromTheExecutableName) {
  const struct {
    const char* path;
    bool editor;
  } cases[] = {
      {"C:\\Program Files\\Plexara\\Plexara.exe", true},
      {"C:\\Tools\\plexara.EXE", true},
      {"PLEXARA.EXE", true},
      {"D:/menus/Plexara.exe", true},
      {"C:\\Tools\\Plexara2.exe", false},
      {"E:\\autorun.exe", false},
      {"C:\\Plexara.exe\\autorun.exe", false},
      {"C:\\Tools\\Plexara.exe.bak", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsEditorExecutable(c.path), c.editor) << c.path;
}

TEST(StartupContext, ExeFolderHasNoTrailingBackslash) {
  EXPECT_EQ(ExeFolderFromPath("C:\\Program Files\\Plexara\\Plexara.exe"), "C:\\Program Files\\Plexara");
  EXPECT_EQ(ExeFolderFromPath("E:\\autorun.exe"), "E:");
  EXPECT_EQ(ExeFolderFromPath("autorun.exe"), "");
}

TEST(StartupContext, OnlyAnExactCapitalISkipsTheSingleInstanceTest) {
  EXPECT_TRUE(SkipsSingleInstanceTest({"Plexara.exe", "-I"}));
  EXPECT_FALSE(SkipsSingleInstanceTest({"Plexara.exe", "-i"}));
  EXPECT_FALSE(SkipsSingleInstanceTest({"Plexara.exe", "/I"}));
  EXPECT_FALSE(SkipsSingleInstanceTest({"Plexara.exe", "x", "-I"}));
  EXPECT_FALSE(SkipsSingleInstanceTest({"Plexara.exe"}));
}

TEST(StartupContext, EditorProjectRootFromIniOrCdromFolder) {
  FakeProbe probe;
  std::string iniValue;
  int iniReads = 0;
  auto readIni = [&](const std::string& iniPath) {
    EXPECT_EQ(iniPath, "C:\\P\\Plexara.ini");
    ++iniReads;
    return iniValue;
  };
  EXPECT_EQ(EditorProjectRoot("C:\\P", probe, readIni), "");
  EXPECT_EQ(iniReads, 0);  // no ini file: not read

  probe.folders.insert("C:\\P\\CDROM");
  EXPECT_EQ(EditorProjectRoot("C:\\P", probe, readIni), "C:\\P\\CDROM");

  probe.files.insert("C:\\P\\Plexara.ini");  // ini without DefaultPath: the CDROM folder
  EXPECT_EQ(EditorProjectRoot("C:\\P", probe, readIni), "C:\\P\\CDROM");

  iniValue = "D:\\Work\\Disc\\";
  EXPECT_EQ(EditorProjectRoot("C:\\P", probe, readIni), "D:\\Work\\Disc");
}

TEST(StartupContext, PlayerSourceModePrefersTheSourceFolder) {
  FakeProbe probe;
  EXPECT_EQ(ChooseSourceMode("E:", probe), SourceMode::SelfContained);
  probe.files.insert("E:\\autorun.tgt");
  EXPECT_EQ(ChooseSourceMode("E:", probe), SourceMode::TargetFile);
  probe.files.insert("E:\\AutoRunSource\\AutoRun.src");
  EXPECT_EQ(ChooseSourceMode("E:", probe), SourceMode::SourceFolder);
}

TEST(StartupContext, CleanupWalksFromLastToFirst) {
  TempCleanupList list;
  list.AddFolder("X");
  list.AddFile("X\\a");
  list.AddFolder("X\\sub");
  list.AddFile("X\\sub\\b");
  EXPECT_EQ(list.entries(), (std::vector<std::string>{"DX", "FX\\a", "DX\\sub", "FX\\sub\\b"}));
  RecordingRemover remover;
  list.Walk(remover);
  EXPECT_EQ(remover.calls, (std::vector<std::string>{"del X\\sub\\b", "rmdir X\\sub", "del X\\a", "rmdir X"}));
}

}  // namespace
}  // namespace plexara
