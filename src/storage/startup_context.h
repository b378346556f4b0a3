// The process-wide values fixed at start (run mode, folders, source mode, the temporary files to
// remove at exit) and the portable decisions that fix them. The Win32 entry (app/startup_win32.cpp)
// gathers the facts from the system and applies these decisions; tests call them directly. It is
// plain data that the loaders, the player and the editor all read, so it sits with the records.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/project_file.h"

namespace plexara {

enum class SourceMode : std::uint8_t { SourceFolder = 0, TargetFile = 1, SelfContained = 2 };

inline constexpr std::string_view kEditorExeName = "Plexara.exe";
inline constexpr std::string_view kEditorIniName = "\\Plexara.ini";
inline constexpr std::string_view kEditorIniSection = "START";
inline constexpr std::string_view kEditorIniDefaultPathKey = "DefaultPath";
inline constexpr std::string_view kEditorFallbackFolder = "\\CDROM";
inline constexpr std::string_view kEditorTitle = "Plexara";
inline constexpr std::string_view kPlayerTitle = "AutoRun";
inline constexpr std::string_view kMainFormClass = "TMainForm";
inline constexpr std::string_view kInitialisationArgument = "-I";
inline constexpr std::string_view kSourceFolderName = "\\AutoRunSource";
inline constexpr std::string_view kProjectFileName = "AutoRun.src";
inline constexpr std::string_view kTargetFileName = "\\autorun.tgt";
inline constexpr std::string_view kTemplatesFolderName = "\\Templates";
inline constexpr std::string_view kEditorTempFolderName = "\\Temp";
inline constexpr std::string_view kDiscIconName = "\\autorun.ico";

// What the platform lets the start-up decisions look at.
class FileSystemProbe {
 public:
  virtual ~FileSystemProbe() = default;
  virtual bool FileExists(const std::string& path) const = 0;
  virtual bool FolderExists(const std::string& path) const = 0;
};

// Removes what the cleanup list names; failures are the caller's to ignore.
class FileRemover {
 public:
  virtual ~FileRemover() = default;
  virtual bool RemoveFolder(const std::string& path) = 0;  // only succeeds when empty
  virtual bool RemoveFile(const std::string& path) = 0;
};

// Paths to delete when the process ends, each prefixed by "D" (folder) or "F" (file). It only
// grows during a run, and is walked from the last entry to the first, so the contents an unpacker
// added after their folder are gone before the folder is removed.
class TempCleanupList {
 public:
  void AddFolder(std::string_view path) { entries_.push_back("D" + std::string(path)); }
  void AddFile(std::string_view path) { entries_.push_back("F" + std::string(path)); }
  const std::vector<std::string>& entries() const { return entries_; }
  void Walk(FileRemover& remover) const;

 private:
  std::vector<std::string> entries_;
};

struct StartupContext {
  bool editorMode = false;
  bool layeredWindows = false;  // per-window opacity (fades, shadows) is available
  std::string exeFolder;        // no trailing backslash
  std::string projectRoot;      // no trailing backslash
  SourceMode sourceMode = SourceMode::SourceFolder;
  std::string executablePath;  // the running executable, full path
  std::string editorTempFolder;
  std::string applicationTitle;
  TempCleanupList tempCleanupList;
  // The platform's hint delays before any project changes them, in milliseconds.
  int defaultHintShowDelay = 0;
  int defaultHintHideDelay = 0;
  // The project's settings and page list; defaults until a project loads.
  ProjectData project;
};

// The one context of the process.
StartupContext& Context();

// The file-name part of a path: what follows the last backslash, slash or drive colon.
std::string_view FileNamePart(std::string_view path);
// Editor when the executable's file name, upper-cased, equals "PLEXARA.EXE".
bool IsEditorExecutable(std::string_view exePath);
// The folder of the executable: the path without its file name and one trailing backslash.
std::string ExeFolderFromPath(std::string_view exePath);
// "-I" as the first argument (exactly, case-sensitive) skips the single-instance test. args[0]
// is the executable.
bool SkipsSingleInstanceTest(const std::vector<std::string>& args);
// The editor's first project folder: DefaultPath from the ini file when the file exists and the
// value is not empty, else the CDROM folder beside the executable when it exists, else empty.
std::string EditorProjectRoot(const std::string& exeFolder, const FileSystemProbe& probe,
                              const std::function<std::string(const std::string& iniPath)>& readDefaultPath);
// The player's project source: the source folder's project file, else the target file, else
// the data appended to the executable.
SourceMode ChooseSourceMode(const std::string& projectRoot, const FileSystemProbe& probe);
std::string SourceProjectFilePath(const std::string& projectRoot);

}  // namespace plexara
