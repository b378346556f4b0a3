#include "player/grid_dots.h"

namespace plexara {

void DrawGridDots(Bitmap& background, int gridX, int gridY) {
  if (gridX < 1 || gridY < 1) return;
  const Bgra black{0, 0, 0, 255};
  for (int y = 0; y < background.height(); y += gridY) {
    for (int x = 0; x < background.width(); x += gridX) background.at(x, y) = black;
  }
}

}  // namespace plexara
