#include "platform/gdi_objects_win32.h"

#include <algorithm>
#include <cstring>

namespace plexara {
namespace {

int ScreenPixelsPerInch() {
  static const int pixelsPerInch = [] {
    HDC screen = GetDC(nullptr);
    const int value = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen != nullptr) ReleaseDC(nullptr, screen);
    return value > 0 ? value : 96;
  }();
  return pixelsPerInch;
}

}  // namespace

bool MemoryCanvas::Resize(int width, int height) {
  if (width <= 0 || height <= 0 || !dc_) return false;
  if (bitmap_ && width == width_ && height == height_) return true;
  Release();
  HBITMAP bitmap = nullptr;
  if (bitsPerPixel_ == 0) {
    HDC screen = GetDC(nullptr);
    bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
  } else {
    BITMAPINFO info = TopDownBitmapInfo(width, height);
    info.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel_);
    bitmap = CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    if (bits_ == nullptr && bitmap != nullptr) {
      DeleteObject(bitmap);
      bitmap = nullptr;
    }
  }
  if (bitmap == nullptr) {
    bits_ = nullptr;
    return false;
  }
  bitmap_.Reset(bitmap);
  previous_ = SelectObject(dc_.get(), bitmap);
  width_ = width;
  height_ = height;
  return true;
}

void MemoryCanvas::Release() {
  if (previous_ != nullptr) SelectObject(dc_.get(), previous_);
  previous_ = nullptr;
  bitmap_.Reset();
  bits_ = nullptr;
  width_ = height_ = 0;
}

BITMAPINFO TopDownBitmapInfo(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

COLORREF ColorOf(ColorRef color) {
  const auto value = static_cast<std::uint32_t>(color);
  if ((value & 0x80000000u) != 0) return GetSysColor(static_cast<int>(value & 0xFF));
  return static_cast<COLORREF>(value & 0x00FFFFFFu);
}

HFONT CreateFontOf(const FontData& font) {
  LOGFONTA logFont{};
  // A negative height asks for the character height, which is how point sizes are meant.
  logFont.lfHeight = -MulDiv(font.size, ScreenPixelsPerInch(), 72);
  logFont.lfWeight = (font.style & kFontBold) != 0 ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = (font.style & kFontItalic) != 0;
  logFont.lfUnderline = (font.style & kFontUnderline) != 0;
  logFont.lfStrikeOut = (font.style & kFontStrikeOut) != 0;
  logFont.lfCharSet = font.charset;
  logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
  logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  logFont.lfQuality = DEFAULT_QUALITY;
  logFont.lfPitchAndFamily = font.pitch;
  const std::size_t length = std::min(font.name.size(), sizeof(logFont.lfFaceName) - 1);
  std::memcpy(logFont.lfFaceName, font.name.data(), length);
  return CreateFontIndirectA(&logFont);
}

HFONT FontCache::For(const FontData& font) {
  if (!font_ || !(font == key_)) {
    font_.Reset(CreateFontOf(font));
    key_ = font;
  }
  return font_.get();
}

}  // namespace plexara
