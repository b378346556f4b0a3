// Folder macros: the table's numbering and identifiers, the exact whole-text macro rule, and the
// lookup through the shell seam with the top bit of the entry number ignored.
#include "player/special_folders.h"

#include <gtest/gtest.h>

#include <set>

#include "support/recording_shell.h"

namespace plexara {
namespace {

using testing_support::ScopedShellRecording;

TEST(SpecialFolders, TableNumberingFollowsTheIdentifierGaps) {
  ASSERT_EQ(kSpecialFolderTable.size(), 57u);
  std::set<std::string_view> names;
  for (std::size_t i = 0; i < kSpecialFolderTable.size(); ++i) {
    const SpecialFolder& folder = kSpecialFolderTable[i];
    EXPECT_EQ(folder.entry, i);
    int expected = 0;
    if (i <= 14) {
      expected = static_cast<int>(i);
    } else if (i <= 48) {
      expected = static_cast<int>(i) + 1;
    } else if (i <= 55) {
      expected = static_cast<int>(i) - 49 + 53;
    } else {
      expected = 61;
    }
    EXPECT_EQ(folder.csidl, expected) << folder.name;
    EXPECT_EQ(SpecialFolderCsidl(static_cast<std::uint8_t>(i)), expected);
    EXPECT_TRUE(names.insert(folder.name).second) << "duplicate name " << folder.name;
  }
  // Spot checks against the platform's identifier names.
  EXPECT_EQ(kSpecialFolderTable[0].name, "Desktop");
  EXPECT_EQ(kSpecialFolderTable[15].name, "DesktopDirectory");
  EXPECT_EQ(kSpecialFolderTable[16].name, "Drives");
  EXPECT_EQ(kSpecialFolderTable[37].name, "ProgramFiles");
  EXPECT_EQ(kSpecialFolderTable[37].csidl, 38);  // CSIDL_PROGRAM_FILES
  EXPECT_EQ(kSpecialFolderTable[48].name, "Connections");
  EXPECT_EQ(kSpecialFolderTable[49].name, "CommonMusic");
  EXPECT_EQ(kSpecialFolderTable[56].name, "ComputersNearMe");
}

TEST(SpecialFolders, TopBitOfTheEntryNumberIsIgnored) {
  EXPECT_EQ(SpecialFolderCsidl(0x80 | 37), 38);
  EXPECT_EQ(SpecialFolderCsidl(0x80), 0);
  EXPECT_EQ(SpecialFolderCsidl(57), -1);
  EXPECT_EQ(SpecialFolderCsidl(0x80 | 57), -1);
  EXPECT_EQ(SpecialFolderCsidl(0xFF), -1);

  ScopedShellRecording recording;
  recording.shell.folders[38] = "C:\\Program Files";
  EXPECT_EQ(SpecialFolderPath(0x80 | 37), "C:\\Program Files");
  EXPECT_EQ(SpecialFolderPath(57), "");  // past the table: the shell is not asked
  EXPECT_EQ(recording.shell.folderLookups, std::vector<int>{38});
}

TEST(SpecialFolders, MacroMustBeTheWholeTextInExactCase) {
  const struct {
    const char* text;
    int entry;  // the entry looked up; -1: no lookup, empty result
  } cases[] = {
      {"[ProgramFiles]", 37},
      {"[Desktop]", 0},
      {"[ComputersNearMe]", 56},
      {"[CDBurnArea]", 55},
      {"[programfiles]", -1},
      {"[PROGRAMFILES]", -1},
      {"ProgramFiles", -1},
      {"[]", -1},
      {"[", -1},
      {"", -1},
      {"[X]", -1},
      {"[ProgramFiles]\\Tools", -1},
      {"C:\\[ProgramFiles]", -1},
      {"[ProgramFiles", -1},
      {"ProgramFiles]", -1},
      {"[ ProgramFiles]", -1},
      {"[ProgramFiles ]", -1},
      {"[[ProgramFiles]]", -1},
  };
  for (const auto& c : cases) {
    std::vector<int> lookups;
    const std::string path = ResolveFolderMacro(c.text, [&](std::uint8_t entry) {
      lookups.push_back(entry);
      return "folder" + std::to_string(entry);
    });
    if (c.entry < 0) {
      EXPECT_EQ(path, "") << c.text;
      EXPECT_TRUE(lookups.empty()) << c.text;
    } else {
      EXPECT_EQ(path, "folder" + std::to_string(c.entry)) << c.text;
      EXPECT_EQ(lookups, std::vector<int>{c.entry}) << c.text;
    }
  }
}

TEST(SpecialFolders, MacroResolvesThroughTheShellSeam) {
  ScopedShellRecording recording;
  recording.shell.folders[38] = "C:\\Program Files";
  EXPECT_EQ(ResolveFolderMacro("[ProgramFiles]"), "C:\\Program Files");
  EXPECT_EQ(ResolveFolderMacro("[Drives]"), "");  // a virtual folder: the shell has no path
  EXPECT_EQ(ResolveFolderMacro("[programfiles]"), "");
  EXPECT_EQ(recording.shell.folderLookups, (std::vector<int>{38, 17}));
}

}  // namespace
}  // namespace plexara
