// The main window's creation, its panes and their layout, the View toggles, the grid settings and
// the routing of every menu, tool bar and accelerator command.
#include "editor/main_form_win32.h"

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>

#include <algorithm>
#include <string>

#include "editor/about_box_win32.h"
#include "editor/editor_icons_win32.h"
#include "editor/main_menu_win32.h"
#include "editor/palette.h"
#include "editor/splash_window_win32.h"
#include "platform/app_resources.h"
#include "properties/color_editor_win32.h"
#include "properties/grid_size_dialog_win32.h"

namespace plexara {
namespace {

constexpr int kPaletteControlId = 0x5001;
constexpr int kToolBarControlId = 0x5002;
constexpr int kTabsControlId = 0x5003;
constexpr int kPagerControlId = 0x5004;
constexpr int kStatusBarControlId = 0x5005;
constexpr int kPaletteCommandBase = 0x6000;  // + palette slot
constexpr int kPaletteScrollStep = 35;
constexpr int kLogoWidth = 96;
constexpr int kToolIconSize = 24;
constexpr int kSelectorHeight = 22;
constexpr UINT kStartUpMessage = WM_APP + 1;

constexpr char kSupportAddress[] = "mailto:support@plexara.example";
constexpr char kHomePage[] = "https://plexara.example/";

HFONT MessageFont() {
  static HFONT font = [] {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    return CreateFontIndirectA(&metrics.lfMessageFont);
  }();
  return font;
}

HWND CreateChild(const char* className, const char* text, DWORD style, HWND parent, int id = 0, DWORD exStyle = 0) {
  HWND child = CreateWindowExA(exStyle, className, text, WS_CHILD | style, 0, 0, 0, 0, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  if (child) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(MessageFont()), FALSE);
  return child;
}

void Place(HWND window, bool shown, int x, int y, int width, int height) {
  if (!window) return;
  if (shown) MoveWindow(window, x, y, std::max(0, width), std::max(0, height), TRUE);
  ShowWindow(window, shown ? SW_SHOWNA : SW_HIDE);
}

int WindowHeight(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r.bottom - r.top;
}

// The logo at the right end of the tool bar row: the product name on the splash's colours.
void DrawLogo(HDC dc, const RECT& box) {
  const int height = std::max<int>(1, box.bottom - box.top);
  for (int y = box.top; y < box.bottom; ++y) {
    const int t = y - box.top;
    RECT line{box.left, y, box.right, y + 1};
    HBRUSH brush = CreateSolidBrush(RGB(255 - 95 * t / height, 255 - 63 * t / height, 255));
    FillRect(dc, &line, brush);
    DeleteObject(brush);
  }
  LOGFONTA font{};
  GetObjectA(MessageFont(), sizeof(font), &font);
  font.lfWeight = FW_BOLD;
  font.lfItalic = TRUE;
  font.lfHeight = -(height * 5 / 9);
  HFONT bold = CreateFontIndirectA(&font);
  HGDIOBJ old = SelectObject(dc, bold);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(32, 64, 128));
  RECT text = box;
  DrawTextA(dc, "Plexara", -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
  DeleteObject(bold);
}

}  // namespace

TMainForm::TMainForm(StartupContext& context)
    : context_(context), ini_(context.exeFolder + std::string(kEditorIniName)) {}

TMainForm::~TMainForm() {
  if (accelerators_) DestroyAcceleratorTable(accelerators_);
}

int TMainForm::MeasureMenuBarHeight() {
  // The client origin with the menu attached minus the origin without it.
  POINT without{0, 0};
  SetMenu(hwnd(), nullptr);
  ClientToScreen(hwnd(), &without);
  SetMenu(hwnd(), menuBar_);
  POINT with{0, 0};
  ClientToScreen(hwnd(), &with);
  return with.y - without.y;
}

bool TMainForm::FormCreate(TSplashForm* splash) {
  splash_ = splash;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_PAGESCROLLER_CLASS |
                                                      ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);

  RECT work{};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  CreateArgs args;
  args.className = kMainFormClass.data();
  args.title = std::string(kEditorTitle);
  args.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  args.x = 0;
  args.y = 0;
  args.width = work.right - work.left;
  args.height = work.bottom - work.top;
  args.icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(PLEXARA_ICON_APPLICATION));
  if (!Create(args)) return false;
  menuBar_ = BuildMainMenuBar();
  SetMenu(hwnd(), menuBar_);
  accelerators_ = BuildMenuAccelerators();

  // Window creation: menu bar height, temp folder, the document's first state, the clipboard
  // format, then the settings.
  menuBarHeight_ = MeasureMenuBarHeight();
  CreateDirectoryA(context_.editorTempFolder.c_str(), nullptr);
  document_.starting = true;
  document_.currentPage = -1;
  document_.projectFolder = context_.projectRoot;
  clipboardFormat_ = RegisterClipboardFormatA("Plexara");
  settings_ = ReadEditorSettings(ini_);
  if (!CreateChildren()) return false;
  UpdateViewChecks();
  ShowWindow(hwnd(), SW_SHOWNORMAL);
  UpdateWindow(hwnd());
  PostMessageA(hwnd(), kStartUpMessage, 0, 0);
  return true;
}

bool TMainForm::CreateChildren() {
  CreateToolBar();
  CreatePalette();
  logo_ = CreateChild("STATIC", "", SS_OWNERDRAW | WS_VISIBLE, hwnd());
  CreateLeftPanel();
  leftSplitter_.Create(hwnd(), Splitter::Axis::Vertical, [this](int x) {
    leftWidth_ = std::clamp(x, 120, 600);
    LayOut();
  });
  templateSplitter_.Create(hwnd(), Splitter::Axis::Horizontal, [this](int y) {
    RECT client;
    GetClientRect(hwnd(), &client);
    const int statusHeight = showStatusBar_ ? WindowHeight(statusBar_) : 0;
    templateHeight_ = std::clamp<int>(client.bottom - statusHeight - y - Splitter::kThickness, 40, 500);
    LayOut();
  });
  tabs_ = CreateChild(WC_TABCONTROLA, "", WS_VISIBLE | WS_CLIPSIBLINGS | TCS_FOCUSNEVER, hwnd(), kTabsControlId);
  TabCtrl_SetImageList(tabs_, PageKindImages());
  if (!designArea_.Create(hwnd(), settings_.backColor)) return false;
  designArea_.SetBackgroundPainter([this](HDC dc, const RECT& area) {
    if (!workingPage_ || !IsWindowVisible(designWindow_.hwnd())) {
      HBRUSH brush = CreateSolidBrush(ColorToRgb(settings_.backColor));
      FillRect(dc, &area, brush);
      DeleteObject(brush);
      return;
    }
    // The design window's rectangle in the area's unscrolled content.
    RECT window;
    GetWindowRect(designWindow_.hwnd(), &window);
    MapWindowPoints(nullptr, designArea_.hwnd(), reinterpret_cast<POINT*>(&window), 2);
    const POINT scroll = designArea_.ScrollPosition();
    OffsetRect(&window, scroll.x, scroll.y);
    PaintDesignAreaBackground(dc, area, workingPage_->page(), window, scroll, ColorToRgb(settings_.backColor));
  });
  designArea_.SetScrolled([this] { DesignAreaChanged(); });
  if (!designWindow_.Create(designArea_.hwnd(), *this)) return false;
  templatePanel_ = CreateChild("STATIC", "", WS_VISIBLE | SS_WHITERECT, hwnd());
  statusBar_ = CreateChild(STATUSCLASSNAMEA, "", WS_VISIBLE | SBARS_SIZEGRIP, hwnd(), kStatusBarControlId);
  return true;
}

void TMainForm::CreateToolBar() {
  toolBar_ = CreateChild(TOOLBARCLASSNAMEA, "", WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                                                   CCS_NODIVIDER | CCS_NOPARENTALIGN, hwnd(), kToolBarControlId);
  SendMessageA(toolBar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(toolBar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(ToolBarImages(kToolIconSize)));
  std::vector<TBBUTTON> buttons;
  int image = 0;
  for (EditorCommand command : ToolBarCommands()) {
    TBBUTTON button{};
    if (command == EditorCommand::None) {
      button.fsStyle = BTNS_SEP;
      button.iBitmap = 6;
    } else {
      button.iBitmap = image++;
      button.idCommand = static_cast<int>(command);
      button.fsState = CommandAvailable(command) ? TBSTATE_ENABLED : 0;
      button.fsStyle = BTNS_BUTTON;
    }
    buttons.push_back(button);
  }
  SendMessageA(toolBar_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

void TMainForm::CreatePalette() {
  pager_ = CreateChild(WC_PAGESCROLLERA, "", WS_VISIBLE | PGS_HORZ, hwnd(), kPagerControlId);
  palette_ = CreateChild(TOOLBARCLASSNAMEA, "", WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                                                   CCS_NODIVIDER | CCS_NOPARENTALIGN, pager_, kPaletteControlId);
  SendMessageA(palette_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageA(palette_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(PaletteImages(kToolIconSize)));
  std::vector<TBBUTTON> buttons;
  const auto slots = PaletteSlots();
  for (std::size_t slot = 0; slot < slots.size(); ++slot) {
    TBBUTTON button{};
    button.iBitmap = PaletteImageIndex(static_cast<int>(slot));
    button.idCommand = kPaletteCommandBase + static_cast<int>(slot);
    button.fsState = TBSTATE_ENABLED | (slot == 0 ? TBSTATE_CHECKED : 0);
    button.fsStyle = BTNS_CHECKGROUP;
    buttons.push_back(button);
  }
  SendMessageA(palette_, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
  Pager_SetChild(pager_, palette_);
  Pager_SetBkColor(pager_, GetSysColor(COLOR_BTNFACE));
}

void TMainForm::CreateLeftPanel() {
  // The grey backdrop lies under the selector, the grid and the group list, which are its
  // siblings: it stays at the bottom and clips them out, or each repaint of it would cover them.
  leftPanel_ = CreateChild("STATIC", "", WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | SS_GRAYRECT, hwnd());
  selector_.Create(hwnd(), [this](int index) { SelectorChosen(index); });
  grid_.Create(hwnd(), 0, *this);
  multiLabel_ = CreateChild("STATIC", "Multi - Selected", SS_CENTER | SS_CENTERIMAGE, hwnd());
  groupList_.Create(hwnd(), [this](const std::string& group, bool shown) { GroupToggled(group, shown); },
                    [this] { ShowAllObjects(); });
  groupSplitter_.Create(hwnd(), Splitter::Axis::Horizontal, [this](int y) {
    RECT client;
    GetClientRect(hwnd(), &client);
    const int statusHeight = showStatusBar_ ? WindowHeight(statusBar_) : 0;
    groupListHeight_ = std::clamp<int>(client.bottom - statusHeight - y - Splitter::kThickness, 40, 600);
    LayOut();
  });
  SetWindowPos(leftPanel_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMainForm::LayOut() {
  if (!statusBar_) return;
  RECT client;
  GetClientRect(hwnd(), &client);
  const int width = client.right;
  int top = 0;

  // Tool bar row: the commands, the palette strip taking what is left, the logo at the right end.
  if (showToolBar_) {
    SIZE toolSize{};
    SendMessageA(toolBar_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&toolSize));
    const int rowHeight = std::max<int>(toolSize.cy, HIWORD(SendMessageA(palette_, TB_GETBUTTONSIZE, 0, 0))) + 4;
    Place(toolBar_, true, 0, top, toolSize.cx + 4, rowHeight);
    const int stripLeft = toolSize.cx + 8;
    Place(pager_, true, stripLeft, top, width - stripLeft - kLogoWidth, rowHeight);
    Place(logo_, true, width - kLogoWidth, top, kLogoWidth, rowHeight);
    top += rowHeight;
  } else {
    Place(toolBar_, false, 0, 0, 0, 0);
    Place(pager_, false, 0, 0, 0, 0);
    Place(logo_, false, 0, 0, 0, 0);
  }

  int bottom = client.bottom;
  if (showStatusBar_) {
    SendMessageA(statusBar_, WM_SIZE, 0, 0);
    bottom -= WindowHeight(statusBar_);
    const int parts[] = {showProperties_ ? leftWidth_ : 200, -1};
    SendMessageA(statusBar_, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
  }
  ShowWindow(statusBar_, showStatusBar_ ? SW_SHOWNA : SW_HIDE);

  // Left side: selector, grid area, and the group list under its splitter.
  int right = 0;
  if (showProperties_) {
    Place(leftPanel_, true, 0, top, leftWidth_, bottom - top);
    Place(selector_.hwnd(), true, 1, top + 1, leftWidth_ - 2, kSelectorHeight * 10);
    const int gridTop = top + kSelectorHeight + 4;
    int gridBottom = bottom;
    if (showGroupList_) {
      gridBottom = bottom - groupListHeight_ - Splitter::kThickness;
      Place(groupSplitter_.hwnd(), true, 0, gridBottom, leftWidth_, Splitter::kThickness);
      Place(groupList_.hwnd(), true, 0, gridBottom + Splitter::kThickness, leftWidth_, groupListHeight_);
    } else {
      Place(groupSplitter_.hwnd(), false, 0, 0, 0, 0);
      Place(groupList_.hwnd(), false, 0, 0, 0, 0);
    }
    // The label lies under the grid and shows whenever the grid is hidden.
    Place(grid_.hwnd(), gridShown_, 0, gridTop, leftWidth_, gridBottom - gridTop);
    Place(multiLabel_, !gridShown_, 0, gridTop, leftWidth_, gridBottom - gridTop);
    Place(leftSplitter_.hwnd(), true, leftWidth_, top, Splitter::kThickness, bottom - top);
    right = leftWidth_ + Splitter::kThickness;
  } else {
    for (HWND w : {leftPanel_, selector_.hwnd(), grid_.hwnd(), multiLabel_, groupSplitter_.hwnd(), groupList_.hwnd(),
                   leftSplitter_.hwnd()}) {
      Place(w, false, 0, 0, 0, 0);
    }
  }

  // Right side: tabs with the design area on them, the template panel under its splitter.
  int tabsBottom = bottom;
  if (showTemplates_) {
    tabsBottom = bottom - templateHeight_ - Splitter::kThickness;
    Place(templateSplitter_.hwnd(), true, right, tabsBottom, width - right, Splitter::kThickness);
    Place(templatePanel_, true, right, tabsBottom + Splitter::kThickness, width - right, templateHeight_);
  } else {
    Place(templateSplitter_.hwnd(), false, 0, 0, 0, 0);
    Place(templatePanel_, false, 0, 0, 0, 0);
  }
  Place(tabs_, true, right, top, width - right, tabsBottom - top);
  RECT page{0, 0, width - right, tabsBottom - top};
  TabCtrl_AdjustRect(tabs_, FALSE, &page);
  Place(designArea_.hwnd(), true, right + page.left, top + page.top, page.right - page.left, page.bottom - page.top);
  SetWindowPos(designArea_.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMainForm::SetStatusText(int part, const std::string& text) {
  SendMessageA(statusBar_, SB_SETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.c_str()));
}

void TMainForm::ToggleView(EditorCommand command) {
  switch (command) {
    case EditorCommand::ViewToolbar: showToolBar_ = !showToolBar_; break;
    case EditorCommand::ViewStatusbar: showStatusBar_ = !showStatusBar_; break;
    case EditorCommand::ViewPropertyEditor: showProperties_ = !showProperties_; break;
    case EditorCommand::ViewGroupList: showGroupList_ = !showGroupList_; break;
    case EditorCommand::ViewObjectTemplates: showTemplates_ = !showTemplates_; break;
    default: return;
  }
  UpdateViewChecks();
  LayOut();
}

void TMainForm::UpdateViewChecks() {
  SetMenuCheck(menuBar_, EditorCommand::ViewToolbar, showToolBar_);
  SetMenuCheck(menuBar_, EditorCommand::ViewStatusbar, showStatusBar_);
  SetMenuCheck(menuBar_, EditorCommand::ViewPropertyEditor, showProperties_);
  SetMenuCheck(menuBar_, EditorCommand::ViewGroupList, showGroupList_);
  SetMenuCheck(menuBar_, EditorCommand::ViewObjectTemplates, showTemplates_);
  SetMenuCheck(menuBar_, EditorCommand::DisplayGrid, settings_.displayGrid);
  SetMenuCheck(menuBar_, EditorCommand::SnapToGrid, settings_.snapToGrid);
}

bool TMainForm::CommandEnabled(EditorCommand command) const {
  if (!CommandAvailable(command)) return false;
  const bool open = !document_.projectFolder.empty() && workingPage_ != nullptr;
  switch (command) {
    case EditorCommand::Save:
    case EditorCommand::PageMenuBar:
      return open;
    default:
      break;
  }
  if (static_cast<int>(command) >= static_cast<int>(EditorCommand::AlignToGrid) &&
      static_cast<int>(command) < static_cast<int>(EditorCommand::ViewToolbar)) {
    return open && EditCommandEnabled(command);
  }
  if (command == EditorCommand::DeleteKey) return open && EditCommandEnabled(EditorCommand::Delete);
  return true;
}

void TMainForm::UpdateCommandStates(HMENU menu) {
  UpdateMenuStates(
      menu, [this](EditorCommand command) { return CommandEnabled(command); },
      [this](std::string_view caption) {
        if (caption == "Align") return workingPage_ != nullptr && SelectedCount() >= 1;
        if (caption == "Object Template") return false;
        return true;
      });
}

void TMainForm::UpdateToolBarStates() {
  for (EditorCommand command : ToolBarCommands()) {
    if (command == EditorCommand::None) continue;
    SendMessageA(toolBar_, TB_ENABLEBUTTON, static_cast<WPARAM>(command), MAKELPARAM(CommandEnabled(command), 0));
  }
}

void TMainForm::SelectPaletteSlot(int slot) {
  paletteSlot_ = slot;
  SendMessageA(palette_, TB_CHECKBUTTON, kPaletteCommandBase + slot, MAKELPARAM(TRUE, 0));
}

int TMainForm::CreationKind() const { return PaletteSlots()[static_cast<std::size_t>(paletteSlot_)].kind; }

void TMainForm::RunCommand(EditorCommand command) {
  if (!CommandEnabled(command)) return;
  switch (command) {
    case EditorCommand::Open: Open(); break;
    case EditorCommand::Save:
      if (CommitPendingEdit()) SaveUnderHourglass();
      break;
    case EditorCommand::Exit: PostMessageA(hwnd(), WM_CLOSE, 0, 0); break;
    case EditorCommand::ViewToolbar:
    case EditorCommand::ViewStatusbar:
    case EditorCommand::ViewPropertyEditor:
    case EditorCommand::ViewGroupList:
    case EditorCommand::ViewObjectTemplates:
      ToggleView(command);
      break;
    case EditorCommand::DisplayGrid:
    case EditorCommand::SnapToGrid:
      ToggleGridSetting(command);
      break;
    case EditorCommand::GridSize: ChangeGridSize(); break;
    case EditorCommand::PageMenuBar: EditPageMenuBar(); break;
    case EditorCommand::BackGroundColor: ChangeBackColor(); break;
    case EditorCommand::Help:
    case EditorCommand::TechnicalSupport:
    case EditorCommand::HomePage:
      RunHelpCommand(command);
      break;
    case EditorCommand::WhatsNew: CheckWhatsNew(true); break;
    case EditorCommand::NextPage:
    case EditorCommand::PreviousPage: {
      const int count = TabCtrl_GetItemCount(tabs_);
      if (count < 2) break;
      const int step = command == EditorCommand::NextPage ? 1 : count - 1;
      TabCtrl_SetCurSel(tabs_, (TabCtrl_GetCurSel(tabs_) + step) % count);
      SwitchToPage();
      break;
    }
    case EditorCommand::About: ShowAboutBox(hwnd()); break;
    default: RunEditCommand(command); break;
  }
  UpdateToolBarStates();
}

void TMainForm::RunHelpCommand(EditorCommand command) {
  std::string target;
  if (command == EditorCommand::Help) target = context_.exeFolder + "\\Plexara.chm";
  if (command == EditorCommand::TechnicalSupport) target = kSupportAddress;
  if (command == EditorCommand::HomePage) target = kHomePage;
  ShellExecuteA(hwnd(), "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void TMainForm::WriteSettings() { WriteEditorSettings(ini_, settings_); }

void TMainForm::ToggleGridSetting(EditorCommand command) {
  if (command == EditorCommand::DisplayGrid) {
    settings_.displayGrid = !settings_.displayGrid;
    if (workingPage_) workingPage_->SetDesignGrid(settings_.displayGrid, settings_.gridX, settings_.gridY);
    designWindow_.RefreshDesignSurface();
  } else {
    settings_.snapToGrid = !settings_.snapToGrid;
  }
  WriteSettings();
  UpdateViewChecks();
}

void TMainForm::ChangeGridSize() {
  int x = settings_.gridX, y = settings_.gridY;
  if (!EditGridSize(hwnd(), x, y)) return;
  settings_.gridX = x;
  settings_.gridY = y;
  WriteSettings();
  if (settings_.displayGrid && workingPage_) {
    workingPage_->SetDesignGrid(true, x, y);
    designWindow_.RefreshDesignSurface();
  }
}

void TMainForm::ChangeBackColor() {
  ColorRef color = settings_.backColor;
  if (!EditColor(hwnd(), color)) return;
  settings_.backColor = color;
  designArea_.SetBackColor(settings_.backColor);
  WriteSettings();
  DesignAreaChanged();
}

GridSettings TMainForm::Grid() const {
  return GridSettings{settings_.displayGrid, settings_.snapToGrid, settings_.gridX, settings_.gridY};
}

void TMainForm::DesignAreaChanged() {
  RECT window;
  GetWindowRect(designWindow_.hwnd(), &window);
  MapWindowPoints(nullptr, designArea_.hwnd(), reinterpret_cast<POINT*>(&window), 2);
  designArea_.UpdateScrollRanges(window);
  designArea_.RepaintBackground();
}

bool TMainForm::CommitPendingEdit() {
  // The cell being typed is validated before the command goes on; a rejected value stops it.
  editAccepted_ = true;
  if (GridHasFocus()) ValueEditValidate(grid_.Col(), grid_.Row());
  if (editAccepted_ && IsWindowVisible(designWindow_.hwnd())) designWindow_.FocusKeyCapture();
  return editAccepted_;
}

void TMainForm::MarkModified(bool value) { plexara::MarkModified(document_, value); }

LRESULT TMainForm::OnNotify(const NMHDR& header) {
  if (header.hwndFrom == tabs_ && header.code == TCN_SELCHANGE) {
    if (!switching_) SwitchToPage();
    return 0;
  }
  if (header.hwndFrom == pager_ && header.code == PGN_CALCSIZE) {
    auto& size = *reinterpret_cast<NMPGCALCSIZE*>(const_cast<NMHDR*>(&header));
    SIZE ideal{};
    SendMessageA(palette_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&ideal));
    if (size.dwFlag == PGF_CALCWIDTH) size.iWidth = ideal.cx;
    if (size.dwFlag == PGF_CALCHEIGHT) size.iHeight = ideal.cy;
    return 0;
  }
  if (header.hwndFrom == pager_ && header.code == PGN_SCROLL) {
    reinterpret_cast<NMPGSCROLL*>(const_cast<NMHDR*>(&header))->iScroll = kPaletteScrollStep;
    return 0;
  }
  if (header.code == TTN_GETDISPINFOA) {
    auto& info = *reinterpret_cast<NMTTDISPINFOA*>(const_cast<NMHDR*>(&header));
    static std::string hint;
    const int id = static_cast<int>(header.idFrom);
    const auto slots = PaletteSlots();
    if (id >= kPaletteCommandBase && id < kPaletteCommandBase + static_cast<int>(slots.size())) {
      hint = std::string(slots[static_cast<std::size_t>(id - kPaletteCommandBase)].hint);
    } else {
      hint = std::string(ToolBarHint(static_cast<EditorCommand>(id)));
    }
    info.lpszText = hint.data();
    return 0;
  }
  if (header.hwndFrom == tabs_ && header.code == NM_RCLICK) {
    POINT at;
    GetCursorPos(&at);
    HMENU menu = BuildPopupMenu(PageTabsMenu());
    UpdateCommandStates(menu);
    const UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, hwnd(), nullptr);
    DestroyMenu(menu);
    if (chosen) RunCommand(static_cast<EditorCommand>(chosen));
    return 0;
  }
  return 0;
}

void TMainForm::ShowSurfaceMenu(POINT screen) {
  HMENU menu = BuildPopupMenu(SurfaceMenu());
  UpdateCommandStates(menu);
  const UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, hwnd(), nullptr);
  DestroyMenu(menu);
  if (chosen) RunCommand(static_cast<EditorCommand>(chosen));
}

LRESULT TMainForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kStartUpMessage:
      StartUp();
      return 0;
    case WM_SIZE:
      LayOut();
      return 0;
    case WM_ERASEBKGND: {
      // The flat tool bars are transparent: they show what the window erases behind them.
      RECT client;
      GetClientRect(hwnd(), &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case kRefillSelectorMessage:
      RebuildObjectSelector();
      return 0;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lParam) == multiLabel_) {
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
      }
      break;
    case WM_TIMER:
      KillTimer(hwnd(), wParam);
      if (wParam == kRepaintTimer) designWindow_.RefreshDesignSurface();
      if (wParam == kWhatsNewTimer) CheckWhatsNew(false);
      return 0;
    case WM_INITMENUPOPUP:
      UpdateCommandStates(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_MEASUREITEM:
      if (selector_.OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return TRUE;
      break;
    case WM_COMMAND: {
      if (selector_.OnCommand(wParam, lParam)) return 0;
      const int id = LOWORD(wParam);
      const auto slots = PaletteSlots();
      if (id >= kPaletteCommandBase && id < kPaletteCommandBase + static_cast<int>(slots.size())) {
        paletteSlot_ = id - kPaletteCommandBase;
        return 0;
      }
      if (HIWORD(wParam) == 0 || HIWORD(wParam) == 1) RunCommand(static_cast<EditorCommand>(id));
      return 0;
    }
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_DRAWITEM: {
      auto& item = *reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (selector_.OnDrawItem(item)) return TRUE;
      if (item.hwndItem == logo_) {
        DrawLogo(item.hDC, item.rcItem);
        return TRUE;
      }
      break;
    }
    case WM_CLOSE:
      if (!CloseQuery()) return 0;
      CloseProject();
      DestroyWindow(hwnd());
      return 0;
    default:
      break;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

void TMainForm::Paint(HDC dc, const RECT& client) { FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE)); }

void TMainForm::OnDestroy() { PostQuitMessage(0); }

}  // namespace plexara
