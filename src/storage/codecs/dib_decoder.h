// The device-independent bitmap decoder shared by BMP files (after their file header) and by the
// DIB images inside icons (which store the colour bitmap and a 1-bit mask in one doubled height).
#pragma once

#include <cstdint>

#include "storage/bitmap.h"
#include "storage/codecs/picture_codec.h"
#include "storage/result.h"

namespace plexara::codecs {

struct DibLayout {
  // Where the pixel rows start, counted from the info header. 0 means "right after the colour
  // table", the packed layout icons use; a BMP passes its file header's offset.
  std::uint64_t pixelOffset = 0;
  // An icon image: the header's height counts the colour rows and the mask rows.
  bool iconImage = false;
};

struct DecodedDib {
  Bitmap bitmap;  // top-down BGRA; fully opaque unless the data carries a real alpha channel
  // True when the DIB has an alpha channel (32 bits, or an alpha mask) that is not all zero. An
  // all-zero alpha channel is how most writers leave the fourth byte, so it reads as opaque.
  bool hasAlpha = false;
  // Offset (from the info header) just past the colour rows: where an icon's mask starts.
  std::uint64_t pixelEnd = 0;
  bool topDown = false;  // rows were stored top row first (an icon's mask follows the same order)
};

Result<DecodedDib> DecodeDib(ByteSpan dib, const DibLayout& layout);

}  // namespace plexara::codecs
