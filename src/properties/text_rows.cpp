// The rows of the text kinds Label, Link, Text, ScrollText and SimpleText. The anti-aliased kinds
// place the effect block between their text rows and their background rows; a Link places it twice,
// for its normal and for its hot look.
#include <algorithm>
#include <array>
#include <string>

#include "properties/effect_block.h"
#include "properties/kind_rows.h"

namespace plexara {
namespace {

using namespace kind_rows;

// A Link's normal look is its Label part.
TFxEffect& LabelEffect(const RowTarget& t) { return KindRecordOf<LabelRecord>(t).effect; }
TFxEffect& LinkHotEffect(const RowTarget& t) { return KindRecordOf<LinkRecord>(t).hotEffect; }
TFxEffect& TextEffect(const RowTarget& t) { return KindRecordOf<TextRecord>(t).effect; }
TFxEffect& ScrollTextEffect(const RowTarget& t) { return KindRecordOf<ScrollTextRecord>(t).effect; }

// The fading edges can be no taller than the object, and a band of one row would divide by zero
// when faded. The control takes the same value as its smallest height when it is made.
bool StoreFadeHeight(const RowTarget& t, std::int32_t value) {
  ScrollTextRecord& scroll = KindRecordOf<ScrollTextRecord>(t);
  return StoreIfChanged(scroll.fadeHeight, std::max(std::min(value, scroll.height), 2));
}

// Rows 1 to 7 of a Label and of a Link.
constexpr std::array<RowDef, 7> kLabelText = {{
    NameRow(),
    CaptionRow<&LabelRecord::caption>("Caption"),
    FontRow<&LabelRecord::font>("Font"),
    NumberRow<&LabelRecord::margin>("Margin", kNotNegative),
    CodeRow<&LabelRecord::alignment, kAlignments>("Alignment"),
    CodeRow<&LabelRecord::layout, kLayouts>("Layout"),
    SwitchRow<&LabelRecord::autoSize>("AutoSize"),
}};

constexpr std::array<RowDef, 1> kMoveHandle = {WindowMoveHandleRow()};

// The background after the effect block of a Label, and of a Link's normal look.
constexpr std::array<RowDef, 4> kLabelBackground = {{
    ColorRow<&LabelRecord::backColor>("BackColor", SectionIcon::Colors),
    PictureRow<&LabelRecord::backImage>("BackImage"),
    CodeRow<&LabelRecord::backImageStyle, kBackImageStyles>("BackImageStyle"),
    SwitchRow<&LabelRecord::transparent>("Transparent"),
}};

// Rows 31 to 34 of a Link, and its hot background after the hot effect block.
constexpr std::array<RowDef, 4> kLinkHotText = {{
    ColorRow<&LinkRecord::fontColor>("FontColor"),
    SwitchRow<&LinkRecord::fade>("Fade"),
    NumberRow<&LinkRecord::fadeDelay>("FadeDelay (ms)", kNotNegative),
    SwitchRow<&LinkRecord::underLine>("UnderLine"),
}};
constexpr std::array<RowDef, 4> kLinkHotBackground = {{
    ColorRow<&LinkRecord::hotBackColor>("BackColor", SectionIcon::Colors),
    PictureRow<&LinkRecord::hotBackImage>("BackImage"),
    CodeRow<&LinkRecord::hotBackImageStyle, kBackImageStyles>("BackImageStyle"),
    SwitchRow<&LinkRecord::hotTransparent>("Transparent"),
}};

constexpr std::array<RowDef, 7> kTextText = {{
    NameRow(),
    TextDialogRow<&TextRecord::text>("Text"),
    FontRow<&TextRecord::font>("Font"),
    NumberRow<&TextRecord::rowPitch>("RowPitch (%)", kInt16Range),
    SwitchRow<&TextRecord::wordWrap>("WordWrap"),
    CodeRow<&TextRecord::alignment, kAlignments>("Alignment"),
    NumberRow<&TextRecord::margin>("Margin", kNotNegative),
}};
constexpr std::array<RowDef, 4> kTextBackground = {{
    ColorRow<&TextRecord::backColor>("BackColor", SectionIcon::Colors),
    PictureRow<&TextRecord::backImage>("BackImage"),
    CodeRow<&TextRecord::backImageStyle, kBackImageStyles>("BackImageStyle"),
    SwitchRow<&TextRecord::transparent>("Transparent"),
}};

constexpr std::array<RowDef, 13> kScrollTextText = {{
    NameRow(),
    TextDialogRow<&ScrollTextRecord::text>("Text"),
    FontRow<&ScrollTextRecord::font>("Font"),
    NumberRow<&ScrollTextRecord::rowPitch>("RowPitch", kInt16Range),
    SwitchRow<&ScrollTextRecord::wordWrap>("WordWrap"),
    CodeRow<&ScrollTextRecord::alignment, kAlignments>("Alignment"),
    NumberRow<&ScrollTextRecord::repeatCount>("RepeatCount", kNotNegative),
    NumberRow<&ScrollTextRecord::repeatDelay>("RepeatDelay (ms)", kUint16Range),
    NumberRow<&ScrollTextRecord::scrollStep>("ScrollStep", {}),
    NumberRow<&ScrollTextRecord::scrollDelay>("ScrollDelay (ms)", kUint16Range),
    NumberRow<&ScrollTextRecord::headSpace>("HeadSpace", {.minimum = 0, .maximum = 150}),
    NumberRow<&ScrollTextRecord::tailSpace>("TailSpace", {.minimum = 0, .maximum = 150}),
    {.key = "FadeHeight",
     .kind = RowKind::Number,
     .effect = RowEffect::Look,
     .number = Number<&ScrollTextRecord::fadeHeight>,
     .storeNumber = StoreFadeHeight,
     .bounds = {.minimum = 2}},
}};
constexpr std::array<RowDef, 3> kScrollTextBackground = {{
    ColorRow<&ScrollTextRecord::backColor>("BackColor", SectionIcon::Colors),
    PictureRow<&ScrollTextRecord::backImage>("BackImage"),
    CodeRow<&ScrollTextRecord::backImageStyle, kBackImageStyles>("BackImageStyle"),
}};

constexpr std::array<RowDef, 12> kSimpleTextRows = {{
    NameRow(),
    CaptionRow<&SimpleTextRecord::caption>("Caption"),
    FontRow<&SimpleTextRecord::font>("Font"),
    ColorRow<&SimpleTextRecord::backColor>("BackColor"),
    FontRow<&SimpleTextRecord::hotFont>("HotFont"),
    ColorRow<&SimpleTextRecord::hotBackColor>("HotBackColor"),
    FontRow<&SimpleTextRecord::mouseDownFont>("MouseDownFont"),
    ColorRow<&SimpleTextRecord::mouseDownBackColor>("MouseDownBackColor"),
    CodeRow<&SimpleTextRecord::alignment, kAlignments>("Alignment"),
    CodeRow<&SimpleTextRecord::layout, kLayouts>("Layout"),
    SwitchRow<&SimpleTextRecord::transparent>("Transparent"),
    WindowMoveHandleRow(),
}};

}  // namespace

std::span<const RowDef> LabelRows() {
  static const auto rows =
      JoinRows(kLabelText, kMoveHandle, EffectBlock<LabelEffect>(), kLabelBackground);
  static_assert(std::tuple_size_v<decltype(rows)> == 31);
  return rows;
}

std::span<const RowDef> LinkRows() {
  // The keys of the hot look live as long as the table that points at them.
  static std::array<std::string, 27> hotKeys;
  static const auto rows = [] {
    auto joined = JoinRows(kLabelText, EffectBlock<LabelEffect>(), kLabelBackground, kLinkHotText,
                           EffectBlock<LinkHotEffect>(), kLinkHotBackground);
    static_assert(std::tuple_size_v<decltype(joined)> == kLinkHotFirstRow - 1 + hotKeys.size());
    for (std::size_t i = 0; i < hotKeys.size(); ++i) {
      RowDef& row = joined[kLinkHotFirstRow - 1 + i];
      hotKeys[i] = std::string(kHotKeyPrefix) + std::string(row.key);
      row.key = hotKeys[i];
    }
    return joined;
  }();
  return rows;
}

std::span<const RowDef> TextRows() {
  static const auto rows = JoinRows(kTextText, EffectBlock<TextEffect>(), kTextBackground);
  static_assert(std::tuple_size_v<decltype(rows)> == 30);
  return rows;
}

std::span<const RowDef> ScrollTextRows() {
  static const auto rows =
      JoinRows(kScrollTextText, EffectBlock<ScrollTextEffect>(), kScrollTextBackground);
  static_assert(std::tuple_size_v<decltype(rows)> == 35);
  return rows;
}

std::span<const RowDef> SimpleTextRows() { return kSimpleTextRows; }

}  // namespace plexara
