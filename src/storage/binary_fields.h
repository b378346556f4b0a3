// The binary forms of FieldVisitor: read a record from an InStream or write it to an OutStream in
// the file layout. Own scalar failures are reported once with the current report code; nested
// primitives (string, font, picture, effect, font labels, menu item, action record) report with
// their own codes.
#pragma once

#include "storage/byte_stream.h"
#include "storage/record_fields.h"

namespace plexara {

class BinaryReadVisitor final : public FieldVisitor {
 public:
  BinaryReadVisitor(InStream& in, int reportCode) : in_(in) { reportCode_ = reportCode; }
  bool reading() const override { return true; }
  InStream& stream() { return in_; }

  void Byte(std::string_view name, std::uint8_t& value) override;
  void Bool(std::string_view name, bool& value) override;
  void UInt16(std::string_view name, std::uint16_t& value) override;
  void Int32(std::string_view name, std::int32_t& value) override;
  void Color(std::string_view name, ColorRef& value) override;
  void Enum(std::string_view name, std::uint8_t& value, std::span<const std::string_view> names) override;
  void String(std::string_view name, std::string& value) override;
  void Font(std::string_view name, FontData& value) override;
  void Picture(std::string_view name, plexara::Picture& value) override;
  void Effect(std::string_view name, TFxEffect& value) override;
  void FontLabels(std::string_view name, TFontLabels& value) override;
  void MenuItem(std::string_view name, MenuItemData& value) override;
  void Command(std::string_view name, TCommand& value) override;
  void Fail(std::string_view why) override;

 protected:
  bool BeginList(std::string_view name, std::int32_t& count) override;
  void BeginElement(std::size_t) override {}
  void EndElement() override {}
  void EndList() override {}
  void BeginGroup(std::string_view) override {}
  void EndGroup() override {}

 private:
  void Check(bool ok);
  InStream& in_;
};

class BinaryWriteVisitor final : public FieldVisitor {
 public:
  BinaryWriteVisitor(OutStream& out, int reportCode) : out_(out) { reportCode_ = reportCode; }
  bool reading() const override { return false; }
  OutStream& stream() { return out_; }

  void Byte(std::string_view name, std::uint8_t& value) override;
  void Bool(std::string_view name, bool& value) override;
  void UInt16(std::string_view name, std::uint16_t& value) override;
  void Int32(std::string_view name, std::int32_t& value) override;
  void Color(std::string_view name, ColorRef& value) override;
  void Enum(std::string_view name, std::uint8_t& value, std::span<const std::string_view> names) override;
  void String(std::string_view name, std::string& value) override;
  void Font(std::string_view name, FontData& value) override;
  void Picture(std::string_view name, plexara::Picture& value) override;
  void Effect(std::string_view name, TFxEffect& value) override;
  void FontLabels(std::string_view name, TFontLabels& value) override;
  void MenuItem(std::string_view name, MenuItemData& value) override;
  void Command(std::string_view name, TCommand& value) override;
  void Fail(std::string_view why) override;

 protected:
  bool BeginList(std::string_view name, std::int32_t& count) override;
  void BeginElement(std::size_t) override {}
  void EndElement() override {}
  void EndList() override {}
  void BeginGroup(std::string_view) override {}
  void EndGroup() override {}

 private:
  void Check(bool ok);
  OutStream& out_;
};

// Reads or writes a whole record through its VisitFields; true when every field made it.
template <typename Record>
bool ReadRecord(InStream& in, Record& record, int reportCode) {
  BinaryReadVisitor visitor(in, reportCode);
  VisitFields(visitor, record);
  return visitor.ok();
}

template <typename Record>
bool WriteRecord(OutStream& out, const Record& record, int reportCode) {
  BinaryWriteVisitor visitor(out, reportCode);
  VisitFields(visitor, const_cast<Record&>(record));  // a writing visit never changes the record
  return visitor.ok();
}

}  // namespace plexara
