// Form-input kind records (Edit, RadioButton, CheckBox): round trips, the stored layout, new-object
// values that submission relies on, and damaged records failing once.
#include "storage/form_input_records.h"

#include <gtest/gtest.h>

#include <functional>

#include "storage/binary_fields.h"
#include "support/record_test_helpers.h"
#include "support/recording_reporter.h"
#include "support/stream_helpers.h"

namespace plexara {
namespace {

using testing_support::BytesOf;
using testing_support::ExpectEveryCutFailsOnceWithCodeIn;
using testing_support::Recorder;
using testing_support::ScopedRecording;
using testing_support::Written;
using Bytes = testing_support::Bytes;

FontData SampleFont() {
  FontData font;
  font.name = "Tahoma";
  font.color = RgbColor(200, 10, 30);
  font.size = 13;
  font.style = kFontItalic | kFontUnderline;
  return font;
}

EditRecord SampleEdit() {
  EditRecord r;
  r.autoHeight = false;
  r.border = 0;
  r.charCase = 2;
  r.color = RgbColor(1, 2, 3);
  r.maxLength = 8;
  r.passwordChar = '*';
  r.tabOrder = 3;
  r.cursor = -21;
  r.hint = "Type the key";
  r.font = SampleFont();
  r.allowRetry = 2;
  r.errorMessage = "Wrong, again.";
  r.errorCaption = "Oops";
  r.failedMessage = "Giving up.";
  r.failedCaption = "Bye";
  r.accurateText = "s3cr\xE9t";
  r.text = "typed";
  r.left = -5;
  r.top = 40;
  r.width = 300;
  r.height = 31;
  return r;
}

template <typename Choice>
Choice SampleChoice() {
  Choice r;
  r.alignment = 0;
  r.caption = "I agree";
  r.checked = true;
  r.color = RgbColor(9, 8, 7);
  r.cursor = 5;
  r.hint = "Read first";
  r.font = SampleFont();
  r.tabOrder = 2;
  r.wordWrap = true;
  r.reservedInteger = 77;
  r.errorMessage = "You must agree.";
  r.errorCaption = "Agreement";
  r.reservedText1 = "one";
  r.reservedText2 = "two";
  r.needCheck = false;
  r.left = 10;
  r.top = 20;
  r.width = 150;
  r.height = 19;
  return r;
}

// Write, read into a new object, compare, and write again to the same bytes.
template <typename Record>
void ExpectRoundTrip(const Record& record, const char* name) {
  ScopedRecording recording;
  const Bytes bytes = Written(record);
  MemoryInStream in(bytes);
  Record back;
  ASSERT_TRUE(ReadRecord(in, back, Record::kReadCode)) << name;
  EXPECT_EQ(in.Remaining(), 0u) << name;
  EXPECT_TRUE(back == record) << name;
  EXPECT_EQ(Written(back), bytes) << name;
  EXPECT_TRUE(Recorder().boxes.empty()) << name;
}

TEST(FormInputRecords, RoundTripKeepsEveryField) {
  ExpectRoundTrip(SampleEdit(), "edit");
  ExpectRoundTrip(SampleChoice<RadioButtonRecord>(), "radio button");
  ExpectRoundTrip(SampleChoice<CheckBoxRecord>(), "check box");
  // Stored codes outside the named choices are kept as they are.
  EditRecord oddEdit = SampleEdit();
  oddEdit.border = 9;
  oddEdit.charCase = 200;
  oddEdit.tabOrder = -1;
  ExpectRoundTrip(oddEdit, "edit with unknown codes");
  CheckBoxRecord oddCheck = SampleChoice<CheckBoxRecord>();
  oddCheck.alignment = 4;
  oddCheck.cursor = -32768;
  ExpectRoundTrip(oddCheck, "check box with unknown alignment");
}

TEST(FormInputRecords, ChoiceLayoutIsPinned) {
  CheckBoxRecord r;
  r.alignment = 0;
  r.caption = "Ok";
  r.checked = true;
  r.color = 0x00332211;
  r.cursor = -21;  // two bytes, signed
  r.hint = "";
  r.font = FontData{"A", 0xFF, 8, kFontBold};
  r.tabOrder = -1;  // the 16-bit position sign-extended
  r.wordWrap = true;
  r.reservedInteger = 7;
  r.errorMessage = "E";
  r.errorCaption = "";
  r.reservedText1 = "x";
  r.reservedText2 = "";
  r.needCheck = false;
  r.left = 1;
  r.top = 2;
  r.width = 3;
  r.height = 4;
  EXPECT_EQ(Written(r), BytesOf({0,                                            // Alignment
                                 2, 0, 0, 0, 'O', 'k',                         // Caption
                                 1,                                            // Checked
                                 0x11, 0x22, 0x33, 0,                          // Color
                                 0xEB, 0xFF,                                   // cursor
                                 0, 0, 0, 0,                                   // Hint
                                 1, 0, 0, 0, 'A', 0xFF, 0, 0, 0, 8, 0, 0, 0, 1,  // Font
                                 0xFF, 0xFF, 0xFF, 0xFF,                       // TabOrder
                                 1,                                            // WordWrap
                                 7, 0, 0, 0,                                   // reserved
                                 1, 0, 0, 0, 'E',                              // ErrorMessage
                                 0, 0, 0, 0,                                   // ErrorCaption
                                 1, 0, 0, 0, 'x',                              // reserved
                                 0, 0, 0, 0,                                   // reserved
                                 0,                                            // NeedCheck
                                 1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0}));
}

TEST(FormInputRecords, EditLayoutIsPinned) {
  EditRecord r;
  r.charCase = 1;
  r.color = 0x00010203;
  r.maxLength = 6;
  r.passwordChar = 42;
  r.tabOrder = 3;
  r.cursor = 1;
  r.hint = "h";
  r.font = FontData{"", 0, 9, 0};
  r.allowRetry = 5;
  r.errorMessage = "m";
  r.errorCaption = "c";
  r.failedMessage = "f";
  r.failedCaption = "g";
  r.accurateText = "a";
  r.text = "t";
  r.left = 0x11;
  r.top = 0x22;
  r.width = 0x33;
  r.height = 0x44;
  EXPECT_EQ(Written(r), BytesOf({1, 1, 1,                        // AutoHeight, Border, CharCase
                                 3, 2, 1, 0,                     // Color
                                 6, 0, 0, 0,                     // MaxLength
                                 42,                             // PasswordChar
                                 3, 0, 0, 0,                     // TabOrder
                                 1, 0,                           // cursor
                                 1, 0, 0, 0, 'h',                // Hint
                                 0, 0, 0, 0, 0, 0, 0, 0, 9, 0, 0, 0, 0,  // Font
                                 5, 0, 0, 0,                     // AllowRetry
                                 1, 0, 0, 0, 'm', 1, 0, 0, 0, 'c',  // ErrorMessage, ErrorCaption
                                 1, 0, 0, 0, 'f', 1, 0, 0, 0, 'g',  // FailedMessage, FailedCaption
                                 1, 0, 0, 0, 'a', 1, 0, 0, 0, 't',  // AccurateText, Text
                                 0x11, 0, 0, 0, 0x22, 0, 0, 0, 0x33, 0, 0, 0, 0x44, 0, 0, 0}));
}

TEST(FormInputRecords, NewObjectsCarryTheirSubmissionTexts) {
  const CheckBoxRecord check;
  EXPECT_TRUE(check.needCheck);
  EXPECT_FALSE(check.checked);
  EXPECT_EQ(check.caption, "New CheckBox");
  EXPECT_EQ(check.errorMessage, "Please select the check box.");
  EXPECT_EQ(check.errorCaption, "Invalid");
  const RadioButtonRecord radio;
  EXPECT_TRUE(radio.needCheck);
  EXPECT_EQ(radio.caption, "New RadioButton");
  EXPECT_EQ(radio.errorMessage, "Please select the radio button.");
  const EditRecord edit;
  EXPECT_EQ(edit.errorMessage, "Invalid text, please retry.");
  EXPECT_EQ(edit.failedMessage, "Invalid text, exit.");
  EXPECT_EQ(edit.allowRetry, 0);
}

TEST(FormInputRecords, EveryTruncationFailsWithOneReport) {
  const struct {
    const char* name;
    Bytes bytes;
    std::function<bool(InStream&)> read;
    int ownCode;
  } cases[] = {
      {"edit", Written(SampleEdit()), [](InStream& in) { EditRecord r; return ReadRecord(in, r, EditRecord::kReadCode); },
       1018},
      {"radio button", Written(SampleChoice<RadioButtonRecord>()),
       [](InStream& in) { RadioButtonRecord r; return ReadRecord(in, r, RadioButtonRecord::kReadCode); }, 1016},
      {"check box", Written(SampleChoice<CheckBoxRecord>()),
       [](InStream& in) { CheckBoxRecord r; return ReadRecord(in, r, CheckBoxRecord::kReadCode); }, 1014},
  };
  for (const auto& c : cases) {
    // The kind's own code, or the string or font codec that met the end.
    ASSERT_NO_FATAL_FAILURE(ExpectEveryCutFailsOnceWithCodeIn(c.bytes, c.read, {c.ownCode, 1054, 1052}, c.name));
    // A cut inside the first scalar is the kind's own failure.
    ScopedRecording recording;
    MemoryInStream in(std::span(c.bytes.data(), std::size_t{0}));
    c.read(in);
    ASSERT_EQ(Recorder().boxes.size(), 1u);
    EXPECT_NE(Recorder().boxes[0].text.find("/" + std::to_string(c.ownCode) + ")"), std::string::npos) << c.name;
  }
}

}  // namespace
}  // namespace plexara
