// The kind rows of the button, image, text and shape kinds as the grid builds and edits them: keys
// in their binding order, the effect block placed once or twice, bounds, stored codes and the
// choices that stand for several stored switches.
#include "properties/kind_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "properties/shared_blocks.h"
#include "storage/kind_records.h"

namespace plexara {
namespace {

using Keys = std::vector<std::string>;

const Keys kEffectKeys = {"Angle",          "Alpha (%)",     "Spray (%)",   "Blur (%)",
                          "Noise (%)",      "HorzMirror",    "VertMirror",  "Outline",
                          "GradientStyle",  "GradientStart", "GradientEnd", "TextureImage",
                          "TextureStyle",   "Shadow",        "ShadowColor", "ShadowAlpha (%)",
                          "ShadowBlur (%)", "ShadowXOff",    "ShadowYOff"};

Keys Join(std::initializer_list<Keys> parts, const std::string& prefix = {}) {
  Keys keys;
  for (const Keys& part : parts)
    for (const std::string& key : part) keys.push_back(prefix + key);
  return keys;
}

// One selected object on a page, with its sheet built as the grid builds it.
struct Selected {
  explicit Selected(ObjectKind kind) {
    ObjectData object;
    object.record = MakeKindRecord(static_cast<int>(kind));
    object.command.name = "Object1";
    page.objects.push_back(std::move(object));
    sheet = BuildRowSheet(target());
  }
  RowTarget target() { return RowTarget{page, &page.objects[0]}; }
  ObjectData& object() { return page.objects[0]; }
  template <class Record>
  Record& record() {
    return std::get<Record>(object().record);
  }
  std::optional<RowEffect> Apply(int row, std::string_view text) {
    return ApplyCellText(sheet, row, target(), text);
  }
  std::string Type(int row, std::string_view text) {
    const std::optional<NumberResult> result = ValidateNumberCell(sheet, row, target(), text);
    return result ? result->shown : "(not a number row)";
  }
  std::string Shown(int row) {
    RefreshRow(sheet, row, target());
    return sheet.Row(row)->value;
  }

  PageData page;
  RowSheet sheet;
};

TEST(KindRows, EveryKindListsItsKeysInTheBindingOrderBeforeTheVisibilityBlock) {
  const Keys labelText = {"Name", "Caption", "Font", "Margin", "Alignment", "Layout", "AutoSize"};
  const Keys background = {"BackColor", "BackImage", "BackImageStyle", "Transparent"};
  const struct {
    ObjectKind kind;
    Keys keys;
  } cases[] = {
      {ObjectKind::Button, {"Name", "Caption", "Font", "ButtonType"}},
      {ObjectKind::ImageButton,
       {"Name", "Caption", "NormalFont", "MouseOverFont", "MouseDownFont", "NormalImage",
        "MouseOverImage", "MouseDownImage", "ButtonStyle", "Margin", "ImageLayout", "Space",
        "MouseDownSlide", "ButtonType"}},
      {ObjectKind::Image,
       {"Name", "NormalImage", "MouseOverImage", "MouseDownImage", "ImageStyle", "Transparent",
        "WindowMoveHandle"}},
      {ObjectKind::Label, Join({labelText, {"WindowMoveHandle"}, kEffectKeys, background})},
      {ObjectKind::Link,
       Join({labelText, kEffectKeys, background,
             Join({{"FontColor", "Fade", "FadeDelay (ms)", "UnderLine"}, kEffectKeys, background},
                  "Hot_")})},
      {ObjectKind::FadeLabel, {}},
      {ObjectKind::Text,
       Join({{"Name", "Text", "Font", "RowPitch (%)", "WordWrap", "Alignment", "Margin"},
             kEffectKeys,
             background})},
      {ObjectKind::ScrollText, Join({{"Name", "Text", "Font", "RowPitch", "WordWrap", "Alignment",
                                      "RepeatCount", "RepeatDelay (ms)", "ScrollStep",
                                      "ScrollDelay (ms)", "HeadSpace", "TailSpace", "FadeHeight"},
                                     kEffectKeys,
                                     {"BackColor", "BackImage", "BackImageStyle"}})},
      {ObjectKind::SimpleText,
       {"Name", "Caption", "Font", "BackColor", "HotFont", "HotBackColor", "MouseDownFont",
        "MouseDownBackColor", "Alignment", "Layout", "Transparent", "WindowMoveHandle"}},
      {ObjectKind::Shape,
       {"Name", "Shape", "BorderColor", "BorderWidth", "FillColor", "FillStyle", "GradientColor",
        "Parameter", "WindowMoveHandle"}},
  };
  for (const auto& c : cases) {
    Selected selected(c.kind);
    const int count = static_cast<int>(c.keys.size());
    Keys keys;
    for (int row = 1; row <= count; ++row) keys.push_back(selected.sheet.Row(row)->key);
    EXPECT_EQ(keys, c.keys) << int(c.kind);
    EXPECT_EQ(selected.sheet.visibilityBlockRow, count + 1) << int(c.kind);
    EXPECT_EQ(selected.sheet.Row(count + 1)->key, "Visible") << int(c.kind);
  }
  EXPECT_EQ(Selected(ObjectKind::Label).sheet.visibilityBlockRow, 32);
  EXPECT_EQ(Selected(ObjectKind::Link).sheet.Row(35)->key, "Hot_Angle");
}

TEST(KindRows, SectionsStartAtTheEffectBlockItsShadowAndTheBackground) {
  const struct {
    ObjectKind kind;
    std::vector<std::pair<int, SectionIcon>> icons;
  } cases[] = {
      {ObjectKind::Label,
       {{9, SectionIcon::Effect}, {22, SectionIcon::Shadow}, {28, SectionIcon::Colors}}},
      {ObjectKind::Link,
       {{8, SectionIcon::Effect},
        {21, SectionIcon::Shadow},
        {27, SectionIcon::Colors},
        {35, SectionIcon::Effect},
        {48, SectionIcon::Shadow},
        {54, SectionIcon::Colors}}},
      {ObjectKind::ScrollText,
       {{14, SectionIcon::Effect}, {27, SectionIcon::Shadow}, {33, SectionIcon::Colors}}},
  };
  for (const auto& c : cases) {
    Selected selected(c.kind);
    int marked = 0;
    for (int row = 1; row < selected.sheet.visibilityBlockRow; ++row)
      if (selected.sheet.Row(row)->def.section != SectionIcon::None) ++marked;
    EXPECT_EQ(marked, static_cast<int>(c.icons.size())) << int(c.kind);
    for (const auto& [row, icon] : c.icons)
      EXPECT_EQ(selected.sheet.Row(row)->def.section, icon) << row;
  }
}

TEST(KindRows, NumbersAreBoundedAndTheCellShowsWhatIsStored) {
  const struct {
    ObjectKind kind;
    int row;
    const char* typed;
    const char* shown;
  } cases[] = {
      {ObjectKind::Label, 9, "400", "360"},  // Angle
      {ObjectKind::Label, 9, "-400", "-360"},
      {ObjectKind::Label, 10, "150", "100"},        // Alpha (%)
      {ObjectKind::Label, 13, "50", "50"},          // Noise (%) held as a byte
      {ObjectKind::Label, 26, "99", "20"},          // ShadowXOff
      {ObjectKind::Label, 27, "-99", "-20"},        // ShadowYOff
      {ObjectKind::Label, 4, "-5", "0"},            // Margin
      {ObjectKind::ScrollText, 11, "200", "150"},   // HeadSpace
      {ObjectKind::ScrollText, 13, "5000", "209"},  // FadeHeight: at most the height
      {ObjectKind::ScrollText, 13, "1", "2"},
      {ObjectKind::ScrollText, 8, "70000", "65535"},  // RepeatDelay (ms), a 16-bit field
      {ObjectKind::Text, 4, "-40000", "-32768"},      // RowPitch (%), likewise
      {ObjectKind::ImageButton, 12, "-7", "-7"},      // Space: any integer
      {ObjectKind::Shape, 8, "-1", "0"},              // Parameter
  };
  for (const auto& c : cases) {
    Selected selected(c.kind);
    EXPECT_EQ(selected.Type(c.row, c.typed), c.shown)
        << int(c.kind) << " row " << c.row << " " << c.typed;
    EXPECT_EQ(selected.Shown(c.row), c.shown) << int(c.kind) << " row " << c.row;
  }
  Selected label(ObjectKind::Label);
  label.Type(13, "50");
  EXPECT_EQ(label.record<LabelRecord>().effect.noise, 128);
  const std::optional<NumberResult> bad = ValidateNumberCell(label.sheet, 9, label.target(), "12a");
  ASSERT_TRUE(bad);
  EXPECT_FALSE(bad->accepted);
  EXPECT_EQ(bad->shown, "0");

  // A shorter object cuts the fading edges to its new height.
  Selected scroll(ObjectKind::ScrollText);
  scroll.record<ScrollTextRecord>().height = 40;
  EXPECT_EQ(scroll.Type(13, "60"), "40");
}

TEST(KindRows, TheLinkHotBlockEditsOnlyTheHotEffect) {
  Selected link(ObjectKind::Link);
  LinkRecord expected = link.record<LinkRecord>();
  const std::optional<NumberResult> angle = ValidateNumberCell(link.sheet, 35, link.target(), "45");
  ASSERT_TRUE(angle);
  EXPECT_EQ(angle->effect, RowEffect::Look);
  EXPECT_EQ(link.Apply(48, "False"), RowEffect::Look);    // Hot_Shadow
  EXPECT_EQ(link.Apply(47, "Stretch"), RowEffect::Look);  // Hot_TextureStyle
  expected.hotEffect.angle = 45;
  expected.hotEffect.shadow.enabled = false;
  expected.hotEffect.texture.mode = 1;
  EXPECT_EQ(link.record<LinkRecord>(), expected);
  // The normal look and the rows a Link shares with a Label edit the Link's own record.
  link.Type(8, "-30");
  link.Apply(2, "Next page");
  link.Apply(56, "Normal");  // Hot_BackImageStyle
  expected.effect.angle = -30;
  expected.caption = "Next page";
  expected.hotBackImageStyle = 3;
  EXPECT_EQ(link.record<LinkRecord>(), expected);
  EXPECT_EQ(link.sheet.Row(54)->def.color(link.target()), &link.record<LinkRecord>().hotBackColor);
  EXPECT_EQ(link.sheet.Row(17)->def.color(link.target()),
            &link.record<LinkRecord>().effect.gradient.startColor);
  EXPECT_EQ(link.sheet.Row(46)->def.picture(link.target()),
            &link.record<LinkRecord>().hotEffect.texture.picture);
}

TEST(KindRows, ChoicesListTheirNamesAndStoreTheirCodes) {
  using Read = int (*)(const KindRecord&);
  const Read fillStyle = [](const KindRecord& r) -> int {
    return std::get<ShapeRecord>(r).fillStyle;
  };
  const Read outline = [](const KindRecord& r) -> int { return std::get<ShapeRecord>(r).shape; };
  const Read layout = [](const KindRecord& r) -> int { return std::get<LabelRecord>(r).layout; };
  const struct {
    ObjectKind kind;
    int row;
    const char* picked;
    Read read;
    int stored;
  } cases[] = {
      {ObjectKind::Shape, 6, "Clear", fillStyle, 1001},
      {ObjectKind::Shape, 6, "GradientTopBottomMiddle", fillStyle, 6},
      {ObjectKind::Shape, 2, "3DFrameLowered", outline, 26},
      {ObjectKind::Shape, 2, "Polygon14", outline, 25},
      {ObjectKind::Label, 6, "Bottom", layout, 2},
      {ObjectKind::Label, 6, "Center", layout, 1},
      {ObjectKind::Label, 5, "Center",
       [](const KindRecord& r) -> int { return std::get<LabelRecord>(r).alignment; }, 2},
      {ObjectKind::Label, 30, "Tile",
       [](const KindRecord& r) -> int { return std::get<LabelRecord>(r).backImageStyle; }, 0},
      {ObjectKind::Button, 4, "Submit",
       [](const KindRecord& r) -> int { return std::get<ButtonRecord>(r).buttonType; }, 3},
      {ObjectKind::ImageButton, 9, "BorderNone",
       [](const KindRecord& r) -> int { return std::get<ImageButtonRecord>(r).buttonStyle; }, 2},
      {ObjectKind::ImageButton, 11, "Stretch",
       [](const KindRecord& r) -> int { return std::get<ImageButtonRecord>(r).imageLayout; }, 5},
  };
  for (const auto& c : cases) {
    Selected selected(c.kind);
    EXPECT_EQ(selected.Apply(c.row, c.picked), selected.sheet.Row(c.row)->def.effect) << c.picked;
    EXPECT_EQ(c.read(selected.object().record), c.stored) << c.picked;
    EXPECT_EQ(selected.Shown(c.row), c.picked);
    EXPECT_FALSE(selected.Apply(c.row, "Diagonal")) << c.picked;  // unlisted: nothing changes
    EXPECT_EQ(c.read(selected.object().record), c.stored) << c.picked;
  }
  Selected shape(ObjectKind::Shape);
  const std::vector<std::string>& shapes = shape.sheet.Row(2)->choices;
  ASSERT_EQ(shapes.size(), 38u);
  EXPECT_EQ(shapes.front(), "3DBorderLowered");
  EXPECT_EQ(shapes[12], "Rectangle");
  EXPECT_EQ(shapes.back(), "Polygon14");
  EXPECT_EQ(shape.sheet.Row(2)->value, "Rectangle");
  EXPECT_EQ(shape.sheet.Row(6)->choices.size(), 16u);
  EXPECT_EQ(Selected(ObjectKind::Label).sheet.Row(6)->choices, (Keys{"Top", "Bottom", "Center"}));
}

TEST(KindRows, GradientStyleNoneSwitchesTheGradientOffAndKeepsItsStyle) {
  Selected label(ObjectKind::Label);
  TFxGradient& gradient = label.record<LabelRecord>().effect.gradient;
  gradient.enabled = false;
  gradient.style = 3;
  EXPECT_EQ(label.Shown(17), "None");
  EXPECT_EQ(label.sheet.Row(17)->choices,
            (Keys{"None", "LeftToRight", "RightToLeft", "TopToBottom", "BottomToTop",
                  "CenterToLeftRight", "CenterToTopBottom"}));
  EXPECT_EQ(label.Apply(17, "TopToBottom"), RowEffect::Look);
  EXPECT_TRUE(gradient.enabled);
  EXPECT_EQ(gradient.style, 2);
  EXPECT_EQ(label.Shown(17), "TopToBottom");
  EXPECT_EQ(label.Apply(17, "None"), RowEffect::Look);
  EXPECT_FALSE(gradient.enabled);
  EXPECT_EQ(gradient.style, 2);
  EXPECT_FALSE(label.Apply(17, "None"));
  EXPECT_EQ(label.Apply(17, "CenterToTopBottom"), RowEffect::Look);
  EXPECT_EQ(gradient.style, 5);
  EXPECT_EQ(label.Shown(17), "CenterToTopBottom");
}

TEST(KindRows, ImageStyleIsThreeSwitchesShownAsOneChoice) {
  Selected image(ObjectKind::Image);
  ImageRecord& record = image.record<ImageRecord>();
  EXPECT_EQ(image.Apply(5, "AutoSize"), RowEffect::Look);
  EXPECT_TRUE(record.autoSize);
  EXPECT_EQ(image.Apply(5, "Center"), RowEffect::Look);
  EXPECT_FALSE(record.autoSize);
  EXPECT_TRUE(record.center);
  EXPECT_FALSE(record.stretch);
  EXPECT_EQ(image.Shown(5), "Center");
  EXPECT_FALSE(image.Apply(5, "Center"));
  // Stored switches from elsewhere: stretch shows first, then centre, then auto-size.
  record = ImageRecord{};
  record.autoSize = record.center = record.stretch = true;
  EXPECT_EQ(image.Shown(5), "Stretch");
  record.stretch = false;
  EXPECT_EQ(image.Shown(5), "Center");
  EXPECT_EQ(image.Apply(5, "Normal"), RowEffect::Look);
  EXPECT_FALSE(record.autoSize || record.center || record.stretch);
}

TEST(KindRows, TextFontColourAndPictureRowsShowTheirValuesAndReachTheirFields) {
  Selected text(ObjectKind::Text);
  TextRecord& record = text.record<TextRecord>();
  const SheetRow& textRow = *text.sheet.Row(2);
  EXPECT_EQ(textRow.value, "[Text]");
  EXPECT_EQ(textRow.def.editor, RowEditor::Text);
  EXPECT_EQ(textRow.def.text(text.target()), &record.text);
  record.text.clear();
  EXPECT_EQ(text.Shown(2), "[None]");
  const SheetRow& font = *text.sheet.Row(3);
  EXPECT_EQ(font.kind, RowKind::Dialog);
  EXPECT_EQ(font.def.look, CellLook::Font);
  EXPECT_EQ(font.def.editor, RowEditor::Font);
  EXPECT_EQ(font.def.font(text.target()), &record.font);
  EXPECT_EQ(font.value, record.font.name);
  EXPECT_EQ(font.font, record.font);
  EXPECT_EQ(text.sheet.Row(27)->value, "Btn Face");
  EXPECT_EQ(text.sheet.Row(28)->value, "[None]");

  // Name and caption apply as typed; the move handle is the common record's flag.
  Selected simple(ObjectKind::SimpleText);
  EXPECT_EQ(simple.Apply(1, "Title"), RowEffect::Name);
  EXPECT_EQ(simple.object().command.name, "Title");
  EXPECT_EQ(simple.Apply(2, "Hello"), RowEffect::Look);
  EXPECT_EQ(simple.record<SimpleTextRecord>().caption, "Hello");
  EXPECT_EQ(simple.Apply(12, "True"), RowEffect::None);
  EXPECT_TRUE(simple.object().command.windowMoveHandle);
  EXPECT_EQ(simple.sheet.Row(5)->def.font(simple.target()),
            &simple.record<SimpleTextRecord>().hotFont);
  EXPECT_EQ(simple.sheet.Row(6)->color, simple.record<SimpleTextRecord>().hotBackColor);
}

}  // namespace
}  // namespace plexara
