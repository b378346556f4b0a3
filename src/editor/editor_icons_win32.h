// The editor's own icons, drawn by code at start (editor/icon_painter_win32.h) and kept in image
// lists for the life of the process: the palette, the tool bar, the page kinds of the tabs and the
// selector, and the object kinds of the selector. The controls that show a list never own it.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "storage/bitmap.h"

namespace plexara {

// The tool bar's buttons in the order the bar shows them.
enum class ToolBarIcon {
  NewProject,
  Open,
  Save,
  ProjectOptions,
  SaveAndTest,
  SaveAndPublish,
  AddPage,
  LoadPageFromTemplate,
  PageMenuBar,
  PreviewPage,
};
inline constexpr int kToolBarIconCount = 10;
inline constexpr int kPageKindIconCount = 7;
// Image of ObjectKindImages() for an object whose control is hidden, after the 27 kinds.
inline constexpr int kHiddenObjectImage = 27;

// One image per palette slot (editor/palette.h): Select, then the kinds in palette order. Any size
// from 16 up; 16 and 24 are the ones the editor uses.
HIMAGELIST PaletteImages(int size);
// The image of a palette slot in PaletteImages; -1 for a slot that does not exist.
int PaletteImageIndex(int paletteSlot);

// One image per ToolBarIcon.
HIMAGELIST ToolBarImages(int size);

// 16 × 16, by page kind code 0..6.
HIMAGELIST PageKindImages();

// 16 × 16: kinds by code 0..26, then the hidden-object image.
HIMAGELIST ObjectKindImages();
// The image for an object of `kind`; a hidden object gets the hidden-object image. -1 for a code
// outside the kind table.
int ObjectKindImage(int kind, bool hidden);

// The drawings themselves, for whoever needs one picture rather than a list.
Bitmap DrawObjectKindIcon(int kind, int size);  // kind -1 is the Select arrow, 27 the hidden object
Bitmap DrawToolBarIcon(ToolBarIcon icon, int size);
Bitmap DrawPageKindIcon(int pageKind, int size);

}  // namespace plexara
