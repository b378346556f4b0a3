#include "objects/object_order.h"

#include <algorithm>

#include "storage/kind_table.h"

namespace plexara {
namespace {

bool Drawn(const ObjectData& object) {
  const KindInfo* info = FindKind(object.kind());
  return info == nullptr || !info->windowed;
}

}  // namespace

bool PartitionDrawnFirst(std::vector<ObjectData>& objects) {
  if (std::is_partitioned(objects.begin(), objects.end(), Drawn)) return false;
  std::stable_partition(objects.begin(), objects.end(), Drawn);
  return true;
}

}  // namespace plexara
