// The target file "autorun.tgt": the project file's header, whose page entries hold the positions
// of their page records, followed by every page record in page-list order. The editor builds it for
// distribution; the player reads its header and seeks to a page's record when it needs the page.
#pragma once

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>

#include "storage/byte_stream.h"
#include "storage/page_file.h"
#include "storage/picture.h"
#include "storage/project_file.h"

namespace plexara {

inline constexpr int kCodeReadPageCaptionAndIcon = 1073;
inline constexpr int kCodeWriteTargetFile = 1086;

inline constexpr std::string_view kTargetFileBaseName = "autorun.tgt";

// Page entries store offsets as int32, so no page record may start further into the file.
inline constexpr std::uint64_t kMaxTargetOffset = std::numeric_limits<std::int32_t>::max();

// Supplies the page record an entry names; it reports its own failures.
using TargetPageSource = std::function<bool(const TAutoFormInfo& entry, PageData& page)>;

// Writes the header, then each page record, setting each entry's offset to where its record starts,
// then goes back and writes the header again with the true offsets (it has the same size). `out`
// starts at position 0. A page record that would start past `offsetLimit` stops the build, as does
// any stream failure; both are reported with 1086 and `path`. A page that cannot be supplied or
// written stops it with its own report. The record's offsets are updated only on success.
bool WriteTarget(OutStream& out, ProjectFileRecord& header, const TargetPageSource& pages,
                 const std::string& path, std::uint64_t offsetLimit = kMaxTargetOffset);

// Builds "autorun.tgt" in the project folder from the page files of its source folder (or from
// `pages`), writing a temporary file beside it that replaces the old target only when complete.
// On success the project's entries hold the offsets written.
bool WriteTargetFile(const std::string& projectFolder, ProjectData& project);
bool WriteTargetFile(const std::string& projectFolder, ProjectData& project,
                     const TargetPageSource& pages, std::uint64_t offsetLimit = kMaxTargetOffset);

// Reads the page record an entry points at (the target's header has been read already).
bool ReadPageByEntry(InStream& target, const TAutoFormInfo& entry, PageData& page);

// Reads only the start of a page record, up to its icon, and returns the caption and the icon:
// what a tab of the tabbed notebook shows. The stream stands at the record's start; own failures
// are reported with 1073, a failing string or picture with its own code.
bool ReadPageCaptionAndIcon(InStream& in, std::string& caption, Picture& icon);
bool ReadPageCaptionAndIcon(InStream& target, const TAutoFormInfo& entry, std::string& caption,
                            Picture& icon);

}  // namespace plexara
