// The editor's design grid as the page paints it: a black dot at every grid point of the page
// background, drawn after the colour, gradient and picture so that every object lies over it.
#pragma once

#include "storage/bitmap.h"

namespace plexara {

// Dots at (i * gridX, j * gridY) for i = 0 .. width div gridX and j = 0 .. height div gridY;
// points on or past the far edges fall outside the bitmap and are left out. Grid steps below 1
// draw nothing.
void DrawGridDots(Bitmap& background, int gridX, int gridY);

}  // namespace plexara
