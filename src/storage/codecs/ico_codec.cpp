// Our own ICO codec for "TIcon" payloads: an icon directory listing one or more images, each a
// DIB (colour rows plus a 1-bit transparency mask) or an embedded PNG. A picture shows one image,
// so the decoder picks the largest, and among equally large ones the deepest colour.
#include <cstdint>
#include <vector>

#include "storage/codecs/codec_bytes.h"
#include "storage/codecs/dib_decoder.h"
#include "storage/codecs/picture_codec.h"

namespace plexara {
namespace {

using codecs::LoadI32;
using codecs::LoadU16;
using codecs::LoadU32;
using codecs::Slice;

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint16_t kIconType = 1;
constexpr std::uint16_t kCursorType = 2;
constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

bool IsPng(ByteSpan image) {
  if (image.size() < sizeof(kPngSignature)) return false;
  for (std::size_t i = 0; i < sizeof(kPngSignature); ++i) {
    if (image[i] != kPngSignature[i]) return false;
  }
  return true;
}

std::uint32_t LoadU32BigEndian(ByteSpan block, std::size_t offset) {
  codecs::RequireField(block, offset, 4);
  return (static_cast<std::uint32_t>(block[offset]) << 24) | (block[offset + 1] << 16) |
         (block[offset + 2] << 8) | block[offset + 3];
}

// How an image ranks: its real size and depth, read from the image itself because directory
// entries often say 0 (meaning 256) or leave the depth out.
struct Candidate {
  ByteSpan image;
  std::int64_t pixels = 0;
  int depth = 0;
};

Result<Candidate> InspectImage(ByteSpan image) {
  Candidate candidate{image};
  if (IsPng(image)) {
    // Signature, IHDR length and type, then width, height, bit depth, colour type.
    PLEXARA_TRY_ASSIGN(header, Slice(image, 16, 10, "icon PNG image is truncated"));
    const std::int64_t width = LoadU32BigEndian(header, 0);
    const std::int64_t height = LoadU32BigEndian(header, 4);
    static constexpr int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};  // by PNG colour type
    const int colorType = header[9];
    candidate.pixels = width * height;
    candidate.depth = header[8] * (colorType < 7 ? kChannels[colorType] : 0);
    return candidate;
  }
  PLEXARA_TRY_ASSIGN(header, Slice(image, 0, 16, "icon image header is truncated"));
  candidate.pixels = static_cast<std::int64_t>(LoadI32(header, 4)) * (LoadI32(header, 8) / 2);
  candidate.depth = LoadU16(header, 14);
  return candidate;
}

bool Better(const Candidate& a, const Candidate& b) {
  return a.pixels != b.pixels ? a.pixels > b.pixels : a.depth > b.depth;
}

Result<Bitmap> DecodeDibImage(ByteSpan image) {
  codecs::DibLayout layout;
  layout.iconImage = true;
  PLEXARA_TRY_ASSIGN(dib, codecs::DecodeDib(image, layout));
  if (dib.hasAlpha) return std::move(dib.bitmap);  // real alpha wins over the mask

  // The mask: 1 bit per pixel, rows padded to 32 bits, stored bottom-up like the colour rows.
  Bitmap& bitmap = dib.bitmap;
  const int width = bitmap.width();
  const int height = bitmap.height();
  const std::uint64_t stride = (static_cast<std::uint64_t>(width) + 31) / 32 * 4;
  PLEXARA_TRY_ASSIGN(mask, Slice(image, dib.pixelEnd, stride * height, "icon mask is truncated"));
  for (int stored = 0; stored < height; ++stored) {
    const std::uint8_t* bits = mask.data() + static_cast<std::size_t>(stored) * stride;
    Bgra* row = bitmap.row(dib.topDown ? stored : height - 1 - stored);
    for (int x = 0; x < width; ++x) {
      if (bits[x / 8] & (0x80 >> (x % 8))) row[x] = Bgra{0, 0, 0, 0};
    }
  }
  return std::move(bitmap);
}

}  // namespace

bool SniffIco(ByteSpan bytes) {
  return bytes.size() >= kDirectorySize && LoadU16(bytes, 0) == 0 &&
         LoadU16(bytes, 2) == kIconType && LoadU16(bytes, 4) > 0;
}

Result<DecodedPicture> DecodeIco(ByteSpan bytes) {
  PLEXARA_TRY_ASSIGN(directory, Slice(bytes, 0, kDirectorySize, "icon directory is truncated"));
  const std::uint16_t type = LoadU16(directory, 2);
  if (LoadU16(directory, 0) != 0 || (type != kIconType && type != kCursorType)) {
    return MakeError("not an icon file");
  }
  const std::uint16_t count = LoadU16(directory, 4);
  if (count == 0) return MakeError("icon file holds no image");
  PLEXARA_TRY_ASSIGN(entries, Slice(bytes, kDirectorySize, std::uint64_t{count} * kEntrySize,
                                    "icon directory is truncated"));

  Candidate best;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = i * kEntrySize;
    const std::uint32_t size = LoadU32(entries, at + 8);
    const std::uint32_t offset = LoadU32(entries, at + 12);
    PLEXARA_TRY_ASSIGN(image, Slice(bytes, offset, size, "icon image lies outside the file"));
    PLEXARA_TRY_ASSIGN(candidate, InspectImage(image));
    if (best.image.empty() || Better(candidate, best)) best = candidate;
  }

  Bitmap bitmap;
  if (IsPng(best.image)) {
    PLEXARA_TRY_ASSIGN(png, DecodePng(best.image));
    bitmap = std::move(png.frames.front().bitmap);
  } else {
    PLEXARA_TRY_ASSIGN(dib, DecodeDibImage(best.image));
    bitmap = std::move(dib);
  }
  DecodedPicture picture;
  picture.width = bitmap.width();
  picture.height = bitmap.height();
  picture.frames.push_back(PictureFrame{std::move(bitmap), 0});
  return picture;
}

}  // namespace plexara
