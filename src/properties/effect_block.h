// The block of 19 rows that edits one text effect (angle, opacity, spray, blur, noise, mirrors,
// outline, gradient, texture and shadow) in the anti-aliased text kinds. The block is one table; a
// kind places it by naming the effect it edits (a Link places it twice: its normal and its hot
// look). Its numbers are read and stored by one routine, its choices applied by one routine and its
// four dialog rows served by one routine, each given the row's offset in the block.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "properties/property_rows.h"
#include "storage/fx_effect.h"

namespace plexara {

// Finds the effect a block edits in the selected object.
using EffectAccess = TFxEffect& (*)(const RowTarget&);

inline constexpr int kEffectBlockRows = 19;

// Offsets of the rows in the block.
enum EffectRow : int {
  kEffectAngle,
  kEffectAlpha,
  kEffectSpray,
  kEffectBlur,
  kEffectNoise,
  kEffectHorzMirror,
  kEffectVertMirror,
  kEffectOutline,
  kEffectGradientStyle,
  kEffectGradientStart,
  kEffectGradientEnd,
  kEffectTextureImage,
  kEffectTextureStyle,
  kEffectShadow,
  kEffectShadowColor,
  kEffectShadowAlpha,
  kEffectShadowBlur,
  kEffectShadowXOff,
  kEffectShadowYOff,
};

// The part of the row at `offset` that does not depend on which effect it edits: key, kind, bounds,
// pick list, cell look, editor, section icon and refresh.
RowDef EffectRowShape(int offset);

// The numbers of the block as shown, and storing a bounded one (true when the effect changed).
std::int32_t EffectNumber(const TFxEffect& effect, int offset);
bool StoreEffectNumber(TFxEffect& effect, int offset, std::int32_t value);
// The choices as shown, and applying a picked name (an unlisted name changes nothing).
std::string EffectChoiceText(const TFxEffect& effect, int offset);
bool ApplyEffectChoice(TFxEffect& effect, int offset, std::string_view text);
// The values of the dialog rows: the two gradient colours and the shadow colour, the texture.
ColorRef* EffectColor(TFxEffect& effect, int offset);
Picture* EffectPicture(TFxEffect& effect, int offset);
std::string EffectDialogText(TFxEffect& effect, int offset);

namespace effect_block_detail {

template <EffectAccess Effect, int Offset>
std::int32_t Number(const RowTarget& target) {
  return EffectNumber(Effect(target), Offset);
}
template <EffectAccess Effect, int Offset>
bool StoreNumber(const RowTarget& target, std::int32_t value) {
  return StoreEffectNumber(Effect(target), Offset, value);
}
template <EffectAccess Effect, int Offset>
std::string ShowChoice(const RowTarget& target) {
  return EffectChoiceText(Effect(target), Offset);
}
template <EffectAccess Effect, int Offset>
bool StoreChoice(const RowTarget& target, std::string_view text) {
  return ApplyEffectChoice(Effect(target), Offset, text);
}
template <EffectAccess Effect, int Offset>
std::string ShowDialog(const RowTarget& target) {
  return EffectDialogText(Effect(target), Offset);
}
template <EffectAccess Effect, int Offset>
ColorRef* Color(const RowTarget& target) {
  return EffectColor(Effect(target), Offset);
}
template <EffectAccess Effect, int Offset>
Picture* PictureOf(const RowTarget& target) {
  return EffectPicture(Effect(target), Offset);
}

template <EffectAccess Effect, int Offset>
RowDef Row() {
  RowDef row = EffectRowShape(Offset);
  switch (row.kind) {
    case RowKind::Number:
      row.number = Number<Effect, Offset>;
      row.storeNumber = StoreNumber<Effect, Offset>;
      break;
    case RowKind::Choice:
      row.show = ShowChoice<Effect, Offset>;
      row.store = StoreChoice<Effect, Offset>;
      break;
    default:
      row.show = ShowDialog<Effect, Offset>;
      if (row.editor == RowEditor::Color) row.color = Color<Effect, Offset>;
      if (row.editor == RowEditor::Picture) row.picture = PictureOf<Effect, Offset>;
      break;
  }
  return row;
}

template <EffectAccess Effect, int... Offsets>
std::array<RowDef, kEffectBlockRows> Rows(std::integer_sequence<int, Offsets...>) {
  return {Row<Effect, Offsets>()...};
}

}  // namespace effect_block_detail

// The 19 rows editing the effect that `Effect` finds.
template <EffectAccess Effect>
std::array<RowDef, kEffectBlockRows> EffectBlock() {
  return effect_block_detail::Rows<Effect>(std::make_integer_sequence<int, kEffectBlockRows>{});
}

}  // namespace plexara
