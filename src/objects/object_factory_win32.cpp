#include "objects/object_control_win32.h"

namespace plexara {

std::unique_ptr<ObjectControl> CreateObjectControl(ObjectData& data) {
  switch (data.kind()) {
    default:
      return std::make_unique<ObjectControl>(data);
  }
}

}  // namespace plexara
