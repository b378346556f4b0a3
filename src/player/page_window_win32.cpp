#include "player/page_window_win32.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "objects/button_control_win32.h"
#include "objects/form_input_controls_win32.h"
#include "objects/image_control_win32.h"
#include "objects/new_object.h"
#include "objects/shape_paint_win32.h"
#include "objects/simple_text_control_win32.h"
#include "platform/file_system_win32.h"
#include "platform/gdi_objects_win32.h"
#include "platform/print_window_win32.h"
#include "player/action_executor_win32.h"
#include "player/cursor_table_win32.h"
#include "player/form_submission_win32.h"
#include "player/grid_dots.h"
#include "player/page_fades.h"
#include "player/tab_pages.h"
#include "storage/button_records.h"
#include "storage/codecs/metafile_render.h"
#include "storage/error_report.h"
#include "storage/gradient.h"
#include "storage/project_loader.h"

namespace plexara {
namespace {

constexpr UINT_PTR kStartTimer = 1;
constexpr UINT_PTR kFadeTimer = 2;
constexpr UINT_PTR kSecondsTimer = 3;
constexpr UINT kStartTimerMs = 10;
constexpr UINT kFadeTimerMs = 10;
constexpr UINT kSecondsTimerMs = 1000;
constexpr int kMinimumWindowSize = 80;
constexpr char kShadowClass[] = "TAutoRunShadow";

constexpr std::uint8_t kKindImageButton = ImageButtonRecord::kKind;
constexpr std::uint8_t kKindImage = ImageRecord::kKind;
constexpr std::uint8_t kKindSimpleText = 17;

// The SimpleText of a control, when it is one (the factory makes every kind-17 control one).
TAuSimpleText* AsSimpleText(ObjectControl& control) {
  return control.kind() == kKindSimpleText ? static_cast<TAuSimpleText*>(&control) : nullptr;
}

// The object an object names as the viewer of its text comment, when it is one of the kinds that
// show text: Label, Text, ScrollText, TextBox or SimpleText.
ObjectControl* CommentViewerOf(const TAutoRunForm& form, const ObjectControl& control) {
  const std::string& name = control.data().command.commentViewer;
  if (name.empty()) return nullptr;
  ObjectControl* viewer = form.FindObject(name);
  if (viewer == nullptr) return nullptr;
  switch (viewer->kind()) {
    case LabelRecord::kKind:
    case TextRecord::kKind:
    case ScrollTextRecord::kKind:
    case TextBoxRecord::kKind:
    case kKindSimpleText:
      return viewer;
    default:
      return nullptr;
  }
}

bool IsKind(std::uint8_t pageKind, PageKind kind) { return pageKind == static_cast<std::uint8_t>(kind); }

// The button type of a Button or ImageButton; Normal for every other kind.
std::uint8_t ButtonTypeOf(const ObjectData& object) {
  if (const auto* button = std::get_if<ButtonRecord>(&object.record)) return button->buttonType;
  if (const auto* imageButton = std::get_if<ImageButtonRecord>(&object.record)) return imageButton->buttonType;
  return kButtonTypeNormal;
}

// The window icon from an icon picture, made from the entry the icon decoder chose.
HICON IconOf(const Picture& picture) {
  if (picture.empty() || picture.graphicClass() != GraphicClass::Icon) return nullptr;
  const DecodedPicture& decoded = picture.decoded();
  if (decoded.frames.empty() || decoded.frames[0].bitmap.empty()) return nullptr;
  const Bitmap& bitmap = decoded.frames[0].bitmap;
  const BITMAPINFO info = TopDownBitmapInfo(bitmap.width(), bitmap.height());
  void* bits = nullptr;
  HBITMAP colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (colour == nullptr) return nullptr;
  std::memcpy(bits, bitmap.data(), static_cast<std::size_t>(bitmap.width()) * bitmap.height() * sizeof(Bgra));
  // An all-zero mask: the colour bitmap's alpha decides what shows.
  HBITMAP mask = CreateBitmap(bitmap.width(), bitmap.height(), 1, 1, nullptr);
  ICONINFO iconInfo{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&iconInfo);
  DeleteObject(mask);
  DeleteObject(colour);
  return icon;
}

LRESULT CALLBACK ShadowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ERASEBKGND) {
    RECT r;
    GetClientRect(hwnd, &r);
    HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
    FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
    DeleteObject(brush);
    return 1;
  }
  if (message == WM_NCHITTEST) return HTTRANSPARENT;
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

// Not owned by the page: an owned window always stays above its owner, and the shadow must be
// below it.
HWND CreateShadowWindow(COLORREF color) {
  static const bool registered = [] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = ShadowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kShadowClass;
    return RegisterClassExA(&wc) != 0;
  }();
  if (!registered) return nullptr;
  HWND shadow = CreateWindowExA(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT, kShadowClass,
                                "", WS_POPUP | WS_DISABLED, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (shadow) SetWindowLongPtrA(shadow, GWLP_USERDATA, static_cast<LONG_PTR>(color));
  return shadow;
}

}  // namespace

PageFrameStyle FrameStyleOf(const PageData& page) {
  PageFrameStyle frame;
  const std::uint8_t icons = page.borderIcons;
  DWORD buttons = 0;
  if (icons & 0x01) buttons |= WS_SYSMENU;
  if (icons & 0x02) buttons |= WS_MINIMIZEBOX;
  if (icons & 0x04) buttons |= WS_MAXIMIZEBOX;
  if ((icons & 0x08) && !(icons & 0x06)) frame.exStyle |= WS_EX_CONTEXTHELP;
  switch (page.borderStyle) {
    case 0: frame.style = WS_POPUP; break;
    case 1: frame.style = WS_OVERLAPPED | WS_CAPTION | WS_BORDER | buttons; break;
    case 2: frame.style = WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME | buttons; break;
    case 3:
      frame.style = WS_POPUP | WS_CAPTION | (buttons & WS_SYSMENU);
      frame.exStyle |= WS_EX_DLGMODALFRAME;
      break;
    case 4:
      frame.style = WS_POPUP | WS_CAPTION | (buttons & WS_SYSMENU);
      frame.exStyle |= WS_EX_TOOLWINDOW;
      break;
    default:
      frame.style = WS_POPUP | WS_CAPTION | WS_THICKFRAME | (buttons & WS_SYSMENU);
      frame.exStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  return frame;
}

HICON applicationIcon = nullptr;
namespace {
// Known to every page window ("Stop All Sound", "Minimize"), in creation order.
std::vector<TAutoRunForm*> screenBackgrounds;
// The window "Minimize" sent to the task bar while the backgrounds wait for it to come back.
HWND minimizedWithBackgrounds = nullptr;
}  // namespace

TAutoRunForm* TAutoRunForm::ScreenBackground() {
  return screenBackgrounds.empty() ? nullptr : screenBackgrounds.back();
}

std::vector<TAutoRunForm*> TAutoRunForm::ScreenBackgrounds() { return screenBackgrounds; }

void TAutoRunForm::SetApplicationIcon(HICON icon) { applicationIcon = icon; }

TAutoRunForm::TAutoRunForm(StartupContext& context)
    : context_(context),
      actionRunner_([](TAutoRunForm& window, const TCommand& command) { ExecuteAction(window, command); }),
      fadePause_([](int ms) { Sleep(ms); }),
      actionSound_(CurrentSoundSystem().OpenChannel()),
      startSound_(CurrentSoundSystem().OpenChannel()),
      objectSound_(CurrentSoundSystem().OpenChannel()) {}

TAutoRunForm::~TAutoRunForm() {
  std::erase(screenBackgrounds, this);
  Destroy();
  if (icon_) DestroyIcon(icon_);
  if (tabFont_) DeleteObject(tabFont_);
  if (tabImages_) ImageList_Destroy(static_cast<HIMAGELIST>(tabImages_));
}

bool TAutoRunForm::BuildTabStrip() {
  static const bool initialised = [] {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  if (!initialised || !hwnd()) return false;
  const TSettings& settings = context_.project.settings;
  RECT client;
  GetClientRect(hwnd(), &client);
  tabStrip_ = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, client.right, 30,
                              hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!tabStrip_) return false;
  tabFont_ = CreateFontOf(settings.tabFont);
  SendMessageA(tabStrip_, WM_SETFONT, reinterpret_cast<WPARAM>(tabFont_), TRUE);
  const int iconSize = std::clamp(settings.iconSize, 1, 256);
  HIMAGELIST images = nullptr;
  if (settings.showSheetIcons) {
    images = ImageList_Create(iconSize, iconSize, ILC_COLOR24, 4, 4);
    tabImages_ = images;
    TabCtrl_SetImageList(tabStrip_, images);
  }
  for (std::size_t index : TabbedPages(context_.project)) {
    const TAutoFormInfo& entry = context_.project.pages[index];
    std::string caption;
    Picture iconPicture;
    if (!ReadPageCaptionAndIcon(context_, entry, caption, iconPicture)) break;
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    if (images) {
      // Each icon is laid on white and scaled to the strip's icon size.
      HICON own = IconOf(iconPicture);
      HICON icon = own ? own : (applicationIcon ? applicationIcon : LoadIcon(nullptr, IDI_APPLICATION));
      HDC screen = GetDC(nullptr);
      HDC dc = CreateCompatibleDC(screen);
      HBITMAP bitmap = CreateCompatibleBitmap(screen, iconSize, iconSize);
      HGDIOBJ old = SelectObject(dc, bitmap);
      RECT square{0, 0, iconSize, iconSize};
      FillRect(dc, &square, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
      DrawIconEx(dc, 0, 0, icon, iconSize, iconSize, 0, nullptr, DI_NORMAL);
      SelectObject(dc, old);
      item.mask |= TCIF_IMAGE;
      item.iImage = ImageList_Add(images, bitmap, nullptr);
      DeleteObject(bitmap);
      DeleteDC(dc);
      ReleaseDC(nullptr, screen);
      if (own) DestroyIcon(own);
    }
    TabCtrl_InsertItem(tabStrip_, static_cast<int>(tabPages_.size()), &item);
    tabPages_.push_back(entry.name);
  }
  // The strip keeps only the height of its tabs.
  RECT tab{};
  if (TabCtrl_GetItemRect(tabStrip_, 0, &tab)) tabHeight_ = tab.bottom + 2;
  if (applicationIcon) {
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(applicationIcon));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(applicationIcon));
  }
  std::string title = settings.applicationTitle;
  title.erase(0, title.find_first_not_of(" \t\r\n"));
  title.erase(title.find_last_not_of(" \t\r\n") + 1);
  if (!title.empty()) SetWindowTextA(hwnd(), title.c_str());
  LayOutChildren(client.right, client.bottom);
  RedrawBackground();
  return true;
}

void TAutoRunForm::LayOutChildren(int width, int height) {
  // The page's inner border keeps everything that many pixels inside the frame.
  const int border = std::clamp(page_.borderWidth, 0, std::max(0, std::min(width, height) / 2));
  const int innerWidth = width - 2 * border, innerHeight = height - 2 * border;
  if (tabStrip_) MoveWindow(tabStrip_, border, border, innerWidth, tabHeight_, TRUE);
  if (surface_.hwnd()) {
    MoveWindow(surface_.hwnd(), border, border + tabHeight_, innerWidth, std::max(0, innerHeight - tabHeight_),
               TRUE);
  }
}

bool TAutoRunForm::LoadPage(const TAutoFormInfo& entry) {
  PageData page;
  if (!LoadPageByEntry(context_, entry, page, PageReadMode::Full)) return false;
  SetPage(std::move(page));
  return true;
}

void TAutoRunForm::SetPage(PageData page) {
  page_ = std::move(page);
  BuildControls();
}

void TAutoRunForm::BuildControls() {
  childPictures_.clear();
  if (surface_.hwnd()) surface_.SetControls({});  // never left pointing at freed controls
  hints_.Rebuild(surface_.hwnd(), {}, nullptr);
  controls_.clear();
  for (ObjectData& object : page_.objects) {
    std::unique_ptr<ObjectControl> control = CreateObjectControl(object);
    control->SetEvents(this);
    if (designMode_) control->SetDesignShown(true);
    controls_.push_back(std::move(control));
  }
  AttachControls();
  if (surface_.hwnd()) ApplyTabOrder(Controls());
  JoinButtonGroups(Controls());
  // The editor shows the Checked flags as stored.
  if (designMode_) return;
  // A page starts with every checked member of a check group shown checked, in object order.
  for (auto& control : controls_) {
    const TCommand& command = control->data().command;
    if (command.checked && command.checkStyleInGroup && !command.groupName.empty()) ApplyCheckGroup(*control);
  }
}

void TAutoRunForm::AttachControls() {
  if (!surface_.hwnd()) return;
  for (auto& control : controls_) {
    if (control->Windowed()) control->CreateChild(surface_.hwnd());
  }
  surface_.SetControls(Controls());
  menus_.BuildRightClickMenus(page_.popupMenu, Controls());
  hints_.Rebuild(surface_.hwnd(), Controls(), &page_.hint);
}

ObjectControl* TAutoRunForm::AddObject(std::uint8_t kind, int x, int y) {
  const KindInfo* info = FindKind(kind);
  if (info == nullptr) return nullptr;
  for (ObjectData& object : page_.objects) object.selected = false;
  ObjectData added = NewPageObject(page_, kind, x, y);
  // Growing the list may move every object, so each control is pointed at its object again.
  page_.objects.push_back(std::move(added));
  for (std::size_t i = 0; i < controls_.size(); ++i) controls_[i]->Rebind(page_.objects[i]);
  std::unique_ptr<ObjectControl> control = CreateObjectControl(page_.objects.back());
  control->SetEvents(this);
  if (designMode_) control->SetDesignShown(true);
  // The boxes, media players, slide shows and Flash keep their clicks to themselves.
  if (!info->clickToPage) control->SetReportedEvents(info->events & ~kEventClick);
  ObjectControl* result = control.get();
  controls_.push_back(std::move(control));
  AttachControls();
  if (surface_.hwnd()) ApplyTabOrder(Controls());
  objectCursors_.resize(controls_.size(), nullptr);
  surface_.InvalidateControl(*result);
  return result;
}

std::vector<ObjectControl*> TAutoRunForm::Controls() const {
  std::vector<ObjectControl*> controls;
  for (const auto& control : controls_) controls.push_back(control.get());
  return controls;
}

ObjectControl* TAutoRunForm::FindObject(std::string_view name) const {
  for (const auto& control : controls_) {
    if (control->data().command.name == name) return control.get();
  }
  return nullptr;
}

bool TAutoRunForm::CreatePageWindow(HWND owner, bool mainWindow) {
  mainWindow_ = mainWindow;
  layered_ = context_.layeredWindows;
  const PageFrameStyle frame = FrameStyleOf(page_);
  CreateArgs args;
  args.className = kPageWindowClass;
  args.title = page_.caption;
  args.style = frame.style | WS_CLIPCHILDREN;
  args.exStyle = frame.exStyle | (layered_ ? WS_EX_LAYERED : 0);
  args.width = std::max(page_.width, kMinimumWindowSize);
  args.height = std::max(page_.height, kMinimumWindowSize);
  args.parent = owner;
  // Placement: as designed, the system's choice, or centred on the screen, desktop or owner.
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (page_.position == 5) SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  if ((page_.position == 6 || page_.position == 7) && owner) GetWindowRect(owner, &work);
  switch (page_.position) {
    case 0: args.x = page_.left; args.y = page_.top; break;
    case 1: args.x = args.y = args.width = args.height = CW_USEDEFAULT; break;
    case 2: args.x = args.y = CW_USEDEFAULT; break;
    case 3: args.x = page_.left; args.y = page_.top; args.width = args.height = CW_USEDEFAULT; break;
    default:
      args.x = work.left + (work.right - work.left - args.width) / 2;
      args.y = work.top + (work.bottom - work.top - args.height) / 2;
      break;
  }
  if (!Create(args)) return false;
  if (page_.position >= 4) {
    // The frame may have made the window larger than asked (a caption needs its buttons), so the
    // centre is found again from the size it really has.
    RECT actual;
    GetWindowRect(hwnd(), &actual);
    const int width = actual.right - actual.left, height = actual.bottom - actual.top;
    if (width != args.width || height != args.height) {
      SetWindowPos(hwnd(), nullptr, work.left + (work.right - work.left - width) / 2,
                   work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }
  menus_.SetItemClick([this](const MenuItemData& item) { MenuItemClick(*this, item); });
  menus_.BuildMenuBar(hwnd(), page_.menuBar);
  if (IsKind(page_.pageKind, PageKind::ScreenBackground)) screenBackgrounds.push_back(this);
  icon_ = IconOf(page_.pageIcon);
  if (HICON icon = icon_ ? icon_ : applicationIcon) {
    SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  if (layered_) {
    SetOpacity(0);  // invisible until shown and faded in
    shadow_ = CreateShadowWindow(ColorOf(page_.shadowColor));
    shadowOpacity_ = page_.shadowAlpha;
    if (shadow_) SetLayeredWindowAttributes(shadow_, 0, shadowOpacity_, LWA_ALPHA);
  }
  if (!surface_.CreateOn(hwnd(), *this)) return false;
  hints_.Create(hwnd());  // without a hint window the page simply shows no hints
  BuildControls();
  RedrawBackground();
  return true;
}

void TAutoRunForm::ShowPage() {
  seconds_ = 0;
  SetTimer(hwnd(), kSecondsTimer, kSecondsTimerMs, nullptr);
  SetTimer(hwnd(), kStartTimer, kStartTimerMs, nullptr);
  shown_ = true;
  int show = SW_SHOWNORMAL;
  if (page_.windowState == 1) show = SW_SHOWMINIMIZED;
  if (page_.windowState == 2) show = SW_SHOWMAXIMIZED;
  ShowWindow(hwnd(), show);
  UpdateWindow(hwnd());
  // The page is still at opacity 0 here, so its shadow can follow it: the page's first paint does
  // not wait for a second top-level window to appear. No message is handled in between, so the
  // fade-in starts with both in place.
  if (layered_) PrepareFadeIn();
  PlaceShadow();
}

void TAutoRunForm::RedrawBackground() {
  childPictures_.clear();  // children that show the page colour through
  RECT client{};
  GetClientRect(surface_.hwnd() ? surface_.hwnd() : hwnd(), &client);
  const int w = client.right, h = client.bottom;
  if (w <= 0 || h <= 0) return;
  Bitmap background = RenderPageBackground(page_, w, h, ResolveColorWin32, RenderMetafile);
  if (designMode_ && designGrid_) DrawGridDots(background, gridX_, gridY_);
  surface_.SetBackground(std::move(background));
}

void TAutoRunForm::SetDesignGrid(bool on, int gridX, int gridY) {
  designGrid_ = on;
  gridX_ = gridX;
  gridY_ = gridY;
  RedrawBackground();
}

void TAutoRunForm::ObjectsChanged() {
  BuildControls();
  if (surface_.hwnd()) InvalidateRect(surface_.hwnd(), nullptr, FALSE);
}

void TAutoRunForm::ObjectRecordChanged(std::size_t index) {
  if (index >= controls_.size() || index >= page_.objects.size()) return;
  const ObjectControl& old = *controls_[index];
  std::unique_ptr<ObjectControl> control = CreateObjectControl(page_.objects[index]);
  control->SetEvents(this);
  control->SetReportedEvents(old.reportedEvents());
  if (designMode_) control->SetDesignShown(old.Visible());
  if (HWND child = old.Child()) childPictures_.erase(child);
  // Nothing may point at the old control while it goes: the surface, the hints and the menus are
  // given the new list afterwards.
  if (surface_.hwnd()) surface_.SetControls({});
  hints_.Rebuild(surface_.hwnd(), {}, nullptr);
  controls_[index] = std::move(control);
  AttachControls();
  if (surface_.hwnd()) ApplyTabOrder(Controls());
  JoinButtonGroups(Controls());
  if (surface_.hwnd()) InvalidateRect(surface_.hwnd(), nullptr, FALSE);
}

void TAutoRunForm::MenusChanged() {
  if (!hwnd()) return;
  menus_.BuildMenuBar(hwnd(), page_.menuBar);
  menus_.BuildRightClickMenus(page_.popupMenu, Controls());
}

void TAutoRunForm::ObjectBoundsChanged(ObjectControl& control) {
  if (HWND child = control.Child()) {
    childPictures_.erase(child);
    const ObjectBounds b = control.Bounds();
    MoveWindow(child, b.left, b.top, std::max(b.width, 0), std::max(b.height, 0), TRUE);
  }
  // Where a drawn object was is not known any more, so the whole surface is painted again.
  if (surface_.hwnd()) InvalidateRect(surface_.hwnd(), nullptr, FALSE);
}

void TAutoRunForm::ApplyPageBounds() {
  if (!hwnd()) return;
  SetWindowPos(hwnd(), nullptr, page_.left, page_.top, std::max(page_.width, kMinimumWindowSize),
               std::max(page_.height, kMinimumWindowSize), SWP_NOZORDER | SWP_NOACTIVATE);
}

void TAutoRunForm::ApplyPageFrame() {
  if (!hwnd()) return;
  const PageFrameStyle frame = FrameStyleOf(page_);
  const auto kept = static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_STYLE)) & WS_VISIBLE;
  SetWindowLongPtrA(hwnd(), GWL_STYLE, static_cast<LONG_PTR>(frame.style | WS_CLIPCHILDREN | kept));
  SetWindowLongPtrA(hwnd(), GWL_EXSTYLE, static_cast<LONG_PTR>(frame.exStyle | (layered_ ? WS_EX_LAYERED : 0)));
  SetWindowTextA(hwnd(), page_.caption.c_str());
  HICON previous = std::exchange(icon_, IconOf(page_.pageIcon));
  HICON icon = icon_ ? icon_ : applicationIcon;
  SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  if (previous) DestroyIcon(previous);
  SetWindowPos(hwnd(), nullptr, 0, 0, std::max(page_.width, kMinimumWindowSize),
               std::max(page_.height, kMinimumWindowSize),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RedrawBackground();
}

SIZE TAutoRunForm::ContentSize() const {
  RECT client{};
  if (surface_.hwnd()) GetClientRect(surface_.hwnd(), &client);
  return SIZE{client.right, client.bottom};
}

bool TAutoRunForm::RenderContent(HDC dc) {
  HWND surface = surface_.hwnd();
  if (!surface) return false;
  RECT client;
  GetClientRect(surface, &client);
  if (client.right <= 0 || client.bottom <= 0) return false;
  surface_.PaintAll(dc, client);
  // The children from the bottom of the z-order up, where they sit. Their own WS_VISIBLE bit
  // counts: the page window itself is hidden.
  for (HWND child = GetWindow(GetWindow(surface, GW_CHILD), GW_HWNDLAST); child != nullptr;
       child = GetWindow(child, GW_HWNDPREV)) {
    if (!(GetWindowLongPtrA(child, GWL_STYLE) & WS_VISIBLE)) continue;
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, surface, reinterpret_cast<POINT*>(&r), 2);
    const int width = r.right - r.left, height = r.bottom - r.top;
    std::unique_ptr<MemoryCanvas>& picture = childPictures_[child];
    if (!picture || picture->width() != width || picture->height() != height) {
      picture = std::make_unique<MemoryCanvas>();
      if (!picture->Resize(width, height) || !win32::PrintChildWindow(child, picture->dc(), 0, 0)) {
        picture.reset();
        win32::PrintChildWindow(child, dc, r.left, r.top);
        continue;
      }
    }
    BitBlt(dc, r.left, r.top, width, height, picture->dc(), 0, 0, SRCCOPY);
  }
  return true;
}

void TAutoRunForm::SetOpacity(std::uint8_t opacity) {
  if (!layered_ || !hwnd()) return;
  // The page's see-through colour rides along with every opacity the window is given.
  if (page_.transparent) {
    SetLayeredWindowAttributes(hwnd(), ColorOf(page_.transparentColor), opacity, LWA_ALPHA | LWA_COLORKEY);
  } else {
    SetLayeredWindowAttributes(hwnd(), 0, opacity, LWA_ALPHA);
  }
  opacityLog_.push_back(opacity);
}

void TAutoRunForm::Pause(int milliseconds) {
  if (fadePause_) fadePause_(milliseconds);
}

void TAutoRunForm::PlaceShadow() {
  if (!shadow_ || !layered_) return;
  RECT r;
  GetWindowRect(hwnd(), &r);
  SetWindowPos(shadow_, hwnd(), r.left + page_.shadowXOff, r.top + page_.shadowYOff, r.right - r.left,
               r.bottom - r.top, SWP_NOACTIVATE);
}

void TAutoRunForm::PrepareFadeIn() {
  if (!layered_) return;
  if (IsKind(page_.pageKind, PageKind::ScreenBackground)) {
    SetOpacity(255);
    return;
  }
  shadowOpacity_ = page_.shadowAlpha;
  if (shadow_) {
    SetLayeredWindowAttributes(shadow_, 0, 0, LWA_ALPHA);
    if (page_.shadow) {
      PlaceShadow();
      ShowWindow(shadow_, SW_SHOWNOACTIVATE);
    }
  }
  SetTimer(hwnd(), kFadeTimer, kFadeTimerMs, nullptr);
}

void TAutoRunForm::OnFadeTimer() {
  KillTimer(hwnd(), kFadeTimer);
  if (switchedInPlace_) {
    // A page switched in place keeps its window as it is shown.
    switchedInPlace_ = false;
    return;
  }
  if (layered_ && page_.shadow && shadow_) {
    SetWindowPos(shadow_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    PlaceShadow();
  }
  if (layered_) {
    if (page_.fadeIn) {
      for (std::uint8_t v : FadeInOpacities(page_.fadeInDelay, page_.fadeInStep)) {
        SetOpacity(v);
        Pause(page_.fadeInDelay);
      }
    }
    SetOpacity(255);
    if (shadow_) SetLayeredWindowAttributes(shadow_, 0, shadowOpacity_, LWA_ALPHA);
    // Some systems drop what a fully transparent window painted; paint the finished page again.
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
}

void TAutoRunForm::FadeOutAndHideShadow() {
  if (shadow_) ShowWindow(shadow_, SW_HIDE);
  if (!layered_ || IsKind(page_.pageKind, PageKind::ScreenBackground)) return;
  SetOpacity(255);
  if (page_.fadeOut) {
    for (std::uint8_t v : FadeOutOpacities(page_.fadeOutDelay, page_.fadeOutStep)) {
      SetOpacity(v);
      UpdateWindow(hwnd());
      Pause(page_.fadeOutDelay);
    }
  }
  SetOpacity(0);
}

void TAutoRunForm::BeginGotoPage(const std::string& pageName) {
  pendingPage_ = pageName;
  pending_ = true;
  SetTimer(hwnd(), kStartTimer, kStartTimerMs, nullptr);
}

void TAutoRunForm::OnStartTimer() {
  KillTimer(hwnd(), kStartTimer);
  if (pending_ && actionDepth_ > 0) {
    // An action is still running (a sub page it opened is showing, say): the controls it started
    // from must outlive it, so the page switches once it is over.
    SetTimer(hwnd(), kStartTimer, kStartTimerMs, nullptr);
    return;
  }
  if (pending_) {
    const auto& pages = context_.project.pages;
    const auto entry = std::find_if(pages.begin(), pages.end(), [&](const TAutoFormInfo& e) { return e.name == pendingPage_; });
    // The window keeps its frame, caption, size, icon and menu bar; a page that does not load
    // leaves the current content in place.
    PageData next = page_;
    if (entry == pages.end() || !LoadPageByEntry(context_, *entry, next, PageReadMode::ContentReload)) {
      pending_ = false;
      return;
    }
    page_ = std::move(next);
    pending_ = false;
    switchedInPlace_ = true;
    BuildControls();
    RedrawBackground();
    SetTimer(hwnd(), kFadeTimer, kFadeTimerMs, nullptr);
  }
  RunStartAction();
  // Cursor files override the hand the start action gave to objects with an action.
  pageCursor_ = CursorOfNumber(CursorNumber(context_.projectRoot, page_.command.cursor));
  for (std::size_t i = 0; i < controls_.size() && i < objectCursors_.size(); ++i) {
    if (HCURSOR own = CursorOfNumber(CursorNumber(context_.projectRoot, controls_[i]->data().command.cursor))) {
      objectCursors_[i] = own;
    }
  }
}

void TAutoRunForm::RunStartAction() {
  if (page_.command.actionKind != 0) RunAction(page_.command);
  objectCursors_.assign(controls_.size(), nullptr);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    if (controls_[i]->data().command.actionKind != 0) objectCursors_[i] = LoadCursor(nullptr, IDC_HAND);
  }
}

HCURSOR TAutoRunForm::ObjectCursor(const ObjectControl& control) const {
  for (std::size_t i = 0; i < controls_.size() && i < objectCursors_.size(); ++i) {
    if (controls_[i].get() == &control) return objectCursors_[i];
  }
  return nullptr;
}

HCURSOR TAutoRunForm::CursorFor(const ObjectControl* control) {
  return control ? ObjectCursor(*control) : pageCursor_;
}

bool TAutoRunForm::SurfaceNotify(const NMHDR& header, LRESULT& result) { return hints_.HandleNotify(header, result); }

void TAutoRunForm::MinimizeApplication() {
  if (!hwnd()) return;
  HWND top = GetAncestor(hwnd(), GA_ROOTOWNER);
  for (TAutoRunForm* background : screenBackgrounds) {
    if (background->hwnd() && background->hwnd() != top) ShowWindow(background->hwnd(), SW_SHOWMINNOACTIVE);
  }
  minimizedWithBackgrounds = top;
  // The windows it owns go down with it and come back with it.
  ShowWindow(top, SW_MINIMIZE);
}

bool TAutoRunForm::PlayActionSound(const std::string& path) {
  if (!win32::Win32FileSystem().FileExists(path)) {
    ShowErrorBox("The specified file was not found.");
    return false;
  }
  return actionSound_->Play(path);
}

bool TAutoRunForm::PlayObjectSound(const std::string& path) {
  return win32::Win32FileSystem().FileExists(path) && objectSound_->Play(path);
}

bool TAutoRunForm::PlayStartSound() {
  if (page_.startSound.empty()) return false;
  const std::string path = RootRelativePath(context_.projectRoot, page_.startSound);
  if (!win32::Win32FileSystem().FileExists(path)) {
    ShowErrorBox("The specified file \"" + path + "\" was not found.");
    return false;
  }
  return startSound_->Play(path);
}

void TAutoRunForm::StopSounds() {
  actionSound_->Stop();
  startSound_->Stop();
  objectSound_->Stop();
}

void TAutoRunForm::StopActionSound() {
  if (actionSound_->Playing()) actionSound_->Stop();
}

void TAutoRunForm::StopAllSounds() {
  page_.startSoundLoop = false;
  StopSounds();
}

void TAutoRunForm::PlayObjectSoundFor(const std::string& stored) {
  if (!stored.empty()) PlayObjectSound(RootRelativePath(context_.projectRoot, stored));
}

void TAutoRunForm::OnSecondsTimer() {
  ++seconds_;
  const bool visible = IsWindowVisible(hwnd()) != FALSE;
  // A looping start sound restarts within a second of ending.
  if (startSoundPlayed_ && page_.startSoundLoop && !startSound_->Playing() && visible) PlayStartSound();
  const bool staysAWhile = IsKind(page_.pageKind, PageKind::SplashScreen) || IsKind(page_.pageKind, PageKind::ExitForm);
  if (staysAWhile && page_.stayTime > 0 && seconds_ >= page_.stayTime) {
    KillTimer(hwnd(), kSecondsTimer);
    PostMessageA(hwnd(), WM_CLOSE, 0, 0);
  }
  // Marked before playing, so a missing file shows its box once.
  if (!startSoundStarted_ && seconds_ >= page_.startSoundDelay && visible) {
    startSoundStarted_ = true;
    startSoundPlayed_ = PlayStartSound();
  }
}

bool TAutoRunForm::ClosesOnClick() const {
  return page_.clickContinue &&
         (IsKind(page_.pageKind, PageKind::SplashScreen) || IsKind(page_.pageKind, PageKind::ExitForm));
}

void TAutoRunForm::ApplyCheckGroup(ObjectControl& clicked) {
  TCommand& command = clicked.data().command;
  const std::uint8_t kind = clicked.kind();
  if (kind != kKindImageButton && kind != kKindImage && kind != kKindSimpleText) return;
  if (!command.checkStyleInGroup || command.groupName.empty()) return;
  command.checked = true;
  clicked.SetChecked(true);
  for (auto& control : controls_) {
    if (control.get() == &clicked || control->kind() != kind) continue;
    TCommand& other = control->data().command;
    if (other.checkStyleInGroup && other.groupName == command.groupName) {
      other.checked = false;
      control->SetChecked(false);
    }
  }
}

void TAutoRunForm::ObjectClick(ObjectControl& control) {
  if (ClosesOnClick()) {
    PostMessageA(hwnd(), WM_CLOSE, 0, 0);
    return;
  }
  switch (ButtonTypeOf(control.data())) {
    case kButtonTypeOk:
      result_ = 1;
      PostMessageA(hwnd(), WM_CLOSE, 0, 0);
      return;
    case kButtonTypeCancel:
      result_ = 0;
      PostMessageA(hwnd(), WM_CLOSE, 0, 0);
      return;
    case kButtonTypeSubmit:
      SubmitForm(*this);
      return;
    default:
      break;
  }
  ApplyCheckGroup(control);
  PlayObjectSoundFor(control.data().command.clickSound);
  RunAction(control.data().command);
}

void TAutoRunForm::ObjectMouseDown(ObjectControl& control, POINT screen) {
  if (TAuSimpleText* text = AsSimpleText(control)) text->LookPressed();
  mouseDownAt_ = screen;
  PlayObjectSoundFor(control.data().command.mouseDownSound);
}

void TAutoRunForm::ObjectMouseUp(ObjectControl& control, POINT) {
  if (TAuSimpleText* text = AsSimpleText(control)) text->LookReleased();
  PlayObjectSoundFor(control.data().command.mouseUpSound);
}

void TAutoRunForm::ObjectMouseMove(ObjectControl& control, bool leftButtonDown, POINT screen) {
  if (!control.data().command.windowMoveHandle || !leftButtonDown) return;
  RECT r;
  GetWindowRect(hwnd(), &r);
  SetWindowPos(hwnd(), nullptr, r.left + screen.x - mouseDownAt_.x, r.top + screen.y - mouseDownAt_.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  mouseDownAt_ = screen;
}

void TAutoRunForm::ObjectMouseEnter(ObjectControl& control) {
  PlayObjectSoundFor(control.data().command.mouseEnterSound);
  if (TAuSimpleText* text = AsSimpleText(control)) text->LookEnter();
  // The viewer's own text comes back when the pointer leaves.
  if (ObjectControl* viewer = CommentViewerOf(*this, control)) {
    control.data().command.viewerSavedText = viewer->ObjectText();
    viewer->SetObjectText(control.data().command.comment);
  }
  if (TAuImage* viewer = GraphicCommentViewer(control)) viewer->ShowViewerPicture(control.data().graphicComment);
  // At most one object looks hot, even when a leave notification was lost.
  for (auto& other : controls_) {
    const std::uint8_t kind = other->kind();
    if (other.get() != &control &&
        (kind == kKindImageButton || kind == kKindImage || kind == kKindSimpleText)) {
      other->ClearHover();
    }
  }
}

void TAutoRunForm::ObjectMouseLeave(ObjectControl& control) {
  PlayObjectSoundFor(control.data().command.mouseLeaveSound);
  if (TAuSimpleText* text = AsSimpleText(control)) text->LookLeave();
  if (ObjectControl* viewer = CommentViewerOf(*this, control))
    viewer->SetObjectText(control.data().command.viewerSavedText);
  if (TAuImage* viewer = GraphicCommentViewer(control)) viewer->RestoreOwnPicture();
}

TAuImage* TAutoRunForm::GraphicCommentViewer(const ObjectControl& control) const {
  const std::string& name = control.data().command.graphicCommentViewer;
  if (name.empty()) return nullptr;
  ObjectControl* viewer = FindObject(name);
  return viewer && viewer->kind() == kKindImage ? static_cast<TAuImage*>(viewer) : nullptr;
}

void TAutoRunForm::InvalidateObject(ObjectControl& control) { surface_.InvalidateControl(control); }

void TAutoRunForm::RunAction(const TCommand& command) {
  if (!actionRunner_) return;
  struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
  } depth(actionDepth_);
  actionRunner_(*this, command);
}

void TAutoRunForm::ShowRightClickMenu(HWND from, POINT screen) {
  if (screen.x == -1 && screen.y == -1) GetCursorPos(&screen);  // asked for from the keyboard
  // The empty page shows the page's menu; an object shows only its own.
  const ObjectControl* object = nullptr;
  if (from == surface_.hwnd()) {
    POINT client = screen;
    ScreenToClient(from, &client);
    object = surface_.DrawnControlAt(client);
  } else {
    for (const auto& control : controls_) {
      if (control->Windowed() && control->Child() == from) object = control.get();
    }
    if (object == nullptr) return;
  }
  menus_.ShowRightClickMenu(hwnd(), object, screen);
}

void TAutoRunForm::BackgroundClick() {
  if (ClosesOnClick()) PostMessageA(hwnd(), WM_CLOSE, 0, 0);
}

void TAutoRunForm::BackgroundMouseMove() {
  for (auto& control : controls_) {
    if (control->kind() == kKindImageButton || control->kind() == kKindImage) control->ClearHover();
  }
}

LRESULT TAutoRunForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kStartTimer) OnStartTimer();
      if (wParam == kFadeTimer) OnFadeTimer();
      if (wParam == kSecondsTimer) OnSecondsTimer();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && shown_ && layered_ &&
          !IsKind(page_.pageKind, PageKind::ScreenBackground)) {
        SetTimer(hwnd(), kFadeTimer, kFadeTimerMs, nullptr);
      }
      return DefWindowProcA(hwnd(), message, wParam, lParam);
    case WM_NOTIFY: {
      const auto* header = reinterpret_cast<const NMHDR*>(lParam);
      LRESULT answer = 0;
      if (hints_.HandleNotify(*header, answer)) return answer;
      if (tabStrip_ && header->hwndFrom == tabStrip_ && header->code == TCN_SELCHANGE) {
        const int selected = TabCtrl_GetCurSel(tabStrip_);
        if (selected >= 0 && static_cast<std::size_t>(selected) < tabPages_.size()) BeginGotoPage(tabPages_[selected]);
        return 0;
      }
      return DefWindowProcA(hwnd(), message, wParam, lParam);
    }
    case WM_KEYDOWN:
      if (ClosesOnClick()) PostMessageA(hwnd(), WM_CLOSE, 0, 0);
      return 0;
    case WM_SIZE:
      if (wParam == SIZE_MINIMIZED) {
        // A shadow without its page would hang on the desktop.
        minimized_ = true;
        if (shadow_) ShowWindow(shadow_, SW_HIDE);
        return 0;
      }
      if (std::exchange(minimized_, false) && layered_ && page_.shadow && shadow_) {
        ShowWindow(shadow_, SW_SHOWNOACTIVATE);
      }
      if (hwnd() == minimizedWithBackgrounds) {
        // Back from "Minimize": the backgrounds return behind everything, this window in front.
        minimizedWithBackgrounds = nullptr;
        for (TAutoRunForm* background : screenBackgrounds) {
          if (!background->hwnd() || !IsIconic(background->hwnd())) continue;
          ShowWindow(background->hwnd(), SW_RESTORE);
          SetWindowPos(background->hwnd(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
        SetForegroundWindow(hwnd());
      }
      if (surface_.hwnd()) {
        LayOutChildren(LOWORD(lParam), HIWORD(lParam));
        // Showing the window sends a size message for the size the background was rendered at
        // already; rendering it again would only delay the first paint.
        RECT client{};
        GetClientRect(surface_.hwnd(), &client);
        const Bitmap& background = surface_.background();
        if (background.empty() || background.width() != client.right || background.height() != client.bottom) {
          RedrawBackground();
        }
      }
      PlaceShadow();
      return 0;
    case WM_MOVE:
      PlaceShadow();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize = POINT{kMinimumWindowSize, kMinimumWindowSize};
      return 0;
    }
    case WM_CLOSE:
      if (askingToClose_) return 0;
      FadeOutAndHideShadow();
      if (mainWindow_ && shown_ && closeQuery_) {
        askingToClose_ = true;
        const bool allowed = closeQuery_(*this);
        askingToClose_ = false;
        if (!allowed) {
          PrepareFadeIn();
          return 0;
        }
      }
      DestroyWindow(hwnd());
      return 0;
    case WM_COMMAND:
      if (lParam == 0 && menus_.HandleCommand(LOWORD(wParam))) return 0;
      return DefWindowProcA(hwnd(), message, wParam, lParam);
    case WM_CONTEXTMENU:
      ShowRightClickMenu(reinterpret_cast<HWND>(wParam),
                         POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return 0;
    default:
      return Window::HandleMessage(message, wParam, lParam);
  }
}

void TAutoRunForm::OnDestroy() {
  hints_.PageDestroyed();
  if (minimizedWithBackgrounds == hwnd()) minimizedWithBackgrounds = nullptr;  // a handle may be reused
  SetMenu(hwnd(), nullptr);  // the menu bar goes with the page's menus, not with the window
  StopSounds();
  KillTimer(hwnd(), kStartTimer);
  KillTimer(hwnd(), kFadeTimer);
  KillTimer(hwnd(), kSecondsTimer);
  if (shadow_) {
    DestroyWindow(shadow_);
    shadow_ = nullptr;
  }
  if (mainWindow_) PostQuitMessage(0);
}

}  // namespace plexara
