#include "editor/design_geometry.h"

#include <algorithm>
#include <cstdlib>

#include "editor/editor_settings.h"

namespace plexara {
namespace {

// Handle zones: which of three column ranges and three row ranges each handle covers.
enum Span : std::uint8_t { kNear, kMiddle, kFar };
struct HandleZone {
  Span column;
  Span row;
};
// Indexed by handle - 1.
constexpr HandleZone kHandleZones[8] = {
    {kNear, kNear}, {kMiddle, kNear}, {kFar, kNear}, {kFar, kMiddle},
    {kFar, kFar},   {kMiddle, kFar},  {kNear, kFar}, {kNear, kMiddle},
};

// The far zones reach one pixel less outward: the last pixel of an object is at left + width - 1.
bool InSpan(Span span, int start, int length, int value) {
  switch (span) {
    case kNear:
      return value >= start - 3 && value <= start + 3;
    case kMiddle:
      return value >= start + length / 2 - 3 && value <= start + length / 2 + 3;
    case kFar:
      return value >= start + length - 4 && value <= start + length + 2;
  }
  return false;
}

bool StrictlyInside(const ObjectBounds& b, DesignPoint p) {
  return b.left < p.x && p.x < b.left + b.width - 1 && b.top < p.y && p.y < b.top + b.height - 1;
}

bool OnObject(const ObjectBounds& b, DesignPoint p) {
  return b.left <= p.x && p.x <= b.left + b.width - 1 && b.top <= p.y &&
         p.y <= b.top + b.height - 1;
}

bool Meets(const ObjectBounds& b, const DesignRect& band) {
  return b.left <= band.right && band.left <= b.left + b.width - 1 && b.top <= band.bottom &&
         band.top <= b.top + b.height - 1;
}

// The edges each resize handle drags, indexed by handle - 1: a left or top edge moves the corner
// and takes the size with it, a right or bottom edge changes the size alone.
struct HandleEdges {
  bool left, top, right, bottom;
};
constexpr HandleEdges kHandleEdges[8] = {
    {true, true, false, false},  {false, true, false, false}, {false, true, true, false},
    {false, false, true, false}, {false, false, true, true},  {false, false, false, true},
    {true, false, false, true},  {true, false, false, false},
};

int Channel(std::uint32_t color, int shift) { return static_cast<int>((color >> shift) & 0xFF); }

}  // namespace

int HandleAt(const ObjectBounds& bounds, int x, int y) {
  for (int handle = 8; handle >= 1; --handle) {
    const HandleZone& zone = kHandleZones[handle - 1];
    if (InSpan(zone.column, bounds.left, bounds.width, x) &&
        InSpan(zone.row, bounds.top, bounds.height, y))
      return handle;
  }
  return OnObject(bounds, DesignPoint{x, y}) ? kBodyHandle : kNoHandle;
}

std::array<DesignPoint, 8> HandleCentres(const ObjectBounds& b) {
  const int l = b.left, t = b.top, r = b.left + b.width, bottom = b.top + b.height;
  const int cx = b.left + b.width / 2, cy = b.top + b.height / 2;
  return {DesignPoint{l, t},      DesignPoint{cx, t},     DesignPoint{r, t},
          DesignPoint{r, cy},     DesignPoint{r, bottom}, DesignPoint{cx, bottom},
          DesignPoint{l, bottom}, DesignPoint{l, cy}};
}

DesignPoint SnapToGrid(DesignPoint point, int gridX, int gridY) {
  return DesignPoint{SnapToGrid(point.x, std::max(gridX, 1)), SnapToGrid(point.y, std::max(gridY, 1))};
}

void ApplyHandleRule(ObjectBounds& b, int handle, int dx, int dy) {
  if (handle == kBodyHandle) {
    b.left += dx;
    b.top += dy;
    return;
  }
  if (handle < 1 || handle > 8) return;
  const HandleEdges& edges = kHandleEdges[handle - 1];
  if (edges.left) {
    b.left += dx;
    b.width -= dx;
  }
  if (edges.top) {
    b.top += dy;
    b.height -= dy;
  }
  if (edges.right) b.width += dx;
  if (edges.bottom) b.height += dy;
}

bool ClampToContent(ObjectBounds& bounds, int contentWidth, int contentHeight) {
  const ObjectBounds before = bounds;
  if (bounds.left < 0) bounds.left = 0;
  if (bounds.top < 0) bounds.top = 0;
  if (bounds.left > contentWidth - 5) bounds.left = contentWidth - 5;
  if (bounds.top > contentHeight - 5) bounds.top = contentHeight - 5;
  return !(bounds == before);
}

DesignRect NormalisedBand(DesignPoint anchor, DesignPoint pointer) {
  return DesignRect{std::min(anchor.x, pointer.x), std::min(anchor.y, pointer.y),
                    std::max(anchor.x, pointer.x), std::max(anchor.y, pointer.y)};
}

PointerShape ShapeOfHandle(int handle) {
  switch (handle) {
    case kBodyHandle:
      return PointerShape::Move;
    case 1:
    case 5:
      return PointerShape::SizeNwse;
    case 2:
    case 6:
      return PointerShape::SizeNs;
    case 3:
    case 7:
      return PointerShape::SizeNesw;
    case 4:
    case 8:
      return PointerShape::SizeWe;
    default:
      return PointerShape::Arrow;
  }
}

std::uint32_t BlendShadowColor(std::uint32_t area, std::uint32_t shadow, int alpha) {
  alpha = std::clamp(alpha, 0, 255);
  std::uint32_t result = 0;
  for (int shift : {0, 8, 16}) {
    // (255 - a) * area / 255 + a * shadow / 255, rounded: the sum over 255 never ends in exactly
    // .5.
    const int sum = (255 - alpha) * Channel(area, shift) + alpha * Channel(shadow, shift);
    const int c = std::clamp((sum + 127) / 255, 0, 255);
    result |= static_cast<std::uint32_t>(c) << shift;
  }
  return result;
}

void DesignPointer::Press(std::span<DesignObject> objects, DesignPoint point, bool ctrl) {
  mode_ = PressMode::Band;
  moved_ = false;
  if (!ctrl) {
    handle_ = kNoHandle;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
      if (!it->visible) continue;
      handle_ = it->selected ? HandleAt(it->bounds, point.x, point.y) : kNoHandle;
      if (handle_ == kNoHandle && StrictlyInside(it->bounds, point)) {
        dragPoint_ = point;
        mode_ = it->selected ? PressMode::Drag : PressMode::Pending;
        it->selected = true;
        break;
      }
      if (handle_ != kNoHandle) {
        dragPoint_ = point;
        mode_ = PressMode::Drag;
        break;
      }
    }
  }
  if (mode_ == PressMode::Pending) {
    // A press on an unselected object selects it alone and starts moving it.
    bool found = false;
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
      if (!found && it->visible && StrictlyInside(it->bounds, point)) {
        found = true;
        handle_ = kBodyHandle;
        mode_ = PressMode::Drag;
      } else {
        it->selected = false;
      }
    }
  }
  anchor_ = point;
}

DesignPointer::MoveEffect DesignPointer::Move(std::span<DesignObject> objects, DesignPoint point,
                                              const GridSettings& grid) {
  if (mode_ == PressMode::Band) {
    moved_ = true;
    band_ = NormalisedBand(anchor_, point);
    return MoveEffect::Band;
  }
  if (mode_ != PressMode::Pending && mode_ != PressMode::Drag) return MoveEffect::None;
  int dx = point.x - dragPoint_.x, dy = point.y - dragPoint_.y;
  const int gridX = std::max(grid.x, 1), gridY = std::max(grid.y, 1);
  if (grid.snap) {
    // Whole grid steps from where the drag started, so an offset from the grid is kept.
    if (std::abs(dx) < gridX && std::abs(dy) < gridY) return MoveEffect::None;
    dx = dx / gridX * gridX;
    dy = dy / gridY * gridY;
  }
  moved_ = true;
  const int minWidth = grid.snap ? gridX : 1, minHeight = grid.snap ? gridY : 1;
  for (DesignObject& object : objects) {
    if (!object.selected) continue;
    ApplyHandleRule(object.bounds, handle_, dx, dy);
    if (handle_ == kBodyHandle) continue;
    // Snapping raises a width of at most one grid step to one step; without it only 0 or less
    // is raised, to 1.
    if (grid.snap ? object.bounds.width <= minWidth : object.bounds.width < minWidth)
      object.bounds.width = minWidth;
    if (grid.snap ? object.bounds.height <= minHeight : object.bounds.height < minHeight)
      object.bounds.height = minHeight;
  }
  dragPoint_ = grid.snap ? DesignPoint{dragPoint_.x + dx, dragPoint_.y + dy} : point;
  return MoveEffect::Objects;
}

bool DesignPointer::Release(std::span<DesignObject> objects, DesignPoint point, bool ctrl,
                            bool leftButton) {
  if (justCreated_ && leftButton) {
    justCreated_ = false;
    return false;
  }
  if (mode_ != PressMode::Drag) {
    if (moved_) {
      for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if (!it->visible) continue;
        if (Meets(it->bounds, band_)) {
          it->selected = ctrl ? !it->selected : true;
        } else {
          it->selected = false;
        }
      }
    } else {
      bool found = false;
      for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if (!it->visible) continue;
        if (OnObject(it->bounds, point)) {
          if (!found) it->selected = ctrl ? !it->selected : true;
          found = true;
        } else if (!ctrl) {
          it->selected = false;
        }
      }
    }
  }
  mode_ = PressMode::Idle;
  moved_ = false;
  band_ = DesignRect{};
  return true;
}

PointerShape DesignPointer::ShapeAt(std::span<const DesignObject> objects, DesignPoint point) {
  for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
    if (!it->selected) {
      if (OnObject(it->bounds, point)) return PointerShape::Arrow;
      continue;
    }
    const int handle = HandleAt(it->bounds, point.x, point.y);
    if (handle != kNoHandle) return ShapeOfHandle(handle);
  }
  return PointerShape::Arrow;
}

}  // namespace plexara
