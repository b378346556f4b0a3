#include "properties/color_editor_win32.h"

#include <commdlg.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/gdi_objects_win32.h"
#include "platform/modal_dialog_win32.h"
#include "platform/picture_draw_win32.h"
#include "properties/color_palette.h"
#include "properties/value_formats.h"

namespace plexara {
namespace {

enum : int { kPalette = 201, kList, kNewPanel, kCurrentPanel, kHexLabel, kCustom, kNewLabel, kCurrentLabel };
constexpr int kVisibleRows = 16;

class ColorEditor final : public win32::ModalDialog {
 public:
  explicit ColorEditor(ColorRef given) : given_(given), chosen_(given) {}
  ColorRef chosen() const { return chosen_; }

 private:
  bool OnInit() override {
    HWND list = Item(kList);
    for (const NamedColor& named : NamedColors())
      SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(PrettyColorName(named.identifier).c_str()));
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::string(kCustomColorName).c_str()));
    LayOut();
    Choose(chosen_);
    return true;
  }

  // The palette at its picture's size, the list of exactly sixteen rows beside it, the samples
  // under the palette and the buttons under both: sizes in pixels, from the spacing of the
  // template's dialog units.
  void LayOut() {
    auto place = [this](int id) {
      RECT r{};
      GetWindowRect(Item(id), &r);
      MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&r), 2);
      return r;
    };
    auto move = [this](int id, int x, int y, int w, int h) { MoveWindow(Item(id), x, y, w, h, FALSE); };
    const RECT palette = place(kPalette);
    const int margin = palette.left;
    const Bitmap& picture = palette_.picture();
    move(kPalette, margin, margin, picture.width(), picture.height());
    HWND list = Item(kList);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(list, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(list, GWL_EXSTYLE)));
    const int itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    const RECT listRect = place(kList);
    const int listLeft = margin + picture.width() + margin;
    const int listWidth = listRect.right - listRect.left + GetSystemMetrics(SM_CXVSCROLL);
    const int listHeight = kVisibleRows * itemHeight + (frame.bottom - frame.top);
    move(kList, listLeft, margin, listWidth, listHeight);
    // Labels and samples keep their places relative to the palette's bottom.
    const int shift = margin + picture.height() - palette.bottom;
    for (const int id : {kNewLabel, kNewPanel, kCurrentLabel, kCurrentPanel, kHexLabel}) {
      const RECT r = place(id);
      move(id, r.left, r.top + shift, r.right - r.left, r.bottom - r.top);
    }
    const RECT ok = place(IDOK), custom = place(kCustom);
    const int buttonTop = std::max<int>(margin + listHeight, place(kNewPanel).bottom) + margin;
    const int buttonWidth = ok.right - ok.left, buttonHeight = ok.bottom - ok.top;
    const int right = listLeft + listWidth;
    move(IDCANCEL, right - buttonWidth, buttonTop, buttonWidth, buttonHeight);
    move(IDOK, right - 2 * buttonWidth - margin / 2, buttonTop, buttonWidth, buttonHeight);
    move(kCustom, margin, buttonTop, custom.right - custom.left, buttonHeight);
    RECT outer{0, 0, right + margin, buttonTop + buttonHeight + margin};
    AdjustWindowRectEx(&outer, static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrA(hwnd(), GWL_EXSTYLE)));
    SetWindowPos(hwnd(), nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void Choose(ColorRef color) {
    chosen_ = color;
    const auto named = NamedColors();
    std::size_t index = named.size();  // "Custom"
    for (std::size_t i = 0; i < named.size(); ++i) {
      if (named[i].color == color) {
        index = i;
        break;
      }
    }
    SendMessageA(Item(kList), LB_SETCURSEL, index, 0);
    char hex[16];
    std::snprintf(hex, sizeof(hex), "%08X", static_cast<unsigned>(color));
    SetItemText(kHexLabel, hex);
    InvalidateRect(Item(kNewPanel), nullptr, FALSE);
    InvalidateRect(Item(kPalette), nullptr, FALSE);
    InvalidateRect(Item(kList), nullptr, FALSE);
  }

  bool OnCommand(int id, int code) override {
    if (id == kList && code == LBN_SELCHANGE) {
      const auto index = static_cast<std::size_t>(SendMessageA(Item(kList), LB_GETCURSEL, 0, 0));
      if (index < NamedColors().size()) Choose(NamedColors()[index].color);
      return true;
    }
    if (id == kPalette && code == STN_CLICKED) {
      const DWORD at = GetMessagePos();
      POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
      ScreenToClient(Item(kPalette), &point);
      if (const std::optional<ColorRef> picked = palette_.PickAt(point.x, point.y)) Choose(*picked);
      return true;
    }
    if (id == kCustom && code == BN_CLICKED) {
      static COLORREF customColors[16] = {};
      CHOOSECOLORA choose{};
      choose.lStructSize = sizeof(choose);
      choose.hwndOwner = hwnd();
      choose.rgbResult = ColorOf(chosen_);
      choose.lpCustColors = customColors;
      choose.Flags = CC_FULLOPEN | CC_RGBINIT;
      if (ChooseColorA(&choose)) Choose(static_cast<ColorRef>(choose.rgbResult & 0x00FFFFFF));
      return true;
    }
    return false;
  }

  bool OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) override {
    if (message == WM_MEASUREITEM) {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (item.CtlID != kList) return false;
      item.itemHeight = 16;
      result = TRUE;
      return true;
    }
    if (message != WM_DRAWITEM) return false;
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    switch (item.CtlID) {
      case kPalette: DrawPalette(item); break;
      case kNewPanel: DrawSample(item, chosen_); break;
      case kCurrentPanel: DrawSample(item, given_); break;
      case kList: DrawListItem(item); break;
      default: return false;
    }
    result = TRUE;
    return true;
  }

  void DrawPalette(const DRAWITEMSTRUCT& item) const {
    FillRect(item.hDC, &item.rcItem, GdiObject<HBRUSH>(CreateSolidBrush(ColorOf(palette_.background()))).get());
    const Bitmap& picture = palette_.picture();
    DrawBitmap(item.hDC, picture, RECT{0, 0, picture.width(), picture.height()}, BitmapBlend::Opaque);
    const std::optional<PaletteMarker> marker = palette_.MarkerFor(chosen_);
    if (!marker) return;
    const PaletteRect& s = marker->swatch;
    if (marker->fixed) {
      // White and black: a small arrow under the middle of their own swatch.
      const int x = s.left + s.width / 2, y = s.top + s.height + 1;
      const POINT arrow[] = {{x, y}, {x - 4, y + 5}, {x + 4, y + 5}};
      SelectIn brush(item.hDC, GetStockObject(BLACK_BRUSH));
      Polygon(item.hDC, arrow, 3);
      return;
    }
    RECT outer{s.left - 2, s.top - 2, s.left + s.width + 2, s.top + s.height + 2};
    FrameRect(item.hDC, &outer, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&outer, -1, -1);
    FrameRect(item.hDC, &outer, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }

  static void DrawSample(const DRAWITEMSTRUCT& item, ColorRef color) {
    FillRect(item.hDC, &item.rcItem, GdiObject<HBRUSH>(CreateSolidBrush(ColorOf(color))).get());
    FrameRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }

  void DrawListItem(const DRAWITEMSTRUCT& item) const {
    if (item.itemID == static_cast<UINT>(-1)) return;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const auto named = NamedColors();
    const ColorRef color = item.itemID < named.size() ? named[item.itemID].color : chosen_;
    RECT swatch{item.rcItem.left + 2, item.rcItem.top + 2, item.rcItem.left + 24, item.rcItem.bottom - 2};
    FillRect(item.hDC, &swatch, GdiObject<HBRUSH>(CreateSolidBrush(ColorOf(color))).get());
    FrameRect(item.hDC, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    char text[64] = {};
    SendMessageA(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
    RECT area = item.rcItem;
    area.left += 30;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextA(item.hDC, text, -1, &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  }

  ColorRef given_, chosen_;
  ColorPalette palette_;
};

}  // namespace

bool EditColor(HWND owner, ColorRef& color) {
  win32::DialogTemplate layout("Color Editor", 300, 184);
  layout.Add("STATIC", "", kPalette, 7, 7, 170, 92, SS_OWNERDRAW | SS_NOTIFY);
  layout.Add("LISTBOX", "", kList, 184, 7, 109, 150,
             WS_TABSTOP | WS_VSCROLL | WS_BORDER | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                 LBS_NOINTEGRALHEIGHT);
  layout.Add("STATIC", "New", kNewLabel, 7, 106, 50, 9, SS_LEFT);
  layout.Add("STATIC", "", kNewPanel, 7, 116, 50, 30, SS_OWNERDRAW);
  layout.Add("STATIC", "Current", kCurrentLabel, 64, 106, 50, 9, SS_LEFT);
  layout.Add("STATIC", "", kCurrentPanel, 64, 116, 50, 30, SS_OWNERDRAW);
  layout.Add("STATIC", "", kHexLabel, 122, 126, 55, 10, SS_LEFT);
  layout.Add("BUTTON", "&Custom...", kCustom, 7, 162, 60, 15, WS_TABSTOP | BS_PUSHBUTTON);
  layout.Add("BUTTON", "&OK", IDOK, 184, 162, 52, 15, WS_TABSTOP | BS_DEFPUSHBUTTON);
  layout.Add("BUTTON", "Cancel", IDCANCEL, 241, 162, 52, 15, WS_TABSTOP | BS_PUSHBUTTON);
  ColorEditor editor(color);
  if (editor.Run(owner, layout) != IDOK || editor.chosen() == color) return false;
  color = editor.chosen();
  return true;
}

}  // namespace plexara
