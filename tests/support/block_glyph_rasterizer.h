// A deterministic glyph rasteriser for native tests and benchmarks: every character is a cell of
// |height| × (width or |height| ÷ 2) pixels holding a box-and-bars glyph chosen by its code (a
// space is empty), slanted when italic and with thicker strokes when bold. Turns by multiples of
// 90 degrees are exact integer maps, so renders compare byte for byte on every build; other
// angles use floating-point sine and cosine. Header-only, so the benchmarks can use it too.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "textfx/glyph_rasterizer.h"

namespace plexara::testing_support {

class BlockGlyphRasterizer final : public GlyphRasterizer {
 public:
  // The size of one character cell for the font: |height| (16 when 0) high and the font's width
  // (or half the height, rounded up) wide.
  static TFxTextSize CellSize(const TFxCanvasFont& font);

  TFxTextSize Measure(const TFxCanvasFont& font, std::string_view text) override;
  void Draw(const TFxCanvasFont& font, std::string_view text, int x, int y, std::uint8_t* pixels,
            std::size_t stride, int width, int height) override;

  int measureCalls = 0;
  int drawCalls = 0;
  TFxCanvasFont lastFont;  // the font of the last call, as the engine scaled and turned it

 private:
  TFxCanvasFont cachedFont_;                          // the font the cells below were drawn for
  std::array<std::vector<std::uint8_t>, 256> cells_;  // one cell per character code, when drawn
};

namespace block_glyph_detail {

// Whether the point (u, v) of one character cell cw × ch carries ink.
struct GlyphShape {
  int cw, ch, stroke;
  bool italic;

  bool Ink(unsigned char code, int u, int v) const {
    if (code == ' ') return false;
    const int top = ch / 4, bottom = ch - ch / 8;  // the box of the glyph in the cell
    if (v < top || v >= bottom) return false;
    if (italic) u -= (bottom - 1 - v) / 4;
    const int left = cw / 8, right = cw - cw / 8;
    if (u < left || u >= right) return false;
    const int bits = (code * 37) % 64 | 1;
    const int bw = right - left, bh = bottom - top;
    const int du = u - left, dv = v - top;
    if ((bits & 1) && du < stroke) return true;                      // left stem
    if ((bits & 2) && bw - 1 - du < stroke) return true;             // right stem
    if ((bits & 4) && dv < stroke) return true;                      // top bar
    if ((bits & 8) && bh - 1 - dv < stroke) return true;             // bottom bar
    if ((bits & 16) && std::abs(2 * dv - bh) < stroke) return true;  // middle bar
    if (bits & 32) {                                                 // diagonal
      return std::abs(du * bh - dv * bw) < stroke * std::max(bw, bh);
    }
    return false;
  }
};

inline GlyphShape ShapeFor(const TFxCanvasFont& font) {
  const TFxTextSize cell = BlockGlyphRasterizer::CellSize(font);
  const int stroke = std::max(1, cell.cy / ((font.data.style & kFontBold) != 0 ? 5 : 8));
  return GlyphShape{cell.cx, cell.cy, stroke, (font.data.style & kFontItalic) != 0};
}

}  // namespace block_glyph_detail

inline TFxTextSize BlockGlyphRasterizer::CellSize(const TFxCanvasFont& font) {
  const int ch = font.height == 0 ? 16 : std::abs(font.height);
  const int cw = font.width > 0 ? font.width : (ch + 1) / 2;
  return {cw, ch};
}

inline TFxTextSize BlockGlyphRasterizer::Measure(const TFxCanvasFont& font, std::string_view text) {
  ++measureCalls;
  lastFont = font;
  const TFxTextSize cell = CellSize(font);
  return {cell.cx * static_cast<int>(text.size()), cell.cy};
}

inline void BlockGlyphRasterizer::Draw(const TFxCanvasFont& font, std::string_view text, int x,
                                       int y, std::uint8_t* pixels, std::size_t stride, int width,
                                       int height) {
  ++drawCalls;
  lastFont = font;
  const block_glyph_detail::GlyphShape shape = block_glyph_detail::ShapeFor(font);
  const int runWidth = shape.cw * static_cast<int>(text.size());
  const auto inkAt = [&](int u, int v) {
    if (u < 0 || v < 0 || u >= runWidth || v >= shape.ch) return false;
    return shape.Ink(static_cast<unsigned char>(text[static_cast<std::size_t>(u / shape.cw)]),
                     u % shape.cw, v);
  };

  int turn = ((font.escapement % 3600) + 3600) % 3600;
  if (turn == 0) {
    // Unrotated: each character's cell is drawn once per font and then copied row by row, the
    // way a platform rasteriser keeps its glyph bitmaps.
    if (!(cachedFont_ == font)) {
      for (auto& cell : cells_) cell.clear();
      cachedFont_ = font;
    }
    const std::size_t cellBytes = static_cast<std::size_t>(shape.cw) * shape.ch;
    for (const char ch : text) {
      std::vector<std::uint8_t>& cell = cells_[static_cast<unsigned char>(ch)];
      if (!cell.empty()) continue;
      cell.resize(cellBytes);
      for (int v = 0; v < shape.ch; ++v) {
        for (int u = 0; u < shape.cw; ++u) {
          cell[v * shape.cw + u] = shape.Ink(static_cast<unsigned char>(ch), u, v) ? 255 : 0;
        }
      }
    }
    const int v0 = std::max(0, -y), v1 = std::min(shape.ch, height - y);
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
      const int left = x + i * shape.cw;
      const int u0 = std::max(0, -left), u1 = std::min(shape.cw, width - left);
      if (u0 >= u1) continue;
      const std::uint8_t* cell = cells_[static_cast<unsigned char>(text[i])].data();
      for (int v = v0; v < v1; ++v) {
        std::uint8_t* row = pixels + static_cast<std::size_t>(y + v) * stride + left;
        for (int u = u0; u < u1; ++u) row[u] |= cell[v * shape.cw + u];
      }
    }
    return;
  }
  // Turned: each target pixel centre maps back into the run (counter-clockwise on screen).
  double c, s;
  if (turn % 900 == 0) {
    static constexpr int kCos[4] = {1, 0, -1, 0}, kSin[4] = {0, 1, 0, -1};
    c = kCos[turn / 900];
    s = kSin[turn / 900];
  } else {
    const double theta = turn * std::numbers::pi / 1800.0;
    c = std::cos(theta);
    s = std::sin(theta);
  }
  for (int py = 0; py < height; ++py) {
    std::uint8_t* row = pixels + static_cast<std::size_t>(py) * stride;
    const double dy = py - y + 0.5;
    for (int px = 0; px < width; ++px) {
      const double dx = px - x + 0.5;
      const int u = static_cast<int>(std::floor(dx * c - dy * s));
      const int v = static_cast<int>(std::floor(dx * s + dy * c));
      if (inkAt(u, v)) row[px] = 255;
    }
  }
}

}  // namespace plexara::testing_support
