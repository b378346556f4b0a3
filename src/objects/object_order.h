// The stacking rule of a page's object list: the list order is the drawing order, and windowed
// objects always lie above drawn ones, so every drawn object comes before every windowed one.
#pragma once

#include <vector>

#include "storage/page_file.h"

namespace plexara {

// Moves every drawn object before every windowed one, each group keeping its order. True when the
// order changed.
bool PartitionDrawnFirst(std::vector<ObjectData>& objects);

}  // namespace plexara
