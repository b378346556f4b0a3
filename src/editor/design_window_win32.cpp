#include "editor/design_window_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "editor/design_marks_win32.h"
#include "objects/object_order.h"
#include "player/page_window_win32.h"

namespace plexara {
namespace {

constexpr int kMinimumSize = 80;
constexpr UINT_PTR kKeyCaptureSubclass = 1;
constexpr int kMenuButtonPadding = 16;

LPCSTR CursorOf(PointerShape shape) {
  switch (shape) {
    case PointerShape::Move:
      return IDC_SIZEALL;
    case PointerShape::SizeNwse:
      return IDC_SIZENWSE;
    case PointerShape::SizeNs:
      return IDC_SIZENS;
    case PointerShape::SizeNesw:
      return IDC_SIZENESW;
    case PointerShape::SizeWe:
      return IDC_SIZEWE;
    case PointerShape::Arrow:
      break;
  }
  return IDC_ARROW;
}

bool KeyHeld(int key) { return (GetKeyState(key) & 0x8000) != 0; }

RECT RectInParent(HWND hwnd) {
  RECT r;
  GetWindowRect(hwnd, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

bool TEditForm::Create(HWND parent, DesignHost& host) {
  host_ = &host;
  CreateArgs args;
  args.className = kDesignWindowClass;
  args.style =
      WS_CHILD | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  args.x = 0;
  args.y = 0;
  args.width = 320;
  args.height = 240;
  args.parent = parent;
  if (!Window::Create(args)) return false;
  // Off the client area, so it is never seen; it exists to own the keyboard focus.
  keyCapture_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, -100, -100,
                                20, 20, hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!keyCapture_) return false;
  SetWindowSubclass(keyCapture_, KeyCaptureProc, kKeyCaptureSubclass,
                    reinterpret_cast<DWORD_PTR>(this));
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    menuFont_.Reset(CreateFontIndirectA(&metrics.lfMenuFont));
  placed_ = RectInParent(hwnd());
  return true;
}

void TEditForm::SetWorkingPage(TAutoRunForm* page) {
  page_ = page;
  drawnBand_ = DesignRect{};
  pointer_ = DesignPointer{};
}

void TEditForm::FocusKeyCapture() {
  if (keyCapture_) SetFocus(keyCapture_);
}

void TEditForm::CopyPageAppearance(int menuBarHeight) {
  if (!page_ || !hwnd()) return;
  switching_ = true;
  const PageData& page = page_->page();
  const PageFrameStyle frame = FrameStyleOf(page);
  const DWORD kept = static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_STYLE)) & WS_VISIBLE;
  // A child window cannot be a pop-up; everything else of the page's frame it can wear.
  const DWORD style =
      (frame.style & ~WS_POPUP) | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | kept;
  DWORD exStyle = frame.exStyle;
  SetWindowLongPtrA(hwnd(), GWL_STYLE, static_cast<LONG_PTR>(style));
  SetWindowLongPtrA(hwnd(), GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
  RebuildMenuBar(menuBarHeight);

  // The client is the page window's client, with the imitation bar above the content.
  RECT pageClient{};
  GetClientRect(page_->hwnd(), &pageClient);
  POINT surfaceAt{0, 0};
  if (HWND surface = page_->surface().hwnd())
    MapWindowPoints(surface, page_->hwnd(), &surfaceAt, 1);
  contentOrigin_ = POINT{surfaceAt.x, surfaceAt.y + barHeight_};
  RECT outer{0, 0, pageClient.right, pageClient.bottom + barHeight_};
  AdjustWindowRectEx(&outer, style, FALSE, exStyle);
  SetWindowPos(hwnd(), nullptr, page.left, page.top, outer.right - outer.left,
               outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  placed_ = RectInParent(hwnd());

  SetWindowTextA(hwnd(), page.caption.c_str());
  const LRESULT icon = SendMessageA(page_->hwnd(), WM_GETICON, ICON_SMALL, 0);
  SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, icon);
  SendMessageA(hwnd(), WM_SETICON, ICON_BIG, SendMessageA(page_->hwnd(), WM_GETICON, ICON_BIG, 0));
  // The see-through colour: where the system layers child windows it shows; elsewhere it is kept
  // for the player only.
  if (page.transparent) {
    SetWindowLongPtrA(hwnd(), GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle | WS_EX_LAYERED));
    if (!SetLayeredWindowAttributes(hwnd(), ColorOf(page.transparentColor), 255, LWA_COLORKEY))
      SetWindowLongPtrA(hwnd(), GWL_EXSTYLE, static_cast<LONG_PTR>(exStyle));
  }

  RefreshDesignSurface();
  switching_ = false;
  if (host_) host_->DesignAreaChanged();
  RedrawWindow(hwnd(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TEditForm::RebuildMenuBar(int menuBarHeight) {
  for (HWND button : menuButtons_) DestroyWindow(button);
  menuButtons_.clear();
  const std::vector<MenuItemData>& items = page_->page().menuBar;
  barHeight_ = items.empty() ? 0 : std::max(menuBarHeight, 0);
  if (barHeight_ == 0) return;
  HDC dc = GetDC(hwnd());
  HGDIOBJ old = SelectObject(
      dc, menuFont_ ? static_cast<HGDIOBJ>(menuFont_.get()) : GetStockObject(DEFAULT_GUI_FONT));
  int x = 0;
  for (const MenuItemData& item : items) {
    SIZE text{};
    GetTextExtentPoint32A(dc, item.caption.c_str(), static_cast<int>(item.caption.size()), &text);
    const int width = text.cx + kMenuButtonPadding;
    HWND button = CreateWindowExA(0, "BUTTON", item.caption.c_str(),
                                  WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON | BS_FLAT, x, 0, width,
                                  barHeight_, hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!button) continue;
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(menuFont_.get()), FALSE);
    menuButtons_.push_back(button);
    x += width;
  }
  SelectObject(dc, old);
  ReleaseDC(hwnd(), dc);
}

void TEditForm::OpenMenuOf(HWND button) {
  const auto it = std::find(menuButtons_.begin(), menuButtons_.end(), button);
  if (it == menuButtons_.end() || !page_) return;
  HMENU bar = page_->menus().menuBar();
  HMENU submenu = bar ? GetSubMenu(bar, static_cast<int>(it - menuButtons_.begin())) : nullptr;
  if (!submenu) return;
  RECT r;
  GetWindowRect(button, &r);
  // Shown for the author to look at: choosing an item runs nothing in the editor.
  TrackPopupMenu(submenu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY, r.left,
                 r.bottom, 0, hwnd(), nullptr);
  FocusKeyCapture();
}

void TEditForm::RefreshDesignSurface() {
  if (!page_ || !hwnd()) return;
  const SIZE content = page_->ContentSize();
  for (ObjectControl* control : page_->Controls()) {
    ObjectBounds bounds = control->Bounds();
    if (ClampToContent(bounds, content.cx, content.cy)) {
      SetBounds(control->data().record, bounds);
      page_->ObjectBoundsChanged(*control);
    }
  }
  if (content.cx > 0 && content.cy > 0 && picture_.Resize(content.cx, content.cy)) {
    const RECT whole{0, 0, content.cx, content.cy};
    // A page that cannot be painted yet still gets its marks, on white.
    if (!page_->RenderContent(picture_.dc()))
      FillRect(picture_.dc(), &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const std::vector<ObjectControl*> controls = page_->Controls();
    DrawDesignMarks(picture_.dc(), controls);
  }
  // Showing the new picture takes the band away with the old one: it was only ever on the screen.
  drawnBand_ = DesignRect{};
  InvalidateRect(hwnd(), nullptr, FALSE);
  UpdateWindow(hwnd());
}

void TEditForm::Paint(HDC dc, const RECT& client) {
  const RECT content{contentOrigin_.x, contentOrigin_.y, contentOrigin_.x + picture_.width(),
                     contentOrigin_.y + picture_.height()};
  {
    // Whatever the picture does not cover (the bar, a size not yet refreshed) in plain colours.
    SavedDc saved(dc);
    ExcludeClipRect(dc, content.left, content.top, content.right, content.bottom);
    const RECT bar{0, 0, client.right, barHeight_};
    FillRect(dc, &bar, GetSysColorBrush(COLOR_MENU));
    const RECT rest{0, barHeight_, client.right, client.bottom};
    FillRect(dc, &rest, GetSysColorBrush(COLOR_BTNFACE));
  }
  if (picture_.width() > 0) {
    BitBlt(dc, content.left, content.top, picture_.width(), picture_.height(), picture_.dc(), 0, 0,
           SRCCOPY);
  }
}

void TEditForm::DrawBand(const DesignRect& band) {
  HDC dc = GetDC(hwnd());
  const RECT r{band.left + contentOrigin_.x, band.top + contentOrigin_.y,
               band.right + 1 + contentOrigin_.x, band.bottom + 1 + contentOrigin_.y};
  DrawFocusRect(dc, &r);  // XOR: drawing it twice leaves the picture as it was
  ReleaseDC(hwnd(), dc);
}

DesignPoint TEditForm::PagePoint(POINT client) const {
  return DesignPoint{client.x - contentOrigin_.x, client.y - contentOrigin_.y};
}

std::vector<DesignObject> TEditForm::ObjectView() const {
  std::vector<DesignObject> view;
  if (!page_) return view;
  for (const ObjectControl* control : page_->Controls())
    view.push_back(DesignObject{control->Bounds(), control->Visible(), control->data().selected});
  return view;
}

void TEditForm::TakeView(const std::vector<DesignObject>& view) {
  const std::vector<ObjectControl*> controls = page_->Controls();
  for (std::size_t i = 0; i < controls.size() && i < view.size(); ++i) {
    ObjectControl& control = *controls[i];
    control.data().selected = view[i].selected;
    if (!(control.Bounds() == view[i].bounds)) {
      SetBounds(control.data().record, view[i].bounds);
      page_->ObjectBoundsChanged(control);
    }
  }
}

void TEditForm::Press(POINT client, bool left, bool ctrl) {
  if (!page_ || !host_ || !host_->CommitPendingEdit()) return;
  FocusKeyCapture();
  SetCapture(hwnd());
  DesignPoint point = PagePoint(client);
  const int kind = host_->CreationKind();
  if (left && kind >= 0) {
    const GridSettings grid = host_->Grid();
    if (grid.snap) point = SnapToGrid(point, grid.x, grid.y);
    if (page_->AddObject(static_cast<std::uint8_t>(kind), point.x, point.y)) {
      page_->page().objects.back().selected = true;  // the page deselected every other one
      pointer_.MarkJustCreated();
      if (PartitionDrawnFirst(page_->page().objects)) page_->ObjectsChanged();
      host_->MarkModified(true);
      RefreshDesignSurface();
      host_->ObjectCreated();
    }
    return;
  }
  std::vector<DesignObject> view = ObjectView();
  pointer_.Press(view, point, ctrl);
  TakeView(view);
  RefreshDesignSurface();
}

void TEditForm::MovePointer(POINT client) {
  if (!page_ || !host_) return;
  std::vector<DesignObject> view = ObjectView();
  const DesignPoint point = PagePoint(client);
  if (pointer_.mode() == PressMode::Idle) {
    shape_ = DesignPointer::ShapeAt(view, point);
    SetCursor(LoadCursor(nullptr, CursorOf(shape_)));
    return;
  }
  switch (pointer_.Move(view, point, host_->Grid())) {
    case DesignPointer::MoveEffect::Objects:
      TakeView(view);
      host_->MarkModified(true);
      RefreshDesignSurface();
      break;
    case DesignPointer::MoveEffect::Band:
      if (!drawnBand_.empty()) DrawBand(drawnBand_);
      drawnBand_ = pointer_.band();
      DrawBand(drawnBand_);
      break;
    case DesignPointer::MoveEffect::None:
      break;
  }
}

void TEditForm::Release(POINT client, bool left, bool ctrl) {
  if (GetCapture() == hwnd()) ReleaseCapture();
  if (!page_ || !host_) return;
  std::vector<DesignObject> view = ObjectView();
  if (!pointer_.Release(view, PagePoint(client), ctrl, left)) return;
  TakeView(view);
  RefreshDesignSurface();
  host_->SelectionRefresh();
}

bool TEditForm::KeyDown(WPARAM key) {
  if (!page_ || !host_) return false;
  if (key == VK_DELETE) {
    host_->DeleteSelection();
    return true;
  }
  int dx = 0, dy = 0;
  switch (key) {
    case VK_LEFT:
      dx = -1;
      break;
    case VK_RIGHT:
      dx = 1;
      break;
    case VK_UP:
      dy = -1;
      break;
    case VK_DOWN:
      dy = 1;
      break;
    default:
      return false;
  }
  const bool ctrl = KeyHeld(VK_CONTROL), shift = KeyHeld(VK_SHIFT);
  if (!ctrl && !shift) return true;  // arrows alone do nothing on the surface
  for (ObjectControl* control : page_->Controls()) {
    if (!control->data().selected) continue;
    ObjectBounds b = control->Bounds();
    if (ctrl) {
      b.left += dx;
      b.top += dy;
    } else {
      b.width = std::max(b.width + dx, 1);
      b.height = std::max(b.height + dy, 1);
    }
    SetBounds(control->data().record, b);
    page_->ObjectBoundsChanged(*control);
  }
  host_->MarkModified(true);
  RefreshDesignSurface();
  return true;
}

LRESULT CALLBACK TEditForm::KeyCaptureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                           UINT_PTR, DWORD_PTR self) {
  auto* form = reinterpret_cast<TEditForm*>(self);
  switch (message) {
    case WM_KEYDOWN:
      if (form->KeyDown(wParam)) return 0;
      break;
    case WM_KEYUP:
      if ((wParam == VK_CONTROL || wParam == VK_SHIFT) && form->host_)
        form->host_->PropertiesRefresh();
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, KeyCaptureProc, kKeyCaptureSubclass);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

void TEditForm::WindowPlaced() {
  const RECT now = RectInParent(hwnd());
  const bool resized = now.right - now.left != placed_.right - placed_.left ||
                       now.bottom - now.top != placed_.bottom - placed_.top;
  const bool moved = now.left != placed_.left || now.top != placed_.top;
  placed_ = now;
  if (switching_ || !page_ || !host_ || (!resized && !moved)) return;
  PageData& page = page_->page();
  page.left = now.left;
  page.top = now.top;
  if (resized) {
    page.width = now.right - now.left;
    page.height = now.bottom - now.top;
    page_->ApplyPageBounds();
    RefreshDesignSurface();
    host_->MarkModified(true);
  }
  host_->DesignAreaChanged();
}

LRESULT TEditForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  const POINT client{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const bool ctrl = (wParam & MK_CONTROL) != 0;
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      Press(client, true, ctrl);
      return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      Press(client, false, ctrl);
      return 0;
    case WM_MOUSEMOVE:
      MovePointer(client);
      return 0;
    case WM_LBUTTONUP:
      Release(client, true, ctrl);
      return 0;
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      Release(client, false, ctrl);
      return DefWindowProcA(hwnd(), message, wParam, lParam);  // a right release asks for the menu
    case WM_CONTEXTMENU:
      if (host_) host_->ShowSurfaceMenu(client);
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == hwnd()) {
        SetCursor(LoadCursor(nullptr, CursorOf(shape_)));
        return TRUE;
      }
      return DefWindowProcA(hwnd(), message, wParam, lParam);
    case WM_CAPTURECHANGED:
      return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lParam) == keyCapture_ && HIWORD(wParam) == EN_CHANGE) {
        // Typed text has no meaning here.
        if (GetWindowTextLengthA(keyCapture_) > 0) SetWindowTextA(keyCapture_, "");
        return 0;
      }
      if (HIWORD(wParam) == BN_CLICKED) OpenMenuOf(reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_WINDOWPOSCHANGED:
      WindowPlaced();
      return DefWindowProcA(hwnd(), message, wParam, lParam);
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize = POINT{kMinimumSize, kMinimumSize};
      return 0;
    }
    case WM_SYSCOMMAND: {
      const WPARAM command = wParam & 0xFFF0;
      if (command == SC_MINIMIZE || command == SC_CLOSE) return 0;
      return DefWindowProcA(hwnd(), message, wParam, lParam);
    }
    case WM_CLOSE:
      return 0;  // the design window lives as long as the editor
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      // A paint shows the whole picture, so a band drawn on the screen is wholly gone with it and
      // the next pointer move draws a fresh one instead of erasing it.
      InvalidateRect(hwnd(), nullptr, FALSE);
      const LRESULT result = Window::HandleMessage(message, wParam, lParam);
      drawnBand_ = DesignRect{};
      return result;
    }
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

void PaintDesignAreaBackground(HDC dc, RECT area, const PageData& page, RECT designWindow,
                               POINT scroll, COLORREF backColor) {
  GdiObject<HBRUSH> back(CreateSolidBrush(backColor));
  FillRect(dc, &area, back.get());
  if (!page.shadow) return;
  RECT shadow = designWindow;
  OffsetRect(&shadow, page.shadowXOff - scroll.x, page.shadowYOff - scroll.y);
  RECT visible;
  if (!IntersectRect(&visible, &shadow, &area)) return;
  const COLORREF blended = static_cast<COLORREF>(
      BlendShadowColor(static_cast<std::uint32_t>(backColor) & 0xFFFFFF,
                       ColorOf(page.shadowColor) & 0xFFFFFF, page.shadowAlpha));
  GdiObject<HBRUSH> brush(CreateSolidBrush(blended));
  FillRect(dc, &visible, brush.get());
}

}  // namespace plexara
