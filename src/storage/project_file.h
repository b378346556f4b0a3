// The project file "AutoRun.src": the project-wide settings (TSettings) and the page list
// (TAutoFormInfo entries), in the current layout that starts with a -1 marker and in the older one
// that starts directly with the page count and has no settings. The same header opens a target
// file.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "storage/byte_stream.h"
#include "storage/font_data.h"
#include "storage/install_list.h"
#include "storage/picture.h"
#include "storage/record_fields.h"

namespace plexara {

inline constexpr int kCodeReadSettings = 1063;
inline constexpr int kCodeWriteSettings = 1064;
inline constexpr int kCodeReadProjectFile = 1066;
inline constexpr int kCodeWriteProjectFile = 1067;
inline constexpr int kCodeLoadProjectFile = 1071;
inline constexpr int kCodeSaveProjectFile = 1072;

// The first int32 of a project file in the current layout; any other value is an older file's
// page count.
inline constexpr std::int32_t kProjectMarker = -1;
// What this program writes into the reserved byte after the page list (readers ignore it).
inline constexpr std::uint8_t kProjectReservedByte = 0;

inline constexpr std::string_view kProjectSourceFolder = "AutoRunSource";
inline constexpr std::string_view kProjectFileBaseName = "AutoRun.src";
inline constexpr std::string_view kPageFileExtension = ".pg";

enum ApplicationStyle : std::int32_t { kApplicationNormal = 0, kApplicationTabbedNotebook = 1 };
enum HintDirection : std::uint8_t {
  kHintUpRight = 0,
  kHintUpLeft = 1,
  kHintDownRight = 2,
  kHintDownLeft = 3
};

// The platform's usual fonts and hint delays, the defaults of a new project.
inline constexpr std::string_view kPlatformFontName = "MS Sans Serif";
inline constexpr std::int32_t kPlatformFontSize = 8;
inline constexpr std::int32_t kPlatformHintShowPause = 500;
inline constexpr std::int32_t kPlatformHintHidePause = 2500;

inline constexpr char kAdministratorMessage[] =
    "You need the administrative privilege to launch this CD.";

// Project-wide settings; a default-constructed value is a new project's.
struct TSettings {
  static constexpr int kWriteCode = kCodeWriteSettings;
  static constexpr int kReadCode = kCodeReadSettings;

  std::string applicationTitle;  // empty: the main page's caption
  std::int32_t applicationStyle = kApplicationNormal;
  std::string tabSheetList;  // Sub Page names with a tab, one per CR LF line, in tab order
  FontData tabFont{.name = std::string(kPlatformFontName), .size = kPlatformFontSize};
  bool showSheetIcons = false;
  std::int32_t iconSize = 16;
  // The custom hint window's settings.
  bool useCustomizedHint = false;
  std::uint8_t hintDirection = kHintUpRight;
  FontData hintFont{.name = std::string(kPlatformFontName), .size = 10, .style = kFontBold};
  ColorRef hintColor = 65535;
  std::int32_t hintShowPause = kPlatformHintShowPause;
  std::int32_t hintHidePause = kPlatformHintHidePause;
  ColorRef hintBorderColor = 0;
  ColorRef hintShadowColor = 8421504;
  std::int32_t hintBackStyle = 0;
  ColorRef hintGradientColor = 255;
  Picture hintBackImage;
  std::int32_t hintShadowOffset = 5;

  bool requireAdministrator = false;
  // Reserved: no behaviour, kept as read and written back.
  std::int32_t reserved20 = 0;
  std::array<std::uint8_t, 8> reserved21{};
  std::int32_t reserved22 = 0;
  std::uint8_t reserved23 = 0;
  std::string administratorMessage = kAdministratorMessage;
  std::string reserved25;
  std::string reserved26;
  std::vector<TInstallWare> installList;

  friend bool operator==(const TSettings&, const TSettings&) = default;
};

// One page entry. The offset is the page record's position inside a target file; in a source
// folder it means nothing.
struct TAutoFormInfo {
  std::string name;
  std::uint8_t kind = 3;  // PageKind, kept as read even when unknown
  std::int32_t offset = 0;
  // Editor only, never stored.
  std::string savedName;
  bool pageModified = false;

  friend bool operator==(const TAutoFormInfo&, const TAutoFormInfo&) = default;
};

// What ReadProjectFile and WriteProjectFile carry: the settings and the page list.
struct ProjectData {
  static constexpr int kWriteCode = kCodeWriteProjectFile;
  static constexpr int kReadCode = kCodeReadProjectFile;

  TSettings settings;
  std::vector<TAutoFormInfo> pages;

  friend bool operator==(const ProjectData&, const ProjectData&) = default;
};

// The whole file: the project data and the reserved byte after it.
struct ProjectFileRecord {
  static constexpr int kWriteCode = kCodeWriteProjectFile;
  static constexpr int kReadCode = kCodeReadProjectFile;

  ProjectData project;
  std::uint8_t reservedByte = kProjectReservedByte;

  friend bool operator==(const ProjectFileRecord&, const ProjectFileRecord&) = default;
};

void VisitFields(FieldVisitor& v, TSettings& settings);
void VisitFields(FieldVisitor& v, TAutoFormInfo& entry);
// The marker, the settings, the counted page list. Reading discards the previous page list; a file
// of the older layout leaves every setting at its default.
void VisitFields(FieldVisitor& v, ProjectData& project);
void VisitFields(FieldVisitor& v, ProjectFileRecord& file);

// The project data on a stream (without the reserved byte); each failure reported once: 1063/1064
// for the settings, 1066/1067 for the rest, or the failing primitive's own code. A page name that
// is not a plain file name (IsSafePackedName) fails the read like damage, with 1066.
bool ReadProjectFile(InStream& in, ProjectData& project);
bool WriteProjectFile(OutStream& out, const ProjectData& project);

// Whether a load reads the reserved byte after the page list: the player does, the editor does not.
enum class ReservedByte : std::uint8_t { Skip, Read };

// The project file on disk. A file that cannot be opened is reported with 1071 and the path; a
// save that cannot create or replace the file with 1072 and the path. Saving goes through a
// temporary file, so a failed save leaves the previous file as it was.
bool LoadProjectFile(const std::string& path, ProjectData& project, ReservedByte reservedByte);
bool SaveProjectFile(const std::string& path, const ProjectData& project);

// folder + separator + name, with the separator of the system the program runs on.
std::string JoinPath(std::string_view folder, std::string_view name);
// The project file and a page file of a project folder.
std::string ProjectFilePath(std::string_view projectFolder);
std::string PageFilePath(std::string_view projectFolder, std::string_view pageName);

}  // namespace plexara
