#include "storage/binary_fields.h"

#include "storage/action_record.h"
#include "storage/error_report.h"
#include "storage/primitives.h"

namespace plexara {

// ---- reading ----

void BinaryReadVisitor::Check(bool ok) {
  if (!ok && ok_) {
    ok_ = false;
    if (reportCode_ != 0) ReportStreamError(reportCode_);
  }
}

void BinaryReadVisitor::Fail(std::string_view) { Check(false); }

void BinaryReadVisitor::Byte(std::string_view, std::uint8_t& value) {
  if (ok_) Check(ReadByte(in_, value));
}
void BinaryReadVisitor::Bool(std::string_view, bool& value) {
  if (ok_) Check(ReadBool(in_, value));
}
void BinaryReadVisitor::UInt16(std::string_view, std::uint16_t& value) {
  if (ok_) Check(ReadUInt16(in_, value));
}
void BinaryReadVisitor::Int32(std::string_view, std::int32_t& value) {
  if (ok_) Check(ReadInt32(in_, value));
}
void BinaryReadVisitor::Color(std::string_view, ColorRef& value) {
  if (ok_) Check(ReadInt32(in_, value));
}
void BinaryReadVisitor::Enum(std::string_view, std::uint8_t& value, std::span<const std::string_view>) {
  if (ok_) Check(ReadByte(in_, value));
}
// The nested primitives report for themselves; a failure only stops this visit.
void BinaryReadVisitor::String(std::string_view, std::string& value) {
  if (ok_) ok_ = ReadString(in_, value);
}
void BinaryReadVisitor::Font(std::string_view, FontData& value) {
  if (ok_) ok_ = ReadFont(in_, value);
}
void BinaryReadVisitor::Picture(std::string_view, plexara::Picture& value) {
  if (ok_) ok_ = ReadPicture(in_, value);
}
void BinaryReadVisitor::Effect(std::string_view, TFxEffect& value) {
  if (ok_) ok_ = ReadEffect(in_, value);
}
void BinaryReadVisitor::FontLabels(std::string_view, TFontLabels& value) {
  if (ok_) ok_ = ReadFontLabels(in_, value);
}
void BinaryReadVisitor::MenuItem(std::string_view, MenuItemData& value) {
  if (ok_) ok_ = ReadMenuItem(in_, &value);
}
void BinaryReadVisitor::Command(std::string_view, TCommand& value) {
  if (ok_) ok_ = ReadActionRecord(in_, value);
}

bool BinaryReadVisitor::BeginList(std::string_view, std::int32_t& count) {
  // Every element takes at least one byte, so a count beyond the remaining bytes is damage.
  Check(ReadCount(in_, 1, count));
  return ok_;
}

// ---- writing ----

void BinaryWriteVisitor::Check(bool ok) {
  if (!ok && ok_) {
    ok_ = false;
    if (reportCode_ != 0) ReportStreamError(reportCode_);
  }
}

void BinaryWriteVisitor::Fail(std::string_view) { Check(false); }

void BinaryWriteVisitor::Byte(std::string_view, std::uint8_t& value) {
  if (ok_) Check(WriteByte(out_, value));
}
void BinaryWriteVisitor::Bool(std::string_view, bool& value) {
  if (ok_) Check(WriteBool(out_, value));
}
void BinaryWriteVisitor::UInt16(std::string_view, std::uint16_t& value) {
  if (ok_) Check(WriteUInt16(out_, value));
}
void BinaryWriteVisitor::Int32(std::string_view, std::int32_t& value) {
  if (ok_) Check(WriteInt32(out_, value));
}
void BinaryWriteVisitor::Color(std::string_view, ColorRef& value) {
  if (ok_) Check(WriteInt32(out_, value));
}
void BinaryWriteVisitor::Enum(std::string_view, std::uint8_t& value, std::span<const std::string_view>) {
  if (ok_) Check(WriteByte(out_, value));
}
void BinaryWriteVisitor::String(std::string_view, std::string& value) {
  if (ok_) ok_ = WriteString(out_, value);
}
void BinaryWriteVisitor::Font(std::string_view, FontData& value) {
  if (ok_) ok_ = WriteFont(out_, value);
}
void BinaryWriteVisitor::Picture(std::string_view, plexara::Picture& value) {
  if (ok_) ok_ = WritePicture(out_, value);
}
void BinaryWriteVisitor::Effect(std::string_view, TFxEffect& value) {
  if (ok_) ok_ = WriteEffect(out_, value);
}
void BinaryWriteVisitor::FontLabels(std::string_view, TFontLabels& value) {
  if (ok_) ok_ = WriteFontLabels(out_, value);
}
void BinaryWriteVisitor::MenuItem(std::string_view, MenuItemData& value) {
  if (ok_) ok_ = WriteMenuItem(out_, value);
}
void BinaryWriteVisitor::Command(std::string_view, TCommand& value) {
  if (ok_) ok_ = WriteActionRecord(out_, value);
}

bool BinaryWriteVisitor::BeginList(std::string_view, std::int32_t& count) {
  Check(count >= 0 && WriteInt32(out_, count));
  return ok_;
}

}  // namespace plexara
