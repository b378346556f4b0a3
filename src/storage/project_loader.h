// The player's project loader: reads the project from the source folder, the target file or the
// tree appended to the executable, according to the context's source mode, and later loads single
// pages the same way. Each failure is reported once; the caller then stops without a second box.
#pragma once

#include <string>
#include <string_view>

#include "storage/page_file.h"
#include "storage/project_file.h"
#include "storage/startup_context.h"

namespace plexara {

inline constexpr int kCodeCreateExtractFolder = 1068;
inline constexpr int kCodeCopyExecutable = 1069;
inline constexpr int kCodeLoadProject = 1070;
inline constexpr int kCodeLoadPageByEntry = 1074;

// A self-contained player unpacks into the first free temp\PlexaraN (N = 0, 1, ...) and runs from
// the copy of itself placed there.
inline constexpr std::string_view kExtractFolderPrefix = "Plexara";
inline constexpr std::string_view kExtractedPlayerName = "autorun.exe";

// The first temp\PlexaraN that does not exist yet.
std::string NextExtractFolder(const std::string& tempFolder);

// Loads context.project by context.sourceMode. A self-contained run creates the extract folder in
// tempFolder (the system's temp folder), copies context.executablePath into it, unpacks the
// appended tree there and then continues as a target-file run from that folder; everything it
// creates is in context.tempCleanupList before it is written.
bool LoadProject(StartupContext& context, const std::string& tempFolder);

// Loads the page an entry names into window by the context's source mode: the page file of the
// source folder, or the record at the entry's offset in the target file or the executable. The
// window takes the entry's name first, then the page as the mode says.
bool LoadPageByEntry(const StartupContext& context, const TAutoFormInfo& entry, PageData& window,
                     PageReadMode mode);

// The caption and icon at the start of the page an entry names, by the context's source mode (the
// tabs of the tabbed notebook show them). Reports its own failure.
bool ReadPageCaptionAndIcon(const StartupContext& context, const TAutoFormInfo& entry, std::string& caption,
                            Picture& icon);

}  // namespace plexara
