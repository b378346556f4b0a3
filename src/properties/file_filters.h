// The filters of the platform's open and save dialogs that the pickers and editors offer. A filter
// is written as pairs of "description|patterns" joined by "|"; OpenFilterText turns it into the
// platform's form (each part ended by a NUL, the whole by a second NUL).
#pragma once

#include <string>
#include <string_view>

namespace plexara {

inline constexpr std::string_view kAllFilesFilter = "All (*.*)|*.*";
inline constexpr std::string_view kCursorFilter =
    "All (*.cur;*.ani;*.ico)|*.cur;*.ani;*.ico|Cursor file (*.cur)|*.cur|Animated Cursor file "
    "(*.ani)|*.ani|"
    "Icon file (*.ico)|*.ico";
inline constexpr std::string_view kFlashFilter = "Flash Movies (*.swf)|*.swf";
inline constexpr std::string_view kAviFilter = "AVI file (*.avi)|*.avi";
inline constexpr std::string_view kInstallerFilter =
    "Executable Files (*.exe)|*.exe|Windows Installer Package (*.msi)|*.msi|All Files (*.*)|*.*";
inline constexpr std::string_view kIconFilter = "Icons (*.ico)|*.ico";
inline constexpr std::string_view kTextFilter = "Text file (*.txt)|*.txt";
inline constexpr std::string_view kRichTextFilter =
    "Rich Text Files (*.rtf)|*.rtf|Text Files (*.txt)|*.txt";

// Every picture format the program reads (JPEG, GIF, PNG, bitmap, icon, metafile): one entry with
// all of them first, then one per format.
std::string_view PictureFileFilter();

// The save filter and default extension (without the dot) of one picture format, named as
// PictureKindName names it ("Bitmap", "Icon", "Metafile", "JPEGImage", "GIFImage", "PNGImage").
struct SaveFilter {
  std::string_view filter;
  std::string_view extension;
};
SaveFilter PictureSaveFilter(std::string_view kindName);

// "a|b|c|d" as the platform wants it: "a\0b\0c\0d\0\0".
std::string OpenFilterText(std::string_view filter);

}  // namespace plexara
