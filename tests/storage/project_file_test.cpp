// Project files: the settings' field order and widths, the older layout without the marker, exact
// round trips (binary and readable), failure reports, and loading and saving on disk.
#include "storage/project_file.h"

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

TSettings NonDefaultSettings() {
  TSettings s;
  s.applicationTitle = "Demo \xE9";
  s.applicationStyle = kApplicationTabbedNotebook;
  s.tabSheetList = "One\r\nTwo";
  s.tabFont = NamedFont("Tahoma");
  s.showSheetIcons = true;
  s.iconSize = 32;
  s.useCustomizedHint = true;
  s.hintDirection = kHintDownLeft;
  s.hintFont = NamedFont("Courier New");
  s.hintColor = 0x123456;
  s.hintShowPause = 100;
  s.hintHidePause = 9000;
  s.hintBorderColor = 0x0000FF;
  s.hintShadowColor = 0x00FF00;
  s.hintBackStyle = 7;
  s.hintGradientColor = 0xFF0000;
  s.hintBackImage = Picture::FromBitmap(MakeTestBitmap(3, 2));
  s.hintShadowOffset = 9;
  s.requireAdministrator = true;
  s.reserved20 = -20;
  s.reserved21 = {1, 2, 3, 4, 5, 6, 7, 8};
  s.reserved22 = 22;
  s.reserved23 = 23;
  s.administratorMessage = "Run as administrator";
  s.reserved25 = "twenty-five";
  s.reserved26 = "twenty-six";
  s.installList.push_back(TInstallWare{.installer = "\\setup.exe", .when = kInstallAlways});
  return s;
}

ProjectData SampleProject() {
  ProjectData project;
  project.settings = NonDefaultSettings();
  project.pages = {{.name = "Splash", .kind = 0, .offset = 0},
                   {.name = "Main", .kind = 2, .offset = 1234},
                   {.name = "Odd", .kind = 9, .offset = -1}};  // an unknown kind is kept
  return project;
}

Bytes ProjectBytes(const ProjectData& project) {
  return Encode([&](OutStream& o) { ASSERT_TRUE(WriteProjectFile(o, project)); });
}

// A folder of its own under the system's temporary folder, removed afterwards.
class ProjectFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("plexara-project-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::string PathOf(const char* name) const { return (folder_ / name).string(); }
  std::filesystem::path folder_;
};

TEST(ProjectFile, SettingsHaveTheirOrderAndWidths) {
  const TSettings settings;
  const Bytes expected = Cat({Str(""),
                              I32(0),
                              Str(""),
                              FontBytes(settings.tabFont),
                              U8(0),
                              I32(16),
                              U8(0),
                              U8(0),
                              FontBytes(settings.hintFont),
                              I32(65535),
                              I32(kPlatformHintShowPause),
                              I32(kPlatformHintHidePause),
                              I32(0),
                              I32(8421504),
                              I32(0),
                              I32(255),
                              Pic(Picture()),
                              I32(5),
                              U8(0),
                              I32(0),
                              Bytes(8, 0),
                              I32(0),
                              U8(0),
                              Str(kAdministratorMessage),
                              Str(""),
                              Str(""),
                              I32(0)});
  EXPECT_EQ(Written(settings), expected);
  EXPECT_EQ(settings.hintFont.size, 10);
  EXPECT_EQ(settings.hintFont.style, kFontBold);

  ProjectData project;
  project.pages = {{.name = "Main", .kind = 2, .offset = 77}};
  EXPECT_EQ(ProjectBytes(project), Cat({I32(-1), expected, I32(1), Str("Main"), U8(2), I32(77)}));
}

TEST(ProjectFile, RoundTripsExactlyThroughBinaryAndJson) {
  ScopedRecording recording;
  const ProjectData project = SampleProject();
  ExpectExactRoundTrip(project.settings);
  ExpectExactRoundTrip(project);

  ProjectFileRecord file{project, 0x5A};  // whatever reserved byte a file holds survives inspection
  const Bytes bytes = Written(file);
  auto json = inspect::DumpFile(bytes);
  ASSERT_TRUE(json.ok()) << json.error().message;
  EXPECT_EQ(json.value()["fileType"], "project");
  EXPECT_EQ(json.value()["project"]["settings"]["Direction:Name"], "DownLeft");
  EXPECT_EQ(json.value()["project"]["pages"][1]["kindName"], "Main Page");
  auto rebuilt = inspect::BuildFile(Json::parse(json.value().dump()));
  ASSERT_TRUE(rebuilt.ok()) << rebuilt.error().message;
  EXPECT_EQ(rebuilt.value(), bytes);
}

TEST(ProjectFile, OlderLayoutWithoutMarkerHasDefaultSettings) {
  const Bytes bytes =
      Cat({I32(3), Str("A"), U8(0), I32(0), Str("B"), U8(2), I32(5), Str("C"), U8(3), I32(9)});
  ProjectData project = SampleProject();  // the previous project's values must not survive
  MemoryInStream in(bytes);
  ASSERT_TRUE(ReadProjectFile(in, project));
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(project.settings, TSettings{});
  ASSERT_EQ(project.pages.size(), 3u);
  EXPECT_EQ(project.pages[1], (TAutoFormInfo{.name = "B", .kind = 2, .offset = 5}));
  EXPECT_EQ(project.pages[2].name, "C");

  // The readable form always shows the current layout.
  auto json = inspect::DumpFile(Cat({bytes, U8(0)}));
  ASSERT_TRUE(json.ok()) << json.error().message;
  EXPECT_EQ(json.value()["fileType"], "project");
  auto rebuilt = inspect::BuildFile(json.value());
  ASSERT_TRUE(rebuilt.ok());
  EXPECT_EQ(rebuilt.value(), Cat({I32(-1), Written(TSettings{}), bytes, U8(0)}));
}

TEST(ProjectFile, FailuresReportOnceWithTheirCode) {
  const Bytes bytes = ProjectBytes(SampleProject());
  auto read = [](InStream& in) {
    ProjectData p;
    return ReadProjectFile(in, p);
  };
  ASSERT_NO_FATAL_FAILURE(
      ExpectEveryCutFailsOnceWithCodeIn(bytes, read, {1066, 1063, 1061, 1054, 1052, 1056}));

  const std::size_t settingsEnd = 4 + Written(SampleProject().settings).size();
  const struct {
    const char* name;
    std::size_t length;
    int code;
  } cuts[] = {
      {"marker", 2, 1066},
      {"title length", 6, 1054},
      {"application style", 4 + Str("Demo \xE9").size() + 1, 1063},
      {"page count", settingsEnd + 2, 1066},
      {"last offset", bytes.size() - 1, 1066},
  };
  for (const auto& cut : cuts) {
    ScopedRecording recording;
    MemoryInStream in(std::span(bytes.data(), cut.length));
    ProjectData project;
    EXPECT_FALSE(ReadProjectFile(in, project)) << cut.name;
    EXPECT_EQ(ReportedCode(), cut.code) << cut.name;
  }

  // Hostile page counts are refused before anything is made for them.
  for (std::int32_t count : {-2, 0x7FFFFFFF}) {
    ScopedRecording recording;
    const Bytes hostile = Cat({I32(count), Str("A"), U8(0), I32(0)});
    MemoryInStream in(hostile);
    ProjectData project;
    EXPECT_FALSE(ReadProjectFile(in, project)) << count;
    EXPECT_EQ(ReportedCode(), 1066) << count;
  }

  ASSERT_NO_FATAL_FAILURE(ExpectEveryLimitFailsOnce(
      bytes.size(), [](OutStream& out) { return WriteProjectFile(out, SampleProject()); },
      [](std::size_t limit, const std::string& text) {
        const int code = CodeInText(text);
        EXPECT_TRUE(code == 1067 || code == 1064 || code == 1062 || code == 1053 || code == 1051 ||
                    code == 1055)
            << limit << ": " << text;
      }));
}

// A page name becomes a file name in the source folder, so every reader of the page list (binary
// in both layouts, and the readable form) refuses one that could reach out of it or open a device.
TEST(ProjectFile, PageNamesThatAreNotPlainFileNamesAreRefused) {
  const std::string hostile[] = {"",        ".",       "..",       "..\\AutoRun", "../../etc/x", "sub\\page",
                                 "C:page",  "C:\\x",  "CON",      "nul",          "Com1",        "LPT1.txt",
                                 "aux.pg",  "a\x01z",   "tab\tname", "Main.",        "Main ",       "CONOUT$"};
  for (const std::string& name : hostile) {
    SCOPED_TRACE(testing::Message() << "page name \"" << name << "\"");
    ProjectData project = SampleProject();
    project.pages.insert(project.pages.begin() + 1, TAutoFormInfo{.name = name, .kind = 3});
    const Bytes older = Cat({I32(2), Str("Main"), U8(2), I32(0), Str(name), U8(3), I32(0)});
    for (const Bytes& bytes : {ProjectBytes(project), older}) {
      ScopedRecording recording;
      MemoryInStream in(bytes);
      ProjectData read;
      EXPECT_FALSE(ReadProjectFile(in, read));
      EXPECT_EQ(Recorder().boxes.size(), 1u);
      EXPECT_EQ(ReportedCode(), kCodeReadProjectFile);
    }

    ScopedRecording recording;
    auto json = inspect::DumpFile(Written(ProjectFileRecord{SampleProject(), 0}));
    ASSERT_TRUE(json.ok()) << json.error().message;
    json.value()["project"]["pages"][1]["name"] = name;
    EXPECT_FALSE(inspect::BuildFile(json.value()).ok());
  }

  // Names close to those are ordinary page names, system code page bytes included.
  ProjectData good = SampleProject();
  good.pages = {{.name = "Main Page", .kind = 2}, {.name = "Sub-1"}, {.name = "\xDC" "ber"},
                {.name = "..Intro"},              {.name = "v1.2"},  {.name = "Console"}};
  ScopedRecording recording;
  ExpectExactRoundTrip(good);
  const Bytes bytes = Written(ProjectFileRecord{good, 0});
  auto json = inspect::DumpFile(bytes);
  ASSERT_TRUE(json.ok()) << json.error().message;
  auto rebuilt = inspect::BuildFile(json.value());
  ASSERT_TRUE(rebuilt.ok()) << rebuilt.error().message;
  EXPECT_EQ(rebuilt.value(), bytes);
  EXPECT_TRUE(Recorder().boxes.empty());
}

TEST_F(ProjectFolder, SavesAndLoadsWithTheReservedByte) {
  const std::string path = PathOf("AutoRun.src");
  const ProjectData project = SampleProject();
  {
    ScopedRecording recording;
    ASSERT_TRUE(SaveProjectFile(path, project));
    EXPECT_TRUE(Recorder().boxes.empty());
  }
  auto bytes = ReadWholeFile(path);
  ASSERT_TRUE(bytes.ok());
  EXPECT_EQ(bytes.value(), Cat({ProjectBytes(project), U8(kProjectReservedByte)}));
  for (ReservedByte mode : {ReservedByte::Read, ReservedByte::Skip}) {
    ProjectData back;
    back.pages.push_back({.name = "stale"});
    ASSERT_TRUE(LoadProjectFile(path, back, mode));
    EXPECT_EQ(back, project);
  }

  // Without its reserved byte the player's load fails; the editor never reads that byte.
  bytes.value().pop_back();
  ASSERT_TRUE(ReplaceFileContents(path, bytes.value()).ok());
  {
    ScopedRecording recording;
    ProjectData back;
    EXPECT_TRUE(LoadProjectFile(path, back, ReservedByte::Skip));
    EXPECT_FALSE(LoadProjectFile(path, back, ReservedByte::Read));
    EXPECT_EQ(ReportedCode(), 1066);
  }

  const struct {
    int code;
    std::string path;
    bool save;
  } cases[] = {{1071, PathOf("missing.src"), false},
               {1072, PathOf("no-folder") + "/AutoRun.src", true}};
  for (const auto& c : cases) {
    ScopedRecording recording;
    ProjectData back;
    EXPECT_FALSE(c.save ? SaveProjectFile(c.path, project)
                        : LoadProjectFile(c.path, back, ReservedByte::Read));
    EXPECT_EQ(ReportedCode(), c.code);
    EXPECT_NE(Recorder().boxes[0].text.find(c.path), std::string::npos);
  }
}

}  // namespace
}  // namespace plexara
