#include "properties/property_cell_draw_win32.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "platform/gdi_objects_win32.h"

namespace plexara {
namespace {

constexpr COLORREF kDisabledFill = RGB(230, 230, 230);
constexpr COLORREF kSilver = RGB(192, 192, 192);

COLORREF Darker(COLORREF color, int by) {
  return RGB(std::max(0, GetRValue(color) - by), std::max(0, GetGValue(color) - by), std::max(0, GetBValue(color) - by));
}

// The grid repaints every visible cell at once, so cells are drawn with the DC's own brush and
// pen colours rather than a GDI object made and freed per call.
void Fill(HDC dc, const RECT& rect, COLORREF color) {
  SetDCBrushColor(dc, color);
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Line(HDC dc, int x1, int y, int x2, COLORREF color) {
  SetDCPenColor(dc, color);
  SelectIn select(dc, GetStockObject(DC_PEN));
  MoveToEx(dc, x1, y, nullptr);
  LineTo(dc, x2, y);
}

// Single-line text centred vertically; a text wider than its room ends in an ellipsis.
void Text(HDC dc, const RECT& cell, int indent, std::string_view text, COLORREF color) {
  RECT area = cell;
  area.left += indent;
  area.right -= 1;
  if (area.right <= area.left) return;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, color);
  DrawTextA(dc, text.data(), static_cast<int>(text.size()), &area,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
}

// The grid font in bold, made once for each font it is asked for.
HFONT BoldOf(HFONT font) {
  static HFONT base = nullptr;
  static GdiObject<HFONT> bold;
  if (!bold || base != font) {
    LOGFONTA face{};
    GetObjectA(font ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof(face), &face);
    face.lfWeight = FW_BOLD;
    bold.Reset(CreateFontIndirectA(&face));
    base = font;
  }
  return bold.get();
}

// A font row's face at the grid's height. Several font rows can be on screen together (an
// ImageButton has three), so the last few fonts made are kept rather than made per cell.
HFONT CellFontOf(const FontData& font, HFONT gridFont) {
  LOGFONTA grid{};
  GetObjectA(gridFont ? gridFont : GetStockObject(DEFAULT_GUI_FONT), sizeof(grid), &grid);
  LOGFONTA face{};
  face.lfHeight = grid.lfHeight;
  face.lfWeight = (font.style & kFontBold) != 0 ? FW_BOLD : FW_NORMAL;
  face.lfItalic = (font.style & kFontItalic) != 0;
  face.lfUnderline = (font.style & kFontUnderline) != 0;
  face.lfStrikeOut = (font.style & kFontStrikeOut) != 0;
  face.lfCharSet = font.charset;
  face.lfPitchAndFamily = font.pitch;
  std::memcpy(face.lfFaceName, font.name.data(), std::min(font.name.size(), sizeof(face.lfFaceName) - 1));
  struct Made {
    LOGFONTA key{};
    GdiObject<HFONT> font;
  };
  static std::array<Made, 4> made;
  static std::size_t next = 0;
  for (const Made& entry : made)
    if (entry.font && std::memcmp(&entry.key, &face, sizeof(face)) == 0) return entry.font.get();
  Made& entry = made[next];
  next = (next + 1) % made.size();
  entry.key = face;
  entry.font.Reset(CreateFontIndirectA(&face));
  return entry.font.get();
}

// The face name in its own face and colour; a white face would vanish on the white grid, so it
// stands on a silver box.
void PaintFontName(HDC dc, const CellPaint& p, const SheetRow& shown) {
  const COLORREF ink = ColorOf(shown.font.color);
  int indent = 2;
  if (ink == RGB(255, 255, 255)) {
    Fill(dc, RECT{p.cell.left + 2, p.cell.top + 2, p.cell.right - 2, p.cell.bottom - 2}, kSilver);
    indent = 4;
  }
  HFONT face = CellFontOf(shown.font, p.font);
  SelectIn select(dc, face ? static_cast<HGDIOBJ>(face) : static_cast<HGDIOBJ>(p.font));
  Text(dc, p.cell, indent, shown.value, ink);
}

void PaintTitle(HDC dc, const CellPaint& p) {
  Fill(dc, p.cell, GetSysColor(COLOR_BTNFACE));
  // The shading takes the colour the cell really shows at its top-left corner, whatever the theme.
  const COLORREF base = GetPixel(dc, p.cell.left, p.cell.top);
  const COLORREF from = base == CLR_INVALID ? GetSysColor(COLOR_BTNFACE) : base;
  for (int i = 0; i < 3; ++i) Line(dc, p.cell.left, p.cell.bottom - 4 + i, p.cell.right, Darker(from, 10 * (i + 1)));
  Text(dc, p.cell, 3, p.column == 0 ? "Name" : "Value", GetSysColor(COLOR_BTNTEXT));
}

void PaintKey(HDC dc, const CellPaint& p) {
  Fill(dc, p.cell, p.current ? GetSysColor(COLOR_HIGHLIGHT) : p.background);
  if (!p.shown) return;
  const SectionIcon icon = p.row == 1 ? SectionIcon::General : p.shown->def.section;
  if (icon != SectionIcon::None)
    DrawSectionIcon(dc, icon, p.cell.left, p.cell.top + (p.cell.bottom - p.cell.top - 16) / 2);
  Text(dc, p.cell, kKeyIndent, p.shown->key, p.current ? GetSysColor(COLOR_HIGHLIGHTTEXT) : GetSysColor(COLOR_WINDOWTEXT));
}

void PaintValue(HDC dc, const CellPaint& p) {
  Fill(dc, p.cell, p.background);
  if (!p.shown) return;
  const SheetRow& shown = *p.shown;
  if (shown.disabled) {
    Fill(dc, p.cell, kDisabledFill);
    SelectIn select(dc, BoldOf(p.font));
    Text(dc, p.cell, 2, "Disabled", RGB(255, 255, 255));
    return;
  }
  switch (shown.def.look) {
    case CellLook::Color: {
      const RECT swatch{p.cell.left + 2, p.cell.top + 2, p.cell.left + 16, p.cell.bottom - 2};
      Fill(dc, swatch, ColorOf(shown.color));
      FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      Text(dc, p.cell, 18, shown.value, GetSysColor(COLOR_WINDOWTEXT));
      return;
    }
    case CellLook::Cursor:
      Text(dc, p.cell, 2, shown.value.empty() ? std::string_view("[Default]") : std::string_view(shown.value),
           GetSysColor(COLOR_WINDOWTEXT));
      return;
    case CellLook::Font:
      PaintFontName(dc, p, shown);
      return;
    case CellLook::Plain:
      break;
  }
  Text(dc, p.cell, 2, shown.value, GetSysColor(COLOR_WINDOWTEXT));
}

// Each section's icon: a rounded tile in its own colour with a small white figure.
struct IconStyle {
  COLORREF tile;
  char letter;
};
IconStyle StyleOf(SectionIcon icon) {
  switch (icon) {
    case SectionIcon::General: return {RGB(52, 101, 164), 'i'};
    case SectionIcon::Visibility: return {RGB(78, 154, 6), 'V'};
    case SectionIcon::Comment: return {RGB(193, 125, 17), 'C'};
    case SectionIcon::Sound: return {RGB(117, 80, 123), 'S'};
    case SectionIcon::Position: return {RGB(85, 87, 83), 'P'};
    case SectionIcon::Action: return {RGB(204, 0, 0), 'A'};
    case SectionIcon::Colors: return {RGB(245, 121, 0), 'B'};
    case SectionIcon::Shadow: return {RGB(46, 52, 54), 'D'};
    case SectionIcon::Fade: return {RGB(114, 159, 207), 'F'};
    case SectionIcon::Effect: return {RGB(173, 127, 168), 'E'};
    case SectionIcon::TabOrder: return {RGB(32, 74, 135), 'T'};
    case SectionIcon::None: break;
  }
  return {RGB(128, 128, 128), ' '};
}

void PaintCellContent(HDC dc, const CellPaint& p) {
  if (p.row == 0) {
    PaintTitle(dc, p);
    return;
  }
  if (p.column == 0) PaintKey(dc, p);
  else PaintValue(dc, p);
  if (p.row == 1) Line(dc, p.cell.left, p.cell.top, p.cell.right, p.background);
}

}  // namespace

void DrawSectionIcon(HDC dc, SectionIcon icon, int x, int y) {
  if (icon == SectionIcon::None) return;
  const IconStyle style = StyleOf(icon);
  SetDCBrushColor(dc, style.tile);
  SetDCPenColor(dc, Darker(style.tile, 40));
  SelectIn selectBrush(dc, GetStockObject(DC_BRUSH));
  SelectIn selectPen(dc, GetStockObject(DC_PEN));
  RoundRect(dc, x + 2, y + 2, x + 15, y + 15, 4, 4);
  static const GdiObject<HFONT> font([] {
    LOGFONTA face{};
    face.lfHeight = -9;
    face.lfWeight = FW_BOLD;
    lstrcpyA(face.lfFaceName, "Arial");
    return CreateFontIndirectA(&face);
  }());
  SelectIn selectFont(dc, font.get());
  RECT tile{x + 2, y + 2, x + 15, y + 15};
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  DrawTextA(dc, &style.letter, 1, &tile, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
}

void PaintPropertyCell(HDC dc, const CellPaint& p) {
  // Selecting a font costs a lookup even when it is the one selected: the grid usually has it in.
  HFONT previous = nullptr;
  if (p.font && GetCurrentObject(dc, OBJ_FONT) != p.font) previous = static_cast<HFONT>(SelectObject(dc, p.font));
  PaintCellContent(dc, p);
  if (previous) SelectObject(dc, previous);
}

}  // namespace plexara
