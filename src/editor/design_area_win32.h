// The design area: the scrolling pane on the current page tab inside which the design window sits.
// It paints its background (the area colour and the page's shadow, drawn by the painter the main
// window gives it) double-buffered, and scrolls its child when the design window reaches past it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "platform/gdi_objects_win32.h"
#include "platform/window_win32.h"

namespace plexara {

class DesignArea final : public win32::Window {
 public:
  using Painter = std::function<void(HDC dc, const RECT& area)>;

  bool Create(HWND parent, std::int32_t backColor);
  void SetBackgroundPainter(Painter painter) { painter_ = std::move(painter); }
  void SetScrolled(std::function<void()> scrolled) { scrolled_ = std::move(scrolled); }
  void SetBackColor(std::int32_t color) { backColor_ = color; }
  // Repaints the background (and with it the shadow) at once.
  void RepaintBackground();
  // The scroll ranges follow the extent of the design window (its page position and size).
  void UpdateScrollRanges(const RECT& designWindowInArea);
  POINT ScrollPosition() const { return scroll_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc, const RECT& client) override;

 private:
  void ScrollBy(int bar, int delta);

  Painter painter_;
  std::function<void()> scrolled_;
  std::int32_t backColor_ = 0;
  POINT scroll_{0, 0};
  SIZE extent_{0, 0};
  MemoryCanvas buffer_;  // kept between paints
};

// An editor colour value (the settings' BACKCOLOR): a system colour when the top bit is set.
COLORREF ColorToRgb(std::int32_t color);

}  // namespace plexara
