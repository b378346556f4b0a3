// The glyph rasteriser of the Win32 side: GDI measures runs with GetTextExtentPoint32 and draws
// them with TextOut, white on black, into an 8-bit grey DIB section, the rotation coming from the
// font's escapement. GDI's own smoothing is off; the engine's supersampling makes the edges.
#pragma once

#include "textfx/glyph_rasterizer.h"

namespace plexara {

// The one GDI rasteriser of the program (user-interface thread only). It keeps a memory DC, the
// last fonts it made and a DIB that grows to the largest run drawn so far.
GlyphRasterizer& GdiGlyphRasterizer();

}  // namespace plexara
