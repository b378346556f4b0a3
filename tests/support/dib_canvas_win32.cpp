#include "support/dib_canvas_win32.h"

#include <algorithm>
#include <climits>

#include "platform/gdi_objects_win32.h"

namespace plexara::testing_support {

DibCanvas::DibCanvas(int width, int height, COLORREF fill) : width_(width), height_(height) {
  dc_ = CreateCompatibleDC(nullptr);
  const BITMAPINFO info = TopDownBitmapInfo(width, height);
  void* bits = nullptr;
  dib_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (dib_ == nullptr) return;
  bits_ = static_cast<const std::uint32_t*>(bits);
  previous_ = SelectObject(dc_, dib_);
  Fill(fill);
}

DibCanvas::~DibCanvas() {
  if (previous_ != nullptr) SelectObject(dc_, previous_);
  if (dib_ != nullptr) DeleteObject(dib_);
  if (dc_ != nullptr) DeleteDC(dc_);
}

void DibCanvas::Fill(COLORREF color) {
  const RECT all{0, 0, width_, height_};
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc_, &all, brush);
  DeleteObject(brush);
}

COLORREF DibCanvas::At(int x, int y) const {
  GdiFlush();
  return Pixel(x, y);
}

COLORREF DibCanvas::Pixel(int x, int y) const {
  const std::uint32_t v = bits_[static_cast<std::size_t>(y) * width_ + x];
  return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

int DibCanvas::Count(COLORREF color) const {
  GdiFlush();
  int count = 0;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) count += Pixel(x, y) == color ? 1 : 0;
  }
  return count;
}

RECT DibCanvas::BoundsOf(COLORREF color) const {
  GdiFlush();
  RECT bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (Pixel(x, y) != color) continue;
      bounds = RECT{std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                    std::max<LONG>(bounds.right, x + 1), std::max<LONG>(bounds.bottom, y + 1)};
    }
  }
  return bounds.left == INT_MAX ? RECT{} : bounds;
}

}  // namespace plexara::testing_support
