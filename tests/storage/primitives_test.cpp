// Stream primitives: documented byte layouts, round trips, and damaged input failing once with
// the code of the primitive that failed.
#include "storage/primitives.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

#include "storage/error_report.h"
#include "support/picture_fixtures.h"
#include "support/record_test_helpers.h"
#include "support/recording_reporter.h"
#include "support/stream_helpers.h"

namespace plexara {
namespace {

using testing_support::BytesOf;
using testing_support::Encode;
using testing_support::ExpectEveryCutFailsOnceWithCodeIn;
using testing_support::Recorder;
using testing_support::SamplePicture;
using testing_support::ScopedRecording;
using Bytes = testing_support::Bytes;

TFxEffect NonDefaultEffect() {
  TFxEffect e;
  e.alpha = 55;
  e.angle = -270;
  e.blur = 12;
  e.horzMirror = true;
  e.noise = 200;
  e.outline = true;
  e.spray = 7;
  e.vertMirror = true;
  e.gradient = {true, 4, RgbColor(1, 2, 3), RgbColor(250, 128, 0)};
  e.shadow.enabled = true;
  e.shadow.alpha = 33;
  e.shadow.blur = 44;
  e.shadow.color = static_cast<ColorRef>(0x80000005);  // a system colour
  e.shadow.offsetX = -20;
  e.shadow.offsetY = 17;
  e.texture.enabled = true;
  e.texture.mode = 2;
  e.texture.picture = SamplePicture(GraphicClass::Png);
  return e;
}

FontData SampleFont() {
  FontData font;
  font.name = "Times New Roman";
  font.color = RgbColor(10, 20, 30);
  font.size = 14;
  font.style = kFontBold | kFontStrikeOut;
  return font;
}

TEST(StreamPrimitives, DocumentedByteLayouts) {
  EXPECT_EQ(Encode([](OutStream& o) { WriteString(o, "abc"); }), BytesOf({3, 0, 0, 0, 0x61, 0x62, 0x63}));
  EXPECT_EQ(Encode([](OutStream& o) { WriteString(o, ""); }), BytesOf({0, 0, 0, 0}));
  EXPECT_EQ(Encode([](OutStream& o) { WritePicture(o, Picture()); }), BytesOf({0, 0, 0, 0}));
  EXPECT_EQ(Encode([](OutStream& o) { WriteFontLabels(o, TFontLabels()); }), BytesOf({0, 0, 0, 0}));
  EXPECT_EQ(Encode([](OutStream& o) { WriteFont(o, SampleFont()); }),
            BytesOf({15, 0, 0, 0, 'T', 'i', 'm', 'e', 's', ' ', 'N', 'e', 'w', ' ', 'R', 'o', 'm', 'a', 'n',
                     10, 20, 30, 0, 14, 0, 0, 0, 0x09}));
  // The shadow's alpha and blur come before its colour and switch; end colour before start colour.
  TFxEffect effect;
  effect.gradient.endColor = 0x0A0B0C;
  const Bytes bytes = Encode([&](OutStream& o) { WriteEffect(o, effect); });
  ASSERT_EQ(bytes.size(), 12u * 4 + 8 + 4);
  EXPECT_EQ(Bytes(bytes.begin() + 23, bytes.begin() + 32), BytesOf({0, 0x0C, 0x0B, 0x0A, 0, 0xFF, 0xFF, 0xFF, 0}));
  EXPECT_EQ(Bytes(bytes.begin() + 33, bytes.begin() + 41), BytesOf({70, 0, 0, 0, 80, 0, 0, 0}));
}

TEST(StreamPrimitives, ScalarValuesRoundTrip) {
  const std::string text("caf\xE9\0end", 7);  // system code page bytes and a NUL survive
  const FontData font = SampleFont();
  const TFxEffect effect = NonDefaultEffect();
  const Bytes bytes = Encode([&](OutStream& o) {
    WriteString(o, text);
    WriteFont(o, font);
    WriteEffect(o, effect);
  });
  MemoryInStream in(bytes);
  std::string textBack;
  FontData fontBack;
  fontBack.charset = 238;  // not stored: the reader keeps it
  TFxEffect effectBack;
  ASSERT_TRUE(ReadString(in, textBack) && ReadFont(in, fontBack) && ReadEffect(in, effectBack));
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(textBack, text);
  EXPECT_EQ(fontBack.name, font.name);
  EXPECT_EQ(fontBack.color, font.color);
  EXPECT_EQ(fontBack.size, font.size);
  EXPECT_EQ(fontBack.style, font.style);
  EXPECT_EQ(fontBack.charset, 238);
  EXPECT_EQ(effectBack, effect);
}

TEST(StreamPrimitives, EffectReaderKeepsTheLowBitsOfWideValues) {
  Bytes bytes = Encode([](OutStream& o) { WriteEffect(o, TFxEffect()); });
  auto put = [&](std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  };
  put(0, 0x00000150);   // alpha: low byte 0x50
  put(4, 0x0001FFFF);   // angle: low 16 bits, signed -1
  put(46, 0xFFFFFFF0);  // shadow offset X: -16
  MemoryInStream in(bytes);
  TFxEffect effect;
  ASSERT_TRUE(ReadEffect(in, effect));
  EXPECT_EQ(effect.alpha, 0x50);
  EXPECT_EQ(effect.angle, -1);
  EXPECT_EQ(effect.shadow.offsetX, -16);
}

TEST(StreamPrimitives, EveryPictureClassRoundTripsByteForByte) {
  for (GraphicClass graphicClass : {GraphicClass::Bitmap, GraphicClass::Icon, GraphicClass::Metafile,
                                    GraphicClass::Jpeg, GraphicClass::Gif, GraphicClass::Png}) {
    const Picture picture = SamplePicture(graphicClass);
    const Bytes bytes = Encode([&](OutStream& o) { WritePicture(o, picture); });
    MemoryInStream in(bytes);
    Picture back;
    ASSERT_TRUE(ReadPicture(in, back)) << picture.tag();
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(back.graphicClass(), graphicClass);
    EXPECT_EQ(back.payload(), picture.payload());
    EXPECT_EQ(Encode([&](OutStream& o) { WritePicture(o, back); }), bytes);
  }
}

Bytes TaggedPicture(std::string_view tag, const Bytes& payload) {
  return Encode([&](OutStream& o) {
    WriteString(o, tag);
    WriteInt32(o, static_cast<std::int32_t>(payload.size()));
    o.Write(payload.data(), payload.size());
  });
}

TEST(StreamPrimitives, PictureTagsMatchWithoutRegardToCaseAndWriteCanonically) {
  const Bytes png = testing_support::SamplePictureFile(GraphicClass::Png);
  const Bytes bytes = TaggedPicture("TPNGOBJECT", png);
  MemoryInStream in(bytes);
  Picture picture;
  ASSERT_TRUE(ReadPicture(in, picture));
  EXPECT_EQ(picture.graphicClass(), GraphicClass::Png);
  EXPECT_EQ(picture.tag(), "TPNGObject");
}

TEST(StreamPrimitives, BadPicturesFailWith1056AndLeaveTheTargetEmpty) {
  const Bytes png = testing_support::SamplePictureFile(GraphicClass::Png);
  const Bytes truncatedPng(png.begin(), png.begin() + png.size() / 2);
  const struct {
    const char* name;
    Bytes bytes;
  } cases[] = {
      {"unknown tag", TaggedPicture("TWebPImage", png)},
      {"payload rejected", TaggedPicture("TPNGObject", truncatedPng)},
      {"payload of another class", TaggedPicture("TBitmap", png)},
      {"negative size", Encode([](OutStream& o) { WriteString(o, "TBitmap"); WriteInt32(o, -5); })},
      {"size beyond the data", Encode([](OutStream& o) { WriteString(o, "TBitmap"); WriteInt32(o, 0x7FFFFFFF); })},
  };
  for (const auto& c : cases) {
    ScopedRecording recording;
    MemoryInStream in(c.bytes);
    Picture picture = Picture::FromBitmap(Bitmap(2, 2));
    EXPECT_FALSE(ReadPicture(in, picture)) << c.name;
    EXPECT_TRUE(picture.empty()) << c.name;
    ASSERT_EQ(Recorder().boxes.size(), 1u) << c.name;
    EXPECT_NE(Recorder().boxes[0].text.find("/1056)"), std::string::npos) << c.name;
  }
}

TEST(StreamPrimitives, FontLabelsRoundTripAndReadingEmptiesTheTarget) {
  TFontLabels labels;
  labels.Add("Title").font = SampleFont();
  labels.Add("Body").effect = NonDefaultEffect();
  const Bytes bytes = Encode([&](OutStream& o) { WriteFontLabels(o, labels); });
  TFontLabels back;
  back.Add("Stale");
  MemoryInStream in(bytes);
  ASSERT_TRUE(ReadFontLabels(in, back));
  EXPECT_EQ(back, labels);

  const Bytes empty = BytesOf({0, 0, 0, 0});
  MemoryInStream emptyIn(empty);
  ASSERT_TRUE(ReadFontLabels(emptyIn, back));
  EXPECT_TRUE(back.empty());
}

MenuItemData ThreeLevelMenu() {
  MenuItemData root;
  root.caption = "Main";
  MenuItemData file;
  file.caption = "&File";
  file.bitmap = SamplePicture(GraphicClass::Bitmap);
  MenuItemData open;
  open.caption = "Open";
  open.shortcut = kShortcutCtrl | 'O';
  open.hint = EncodeMenuItemAction({1, 3, "\\setup.exe", "/q", "\\", true});
  open.defaultItem = true;
  MenuItemData separator;
  separator.caption = "-";
  MenuItemData exit;
  exit.caption = "E&xit";
  exit.radioItem = true;
  exit.groupIndex = 200;
  exit.enabled = false;
  exit.checked = true;
  exit.autoCheck = true;
  exit.shortcut = kShortcutAlt | kShortcutShift | 0x73;
  file.items = {open, separator, exit};
  MenuItemData help;
  help.caption = "Help";
  root.items = {file, help};
  return root;
}

TEST(StreamPrimitives, MenuTreeRoundTripsAndCanBeSkipped) {
  const MenuItemData menu = ThreeLevelMenu();
  const Bytes bytes = Encode([&](OutStream& o) { WriteMenuItem(o, menu); });
  MemoryInStream in(bytes);
  MenuItemData back;
  back.items.resize(5);  // replaced by what is read
  ASSERT_TRUE(ReadMenuItem(in, &back));
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(back, menu);

  MemoryInStream skip(bytes);
  ASSERT_TRUE(ReadMenuItem(skip, nullptr));
  EXPECT_EQ(skip.Position(), bytes.size());
}

TEST(StreamPrimitives, MenuItemActionDecoding) {
  MenuItemAction action;
  action.actionKind = 9;
  ASSERT_TRUE(DecodeMenuItemAction("", action));
  EXPECT_EQ(action, MenuItemAction{});
  EXPECT_EQ(action.actionKind, 0);
  EXPECT_EQ(action.showCommand, 1);

  const MenuItemAction full{7, 3, "http://example.org", "p", "\\docs", true};
  const std::string hint = EncodeMenuItemAction(full);
  EXPECT_EQ(hint.size(), 1u + 4 + (4 + 18) + (4 + 1) + (4 + 5) + 1);
  ASSERT_TRUE(DecodeMenuItemAction(hint, action));
  EXPECT_EQ(action, full);

  ScopedRecording recording;
  EXPECT_FALSE(DecodeMenuItemAction(hint.substr(0, hint.size() - 1), action));
  ASSERT_EQ(Recorder().boxes.size(), 1u);
  EXPECT_NE(Recorder().boxes[0].text.find("/1002)"), std::string::npos);
}

// Every proper prefix of a valid encoding must fail with exactly one report whose code belongs to
// the primitive that ran out of data.
TEST(StreamPrimitives, EveryTruncationFailsWithOneReport) {
  TFontLabels labels;
  labels.Add("A").effect = NonDefaultEffect();
  const struct {
    const char* name;
    Bytes bytes;
    std::function<bool(InStream&)> read;
    std::set<int> codes;
  } cases[] = {
      {"string", Encode([](OutStream& o) { WriteString(o, "hello"); }),
       [](InStream& in) { std::string s; return ReadString(in, s); }, {1054}},
      {"font", Encode([](OutStream& o) { WriteFont(o, SampleFont()); }),
       [](InStream& in) { FontData f; return ReadFont(in, f); }, {1052}},
      {"picture", Encode([](OutStream& o) { WritePicture(o, SamplePicture(GraphicClass::Gif)); }),
       [](InStream& in) { Picture p; return ReadPicture(in, p); }, {1056}},
      {"effect", Encode([](OutStream& o) { WriteEffect(o, NonDefaultEffect()); }),
       [](InStream& in) { TFxEffect e; return ReadEffect(in, e); }, {1058, 1056}},
      {"font labels", Encode([&](OutStream& o) { WriteFontLabels(o, labels); }),
       [](InStream& in) { TFontLabels l; return ReadFontLabels(in, l); }, {1060, 1058, 1056, 1052}},
      {"menu item", Encode([](OutStream& o) { WriteMenuItem(o, ThreeLevelMenu()); }),
       [](InStream& in) { return ReadMenuItem(in, nullptr); }, {1004, 1056}},
  };
  for (const auto& c : cases) {
    ASSERT_NO_FATAL_FAILURE(ExpectEveryCutFailsOnceWithCodeIn(c.bytes, c.read, c.codes, c.name));
  }
}

TEST(StreamPrimitives, HostileLengthsAndCountsAreRefused) {
  const struct {
    const char* name;
    Bytes bytes;
    std::function<bool(InStream&)> read;
  } cases[] = {
      {"negative string length", BytesOf({0xFF, 0xFF, 0xFF, 0xFF}),
       [](InStream& in) { std::string s; return ReadString(in, s); }},
      {"huge string length", BytesOf({0xFF, 0xFF, 0xFF, 0x7F, 'a'}),
       [](InStream& in) { std::string s; return ReadString(in, s); }},
      {"huge label count", BytesOf({0xFF, 0xFF, 0xFF, 0x7F}),
       [](InStream& in) { TFontLabels l; return ReadFontLabels(in, l); }},
      {"huge sub-item count",
       Encode([](OutStream& o) {
         MenuItemData item;
         WriteMenuItem(o, item);
       }),
       [](InStream& in) { return ReadMenuItem(in, nullptr); }},
  };
  for (const auto& c : cases) {
    ScopedRecording recording;
    Bytes bytes = c.bytes;
    if (std::string_view(c.name) == "huge sub-item count") {
      for (int i = 1; i <= 4; ++i) bytes[bytes.size() - i] = i == 1 ? 0x7F : 0xFF;
    }
    MemoryInStream in(bytes);
    EXPECT_FALSE(c.read(in)) << c.name;
    EXPECT_EQ(Recorder().boxes.size(), 1u) << c.name;
  }

  // A chain of single-child items deeper than any real menu is refused rather than recursed.
  MenuItemData deep;
  for (int i = 0; i < kMaxMenuDepth + 5; ++i) {
    MenuItemData parent;
    parent.items.push_back(std::move(deep));
    deep = std::move(parent);
  }
  ScopedRecording recording;
  MemoryOutStream out;
  EXPECT_FALSE(WriteMenuItem(out, deep));
  EXPECT_EQ(Recorder().boxes.size(), 1u);
}

TEST(ErrorReports, TextsAndCaptions) {
  ScopedRecording recording;
  ReportStreamError(1054);
  Recorder().lastError = 5;
  ReportFileError(1070, "D:\\autorun.tgt");
  ShowErrorBox("Plain text");
  ASSERT_EQ(Recorder().boxes.size(), 3u);
  EXPECT_EQ(Recorder().boxes[0].text,
            "The operation completed successfully. (Error Code: 0/1054), please contact "
            "support@plexara.app for help.");
  EXPECT_EQ(Recorder().boxes[1].text,
            "\"D:\\autorun.tgt\", System error 5. (Error Code: 5/1070), please contact "
            "support@plexara.app for help.");
  EXPECT_EQ(Recorder().boxes[2].text, "Plain text");
  for (const auto& box : Recorder().boxes) EXPECT_EQ(box.caption, "Error");
}

}  // namespace
}  // namespace plexara
