// SlideShow kind record and TSlideSettings: round trips, the stored layouts, and failures reported
// once with the code of the record that failed (the nested settings have codes of their own).
#include "storage/slide_show_record.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "storage/binary_fields.h"
#include "support/record_test_helpers.h"
#include "support/recording_reporter.h"
#include "support/stream_helpers.h"

namespace plexara {
namespace {

using testing_support::BytesOf;
using testing_support::ExpectEveryCutFailsOnce;
using testing_support::LimitedOutStream;
using testing_support::Recorder;
using testing_support::ReportedCodeIs;
using testing_support::ScopedRecording;
using testing_support::Written;
using Bytes = testing_support::Bytes;

SlideShowRecord SampleSlideShow() {
  SlideShowRecord r;
  r.play = false;
  r.loop = false;
  r.controlBar = false;
  r.border = true;
  r.reserved = 12345;
  r.fullScreen = true;
  r.workFolder = "\\Pictures\\Trip";
  r.hint = "Holiday";
  r.settings.reservedByte = 9;
  r.settings.style = 150;
  r.settings.step = 10;
  r.settings.stepDelay = 20;
  r.settings.interval = 0;
  r.settings.imageStyle = 7;  // unknown styles are kept as stored
  r.settings.backColor = static_cast<ColorRef>(0x8000000F);
  r.settings.fileName = "kept.jpg";
  r.settings.reservedText = "spare";
  r.settings.reservedInteger = -3;
  r.left = -40;
  r.top = 15;
  r.width = 640;
  r.height = 480;
  return r;
}

TEST(SlideShowRecord, RoundTripKeepsEveryField) {
  ScopedRecording recording;
  const SlideShowRecord records[] = {SampleSlideShow(), SlideShowRecord()};
  for (const SlideShowRecord& record : records) {
    const Bytes bytes = Written(record);
    MemoryInStream in(bytes);
    SlideShowRecord back = SampleSlideShow();
    back.settings = TSlideSettings{};
    ASSERT_TRUE(ReadRecord(in, back, SlideShowRecord::kReadCode));
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_TRUE(back == record);
    EXPECT_EQ(Written(back), bytes);
  }
  EXPECT_TRUE(Recorder().boxes.empty());
}

TEST(SlideShowRecord, SettingsLayoutIsPinned) {
  TSlideSettings s;
  s.style = 7;
  s.step = 5;
  s.stepDelay = 60;
  s.interval = 3000;
  s.imageStyle = kSlideImageStretch;
  s.backColor = RgbColor(0x40, 0x80, 0xFF);
  s.fileName = "b.png";
  s.reservedInteger = -1;
  EXPECT_EQ(Written(s), BytesOf({1,                                // reserved, 1 for a new record
                                 7, 0, 0, 0, 5, 0, 0, 0,           // Style, Step
                                 60, 0, 0, 0, 0xB8, 0x0B, 0, 0,    // StepDelay, Interval
                                 2, 0, 0, 0, 0x40, 0x80, 0xFF, 0,  // ImageStyle, BackColor
                                 5, 0, 0, 0, 'b', '.', 'p', 'n', 'g',
                                 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(SlideShowRecord, KindLayoutIsPinned) {
  SlideShowRecord r;
  r.loop = false;
  r.reserved = 2;
  r.fullScreen = true;
  r.workFolder = "\\p";
  r.hint = "h";
  r.left = 1;
  r.top = 2;
  EXPECT_EQ(Written(r), BytesOf({1, 0, 1, 0,                  // Play, Loop, ControlBar, Border
                                 2, 0, 0, 0,                  // reserved
                                 1,                           // full screen
                                 2, 0, 0, 0, '\\', 'p',       // WorkFolder
                                 1, 0, 0, 0, 'h',             // hint
                                 1,                           // settings of a new object
                                 0, 0, 0, 0, 4, 0, 0, 0, 50, 0, 0, 0, 0xD0, 0x07, 0, 0,
                                 3, 0, 0, 0, 0, 0, 0, 0,
                                 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                 1, 0, 0, 0, 2, 0, 0, 0, 209, 0, 0, 0, 185, 0, 0, 0}));
}

TEST(SlideShowRecord, EveryTruncationFailsWithOneReport) {
  const Bytes bytes = Written(SampleSlideShow());
  // Where the nested settings start: four flags, the reserved int32, the full-screen flag and the
  // two strings.
  const SlideShowRecord sample = SampleSlideShow();
  const std::size_t settingsStart = 4 + 4 + 1 + (4 + sample.workFolder.size()) + (4 + sample.hint.size());
  const std::size_t boundsStart = bytes.size() - 16;
  ASSERT_NO_FATAL_FAILURE(ExpectEveryCutFailsOnce(
      bytes,
      [](InStream& in) {
        SlideShowRecord r;
        return ReadRecord(in, r, SlideShowRecord::kReadCode);
      },
      [&](std::size_t length, const std::string& text) {
        const bool inSettings = length >= settingsStart && length < boundsStart;
        EXPECT_TRUE(ReportedCodeIs(inSettings ? 1020 : 1022) || ReportedCodeIs(1054))
            << "cut at " << length << ": " << text;
      }));
}

TEST(SlideShowRecord, WriteFailuresReportTheFailingRecordsCode) {
  const Bytes bytes = Written(SampleSlideShow());
  const SlideShowRecord sample = SampleSlideShow();
  const std::size_t settingsStart = 4 + 4 + 1 + (4 + sample.workFolder.size()) + (4 + sample.hint.size());
  const struct {
    std::size_t limit;
    int code;
  } cases[] = {{0, 1021}, {settingsStart, 1019}, {settingsStart + 1, 1019}, {bytes.size() - 1, 1021}};
  for (const auto& c : cases) {
    ScopedRecording recording;
    LimitedOutStream out(c.limit);
    EXPECT_FALSE(WriteRecord(out, sample, SlideShowRecord::kWriteCode)) << c.limit;
    ASSERT_EQ(Recorder().boxes.size(), 1u) << c.limit;
    EXPECT_TRUE(ReportedCodeIs(c.code)) << c.limit << ": " << Recorder().boxes[0].text;
  }
}

}  // namespace
}  // namespace plexara
