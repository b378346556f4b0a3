// Scope-based ownership of GDI handles and selections, and the project's fonts and colours in GDI
// terms. Shared by every control that paints itself.
#pragma once

#include <windows.h>

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
