// A splitter bar between two panes of the main window. Dragging it reports the new position of
// the bar (in the parent's client coordinates, along its axis); the parent lays itself out again.
#pragma once

#include <windows.h>

#include <functional>

#include "platform/window_win32.h"

namespace plexara {

class Splitter final : public win32::Window {
 public:
  enum class Axis { Vertical, Horizontal };  // Vertical: a bar between left and right panes
  using Moved = std::function<void(int position)>;

  bool Create(HWND parent, Axis axis, Moved moved);
  static constexpr int kThickness = 5;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  int PositionInParent(LPARAM lParam) const;

  Axis axis_ = Axis::Vertical;
  Moved moved_;
  bool dragging_ = false;
  int grabOffset_ = 0;
};

}  // namespace plexara
