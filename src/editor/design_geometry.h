// The arithmetic of the design surface, free of windows: which handle of a selected object a point
// is on, snapping to the grid, what a drag step does to the selection, keeping objects on the
// page, the pointer shape to show, the colour of the page shadow on the design area, and the
// press/move/release machine that turns pointer input into selection, moving and resizing. The
// design window feeds it a view of the page's objects and writes the result back to them.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "objects/object_bounds.h"

namespace plexara {

struct GridSettings {
  bool display = true;
  bool snap = true;
  int x = 8;
  int y = 8;
};

inline constexpr int kNoHandle = -1;
inline constexpr int kBodyHandle =
    0;  // 1..8: top-left, top, top-right, right, bottom-right, bottom, bottom-left, left

struct DesignPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const DesignPoint&, const DesignPoint&) = default;
};

// A rectangle with inclusive edges, as the rubber band is drawn.
struct DesignRect {
  int left = -1;
  int top = -1;
  int right = -1;
  int bottom = -1;
  bool empty() const { return left == -1 && top == -1 && right == -1 && bottom == -1; }
  friend bool operator==(const DesignRect&, const DesignRect&) = default;
};

// The handle of a selected object under (x, y): the highest-numbered zone that holds the point,
// else the body when the point is on the object, else kNoHandle.
int HandleAt(const ObjectBounds& bounds, int x, int y);
// The centre points of the eight handles, in handle order 1..8.
std::array<DesignPoint, 8> HandleCentres(const ObjectBounds& bounds);

DesignPoint SnapToGrid(DesignPoint point, int gridX, int gridY);
// What dragging `handle` by (dx, dy) does to one selected object.
void ApplyHandleRule(ObjectBounds& bounds, int handle, int dx, int dy);
// Puts an object back on the page: never left of or above it, never closer than 5 pixels to its
// right or bottom edge. True when the bounds changed.
bool ClampToContent(ObjectBounds& bounds, int contentWidth, int contentHeight);
// The band from its anchor to the pointer, left <= right and top <= bottom.
DesignRect NormalisedBand(DesignPoint anchor, DesignPoint pointer);

enum class PointerShape : std::uint8_t { Arrow, Move, SizeNwse, SizeNs, SizeNesw, SizeWe };
PointerShape ShapeOfHandle(int handle);

// The page shadow blended over the design area colour; colours are 0x00BBGGRR, alpha 0..255.
std::uint32_t BlendShadowColor(std::uint32_t area, std::uint32_t shadow, int alpha);

// One object as the surface sees it.
struct DesignObject {
  ObjectBounds bounds;
  bool visible = true;  // shown on the design surface
  bool selected = false;
};

enum class PressMode : std::uint8_t { Idle, Band, Pending, Drag };

// The pointer state of the design surface from press to release.
class DesignPointer {
 public:
  // What a pointer move did.
  enum class MoveEffect : std::uint8_t { None, Objects, Band };

  // An object was created by the press; the next left release does nothing.
  void MarkJustCreated() { justCreated_ = true; }
  void Press(std::span<DesignObject> objects, DesignPoint point, bool ctrl);
  MoveEffect Move(std::span<DesignObject> objects, DesignPoint point, const GridSettings& grid);
  // False when the release only ended a creating press.
  bool Release(std::span<DesignObject> objects, DesignPoint point, bool ctrl, bool leftButton);
  // The pointer shape while no button is down.
  static PointerShape ShapeAt(std::span<const DesignObject> objects, DesignPoint point);

  PressMode mode() const { return mode_; }
  int handle() const { return handle_; }
  bool moved() const { return moved_; }
  bool justCreated() const { return justCreated_; }
  DesignPoint dragPoint() const { return dragPoint_; }
  // The band as last asked for by a move, empty when there is none.
  const DesignRect& band() const { return band_; }

 private:
  PressMode mode_ = PressMode::Idle;
  int handle_ = kNoHandle;
  bool moved_ = false;
  bool justCreated_ = false;
  DesignPoint dragPoint_;
  DesignPoint anchor_;
  DesignRect band_;
};

}  // namespace plexara
