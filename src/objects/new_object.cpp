#include "objects/new_object.h"

#include "objects/object_bounds.h"

namespace plexara {

ObjectData NewPageObject(const PageData& page, int kind, std::int32_t x, std::int32_t y) {
  ObjectData object;
  object.command.name = MakeObjectName(page, kind);  // every other common field at its default
  // A kind's new record already carries its default size and the text of a new object.
  object.record = MakeKindRecord(kind);
  ObjectBounds bounds = BoundsOf(object.record);
  bounds.left = x;
  bounds.top = y;
  SetBounds(object.record, bounds);
  return object;
}

}  // namespace plexara
