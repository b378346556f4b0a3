// GDI painting of the Shape kind and the GDI form of GradientFill, which the Shape and the custom
// hint window share. The geometry comes from shape_geometry.h and the gradient colours from
// storage/gradient.h; this file only turns them into pens, brushes, paths and lines.
#pragma once

#include <windows.h>

#include "storage/bitmap.h"
#include "storage/shape_record.h"

namespace plexara {

// The plain colour of a stored colour value; values with the top bit set name a system colour,
// taken from the running system. Fits storage/gradient.h's ColorResolver.
Bgra ResolveColorWin32(ColorRef color);

// Fills `rect` with the two-colour gradient of `style` (1..8) from `first` to `second`, one line a
// row or column. Other styles draw nothing. The DC is left with the stock DC pen selected, solid
// in the last colour drawn, so a caller can go on drawing in it.
void GradientFill(HDC dc, int style, ColorRef first, ColorRef second, const RECT& rect);

// Paints `shape` on `dc` with its client at (0, 0)-(width, height). The DC's selected objects,
// clipping and modes are as they were afterwards.
void PaintShape(HDC dc, const ShapeRecord& shape, int width, int height);

}  // namespace plexara
