// The project file codec: the settings and page-entry field lists, the marker that tells the
// current layout from the older one, and loading and saving the file on disk.
#include "storage/project_file.h"

#include <utility>

#include "storage/binary_fields.h"
#include "storage/error_report.h"
#include "storage/file_io.h"
#include "storage/packed_tree.h"

namespace plexara {
namespace {

constexpr std::array<std::string_view, 4> kHintDirections = {"UpRight", "UpLeft", "DownRight",
                                                             "DownLeft"};
constexpr std::array<std::string_view, 7> kPageKindNames = {
    "Splash Screen", "Screen Background", "Main Page",     "Sub Page",
    "Exit Form",     "Security Form",     "Agreement Form"};

// A stored page entry is at least an empty name's length, the kind byte and the offset.
constexpr std::uint64_t kMinimumEntrySize = 4 + 1 + 4;

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

// The settings report with their own codes in the binary forms; the readable forms stay silent.
void SettingsFields(FieldVisitor& v, TSettings& settings) {
  const int code = v.reportCode() == 0 ? 0 : v.reading() ? kCodeReadSettings : kCodeWriteSettings;
  ScopedReportCode scoped(v, code);
  v.Group("settings", [&] { VisitFields(v, settings); });
}

// An older file's page count was read already, so its entries cannot go through v.List; the
// current layout uses the same loop to keep one reading path.
void ReadPageEntries(BinaryReadVisitor& v, std::int32_t count, std::vector<TAutoFormInfo>& pages) {
  if (count < 0 || static_cast<std::uint64_t>(count) > v.stream().Remaining() / kMinimumEntrySize) {
    return v.Fail("page count out of range");
  }
  for (std::int32_t i = 0; i < count && v.ok(); ++i) {
    pages.emplace_back();
    VisitFields(v, pages.back());
  }
}

}  // namespace

void VisitFields(FieldVisitor& v, TSettings& s) {
  v.String("Application Title:", s.applicationTitle);
  v.Int32("Application Style:", s.applicationStyle);
  v.String("Tab Sheet List:", s.tabSheetList);
  v.Font("Tab Font:", s.tabFont);
  v.Bool("Show Sheet Icons", s.showSheetIcons);
  v.Int32("Icon Size:", s.iconSize);
  v.Bool("Use Customized Hint", s.useCustomizedHint);
  v.Enum("Direction:", s.hintDirection, kHintDirections);
  v.Font("Font:", s.hintFont);
  v.Color("Color:", s.hintColor);
  v.Int32("Show Pause:", s.hintShowPause);
  v.Int32("Hide Pause:", s.hintHidePause);
  v.Color("Border Color:", s.hintBorderColor);
  v.Color("Shadow Color:", s.hintShadowColor);
  v.Int32("Back Style:", s.hintBackStyle);
  v.Color("Gradient Color:", s.hintGradientColor);
  v.Picture("Back Image:", s.hintBackImage);
  v.Int32("Shadow Offset:", s.hintShadowOffset);
  v.Bool("Require Administrative Privilege", s.requireAdministrator);
  v.Int32("reserved20", s.reserved20);
  v.Group("reserved21", [&] {
    static constexpr std::array<std::string_view, 8> kNames = {"0", "1", "2", "3",
                                                               "4", "5", "6", "7"};
    for (std::size_t i = 0; i < s.reserved21.size(); ++i) v.Byte(kNames[i], s.reserved21[i]);
  });
  v.Int32("reserved22", s.reserved22);
  v.Byte("reserved23", s.reserved23);
  v.String("Message:", s.administratorMessage);
  v.String("reserved25", s.reserved25);
  v.String("reserved26", s.reserved26);
  InstallListFields(v, s.installList);
}

void VisitFields(FieldVisitor& v, TAutoFormInfo& entry) {
  v.String("name", entry.name);
  // The name becomes the page's file name inside the source folder, so it must be a plain file
  // name: a project can never make the player or the editor read or write a file elsewhere, or
  // open a device.
  if (v.reading() && v.ok() && !IsSafePackedName(entry.name)) v.Fail("page name is not a plain file name");
  v.Enum("kind", entry.kind, kPageKindNames);
  v.Int32("offset", entry.offset);
}

void VisitFields(FieldVisitor& v, ProjectData& project) {
  if (auto* reader = dynamic_cast<BinaryReadVisitor*>(&v)) {
    project.pages.clear();
    std::int32_t first = 0;
    v.Int32("marker", first);
    if (!v.ok()) return;
    std::int32_t count = first;
    if (first == kProjectMarker) {
      SettingsFields(v, project.settings);
      v.Int32("pageCount", count);
      if (!v.ok()) return;
    } else {
      project.settings = TSettings{};
    }
    return ReadPageEntries(*reader, count, project.pages);
  }
  if (dynamic_cast<BinaryWriteVisitor*>(&v) != nullptr) {
    std::int32_t marker = kProjectMarker;
    v.Int32("marker", marker);
  }
  SettingsFields(v, project.settings);
  v.List("pages", project.pages,
         [](FieldVisitor& visitor, TAutoFormInfo& entry) { VisitFields(visitor, entry); });
}

void VisitFields(FieldVisitor& v, ProjectFileRecord& file) {
  VisitFields(v, file.project);
  v.Byte("reservedByte", file.reservedByte);
}

bool ReadProjectFile(InStream& in, ProjectData& project) {
  return ReadRecord(in, project, kCodeReadProjectFile);
}

bool WriteProjectFile(OutStream& out, const ProjectData& project) {
  return WriteRecord(out, project, kCodeWriteProjectFile);
}

bool LoadProjectFile(const std::string& path, ProjectData& project, ReservedByte reservedByte) {
  auto bytes = ReadWholeFile(path);
  if (!bytes.ok()) {
    ReportFileError(kCodeLoadProjectFile, path);
    return false;
  }
  MemoryInStream in(bytes.value());
  if (!ReadProjectFile(in, project)) return false;
  if (reservedByte == ReservedByte::Read) {
    std::uint8_t ignored = 0;
    if (!ReadByte(in, ignored)) {
      ReportStreamError(kCodeReadProjectFile);
      return false;
    }
  }
  return true;
}

bool SaveProjectFile(const std::string& path, const ProjectData& project) {
  MemoryOutStream out;
  if (!WriteProjectFile(out, project)) return false;
  if (!WriteByte(out, kProjectReservedByte)) {
    ReportStreamError(kCodeWriteProjectFile);
    return false;
  }
  if (!ReplaceFileContents(path, out.bytes()).ok()) {
    ReportFileError(kCodeSaveProjectFile, path);
    return false;
  }
  return true;
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += kSeparator;
  path += name;
  return path;
}

std::string ProjectFilePath(std::string_view projectFolder) {
  return JoinPath(JoinPath(projectFolder, kProjectSourceFolder), kProjectFileBaseName);
}

std::string PageFilePath(std::string_view projectFolder, std::string_view pageName) {
  return JoinPath(JoinPath(projectFolder, kProjectSourceFolder),
                  std::string(pageName) + std::string(kPageFileExtension));
}

}  // namespace plexara
