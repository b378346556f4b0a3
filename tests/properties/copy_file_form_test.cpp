// The copy dialog's rules: the message type it reads and writes, the target folders it offers and
// the folder a typed target resolves to, and the trimming of the typed fields.
#include "properties/copy_file_form.h"

#include <gtest/gtest.h>

#include <map>

namespace plexara {
namespace {

using namespace std::string_literals;

std::string WithMessageType(std::string_view type) {
  return "\\src\x01[Desktop]\x01 \x01Y\x01"
         "Copy File\x01Go?\x01"s +
         std::string(type) + "\x01run.exe\x01\x01\\\x01"s;
}

TEST(CopyFileForm, OnlyZeroToThreeAreReadAsTheMessageTypeAndOnlyListEntriesAreShown) {
  struct Case {
    const char* field;
    int read;   // the decoded type
    int shown;  // the list entry it selects
  };
  const Case cases[] = {
      {"0", 0, 0},  {"1", 1, 1},  {"2", 2, -1}, {"3", 3, -1}, {"4", 1, 1},
      {"-1", 1, 1}, {"01", 1, 1}, {" 0", 1, 1}, {"", 1, 1},
  };
  for (const Case& c : cases) {
    const CopyFileSettings settings = CopyFileSettings::Decode(WithMessageType(c.field));
    EXPECT_EQ(settings.messageType, c.read) << '"' << c.field << '"';
    EXPECT_EQ(CopyMessageTypeIndex(settings.messageType), c.shown) << '"' << c.field << '"';
  }
  // No entry chosen in the list is written as Yes/No.
  CopyFileSettings none;
  none.messageType = -1;
  EXPECT_EQ(none.Encode(),
            "\x01\x01 \x01Y\x01"
            "Copy File\x01"
            "Copy file/folder to your hard disk then open file, continue?\x01"
            "1\x01\x01\x01\\\x01"s);
}

TEST(CopyFileForm, TargetsAreTheMacrosThatResolveHereAndTheReferenceShowsTheFolder) {
  const std::map<int, std::string> paths = {
      {0, "C:\\Users\\Ann\\Desktop"}, {16, ""}, {37, "C:\\Program Files"}};
  std::vector<int> asked;
  const SpecialFolderLookup lookup = [&](std::uint8_t entry) {
    asked.push_back(entry);
    const auto found = paths.find(entry);
    return found == paths.end() ? std::string() : found->second;
  };
  EXPECT_EQ(CopyTargetChoices(lookup), (std::vector<std::string>{"[Desktop]", "[ProgramFiles]"}));
  EXPECT_EQ(asked.size(), kSpecialFolderTable.size());

  EXPECT_EQ(CopyTargetReference("[Desktop]", lookup), "C:\\Users\\Ann\\Desktop");
  EXPECT_EQ(CopyTargetReference(" [ProgramFiles] ", lookup), "C:\\Program Files");
  // Anything that does not resolve is shown as typed.
  for (const char* typed : {"[desktop]", "D:\\Apps", "[Desktop]\\Sub", "[Drives]", "[]", ""})
    EXPECT_EQ(CopyTargetReference(typed, lookup), typed) << typed;
}

TEST(CopyFileForm, WritingTrimsTheTextFieldsAndKeepsTheRest) {
  CopyFileSettings typed;
  typed.source = " \\Setup ";
  typed.targetFolder = "\t[ProgramFiles] ";
  typed.overwrite = true;
  typed.showMessage = false;
  typed.caption = " Copy ";
  typed.message = " Go? ";
  typed.messageType = 0;
  typed.runFile = " run.exe ";
  typed.runParameters = " -a ";
  typed.runFolder = " \\ ";
  const CopyFileSettings trimmed = TrimmedCopySettings(typed);
  EXPECT_EQ(trimmed.Encode(),
            "\\Setup\x01[ProgramFiles]\x01Y\x01 \x01"
            "Copy\x01Go?\x01"
            "0\x01run.exe\x01-a\x01\\\x01"s);
}

}  // namespace
}  // namespace plexara
