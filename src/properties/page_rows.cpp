#include "properties/page_rows.h"

#include <array>

#include "properties/row_fields.h"
#include "storage/ascii_case.h"
#include "storage/packed_tree.h"

namespace plexara {
namespace {

constexpr std::uint8_t kSystemMenu = 0x01;
constexpr std::uint8_t kMinimizeBox = 0x02;

// Border style codes: none, single, sizeable, dialog, tool window, sizeable tool window.
struct BorderNames {
  std::string_view withMinimize, systemMenuOnly, noIcons;
};
constexpr std::array<BorderNames, 6> kBorderNames = {{
    {"None", "None", "None"},
    {"SingleMinimizeIcon", "Single", "SingleNoneIcon"},
    {"SizeableMinimizeIcon", "Sizeable", "SizeableNoneIcon"},
    {"Dialog", "Dialog", "Dialog"},
    {"ToolWindowMinimizeIcon", "ToolWindow", "ToolWindowNoneIcon"},
    {"SizeToolWinMinimizeIcon", "SizeToolWin", "SizeToolWinNoneIcon"},
}};

constexpr std::array<std::string_view, 11> kBorderChoices = {
    "None",           "Single",           "Sizeable",          "ToolWindow",
    "SizeToolWin",    "SingleMinimizeIcon", "SizeableMinimizeIcon", "SingleNoneIcon",
    "SizeableNoneIcon", "ToolWindowNoneIcon", "SizeToolWinNoneIcon"};

// What each offered name sets: the style, and the icons (nullopt: the icons stay).
struct BorderChoice {
  std::string_view name;
  std::uint8_t style;
  std::optional<std::uint8_t> icons;
};
constexpr std::array<BorderChoice, 11> kBorderChoiceEffects = {{
    {"None", 0, std::nullopt},
    {"Single", 1, kSystemMenu},
    {"Sizeable", 2, kSystemMenu},
    {"ToolWindow", 4, kSystemMenu},
    {"SizeToolWin", 5, kSystemMenu},
    {"SingleMinimizeIcon", 1, kSystemMenu | kMinimizeBox},
    {"SizeableMinimizeIcon", 2, kSystemMenu | kMinimizeBox},
    {"SingleNoneIcon", 1, 0},
    {"SizeableNoneIcon", 2, 0},
    {"ToolWindowNoneIcon", 4, 0},
    {"SizeToolWinNoneIcon", 5, 0},
}};

constexpr std::array<std::string_view, 4> kImageStyleNames = {"Normal", "Center", "Stretch", "Tile"};
constexpr std::array<std::uint8_t, 4> kImageStyleCodes = {0, 1, 2, 3};
constexpr NamedCodes kImageStyles{kImageStyleNames, kImageStyleCodes};

constexpr std::array<std::string_view, 9> kGradientNames = {
    "None", "TopBottom", "BottomTop", "LeftRight", "RightLeft", "MiddleTopBottom", "TopBottomMiddle",
    "MiddleLeftRight", "LeftRightMiddle"};
constexpr std::array<std::uint8_t, 9> kGradientCodes = {0, 1, 2, 3, 4, 5, 7, 6, 8};
constexpr NamedCodes kGradients{kGradientNames, kGradientCodes};

std::string ShowBorder(const RowTarget& t) { return BorderStyleName(t.page.borderStyle, t.page.borderIcons); }
bool StoreBorder(const RowTarget& t, std::string_view text) {
  const std::uint8_t style = t.page.borderStyle, icons = t.page.borderIcons;
  return ApplyBorderStyleName(text, t.page.borderStyle, t.page.borderIcons) &&
         (style != t.page.borderStyle || icons != t.page.borderIcons);
}
std::vector<std::string> BorderChoiceList(const RowTarget&) { return {kBorderChoices.begin(), kBorderChoices.end()}; }

std::string ShowIcon(const RowTarget& t) { return t.page.pageIcon.empty() ? "[Default]" : PictureMark(t.page.pageIcon); }

// Stay time and click-to-continue only mean something on a splash screen and an exit form.
bool NotTimedPage(const RowTarget& t) {
  return t.page.pageKind != static_cast<std::uint8_t>(PageKind::SplashScreen) &&
         t.page.pageKind != static_cast<std::uint8_t>(PageKind::ExitForm);
}

const std::array<RowDef, 24> kPageRows = {{
    {.key = "PageName", .kind = RowKind::Text, .show = ShowText<&PageData::pageName>, .section = SectionIcon::General},
    {.key = "Caption", .kind = RowKind::Text, .effect = RowEffect::Caption, .show = ShowText<&PageData::caption>,
     .store = StoreText<&PageData::caption>},
    {.key = "BorderStyle", .kind = RowKind::Choice, .effect = RowEffect::Layout, .show = ShowBorder,
     .store = StoreBorder, .choices = BorderChoiceList},
    {.key = "PageIcon", .kind = RowKind::Dialog, .effect = RowEffect::Frame, .show = ShowIcon,
     .editor = RowEditor::Icon, .picture = PictureField<&PageData::pageIcon>},
    {.key = "StayTime (s)", .kind = RowKind::Number, .number = Number<&PageData::stayTime>,
     .storeNumber = StoreNumber<&PageData::stayTime>, .bounds = {.minimum = 0}, .disabled = NotTimedPage},
    {.key = "ClickContinue", .kind = RowKind::Choice, .show = ShowSwitch<&PageData::clickContinue>,
     .store = StoreSwitch<&PageData::clickContinue>, .choices = FalseTrueChoices, .disabled = NotTimedPage},
    {.key = "BackColor", .kind = RowKind::Dialog, .effect = RowEffect::Background,
     .show = ShowColor<&PageData::backColor>, .look = CellLook::Color, .editor = RowEditor::Color,
     .color = ColorField<&PageData::backColor>, .section = SectionIcon::Colors},
    {.key = "BackImage", .kind = RowKind::Dialog, .effect = RowEffect::Background,
     .show = ShowPicture<&PageData::backImage>, .editor = RowEditor::Picture,
     .picture = PictureField<&PageData::backImage>},
    {.key = "BackImageStyle", .kind = RowKind::Choice, .effect = RowEffect::Background,
     .show = ShowCode<&PageData::backImageStyle, kImageStyles>,
     .store = StoreCode<&PageData::backImageStyle, kImageStyles>, .choices = CodeChoices<kImageStyles>},
    {.key = "GradientStyle", .kind = RowKind::Choice, .effect = RowEffect::Background,
     .show = ShowCode<&PageData::gradientStyle, kGradients>,
     .store = StoreCode<&PageData::gradientStyle, kGradients>, .choices = CodeChoices<kGradients>},
    {.key = "GradientColor", .kind = RowKind::Dialog, .effect = RowEffect::Background,
     .show = ShowColor<&PageData::gradientColor>, .look = CellLook::Color, .editor = RowEditor::Color,
     .color = ColorField<&PageData::gradientColor>},
    {.key = "Transparent", .kind = RowKind::Choice, .effect = RowEffect::Frame,
     .show = ShowSwitch<&PageData::transparent>, .store = StoreSwitch<&PageData::transparent>,
     .choices = FalseTrueChoices},
    {.key = "TransparentColor", .kind = RowKind::Dialog, .effect = RowEffect::Frame,
     .show = ShowColor<&PageData::transparentColor>, .look = CellLook::Color, .editor = RowEditor::Color,
     .color = ColorField<&PageData::transparentColor>},
    {.key = "Shadow", .kind = RowKind::Choice, .effect = RowEffect::Frame, .show = ShowSwitch<&PageData::shadow>,
     .store = StoreSwitch<&PageData::shadow>, .choices = FalseTrueChoices, .section = SectionIcon::Shadow},
    {.key = "ShadowColor", .kind = RowKind::Dialog, .effect = RowEffect::Frame,
     .show = ShowColor<&PageData::shadowColor>, .look = CellLook::Color, .editor = RowEditor::Color,
     .color = ColorField<&PageData::shadowColor>},
    {.key = "ShadowXOff", .kind = RowKind::Number, .effect = RowEffect::Frame, .number = Number<&PageData::shadowXOff>,
     .storeNumber = StoreNumber<&PageData::shadowXOff>},
    {.key = "ShadowYOff", .kind = RowKind::Number, .effect = RowEffect::Frame, .number = Number<&PageData::shadowYOff>,
     .storeNumber = StoreNumber<&PageData::shadowYOff>},
    {.key = "ShadowAlpha (%)", .kind = RowKind::Number, .effect = RowEffect::Frame,
     .number = Percent<&PageData::shadowAlpha>, .storeNumber = StorePercent<&PageData::shadowAlpha>,
     .bounds = {.minimum = 0, .maximum = 100}},
    {.key = "FadeIn", .kind = RowKind::Choice, .show = ShowSwitch<&PageData::fadeIn>,
     .store = StoreSwitch<&PageData::fadeIn>, .choices = FalseTrueChoices, .section = SectionIcon::Fade},
    {.key = "FadeInDelay (ms)", .kind = RowKind::Number, .number = Number<&PageData::fadeInDelay>,
     .storeNumber = StoreNumber<&PageData::fadeInDelay>, .bounds = {.minimum = 0}},
    {.key = "FadeInStep (%)", .kind = RowKind::Number, .number = Percent<&PageData::fadeInStep>,
     .storeNumber = StorePercent<&PageData::fadeInStep>, .bounds = {.minimum = 1, .maximum = 100}},
    {.key = "FadeOut", .kind = RowKind::Choice, .show = ShowSwitch<&PageData::fadeOut>,
     .store = StoreSwitch<&PageData::fadeOut>, .choices = FalseTrueChoices},
    {.key = "FadeOutDelay (ms)", .kind = RowKind::Number, .number = Number<&PageData::fadeOutDelay>,
     .storeNumber = StoreNumber<&PageData::fadeOutDelay>, .bounds = {.minimum = 0}},
    {.key = "FadeOutStep (%)", .kind = RowKind::Number, .number = Percent<&PageData::fadeOutStep>,
     .storeNumber = StorePercent<&PageData::fadeOutStep>, .bounds = {.minimum = 1, .maximum = 100}},
}};

}  // namespace

std::span<const RowDef> PageRows() { return kPageRows; }

std::string BorderStyleName(std::uint8_t borderStyle, std::uint8_t borderIcons) {
  const BorderNames& names = kBorderNames[borderStyle < kBorderNames.size() ? borderStyle : 1];
  if (!(borderIcons & kSystemMenu)) return std::string(names.noIcons);
  return std::string((borderIcons & kMinimizeBox) ? names.withMinimize : names.systemMenuOnly);
}

std::span<const std::string_view> BorderStyleChoices() { return kBorderChoices; }

bool ApplyBorderStyleName(std::string_view name, std::uint8_t& borderStyle, std::uint8_t& borderIcons) {
  for (const BorderChoice& choice : kBorderChoiceEffects) {
    if (choice.name != name) continue;
    borderStyle = choice.style;
    if (choice.icons) borderIcons = *choice.icons;
    return true;
  }
  return false;
}

std::span<const std::string_view> GradientStyleChoices() { return kGradientNames; }

PageRenameCheck CheckPageRename(const std::vector<TAutoFormInfo>& pages, std::string_view currentName,
                                std::string_view text) {
  if (text == currentName) return {PageRenameOutcome::Unchanged, {}};
  for (const TAutoFormInfo& page : pages) {
    if (SameTextIgnoringCase(page.name, text))
      return {PageRenameOutcome::Duplicate, "A page named " + std::string(text) + " already exists."};
  }
  if (!IsSafePackedName(text))
    return {PageRenameOutcome::NotAFileName,
            "\"" + std::string(text) +
                "\" can not be a page name: a page is saved as a file of that name, so it may not be empty, "
                "contain \\ / : or control characters, be . or .., end in a dot or a blank, or be a device name."};
  return {PageRenameOutcome::Rename, {}};
}

}  // namespace plexara
