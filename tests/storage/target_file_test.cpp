// Target files: built from a project folder's page files with the true offsets in the header,
// read back page by page, refused when an offset would not fit, and never half-written.
#include "storage/target_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "inspect/inspect.h"
#include "storage/file_io.h"
#include "support/picture_fixtures.h"
#include "support/record_test_helpers.h"

namespace plexara {
namespace {

using namespace testing_support;

PageData SamplePage(const char* name, const char* caption, int iconSize) {
  PageData page;
  page.pageName = name;
  page.caption = caption;
  page.hint = "hint";
  page.pageIcon = Picture::FromBitmap(MakeTestBitmap(iconSize, iconSize));
  page.backColor = 0x112233;
  return page;
}

Bytes PageBytes(const PageData& page) {
  return Encode([&](OutStream& o) { ASSERT_TRUE(WritePage(o, page)); });
}

class TargetFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = std::filesystem::temp_directory_path() /
            ("plexara-target-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(root_ / "AutoRunSource");
    project_.settings.applicationTitle = "Disc";
    project_.settings.useCustomizedHint = true;
    project_.pages = {{.name = "Main", .kind = 2}, {.name = "Next", .kind = 3}};
    pages_ = {SamplePage("Main", "Welcome", 4), SamplePage("Next", "More", 2)};
    for (const auto& page : pages_)
      ASSERT_TRUE(SavePageFile(PageFilePath(folder(), page.pageName), page));
  }
  void TearDown() override { std::filesystem::remove_all(root_); }

  std::string folder() const { return root_.string(); }
  std::string targetPath() const { return (root_ / "autorun.tgt").string(); }
  Bytes Target() const {
    auto bytes = ReadWholeFile(targetPath());
    return bytes.ok() ? bytes.value() : Bytes{};
  }
  // What a refused build must leave: the old target as it was, and no temporary file.
  void ExpectOnlyOldTarget(const Bytes& old) const {
    EXPECT_EQ(Target(), old);
    for (const auto& item : std::filesystem::directory_iterator(root_)) {
      EXPECT_TRUE(item.is_directory() || item.path().filename() == "autorun.tgt") << item.path();
    }
  }

  std::filesystem::path root_;
  ProjectData project_;
  std::vector<PageData> pages_;
};

TEST_F(TargetFolder, BuildsHeaderAndPagesWithTrueOffsets) {
  ScopedRecording recording;
  ASSERT_TRUE(WriteTargetFile(folder(), project_));
  EXPECT_TRUE(Recorder().boxes.empty());
  const Bytes bytes = Target();

  // The first page follows the header and its reserved byte; the second follows the first.
  const std::size_t headerSize =
      Encode([&](OutStream& o) { WriteProjectFile(o, project_); }).size();
  ASSERT_EQ(project_.pages[0].offset, static_cast<std::int32_t>(headerSize + 1));
  EXPECT_EQ(project_.pages[1].offset,
            project_.pages[0].offset + static_cast<std::int32_t>(PageBytes(pages_[0]).size()));
  EXPECT_EQ(bytes, Cat({Encode([&](OutStream& o) { WriteProjectFile(o, project_); }),
                        U8(kProjectReservedByte), PageBytes(pages_[0]), PageBytes(pages_[1])}));

  MemoryInStream in(bytes);
  ProjectData header;
  ASSERT_TRUE(ReadProjectFile(in, header));
  EXPECT_EQ(header, project_);
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    PageData page;
    ASSERT_TRUE(ReadPageByEntry(in, header.pages[i], page));
    EXPECT_EQ(PageBytes(page), PageBytes(pages_[i]));
    std::string caption;
    Picture icon;
    ASSERT_TRUE(ReadPageCaptionAndIcon(in, header.pages[i], caption, icon));
    EXPECT_EQ(caption, pages_[i].caption);
    EXPECT_EQ(icon, pages_[i].pageIcon);
  }

  auto json = inspect::DumpFile(bytes);
  ASSERT_TRUE(json.ok()) << json.error().message;
  EXPECT_EQ(json.value()["fileType"], "target");
  EXPECT_EQ(json.value()["pages"][1]["Caption"], "More");
  // Building recomputes the offsets, whatever the readable form says.
  Json edited = Json::parse(json.value().dump());
  edited["project"]["pages"][0]["offset"] = 0;
  edited["project"]["pages"][1]["offset"] = 99999;
  auto rebuilt = inspect::BuildFile(edited);
  ASSERT_TRUE(rebuilt.ok()) << rebuilt.error().message;
  EXPECT_EQ(rebuilt.value(), bytes);
}

TEST_F(TargetFolder, OffsetsBeyondTheLimitAreRefused) {
  ASSERT_TRUE(WriteTargetFile(folder(), project_));
  const Bytes old = Target();
  const auto secondOffset = static_cast<std::uint64_t>(project_.pages[1].offset);
  auto fromFiles = [&](const TAutoFormInfo& entry, PageData& page) {
    return LoadPageFile(PageFilePath(folder(), entry.name), page);
  };
  pages_[1].caption = "Changed";  // a refused build must not show this
  ASSERT_TRUE(SavePageFile(PageFilePath(folder(), "Next"), pages_[1]));
  {
    ScopedRecording recording;
    ProjectData project = project_;
    EXPECT_FALSE(WriteTargetFile(folder(), project, fromFiles, secondOffset - 1));
    EXPECT_EQ(ReportedCode(), kCodeWriteTargetFile);
    EXPECT_NE(Recorder().boxes[0].text.find(targetPath()), std::string::npos);
    EXPECT_EQ(project, project_);
    ExpectOnlyOldTarget(old);
  }
  ScopedRecording recording;
  EXPECT_TRUE(WriteTargetFile(folder(), project_, fromFiles, secondOffset));
  EXPECT_TRUE(Recorder().boxes.empty());
  EXPECT_NE(Target(), old);
}

TEST_F(TargetFolder, AMissingPageStopsTheBuildWithItsOwnReport) {
  ASSERT_TRUE(WriteTargetFile(folder(), project_));
  const Bytes old = Target();
  project_.pages.push_back({.name = "Gone", .kind = 3});
  ScopedRecording recording;
  EXPECT_FALSE(WriteTargetFile(folder(), project_));
  EXPECT_EQ(ReportedCode(), kCodeLoadPageFile);
  ExpectOnlyOldTarget(old);
}

TEST(TargetFile, ReadingFailuresReportOnce) {
  const PageData page = SamplePage("P", "Caption", 2);
  const Bytes bytes = PageBytes(page);
  const std::size_t captionAt = 1 + 1 + 4;
  const struct {
    const char* name;
    std::size_t length;
    int code;
  } cuts[] = {
      {"border width", 3, kCodeReadPageCaptionAndIcon},
      {"caption", captionAt + 4 + 2, kCodeReadString},
      {"transparent flag", captionAt + Str("Caption").size() + Str("hint").size() + 1 + 1 + 4,
       kCodeReadPageCaptionAndIcon},
      {"icon", captionAt + Str("Caption").size() + Str("hint").size() + 1 + 1 + 4 + 1 + 3,
       kCodeReadPicture},
  };
  for (const auto& cut : cuts) {
    ScopedRecording recording;
    MemoryInStream in(std::span(bytes.data(), cut.length));
    std::string caption;
    Picture icon;
    EXPECT_FALSE(ReadPageCaptionAndIcon(in, caption, icon)) << cut.name;
    EXPECT_EQ(ReportedCode(), cut.code) << cut.name;
  }

  // Offsets outside the file.
  MemoryInStream in(bytes);
  for (std::int32_t offset : {-1, static_cast<std::int32_t>(bytes.size() + 1)}) {
    const TAutoFormInfo entry{.name = "P", .offset = offset};
    {
      ScopedRecording recording;
      PageData read;
      EXPECT_FALSE(ReadPageByEntry(in, entry, read));
      EXPECT_EQ(ReportedCode(), kCodeReadPage);
    }
    ScopedRecording recording;
    std::string caption;
    Picture icon;
    EXPECT_FALSE(ReadPageCaptionAndIcon(in, entry, caption, icon));
    EXPECT_EQ(ReportedCode(), kCodeReadPageCaptionAndIcon);
  }
}

}  // namespace
}  // namespace plexara
