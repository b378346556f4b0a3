// Opaque bitmaps go straight from their pixels to the DC (StretchDIBits reads the top-down BGRA
// rows as they are). Blended and keyed ones go through a premultiplied copy in a DIB section and
// GdiAlphaBlend (the gdi32 export of AlphaBlend, so no extra library is needed); a keyed pixel
// simply becomes fully transparent there. Metafiles are played into pixels by RenderMetafile at
// the size they are drawn at, so stretching them stays sharp.
#include "platform/picture_draw_win32.h"

#include "platform/gdi_objects_win32.h"
#include "storage/codecs/metafile_render.h"

namespace plexara {
namespace {

constexpr Bgra kMetafileBackground{255, 255, 255, 255};
// GDI addresses 27-bit coordinates; a wider target cannot be drawn (and its width could overflow).
constexpr long long kLargestTarget = 1LL << 27;

bool Drawable(const RECT& target) {
  const long long width = static_cast<long long>(target.right) - target.left;
  const long long height = static_cast<long long>(target.bottom) - target.top;
  return width > 0 && height > 0 && width <= kLargestTarget && height <= kLargestTarget;
}

bool SameColor(Bgra a, Bgra b) { return a.b == b.b && a.g == b.g && a.r == b.r; }

std::uint8_t Premultiplied(std::uint8_t channel, std::uint8_t alpha) {
  return static_cast<std::uint8_t>((channel * alpha + 127) / 255);
}

bool DrawOpaque(HDC dc, const Bitmap& bitmap, const RECT& target) {
  const BITMAPINFO info = TopDownBitmapInfo(bitmap.width(), bitmap.height());
  SavedDc saved(dc);
  SetStretchBltMode(dc, COLORONCOLOR);
  return StretchDIBits(dc, target.left, target.top, target.right - target.left,
                       target.bottom - target.top, 0, 0, bitmap.width(), bitmap.height(),
                       bitmap.data(), &info, DIB_RGB_COLORS, SRCCOPY) != 0;
}

bool DrawBlended(HDC dc, const Bitmap& bitmap, const RECT& target, BitmapBlend blend, Bgra key) {
  MemoryDc memory(dc);
  if (!memory) return false;
  const BITMAPINFO info = TopDownBitmapInfo(bitmap.width(), bitmap.height());
  void* bits = nullptr;
  GdiObject<HBITMAP> section(CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!section || bits == nullptr) return false;
  const Bgra* from = bitmap.data();
  Bgra* to = static_cast<Bgra*>(bits);
  const std::size_t count = static_cast<std::size_t>(bitmap.width()) * bitmap.height();
  for (std::size_t i = 0; i < count; ++i) {
    const Bgra pixel = from[i];
    if (blend == BitmapBlend::ColorKey) {
      to[i] = SameColor(pixel, key) ? Bgra{0, 0, 0, 0} : Bgra{pixel.b, pixel.g, pixel.r, 255};
    } else {
      to[i] = Bgra{Premultiplied(pixel.b, pixel.a), Premultiplied(pixel.g, pixel.a),
                   Premultiplied(pixel.r, pixel.a), pixel.a};
    }
  }
  SelectIn select(memory.get(), section.get());
  const BLENDFUNCTION function{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  return GdiAlphaBlend(dc, target.left, target.top, target.right - target.left,
                       target.bottom - target.top, memory.get(), 0, 0, bitmap.width(),
                       bitmap.height(), function) != FALSE;
}

bool DrawMetafile(HDC dc, const Picture& picture, const RECT& target, bool transparent) {
  Result<Bitmap> played =
      RenderMetafile(picture.payload(), target.right - target.left, target.bottom - target.top);
  if (!played.ok()) return false;
  return DrawBitmap(dc, played.value(), target,
                    transparent ? BitmapBlend::ColorKey : BitmapBlend::Opaque, kMetafileBackground);
}

}  // namespace

bool HasAlpha(const Bitmap& bitmap) {
  const Bgra* pixels = bitmap.data();
  const std::size_t count = static_cast<std::size_t>(bitmap.width()) * bitmap.height();
  for (std::size_t i = 0; i < count; ++i) {
    if (pixels[i].a != 255) return true;
  }
  return false;
}

bool DrawBitmap(HDC dc, const Bitmap& bitmap, const RECT& target, BitmapBlend blend, Bgra key) {
  if (bitmap.empty() || !Drawable(target)) return false;
  if (blend == BitmapBlend::Opaque) return DrawOpaque(dc, bitmap, target);
  return DrawBlended(dc, bitmap, target, blend, key);
}

bool DrawPictureStretched(HDC dc, const Picture& picture, const RECT& target,
                          const PictureDrawOptions& options) {
  if (picture.empty() || !Drawable(target)) return false;
  const DecodedPicture& decoded = picture.decoded();
  if (decoded.frames.empty()) return DrawMetafile(dc, picture, target, options.transparent);

  const Bitmap& frame = decoded.frames[options.frame % decoded.frames.size()].bitmap;
  if (frame.empty()) return false;
  if (HasAlpha(frame)) return DrawBitmap(dc, frame, target, BitmapBlend::Alpha);
  if (options.transparent) {
    return DrawBitmap(dc, frame, target, BitmapBlend::ColorKey, frame.at(0, frame.height() - 1));
  }
  return DrawBitmap(dc, frame, target, BitmapBlend::Opaque);
}

bool DrawPicture(HDC dc, const Picture& picture, int x, int y, const PictureDrawOptions& options) {
  if (picture.empty()) return false;
  if (x > kLargestTarget || y > kLargestTarget) return false;  // off every screen
  const RECT target{x, y, x + picture.width(), y + picture.height()};
  return DrawPictureStretched(dc, picture, target, options);
}

}  // namespace plexara
