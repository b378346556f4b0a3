// Byte streams for the tagless little-endian file format. All parsing goes through InStream,
// which fails at the end of data instead of inventing zeros, and through the checked helpers
// below, which refuse a length or count that the remaining bytes cannot hold before anything is
// allocated. These helpers never report; the primitives that use them report once, with their code.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace plexara {

class InStream {
 public:
  virtual ~InStream() = default;
  // Reads exactly size bytes; false (and nothing promised about dst) when fewer remain.
  virtual bool Read(void* dst, std::size_t size) = 0;
  virtual std::uint64_t Position() const = 0;
  virtual std::uint64_t Size() const = 0;
  virtual bool Seek(std::uint64_t position) = 0;
  std::uint64_t Remaining() const { return Size() - Position(); }
};

class OutStream {
 public:
  virtual ~OutStream() = default;
  // Writes all size bytes; false when the medium refused them.
  virtual bool Write(const void* src, std::size_t size) = 0;
  virtual std::uint64_t Position() const = 0;
  virtual bool Seek(std::uint64_t position) = 0;
};

// Reads from bytes owned by someone else; they must outlive the stream.
class MemoryInStream final : public InStream {
 public:
  explicit MemoryInStream(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  bool Read(void* dst, std::size_t size) override;
  std::uint64_t Position() const override { return position_; }
  std::uint64_t Size() const override { return bytes_.size(); }
  bool Seek(std::uint64_t position) override;

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

// Writes into a growing buffer; writing past the end after a Seek extends it.
class MemoryOutStream final : public OutStream {
 public:
  bool Write(const void* src, std::size_t size) override;
  std::uint64_t Position() const override { return position_; }
  bool Seek(std::uint64_t position) override;
  const std::vector<std::uint8_t>& bytes() const { return bytes_; }
  std::vector<std::uint8_t> TakeBytes() { position_ = 0; return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

// Scalar fields, little-endian.
bool ReadByte(InStream& in, std::uint8_t& value);
bool ReadBool(InStream& in, bool& value);  // any non-zero byte is true
bool ReadUInt16(InStream& in, std::uint16_t& value);
bool ReadInt32(InStream& in, std::int32_t& value);
bool WriteByte(OutStream& out, std::uint8_t value);
bool WriteBool(OutStream& out, bool value);  // writes 1 for true
bool WriteUInt16(OutStream& out, std::uint16_t value);
bool WriteInt32(OutStream& out, std::int32_t value);

// An int32 length followed by that many bytes. A negative length or one larger than what remains
// fails before the buffer is made.
bool ReadLengthPrefixed(InStream& in, std::string& value);
bool WriteLengthPrefixed(OutStream& out, std::string_view value);
// Exactly count bytes, refused before allocation when fewer remain.
bool ReadByteBlock(InStream& in, std::uint32_t count, std::vector<std::uint8_t>& value);

// A record count that must be non-negative and leave at least minimumRecordSize bytes per record.
bool ReadCount(InStream& in, std::uint64_t minimumRecordSize, std::int32_t& count);

}  // namespace plexara
