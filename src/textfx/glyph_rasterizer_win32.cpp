#include "textfx/glyph_rasterizer_win32.h"

#include <windows.h>

#include <algorithm>
#include <cstring>

namespace plexara {
namespace {

// A font made for one TFxCanvasFont, remade when asked for another.
class CachedFont {
 public:
  CachedFont() = default;
  CachedFont(const CachedFont&) = delete;
  CachedFont& operator=(const CachedFont&) = delete;
  ~CachedFont() { Release(); }

  HFONT For(const TFxCanvasFont& font) {
    if (handle_ != nullptr && font == key_) return handle_;
    Release();
    LOGFONTA logFont{};
    logFont.lfHeight = font.height;
    logFont.lfWidth = font.width;
    logFont.lfEscapement = font.escapement;
    logFont.lfOrientation = font.escapement;
    logFont.lfWeight = (font.data.style & kFontBold) != 0 ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = (font.data.style & kFontItalic) != 0;
    logFont.lfUnderline = (font.data.style & kFontUnderline) != 0;
    logFont.lfStrikeOut = (font.data.style & kFontStrikeOut) != 0;
    logFont.lfCharSet = font.data.charset;
    // Only outline fonts turn by any angle.
    logFont.lfOutPrecision = OUT_TT_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    // Plain coverage: the engine supersamples, GDI's smoothing would only blur the samples.
    logFont.lfQuality = NONANTIALIASED_QUALITY;
    logFont.lfPitchAndFamily = font.data.pitch;
    const std::size_t length = std::min(font.data.name.size(), sizeof(logFont.lfFaceName) - 1);
    std::memcpy(logFont.lfFaceName, font.data.name.data(), length);
    handle_ = CreateFontIndirectA(&logFont);
    key_ = font;
    return handle_;
  }

 private:
  void Release() {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = nullptr;
  }

  TFxCanvasFont key_;
  HFONT handle_ = nullptr;
};

class GdiRasterizer final : public GlyphRasterizer {
 public:
  GdiRasterizer() : dc_(CreateCompatibleDC(nullptr)) {}
  GdiRasterizer(const GdiRasterizer&) = delete;
  GdiRasterizer& operator=(const GdiRasterizer&) = delete;
  ~GdiRasterizer() override {
    if (dc_ != nullptr) {
      if (previousBitmap_ != nullptr) SelectObject(dc_, previousBitmap_);
      DeleteDC(dc_);
    }
    if (surface_ != nullptr) DeleteObject(surface_);
  }

  TFxTextSize Measure(const TFxCanvasFont& font, std::string_view text) override {
    if (dc_ == nullptr) return {};
    // Measured unturned whatever the escapement: the engine turns the box itself.
    TFxCanvasFont upright = font;
    upright.escapement = 0;
    HFONT handle = measureFont_.For(upright);
    if (handle == nullptr) return {};
    // Fonts are selected only for the call, so a cached font can be deleted when it is remade.
    const HGDIOBJ previous = SelectObject(dc_, handle);
    SIZE size{};
    const BOOL measured =
        GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
    SelectObject(dc_, previous);
    if (!measured) return {};
    return {static_cast<int>(size.cx), static_cast<int>(size.cy)};
  }

  void Draw(const TFxCanvasFont& font, std::string_view text, int x, int y, std::uint8_t* pixels,
            std::size_t stride, int width, int height) override {
    if (dc_ == nullptr || text.empty() || width <= 0 || height <= 0) return;
    if (!EnsureSurface(width, height)) return;
    HFONT handle = drawFont_.For(font);
    if (handle == nullptr) return;
    for (int row = 0; row < height; ++row)
      std::memset(bits_ + row * surfaceStride_, 0, static_cast<std::size_t>(width));
    const HGDIOBJ previous = SelectObject(dc_, handle);
    SetTextColor(dc_, RGB(255, 255, 255));  // palette entry 255: full coverage
    SetBkMode(dc_, TRANSPARENT);
    SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    // Only the rectangle handed back may be drawn; the surface can be larger.
    HRGN clip = CreateRectRgn(0, 0, width, height);
    SelectClipRgn(dc_, clip);
    DeleteObject(clip);
    TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
    SelectClipRgn(dc_, nullptr);
    SelectObject(dc_, previous);
    GdiFlush();
    for (int row = 0; row < height; ++row) {
      std::memcpy(pixels + static_cast<std::size_t>(row) * stride, bits_ + row * surfaceStride_,
                  static_cast<std::size_t>(width));
    }
  }

 private:
  // An 8-bit top-down DIB with a grey palette (entry i is grey level i), at least width × height.
  bool EnsureSurface(int width, int height) {
    if (surface_ != nullptr && width <= surfaceWidth_ && height <= surfaceHeight_) return true;
    const int newWidth = std::max(width, surfaceWidth_);
    const int newHeight = std::max(height, surfaceHeight_);
    struct {
      BITMAPINFOHEADER header;
      RGBQUAD colors[256];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = newWidth;
    info.header.biHeight = -newHeight;
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    info.header.biClrUsed = 256;
    for (int i = 0; i < 256; ++i) {
      const auto level = static_cast<BYTE>(i);
      info.colors[i] = RGBQUAD{level, level, level, 0};
    }
    void* bits = nullptr;
    HBITMAP surface = CreateDIBSection(dc_, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                       &bits, nullptr, 0);
    if (surface == nullptr || bits == nullptr) return false;
    HGDIOBJ previous = SelectObject(dc_, surface);
    if (previousBitmap_ == nullptr) previousBitmap_ = previous;
    if (surface_ != nullptr) DeleteObject(surface_);
    surface_ = surface;
    bits_ = static_cast<std::uint8_t*>(bits);
    surfaceWidth_ = newWidth;
    surfaceHeight_ = newHeight;
    surfaceStride_ = (static_cast<std::size_t>(newWidth) + 3) & ~static_cast<std::size_t>(3);
    return true;
  }

  HDC dc_;
  HGDIOBJ previousBitmap_ = nullptr;  // the DC's own bitmap, put back before it is deleted
  HBITMAP surface_ = nullptr;
  std::uint8_t* bits_ = nullptr;
  int surfaceWidth_ = 0;
  int surfaceHeight_ = 0;
  std::size_t surfaceStride_ = 0;
  CachedFont measureFont_;
  CachedFont drawFont_;
};

}  // namespace

GlyphRasterizer& GdiGlyphRasterizer() {
  static GdiRasterizer rasterizer;
  return rasterizer;
}

}  // namespace plexara
