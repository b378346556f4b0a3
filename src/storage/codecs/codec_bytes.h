// Bounds-checked access to a picture file image for our own decoders (BMP, ICO, metafiles). A
// decoder first takes a Slice, which fails when the bytes are not all present, and then reads the
// little-endian fields of that slice by their offsets. Reading a field outside a slice is a
// programmer mistake, not bad input, and stops the program rather than inventing zeros.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "storage/codecs/picture_codec.h"
#include "storage/result.h"

namespace plexara::codecs {

// True when [offset, offset + size) lies inside bytes; written so the sum cannot overflow.
inline bool HasRange(ByteSpan bytes, std::uint64_t offset, std::uint64_t size) {
  return offset <= bytes.size() && size <= bytes.size() - offset;
}

// The bytes [offset, offset + size), or an error with `what` when they are not all present.
inline Result<ByteSpan> Slice(ByteSpan bytes, std::uint64_t offset, std::uint64_t size,
                              std::string_view what) {
  if (!HasRange(bytes, offset, size)) return MakeError(std::string(what));
  return bytes.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
}

// The bytes from offset to the end; empty when offset is past the end.
inline ByteSpan Tail(ByteSpan bytes, std::uint64_t offset) {
  return offset >= bytes.size() ? ByteSpan() : bytes.subspan(static_cast<std::size_t>(offset));
}

inline void RequireField(ByteSpan block, std::size_t offset, std::size_t size) {
  if (!HasRange(block, offset, size)) std::abort();  // a decoder read outside its own slice
}

inline std::uint16_t LoadU16(ByteSpan block, std::size_t offset) {
  RequireField(block, offset, 2);
  return static_cast<std::uint16_t>(block[offset] | (block[offset + 1] << 8));
}

inline std::int16_t LoadI16(ByteSpan block, std::size_t offset) {
  return static_cast<std::int16_t>(LoadU16(block, offset));
}

inline std::uint32_t LoadU32(ByteSpan block, std::size_t offset) {
  RequireField(block, offset, 4);
  return static_cast<std::uint32_t>(block[offset]) |
         (static_cast<std::uint32_t>(block[offset + 1]) << 8) |
         (static_cast<std::uint32_t>(block[offset + 2]) << 16) |
         (static_cast<std::uint32_t>(block[offset + 3]) << 24);
}

inline std::int32_t LoadI32(ByteSpan block, std::size_t offset) {
  return static_cast<std::int32_t>(LoadU32(block, offset));
}

// Appends little-endian fields; used by EncodeBmp.
inline void StoreU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void StoreU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

}  // namespace plexara::codecs
