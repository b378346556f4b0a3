// Memory streams and the checked scalar helpers of byte_stream.h.
#include "storage/byte_stream.h"

#include <cstring>
#include <limits>

namespace plexara {

bool MemoryInStream::Read(void* dst, std::size_t size) {
  if (size > bytes_.size() - position_) return false;
  if (size != 0) std::memcpy(dst, bytes_.data() + position_, size);
  position_ += size;
  return true;
}

bool MemoryInStream::Seek(std::uint64_t position) {
  if (position > bytes_.size()) return false;
  position_ = static_cast<std::size_t>(position);
  return true;
}

bool MemoryOutStream::Write(const void* src, std::size_t size) {
  if (size == 0) return true;
  if (position_ + size > bytes_.size()) bytes_.resize(position_ + size);
  std::memcpy(bytes_.data() + position_, src, size);
  position_ += size;
  return true;
}

bool MemoryOutStream::Seek(std::uint64_t position) {
  if (position > bytes_.size()) return false;
  position_ = static_cast<std::size_t>(position);
  return true;
}

bool ReadByte(InStream& in, std::uint8_t& value) { return in.Read(&value, 1); }

bool ReadBool(InStream& in, bool& value) {
  std::uint8_t raw = 0;
  if (!in.Read(&raw, 1)) return false;
  value = raw != 0;
  return true;
}

bool ReadUInt16(InStream& in, std::uint16_t& value) {
  std::uint8_t raw[2];
  if (!in.Read(raw, 2)) return false;
  value = static_cast<std::uint16_t>(raw[0] | (raw[1] << 8));
  return true;
}

bool ReadInt32(InStream& in, std::int32_t& value) {
  std::uint8_t raw[4];
  if (!in.Read(raw, 4)) return false;
  const std::uint32_t bits = static_cast<std::uint32_t>(raw[0]) | (static_cast<std::uint32_t>(raw[1]) << 8) |
                             (static_cast<std::uint32_t>(raw[2]) << 16) |
                             (static_cast<std::uint32_t>(raw[3]) << 24);
  value = static_cast<std::int32_t>(bits);
  return true;
}

bool WriteByte(OutStream& out, std::uint8_t value) { return out.Write(&value, 1); }

bool WriteBool(OutStream& out, bool value) { return WriteByte(out, value ? 1 : 0); }

bool WriteUInt16(OutStream& out, std::uint16_t value) {
  const std::uint8_t raw[2] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
  return out.Write(raw, 2);
}

bool WriteInt32(OutStream& out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  const std::uint8_t raw[4] = {static_cast<std::uint8_t>(bits), static_cast<std::uint8_t>(bits >> 8),
                               static_cast<std::uint8_t>(bits >> 16), static_cast<std::uint8_t>(bits >> 24)};
  return out.Write(raw, 4);
}

bool ReadLengthPrefixed(InStream& in, std::string& value) {
  std::int32_t length = 0;
  if (!ReadInt32(in, length)) return false;
  if (length < 0 || static_cast<std::uint64_t>(length) > in.Remaining()) return false;
  std::string text(static_cast<std::size_t>(length), '\0');
  if (!in.Read(text.data(), text.size())) return false;
  value = std::move(text);
  return true;
}

bool WriteLengthPrefixed(OutStream& out, std::string_view value) {
  if (value.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) return false;
  return WriteInt32(out, static_cast<std::int32_t>(value.size())) && out.Write(value.data(), value.size());
}

bool ReadByteBlock(InStream& in, std::uint32_t count, std::vector<std::uint8_t>& value) {
  if (count > in.Remaining()) return false;
  std::vector<std::uint8_t> bytes(count);
  if (!in.Read(bytes.data(), bytes.size())) return false;
  value = std::move(bytes);
  return true;
}

bool ReadCount(InStream& in, std::uint64_t minimumRecordSize, std::int32_t& count) {
  std::int32_t value = 0;
  if (!ReadInt32(in, value) || value < 0) return false;
  if (minimumRecordSize != 0 && static_cast<std::uint64_t>(value) > in.Remaining() / minimumRecordSize) {
    return false;
  }
  count = value;
  return true;
}

}  // namespace plexara
