// Kind records of the form-input objects: the Edit box checked against an expected text, and the
// RadioButton and CheckBox choices that can be required on submission. Plain data with the values
// of a newly placed object; the field list in the .cpp fixes the stored order and widths.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "storage/font_data.h"
#include "storage/kind_table.h"
#include "storage/record_fields.h"

namespace plexara {

// Edit: a one-line text input; SubmitForm compares its Text with AccurateText. The count of wrong
// entries is run-time state of the control and starts again at 0 on every page load, so it is not
// part of the record.
struct EditRecord {
  static constexpr std::uint8_t kKind = 14;
  static constexpr int kWriteCode = 1017;
  static constexpr int kReadCode = 1018;

  bool autoHeight = true;
  std::uint8_t border = 1;    // 0 none, 1 single
  std::uint8_t charCase = 0;  // 0 as typed, 1 upper case, 2 lower case
  ColorRef color = static_cast<ColorRef>(0x80000005u);  // the system window colour
  std::int32_t maxLength = 0;                            // 0 = no limit
  std::uint8_t passwordChar = 0;                         // character code; 0 = text shown
  // The tab position as last stored; the page derives the final order from it once every object
  // has been read.
  std::int32_t tabOrder = 0;
  std::int16_t cursor = 0;  // platform cursor number; 0 = default pointer
  std::string hint;
  FontData font;
  std::int32_t allowRetry = 0;  // wrong entries allowed; 0 = unlimited
  std::string errorMessage = "Invalid text, please retry.";
  std::string errorCaption = "Invalid";
  std::string failedMessage = "Invalid text, exit.";
  std::string failedCaption = "Invalid";
  std::string accurateText;
  std::string text;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 121;
  std::int32_t height = 25;

  friend bool operator==(const EditRecord&, const EditRecord&) = default;
};

// The shared layout of RadioButton and CheckBox. Neither kind is a special case of the other, so
// both derive from this common part, which only the two kinds construct.
struct ChoiceInputRecord {
  std::uint8_t alignment = 1;  // 0 caption left of the box, 1 right
  std::string caption;
  bool checked = false;
  ColorRef color = kColorSystemButtonFace;
  std::int16_t cursor = 0;
  std::string hint;
  FontData font;
  std::int32_t tabOrder = 0;
  bool wordWrap = false;
  // Carried without use; written back as read.
  std::int32_t reservedInteger = 0;
  std::string errorMessage;
  std::string errorCaption = "Invalid";
  std::string reservedText1;
  std::string reservedText2;
  bool needCheck = true;  // the form cannot be submitted while this is unchecked
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 17;

  friend bool operator==(const ChoiceInputRecord&, const ChoiceInputRecord&) = default;

 protected:
  ChoiceInputRecord(std::string_view newCaption, std::string_view newErrorMessage, std::int32_t newWidth)
      : caption(newCaption), errorMessage(newErrorMessage), width(newWidth) {}
};

struct RadioButtonRecord : ChoiceInputRecord {
  static constexpr std::uint8_t kKind = 15;
  static constexpr int kWriteCode = 1015;
  static constexpr int kReadCode = 1016;

  RadioButtonRecord() : ChoiceInputRecord("New RadioButton", "Please select the radio button.", 113) {}
  friend bool operator==(const RadioButtonRecord&, const RadioButtonRecord&) = default;
};

struct CheckBoxRecord : ChoiceInputRecord {
  static constexpr std::uint8_t kKind = 16;
  static constexpr int kWriteCode = 1013;
  static constexpr int kReadCode = 1014;

  CheckBoxRecord() : ChoiceInputRecord("New CheckBox", "Please select the check box.", 97) {}
  friend bool operator==(const CheckBoxRecord&, const CheckBoxRecord&) = default;
};

void VisitFields(FieldVisitor& v, EditRecord& r);
void VisitFields(FieldVisitor& v, ChoiceInputRecord& r);
void VisitFields(FieldVisitor& v, RadioButtonRecord& r);
void VisitFields(FieldVisitor& v, CheckBoxRecord& r);

}  // namespace plexara
