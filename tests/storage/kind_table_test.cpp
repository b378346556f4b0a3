// The kind table, default object names and the common record of a new object; and, over every
// kind record of the text, button, image and shape kinds: round trips, truncation and write
// failures reporting once with the right code, and agreement of the records with the table.
#include "storage/kind_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "storage/binary_fields.h"
#include "storage/button_records.h"
#include "storage/shape_record.h"
#include "storage/text_records.h"
#include "support/record_test_helpers.h"
#include "support/recording_reporter.h"
#include "support/stream_helpers.h"

namespace plexara {
namespace {

using testing_support::CodeInText;
using testing_support::Encode;
using testing_support::ExpectEveryCutFailsOnce;
using testing_support::ExpectEveryLimitFailsOnce;
using testing_support::Recorder;
using testing_support::SamplePicture;
using testing_support::ScopedRecording;
using Bytes = testing_support::Bytes;

// ---- the table ----

TEST(KindTable, CodesNamesAndClasses) {
  const char* const names[] = {"Button", "ImageButton", "Image", "Label", "Link", "FadeLabel", "Text",
                               "ScrollText", "TextBox", "RichText", "AVI", "Explorer", "MediaPlayer",
                               "SlideShow", "Edit", "RadioButton", "CheckBox", "SimpleText", "Flash", "Shape",
                               "ListBox", "DropDownList", "ListView", "TreeView", "ShellComboBox",
                               "ShellTreeView", "ShellListView"};
  ASSERT_EQ(KindTable().size(), 27u);
  for (int code = 0; code < kObjectKindCount; ++code) {
    const KindInfo* info = FindKind(code);
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(static_cast<int>(info->kind), code);
    EXPECT_EQ(info->typeName, names[code]);
    EXPECT_EQ(TypeNameOf(code), names[code]);
    EXPECT_TRUE(info->className.starts_with("TAu")) << code;
    // Kinds 1-7, 17 and 19 are drawn by the page; all others, the Button among them, have windows
    // of their own.
    const bool drawn = (code >= 1 && code <= 7) || code == 17 || code == 19;
    EXPECT_EQ(info->windowed, !drawn) << code;
    EXPECT_EQ(info->creatable, code != 5) << code;
  }
  EXPECT_EQ(FindKind(27), nullptr);
  EXPECT_EQ(FindKind(-1), nullptr);
  EXPECT_EQ(FindKind(129), nullptr);  // the table itself does not mask
  EXPECT_EQ(FindKind(21)->className, "TAuComboBox");
  EXPECT_EQ(FindKind(11)->designClassName, "TAuExplorerE");
}

TEST(KindTable, NewObjectSizesAndTexts) {
  const KindInfo& edit = *FindKind(14);
  EXPECT_EQ(edit.sizeRule, KindSizeRule::HeightFromFont);
  EXPECT_EQ(edit.defaultWidth, 121);
  EXPECT_EQ(edit.defaultHeight, 25);
  ASSERT_TRUE(edit.newText.has_value());  // a new edit box is emptied, not left as it comes
  EXPECT_EQ(*edit.newText, "");

  EXPECT_EQ(FindKind(4)->sizeRule, KindSizeRule::AutoSized);
  EXPECT_EQ(FindKind(13)->sizeRule, KindSizeRule::OwnRule);
  EXPECT_EQ(FindKind(12)->defaultHeight, 185);
  EXPECT_EQ(FindKind(21)->defaultWidth, 145);
  EXPECT_EQ(FindKind(7)->newText, "New Scroll Text");
  EXPECT_FALSE(FindKind(5)->newText.has_value());
  EXPECT_FALSE(FindKind(2)->newText.has_value());
  for (const KindInfo& info : KindTable()) {
    const bool sized = info.sizeRule == KindSizeRule::Fixed || info.sizeRule == KindSizeRule::HeightFromFont;
    EXPECT_EQ(sized, info.defaultWidth > 0 && info.defaultHeight > 0) << info.typeName;
  }
}

TEST(KindTable, EventsAndClickWiring) {
  EXPECT_EQ(FindKind(18)->events, kEventClick | kEventPress | kEventRelease);  // Flash
  for (int code : {2, 3, 17, 19, 20, 26}) EXPECT_TRUE(FindKind(code)->events & kEventMove) << code;
  for (int code : {0, 1, 4, 8, 11, 14}) EXPECT_FALSE(FindKind(code)->events & kEventMove) << code;
  const std::set<int> withoutClick = {8, 9, 10, 11, 12, 13, 18};
  for (int code = 0; code < kObjectKindCount; ++code) {
    EXPECT_EQ(FindKind(code)->clickToPage, withoutClick.count(code) == 0) << code;
  }
}

TEST(KindTable, TypeNameUsesTheLowSevenBits) {
  EXPECT_EQ(TypeNameOf(27), "");
  EXPECT_EQ(TypeNameOf(127), "");
  EXPECT_EQ(TypeNameOf(-1), "");
  EXPECT_EQ(TypeNameOf(129), TypeNameOf(1));
  EXPECT_EQ(TypeNameOf(128), "Button");
  EXPECT_EQ(TypeNameOf(128 + 26), "ShellListView");
  EXPECT_EQ(TypeNameOf(128 + 27), "");
}

TEST(KindTable, ObjectNamesTakeTheSmallestFreeNumber) {
  const struct {
    std::vector<std::string> existing;
    int kind;
    const char* expected;
  } cases[] = {
      {{}, 19, "Shape1"},
      {{"Button1", "Button3"}, 0, "Button2"},
      {{"button1", "BUTTON1"}, 0, "Button1"},  // letter case counts
      {{"Button01", "Button1 ", "Button"}, 0, "Button1"},
      {{"Label1", "Button1", "Button2"}, 0, "Button3"},
      {{"ImageButton1"}, 2, "Image1"},  // another kind's name with the same start does not block
      {{"Image1", "Image2"}, 129, "ImageButton1"},
      {{"Image2", "Image1", "Image3", "Image999999999999"}, 2, "Image4"},
  };
  for (const auto& c : cases) EXPECT_EQ(MakeObjectName(c.existing, c.kind), c.expected) << c.expected;
}

TEST(KindTable, NewObjectCommandHasTheDefaultsAndTheName) {
  const std::vector<std::string> existing = {"Text1"};
  const TCommand command = NewObjectCommand(existing, 6);
  EXPECT_EQ(command.name, "Text2");
  EXPECT_EQ(command.actionKind, 0);
  EXPECT_EQ(command.showCommand, 1);
  EXPECT_EQ(command.selectRunWait, " ");
  EXPECT_TRUE(command.enabled);
  EXPECT_TRUE(command.visible);
  EXPECT_FALSE(command.windowMoveHandle || command.checkStyleInGroup || command.checked ||
               command.closeAfterAction);
  for (const std::string* text : {&command.actionTarget, &command.actionParameters, &command.actionFolder,
                                  &command.clickSound, &command.cursor, &command.comment, &command.groupName,
                                  &command.commentViewer, &command.selectRunFile}) {
    EXPECT_TRUE(text->empty());
  }
}

// ---- every kind record ----

FontData SampleFont(const char* name, int size) {
  FontData font;
  font.name = name;
  font.color = RgbColor(1, 2, 3);
  font.size = size;
  font.style = kFontItalic;
  return font;
}

TFxEffect SampleEffect() {
  TFxEffect effect;
  effect.alpha = 40;
  effect.angle = -90;
  effect.outline = true;
  effect.gradient = {true, 3, RgbColor(9, 8, 7), RgbColor(7, 8, 9)};
  effect.texture.picture = SamplePicture(GraphicClass::Gif);
  return effect;
}

TFontLabels SampleLabels() {
  TFontLabels labels;
  TFontLabel& title = labels.Add("Title1");
  title.font = SampleFont("Verdana", 20);
  title.effect.blur = 30;
  labels.Add("small").font.size = 7;
  return labels;
}

constexpr ColorRef kSystemColor = static_cast<ColorRef>(0x80000012U);

template <typename R>
R Sample();

template <>
LabelRecord Sample() {
  LabelRecord r;
  r.align = 5;
  r.autoSize = false;
  r.margin = -3;
  r.alignment = 2;
  r.backColor = kSystemColor;
  r.backImage = SamplePicture(GraphicClass::Png);
  r.backImageStyle = 3;
  r.layout = 2;
  r.quality = 3;
  r.transparent = false;
  r.effect = SampleEffect();
  r.cursor = -21;
  r.caption = "Welcome";
  r.hint = "tip";
  r.font = SampleFont("Tahoma", 11);
  r.left = -5;
  r.top = 70000;
  r.width = 300;
  r.height = 40;
  return r;
}

template <>
LinkRecord Sample() {
  LinkRecord r;
  static_cast<LabelRecord&>(r) = Sample<LabelRecord>();
  r.hotBackColor = RgbColor(200, 0, 0);
  r.hotBackImage = SamplePicture(GraphicClass::Bitmap);
  r.hotBackImageStyle = 1;
  r.fontColor = RgbColor(0, 200, 0);
  r.fade = false;
  r.fadeDelay = 0xFFFFFFF0U;
  r.hotTransparent = false;
  r.underLine = true;
  r.url = "http://example.com/";
  r.hotEffect = SampleEffect();
  r.hotEffect.noise = 9;
  return r;
}

template <>
FadeLabelRecord Sample() {
  FadeLabelRecord r;
  r.active = false;
  r.align = 1;
  r.autoSize = true;
  r.margin = 4;
  r.alignment = 1;
  r.backColor = kSystemColor;
  r.backImage = SamplePicture(GraphicClass::Icon);
  r.backImageStyle = 0;
  r.effect = SampleEffect();
  r.labelEffect = 0;
  r.lines = "<Title1>one\r\ntwo";
  r.quality = 0;
  r.transparent = true;
  r.fontLabels = SampleLabels();
  r.repeatCount = 3;
  r.fadeDelay = 800;
  r.layout = 0;
  r.lineDelay = 4000;
  r.cursor = -1;
  r.hint = "h";
  r.font = SampleFont("Courier New", 9);
  r.left = 1;
  r.top = 2;
  r.width = 3;
  r.height = 4;
  return r;
}

template <>
TextRecord Sample() {
  TextRecord r;
  r.align = 4;
  r.autoSize = true;
  r.margin = 6;
  r.alignment = 2;
  r.backColor = RgbColor(10, 10, 10);
  r.backImage = SamplePicture(GraphicClass::Jpeg);
  r.backImageStyle = 1;
  r.effect = SampleEffect();
  r.labelEffect = 0;
  r.text = "a\r\nb";
  r.quality = 2;
  r.rowPitch = -100;
  r.transparent = false;
  r.wordWrap = true;
  r.fontLabels = SampleLabels();
  r.cursor = -22;
  r.hint = "text hint";
  r.font = SampleFont("Georgia", 13);
  r.left = 7;
  r.top = 8;
  r.width = 9;
  r.height = 10;
  return r;
}

template <>
ScrollTextRecord Sample() {
  ScrollTextRecord r;
  r.active = false;
  r.align = 2;
  r.alignment = 0;
  r.backColor = RgbColor(1, 1, 1);
  r.backImage = SamplePicture(GraphicClass::Metafile);
  r.backImageStyle = 3;
  r.fade = false;
  r.fadeHeight = 25;
  r.font = SampleFont("Impact", 30);
  r.effect = SampleEffect();
  r.headSpace = 150;
  r.labelEffect = 0;
  r.text = "credits\r\nroll";
  r.quality = 3;
  r.rowPitch = 150;
  r.tailSpace = 5;
  r.wordWrap = true;
  r.fontLabels = SampleLabels();
  r.repeatCount = 2;
  r.repeatDelay = 65535;
  r.scrollDelay = 40000;
  r.scrollStep = -2;
  r.cursor = -19;
  r.hint = "scroll";
  r.left = 11;
  r.top = 12;
  r.width = 13;
  r.height = 14;
  return r;
}

template <>
SimpleTextRecord Sample() {
  SimpleTextRecord r;
  r.cursor = 5;
  r.hint = "s";
  r.caption = "Click me";
  r.align = 3;
  r.alignment = 2;
  r.autoSize = true;
  r.layout = 1;
  r.transparent = false;
  r.backColor = RgbColor(3, 3, 3);
  r.hotBackColor = RgbColor(4, 4, 4);
  r.font = SampleFont("Arial", 8);
  r.hotFont = SampleFont("Arial Black", 9);
  r.left = 15;
  r.top = 16;
  r.width = 17;
  r.mouseDownBackColor = RgbColor(5, 5, 5);
  r.mouseDownFont = SampleFont("Symbol", 10);
  r.height = 18;
  return r;
}

template <>
ButtonRecord Sample() {
  ButtonRecord r;
  r.cursor = -21;
  r.caption = "OK";
  r.hint = "press";
  r.font = SampleFont("Segoe UI", 12);
  r.buttonType = 3;
  r.left = 20;
  r.top = 21;
  r.width = 22;
  r.height = 23;
  return r;
}

template <>
ImageButtonRecord Sample() {
  ImageButtonRecord r;
  r.caption = "Install";
  r.mouseDownImage = SamplePicture(GraphicClass::Png);
  r.normalImage = SamplePicture(GraphicClass::Gif);
  r.mouseOverImage = SamplePicture(GraphicClass::Bitmap);
  r.mouseDownFont = SampleFont("A", 1);
  r.normalFont = SampleFont("B", 2);
  r.mouseOverFont = SampleFont("C", 3);
  r.hint = "ib";
  r.buttonStyle = 2;
  r.margin = 7;
  r.imageLayout = 5;
  r.space = -1;
  r.mouseDownSlide = false;
  r.buttonType = 1;
  r.left = 24;
  r.top = 25;
  r.width = 26;
  r.height = 27;
  return r;
}

template <>
ImageRecord Sample() {
  ImageRecord r;
  r.autoSize = true;
  r.center = true;
  r.height = 28;
  r.hint = "img";
  r.left = 29;
  r.stretch = true;
  r.top = 30;
  r.transparent = true;
  r.width = 31;
  r.pressed = true;
  r.hover = true;
  r.shownLook = kShownLookNone;  // the one value a read gives back
  r.mouseDownImage = SamplePicture(GraphicClass::Icon);
  r.normalImage = SamplePicture(GraphicClass::Png);
  r.mouseOverImage = SamplePicture(GraphicClass::Jpeg);
  return r;
}

template <>
ShapeRecord Sample() {
  ShapeRecord r;
  r.cursor = -3;
  r.hint = "shape";
  r.align = 5;
  r.fillColor = RgbColor(1, 2, 3);
  r.fillStyle = 1007;
  r.gradientColor = kSystemColor;
  r.parameter = 12;
  r.shape = 37;
  r.left = 32;
  r.top = 33;
  r.width = 34;
  r.borderWidth = 6;
  r.borderColor = RgbColor(4, 5, 6);
  r.height = 35;
  return r;
}

template <typename R>
class KindRecords : public ::testing::Test {};
using AllKindRecords = ::testing::Types<LabelRecord, LinkRecord, FadeLabelRecord, TextRecord, ScrollTextRecord,
                                        SimpleTextRecord, ButtonRecord, ImageButtonRecord, ImageRecord, ShapeRecord>;
TYPED_TEST_SUITE(KindRecords, AllKindRecords);

TYPED_TEST(KindRecords, RoundTripKeepsEveryFieldAndEveryByte) {
  const TypeParam sample = Sample<TypeParam>();
  EXPECT_FALSE(sample == TypeParam());  // the sample really differs from a new object
  ScopedRecording recording;
  const Bytes bytes = Encode([&](OutStream& out) { EXPECT_TRUE(WriteRecord(out, sample, TypeParam::kWriteCode)); });
  MemoryInStream in(bytes);
  TypeParam back;
  ASSERT_TRUE(ReadRecord(in, back, TypeParam::kReadCode));
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_TRUE(back == sample);
  EXPECT_EQ(Encode([&](OutStream& out) { WriteRecord(out, back, TypeParam::kWriteCode); }), bytes);
  EXPECT_TRUE(Recorder().boxes.empty());
}

TYPED_TEST(KindRecords, EveryTruncationFailsWithOneReport) {
  const std::set<int> nestedCodes = {1052, 1054, 1056, 1058, 1060};
  const Bytes bytes = Encode([](OutStream& out) { WriteRecord(out, Sample<TypeParam>(), TypeParam::kWriteCode); });
  bool ownCodeSeen = false;
  ASSERT_NO_FATAL_FAILURE(ExpectEveryCutFailsOnce(
      bytes,
      [](InStream& in) {
        TypeParam record;
        return ReadRecord(in, record, TypeParam::kReadCode);
      },
      [&](std::size_t length, const std::string& text) {
        const int code = CodeInText(text);
        ownCodeSeen = ownCodeSeen || code == TypeParam::kReadCode;
        EXPECT_TRUE(code == TypeParam::kReadCode || nestedCodes.count(code) == 1)
            << "cut at " << length << ": " << code;
      }));
  EXPECT_TRUE(ownCodeSeen);
}

TYPED_TEST(KindRecords, RefusedWritesFailWithOneReport) {
  const std::set<int> nestedCodes = {1051, 1053, 1055, 1057, 1059};
  const TypeParam sample = Sample<TypeParam>();
  const std::size_t size = Encode([&](OutStream& out) { WriteRecord(out, sample, TypeParam::kWriteCode); }).size();
  bool ownCodeSeen = false;
  ASSERT_NO_FATAL_FAILURE(ExpectEveryLimitFailsOnce(
      size, [&](OutStream& out) { return WriteRecord(out, sample, TypeParam::kWriteCode); },
      [&](std::size_t limit, const std::string& text) {
        const int code = CodeInText(text);
        ownCodeSeen = ownCodeSeen || code == TypeParam::kWriteCode;
        EXPECT_TRUE(code == TypeParam::kWriteCode || nestedCodes.count(code) == 1)
            << "limit " << limit << ": " << code;
      }));
  EXPECT_TRUE(ownCodeSeen);
}

TYPED_TEST(KindRecords, NewRecordMatchesTheKindTable) {
  const KindInfo* info = FindKind(TypeParam::kKind);
  ASSERT_NE(info, nullptr);
  const TypeParam fresh;
  if (info->sizeRule == KindSizeRule::Fixed) {
    EXPECT_EQ(fresh.width, info->defaultWidth);
    EXPECT_EQ(fresh.height, info->defaultHeight);
  }
  // Write and read codes are a pair: write odd, read the next number.
  EXPECT_EQ(TypeParam::kReadCode, TypeParam::kWriteCode + 1);
}

}  // namespace
}  // namespace plexara
