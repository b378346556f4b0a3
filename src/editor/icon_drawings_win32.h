// The drawings behind the editor's icons, one function per picture on the 16-unit grid of
// IconPainter, in tables by object kind, tool bar button and page kind.
#pragma once

#include <span>

#include "editor/icon_painter_win32.h"

namespace plexara {

using IconDrawing = void (*)(IconPainter&);

// By kind code 0..26, then the hidden-object drawing (27 entries + 1).
std::span<const IconDrawing> ObjectKindDrawings();
IconDrawing SelectToolDrawing();
// In ToolBarIcon order.
std::span<const IconDrawing> ToolBarDrawings();
// By page kind code 0..6.
std::span<const IconDrawing> PageKindDrawings();

}  // namespace plexara
