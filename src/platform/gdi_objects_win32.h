// Scope-based ownership of GDI handles and selections, and the project's fonts and colours in GDI
// terms. Shared by every control that paints itself.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "storage/font_data.h"

namespace plexara {

// Owns one GDI object (pen, brush, font, bitmap, region) and deletes it on scope exit.
template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

// Selects an object into a DC and puts the previous one back on scope exit, so the object is
// never deleted while selected.
class SelectIn {
 public:
  SelectIn(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectIn() { SelectObject(dc_, previous_); }
  SelectIn(const SelectIn&) = delete;
  SelectIn& operator=(const SelectIn&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A memory DC compatible with another DC (the screen when none is given), deleted on scope exit.
class MemoryDc {
 public:
  explicit MemoryDc(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {}
  ~MemoryDc() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;

  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HDC dc_;
};

// Saves the whole DC state (clip, modes, colours, selections) and restores it on scope exit.
class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDc() { RestoreDC(dc_, saved_); }
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// A memory DC with one bitmap selected into it, kept from one paint to the next and made again only
// when another size is asked for: the back buffers of windows and controls that paint often. With
// 0 bits per pixel the bitmap is compatible with the screen; with 24 or 32 it is a top-down DIB
// section whose rows (padded to 4 bytes) the caller reads and writes after GdiFlush.
class MemoryCanvas {
 public:
  explicit MemoryCanvas(int bitsPerPixel = 0) : bitsPerPixel_(bitsPerPixel) {}
  ~MemoryCanvas() { Release(); }
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;

  // Makes the bitmap width × height unless it already has that size; false when GDI cannot. The
  // pixels are unspecified after a change of size.
  bool Resize(int width, int height);
  HDC dc() const { return dc_.get(); }
  int width() const { return width_; }
  int height() const { return height_; }
  // The rows of a DIB section; null for a compatible bitmap.
  std::uint8_t* bits() const { return static_cast<std::uint8_t*>(bits_); }
  std::size_t stride() const {
    return (static_cast<std::size_t>(width_) * bitsPerPixel_ / 8 + 3) &
           ~static_cast<std::size_t>(3);
  }

 private:
  void Release();

  int bitsPerPixel_;
  MemoryDc dc_;
  GdiObject<HBITMAP> bitmap_;
  HGDIOBJ previous_ = nullptr;
  void* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

// The header of a top-down 32-bit DIB: the memory layout of Bitmap.
BITMAPINFO TopDownBitmapInfo(int width, int height);

// A stored colour as GDI takes it: a value with the top bit set names a system colour by the index
// in its low byte.
COLORREF ColorOf(ColorRef color);

// A font for the project's description at the screen's resolution; the caller deletes it.
HFONT CreateFontOf(const FontData& font);

// The font of one FontData, made on first use and made again only when asked for another.
class FontCache {
 public:
  HFONT For(const FontData& font);

 private:
  FontData key_;
  GdiObject<HFONT> font_;
};

}  // namespace plexara
