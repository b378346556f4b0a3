#include "textfx/fx_canvas.h"

#include <algorithm>
#include <cstring>

namespace plexara {

void TFxRgbBuffer::SetSize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  stride_ = (static_cast<std::size_t>(width_) * 3 + 3) & ~static_cast<std::size_t>(3);
  const std::size_t needed = stride_ * static_cast<std::size_t>(height_);
  if (bytes_.size() < needed) bytes_.resize(needed);
}

void TFxRgbBuffer::Fill(TFxRgb color) {
  if (width_ == 0 || height_ == 0) return;
  TFxRgb* first = Row(0);
  std::fill(first, first + width_, color);
  for (int y = 1; y < height_; ++y)
    std::memcpy(RowBytes(y), RowBytes(0), static_cast<std::size_t>(width_) * 3);
}

int FxFontHeight(int points, int pixelsPerInch) {
  // MulDiv(points, ppi, 72): the product divided with rounding half away from zero.
  const long long product = static_cast<long long>(points) * pixelsPerInch;
  const long long rounded = product >= 0 ? (product + 36) / 72 : -((-product + 36) / 72);
  return static_cast<int>(-rounded);
}

TFxCanvasFont FxCanvasFont(const FontData& font, int pixelsPerInch) {
  TFxCanvasFont result;
  result.data = font;
  result.height = FxFontHeight(font.size, pixelsPerInch);
  return result;
}

TFxRgb TFxCanvas::ResolveColor(ColorRef color) const {
  if ((static_cast<std::uint32_t>(color) & 0x80000000u) == 0) return FxRgbOf(color);
  switch (color & 0xFF) {
    case kFxColorWindow:
      return FxRgbOf(RgbColor(255, 255, 255));
    case kFxColorBtnFace:
      return FxRgbOf(RgbColor(240, 240, 240));
    case 13:
      return FxRgbOf(RgbColor(51, 153, 255));  // highlight
    case 14:
      return FxRgbOf(RgbColor(255, 255, 255));  // highlight text
    case 17:
      return FxRgbOf(RgbColor(109, 109, 109));  // grey text
    default:
      return FxRgbOf(kColorBlack);  // window text, button text and the rest
  }
}

TFxMemoryCanvas::TFxMemoryCanvas(int width, int height, TFxRgb fill) {
  pixels_.SetSize(width, height);
  pixels_.Fill(fill);
}

namespace {

// The part of a w × h rectangle at (x, y) that lies on a canvas of cw × ch: the first column and
// row inside the rectangle and the count of columns and rows; false when nothing overlaps.
bool ClipRect(int x, int y, int w, int h, int cw, int ch, int& sx, int& sy, int& cols, int& rows) {
  const int left = std::max(x, 0), top = std::max(y, 0);
  const int right = std::min(x + w, cw), bottom = std::min(y + h, ch);
  if (left >= right || top >= bottom) return false;
  sx = left - x;
  sy = top - y;
  cols = right - left;
  rows = bottom - top;
  return true;
}

}  // namespace

void TFxMemoryCanvas::ReadPixels(int x, int y, TFxRgbBuffer& into) const {
  int sx, sy, cols, rows;
  if (!ClipRect(x, y, into.Width(), into.Height(), Width(), Height(), sx, sy, cols, rows)) return;
  for (int row = 0; row < rows; ++row) {
    std::memcpy(into.Row(sy + row) + sx, pixels_.Row(y + sy + row) + x + sx,
                static_cast<std::size_t>(cols) * 3);
  }
}

void TFxMemoryCanvas::WritePixels(int x, int y, const TFxRgbBuffer& from) {
  int sx, sy, cols, rows;
  if (!ClipRect(x, y, from.Width(), from.Height(), Width(), Height(), sx, sy, cols, rows)) return;
  for (int row = 0; row < rows; ++row) {
    std::memcpy(pixels_.Row(y + sy + row) + x + sx, from.Row(sy + row) + sx,
                static_cast<std::size_t>(cols) * 3);
  }
}

}  // namespace plexara
