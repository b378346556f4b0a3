// The Open/Run Files rules: the rows a stored target shows, the exact bytes the rows write, the
// row a picked file makes, and the refusal of the player itself.
#include "properties/run_entries.h"

#include <gtest/gtest.h>

namespace plexara {
namespace {

using namespace std::string_literals;

RunListEntry Entry(std::string file, std::string parameters, std::string folder, bool wait) {
  return RunListEntry{std::move(file), std::move(parameters), std::move(folder), wait};
}

TEST(RunEntries, AnEmptyListWithOneAddedFileWritesOneRecord) {
  std::vector<RunListEntry> rows = RunRowsFromSettings("");
  EXPECT_TRUE(rows.empty());
  rows.push_back(RunEntryFromPickedFile("\\Tools\\setup.exe"));
  EXPECT_EQ(RunSettingsFromRows(rows), "\\Tools\\setup.exe\x01\x01\\Tools\x01 \x01\x02"s);
  // A file straight in the disc folder starts there; a bare name has no folder to start in.
  EXPECT_EQ(RunEntryFromPickedFile("\\readme.txt"), Entry("\\readme.txt", "", "\\", false));
  EXPECT_EQ(RunFolderPart("setup.exe"), "");
  EXPECT_EQ(RunFolderPart("\\A\\B\\c.exe"), "\\A\\B");
}

TEST(RunEntries, StoredTargetsShowAsRowsAndRowsWriteTheListForm) {
  // The single form is the one file the player runs.
  EXPECT_EQ(RunRowsFromSettings("\\Docs\\manual.pdf"),
            (std::vector<RunListEntry>{Entry("\\Docs\\manual.pdf", "", "", false)}));
  const std::string list = "\\a.exe\x01-x\x01\\\x01Y\x01\x02\\b.txt\x01\x01\x01 \x01\x02"s;
  const std::vector<RunListEntry> rows = RunRowsFromSettings(list);
  EXPECT_EQ(rows, (std::vector<RunListEntry>{Entry("\\a.exe", "-x", "\\", true),
                                             Entry("\\b.txt", "", "", false)}));
  EXPECT_EQ(RunSettingsFromRows(rows), list);
  EXPECT_EQ(RunSettingsFromRows({}), "");
}

TEST(RunEntries, ThePlayerIsRefusedInEverySpelling) {
  for (const char* file : {"\\AUTORUN.EXE", "autorun.exe", "  AutoRun.Exe  ", "\t\\autorun.EXE "})
    EXPECT_TRUE(IsPlayerRunFile(file)) << file;
  for (const char* file :
       {"\\setup\\autorun.exe", "autorun.exe.lnk", "autorun", "\\\\autorun.exe", "", "\\"})
    EXPECT_FALSE(IsPlayerRunFile(file)) << file;
}

TEST(RunEntries, TheEditorTrimsItsFieldsAndStartsThePickerOnTheTypedFile) {
  EXPECT_EQ(TrimmedRunEntry(Entry("  \\a.exe ", " -x ", " \\Tools\t", true)),
            Entry("\\a.exe", "-x", "\\Tools", true));
  EXPECT_EQ(RunFilePickerValue(" \\ "), "");
  EXPECT_EQ(RunFilePickerValue(" \\Docs\\a.pdf "), "\\Docs\\a.pdf");
  EXPECT_EQ(RunFilePickerValue("a.pdf"), "a.pdf");
}

}  // namespace
}  // namespace plexara
