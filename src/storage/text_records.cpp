// Field lists of the text kinds' records, in stream order.
#include "storage/text_records.h"

namespace plexara {
namespace {

constexpr std::string_view kBackImageStyleNames[] = {"tiled", "stretched", "centred", "normal"};
constexpr std::string_view kQualityNames[] = {"aqHigh", "aqNormal", "aqLow", "aqNone"};
constexpr std::string_view kLabelEffectNames[] = {"leOnlyALine", "leUntilNextLabel"};

// Fields 1-11 of Label and Link.
void VisitLabelLook(FieldVisitor& v, LabelRecord& r) {
  v.Enum("Align", r.align, kControlAlignNames);
  v.Bool("AutoSize", r.autoSize);
  v.Int32("Margin", r.margin);
  v.Enum("Alignment", r.alignment, kTextAlignmentNames);
  v.Color("BackColor", r.backColor);
  v.Picture("BackImage", r.backImage);
  v.Enum("BackImageStyle", r.backImageStyle, kBackImageStyleNames);
  v.Enum("Layout", r.layout, kTextLayoutNames);
  v.Enum("quality", r.quality, kQualityNames);
  v.Bool("Transparent", r.transparent);
  v.Effect("effect set", r.effect);
}

// The fields after the look(s) of Label and Link.
void VisitLabelTail(FieldVisitor& v, LabelRecord& r) {
  v.Int16("cursor", r.cursor);
  v.String("Caption", r.caption);
  v.String("Hint", r.hint);
  v.Font("Font", r.font);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

}  // namespace

TFxEffect NewTextEffect() {
  TFxEffect effect;
  effect.shadow.enabled = true;
  effect.texture.enabled = true;
  return effect;
}

FontData NewTextFont() {
  FontData font;
  font.name = "Arial";
  font.size = 16;
  return font;
}

void VisitFields(FieldVisitor& v, LabelRecord& r) {
  VisitLabelLook(v, r);
  VisitLabelTail(v, r);
}

void VisitFields(FieldVisitor& v, LinkRecord& r) {
  VisitLabelLook(v, r);
  v.Color("hot BackColor", r.hotBackColor);
  v.Picture("hot BackImage", r.hotBackImage);
  v.Enum("hot BackImageStyle", r.hotBackImageStyle, kBackImageStyleNames);
  v.Color("FontColor (hot font colour)", r.fontColor);
  v.Bool("Fade", r.fade);
  v.UInt32("FadeDelay", r.fadeDelay);
  v.Bool("hot Transparent", r.hotTransparent);
  v.Bool("UnderLine", r.underLine);
  v.String("URL", r.url);
  v.Effect("hot effect set", r.hotEffect);
  VisitLabelTail(v, r);
}

void VisitFields(FieldVisitor& v, FadeLabelRecord& r) {
  v.Bool("Active", r.active);
  v.Enum("Align", r.align, kControlAlignNames);
  v.Bool("AutoSize", r.autoSize);
  v.Int32("Margin", r.margin);
  v.Enum("Alignment", r.alignment, kTextAlignmentNames);
  v.Color("BackColor", r.backColor);
  v.Picture("BackImage", r.backImage);
  v.Enum("BackImageStyle", r.backImageStyle, kBackImageStyleNames);
  v.Effect("effect set", r.effect);
  v.Enum("label effect", r.labelEffect, kLabelEffectNames);
  v.String("lines", r.lines);
  v.Enum("quality", r.quality, kQualityNames);
  v.Bool("Transparent", r.transparent);
  v.FontLabels("font labels", r.fontLabels);
  v.Int32("RepeatCount", r.repeatCount);
  v.UInt32("FadeDelay", r.fadeDelay);
  v.Enum("Layout", r.layout, kTextLayoutNames);
  v.UInt32("LineDelay", r.lineDelay);
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.Font("Font", r.font);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

void VisitFields(FieldVisitor& v, TextRecord& r) {
  v.Enum("Align", r.align, kControlAlignNames);
  v.Bool("AutoSize", r.autoSize);
  v.Int32("Margin", r.margin);
  v.Enum("Alignment", r.alignment, kTextAlignmentNames);
  v.Color("BackColor", r.backColor);
  v.Picture("BackImage", r.backImage);
  v.Enum("BackImageStyle", r.backImageStyle, kBackImageStyleNames);
  v.Effect("effect set", r.effect);
  v.Enum("label effect", r.labelEffect, kLabelEffectNames);
  v.String("Text (lines)", r.text);
  v.Enum("quality", r.quality, kQualityNames);
  v.Int16("RowPitch", r.rowPitch);
  v.Bool("Transparent", r.transparent);
  v.Bool("WordWrap", r.wordWrap);
  v.FontLabels("font labels", r.fontLabels);
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.Font("Font", r.font);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

void VisitFields(FieldVisitor& v, ScrollTextRecord& r) {
  v.Bool("Active", r.active);
  v.Enum("Align", r.align, kControlAlignNames);
  v.Enum("Alignment", r.alignment, kTextAlignmentNames);
  v.Color("BackColor", r.backColor);
  v.Picture("BackImage", r.backImage);
  v.Enum("BackImageStyle", r.backImageStyle, kBackImageStyleNames);
  v.Bool("Fade", r.fade);
  v.Int32("FadeHeight", r.fadeHeight);
  v.Font("Font", r.font);
  v.Effect("effect set", r.effect);
  v.Int32("HeadSpace", r.headSpace);
  v.Enum("label effect", r.labelEffect, kLabelEffectNames);
  v.String("Text (lines)", r.text);
  v.Enum("quality", r.quality, kQualityNames);
  v.Int16("RowPitch", r.rowPitch);
  v.Int32("TailSpace", r.tailSpace);
  // The flag is the slot's first byte; writers zero the three filler bytes, readers ignore them.
  std::int32_t wordWrapSlot = r.wordWrap ? 1 : 0;
  v.Int32("WordWrap", wordWrapSlot);
  if (v.reading() && v.ok()) r.wordWrap = (wordWrapSlot & 0xFF) != 0;
  v.FontLabels("font labels", r.fontLabels);
  v.Int32("RepeatCount", r.repeatCount);
  UInt16In32Field(v, "RepeatDelay", r.repeatDelay);
  UInt16In32Field(v, "ScrollDelay", r.scrollDelay);
  v.Int32("ScrollStep", r.scrollStep);
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

void VisitFields(FieldVisitor& v, SimpleTextRecord& r) {
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.String("Caption", r.caption);
  v.Enum("Align", r.align, kControlAlignNames);
  v.Enum("Alignment", r.alignment, kTextAlignmentNames);
  v.Bool("AutoSize", r.autoSize);
  v.Enum("Layout", r.layout, kTextLayoutNames);
  v.Bool("Transparent", r.transparent);
  v.Color("BackColor", r.backColor);
  v.Color("HotBackColor", r.hotBackColor);
  v.Font("Font (normal)", r.font);
  v.Font("HotFont", r.hotFont);
  v.Int32("Left", r.left);
  v.Int32("Top", r.top);
  v.Int32("Width", r.width);
  std::int32_t marker = SimpleTextRecord::kMarker;
  v.Int32("marker", marker);
  if (v.reading() && v.ok() && marker != SimpleTextRecord::kMarker) {
    // An older record: the value is its height, and the hot look doubles as the pressed look.
    r.height = marker;
    r.mouseDownBackColor = r.hotBackColor;
    r.mouseDownFont = r.hotFont;
    return;
  }
  v.Color("MouseDownBackColor", r.mouseDownBackColor);
  v.Font("MouseDownFont", r.mouseDownFont);
  v.Int32("Height", r.height);
}

}  // namespace plexara
