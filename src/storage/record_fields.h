// Records list their fields once, in stream order, as calls on a FieldVisitor. The same list then
// drives every form of the record: reading and writing the binary file layout, and dumping to and
// building from the readable JSON of the inspect tool. So the field order, the widths and the
// names can never drift apart between the forms.
//
// A record's visit function looks like
//   void VisitFields(FieldVisitor& v, ButtonRecord& r) {
//     v.Int32("Left", r.left);
//     v.String("Caption", r.caption);
//     v.Font("Font", r.font);
//   }
// and may branch on values it has already visited (they are known in every direction at that
// point) or on v.reading() for layouts that differ between old and new files. After the first
// failure every later call does nothing, so a visit function needs no error checks of its own.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "storage/font_data.h"
#include "storage/font_labels.h"
#include "storage/fx_effect.h"
#include "storage/menu_item_data.h"
#include "storage/picture.h"

namespace plexara {

struct TCommand;

class FieldVisitor {
 public:
  virtual ~FieldVisitor() = default;

  // True when the visit fills the record (binary read, JSON build); false when it takes values.
  virtual bool reading() const = 0;
  bool ok() const { return ok_; }

  virtual void Byte(std::string_view name, std::uint8_t& value) = 0;
  virtual void Bool(std::string_view name, bool& value) = 0;
  virtual void UInt16(std::string_view name, std::uint16_t& value) = 0;
  virtual void Int32(std::string_view name, std::int32_t& value) = 0;
  // Signed 16-bit and unsigned 32-bit fields: the same bytes as UInt16 and Int32; the readable
  // form shows their real values.
  virtual void Int16(std::string_view name, std::int16_t& value) {
    auto bits = static_cast<std::uint16_t>(value);
    UInt16(name, bits);
    if (reading() && ok_) value = static_cast<std::int16_t>(bits);
  }
  virtual void UInt32(std::string_view name, std::uint32_t& value) {
    auto bits = static_cast<std::int32_t>(value);
    Int32(name, bits);
    if (reading() && ok_) value = static_cast<std::uint32_t>(bits);
  }
  // A platform colour value (an int32 in the file).
  virtual void Color(std::string_view name, ColorRef& value) = 0;
  // An enumeration stored as one byte; names[i] is the name of ordinal i (JSON adds it as
  // name + "Name"; ordinals past the table are kept and have no name).
  virtual void Enum(std::string_view name, std::uint8_t& value, std::span<const std::string_view> names) = 0;
  virtual void String(std::string_view name, std::string& value) = 0;
  virtual void Font(std::string_view name, FontData& value) = 0;
  virtual void Picture(std::string_view name, plexara::Picture& value) = 0;
  virtual void Effect(std::string_view name, TFxEffect& value) = 0;
  virtual void FontLabels(std::string_view name, TFontLabels& value) = 0;
  virtual void MenuItem(std::string_view name, MenuItemData& value) = 0;
  virtual void Command(std::string_view name, TCommand& value) = 0;

  // A list stored as an int32 count followed by its elements. Elements are appended one at a time
  // while reading, so a hostile count costs no more memory than the data really holds.
  template <typename T, typename Element>
  void List(std::string_view name, std::vector<T>& items, Element&& element) {
    std::int32_t count = static_cast<std::int32_t>(items.size());
    if (!ok_ || !BeginList(name, count)) return;
    if (reading()) items.clear();
    for (std::int32_t i = 0; i < count && ok_; ++i) {
      if (reading()) items.emplace_back();
      BeginElement(static_cast<std::size_t>(i));
      element(*this, items[static_cast<std::size_t>(i)]);
      EndElement();
    }
    if (ok_) EndList();
  }

  // A named group of fields: a nested object in JSON, nothing at all in the binary layout.
  template <typename Fields>
  void Group(std::string_view name, Fields&& fields) {
    if (!ok_) return;
    BeginGroup(name);
    fields();
    if (ok_) EndGroup();
  }

  // The report code used for failures of this visitor's own scalar fields (binary forms only);
  // returns the previous one. Nested primitives and records report with their own codes.
  int SetReportCode(int code) {
    const int previous = reportCode_;
    reportCode_ = code;
    return previous;
  }
  int reportCode() const { return reportCode_; }

  // Marks the visit failed, reporting when a report code applies (the binary forms).
  virtual void Fail(std::string_view why) = 0;

 protected:
  // Binary: reads or writes the count (refusing a negative one or one the remaining data cannot
  // hold). JSON: opens the array.
  virtual bool BeginList(std::string_view name, std::int32_t& count) = 0;
  virtual void BeginElement(std::size_t index) = 0;
  virtual void EndElement() = 0;
  virtual void EndList() = 0;
  virtual void BeginGroup(std::string_view name) = 0;
  virtual void EndGroup() = 0;

  bool ok_ = true;
  int reportCode_ = 0;
};

// Keeps a report code for the duration of a scope.
class ScopedReportCode {
 public:
  ScopedReportCode(FieldVisitor& visitor, int code) : visitor_(visitor), previous_(visitor.SetReportCode(code)) {}
  ~ScopedReportCode() { visitor_.SetReportCode(previous_); }
  ScopedReportCode(const ScopedReportCode&) = delete;
  ScopedReportCode& operator=(const ScopedReportCode&) = delete;

 private:
  FieldVisitor& visitor_;
  int previous_;
};

// Menu items stored as an int32 count and that many items (menu bars, right-click menus).
inline void MenuItemList(FieldVisitor& v, std::string_view name, std::vector<MenuItemData>& items) {
  v.List(name, items, [](FieldVisitor& visitor, MenuItemData& item) { visitor.MenuItem("item", item); });
}

}  // namespace plexara
