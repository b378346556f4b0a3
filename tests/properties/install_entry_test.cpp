#include "properties/install_entry.h"

#include <gtest/gtest.h>

namespace plexara {
namespace {

TInstallWare Typed(std::string installer, std::int32_t when, std::string fileType) {
  TInstallWare typed;
  typed.installer = std::move(installer);
  typed.when = when;
  typed.fileType = std::move(fileType);
  return typed;
}

TEST(InstallEntry, OkChecksRefuseThePlayerAnEmptyInstallerAndAMissingFileTypeInOrder) {
  using enum InstallEntryField;
  struct Case {
    TInstallWare typed;
    std::optional<InstallEntryProblem> expected;
  };
  const std::string player = "The installation executable file can not be the ";
  const std::string noInstaller = "Please input or select the installation executable file.";
  const std::string noFileType = "Please input or select the file extension for the file type.";
  const Case cases[] = {
      {Typed("\\AUTORUN.EXE", kInstallIfNoViewer, ".pdf"),
       InstallEntryProblem{Installer, player + "\"\\AUTORUN.EXE\""}},
      {Typed("  AutoRun.exe ", kInstallAlways, ""),
       InstallEntryProblem{Installer, player + "\"AutoRun.exe\""}},
      {Typed("\\autorun.EXE", kInstallIfNoViewer, ""),
       InstallEntryProblem{Installer, player + "\"\\autorun.EXE\""}},
      // An autorun.exe below the disc folder is some other program.
      {Typed("\\setup\\autorun.exe", kInstallIfNoViewer, ".pdf"), std::nullopt},
      {Typed("", kInstallIfNoViewer, ""), InstallEntryProblem{Installer, noInstaller}},
      {Typed(" \\ ", kInstallAlways, ".pdf"), InstallEntryProblem{Installer, noInstaller}},
      {Typed("\t", kInstallAlways, ""), InstallEntryProblem{Installer, noInstaller}},
      {Typed("setup.exe", kInstallIfNoViewer, "  "), InstallEntryProblem{FileType, noFileType}},
      {Typed("setup.exe", kInstallAlways, ""), std::nullopt},
      {Typed("setup.exe", 7, ""),
       std::nullopt},  // a stored value the list does not offer never runs
      {Typed("\\setup.exe", kInstallIfNoViewer, "pdf"), std::nullopt},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckInstallEntry(c.typed), c.expected)
        << '"' << c.typed.installer << "\" when " << c.typed.when << " type \"" << c.typed.fileType
        << '"';
  }
}

TEST(InstallEntry, TypedPathsGetABackslashAndFileTypesADot) {
  struct Case {
    const char* text;
    const char* expected;
  };
  const Case paths[] = {{"setup.exe", "\\setup.exe"},
                        {"  \\Tools\\setup.exe\t", "\\Tools\\setup.exe"},
                        {"\\", "\\"},
                        {"", ""},
                        {"   ", ""}};
  for (const Case& c : paths)
    EXPECT_EQ(InstallPathFromText(c.text), c.expected) << '"' << c.text << '"';
  const Case fileTypes[] = {{"pdf", ".pdf"},
                            {" .pdf (Adobe Acrobat Document) ", ".pdf (Adobe Acrobat Document)"},
                            {"mp3 (MP3 Audio File)", ".mp3 (MP3 Audio File)"},
                            {"", ""},
                            {" \t", ""}};
  for (const Case& c : fileTypes)
    EXPECT_EQ(InstallFileTypeFromText(c.text), c.expected) << '"' << c.text << '"';

  TInstallWare typed = Typed(" Setup\\go.exe ", kInstallIfNoViewer, "pdf ");
  typed.parameters = " /S ";
  typed.startDirectory = "Setup ";
  typed.reservedText = "kept";
  typed.reservedInteger = 9;
  TInstallWare expected = typed;
  expected.installer = "\\Setup\\go.exe";
  expected.startDirectory = "\\Setup";
  expected.fileType = ".pdf";
  EXPECT_EQ(NormalizedInstallEntry(typed),
            expected);  // parameters as typed, reserved fields kept
}

TEST(InstallEntry, PickingAnInstallerSetsItsFolderAndDropsTheOldParameters) {
  EXPECT_EQ(InstallerPickerValue(""), "");
  EXPECT_EQ(InstallerPickerValue(" \\ "), "");
  EXPECT_EQ(InstallerPickerValue(" Tools\\setup.exe"), "\\Tools\\setup.exe");

  struct Case {
    const char* picked;
    const char* installer;
    const char* startDirectory;
  };
  const Case cases[] = {
      {"\\Tools\\Reader\\setup.msi", "\\Tools\\Reader\\setup.msi", "\\Tools\\Reader"},
      {"\\setup.exe", "\\setup.exe", "\\"},
  };
  for (const Case& c : cases) {
    TInstallWare typed = Typed("\\old.exe", kInstallAlways, ".doc");
    typed.parameters = "/quiet";
    typed.startDirectory = "\\Old";
    ApplyPickedInstaller(typed, c.picked);
    EXPECT_EQ(typed.installer, c.installer);
    EXPECT_EQ(typed.parameters, "");
    EXPECT_EQ(typed.startDirectory, c.startDirectory);
    EXPECT_EQ(typed.fileType, ".doc");
  }
}

}  // namespace
}  // namespace plexara
