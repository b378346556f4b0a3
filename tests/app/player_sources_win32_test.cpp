// The real player under Wine finds the same project in each of its three sources: the source
// folder beside it, the target file beside it, and the tree appended to itself. A self-contained
// run unpacks into the first free temp\PlexaraN and nothing of it is left once the process ends,
// also when the appended tree is damaged.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "storage/file_stream.h"
#include "storage/page_file.h"
#include "storage/project_file.h"
#include "storage/self_contained.h"
#include "storage/target_file.h"
#include "player/page_window_win32.h"
#include "support/automation_win32.h"
#include "support/recording_reporter.h"
#include "support/temp_tree.h"

namespace plexara {
namespace {

using namespace std::chrono_literals;
using testing_support::ChildProcess;
using testing_support::FindTopLevelWindows;
using testing_support::WaitUntil;

const std::string kErrorCaption = "Error";

// Points the children's temp folder at a folder of the test, restoring the old value afterwards.
class ScopedTempVariables {
 public:
  explicit ScopedTempVariables(const std::string& folder) {
    for (const char* name : {"TMP", "TEMP"}) {
      char buffer[MAX_PATH] = {};
      const DWORD length = GetEnvironmentVariableA(name, buffer, MAX_PATH);
      saved_.push_back({name, std::string(buffer, length < MAX_PATH ? length : 0)});
      SetEnvironmentVariableA(name, folder.c_str());
    }
  }
  ~ScopedTempVariables() {
    for (const auto& [name, value] : saved_) SetEnvironmentVariableA(name.c_str(), value.c_str());
  }

 private:
  std::vector<std::pair<std::string, std::string>> saved_;
};

class PlayerSources : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = testing_support::MakeTempFolder("plexara-sources");
    ASSERT_FALSE(folder_.empty());
    player_ = testing_support::BuildDir() + "\\Plexara.exe";
    ASSERT_NE(GetFileAttributesA(player_.c_str()), INVALID_FILE_ATTRIBUTES) << player_;
    project_ = folder_ + "\\project";
    temp_ = folder_ + "\\tmp";
    for (const std::string& f : {project_, project_ + "\\AutoRunSource", project_ + "\\media", temp_, temp_ + "\\Plexara0"}) {
      ASSERT_TRUE(CreateDirectoryA(f.c_str(), nullptr)) << f;
    }
    ProjectData project;
    project.settings.applicationTitle = "Sources";
    project.pages = {{.name = "Main", .kind = 2}, {.name = "More", .kind = 3}};
    ASSERT_TRUE(SaveProjectFile(ProjectFilePath(project_), project));
    for (const TAutoFormInfo& entry : project.pages) {
      PageData page;
      page.pageName = entry.name;
      page.caption = entry.name;
      ASSERT_TRUE(SavePageFile(PageFilePath(project_, entry.name), page));
    }
    testing_support::WriteFileAt(project_, {"media", "clip.txt"}, testing_support::TextBytes("clip"));
    ASSERT_TRUE(WriteTargetFile(project_, project));
  }
  void TearDown() override { testing_support::RemoveTree(folder_); }

  // Runs exe with the test's temp folder. A project that loads shows its main page (captioned
  // with the main page's caption); the test checks what `whileShown` wants, closes the window and
  // expects exit code 0. A failing start shows an error box, which is answered and its text kept.
  bool RunsAndShowsMainPage(const std::string& exe, std::string* errorText = nullptr,
                            const std::function<void()>& whileShown = {}) {
    ScopedTempVariables temp(temp_);
    ChildProcess child = ChildProcess::Start(exe);
    EXPECT_TRUE(child.started()) << exe;
    std::vector<testing_support::WindowInfo> pages;
    const std::string caption = "Main";
    const bool shown = WaitUntil([&] {
      const auto boxes = FindTopLevelWindows("#32770", &kErrorCaption, child.id());
      if (!boxes.empty()) {
        // A box found as it is being created may not have its text yet.
        const std::string text = testing_support::DialogText(boxes[0].hwnd);
        if (text.empty()) return false;
        if (errorText) *errorText = text;
        PostMessageA(boxes[0].hwnd, WM_COMMAND, IDOK, 0);
      }
      pages = FindTopLevelWindows(kPageWindowClass, &caption, child.id());
      return !pages.empty() || child.WaitForExit(0ms);
    }, 30s);
    if (!shown || pages.empty()) {
      EXPECT_TRUE(child.WaitForExit(30s)) << exe;
      return false;
    }
    if (whileShown) whileShown();
    PostMessageA(pages[0].hwnd, WM_CLOSE, 0, 0);
    EXPECT_TRUE(child.WaitForExit(30s)) << exe;
    return child.ExitCode() == 0;
  }

  std::vector<std::string> TempChildren() { return testing_support::Children(temp_); }

  std::string folder_, player_, project_, temp_;
};

TEST_F(PlayerSources, SourceFolderTargetFileAndSelfContainedAllLoad) {
  std::string error;
  ASSERT_TRUE(testing_support::CopyFileTo(player_, project_ + "\\autorun.exe"));
  EXPECT_TRUE(RunsAndShowsMainPage(project_ + "\\autorun.exe", &error)) << error;

  const std::string target = folder_ + "\\target";
  ASSERT_TRUE(CreateDirectoryA(target.c_str(), nullptr));
  ASSERT_TRUE(testing_support::CopyFileTo(project_ + "\\autorun.tgt", target + "\\autorun.tgt"));
  ASSERT_TRUE(testing_support::CopyFileTo(player_, target + "\\autorun.exe"));
  EXPECT_TRUE(RunsAndShowsMainPage(target + "\\autorun.exe", &error)) << error;

  // The only project of the self-contained player is the one appended to it.
  const std::string single = folder_ + "\\single\\Menu.exe";
  ASSERT_TRUE(CreateDirectoryA((folder_ + "\\single").c_str(), nullptr));
  {
    FileOutStream out(single);
    ASSERT_TRUE(out.is_open());
    ASSERT_TRUE(AppendPackedTree(player_, project_, out).ok());
    ASSERT_TRUE(out.Close());
  }
  EXPECT_TRUE(RunsAndShowsMainPage(single, &error, [&] {
    // While the page is shown the project lives in the first free extract folder.
    EXPECT_EQ(TempChildren(), (std::vector<std::string>{"Plexara0", "Plexara1"}));
    EXPECT_NE(GetFileAttributesA((temp_ + "\\Plexara1\\media\\clip.txt").c_str()), INVALID_FILE_ATTRIBUTES);
  })) << error;
  EXPECT_EQ(TempChildren(), std::vector<std::string>{"Plexara0"}) << "the extract folder Plexara1 is gone";
}

TEST_F(PlayerSources, DamagedSelfContainedPlayerEndsAfterOneBoxAndLeavesNothing) {
  const testing_support::Bytes player = testing_support::ReadFileAt(player_);
  MemoryOutStream packed;
  ASSERT_TRUE(PackTree(packed, project_).ok());
  // The player, half of its tree, and a trailing position that still points at the tree.
  MemoryOutStream exe;
  exe.Write(player.data(), player.size());
  exe.Write(packed.bytes().data(), packed.bytes().size() / 2);
  WriteInt32(exe, static_cast<std::int32_t>(player.size()));
  ASSERT_TRUE(CreateDirectoryA((folder_ + "\\broken").c_str(), nullptr));
  testing_support::WriteFileAt(folder_, {"broken", "autorun.exe"}, exe.bytes());

  std::string error;
  EXPECT_FALSE(RunsAndShowsMainPage(folder_ + "\\broken\\autorun.exe", &error));
  EXPECT_NE(error.find("please contact"), std::string::npos) << error;
  EXPECT_EQ(TempChildren(), std::vector<std::string>{"Plexara0"});
}

}  // namespace
}  // namespace plexara
