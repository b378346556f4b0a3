#include "objects/button_control_win32.h"
#include "objects/image_button_control_win32.h"
#include "objects/image_control_win32.h"
#include "objects/object_control_win32.h"
#include "objects/shape_control_win32.h"
#include "objects/shape_record.h"

namespace plexara {

std::unique_ptr<ObjectControl> CreateObjectControl(ObjectData& data) {
  switch (data.kind()) {
    case ButtonRecord::kKind: return std::make_unique<TAuButton>(data);
    case ImageButtonRecord::kKind: return std::make_unique<TAuImageButton>(data);
    case ImageRecord::kKind: return std::make_unique<TAuImage>(data);
    case ShapeRecord::kKind: return std::make_unique<ShapeControl>(data);
    default: return std::make_unique<ObjectControl>(data);
  }
}

}  // namespace plexara
