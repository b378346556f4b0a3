// The object surface of a page window: a borderless child filling the client area that paints the
// page background and every drawn object in list order into its back buffer (so nothing flickers),
// hosts the windowed objects as its children, and routes the pointer to the topmost drawn object
// under it: hover tracking (enter and leave), capture from press to release, and the click that
// follows a release over the object pressed.
//
// A paint renders only what is dirty: the rectangles the system asks for, grown over the drawn
// objects they meet (player/paint_areas.h), and only the objects inside them. The back buffer and
// a copy of the background are kept from one paint to the next.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "objects/object_control_win32.h"
#include "platform/gdi_objects_win32.h"
#include "platform/window_win32.h"
#include "storage/bitmap.h"

namespace plexara {

// What the surface reports about the empty page (no object under the pointer).
class SurfaceEvents {
 public:
  virtual ~SurfaceEvents() = default;
  virtual void BackgroundClick() = 0;
  virtual void BackgroundMouseMove() = 0;
  // The pointer shape over a control (drawn or windowed), or over the empty page when control is
  // null; null keeps the default pointer.
  virtual HCURSOR CursorFor(const ObjectControl* control) = 0;
  // A notification from a window of the page that is not an object's (the hint window); true
  // when handled.
  virtual bool SurfaceNotify(const NMHDR& header, LRESULT& result) {
    (void)header;
    (void)result;
    return false;
  }
};

class ObjectSurface final : public win32::Window {
 public:
  bool CreateOn(HWND page, SurfaceEvents& events);

  // The controls in list order (back to front); the surface does not own them.
  void SetControls(std::vector<ObjectControl*> controls);
  // The drawn background of the current client size; the page renders it.
  void SetBackground(Bitmap background);
  const Bitmap& background() const { return background_; }
  void InvalidateControl(const ObjectControl& control);

  // The topmost visible drawn control at a client point, or null.
  ObjectControl* DrawnControlAt(POINT client) const;
  ObjectControl* hovered() const { return hovered_; }
  // Paints everything into dc (client coordinates); used by WM_PRINTCLIENT and by tests.
  void PaintAll(HDC dc, const RECT& client);

  // What the surface has put on the screen since it was made: WM_PAINT passes and the pixels they
  // copied. Counting costs nothing worth measuring; the page benchmark reads it.
  struct PaintCounters {
    long long paints = 0;
    long long pixels = 0;
  };
  const PaintCounters& paintCounters() const { return paintCounters_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc, const RECT& client) override;

 private:
  // WM_PAINT: the dirty areas rendered into the back buffer and copied to the screen.
  void PaintUpdate();
  // Renders one area of the page (client coordinates) into the back buffer: the background and
  // every shown drawn control that lies in it.
  void Render(const RECT& area);
  void PointerMoved(POINT client, bool leftButtonDown);
  void SetHovered(ObjectControl* control);
  ObjectControl* ControlOfChild(HWND child) const;

  SurfaceEvents* events_ = nullptr;
  std::vector<ObjectControl*> controls_;
  Bitmap background_;
  MemoryCanvas backgroundCopy_;  // background_ drawn once, copied from in parts
  MemoryCanvas backBuffer_;
  std::vector<bool> paintedOnce_;  // beside controls_
  PaintCounters paintCounters_;
  ObjectControl* hovered_ = nullptr;
  ObjectControl* pressed_ = nullptr;
  bool pressedOnBackground_ = false;
  bool trackingLeave_ = false;
};

}  // namespace plexara
