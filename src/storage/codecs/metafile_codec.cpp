// Our own checker for "TMetafile" payloads: an enhanced metafile (EMF), or a Windows metafile
// (WMF) with or without the placeable header that gives it a size. Metafiles are drawn by GDI
// (metafile_render_win32.cpp); here we only make sure the record structure is sound, so GDI never
// sees a broken one, and work out the natural size in pixels.
//
// Size rules. EMF: the picture frame (rclFrame, in 0.01 mm) converted with the resolution of the
// reference device the file was made on (szlDevice pixels over szlMillimeters); when that is
// unusable, the bounds in device pixels (rclBounds, inclusive). Placeable WMF: the bounding box in
// logical units over the units per inch, at 96 pixels per inch. Plain WMF: the extent of its first
// SetWindowExt record, in logical units taken as pixels.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "storage/codecs/codec_bytes.h"
#include "storage/codecs/picture_codec.h"

namespace plexara {
namespace {

using codecs::LoadI16;
using codecs::LoadI32;
using codecs::LoadU16;
using codecs::LoadU32;
using codecs::Slice;

constexpr std::uint32_t kEmrHeader = 1;
constexpr std::uint32_t kEmrEof = 14;
constexpr std::uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr std::size_t kEmfHeaderSize = 88;           // up to and including szlMillimeters

constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22;
constexpr std::size_t kWmfHeaderSize = 18;
constexpr std::uint16_t kWmfHeaderWords = 9;
constexpr std::uint16_t kMetaSetWindowExt = 0x020C;
constexpr int kScreenDpi = 96;

bool IsEmf(ByteSpan bytes) {
  return bytes.size() >= kEmfHeaderSize && LoadU32(bytes, 0) == kEmrHeader &&
         LoadU32(bytes, 40) == kEmfSignature;
}

bool IsPlaceableWmf(ByteSpan bytes) {
  return bytes.size() >= kPlaceableSize && LoadU32(bytes, 0) == kPlaceableKey;
}

bool IsWmfHeader(ByteSpan bytes) {
  if (bytes.size() < kWmfHeaderSize) return false;
  const std::uint16_t type = LoadU16(bytes, 0);
  const std::uint16_t version = LoadU16(bytes, 4);
  return (type == 1 || type == 2) && LoadU16(bytes, 2) == kWmfHeaderWords &&
         (version == 0x0100 || version == 0x0300);
}

// A length in some unit scaled to whole pixels; 0 when it does not give a usable size.
int ScaledPixels(double length, double pixelsPerUnit) {
  const double pixels = length * pixelsPerUnit;
  if (!(pixels >= 0.5 && pixels < kMaxPictureSide + 0.5)) return 0;
  return static_cast<int>(std::lround(pixels));
}

Result<DecodedPicture> Sized(int width, int height) {
  if (!PictureSizeAllowed(width, height)) return MakeError("metafile size is out of range");
  DecodedPicture picture;
  picture.width = width;
  picture.height = height;
  return picture;
}

Result<DecodedPicture> DecodeEmf(ByteSpan bytes) {
  PLEXARA_TRY_ASSIGN(header, Slice(bytes, 0, kEmfHeaderSize, "EMF header is truncated"));
  const std::uint32_t headerSize = LoadU32(header, 4);
  const std::uint32_t totalSize = LoadU32(header, 48);
  if (headerSize < kEmfHeaderSize || headerSize % 4 != 0)
    return MakeError("EMF header size is wrong");
  if (totalSize < headerSize || totalSize > bytes.size())
    return MakeError("EMF size disagrees with its data");

  // Every record: type, size (a multiple of 4, at least the 8 bytes of these two fields), and
  // the last one an end-of-file record.
  const ByteSpan records = bytes.first(totalSize);
  bool sawEof = false;
  for (std::uint64_t at = 0; at < records.size() && !sawEof;) {
    PLEXARA_TRY_ASSIGN(record, Slice(records, at, 8, "EMF record is truncated"));
    const std::uint32_t type = LoadU32(record, 0);
    const std::uint32_t size = LoadU32(record, 4);
    if (size < 8 || size % 4 != 0) return MakeError("EMF record size is wrong");
    PLEXARA_TRY(Slice(records, at, size, "EMF record is truncated"));
    if ((at == 0) != (type == kEmrHeader)) return MakeError("EMF header record is misplaced");
    sawEof = type == kEmrEof;
    at += size;
  }
  if (!sawEof) return MakeError("EMF has no end-of-file record");

  const double deviceWidth = LoadI32(header, 72), deviceHeight = LoadI32(header, 76);
  const double millimetersWidth = LoadI32(header, 80), millimetersHeight = LoadI32(header, 84);
  int width = 0, height = 0;
  if (deviceWidth > 0 && deviceHeight > 0 && millimetersWidth > 0 && millimetersHeight > 0) {
    const double frameWidth = static_cast<double>(LoadI32(header, 32)) - LoadI32(header, 24);
    const double frameHeight = static_cast<double>(LoadI32(header, 36)) - LoadI32(header, 28);
    width = ScaledPixels(frameWidth, deviceWidth / (millimetersWidth * 100));
    height = ScaledPixels(frameHeight, deviceHeight / (millimetersHeight * 100));
  }
  if (width == 0 || height == 0) {
    width = ScaledPixels(static_cast<double>(LoadI32(header, 16)) - LoadI32(header, 8) + 1, 1);
    height = ScaledPixels(static_cast<double>(LoadI32(header, 20)) - LoadI32(header, 12) + 1, 1);
  }
  return Sized(width, height);
}

Result<DecodedPicture> DecodeWmf(ByteSpan bytes) {
  int width = 0, height = 0;
  ByteSpan body = bytes;
  if (IsPlaceableWmf(bytes)) {
    std::uint16_t checksum = 0;
    for (std::size_t at = 0; at < 20; at += 2) checksum ^= LoadU16(bytes, at);
    if (checksum != LoadU16(bytes, 20)) return MakeError("WMF placeable header checksum is wrong");
    const int unitsPerInch = LoadU16(bytes, 14);
    if (unitsPerInch == 0) return MakeError("WMF placeable header has no units per inch");
    const double pixelsPerUnit = static_cast<double>(kScreenDpi) / unitsPerInch;
    // Boxes drawn with the y axis pointing up are stored upside down; only the extent counts.
    const double boxWidth = std::abs(LoadI16(bytes, 10) - LoadI16(bytes, 6));
    const double boxHeight = std::abs(LoadI16(bytes, 12) - LoadI16(bytes, 8));
    width = ScaledPixels(boxWidth, pixelsPerUnit);
    height = ScaledPixels(boxHeight, pixelsPerUnit);
    if (width == 0 || height == 0) return MakeError("WMF bounding box is empty");
    body = codecs::Tail(bytes, kPlaceableSize);
  }
  if (!IsWmfHeader(body)) return MakeError("WMF header is damaged");

  // Records: size in 16-bit words (at least size and function), function; function 0 ends them.
  bool sawEnd = false;
  for (std::uint64_t at = kWmfHeaderSize; !sawEnd;) {
    PLEXARA_TRY_ASSIGN(record, Slice(body, at, 6, "WMF record is truncated"));
    const std::uint64_t size = std::uint64_t{LoadU32(record, 0)} * 2;
    const std::uint16_t function = LoadU16(record, 4);
    if (size < 6) return MakeError("WMF record size is wrong");
    PLEXARA_TRY_ASSIGN(whole, Slice(body, at, size, "WMF record is truncated"));
    if (function == kMetaSetWindowExt && width == 0 && whole.size() >= 10) {
      height = std::abs(LoadI16(whole, 6));  // parameters are stored last first: y, then x
      width = std::abs(LoadI16(whole, 8));
    }
    sawEnd = function == 0;
    at += size;
  }
  if (width == 0 || height == 0) return MakeError("WMF gives no size");
  return Sized(width, height);
}

}  // namespace

bool SniffMetafile(ByteSpan bytes) {
  return IsEmf(bytes) || IsPlaceableWmf(bytes) || IsWmfHeader(bytes);
}

Result<DecodedPicture> DecodeMetafile(ByteSpan bytes) {
  if (IsEmf(bytes)) return DecodeEmf(bytes);
  if (IsPlaceableWmf(bytes) || IsWmfHeader(bytes)) return DecodeWmf(bytes);
  return MakeError("not a metafile");
}

}  // namespace plexara
