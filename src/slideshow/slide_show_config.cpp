// "SlideShowEx.cfg": marker check, bounded count, records read with the TSlideSettings codec, and
// the range rules applied to every entry before the player sees it.
#include "slideshow/slide_show_config.h"

#include <algorithm>
#include <fstream>

#include "storage/binary_fields.h"
#include "storage/error_report.h"

namespace plexara {

namespace {

void ReportInvalidFormat(std::string_view path) {
  std::string text = "Invalid file format \"";
  text += path;
  text += "\".";
  CurrentErrorReporter().ShowErrorMessage(text, "ERROR");
}

}  // namespace

void NormaliseSlideSettings(TSlideSettings& settings) {
  if (settings.style < 0 || settings.style > kSlideTransitionCount) settings.style = 0;
  settings.step = std::clamp(settings.step, 1, 100);
  settings.stepDelay = std::clamp(settings.stepDelay, 0, 1000);
  settings.interval = std::max(settings.interval, 0);
  if (settings.imageStyle < kSlideImageNormal || settings.imageStyle > kSlideImageEnlargeFit) {
    settings.imageStyle = kSlideImageNormal;
  }
}

bool ReadSlideShowConfig(InStream& in, std::string_view path, std::vector<TSlideSettings>& entries) {
  std::int32_t marker = 0;
  if (!ReadInt32(in, marker) || marker != kSlideShowConfigMarker) {
    ReportInvalidFormat(path);
    return false;
  }
  entries.clear();
  std::int32_t count = 0;
  if (!ReadCount(in, kMinSlideSettingsSize, count)) {
    ReportFileError(kCodeReadSlideShowConfig, path);
    return false;
  }
  // The count is bounded by the remaining bytes, so reserving cannot be pushed out of proportion.
  std::vector<TSlideSettings> read;
  read.reserve(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count; ++i) {
    TSlideSettings entry;
    if (!ReadRecord(in, entry, TSlideSettings::kReadCode)) return false;
    NormaliseSlideSettings(entry);
    read.push_back(std::move(entry));
  }
  entries = std::move(read);
  return true;
}

bool ReadSlideShowConfigFile(const std::string& path, std::vector<TSlideSettings>& entries) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  // Read in chunks so a small file costs little and an oversized one is caught at the limit.
  std::vector<std::uint8_t> bytes;
  char chunk[16 * 1024];
  while (file) {
    file.read(chunk, sizeof chunk);
    const auto got = static_cast<std::size_t>(file.gcount());
    if (bytes.size() + got > kMaxSlideShowConfigSize) {
      ReportFileError(kCodeReadSlideShowConfig, path);
      return false;
    }
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  if (file.bad()) {
    ReportFileError(kCodeReadSlideShowConfig, path);
    return false;
  }
  MemoryInStream in(bytes);
  return ReadSlideShowConfig(in, path, entries);
}

bool WriteSlideShowConfig(OutStream& out, const std::vector<TSlideSettings>& entries) {
  if (!WriteInt32(out, kSlideShowConfigMarker) || !WriteInt32(out, static_cast<std::int32_t>(entries.size()))) {
    return false;
  }
  return std::all_of(entries.begin(), entries.end(), [&](const TSlideSettings& entry) {
    return WriteRecord(out, entry, TSlideSettings::kWriteCode);
  });
}

}  // namespace plexara
