// The inspect tool's publishing commands on real folders: target, pack and unpack round-trip a
// project, and a file without a project is refused.
#include "inspect/packaging.h"

#include <gtest/gtest.h>

#include "storage/page_file.h"
#include "storage/project_file.h"
#include "support/recording_reporter.h"
#include "support/temp_tree.h"

namespace plexara {
namespace {

using namespace testing_support;

TEST(InspectPackaging, TargetPackAndUnpackRoundTripAProject) {
  ScopedRecording recording;
  TempFolder temp;
  const std::string project = temp.Sub("project");
  ASSERT_TRUE(Fs().CreateFolder(Join(project, {"AutoRunSource"})));
  ProjectData data;
  data.pages = {{.name = "Main", .kind = 2}};
  ASSERT_TRUE(SaveProjectFile(ProjectFilePath(project), data));
  PageData page;
  page.pageName = "Main";
  ASSERT_TRUE(SavePageFile(PageFilePath(project, "Main"), page));
  WriteFileAt(project, {"docs", "read me.txt"}, TextBytes("hello"));
  WriteFileAt(project, {"autorun.exe"}, TextBytes("old player"));
  WriteFileAt(temp.str(), {"player.exe"}, TextBytes("MZ player"));

  ASSERT_TRUE(inspect::BuildTarget(project).ok());
  const std::string exe = Join(temp.str(), {"menu.exe"});
  ASSERT_TRUE(inspect::PackSelfContained(Join(temp.str(), {"player.exe"}), project, exe).ok());
  const std::string out = Join(temp.str(), {"out"});
  ASSERT_TRUE(inspect::UnpackSelfContained(exe, out).ok());

  TreeMap expected = Snapshot(project);
  expected.erase("AutoRunSource");
  for (auto it = expected.begin(); it != expected.end();) {
    it = it->first.rfind("AutoRunSource", 0) == 0 || it->first == "autorun.exe" ? expected.erase(it) : std::next(it);
  }
  EXPECT_EQ(Snapshot(out), expected);
  EXPECT_TRUE(expected.contains("autorun.tgt"));
  EXPECT_TRUE(Recorder().boxes.empty());

  const Result<void> plain = inspect::UnpackSelfContained(Join(temp.str(), {"player.exe"}), Join(temp.str(), {"none"}));
  ASSERT_FALSE(plain.ok());
  EXPECT_NE(plain.error().message.find("no appended project"), std::string::npos);
  EXPECT_FALSE(inspect::PackSelfContained(Join(temp.str(), {"player.exe"}), Join(temp.str(), {"missing"}), exe).ok());
  EXPECT_TRUE(Fs().OpenForReading(exe) != nullptr) << "a failed pack keeps the previous file";
}

}  // namespace
}  // namespace plexara
