#include "textfx/fx_blend.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "textfx/fx_random.h"
#include "textfx/fx_scratch.h"

namespace plexara {

namespace {

inline std::uint8_t MixChannel(int d, int c, int k) {
  // >> on a negative int is an arithmetic shift in C++20: the floor of the division by 256.
  return static_cast<std::uint8_t>((d + (((c - d) * k) >> 8)) & 0xFF);
}

inline int EffectiveOpacity(int opacity) { return std::clamp(opacity, 0, 100) * 256 / 100; }

inline std::uint8_t ClampByte(int value) {
  return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// Lays one source pixel over a target pixel by the source's alpha.
inline void Over(TFxRgb& target, const Bgra& source) {
  if (source.a == 255) {
    target = TFxRgb{source.b, source.g, source.r};
  } else if (source.a != 0) {
    const int a = source.a, inv = 255 - a;
    target.b = static_cast<std::uint8_t>((source.b * a + target.b * inv + 127) / 255);
    target.g = static_cast<std::uint8_t>((source.g * a + target.g * inv + 127) / 255);
    target.r = static_cast<std::uint8_t>((source.r * a + target.r * inv + 127) / 255);
  }
}

// Draws `picture` once with its top-left corner at (left, top), clipped to the buffer.
void DrawAt(TFxRgbBuffer& buffer, const Bitmap& picture, int left, int top) {
  const int x0 = std::max(left, 0), x1 = std::min(left + picture.width(), buffer.Width());
  const int y0 = std::max(top, 0), y1 = std::min(top + picture.height(), buffer.Height());
  for (int y = y0; y < y1; ++y) {
    TFxRgb* out = buffer.Row(y);
    const Bgra* in = picture.row(y - top) - left;
    for (int x = x0; x < x1; ++x) Over(out[x], in[x]);
  }
}

void DrawTiled(TFxRgbBuffer& buffer, const Bitmap& picture) {
  const int pw = picture.width(), ph = picture.height();
  for (int y = 0; y < buffer.Height(); ++y) {
    TFxRgb* out = buffer.Row(y);
    const Bgra* in = picture.row(y % ph);
    for (int x = 0, sx = 0; x < buffer.Width(); ++x) {
      Over(out[x], in[sx]);
      if (++sx == pw) sx = 0;
    }
  }
}

// Nearest-neighbour stretch over the whole buffer, sampling at pixel centres.
void DrawStretched(TFxRgbBuffer& buffer, const Bitmap& picture) {
  const int w = buffer.Width(), h = buffer.Height();
  const long long pw = picture.width(), ph = picture.height();
  std::vector<int>& columns = FxScratch<int, FxScratchSlot::StretchColumns>();
  columns.resize(static_cast<std::size_t>(w));
  for (int x = 0; x < w; ++x) columns[x] = static_cast<int>((2LL * x + 1) * pw / (2LL * w));
  for (int y = 0; y < h; ++y) {
    TFxRgb* out = buffer.Row(y);
    const Bgra* in = picture.row(static_cast<int>((2LL * y + 1) * ph / (2LL * h)));
    for (int x = 0; x < w; ++x) Over(out[x], in[columns[x]]);
  }
}

// One row of either blend; `colorAt(x)` gives the colour laid at pixel x. Most of a run's mask
// is empty or full ink, so those two cases skip the arithmetic.
template <typename ColorAt>
void BlendRow(TFxRgb* target, const std::uint8_t* mask, int width, int opacity, ColorAt colorAt) {
  const int scaled = EffectiveOpacity(opacity);
  for (int x = 0; x < width; ++x) {
    const int k = (mask[x] * scaled) >> 8;
    if (k == 0) continue;
    TFxRgb& d = target[x];
    const TFxRgb c = colorAt(x);
    if (k == 255) {
      d = c;
    } else {
      d.b = MixChannel(d.b, c.b, k);
      d.g = MixChannel(d.g, c.g, k);
      d.r = MixChannel(d.r, c.r, k);
    }
  }
}

}  // namespace

void FxBlendRowColor(TFxRgb* target, const std::uint8_t* mask, int width, int opacity,
                     TFxRgb color) {
  BlendRow(target, mask, width, opacity, [color](int) { return color; });
}

void FxBlendRowForeground(TFxRgb* target, const std::uint8_t* mask, int width, int opacity,
                          const TFxRgb* foreground) {
  BlendRow(target, mask, width, opacity, [foreground](int x) { return foreground[x]; });
}

bool FxGradientIsVertical(std::uint8_t style) {
  const auto s = static_cast<TGradientStyle>(style);
  return s == TGradientStyle::gsTopToBottom || s == TGradientStyle::gsBottomToTop ||
         s == TGradientStyle::gsCenterToTB;
}

void FxGradientSteps(std::uint8_t style, TFxRgb start, TFxRgb end, int n, TFxRgb* steps) {
  if (n <= 0) return;
  if (style > static_cast<std::uint8_t>(TGradientStyle::gsCenterToTB)) style = 0;
  const auto s = static_cast<TGradientStyle>(style);
  const bool centred = s == TGradientStyle::gsCenterToLR || s == TGradientStyle::gsCenterToTB;
  const bool forward = s == TGradientStyle::gsLeftToRight || s == TGradientStyle::gsTopToBottom;
  const TFxRgb first = forward ? start : end;
  const TFxRgb last = forward ? end : start;
  const int m = centred ? (n + 1) / 2 : n;
  for (int i = 0; i < m; ++i) {
    // C++ integer division truncates toward zero, as the formula asks.
    steps[i] = TFxRgb{static_cast<std::uint8_t>(first.b + i * (last.b - first.b) / m),
                      static_cast<std::uint8_t>(first.g + i * (last.g - first.g) / m),
                      static_cast<std::uint8_t>(first.r + i * (last.r - first.r) / m)};
  }
  if (centred) {
    for (int i = 0; i < m; ++i) steps[n - 1 - i] = steps[i];
  }
}

void TFxBlend::Compose(TFxCanvas& canvas, int x, int y, int width, int height) {
  composition_.SetSize(width, height);
  composition_.Fill(canvas.ResolveColor(canvas.BrushColor()));
  if (canvas.BrushStyle() != TFxBrushStyle::Solid) canvas.ReadPixels(x, y, composition_);
}

void TFxBlend::BlendColor(TFxCanvas& canvas, int x, int y, const TFxMask& mask, int opacity,
                          TFxRgb color) {
  const int w = mask.Width(), h = mask.Height();
  if (w == 0 || h == 0) return;
  Compose(canvas, x, y, w, h);
  for (int row = 0; row < h; ++row)
    FxBlendRowColor(composition_.Row(row), mask.Row(row), w, opacity, color);
  canvas.WritePixels(x, y, composition_);
}

void TFxBlend::BlendForeground(TFxCanvas& canvas, int x, int y, const TFxMask& mask, int opacity) {
  const int w = mask.Width(), h = mask.Height();
  if (foreground_.Width() != w || foreground_.Height() != h) throw EInvalidForeground();
  if (w == 0 || h == 0) return;
  Compose(canvas, x, y, w, h);
  for (int row = 0; row < h; ++row) {
    FxBlendRowForeground(composition_.Row(row), mask.Row(row), w, opacity, foreground_.Row(row));
  }
  canvas.WritePixels(x, y, composition_);
}

void TFxBlend::FillGradient(std::uint8_t style, TFxRgb start, TFxRgb end, int width, int height) {
  foreground_.SetSize(width, height);
  if (foreground_.Width() == 0 || foreground_.Height() == 0) return;
  const bool vertical = FxGradientIsVertical(style);
  std::vector<TFxRgb>& steps = FxScratch<TFxRgb, FxScratchSlot::GradientSteps>();
  steps.resize(static_cast<std::size_t>(vertical ? foreground_.Height() : foreground_.Width()));
  FxGradientSteps(style, start, end, static_cast<int>(steps.size()), steps.data());
  if (vertical) {
    for (int y = 0; y < foreground_.Height(); ++y)
      std::fill_n(foreground_.Row(y), foreground_.Width(), steps[y]);
  } else {
    for (int y = 0; y < foreground_.Height(); ++y)
      std::copy(steps.begin(), steps.end(), foreground_.Row(y));
  }
}

void TFxBlend::FillTexture(const Picture& picture, std::uint8_t mode, int width, int height,
                           TFxRgb fontColor, TFxRgb windowText,
                           TFxMetafileRenderer renderMetafile) {
  foreground_.SetSize(width, height);
  foreground_.Fill(fontColor);
  const int w = foreground_.Width(), h = foreground_.Height();
  if (w == 0 || h == 0 || picture.empty()) return;
  const auto texMode = static_cast<TTextureMode>(mode);
  const DecodedPicture& decoded = picture.decoded();
  const int pw = decoded.width, ph = decoded.height;
  if (pw <= 0 || ph <= 0) return;

  // The raster to draw: the first frame, or the metafile played at the size it is drawn at.
  Bitmap rendered;
  const Bitmap* source = nullptr;
  if (!decoded.frames.empty()) {
    source = &decoded.frames.front().bitmap;
  } else if (renderMetafile != nullptr) {
    const bool stretch = texMode == TTextureMode::tmStretched;
    auto played = renderMetafile(picture.payload(), stretch ? w : pw, stretch ? h : ph);
    if (!played.ok()) return;
    rendered = std::move(played).value();
    source = &rendered;
  }
  if (source == nullptr || source->empty()) return;

  switch (texMode) {
    case TTextureMode::tmStretched: {
      if (picture.graphicClass() == GraphicClass::Icon) {
        Bitmap square(source->width(), source->height(),
                      Bgra{windowText.b, windowText.g, windowText.r, 255});
        for (int y = 0; y < square.height(); ++y) {
          for (int x = 0; x < square.width(); ++x) {
            Bgra& d = square.at(x, y);
            TFxRgb under{d.b, d.g, d.r};
            Over(under, source->at(x, y));
            d = Bgra{under.b, under.g, under.r, 255};
          }
        }
        DrawStretched(foreground_, square);
      } else {
        DrawStretched(foreground_, *source);
      }
      break;
    }
    case TTextureMode::tmCenter:
      DrawAt(foreground_, *source, (w - source->width()) / 2, (h - source->height()) / 2);
      break;
    case TTextureMode::tmNormal:
      DrawAt(foreground_, *source, 0, 0);
      break;
    case TTextureMode::tmTiled:
    default:
      DrawTiled(foreground_, *source);
      break;
  }
}

void TFxBlend::FillNoise(TFxRgb fontColor, int noise, int width, int height, TFxRandom& random) {
  foreground_.SetSize(width, height);
  const int half = noise / 2;
  for (int y = 0; y < foreground_.Height(); ++y) {
    TFxRgb* out = foreground_.Row(y);
    for (int x = 0; x < foreground_.Width(); ++x) {
      const std::uint8_t r = ClampByte(fontColor.r + random.Next(noise) - half);
      const std::uint8_t g = ClampByte(fontColor.g + random.Next(noise) - half);
      const std::uint8_t b = ClampByte(fontColor.b + random.Next(noise) - half);
      out[x] = TFxRgb{b, g, r};
    }
  }
}

void TFxBlend::AddNoise(int noise, TFxRandom& random) {
  const int half = noise / 2;
  const int bytes = foreground_.Width() * 3;
  for (int y = 0; y < foreground_.Height(); ++y) {
    std::uint8_t* out = foreground_.RowBytes(y);
    for (int i = 0; i < bytes; ++i) out[i] = ClampByte(out[i] + random.Next(noise) - half);
  }
}

}  // namespace plexara
