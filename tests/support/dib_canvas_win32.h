// A top-down 32-bit DIB section selected into its own memory DC, for tests that let GDI draw and
// read the pixels back.
#pragma once

#include <windows.h>

#include <cstdint>

namespace plexara::testing_support {

class DibCanvas {
 public:
  DibCanvas(int width, int height, COLORREF fill);
  ~DibCanvas();
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }
  bool ok() const { return bits_ != nullptr; }

  void Fill(COLORREF color);
  // Reads after GdiFlush, so everything drawn so far is there.
  COLORREF At(int x, int y) const;
  int Count(COLORREF color) const;
  // The smallest rectangle holding every pixel of the colour; all zero when there is none.
  RECT BoundsOf(COLORREF color) const;

 private:
  COLORREF Pixel(int x, int y) const;

  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP dib_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  const std::uint32_t* bits_ = nullptr;
};

}  // namespace plexara::testing_support
