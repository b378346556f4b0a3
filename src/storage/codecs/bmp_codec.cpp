// Our own BMP codec: the "TBitmap" payload is a Windows bitmap file. The decoder reads core (12
// byte), info (40), V2/V3 (52/56), V4 (108) and V5 (124) headers at 1, 4, 8, 16, 24 and 32 bits
// per pixel, uncompressed, with bit-field masks or run-length encoded (8 and 4 bit), stored
// bottom-up or top-down. The encoder writes the one layout the program itself produces: a 32-bit
// uncompressed bottom-up bitmap with its alpha in the fourth byte.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

#include "storage/codecs/codec_bytes.h"
#include "storage/codecs/dib_decoder.h"
#include "storage/codecs/picture_codec.h"

namespace plexara {
namespace codecs {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;

enum Compression : std::uint32_t {
  kRgb = 0,
  kRle8 = 1,
  kRle4 = 2,
  kBitFields = 3,
  kAlphaBitFields = 6,
};

bool KnownHeaderSize(std::uint32_t size) {
  return size == kCoreHeaderSize || size == kInfoHeaderSize || size == 52 || size == 56 ||
         size == 108 || size == 124;
}

// One colour channel described by a bit mask, scaled to 8 bits.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;

  explicit Channel(std::uint32_t m = 0) : mask(m) {
    if (mask == 0) return;
    shift = std::countr_zero(mask);
    bits = std::countr_one(mask >> shift);  // a mask with holes uses its lowest run only
  }
  bool present() const { return bits > 0; }
  std::uint8_t Extract(std::uint32_t pixel) const {
    if (bits == 0) return 0;
    const std::uint32_t value =
        (pixel >> shift) & ((bits >= 32) ? 0xFFFFFFFFu : ((1u << bits) - 1));
    if (bits >= 8) return static_cast<std::uint8_t>(value >> (bits - 8));
    return static_cast<std::uint8_t>(value * 255u / ((1u << bits) - 1));
  }
};

struct Header {
  std::uint32_t headerSize = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;  // rows of colour data, positive
  bool topDown = false;
  int bitCount = 0;
  std::uint32_t compression = kRgb;
  std::uint32_t colorsUsed = 0;
  std::size_t paletteEntrySize = 4;
  std::uint64_t paletteStart = 0;  // after the header and any masks that follow it
  Channel red, green, blue, alpha;
  bool hasMasks = false;
};

Result<Header> ReadHeader(ByteSpan dib, bool iconImage) {
  PLEXARA_TRY_ASSIGN(sizeField, Slice(dib, 0, 4, "bitmap header is truncated"));
  Header h;
  h.headerSize = LoadU32(sizeField, 0);
  if (!KnownHeaderSize(h.headerSize)) return MakeError("bitmap header size is not supported");
  PLEXARA_TRY_ASSIGN(header, Slice(dib, 0, h.headerSize, "bitmap header is truncated"));

  if (h.headerSize == kCoreHeaderSize) {
    h.width = LoadU16(header, 4);
    h.height = LoadU16(header, 6);
    h.bitCount = LoadU16(header, 10);
    h.paletteEntrySize = 3;
    h.paletteStart = kCoreHeaderSize;
    if (h.bitCount != 1 && h.bitCount != 4 && h.bitCount != 8 && h.bitCount != 24) {
      return MakeError("bitmap bit depth is not supported");
    }
  } else {
    h.width = LoadI32(header, 4);
    const std::int64_t storedHeight = LoadI32(header, 8);
    h.topDown = storedHeight < 0;
    h.height = storedHeight < 0 ? -storedHeight : storedHeight;
    h.bitCount = LoadU16(header, 14);
    h.compression = LoadU32(header, 16);
    h.colorsUsed = LoadU32(header, 32);
    h.paletteStart = h.headerSize;
    switch (h.bitCount) {
      case 1:
      case 4:
      case 8:
      case 16:
      case 24:
      case 32:
        break;
      default:
        return MakeError("bitmap bit depth is not supported");
    }
    const bool fields = h.compression == kBitFields || h.compression == kAlphaBitFields;
    if ((h.compression == kRle8 && h.bitCount != 8) ||
        (h.compression == kRle4 && h.bitCount != 4) ||
        (fields && h.bitCount != 16 && h.bitCount != 32) ||
        (h.compression != kRgb && h.compression != kRle8 && h.compression != kRle4 && !fields)) {
      return MakeError("bitmap compression is not supported");
    }
    if (fields) {
      // Masks live in the larger headers; after a 40-byte header they follow it.
      ByteSpan masks = header.subspan(kInfoHeaderSize);
      const std::size_t maskCount = h.compression == kAlphaBitFields ? 4 : 3;
      if (h.headerSize == kInfoHeaderSize) {
        PLEXARA_TRY_ASSIGN(
            after, Slice(dib, kInfoHeaderSize, maskCount * 4, "bitmap masks are truncated"));
        masks = after;
        h.paletteStart += maskCount * 4;
      }
      h.red = Channel(LoadU32(masks, 0));
      h.green = Channel(LoadU32(masks, 4));
      h.blue = Channel(LoadU32(masks, 8));
      if (masks.size() >= 16 && (h.compression == kAlphaBitFields || h.headerSize >= 56)) {
        h.alpha = Channel(LoadU32(masks, 12));
      }
      h.hasMasks = true;
    } else if (h.bitCount == 16) {
      h.red = Channel(0x7C00);
      h.green = Channel(0x03E0);
      h.blue = Channel(0x001F);
      h.hasMasks = true;
    }
  }
  if (iconImage) h.height /= 2;
  if (!PictureSizeAllowed(h.width, h.height)) return MakeError("bitmap size is out of range");
  return h;
}

using Palette = std::array<Bgra, 256>;

Result<Palette> ReadPalette(ByteSpan dib, const Header& h, std::uint64_t pixelOffset) {
  Palette palette;
  palette.fill(Bgra{0, 0, 0, 255});  // indexes past the stored table draw black
  if (h.bitCount > 8) return palette;
  const std::uint64_t maxColors = 1u << h.bitCount;
  std::uint64_t count =
      h.colorsUsed == 0 ? maxColors : std::min<std::uint64_t>(h.colorsUsed, maxColors);
  // A file header offset that leaves room for fewer entries wins over the header's count.
  count = std::min<std::uint64_t>(count, (pixelOffset - h.paletteStart) / h.paletteEntrySize);
  PLEXARA_TRY_ASSIGN(table, Slice(dib, h.paletteStart, count * h.paletteEntrySize,
                                  "bitmap colour table is truncated"));
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = i * h.paletteEntrySize;
    palette[i] = Bgra{table[at], table[at + 1], table[at + 2], 255};
  }
  return palette;
}

// Uncompressed rows, any bit depth. Returns whether a non-zero alpha value was seen.
bool DecodeRows(ByteSpan pixels, std::size_t stride, const Header& h, const Palette& palette,
                Bitmap& out) {
  const int width = static_cast<int>(h.width);
  const int height = static_cast<int>(h.height);
  bool anyAlpha = false;
  for (int stored = 0; stored < height; ++stored) {
    const std::uint8_t* src = pixels.data() + static_cast<std::size_t>(stored) * stride;
    Bgra* dst = out.row(h.topDown ? stored : height - 1 - stored);
    switch (h.bitCount) {
      case 1:
      case 4:
      case 8: {
        const int perByte = 8 / h.bitCount;
        const unsigned valueMask = (1u << h.bitCount) - 1;
        for (int x = 0; x < width; ++x) {
          const int shift = 8 - h.bitCount * (x % perByte + 1);
          dst[x] = palette[(src[x / perByte] >> shift) & valueMask];
        }
        break;
      }
      case 24:
        for (int x = 0; x < width; ++x, src += 3) dst[x] = Bgra{src[0], src[1], src[2], 255};
        break;
      case 16:
      case 32: {
        const bool wide = h.bitCount == 32;
        for (int x = 0; x < width; ++x) {
          std::uint32_t value = wide ? LoadU32(ByteSpan(src, 4), 0) : LoadU16(ByteSpan(src, 2), 0);
          src += wide ? 4 : 2;
          if (!h.hasMasks) {  // 32-bit BI_RGB: blue, green, red, alpha bytes
            dst[x] = Bgra{static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                          static_cast<std::uint8_t>(value >> 16),
                          static_cast<std::uint8_t>(value >> 24)};
          } else {
            dst[x] = Bgra{h.blue.Extract(value), h.green.Extract(value), h.red.Extract(value),
                          h.alpha.present() ? h.alpha.Extract(value) : std::uint8_t{255}};
          }
          anyAlpha = anyAlpha || dst[x].a != 0;
        }
        break;
      }
    }
  }
  return anyAlpha;
}

// Run-length encoded rows. Pixels the runs skip (delta moves, early line ends) stay transparent.
// With no output bitmap the runs are only checked, so a broken stream fails before the picture
// is allocated.
Result<void> DecodeRle(ByteSpan data, const Header& h, const Palette& palette, Bitmap* out) {
  const std::int64_t width = h.width;
  const std::int64_t height = h.height;
  const bool four = h.compression == kRle4;
  std::int64_t x = 0;
  std::int64_t row = 0;  // stored row, counted from the first one in the file
  std::size_t at = 0;
  auto put = [&](std::uint8_t index) {
    if (out != nullptr && x < width && row < height) {
      out->at(static_cast<int>(x), static_cast<int>(h.topDown ? row : height - 1 - row)) =
          palette[index];
    }
    ++x;
  };
  while (row < height) {
    if (!HasRange(data, at, 2)) return MakeError("bitmap run-length data is truncated");
    const std::uint8_t count = data[at];
    const std::uint8_t value = data[at + 1];
    at += 2;
    if (count > 0) {
      for (int i = 0; i < count && x < width; ++i)
        put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++row;
    } else if (value == 1) {  // end of bitmap
      return Ok{};
    } else if (value == 2) {  // move right and down
      if (!HasRange(data, at, 2)) return MakeError("bitmap run-length data is truncated");
      x += data[at];
      row += data[at + 1];
      at += 2;
    } else {  // `value` literal pixels, padded to a 16-bit boundary
      const std::size_t bytes = four ? (value + 1u) / 2 : value;
      PLEXARA_TRY_ASSIGN(literal, Slice(data, at, bytes, "bitmap run-length data is truncated"));
      for (int i = 0; i < value; ++i) {
        put(four ? ((i & 1) ? literal[i / 2] & 0x0F : literal[i / 2] >> 4) : literal[i]);
      }
      at += (bytes + 1) & ~std::size_t{1};
    }
  }
  return Ok{};  // the runs reached past the last row
}

}  // namespace

Result<DecodedDib> DecodeDib(ByteSpan dib, const DibLayout& layout) {
  PLEXARA_TRY_ASSIGN(h, ReadHeader(dib, layout.iconImage));

  std::uint64_t pixelOffset = layout.pixelOffset;
  if (pixelOffset == 0) {
    const std::uint64_t colors =
        h.bitCount <= 8
            ? (h.colorsUsed == 0 ? (1u << h.bitCount)
                                 : std::min<std::uint64_t>(h.colorsUsed, 1u << h.bitCount))
            : h.colorsUsed;
    pixelOffset = h.paletteStart + colors * h.paletteEntrySize;
  } else if (pixelOffset < h.paletteStart) {
    return MakeError("bitmap pixel offset points into its header");
  }
  PLEXARA_TRY_ASSIGN(palette, ReadPalette(dib, h, pixelOffset));

  DecodedDib result;
  result.topDown = h.topDown;
  if (h.compression == kRle8 || h.compression == kRle4) {
    if (pixelOffset > dib.size()) return MakeError("bitmap pixel data is missing");
    // A few bytes of runs ending early can still describe a large, mostly clear picture, so the
    // stream is checked whole before the caps of PictureSizeAllowed are the only bound left.
    const ByteSpan runs = Tail(dib, pixelOffset);
    PLEXARA_TRY(DecodeRle(runs, h, palette, nullptr));
    result.bitmap = Bitmap(static_cast<int>(h.width), static_cast<int>(h.height));
    PLEXARA_TRY(DecodeRle(runs, h, palette, &result.bitmap));
    result.pixelEnd = dib.size();
    return result;
  }

  const std::uint64_t rowBits = static_cast<std::uint64_t>(h.width) * h.bitCount;
  const std::uint64_t stride = (rowBits + 31) / 32 * 4;
  // The last row may lack its padding; everything before it must be whole.
  const std::uint64_t needed = stride * (h.height - 1) + (rowBits + 7) / 8;
  PLEXARA_TRY_ASSIGN(pixels, Slice(dib, pixelOffset, needed, "bitmap pixel data is truncated"));
  result.bitmap = Bitmap(static_cast<int>(h.width), static_cast<int>(h.height));
  const bool anyAlpha =
      DecodeRows(pixels, static_cast<std::size_t>(stride), h, palette, result.bitmap);
  const bool carriesAlpha = (h.bitCount == 32 && !h.hasMasks) || h.alpha.present();
  result.hasAlpha = carriesAlpha && anyAlpha;
  if (carriesAlpha && !anyAlpha) {
    for (int y = 0; y < result.bitmap.height(); ++y) {
      Bgra* line = result.bitmap.row(y);
      for (int x = 0; x < result.bitmap.width(); ++x) line[x].a = 255;
    }
  }
  result.pixelEnd = pixelOffset + stride * h.height;
  return result;
}

}  // namespace codecs

bool SniffBmp(ByteSpan bytes) {
  return bytes.size() >= codecs::kFileHeaderSize + 4 && bytes[0] == 'B' && bytes[1] == 'M' &&
         codecs::KnownHeaderSize(codecs::LoadU32(bytes, codecs::kFileHeaderSize));
}

Result<DecodedPicture> DecodeBmp(ByteSpan bytes) {
  PLEXARA_TRY_ASSIGN(
      fileHeader, codecs::Slice(bytes, 0, codecs::kFileHeaderSize, "BMP file header is truncated"));
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') return MakeError("not a BMP file");
  const std::uint32_t pixelOffset = codecs::LoadU32(fileHeader, 10);
  if (pixelOffset < codecs::kFileHeaderSize)
    return MakeError("bitmap pixel offset points into its header");
  codecs::DibLayout layout;
  layout.pixelOffset = pixelOffset - codecs::kFileHeaderSize;
  PLEXARA_TRY_ASSIGN(dib, codecs::DecodeDib(bytes.subspan(codecs::kFileHeaderSize), layout));
  DecodedPicture picture;
  picture.width = dib.bitmap.width();
  picture.height = dib.bitmap.height();
  picture.frames.push_back(PictureFrame{std::move(dib.bitmap), 0});
  return picture;
}

std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap) {
  using codecs::StoreU16;
  using codecs::StoreU32;
  const std::uint32_t imageSize = static_cast<std::uint32_t>(bitmap.width()) * bitmap.height() * 4;
  const std::uint32_t pixelOffset = codecs::kFileHeaderSize + codecs::kInfoHeaderSize;
  constexpr std::uint32_t kPixelsPerMeterAt96Dpi = 3780;
  std::vector<std::uint8_t> out;
  out.reserve(pixelOffset + imageSize);
  out.push_back('B');
  out.push_back('M');
  StoreU32(out, pixelOffset + imageSize);
  StoreU32(out, 0);  // two reserved words
  StoreU32(out, pixelOffset);
  StoreU32(out, codecs::kInfoHeaderSize);
  StoreU32(out, static_cast<std::uint32_t>(bitmap.width()));
  StoreU32(out, static_cast<std::uint32_t>(bitmap.height()));  // positive: bottom-up rows
  StoreU16(out, 1);                                            // planes
  StoreU16(out, 32);                                           // bits per pixel
  StoreU32(out, codecs::kRgb);
  StoreU32(out, imageSize);
  StoreU32(out, kPixelsPerMeterAt96Dpi);
  StoreU32(out, kPixelsPerMeterAt96Dpi);
  StoreU32(out, 0);  // colours used
  StoreU32(out, 0);  // colours important
  for (int y = bitmap.height() - 1; y >= 0; --y) {
    const Bgra* row = bitmap.row(y);
    for (int x = 0; x < bitmap.width(); ++x) {
      out.insert(out.end(), {row[x].b, row[x].g, row[x].r, row[x].a});
    }
  }
  return out;
}

}  // namespace plexara
