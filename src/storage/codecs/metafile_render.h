// Drawing a "TMetafile" payload into pixels. Metafiles are lists of GDI calls, so only the Win32
// side can play them (metafile_render_win32.cpp); this header stays portable so portable code can
// name the operation.
#pragma once

#include "storage/bitmap.h"
#include "storage/codecs/picture_codec.h"
#include "storage/result.h"

namespace plexara {

// Plays an EMF or WMF payload (as DecodeMetafile accepts it) stretched to width x height onto a
// white background. The result is opaque.
Result<Bitmap> RenderMetafile(ByteSpan payload, int width, int height);

}  // namespace plexara
