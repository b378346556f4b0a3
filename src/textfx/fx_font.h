// The text effect engine's front: TFxFont binds a target canvas, one mask and one blend, measures
// runs (italic widening, rotation) and builds their masks through a glyph rasteriser; TFxFontEx
// adds an effect set and draws runs with it (TextOut: mask, shape effects, shadow, blur, fill).
// Runs are strings in the system code page; their length in characters is their length in bytes.
#pragma once

#include <string_view>

#include "storage/fx_effect.h"
#include "textfx/fx_blend.h"
#include "textfx/fx_canvas.h"
#include "textfx/fx_mask.h"
#include "textfx/glyph_rasterizer.h"

namespace plexara {

// Where a run goes in its mask: the mask's size in screen pixels and the point, in screen pixels
// of the mask, where the rasteriser puts the run's top-left corner ((0, 0) unless rotated).
struct TFxRunLayout {
  int width = 0;
  int height = 0;
  int originX = 0;
  int originY = 0;
  friend bool operator==(const TFxRunLayout&, const TFxRunLayout&) = default;
};

// The mask layout of a run whose unrotated cell measures measured.cx × measured.cy at `scale`
// times the screen size: the ceiling of each ÷ scale, widened by round(w ÷ length × 0.3) when
// italic (and not empty), then turned by `escapement` tenths of a degree about its centre.
TFxRunLayout FxLayoutRun(TFxTextSize measured, int scale, bool italic, std::size_t length,
                         int escapement);

class TFxFont {
 public:
  explicit TFxFont(GlyphRasterizer& rasterizer, TFxCanvas* canvas = nullptr);
  TFxFont(const TFxFont&) = delete;
  TFxFont& operator=(const TFxFont&) = delete;
  virtual ~TFxFont() = default;

  TFxCanvas* Canvas() const { return canvas_; }
  void SetCanvas(TFxCanvas* canvas) { canvas_ = canvas; }
  TFxQuality Quality() const { return mask_.Quality(); }
  void SetQuality(TFxQuality quality) { mask_.SetQuality(quality); }
  int Scale() const { return mask_.Scale(); }
  GlyphRasterizer& Rasterizer() const { return *rasterizer_; }
  // How metafile textures are drawn (the Win32 side passes RenderMetafile); none by default.
  void SetMetafileRenderer(TFxMetafileRenderer renderer) { renderMetafile_ = renderer; }
  TFxMetafileRenderer MetafileRenderer() const { return renderMetafile_; }

  TFxMask& Mask() { return mask_; }
  const TFxMask& Mask() const { return mask_; }
  TFxBlend& Blend() { return blend_; }

  // The size of the run as the engine draws it; 0 × 0 without a canvas.
  virtual TFxTextSize TextExtent(std::string_view text) const;
  int TextWidth(std::string_view text) const { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) const { return TextExtent(text).cy; }

  // The layout of the run's mask with `font` (the canvas font, maybe rotated) at this quality.
  TFxRunLayout MeasureRun(const TFxCanvasFont& font, std::string_view text) const;

  // Renders the run with the canvas font into Mask(): drawn white on black at the supersampled
  // size and shrunk by the quality's table. Without a canvas the mask becomes 0 × 0.
  void BuildMask(std::string_view text);
  // Lays a colour (resolved by the canvas) or the blend's foreground through `mask` onto the
  // canvas at (x, y) with opacity 0…100. Nothing happens without a canvas.
  void BlendColor(int x, int y, const TFxMask& mask, int opacity, ColorRef color);
  void BlendForeground(int x, int y, const TFxMask& mask, int opacity);

 protected:
  void BlendColorRgb(int x, int y, const TFxMask& mask, int opacity, TFxRgb color);

 private:
  GlyphRasterizer* rasterizer_;
  TFxCanvas* canvas_;
  TFxMask mask_;
  TFxBlend blend_;
  TFxMetafileRenderer renderMetafile_ = nullptr;
};

class TFxFontEx : public TFxFont {
 public:
  using TFxFont::TFxFont;

  TFxEffect& Effect() { return effect_; }
  const TFxEffect& Effect() const { return effect_; }
  void SetEffect(const TFxEffect& effect) { effect_ = effect; }

  // Measured with the font rotated by Angle when Angle ≠ 0; an enabled shadow adds |OffsetX| to
  // the width and |OffsetY| to the height.
  TFxTextSize TextExtent(std::string_view text) const override;
  // Draws the run with the effect set, its top-left corner (shadow included) at (x, y).
  void TextOutRun(int x, int y, std::string_view text);
  // The same under its usual name. <windows.h> defines TextOut as a macro (TextOutA), so this
  // stays an inline forwarder: whatever the name becomes in a Win32 source, it still links.
  void TextOut(int x, int y, std::string_view text) { TextOutRun(x, y, text); }

 private:
  TFxEffect effect_;
  TFxMask shadowMask_;  // the shadow's copy of the run's mask, kept for the next run
};

}  // namespace plexara
