// The rows of the Button, ImageButton and Image kinds.
#include <array>

#include "properties/kind_rows.h"

namespace plexara {
namespace {

using namespace kind_rows;

constexpr std::array<std::string_view, 3> kButtonStyleNames = {"Normal", "Flat", "BorderNone"};
constexpr std::array<std::uint8_t, 3> kButtonStyleCodes = {kButtonStyleNormal, kButtonStyleFlat,
                                                           kButtonStyleBorderNone};
constexpr NamedCodes kButtonStyles{kButtonStyleNames, kButtonStyleCodes};

constexpr std::array<std::string_view, 6> kImageLayoutNames = {"Left",   "Top",    "Right",
                                                               "Bottom", "Center", "Stretch"};
constexpr std::array<std::uint8_t, 6> kImageLayoutCodes = {kImageLayoutLeft,   kImageLayoutTop,
                                                           kImageLayoutRight,  kImageLayoutBottom,
                                                           kImageLayoutCenter, kImageLayoutStretch};
constexpr NamedCodes kImageLayouts{kImageLayoutNames, kImageLayoutCodes};

// The Image's three switches shown and chosen as one style. Stretch wins over centre, centre over
// auto-size when several are stored; a choice leaves exactly what it names switched on.
struct ImageStyle {
  std::string_view name;
  bool stretch, center, autoSize;
};
constexpr std::array<ImageStyle, 4> kImageStyles = {{
    {"Normal", false, false, false},
    {"Center", false, true, false},
    {"Stretch", true, false, false},
    {"AutoSize", false, false, true},
}};

std::string ShowImageStyle(const RowTarget& t) {
  const ImageRecord& image = KindRecordOf<ImageRecord>(t);
  if (image.stretch) return "Stretch";
  if (image.center) return "Center";
  return image.autoSize ? "AutoSize" : "Normal";
}

bool StoreImageStyle(const RowTarget& t, std::string_view text) {
  ImageRecord& image = KindRecordOf<ImageRecord>(t);
  for (const ImageStyle& style : kImageStyles) {
    if (style.name != text) continue;
    const bool stretch = StoreIfChanged(image.stretch, style.stretch);
    const bool center = StoreIfChanged(image.center, style.center);
    const bool autoSize = StoreIfChanged(image.autoSize, style.autoSize);
    return stretch || center || autoSize;
  }
  return false;
}

std::vector<std::string> ImageStyleChoices(const RowTarget&) {
  std::vector<std::string> names;
  for (const ImageStyle& style : kImageStyles) names.emplace_back(style.name);
  return names;
}

constexpr std::array<RowDef, 4> kButtonRows = {{
    NameRow(),
    CaptionRow<&ButtonRecord::caption>("Caption"),
    FontRow<&ButtonRecord::font>("Font"),
    // The type only tells the page what a click means; the button looks the same.
    CodeRow<&ButtonRecord::buttonType, kButtonTypes>("ButtonType", RowEffect::None),
}};

constexpr std::array<RowDef, 14> kImageButtonRows = {{
    NameRow(),
    CaptionRow<&ImageButtonRecord::caption>("Caption"),
    FontRow<&ImageButtonRecord::normalFont>("NormalFont"),
    FontRow<&ImageButtonRecord::mouseOverFont>("MouseOverFont"),
    FontRow<&ImageButtonRecord::mouseDownFont>("MouseDownFont"),
    PictureRow<&ImageButtonRecord::normalImage>("NormalImage"),
    PictureRow<&ImageButtonRecord::mouseOverImage>("MouseOverImage"),
    PictureRow<&ImageButtonRecord::mouseDownImage>("MouseDownImage"),
    CodeRow<&ImageButtonRecord::buttonStyle, kButtonStyles>("ButtonStyle"),
    NumberRow<&ImageButtonRecord::margin>("Margin", kNotNegative),
    CodeRow<&ImageButtonRecord::imageLayout, kImageLayouts>("ImageLayout"),
    NumberRow<&ImageButtonRecord::space>("Space", {}),
    SwitchRow<&ImageButtonRecord::mouseDownSlide>("MouseDownSlide"),
    CodeRow<&ImageButtonRecord::buttonType, kButtonTypes>("ButtonType", RowEffect::None),
}};

constexpr std::array<RowDef, 7> kImageRows = {{
    NameRow(),
    PictureRow<&ImageRecord::normalImage>("NormalImage"),
    PictureRow<&ImageRecord::mouseOverImage>("MouseOverImage"),
    PictureRow<&ImageRecord::mouseDownImage>("MouseDownImage"),
    {.key = "ImageStyle",
     .kind = RowKind::Choice,
     .effect = RowEffect::Look,
     .show = ShowImageStyle,
     .store = StoreImageStyle,
     .choices = ImageStyleChoices},
    SwitchRow<&ImageRecord::transparent>("Transparent"),
    WindowMoveHandleRow(),
}};

}  // namespace

std::span<const RowDef> ButtonRows() { return kButtonRows; }
std::span<const RowDef> ImageButtonRows() { return kImageButtonRows; }
std::span<const RowDef> ImageRows() { return kImageRows; }

}  // namespace plexara
