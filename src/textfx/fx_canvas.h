// What the text effect engine needs from the surface it draws on, kept portable: the font (face,
// size, style, colour and rotation), the brush (solid or clear, and its colour), and the pixels
// under a run as 24-bit RGB rows, read before and written after the engine composes them. The
// Win32 side wraps a device context; TFxMemoryCanvas keeps the pixels in memory (off-screen
// pictures, tests, benchmarks).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "storage/font_data.h"

namespace plexara {

// One pixel of a 24-bit buffer, in the byte order of a 24-bit DIB (blue, green, red).
struct TFxRgb {
  std::uint8_t b = 0, g = 0, r = 0;
  friend bool operator==(const TFxRgb&, const TFxRgb&) = default;
};
static_assert(sizeof(TFxRgb) == 3);

// The red, green and blue of a plain ColorRef (red in the low byte).
inline constexpr TFxRgb FxRgbOf(ColorRef color) {
  return TFxRgb{static_cast<std::uint8_t>((color >> 16) & 0xFF),
                static_cast<std::uint8_t>((color >> 8) & 0xFF),
                static_cast<std::uint8_t>(color & 0xFF)};
}

// A 24-bit RGB picture laid out as a top-down 24-bit DIB: rows of width × 3 bytes padded to a
// multiple of 4, row 0 at the top.
class TFxRgbBuffer {
 public:
  TFxRgbBuffer() = default;
  TFxRgbBuffer(int width, int height) { SetSize(width, height); }

  // Resizes (negative sizes count as 0); the content is unspecified afterwards. The storage only
  // grows, so reusing one buffer for runs of changing size allocates rarely.
  void SetSize(int width, int height);
  void Fill(TFxRgb color);

  int Width() const { return width_; }
  int Height() const { return height_; }
  std::size_t Stride() const { return stride_; }  // bytes per row
  TFxRgb* Row(int y) {
    return reinterpret_cast<TFxRgb*>(bytes_.data() + static_cast<std::size_t>(y) * stride_);
  }
  const TFxRgb* Row(int y) const {
    return reinterpret_cast<const TFxRgb*>(bytes_.data() + static_cast<std::size_t>(y) * stride_);
  }
  std::uint8_t* RowBytes(int y) { return bytes_.data() + static_cast<std::size_t>(y) * stride_; }
  const std::uint8_t* RowBytes(int y) const {
    return bytes_.data() + static_cast<std::size_t>(y) * stride_;
  }
  TFxRgb& At(int x, int y) { return Row(y)[x]; }
  const TFxRgb& At(int x, int y) const { return Row(y)[x]; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::size_t stride_ = 0;
  std::vector<std::uint8_t> bytes_;
};

// The canvas font: the project's font description plus what the platform font adds.
struct TFxCanvasFont {
  FontData data;       // face, colour, size in points, style bits
  int height = 0;      // pixel height as a LOGFONT has it: negative = character height
  int width = 0;       // average character width; 0 = the face's own proportions
  int escapement = 0;  // rotation in tenths of a degree, counter-clockwise on screen
  friend bool operator==(const TFxCanvasFont&, const TFxCanvasFont&) = default;
};

// The pixel height of a font of `points` at `pixelsPerInch`: −round(points × ppi ÷ 72), as the
// platform derives a font's height from its size.
int FxFontHeight(int points, int pixelsPerInch = 96);
// The canvas font for a project font at the screen resolution.
TFxCanvasFont FxCanvasFont(const FontData& font, int pixelsPerInch = 96);

enum class TFxBrushStyle : std::uint8_t { Solid, Clear };

// System colour indices the engine asks for (values with the top bit set name them).
inline constexpr int kFxColorWindow = 5;
inline constexpr int kFxColorWindowText = 8;
inline constexpr int kFxColorBtnFace = 15;
inline constexpr ColorRef FxSystemColor(int index) {
  return static_cast<ColorRef>(0x80000000u | static_cast<std::uint32_t>(index));
}

class TFxCanvas {
 public:
  virtual ~TFxCanvas() = default;

  virtual const TFxCanvasFont& Font() const = 0;
  virtual void SetFont(const TFxCanvasFont& font) = 0;
  virtual TFxBrushStyle BrushStyle() const = 0;
  virtual void SetBrushStyle(TFxBrushStyle style) = 0;
  virtual ColorRef BrushColor() const = 0;

  // A plain RGB colour for `color`; values with the top bit set name a system colour by index.
  // The default knows the classic defaults of a few system colours; platform canvases override.
  virtual TFxRgb ResolveColor(ColorRef color) const;

  // Copies the canvas pixels of the rectangle at (x, y) of into's size into `into`. Pixels of the
  // rectangle outside the canvas are left as they are in `into`.
  virtual void ReadPixels(int x, int y, TFxRgbBuffer& into) const = 0;
  // Copies `from` onto the canvas at (x, y); what falls outside the canvas is dropped.
  virtual void WritePixels(int x, int y, const TFxRgbBuffer& from) = 0;

  TFxRgb FontColor() const { return ResolveColor(Font().data.color); }
};

// A canvas over a 24-bit buffer in memory.
class TFxMemoryCanvas final : public TFxCanvas {
 public:
  TFxMemoryCanvas() = default;
  TFxMemoryCanvas(int width, int height, TFxRgb fill = {255, 255, 255});

  TFxRgbBuffer& Pixels() { return pixels_; }
  const TFxRgbBuffer& Pixels() const { return pixels_; }
  int Width() const { return pixels_.Width(); }
  int Height() const { return pixels_.Height(); }

  const TFxCanvasFont& Font() const override { return font_; }
  void SetFont(const TFxCanvasFont& font) override { font_ = font; }
  TFxBrushStyle BrushStyle() const override { return brushStyle_; }
  void SetBrushStyle(TFxBrushStyle style) override { brushStyle_ = style; }
  ColorRef BrushColor() const override { return brushColor_; }
  void SetBrushColor(ColorRef color) { brushColor_ = color; }

  void ReadPixels(int x, int y, TFxRgbBuffer& into) const override;
  void WritePixels(int x, int y, const TFxRgbBuffer& from) override;

 private:
  TFxRgbBuffer pixels_;
  TFxCanvasFont font_ = FxCanvasFont(FontData{});
  TFxBrushStyle brushStyle_ = TFxBrushStyle::Solid;
  ColorRef brushColor_ = kColorWhite;
};

}  // namespace plexara
