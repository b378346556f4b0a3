// Reader of "SlideShowEx.cfg", the optional file in a slide show's work folder that gives single
// pictures their own transition and timing: an int32 marker, an int32 count, then that many
// TSlideSettings records. The file comes from outside the program and may be anything, so every
// count is checked against the data and every number is brought into the range the player uses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "storage/byte_stream.h"
#include "storage/slide_show_record.h"

namespace plexara {

inline constexpr std::string_view kSlideShowConfigName = "SlideShowEx.cfg";
inline constexpr std::int32_t kSlideShowConfigMarker = 29834;  // bytes 8A 74 00 00
inline constexpr int kCodeReadSlideShowConfig = 1024;
// A folder's settings file holds one short record per picture; anything larger is not one.
inline constexpr std::uint64_t kMaxSlideShowConfigSize = 16u << 20;

// Reads the per-picture entries; path only names the file in reports.
// - No marker, or a wrong one: the "Invalid file format" box (caption "ERROR"); the previous entries
//   stay; false.
// - After a good marker the previous entries are discarded. A damaged count or record is reported
//   once and leaves no entries (a half-read list is never applied); false.
// - Every entry read is passed through NormaliseSlideSettings. Bytes after the last record are
//   ignored.
bool ReadSlideShowConfig(InStream& in, std::string_view path, std::vector<TSlideSettings>& entries);

// Reads the file at path as above. A file that cannot be opened counts as absent: false, no report,
// entries unchanged. A file larger than kMaxSlideShowConfigSize is reported as damaged (code 1024)
// and leaves the entries unchanged.
bool ReadSlideShowConfigFile(const std::string& path, std::vector<TSlideSettings>& entries);

// The program itself never writes the file; this writer makes test fixtures and fuzz seeds from
// our own encoding.
bool WriteSlideShowConfig(OutStream& out, const std::vector<TSlideSettings>& entries);

// Brings numbers that would stall or break a transition into range: Style outside 0..150 becomes 0
// (random for the object, keep for an entry), Step is held to 1..100 (0 would never finish a
// transition), StepDelay to 0..1000 ms, a negative Interval becomes 0 (no automatic advance) and
// an unknown ImageStyle becomes Normal, which is how it is drawn anyway.
void NormaliseSlideSettings(TSlideSettings& settings);

}  // namespace plexara
