// Field lists of the form-input kind records, in stored order. Flags are single bytes, the tab
// order a sign-extended int32 and the cursor number a signed 16-bit value (negative numbers are
// the platform's stock cursors).
#include "storage/form_input_records.h"

#include <array>

#include "storage/kind_table.h"

namespace plexara {

namespace {

constexpr std::array<std::string_view, 2> kBorderNames = {"None", "Single"};
constexpr std::array<std::string_view, 3> kCharCaseNames = {"Normal", "UpperCase", "LowerCase"};
constexpr std::array<std::string_view, 2> kAlignmentNames = {"Left", "Right"};

void BoundsFields(FieldVisitor& v, std::int32_t& left, std::int32_t& top, std::int32_t& width,
                  std::int32_t& height) {
  v.Int32("Left", left);
  v.Int32("Top", top);
  v.Int32("Width", width);
  v.Int32("Height", height);
}

}  // namespace

void VisitFields(FieldVisitor& v, EditRecord& r) {
  v.Bool("AutoHeight", r.autoHeight);
  v.Enum("Border", r.border, kBorderNames);
  v.Enum("CharCase", r.charCase, kCharCaseNames);
  v.Color("Color", r.color);
  v.Int32("MaxLength", r.maxLength);
  v.Byte("PasswordChar", r.passwordChar);
  v.Int32("TabOrder", r.tabOrder);
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.Font("Font", r.font);
  v.Int32("AllowRetry", r.allowRetry);
  v.String("ErrorMessage", r.errorMessage);
  v.String("ErrorCaption", r.errorCaption);
  v.String("FailedMessage", r.failedMessage);
  v.String("FailedCaption", r.failedCaption);
  v.String("AccurateText", r.accurateText);
  v.String("Text", r.text);
  BoundsFields(v, r.left, r.top, r.width, r.height);
}

void VisitFields(FieldVisitor& v, ChoiceInputRecord& r) {
  v.Enum("Alignment", r.alignment, kAlignmentNames);
  v.String("Caption", r.caption);
  v.Bool("Checked", r.checked);
  v.Color("Color", r.color);
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.Font("Font", r.font);
  v.Int32("TabOrder", r.tabOrder);
  v.Bool("WordWrap", r.wordWrap);
  v.Int32("reservedInteger", r.reservedInteger);
  v.String("ErrorMessage", r.errorMessage);
  v.String("ErrorCaption", r.errorCaption);
  v.String("reservedText1", r.reservedText1);
  v.String("reservedText2", r.reservedText2);
  v.Bool("NeedCheck", r.needCheck);
  BoundsFields(v, r.left, r.top, r.width, r.height);
}

void VisitFields(FieldVisitor& v, RadioButtonRecord& r) { VisitFields(v, static_cast<ChoiceInputRecord&>(r)); }

void VisitFields(FieldVisitor& v, CheckBoxRecord& r) { VisitFields(v, static_cast<ChoiceInputRecord&>(r)); }

}  // namespace plexara
