// TEditForm: the design window. A child of the main window's design area that wears the frame,
// caption, icon and (imitated) menu bar of the page being edited, and shows a picture of the
// working page painted by the page itself, with the editing marks over it. Pointer and keyboard
// work on it selects, creates, moves and resizes the working page's objects; everything the
// editor does beyond the page goes through the DesignHost the main window implements.
#pragma once

#include <windows.h>

#include <vector>

#include "editor/design_geometry.h"
#include "platform/gdi_objects_win32.h"
#include "platform/window_win32.h"
#include "storage/page_file.h"

namespace plexara {

inline constexpr char kDesignWindowClass[] = "TEditForm";

class TAutoRunForm;

// What the design window asks of the main window.
class DesignHost {
 public:
  virtual ~DesignHost() = default;
  // The property panel's value being typed is taken; false when it was rejected.
  virtual bool CommitPendingEdit() = 0;
  virtual void MarkModified(bool modified) = 0;
  // After a release and Select All: the object selector follows the selection, the properties too.
  virtual void SelectionRefresh() = 0;
  // An object was created: the palette goes back to Select, the object selector is rebuilt.
  virtual void ObjectCreated() = 0;
  // The kind the palette creates, or -1 for the Select tool.
  virtual int CreationKind() const = 0;
  // The Del key.
  virtual void DeleteSelection() = 0;
  // A right click on the surface (screen coordinates); the menu belongs to the main window.
  virtual void ShowSurfaceMenu(POINT screen) = 0;
  // Ctrl or Shift released after keyboard moves: the property panel shows the new values.
  virtual void PropertiesRefresh() = 0;
  // The design area's background (the page shadow) needs painting again.
  virtual void DesignAreaChanged() = 0;
  virtual GridSettings Grid() const = 0;
};

class TEditForm final : public win32::Window {
 public:
  bool Create(HWND parent, DesignHost& host);
  // The page whose objects the surface edits; the page window is in design mode, created hidden.
  void SetWorkingPage(TAutoRunForm* page);
  // Frame, menu bar, place, size, caption and icon from the page; menuBarHeight is the height of a
  // menu bar as the main window measured it.
  void CopyPageAppearance(int menuBarHeight);
  // Clamps the objects onto the page, paints the page into the surface picture, draws the marks
  // and shows it.
  void RefreshDesignSurface();
  // While set, moves and resizes of the window are the editor's own and change nothing.
  void SetSwitching(bool switching) { switching_ = switching; }
  HWND KeyCaptureWindow() const { return keyCapture_; }
  void FocusKeyCapture();

  const DesignPointer& pointer() const { return pointer_; }
  PointerShape pointerShape() const { return shape_; }
  // Where the page content starts in the client area (below the imitation menu bar).
  POINT contentOrigin() const { return contentOrigin_; }
  const std::vector<HWND>& menuButtons() const { return menuButtons_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc, const RECT& client) override;

 private:
  static LRESULT CALLBACK KeyCaptureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR self);
  bool KeyDown(WPARAM key);
  void RebuildMenuBar(int menuBarHeight);
  void OpenMenuOf(HWND button);
  void Press(POINT client, bool left, bool ctrl);
  void MovePointer(POINT client);
  void Release(POINT client, bool left, bool ctrl);
  // The page's objects as the pointer sees them, and its results written back.
  std::vector<DesignObject> ObjectView() const;
  void TakeView(const std::vector<DesignObject>& view);
  DesignPoint PagePoint(POINT client) const;
  void DrawBand(const DesignRect& band);
  void WindowPlaced();

  DesignHost* host_ = nullptr;
  TAutoRunForm* page_ = nullptr;
  HWND keyCapture_ = nullptr;
  std::vector<HWND> menuButtons_;
  GdiObject<HFONT> menuFont_;
  int barHeight_ = 0;
  POINT contentOrigin_{0, 0};
  MemoryCanvas picture_;
  DesignPointer pointer_;
  PointerShape shape_ = PointerShape::Arrow;
  DesignRect drawnBand_;  // the band on the screen now, in page coordinates
  bool switching_ = false;
  RECT placed_{};  // where the window was last seen, in the parent's client coordinates
};

// The design area's background: the area colour, and when the page has a shadow the shadow colour
// blended over it in a rectangle of the design window's size, moved by the shadow offsets.
// designWindow: the design window's rectangle in the area's unscrolled content; scroll: the area's
// scroll positions.
void PaintDesignAreaBackground(HDC dc, RECT area, const PageData& page, RECT designWindow,
                               POINT scroll, COLORREF backColor);

}  // namespace plexara
