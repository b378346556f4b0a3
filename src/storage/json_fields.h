// The readable form of the records: FieldVisitors that dump a record to JSON and build it back
// from JSON, for the inspect tool and for readable test fixtures. Keys are the records' field
// names; enumerations carry their names beside their numbers; pictures are their tag, size and
// base64 payload; texts are the file's bytes, each byte shown as the character of the same number
// (so any byte survives the trip and plain text reads as itself).
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

#include "storage/record_fields.h"

namespace plexara {

using Json = nlohmann::ordered_json;

class JsonWriteVisitor final : public FieldVisitor {
 public:
  JsonWriteVisitor() : root_(Json::object()) { stack_.push_back(&root_); }
  bool reading() const override { return false; }
  Json TakeJson() { return std::move(root_); }

  void Byte(std::string_view name, std::uint8_t& value) override;
  void Bool(std::string_view name, bool& value) override;
  void UInt16(std::string_view name, std::uint16_t& value) override;
  void Int32(std::string_view name, std::int32_t& value) override;
  void Int16(std::string_view name, std::int16_t& value) override;
  void UInt32(std::string_view name, std::uint32_t& value) override;
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
  void BeginElement(std::size_t index) override;
  void EndElement() override;
  void EndList() override;
  void BeginGroup(std::string_view name) override;
  void EndGroup() override;

 private:
  Json& Top() { return *stack_.back(); }
  Json root_;
  std::vector<Json*> stack_;
};

class JsonReadVisitor final : public FieldVisitor {
 public:
  explicit JsonReadVisitor(const Json& json) { stack_.push_back(&json); }
  bool reading() const override { return true; }
  // The first problem met, with the path of the field ("objects[2].kindRecord.Caption: ...").
  const std::string& error() const { return error_; }

  void Byte(std::string_view name, std::uint8_t& value) override;
  void Bool(std::string_view name, bool& value) override;
  void UInt16(std::string_view name, std::uint16_t& value) override;
  void Int32(std::string_view name, std::int32_t& value) override;
  void Int16(std::string_view name, std::int16_t& value) override;
  void UInt32(std::string_view name, std::uint32_t& value) override;
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
  void BeginElement(std::size_t index) override;
  void EndElement() override;
  void EndList() override;
  void BeginGroup(std::string_view name) override;
  void EndGroup() override;

 private:
  const Json* Field(std::string_view name);  // nullptr (and failed) when missing
  std::int64_t Integer(std::string_view name, std::int64_t low, std::int64_t high);
  std::vector<const Json*> stack_;
  std::vector<std::string> path_;
  std::string error_;
};

// The texts of project files as JSON strings and back; false when the text holds a character
// above U+00FF (it cannot have come from a file byte).
std::string BytesToJsonText(const std::string& bytes);
bool JsonTextToBytes(const std::string& text, std::string& bytes);
std::string Base64Encode(const std::vector<std::uint8_t>& bytes);
bool Base64Decode(const std::string& text, std::vector<std::uint8_t>& bytes);

// The fields of an action record as the readable form shows them: the unpacked fields, not the
// packing slots (a writer rebuilds the slots from the fields).
void VisitCommandFields(FieldVisitor& v, TCommand& command);

template <typename Record>
Json DumpRecord(const Record& record) {
  JsonWriteVisitor visitor;
  VisitFields(visitor, const_cast<Record&>(record));  // a dumping visit never changes the record
  return visitor.TakeJson();
}

// Builds a record from JSON; on failure returns the error with the field's path.
template <typename Record>
Result<Record> BuildRecord(const Json& json) {
  Record record;
  JsonReadVisitor visitor(json);
  VisitFields(visitor, record);
  if (!visitor.ok()) return MakeError(visitor.error());
  return record;
}

}  // namespace plexara
