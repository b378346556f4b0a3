// Drawing decoded pictures and program-made bitmaps onto a device context: at their natural size
// or stretched, opaque, alpha-blended, or with one colour left out. Used by every object and page
// that shows a picture.
//
// A picture that carries alpha (icons, most PNGs, GIFs with a transparent colour, 32-bit bitmaps
// with an alpha channel) is always blended: painting its see-through pixels would show whatever
// colour they happen to hold. "Transparent" matters for fully opaque pictures: the colour of the
// bottom-left pixel is then left unpainted, as is conventional for bitmaps; a metafile leaves out
// the white it was played onto.
#pragma once

#include <windows.h>

#include <cstddef>

#include "storage/bitmap.h"
#include "storage/picture.h"

namespace plexara {

struct PictureDrawOptions {
  bool transparent = false;
  std::size_t frame = 0;  // frame of an animated picture, counted modulo the frame count
};

// Draws the picture with its top-left corner at (x, y) in its natural size. False when there is
// nothing to draw (empty picture) or GDI could not draw it.
bool DrawPicture(HDC dc, const Picture& picture, int x, int y, const PictureDrawOptions& options = {});
// Draws the picture stretched to fill `target`; nothing for an empty target.
bool DrawPictureStretched(HDC dc, const Picture& picture, const RECT& target,
                          const PictureDrawOptions& options = {});

// How a bitmap's pixels meet what the DC already shows.
enum class BitmapBlend : std::uint8_t {
  Opaque,    // every pixel painted, alpha ignored
  Alpha,     // blended by its straight (not premultiplied) alpha
  ColorKey,  // pixels of the key colour (alpha ignored) left out, the rest painted
};

// Draws the bitmap stretched to `target` (its own size for a plain copy).
bool DrawBitmap(HDC dc, const Bitmap& bitmap, const RECT& target, BitmapBlend blend, Bgra key = {});

// True when any pixel is not fully opaque.
bool HasAlpha(const Bitmap& bitmap);

}  // namespace plexara
