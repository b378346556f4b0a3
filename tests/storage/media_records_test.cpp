// Media and web object records: round trips with every field changed, the field order and widths
// of each record, damaged input failing once with the right code, and the rich-text content block.
#include "storage/media_records.h"

#include <gtest/gtest.h>

#include <set>

#include "storage/binary_fields.h"
#include "support/record_test_helpers.h"
#include "support/recording_reporter.h"
#include "support/stream_helpers.h"

namespace plexara {
namespace {

using testing_support::BytesOf;
using testing_support::Cat;
using testing_support::Encode;
using testing_support::ExpectEveryCutFailsOnceWithCodeIn;
using testing_support::ExpectExactRoundTrip;
using testing_support::ExpectLastByteFailuresReport;
using testing_support::Recorder;
using testing_support::ReportedCode;
using testing_support::ScopedRecording;
using testing_support::Written;
using Bytes = testing_support::Bytes;

FontData SampleFont() {
  FontData font;
  font.name = "Courier New";
  font.color = RgbColor(200, 100, 50);
  font.size = 11;
  font.style = kFontBold;
  return font;
}

void SetBoxFields(TextBoxFields& r) {
  r.align = 5;
  r.alignment = 2;
  r.border = 0;
  r.borderWidth = 3;
  r.backColor = RgbColor(250, 240, 230);
  r.scrollBar = 3;
  r.wordWrap = false;
  r.cursor = -21;
  r.hint = "read me";
  r.font = SampleFont();
  r.left = 10;
  r.top = -20;
  r.width = 300;
  r.height = 400;
}

TextBoxRecord Sample(TextBoxRecord r) {
  SetBoxFields(r);
  const std::string lines[] = {"first", "", "caf\xE9"};
  r.text = TextBoxText(lines);
  return r;
}

RichTextRecord Sample(RichTextRecord r) {
  SetBoxFields(r);
  static const char kContent[] = "{\\rtf1\\ansi {\\b bold}\0}";  // any byte, a NUL too
  r.richText = std::string(kContent, sizeof kContent - 1);
  r.plainText = true;
  return r;
}

AviRecord Sample(AviRecord r) {
  r.cursor = 2;
  r.hint = "clip";
  r.fileName = "\\clips\\intro.avi";
  r.left = 1;
  r.top = 2;
  r.width = 3;
  r.height = 4;
  return r;
}

ExplorerRecord Sample(ExplorerRecord r) {
  r.align = 5;
  r.cursor = -3;
  r.hint = "web";
  r.explorerType = kExplorerFile;
  r.location = "\\docs\\index.htm";
  r.left = 5;
  r.top = 6;
  r.width = 7;
  r.height = 8;
  return r;
}

MediaPlayerRecord Sample(MediaPlayerRecord r) {
  r.reserved = 0x12345678;
  r.fullScreenState = true;
  r.play = false;
  r.controlBar = false;
  r.border = true;
  r.loop = false;
  r.mediaFile = "\\media\\song.mp3";
  r.hint = "listen";
  r.left = 9;
  r.top = 10;
  r.width = 11;
  r.height = 12;
  return r;
}

FlashRecord Sample(FlashRecord r) {
  r.cursor = -21;
  r.hint = "movie";
  r.align = 3;
  r.loop = false;
  r.contextMenu = false;
  r.movieFile = "intro.swf";
  r.reservedText = "kept";
  r.left = 13;
  r.top = 14;
  r.width = 15;
  r.height = 16;
  return r;
}

// The kind codes and report codes every reader of our files relies on.
using testing_support::KindCodes;
KindCodes ExpectedCodes(TextBoxRecord) { return {8, 1033, 1034}; }
KindCodes ExpectedCodes(RichTextRecord) { return {9, 1031, 1032}; }
KindCodes ExpectedCodes(AviRecord) { return {10, 1011, 1012}; }
KindCodes ExpectedCodes(ExplorerRecord) { return {11, 1027, 1028}; }
KindCodes ExpectedCodes(MediaPlayerRecord) { return {12, 1025, 1026}; }
KindCodes ExpectedCodes(FlashRecord) { return {18, 1009, 1010}; }

template <typename Record>
class MediaRecordTest : public ::testing::Test {};
using MediaRecordTypes =
    ::testing::Types<TextBoxRecord, RichTextRecord, AviRecord, ExplorerRecord, MediaPlayerRecord, FlashRecord>;
TYPED_TEST_SUITE(MediaRecordTest, MediaRecordTypes);

TYPED_TEST(MediaRecordTest, NonDefaultValuesRoundTripExactly) {
  ScopedRecording recording;
  const TypeParam original = Sample(TypeParam{});
  ASSERT_NE(original, TypeParam{});
  ExpectExactRoundTrip(original);
}

TYPED_TEST(MediaRecordTest, DamageFailsOnceWithTheFailingRecordsCode) {
  const KindCodes expected = ExpectedCodes(TypeParam{});
  ASSERT_EQ(TypeParam::kKind, expected.kind);
  const Bytes bytes = Written(Sample(TypeParam{}));
  const std::set<int> known = {TypeParam::kReadCode, kCodeReadFont, kCodeReadString};
  ASSERT_NO_FATAL_FAILURE(ExpectEveryCutFailsOnceWithCodeIn(
      bytes,
      [](InStream& in) {
        TypeParam read;
        return ReadRecord(in, read, TypeParam::kReadCode);
      },
      known));
  ExpectLastByteFailuresReport(bytes, Sample(TypeParam{}), expected.read, expected.write);
}

const Bytes kBounds = BytesOf({1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0});

template <typename Record>
Record WithBounds(Record r) {
  r.left = 1;
  r.top = 2;
  r.width = 3;
  r.height = 4;
  return r;
}

TEST(MediaRecords, FieldOrderAndWidths) {
  AviRecord avi = WithBounds(AviRecord{});
  avi.cursor = -2;
  avi.hint = "h";
  avi.fileName = "\\a";
  ExplorerRecord explorer = WithBounds(ExplorerRecord{});
  explorer.align = 2;
  explorer.cursor = 7;
  explorer.location = "x";
  MediaPlayerRecord media = WithBounds(MediaPlayerRecord{});
  media.reserved = 0x0A0B0C0D;
  media.controlBar = false;
  media.mediaFile = "m";
  FlashRecord flash = WithBounds(FlashRecord{});
  flash.align = 1;
  flash.loop = false;
  flash.movieFile = "f";
  flash.reservedText = "r";
  const struct {
    const char* name;
    Bytes actual;
    Bytes expected;
  } cases[] = {
      {"AVI", Written(avi),
       Cat({BytesOf({0xFE, 0xFF, 1, 0, 0, 0, 'h', 2, 0, 0, 0, '\\', 'a'}), kBounds})},
      {"Explorer", Written(explorer),
       Cat({BytesOf({2, 7, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 'x'}), kBounds})},
      // reserved, full screen, Play, ControlBar, Border, Loop, MediaFile, Hint
      {"MediaPlayer", Written(media),
       Cat({BytesOf({0x0D, 0x0C, 0x0B, 0x0A, 0, 1, 0, 0, 1, 1, 0, 0, 0, 'm', 0, 0, 0, 0}), kBounds})},
      // cursor, Hint, align, Loop, ContextMenu, MovieFile, reserved text
      {"Flash", Written(flash),
       Cat({BytesOf({0, 0, 0, 0, 0, 0, 1, 0, 1, 1, 0, 0, 0, 'f', 1, 0, 0, 0, 'r'}), kBounds})},
  };
  for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected) << c.name;
}

TEST(MediaRecords, TextBoxLayoutAndRichTextDifferences) {
  TextBoxRecord box = WithBounds(TextBoxRecord{});
  box.hint = "h";
  box.font.name = "A";
  box.font.color = RgbColor(1, 2, 3);
  box.font.size = 9;
  box.font.style = 0;
  const std::string lines[] = {"a", "b", "c"};
  box.text = TextBoxText(lines);
  EXPECT_EQ(box.text, "a\r\nb\r\nc\r\n");
  const Bytes font = BytesOf({1, 0, 0, 0, 'A', 1, 2, 3, 0, 9, 0, 0, 0, 0});
  // align, Alignment, Border, border width, BackColor (the system window colour)
  const Bytes head = BytesOf({0, 0, 1, 0, 0, 0, 0, 5, 0, 0, 0x80});
  // ScrollBar, WordWrap, cursor (the arrow), Hint
  const Bytes tail = BytesOf({2, 1, 0xFE, 0xFF, 1, 0, 0, 0, 'h'});
  EXPECT_EQ(Written(box),
            Cat({head, BytesOf({9, 0, 0, 0, 'a', 13, 10, 'b', 13, 10, 'c', 13, 10}), tail, font, kBounds}));

  // The same fields, with the content block and the plain-text flag in place of the text.
  RichTextRecord rich;
  static_cast<TextBoxFields&>(rich) = box;
  rich.richText = "{\\rtf1}";
  rich.plainText = true;
  EXPECT_EQ(Written(rich),
            Cat({head, BytesOf({7, 0, 0, 0, '{', '\\', 'r', 't', 'f', '1', '}', 1}), tail, font, kBounds}));
}

TEST(MediaRecords, RichTextContentIsTheRecordsOwnBlock) {
  const Bytes bytes = Written(Sample(RichTextRecord{}));
  const std::size_t contentAt = 3 + 4 + 4;  // after align, Alignment, Border, border width, BackColor
  {
    // A cut inside the block, or a length it cannot hold, is the RichText record's failure.
    ScopedRecording recording;
    MemoryInStream in(std::span(bytes.data(), contentAt + 4 + 10));
    RichTextRecord read;
    EXPECT_FALSE(ReadRecord(in, read, RichTextRecord::kReadCode));
    EXPECT_EQ(ReportedCode(), RichTextRecord::kReadCode);
  }
  for (std::int32_t hostile : {-1, 0x7FFFFFFF}) {
    Bytes patched = bytes;
    for (int i = 0; i < 4; ++i)
      patched[contentAt + i] = static_cast<std::uint8_t>(static_cast<std::uint32_t>(hostile) >> (8 * i));
    ScopedRecording recording;
    MemoryInStream in(patched);
    RichTextRecord read;
    EXPECT_FALSE(ReadRecord(in, read, RichTextRecord::kReadCode)) << hostile;
    EXPECT_EQ(ReportedCode(), RichTextRecord::kReadCode) << hostile;
  }
  {
    // N = 0 loads an empty box.
    RichTextRecord empty = Sample(RichTextRecord{});
    empty.richText.clear();
    const Bytes emptyBytes = Written(empty);
    ASSERT_EQ(Bytes(emptyBytes.begin() + contentAt, emptyBytes.begin() + contentAt + 4), BytesOf({0, 0, 0, 0}));
    MemoryInStream in(emptyBytes);
    RichTextRecord read = Sample(RichTextRecord{});
    ASSERT_TRUE(ReadRecord(in, read, RichTextRecord::kReadCode));
    EXPECT_TRUE(read.richText.empty());
  }
}

}  // namespace
}  // namespace plexara
