#include "properties/effect_block.h"

#include <span>
#include <vector>

#include "properties/row_fields.h"

namespace plexara {
namespace {

constexpr std::array<std::string_view, 7> kGradientNames = {
    "None",        "LeftToRight",       "RightToLeft",      "TopToBottom",
    "BottomToTop", "CenterToLeftRight", "CenterToTopBottom"};
// Stored texture modes in list order.
constexpr std::array<std::string_view, 4> kTextureNames = {"Tile", "Stretch", "Center", "Normal"};
constexpr std::array<std::string_view, 2> kSwitchNames = {"False", "True"};

std::vector<std::string> GradientChoices(const RowTarget&) {
  return {kGradientNames.begin(), kGradientNames.end()};
}
std::vector<std::string> TextureChoices(const RowTarget&) {
  return {kTextureNames.begin(), kTextureNames.end()};
}

constexpr NumberBounds kPercent{.minimum = 0, .maximum = 100};
// The offsets are held in signed bytes and declared -20..20; a wider number would not survive.
constexpr NumberBounds kShadowOffset{.minimum = -20, .maximum = 20};

// One row of the block. Numbers and choices go through get/set; a choice's value is its index in
// `names`, so every choice of the block is the same lookup.
struct EffectRowInfo {
  std::string_view key;
  RowKind kind;
  NumberBounds bounds{};
  std::int32_t (*get)(const TFxEffect&) = nullptr;
  bool (*set)(TFxEffect&, std::int32_t) = nullptr;
  std::span<const std::string_view> names{};
  std::vector<std::string> (*choices)(const RowTarget&) = nullptr;
  RowEditor editor = RowEditor::None;
  ColorRef* (*color)(TFxEffect&) = nullptr;
  Picture* (*picture)(TFxEffect&) = nullptr;
  SectionIcon section = SectionIcon::None;
};

template <class T>
bool Put(T& field, std::int32_t value) {
  return StoreIfChanged(field, value);
}

constexpr EffectRowInfo Switch(std::string_view key, std::int32_t (*get)(const TFxEffect&),
                               bool (*set)(TFxEffect&, std::int32_t),
                               SectionIcon section = SectionIcon::None) {
  return {.key = key,
          .kind = RowKind::Choice,
          .get = get,
          .set = set,
          .names = kSwitchNames,
          .choices = FalseTrueChoices,
          .section = section};
}
constexpr EffectRowInfo Colour(std::string_view key, ColorRef* (*color)(TFxEffect&)) {
  return {.key = key, .kind = RowKind::Dialog, .editor = RowEditor::Color, .color = color};
}

constexpr std::array<EffectRowInfo, kEffectBlockRows> kEffectRows = {{
    {.key = "Angle",
     .kind = RowKind::Number,
     .bounds = {.minimum = -360, .maximum = 360},
     .get = [](const TFxEffect& e) -> std::int32_t { return e.angle; },
     .set = [](TFxEffect& e, std::int32_t v) { return Put(e.angle, v); },
     .section = SectionIcon::Effect},
    {.key = "Alpha (%)",
     .kind = RowKind::Number,
     .bounds = kPercent,
     .get = [](const TFxEffect& e) -> std::int32_t { return e.alpha; },
     .set = [](TFxEffect& e, std::int32_t v) { return Put(e.alpha, v); }},
    {.key = "Spray (%)",
     .kind = RowKind::Number,
     .bounds = kPercent,
     .get = [](const TFxEffect& e) -> std::int32_t { return e.spray; },
     .set = [](TFxEffect& e, std::int32_t v) { return Put(e.spray, v); }},
    {.key = "Blur (%)",
     .kind = RowKind::Number,
     .bounds = kPercent,
     .get = [](const TFxEffect& e) -> std::int32_t { return e.blur; },
     .set = [](TFxEffect& e, std::int32_t v) { return Put(e.blur, v); }},
    // Noise is held as a byte 0..255 and edited as a percentage.
    {.key = "Noise (%)",
     .kind = RowKind::Number,
     .bounds = kPercent,
     .get = [](const TFxEffect& e) -> std::int32_t { return PercentFromByte(e.noise); },
     .set = [](TFxEffect& e, std::int32_t v) { return Put(e.noise, ByteFromPercent(v)); }},
    Switch(
        "HorzMirror", [](const TFxEffect& e) -> std::int32_t { return e.horzMirror; },
        [](TFxEffect& e, std::int32_t v) { return StoreIfChanged(e.horzMirror, v != 0); }),
    Switch(
        "VertMirror", [](const TFxEffect& e) -> std::int32_t { return e.vertMirror; },
        [](TFxEffect& e, std::int32_t v) { return StoreIfChanged(e.vertMirror, v != 0); }),
    Switch(
        "Outline", [](const TFxEffect& e) -> std::int32_t { return e.outline; },
        [](TFxEffect& e, std::int32_t v) { return StoreIfChanged(e.outline, v != 0); }),
    // "None" is the gradient switched off; the styles follow it in code order. A switched-off
    // gradient keeps its style but shows "None".
    {.key = "GradientStyle",
     .kind = RowKind::Choice,
     .get = [](const TFxEffect& e) -> std::int32_t {
       return e.gradient.enabled ? e.gradient.style + 1 : 0;
     },
     .set =
         [](TFxEffect& e, std::int32_t v) {
           if (v == 0) return StoreIfChanged(e.gradient.enabled, false);
           const bool switched = StoreIfChanged(e.gradient.enabled, true);
           return Put(e.gradient.style, v - 1) || switched;
         },
     .names = kGradientNames,
     .choices = GradientChoices},
    Colour("GradientStart", [](TFxEffect& e) { return &e.gradient.startColor; }),
    Colour("GradientEnd", [](TFxEffect& e) { return &e.gradient.endColor; }),
    {.key = "TextureImage",
     .kind = RowKind::Dialog,
     .editor = RowEditor::Picture,
     .picture = [](TFxEffect& e) { return &e.texture.picture; }},
    {.key = "TextureStyle",
     .kind = RowKind::Choice,
     .get = [](const TFxEffect& e) -> std::int32_t { return e.texture.mode; },
     .set = [](TFxEffect& e, std::int32_t v) { return Put(e.texture.mode, v); },
     .names = kTextureNames,
     .choices = TextureChoices},
    Switch(
        "Shadow", [](const TFxEffect& e) -> std::int32_t { return e.shadow.enabled; },
        [](TFxEffect& e, std::int32_t v) { return StoreIfChanged(e.shadow.enabled, v != 0); },
        SectionIcon::Shadow),
    Colour("ShadowColor", [](TFxEffect& e) { return &e.shadow.color; }),
    {.key = "ShadowAlpha (%)",
     .kind = RowKind::Number,
     .bounds = kPercent,
     .get = [](const TFxEffect& e) -> std::int32_t { return e.shadow.alpha; },
     .set = [](TFxEffect& e, std::int32_t v) { return Put(e.shadow.alpha, v); }},
    {.key = "ShadowBlur (%)",
     .kind = RowKind::Number,
     .bounds = kPercent,
     .get = [](const TFxEffect& e) -> std::int32_t { return e.shadow.blur; },
     .set = [](TFxEffect& e, std::int32_t v) { return Put(e.shadow.blur, v); }},
    {.key = "ShadowXOff",
     .kind = RowKind::Number,
     .bounds = kShadowOffset,
     .get = [](const TFxEffect& e) -> std::int32_t { return e.shadow.offsetX; },
     .set = [](TFxEffect& e, std::int32_t v) { return Put(e.shadow.offsetX, v); }},
    {.key = "ShadowYOff",
     .kind = RowKind::Number,
     .bounds = kShadowOffset,
     .get = [](const TFxEffect& e) -> std::int32_t { return e.shadow.offsetY; },
     .set = [](TFxEffect& e, std::int32_t v) { return Put(e.shadow.offsetY, v); }},
}};

const EffectRowInfo& InfoOf(int offset) { return kEffectRows[static_cast<std::size_t>(offset)]; }

}  // namespace

RowDef EffectRowShape(int offset) {
  const EffectRowInfo& info = InfoOf(offset);
  return {.key = info.key,
          .kind = info.kind,
          .effect = RowEffect::Look,
          .bounds = info.bounds,
          .choices = info.choices,
          .look = info.editor == RowEditor::Color ? CellLook::Color : CellLook::Plain,
          .editor = info.editor,
          .section = info.section};
}

std::int32_t EffectNumber(const TFxEffect& effect, int offset) {
  const EffectRowInfo& info = InfoOf(offset);
  return info.kind == RowKind::Number ? info.get(effect) : 0;
}

bool StoreEffectNumber(TFxEffect& effect, int offset, std::int32_t value) {
  const EffectRowInfo& info = InfoOf(offset);
  if (info.kind != RowKind::Number) return false;
  return info.set(effect, ClampToBounds(value, info.bounds));
}

std::string EffectChoiceText(const TFxEffect& effect, int offset) {
  const EffectRowInfo& info = InfoOf(offset);
  if (info.kind != RowKind::Choice) return {};
  const std::int32_t index = info.get(effect);
  // A stored ordinal this editor does not know shows as nothing rather than as a wrong name.
  if (index < 0 || static_cast<std::size_t>(index) >= info.names.size()) return {};
  return std::string(info.names[static_cast<std::size_t>(index)]);
}

bool ApplyEffectChoice(TFxEffect& effect, int offset, std::string_view text) {
  const EffectRowInfo& info = InfoOf(offset);
  if (info.kind != RowKind::Choice) return false;
  for (std::size_t i = 0; i < info.names.size(); ++i)
    if (info.names[i] == text) return info.set(effect, static_cast<std::int32_t>(i));
  return false;
}

ColorRef* EffectColor(TFxEffect& effect, int offset) {
  const EffectRowInfo& info = InfoOf(offset);
  return info.color ? info.color(effect) : nullptr;
}

Picture* EffectPicture(TFxEffect& effect, int offset) {
  const EffectRowInfo& info = InfoOf(offset);
  return info.picture ? info.picture(effect) : nullptr;
}

std::string EffectDialogText(TFxEffect& effect, int offset) {
  if (const ColorRef* color = EffectColor(effect, offset)) return ColorName(*color);
  if (const Picture* picture = EffectPicture(effect, offset)) return PictureMark(*picture);
  return {};
}

}  // namespace plexara
