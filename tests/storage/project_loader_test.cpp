// The player's loader on real folders: the same project read from its source folder, its target
// file and a self-contained player gives the same page list and pages; a self-contained run picks
// the first free extract folder and leaves nothing behind once the cleanup list is walked, even
// when the appended tree is damaged.
#include "storage/project_loader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "storage/byte_stream.h"
#include "storage/file_stream.h"
#include "storage/self_contained.h"
#include "storage/target_file.h"
#include "support/recording_reporter.h"
#include "support/temp_tree.h"

namespace plexara {
namespace {

using namespace testing_support;

struct Disc {
  std::string root;
  ProjectData project;
};

// A small project in root: settings with a title, a main page and a sub page, a content file.
Disc MakeDisc(const std::string& root) {
  Disc disc{root, {}};
  EXPECT_TRUE(Fs().CreateFolder(Join(root, {"AutoRunSource"})));
  disc.project.settings.applicationTitle = "Loader Demo";
  disc.project.pages = {{.name = "Main", .kind = 2}, {.name = "Details", .kind = 3}};
  EXPECT_TRUE(SaveProjectFile(ProjectFilePath(root), disc.project));
  for (const TAutoFormInfo& entry : disc.project.pages) {
    PageData page;
    page.pageName = entry.name;
    page.caption = entry.name + " caption";
    page.width = 320 + static_cast<int>(entry.name.size());
    EXPECT_TRUE(SavePageFile(PageFilePath(root, entry.name), page));
  }
  WriteFileAt(root, {"media", "notes.txt"}, TextBytes("content"));
  EXPECT_TRUE(WriteTargetFile(root, disc.project));
  return disc;
}

Bytes PlayerBytes() { return TextBytes("MZ stand-in for the player executable"); }

std::string MakeSelfContained(const TempFolder& temp, const Disc& disc) {
  const std::string player = Join(temp.str(), {"player.exe"});
  WriteFileAt(temp.str(), {"player.exe"}, PlayerBytes());
  const std::string exe = Join(temp.str(), {"menu.exe"});
  FileOutStream out(exe);
  EXPECT_TRUE(out.is_open());
  EXPECT_TRUE(AppendPackedTree(player, disc.root, out).ok());
  EXPECT_TRUE(out.Close());
  return exe;
}

std::vector<std::string> EntryNames(const ProjectData& project) {
  std::vector<std::string> names;
  for (const TAutoFormInfo& entry : project.pages) names.push_back(entry.name + "/" + std::to_string(entry.kind));
  return names;
}

TEST(ProjectLoader, AllThreeSourceModesGiveTheSameProjectAndPages) {
  ScopedRecording recording;
  TempFolder temp;
  const Disc disc = MakeDisc(temp.Sub("disc"));
  const std::string exe = MakeSelfContained(temp, disc);
  const std::string tempFolder = temp.Sub("tmp");
  temp.Sub("tmp/Plexara0");
  temp.Sub("tmp/Plexara1");

  for (SourceMode mode : {SourceMode::SourceFolder, SourceMode::TargetFile, SourceMode::SelfContained}) {
    SCOPED_TRACE(static_cast<int>(mode));
    StartupContext context;
    context.projectRoot = disc.root;
    context.sourceMode = mode;
    context.executablePath = exe;
    ASSERT_TRUE(LoadProject(context, tempFolder));
    EXPECT_EQ(EntryNames(context.project), (std::vector<std::string>{"Main/2", "Details/3"}));
    EXPECT_EQ(context.project.settings.applicationTitle, "Loader Demo");

    if (mode == SourceMode::SelfContained) {
      // Unpacked into the first free folder, then read as a target file from there.
      EXPECT_EQ(context.projectRoot, Join(tempFolder, {"Plexara2"}));
      EXPECT_EQ(context.sourceMode, SourceMode::TargetFile);
      EXPECT_EQ(ReadFileAt(Join(context.projectRoot, {"media", "notes.txt"})), TextBytes("content"));
      EXPECT_EQ(ReadFileAt(Join(context.projectRoot, {"autorun.exe"})), ReadFileAt(exe));
      EXPECT_FALSE(Fs().FolderExists(Join(context.projectRoot, {"AutoRunSource"})));
    }
    for (const TAutoFormInfo& entry : context.project.pages) {
      PageData window;
      ASSERT_TRUE(LoadPageByEntry(context, entry, window, PageReadMode::Full));
      EXPECT_EQ(window.pageName, entry.name);
      EXPECT_EQ(window.caption, entry.name + " caption");
      EXPECT_EQ(window.width, 320 + static_cast<int>(entry.name.size()));
    }

    RealRemover remover;
    context.tempCleanupList.Walk(remover);
    EXPECT_EQ(Children(tempFolder).size(), 2u) << "only Plexara0 and Plexara1 stay";
  }
  EXPECT_TRUE(Recorder().boxes.empty());
}

// What a damaged self-contained player leaves: one error box, and nothing in the temp folder once
// the cleanup list has been walked.
TEST(ProjectLoader, DamagedAppendedProjectsFailOnceAndLeaveNothingBehind) {
  TempFolder temp;
  const Disc disc = MakeDisc(temp.Sub("disc"));
  const Bytes whole = ReadFileAt(MakeSelfContained(temp, disc));
  const std::size_t playerSize = PlayerBytes().size();
  const std::size_t treeSize = whole.size() - 4 - playerSize;

  const auto withPosition = [&](Bytes bytes) {
    MemoryOutStream out;
    out.Write(bytes.data(), bytes.size());
    WriteInt32(out, static_cast<std::int32_t>(playerSize));
    return out.TakeBytes();
  };
  const struct {
    const char* name;
    Bytes exe;
  } cases[] = {
      {"nothing appended", PlayerBytes()},
      {"tree cut in the middle", withPosition(Bytes(whole.begin(), whole.begin() + playerSize + treeSize / 2))},
      {"tree cut after the first counts", withPosition(Bytes(whole.begin(), whole.begin() + playerSize + 9))},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedRecording recording;
    TempFolder run;
    WriteFileAt(run.str(), {"menu.exe"}, c.exe);
    const std::string tempFolder = run.Sub("tmp");
    StartupContext context;
    context.projectRoot = run.str();
    context.sourceMode = SourceMode::SelfContained;
    context.executablePath = Join(run.str(), {"menu.exe"});

    EXPECT_FALSE(LoadProject(context, tempFolder));
    ASSERT_EQ(Recorder().boxes.size(), 1u);
    EXPECT_EQ(Recorder().boxes[0].caption, "Error");
    RealRemover remover;
    context.tempCleanupList.Walk(remover);
    EXPECT_TRUE(Children(tempFolder).empty());
  }
}

TEST(ProjectLoader, MissingFilesAreReportedWithTheirPath) {
  TempFolder temp;
  const struct {
    SourceMode mode;
    std::string path;
    const char* code;
  } cases[] = {
      {SourceMode::SourceFolder, ProjectFilePath(temp.str()), "/1071)"},
      {SourceMode::TargetFile, Join(temp.str(), {"autorun.tgt"}), "/1070)"},
  };
  for (const auto& c : cases) {
    ScopedRecording recording;
    StartupContext context;
    context.projectRoot = temp.str();
    context.sourceMode = c.mode;
    EXPECT_FALSE(LoadProject(context, temp.str()));
    ASSERT_EQ(Recorder().boxes.size(), 1u);
    EXPECT_EQ(Recorder().boxes[0].text.rfind("\"" + c.path + "\", ", 0), 0u) << Recorder().boxes[0].text;
    EXPECT_NE(Recorder().boxes[0].text.find(c.code), std::string::npos) << Recorder().boxes[0].text;
  }
}

}  // namespace
}  // namespace plexara
