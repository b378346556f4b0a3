// The live control of a Shape object: a drawn control (no window of its own) that paints its
// record through PaintShape and, like every drawn kind, reports the pointer over its whole
// rectangle to the page.
#pragma once

#include "objects/object_control_win32.h"

namespace plexara {

class ShapeControl : public ObjectControl {
 public:
  using ObjectControl::ObjectControl;

  void Paint(HDC dc, int width, int height) override;
};

}  // namespace plexara
