// "SlideShowEx.cfg" reading: good files, the wrong-format box that keeps the previous entries,
// damaged files reported once and leaving no entries, hostile counts, and out-of-range numbers.
#include "slideshow/slide_show_config.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "support/recording_reporter.h"
#include "support/stream_helpers.h"

namespace plexara {
namespace {

using testing_support::BytesOf;
using testing_support::Encode;
using testing_support::Recorder;
using testing_support::ScopedRecording;
using Bytes = testing_support::Bytes;

constexpr std::string_view kPath = "C:\\Disc\\Pictures\\SlideShowEx.cfg";

TSlideSettings Entry(std::string fileName, std::int32_t interval) {
  TSlideSettings s;
  s.reservedByte = 0;
  s.style = 12;
  s.step = 8;
  s.stepDelay = 30;
  s.interval = interval;
  s.imageStyle = kSlideImageCenter;
  s.backColor = RgbColor(1, 2, 3);
  s.fileName = std::move(fileName);
  s.reservedText = "r";
  s.reservedInteger = 4;
  return s;
}

Bytes ConfigFile(const std::vector<TSlideSettings>& entries) {
  return Encode([&](OutStream& out) { WriteSlideShowConfig(out, entries); });
}

std::vector<TSlideSettings> Previous() { return {Entry("old.png", 1)}; }

bool Read(const Bytes& bytes, std::vector<TSlideSettings>& entries) {
  MemoryInStream in(bytes);
  return ReadSlideShowConfig(in, kPath, entries);
}

TEST(SlideShowConfig, ReadsEveryEntryInOrder) {
  ScopedRecording recording;
  const std::vector<TSlideSettings> written = {Entry("a.jpg", 2000), Entry("b.png", 5000)};
  Bytes bytes = ConfigFile(written);
  EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 8), BytesOf({0x8A, 0x74, 0, 0, 2, 0, 0, 0}));
  bytes.push_back(0x55);  // anything after the last record is ignored
  std::vector<TSlideSettings> entries = Previous();
  ASSERT_TRUE(Read(bytes, entries));
  EXPECT_EQ(entries, written);
  EXPECT_TRUE(Recorder().boxes.empty());

  // An empty list is a valid file and replaces what was there.
  entries = Previous();
  EXPECT_TRUE(Read(ConfigFile({}), entries));
  EXPECT_TRUE(entries.empty());
}

TEST(SlideShowConfig, DamagedFilesAreReportedOnce) {
  const Bytes good = ConfigFile({Entry("a.jpg", 2000), Entry("b.png", 5000)});
  // One record with a long name, so a cut inside it still leaves enough bytes for the count.
  const Bytes oneLong = ConfigFile({Entry("a-rather-long-picture-name.jpg", 2000)});
  const std::string invalid = "Invalid file format \"" + std::string(kPath) + "\".";
  const struct {
    const char* name;
    Bytes bytes;
    std::string text;     // the whole box text, when it is the format box
    int code;             // otherwise the report code in the text
    bool keepsPrevious;
  } cases[] = {
      {"empty file", {}, invalid, 0, true},
      {"short marker", BytesOf({0x8A, 0x74}), invalid, 0, true},
      {"wrong marker", BytesOf({0x8B, 0x74, 0, 0, 0, 0, 0, 0}), invalid, 0, true},
      {"no count", BytesOf({0x8A, 0x74, 0, 0}), "", 1024, false},
      {"negative count", BytesOf({0x8A, 0x74, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}), "", 1024, false},
      {"count beyond the data", BytesOf({0x8A, 0x74, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 1, 2, 3}), "", 1024, false},
      {"cut in a number", Bytes(oneLong.begin(), oneLong.end() - 2), "", 1020, false},
      {"cut in a name", Bytes(oneLong.begin(), oneLong.begin() + 8 + 40), "", 1054, false},
      {"second record cut", Bytes(good.begin(), good.end() - 4), "", 1020, false},
  };
  for (const auto& c : cases) {
    ScopedRecording recording;
    std::vector<TSlideSettings> entries = Previous();
    EXPECT_FALSE(Read(c.bytes, entries)) << c.name;
    ASSERT_EQ(Recorder().boxes.size(), 1u) << c.name;
    const auto& box = Recorder().boxes[0];
    if (!c.text.empty()) {
      EXPECT_EQ(box.text, c.text) << c.name;
      EXPECT_EQ(box.caption, "ERROR") << c.name;
    } else {
      EXPECT_NE(box.text.find("/" + std::to_string(c.code) + ")"), std::string::npos) << c.name << ": " << box.text;
    }
    EXPECT_EQ(entries, c.keepsPrevious ? Previous() : std::vector<TSlideSettings>{}) << c.name;
  }
  // The file's own damage names the file.
  ScopedRecording recording;
  std::vector<TSlideSettings> entries;
  Read(BytesOf({0x8A, 0x74, 0, 0}), entries);
  EXPECT_EQ(Recorder().boxes.at(0).text.rfind("\"" + std::string(kPath) + "\", ", 0), 0u);
}

TEST(SlideShowConfig, NumbersAreBroughtIntoRange) {
  struct Case {
    std::int32_t TSlideSettings::*field;
    std::int32_t stored;
    std::int32_t read;
  };
  const Case cases[] = {
      {&TSlideSettings::style, 150, 150},      {&TSlideSettings::style, 151, 0},
      {&TSlideSettings::style, -1, 0},         {&TSlideSettings::step, 0, 1},
      {&TSlideSettings::step, 100, 100},       {&TSlideSettings::step, 1000, 100},
      {&TSlideSettings::stepDelay, -5, 0},     {&TSlideSettings::stepDelay, 5000, 1000},
      {&TSlideSettings::interval, 0, 0},       {&TSlideSettings::interval, -1, 0},
      {&TSlideSettings::interval, 86400000, 86400000},
      {&TSlideSettings::imageStyle, 4, 4},     {&TSlideSettings::imageStyle, 5, 0},
      {&TSlideSettings::imageStyle, -2, 0},
  };
  for (const Case& c : cases) {
    TSlideSettings stored = Entry("x.gif", 1000);
    stored.*c.field = c.stored;
    std::vector<TSlideSettings> entries;
    ASSERT_TRUE(Read(ConfigFile({stored}), entries));
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].*c.field, c.read) << "stored " << c.stored;
  }
}

TEST(SlideShowConfig, FileWrapperTreatsAMissingFileAsAbsentAndRefusesHugeOnes) {
  ScopedRecording recording;
  const auto folder = std::filesystem::temp_directory_path() / "plexara-slide-show-config-test";
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "SlideShowEx.cfg").string();
  std::vector<TSlideSettings> entries = Previous();

  std::filesystem::remove(path);
  EXPECT_FALSE(ReadSlideShowConfigFile(path, entries));
  EXPECT_TRUE(Recorder().boxes.empty());
  EXPECT_EQ(entries, Previous());

  const Bytes good = ConfigFile({Entry("a.jpg", 2000)});
  {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(good.data()), static_cast<std::streamsize>(good.size()));
  }
  EXPECT_TRUE(ReadSlideShowConfigFile(path, entries));
  EXPECT_EQ(entries, std::vector<TSlideSettings>{Entry("a.jpg", 2000)});

  {
    std::ofstream file(path, std::ios::binary | std::ios::app);
    const std::vector<char> padding(kMaxSlideShowConfigSize, '\0');
    file.write(padding.data(), static_cast<std::streamsize>(padding.size()));
  }
  EXPECT_FALSE(ReadSlideShowConfigFile(path, entries));
  ASSERT_EQ(Recorder().boxes.size(), 1u);
  EXPECT_NE(Recorder().boxes[0].text.find("/1024)"), std::string::npos);
  EXPECT_EQ(entries.size(), 1u);
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace plexara
