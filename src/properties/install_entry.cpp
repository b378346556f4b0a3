#include "properties/install_entry.h"

#include <algorithm>
#include <cctype>

namespace plexara {
namespace {

// Blanks and control characters, as the edit fields may leave them around a
// pasted path.
bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string WithPrefix(std::string_view text, char prefix) {
  const std::string_view trimmed = Trimmed(text);
  if (trimmed.empty() || trimmed.front() == prefix) return std::string(trimmed);
  return prefix + std::string(trimmed);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::string InstallPathFromText(std::string_view text) { return WithPrefix(text, '\\'); }

bool IsEmptyInstallPath(std::string_view text) {
  const std::string_view trimmed = Trimmed(text);
  return trimmed.empty() || trimmed == "\\";
}

std::string InstallFileTypeFromText(std::string_view text) { return WithPrefix(text, '.'); }

TInstallWare NormalizedInstallEntry(const TInstallWare& typed) {
  TInstallWare entry = typed;
  entry.installer = InstallPathFromText(typed.installer);
  entry.startDirectory = InstallPathFromText(typed.startDirectory);
  entry.fileType = InstallFileTypeFromText(typed.fileType);
  return entry;
}

std::string InstallerPickerValue(std::string_view typedInstaller) {
  return IsEmptyInstallPath(typedInstaller) ? std::string() : InstallPathFromText(typedInstaller);
}

void ApplyPickedInstaller(TInstallWare& typed, std::string_view picked) {
  typed.installer = InstallPathFromText(picked);
  typed.parameters.clear();
  const std::size_t slash = typed.installer.rfind('\\');
  // The picker's values always start with a backslash; one at the front alone
  // is the disc folder.
  typed.startDirectory =
      slash == std::string::npos || slash == 0 ? "\\" : typed.installer.substr(0, slash);
}

std::optional<InstallEntryProblem> CheckInstallEntry(const TInstallWare& typed) {
  const std::string_view installer = Trimmed(typed.installer);
  // The player is the disc's own autorun.exe: running it as an installer would
  // start it again.
  if (EqualIgnoringCase(installer, "\\AUTORUN.EXE") || EqualIgnoringCase(installer, "AUTORUN.EXE"))
    return InstallEntryProblem{
        InstallEntryField::Installer,
        std::string(kInstallerIsPlayerText) + " \"" + std::string(installer) + "\""};
  if (IsEmptyInstallPath(installer))
    return InstallEntryProblem{InstallEntryField::Installer, std::string(kNoInstallerText)};
  if (typed.when == kInstallIfNoViewer && Trimmed(typed.fileType).empty())
    return InstallEntryProblem{InstallEntryField::FileType, std::string(kNoFileTypeText)};
  return std::nullopt;
}

}  // namespace plexara
