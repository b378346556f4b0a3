// Saving the open project into a folder: the player, autorun.inf, the disc icon, the page files of
// the modified pages and the project file, then the folder as the editor's default. Every file goes
// through a temporary file and replaces the old one, and page files that the new project no longer
// names are deleted only once the new project file is in place, so a save interrupted at any point
// leaves a project the player can read (old files, new files, or a mix of whole files).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "editor/editor_document.h"
#include "editor/editor_files.h"
#include "editor/editor_settings.h"

namespace plexara {

inline constexpr int kCodeCopyPlayer = 1084;
inline constexpr int kCodeCopyDiscIcon = 1085;

inline constexpr std::string_view kAutorunInfText =
    "[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n";

struct SaveEnvironment {
  std::string editorFolder;
  std::string
      editorExecutable;  // copied as autorun.exe when the project's copy has another version
  std::string editorVersion;
  EditorFiles& files;
  IniStore& settings;  // Plexara.ini, for START DefaultPath
  // Writes the page on screen (the working page window's state) as a page file; false on failure,
  // which the page codec has reported.
  std::function<bool(const std::string& path)> saveWorkingPage;
};

// True when the project is in the folder. False with one report: "Directory \"<folder>\" not
// found" before anything is written; 1084 when the player cannot be copied (nothing else written);
// a page that cannot be written (its report; the page stays modified, the old project file stays);
// the project file's own report (the project stays modified); 1085 when the disc icon cannot be
// copied, after the pages and the project file were written.
bool SaveProject(EditorDocument& document, std::string_view folder,
                 const SaveEnvironment& environment);

}  // namespace plexara
