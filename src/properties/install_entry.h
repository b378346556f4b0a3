// The rules of the Install Software dialog without its window: what the author
// types becomes a TInstallWare record (paths kept relative to the disc folder,
// a file type with its dot), what picking an installer fills in, and the checks
// that keep a useless entry out of the install list. The dialog itself is
// install_entry_dialog_win32.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "storage/install_list.h"

namespace plexara {

inline constexpr std::string_view kInstallEntryCaption = "Install Software";

// The "When:" list; an entry's position is the stored value
// (kInstallIfNoViewer, kInstallAlways).
inline constexpr std::array<std::string_view, 2> kInstallWhenChoices = {
    "If no viewer for file type", "Always"};

// The file types the "File Type:" list offers; the author may type any other.
inline constexpr std::array<std::string_view, 10> kInstallFileTypes = {
    ".avi (Video Clip)",
    ".doc (Microsoft Word Document)",
    ".mov (QuickTime Movie)",
    ".mp3 (MP3 Audio File)",
    ".mpg (MPEG Video)",
    ".pdf (Adobe Acrobat Document)",
    ".pps (Microsoft PowerPoint Slide Show)",
    ".ppt (Microsoft PowerPoint Presentation)",
    ".swf (Shockware Flash)",
    ".xls (Microsoft Excel Worksheet)",
};

inline constexpr std::string_view kInstallInformationCaption = "Information";
inline constexpr std::string_view kInstallerIsPlayerText =
    "The installation executable file can not be the";
inline constexpr std::string_view kNoInstallerText =
    "Please input or select the installation executable file.";
inline constexpr std::string_view kNoFileTypeText =
    "Please input or select the file extension for the file type.";

// A typed installer or start directory as the record keeps it: trimmed, with a
// backslash in front when it has none (the player joins it to the disc folder).
// Empty text stays empty.
std::string InstallPathFromText(std::string_view text);

// True for a path that names nothing: empty or a single backslash once trimmed.
bool IsEmptyInstallPath(std::string_view text);

// A typed file type as the record keeps it: trimmed, with a dot in front when
// it has none. Empty text stays empty.
std::string InstallFileTypeFromText(std::string_view text);

// The record the dialog's fields make: installer, start directory and file type
// as above; every other field as typed or chosen.
TInstallWare NormalizedInstallEntry(const TInstallWare& typed);

// The value "&Select..." hands to the file picker: the installer as the record
// keeps it, or empty when the field names nothing.
std::string InstallerPickerValue(std::string_view typedInstaller);

// After an installer was picked: the installer is set, the parameters emptied
// (they belonged to the previous program) and the start directory becomes the
// installer's folder ("\" for the disc folder itself).
void ApplyPickedInstaller(TInstallWare& typed, std::string_view picked);

// The field a refused entry puts the focus on.
enum class InstallEntryField { Installer, FileType };

struct InstallEntryProblem {
  InstallEntryField field;
  std::string message;  // shown with kInstallInformationCaption
  friend bool operator==(const InstallEntryProblem&, const InstallEntryProblem&) = default;
};

// The checks of "&OK", on the fields as typed, first failing one wins: the
// player itself (AUTORUN.EXE in the disc folder, any letter case) is refused,
// then an installer that names nothing, then an empty file type while the entry
// runs only when no viewer for it exists.
std::optional<InstallEntryProblem> CheckInstallEntry(const TInstallWare& typed);

}  // namespace plexara
