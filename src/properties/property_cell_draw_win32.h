// How the property grid's cells look: the title row with its three shaded lines, the keys with
// the icons of the rows that begin a section, colour swatches with the colour's name, fonts drawn
// in their own face, the grey "Disabled" cells and the "[Default]" cursor.
#pragma once

#include <windows.h>

#include <string_view>

#include "properties/property_rows.h"

namespace plexara {

// Where keys start in the Name column: right of the section icons.
inline constexpr int kKeyIndent = 17;

struct CellPaint {
  int column = 0;  // 0 Name, 1 Value
  int row = 0;     // 0 the title row
  RECT cell{};
  bool current = false;
  const SheetRow* shown = nullptr;  // null for the title row and the grid's blank row
  HFONT font = nullptr;             // the grid's font
  COLORREF background = RGB(255, 255, 255);
};

// Paints the whole cell.
void PaintPropertyCell(HDC dc, const CellPaint& paint);

// Draws a section icon 16 x 16 with its top-left corner at (x, y).
void DrawSectionIcon(HDC dc, SectionIcon icon, int x, int y);

}  // namespace plexara
