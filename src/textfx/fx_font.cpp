#include "textfx/fx_font.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "storage/bitmap.h"
#include "textfx/fx_random.h"
#include "textfx/fx_scratch.h"

namespace plexara {

namespace {

// The 8-bit working buffer the runs are drawn into at the supersampled size grows as needed and
// is given back after a run when it has grown past a few megabytes.
constexpr std::size_t kKeptWorkingBytes = 4u << 20;

// Runs are never larger than this many screen pixels a side, and a font never taller or wider
// than kMaxFontPixels: far beyond any real text, and small enough that every size, product and
// turned corner below stays well inside int whatever a file or a platform reports.
constexpr int kMaxRunSide = 1 << 24;
constexpr int kMaxFontPixels = 1 << 16;

int CeilDiv(int value, int divisor) {
  if (value <= 0) return 0;
  return static_cast<int>(std::min<long long>((value + (divisor - 1LL)) / divisor, kMaxRunSide));
}

TFxCanvasFont ScaledFont(const TFxCanvasFont& font, int scale) {
  TFxCanvasFont scaled = font;
  scaled.height = std::clamp(font.height, -kMaxFontPixels, kMaxFontPixels) * scale;
  scaled.width = std::clamp(font.width, -kMaxFontPixels, kMaxFontPixels) * scale;
  return scaled;
}

// Rounds to the nearest integer, halves away from zero, so a turned box never loses a pixel
// to a half that would round toward the centre.
int RoundNearest(double value) { return static_cast<int>(std::lround(value)); }

// Puts a canvas setting back when the scope ends, also when a step throws.
class FontRestorer {
 public:
  FontRestorer(TFxCanvas& canvas, const TFxCanvasFont& saved) : canvas_(canvas), saved_(saved) {}
  FontRestorer(const FontRestorer&) = delete;
  FontRestorer& operator=(const FontRestorer&) = delete;
  ~FontRestorer() { canvas_.SetFont(saved_); }

 private:
  TFxCanvas& canvas_;
  TFxCanvasFont saved_;
};

class BrushRestorer {
 public:
  BrushRestorer(TFxCanvas& canvas) : canvas_(canvas), saved_(canvas.BrushStyle()) {}
  BrushRestorer(const BrushRestorer&) = delete;
  BrushRestorer& operator=(const BrushRestorer&) = delete;
  ~BrushRestorer() {
    if (armed_) canvas_.SetBrushStyle(saved_);
  }
  void Arm() { armed_ = true; }

 private:
  TFxCanvas& canvas_;
  TFxBrushStyle saved_;
  bool armed_ = false;
};

}  // namespace

TFxRunLayout FxLayoutRun(TFxTextSize measured, int scale, bool italic, std::size_t length,
                         int escapement) {
  TFxRunLayout layout;
  int w = CeilDiv(measured.cx, scale);
  int h = CeilDiv(measured.cy, scale);
  if (italic && length > 0)
    w += RoundNearest(static_cast<double>(w) / static_cast<double>(length) * 0.3);
  layout.width = w;
  layout.height = h;
  if (escapement == 0) return layout;

  const double theta = escapement * std::numbers::pi / 1800.0;
  const double s = std::sin(-theta), c = std::cos(-theta);
  const double halfW = w / 2.0, halfH = h / 2.0;
  const double cornersX[4] = {-halfW, halfW, halfW, -halfW};
  const double cornersY[4] = {-halfH, -halfH, halfH, halfH};
  int xs[4], ys[4];
  for (int i = 0; i < 4; ++i) {
    xs[i] = RoundNearest(cornersX[i] * c - cornersY[i] * s);
    ys[i] = RoundNearest(cornersX[i] * s + cornersY[i] * c);
  }
  layout.width = *std::max_element(xs, xs + 4) - *std::min_element(xs, xs + 4);
  layout.height = *std::max_element(ys, ys + 4) - *std::min_element(ys, ys + 4);
  // Corner 0 is the top-left one (−w/2, −h/2); ÷ 2 of a non-negative size truncates toward zero.
  layout.originX = layout.width / 2 + xs[0];
  layout.originY = layout.height / 2 + ys[0];
  return layout;
}

TFxFont::TFxFont(GlyphRasterizer& rasterizer, TFxCanvas* canvas)
    : rasterizer_(&rasterizer), canvas_(canvas) {}

TFxRunLayout TFxFont::MeasureRun(const TFxCanvasFont& font, std::string_view text) const {
  const int scale = Scale();
  const TFxTextSize measured = rasterizer_->Measure(ScaledFont(font, scale), text);
  return FxLayoutRun(measured, scale, (font.data.style & kFontItalic) != 0, text.size(),
                     font.escapement);
}

TFxTextSize TFxFont::TextExtent(std::string_view text) const {
  if (canvas_ == nullptr) return {};
  const TFxRunLayout layout = MeasureRun(canvas_->Font(), text);
  return {layout.width, layout.height};
}

void TFxFont::BuildMask(std::string_view text) {
  if (canvas_ == nullptr) {
    mask_.SetSize(0, 0);
    return;
  }
  const TFxCanvasFont& font = canvas_->Font();
  const TFxRunLayout layout = MeasureRun(font, text);
  const int scale = Scale();
  // A run whose working buffer would outgrow the largest picture the program accepts is not
  // drawn: no line of text is that large, and one from a damaged file must not take the memory.
  const long long samplePixels =
      static_cast<long long>(layout.width) * scale * layout.height * scale;
  if (layout.width == 0 || layout.height == 0 || samplePixels > kMaxPicturePixels) {
    mask_.SetSize(0, 0);
    return;
  }
  mask_.SetSize(layout.width, layout.height);
  const int sampleWidth = layout.width * scale;
  const int sampleHeight = layout.height * scale;
  const std::size_t stride =
      (static_cast<std::size_t>(sampleWidth) + 3) & ~static_cast<std::size_t>(3);
  std::vector<std::uint8_t>& samples = FxScratch<std::uint8_t, FxScratchSlot::Samples>();
  samples.assign(stride * static_cast<std::size_t>(sampleHeight), 0);

  rasterizer_->Draw(ScaledFont(font, scale), text, layout.originX * scale, layout.originY * scale,
                    samples.data(), stride, sampleWidth, sampleHeight);
  mask_.Downsample(samples.data(), stride);
  if (samples.capacity() > kKeptWorkingBytes) std::vector<std::uint8_t>().swap(samples);
}

void TFxFont::BlendColorRgb(int x, int y, const TFxMask& mask, int opacity, TFxRgb color) {
  if (canvas_ == nullptr) return;
  blend_.BlendColor(*canvas_, x, y, mask, opacity, color);
}

void TFxFont::BlendColor(int x, int y, const TFxMask& mask, int opacity, ColorRef color) {
  if (canvas_ == nullptr) return;
  blend_.BlendColor(*canvas_, x, y, mask, opacity, canvas_->ResolveColor(color));
}

void TFxFont::BlendForeground(int x, int y, const TFxMask& mask, int opacity) {
  if (canvas_ == nullptr) return;
  blend_.BlendForeground(*canvas_, x, y, mask, opacity);
}

TFxTextSize TFxFontEx::TextExtent(std::string_view text) const {
  TFxCanvas* canvas = Canvas();
  if (canvas == nullptr) return {};
  TFxCanvasFont font = canvas->Font();
  if (effect_.angle != 0) font.escapement = effect_.angle * 10;
  const TFxRunLayout layout = MeasureRun(font, text);
  TFxTextSize extent{layout.width, layout.height};
  if (effect_.shadow.enabled) {
    extent.cx += std::abs(effect_.shadow.offsetX);
    extent.cy += std::abs(effect_.shadow.offsetY);
  }
  return extent;
}

void TFxFontEx::TextOutRun(int x, int y, std::string_view text) {
  TFxCanvas* canvas = Canvas();
  if (canvas == nullptr || text.empty()) return;
  const TFxEffect& fx = effect_;

  // 1. The font turned by Angle for the duration; put back however this ends.
  const TFxCanvasFont savedFont = canvas->Font();
  FontRestorer restoreFont(*canvas, savedFont);
  if (fx.angle != 0) {
    TFxCanvasFont rotated = savedFont;
    rotated.escapement = fx.angle * 10;
    canvas->SetFont(rotated);
  }

  // 2. Positions: the text and its shadow share the extent TextExtent measures.
  int textX = x, textY = y, shadowX = x, shadowY = y;
  if (fx.shadow.enabled) {
    textX = x + std::max(0, -static_cast<int>(fx.shadow.offsetX));
    textY = y + std::max(0, -static_cast<int>(fx.shadow.offsetY));
    shadowX = x + std::max(0, static_cast<int>(fx.shadow.offsetX));
    shadowY = y + std::max(0, static_cast<int>(fx.shadow.offsetY));
  }

  // 3. The mask and its shape effects.
  BuildMask(text);
  TFxMask& mask = Mask();
  if (fx.outline) mask.Outline();
  if (fx.spray != 0) mask.Spray(fx.spray, FxRandom());
  if (fx.horzMirror) mask.HorzMirror();
  if (fx.vertMirror) mask.VertMirror();

  // 4. The brush style, put back when a shadow changed it.
  BrushRestorer restoreBrush(*canvas);

  // 5. The shadow from a copy of the mask; the text then goes over it.
  if (fx.shadow.enabled) {
    TFxMask& shadow = shadowMask_;
    shadow = mask;
    if (fx.shadow.blur != 0) shadow.Blur(fx.shadow.blur);
    BlendColor(shadowX, shadowY, shadow, fx.alpha * fx.shadow.alpha / 100, fx.shadow.color);
    restoreBrush.Arm();
    canvas->SetBrushStyle(TFxBrushStyle::Clear);
  }

  // 6. The text's own blur.
  if (fx.blur != 0) mask.Blur(fx.blur);

  // 7. Fill and lay the text.
  const int w = mask.Width(), h = mask.Height();
  TFxBlend& blend = Blend();
  if (fx.texture.enabled && !fx.texture.picture.empty()) {
    blend.FillTexture(fx.texture.picture, fx.texture.mode, w, h, canvas->FontColor(),
                      canvas->ResolveColor(FxSystemColor(kFxColorWindowText)), MetafileRenderer());
    if (fx.noise != 0) blend.AddNoise(fx.noise, FxRandom());
    BlendForeground(textX, textY, mask, fx.alpha);
  } else if (fx.gradient.enabled) {
    blend.FillGradient(fx.gradient.style, canvas->ResolveColor(fx.gradient.startColor),
                       canvas->ResolveColor(fx.gradient.endColor), w, h);
    if (fx.noise != 0) blend.AddNoise(fx.noise, FxRandom());
    BlendForeground(textX, textY, mask, fx.alpha);
  } else if (fx.noise != 0) {
    blend.FillNoise(canvas->FontColor(), fx.noise, w, h, FxRandom());
    BlendForeground(textX, textY, mask, fx.alpha);
  } else {
    BlendColorRgb(textX, textY, mask, fx.alpha, canvas->FontColor());
  }
  // 8. The brush and the font are put back by their restorers.
}

}  // namespace plexara
