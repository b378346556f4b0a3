#include "player/action_file_list.h"

namespace plexara {

bool IsFileListTarget(std::string_view target) {
  return target.find(kRS2) != std::string_view::npos;
}

std::vector<RunListEntry> FileListEntries(std::string_view target) {
  std::vector<RunListEntry> entries;
  PackedReader records(target);
  std::string_view record;
  while (records.Next(kRS2, record)) {
    PackedReader fields(record);
    RunListEntry entry;
    std::string_view wait;
    if (!(fields.Next(kFS1, entry.file) && fields.Next(kFS1, entry.parameters) &&
          fields.Next(kFS1, entry.startFolder) && fields.Next(kFS1, wait))) {
      break;
    }
    entry.wait = IsFlagSet(wait);
    entries.push_back(std::move(entry));
  }
  return entries;
}

}  // namespace plexara
