// Text kind records: the byte layout of each kind field by field, the older SimpleText layout, the
// ScrollText slots wider than their values, and the looks of new text objects.
#include "storage/text_records.h"

#include <gtest/gtest.h>

#include "storage/binary_fields.h"
#include "storage/primitives.h"
#include "support/record_test_helpers.h"
#include "support/stream_helpers.h"

namespace plexara {
namespace {

using testing_support::Cat;
using testing_support::FontBytes;
using testing_support::Fx;
using testing_support::I16;
using testing_support::I32;
using testing_support::Labels;
using testing_support::NamedFont;
using testing_support::Pic;
using testing_support::SamplePicture;
using testing_support::Str;
using testing_support::U8;
using testing_support::Written;
using Bytes = testing_support::Bytes;

TFxEffect EffectWithAlpha(int alpha) {
  TFxEffect effect;
  effect.alpha = static_cast<std::uint8_t>(alpha);
  return effect;
}

TFontLabels OneLabel() {
  TFontLabels labels;
  labels.Add("Title1");
  return labels;
}

LabelRecord DistinctLabel() {
  LabelRecord r;
  r.align = 5;
  r.autoSize = true;
  r.margin = 2;
  r.alignment = 2;
  r.backColor = 3;
  r.backImage = SamplePicture(GraphicClass::Png);
  r.backImageStyle = 3;
  r.layout = 1;
  r.quality = 0;
  r.transparent = false;
  r.effect = EffectWithAlpha(11);
  r.cursor = -21;
  r.caption = "cap";
  r.hint = "hin";
  r.font = NamedFont("F");
  r.left = 4;
  r.top = 5;
  r.width = 6;
  r.height = 7;
  return r;
}

Bytes LabelLookBytes(const LabelRecord& r) {
  return Cat({U8(5), U8(1), I32(2), U8(2), I32(3), Pic(r.backImage), U8(3), U8(1), U8(0), U8(0), Fx(r.effect)});
}
Bytes LabelTailBytes() {
  return Cat({I16(-21), Str("cap"), Str("hin"), FontBytes(NamedFont("F")), I32(4), I32(5), I32(6), I32(7)});
}

TEST(TextRecords, LabelAndLinkLayouts) {
  const LabelRecord label = DistinctLabel();
  EXPECT_EQ(Written(label), Cat({LabelLookBytes(label), LabelTailBytes()}));

  LinkRecord link;
  static_cast<LabelRecord&>(link) = label;
  link.hotBackColor = 8;
  link.hotBackImage = Picture();
  link.hotBackImageStyle = 1;
  link.fontColor = 9;
  link.fade = false;
  link.fadeDelay = 0x80000001U;
  link.hotTransparent = true;
  link.underLine = false;
  link.url = "u";
  link.hotEffect = EffectWithAlpha(12);
  // The hot look sits between the normal look and the tail.
  EXPECT_EQ(Written(link), Cat({LabelLookBytes(label), I32(8), Pic(Picture()), U8(1), I32(9), U8(0),
                                I32(0x80000001LL), U8(1), U8(0), Str("u"), Fx(EffectWithAlpha(12)),
                                LabelTailBytes()}));
}

TEST(TextRecords, FadeLabelAndTextLayouts) {
  FadeLabelRecord fade;
  fade.active = false;
  fade.align = 1;
  fade.autoSize = true;
  fade.margin = 2;
  fade.alignment = 0;
  fade.backColor = 3;
  fade.backImageStyle = 3;
  fade.effect = EffectWithAlpha(4);
  fade.labelEffect = 0;
  fade.lines = "a\r\nb";
  fade.quality = 2;
  fade.transparent = true;
  fade.fontLabels = OneLabel();
  fade.repeatCount = 5;
  fade.fadeDelay = 6;
  fade.layout = 2;
  fade.lineDelay = 7;
  fade.cursor = -8;
  fade.hint = "h";
  fade.font = NamedFont("F");
  fade.left = 9;
  fade.top = 10;
  fade.width = 11;
  fade.height = 12;
  EXPECT_EQ(Written(fade), Cat({U8(0), U8(1), U8(1), I32(2), U8(0), I32(3), Pic(Picture()), U8(3), Fx(fade.effect),
                                U8(0), Str("a\r\nb"), U8(2), U8(1), Labels(fade.fontLabels), I32(5), I32(6), U8(2),
                                I32(7), I16(-8), Str("h"), FontBytes(fade.font), I32(9), I32(10), I32(11),
                                I32(12)}));

  TextRecord text;
  text.align = 3;
  text.autoSize = true;
  text.margin = 2;
  text.alignment = 1;
  text.backColor = 4;
  text.backImageStyle = 0;
  text.effect = EffectWithAlpha(5);
  text.labelEffect = 0;
  text.text = "t";
  text.quality = 3;
  text.rowPitch = -100;
  text.transparent = false;
  text.wordWrap = true;
  text.fontLabels = OneLabel();
  text.cursor = 6;
  text.hint = "h";
  text.font = NamedFont("F");
  text.left = 7;
  text.top = 8;
  text.width = 9;
  text.height = 10;
  EXPECT_EQ(Written(text), Cat({U8(3), U8(1), I32(2), U8(1), I32(4), Pic(Picture()), U8(0), Fx(text.effect), U8(0),
                                Str("t"), U8(3), I16(-100), U8(0), U8(1), Labels(text.fontLabels), I16(6), Str("h"),
                                FontBytes(text.font), I32(7), I32(8), I32(9), I32(10)}));
}

ScrollTextRecord DistinctScrollText() {
  ScrollTextRecord r;
  r.active = false;
  r.align = 1;
  r.alignment = 1;
  r.backColor = 2;
  r.backImageStyle = 3;
  r.fade = false;
  r.fadeHeight = 4;
  r.font = NamedFont("F");
  r.effect = EffectWithAlpha(5);
  r.headSpace = 6;
  r.labelEffect = 0;
  r.text = "x";
  r.quality = 2;
  r.rowPitch = 150;
  r.tailSpace = 7;
  r.wordWrap = true;
  r.fontLabels = OneLabel();
  r.repeatCount = 8;
  r.repeatDelay = 40000;
  r.scrollDelay = 65535;
  r.scrollStep = -9;
  r.cursor = -10;
  r.hint = "h";
  r.left = 11;
  r.top = 12;
  r.width = 13;
  r.height = 14;
  return r;
}

TEST(TextRecords, ScrollTextLayoutAndWideSlots) {
  const ScrollTextRecord r = DistinctScrollText();
  const Bytes head = Cat({U8(0), U8(1), U8(1), I32(2), Pic(Picture()), U8(3), U8(0), I32(4), FontBytes(r.font),
                          Fx(r.effect), I32(6), U8(0), Str("x"), U8(2), I16(150), I32(7)});
  const Bytes bytes = Written(r);
  // WordWrap is a 4-byte slot written with zero filler; the delays are unsigned 16-bit values.
  EXPECT_EQ(bytes, Cat({head, I32(1), Labels(r.fontLabels), I32(8), I32(40000), I32(65535), I32(-9), I16(-10),
                        Str("h"), I32(11), I32(12), I32(13), I32(14)}));

  // Readers take the flag from the slot's first byte only, and the delays from the low 16 bits
  // (so a writer that sign-extended 40000 still gives 40000).
  Bytes changed = bytes;
  const std::size_t slot = head.size();
  changed[slot] = 0x00;
  changed[slot + 1] = changed[slot + 2] = changed[slot + 3] = 0xFF;
  const std::size_t repeatDelay = slot + 4 + Labels(r.fontLabels).size() + 4;
  changed[repeatDelay + 2] = changed[repeatDelay + 3] = 0xFF;
  MemoryInStream in(changed);
  ScrollTextRecord back;
  ASSERT_TRUE(ReadRecord(in, back, ScrollTextRecord::kReadCode));
  EXPECT_FALSE(back.wordWrap);
  EXPECT_EQ(back.repeatDelay, 40000);
  EXPECT_EQ(back.scrollDelay, 65535);
}

SimpleTextRecord DistinctSimpleText() {
  SimpleTextRecord r;
  r.cursor = -1;
  r.hint = "h";
  r.caption = "c";
  r.align = 2;
  r.alignment = 1;
  r.autoSize = true;
  r.layout = 2;
  r.transparent = false;
  r.backColor = 3;
  r.hotBackColor = 4;
  r.font = NamedFont("N");
  r.hotFont = NamedFont("H");
  r.left = 5;
  r.top = 6;
  r.width = 7;
  r.mouseDownBackColor = 8;
  r.mouseDownFont = NamedFont("D");
  r.height = 9;
  return r;
}

Bytes SimpleTextHead() {
  return Cat({I16(-1), Str("h"), Str("c"), U8(2), U8(1), U8(1), U8(2), U8(0), I32(3), I32(4),
              FontBytes(NamedFont("N")), FontBytes(NamedFont("H")), I32(5), I32(6), I32(7)});
}

TEST(TextRecords, SimpleTextLayoutWithMarker) {
  EXPECT_EQ(Written(DistinctSimpleText()),
            Cat({SimpleTextHead(), I32(-1), I32(8), FontBytes(NamedFont("D")), I32(9)}));
}

TEST(TextRecords, OlderSimpleTextTakesTheHotLookAsPressedLook) {
  const Bytes older = Cat({SimpleTextHead(), I32(80)});
  MemoryInStream in(older);
  SimpleTextRecord back;
  ASSERT_TRUE(ReadRecord(in, back, SimpleTextRecord::kReadCode));
  EXPECT_EQ(in.Remaining(), 0u);
  SimpleTextRecord expected = DistinctSimpleText();
  expected.height = 80;
  expected.mouseDownBackColor = expected.hotBackColor;
  expected.mouseDownFont = expected.hotFont;
  EXPECT_TRUE(back == expected);
  // Saved again, it takes the current layout.
  EXPECT_EQ(Written(back), Cat({SimpleTextHead(), I32(-1), I32(4), FontBytes(NamedFont("H")), I32(80)}));
}

TEST(TextRecords, NewObjectsLookAsDesigned) {
  const LabelRecord label;
  EXPECT_TRUE(label.transparent && label.autoSize);
  EXPECT_EQ(label.caption, "New Label");
  EXPECT_EQ(label.font.name, "Arial");
  EXPECT_EQ(label.font.size, 16);
  EXPECT_TRUE(label.effect.shadow.enabled && label.effect.texture.enabled);
  EXPECT_EQ(label.effect.shadow, (TFxShadow{true, 80, 70, RgbColor(68, 68, 68), 2, 2}));

  const LinkRecord link;
  EXPECT_EQ(link.caption, "New Link");
  EXPECT_TRUE(link.transparent && link.hotTransparent && link.fade);
  EXPECT_TRUE(link.hotEffect.shadow.enabled && link.hotEffect.texture.enabled);
  EXPECT_TRUE(link.url.empty());

  const ScrollTextRecord scroll;  // opaque white, scrolling
  EXPECT_EQ(scroll.backColor, kColorWhite);
  EXPECT_EQ(scroll.text, "New Scroll Text");
  EXPECT_TRUE(scroll.fontLabels.empty());
  EXPECT_EQ(scroll.backImageStyle, kBackImageTiled);
  EXPECT_EQ(scroll.alignment, kAlignmentCentre);

  const FadeLabelRecord fade;
  EXPECT_TRUE(fade.lines.empty() && !fade.autoSize);
  EXPECT_EQ(fade.effect, TFxEffect());
  EXPECT_EQ(fade.lineDelay, 3000u);

  const TextRecord text;
  EXPECT_EQ(text.text, "New Text");
  EXPECT_TRUE(text.transparent && !text.autoSize);

  const SimpleTextRecord simple;
  EXPECT_EQ(simple.hotFont.color, kColorWhite);
  EXPECT_EQ(simple.hotBackColor, RgbColor(0, 0, 255));
  EXPECT_EQ(simple.mouseDownBackColor, simple.backColor);
  EXPECT_EQ(simple.mouseDownFont, simple.font);
  EXPECT_TRUE(simple.transparent && !simple.autoSize);
}

}  // namespace
}  // namespace plexara
