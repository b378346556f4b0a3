// The pixel steps of the animated text controls: the cross-fade between two pictures (link hot
// look, fading lines), the window a scrolling text shows of its looping text picture, and the
// faded top and bottom edges of that window. Integer arithmetic with fixed rounding.
#pragma once

#include <cstdint>

#include "textfx/fx_canvas.h"

namespace plexara {

// CrossFade: the result has the smaller of the two widths and heights; level 0 copies `from`,
// 255 copies `to`, otherwise every channel byte becomes (a + ⌊(b − a) × level ÷ 256⌋) mod 256.
void CrossFade(const TFxRgbBuffer& from, const TFxRgbBuffer& to, int level, TFxRgbBuffer& result);

// Copies the window of into's size that starts at row `offset` of `picture`; rows past the
// picture's end come from its top, so the text loops. Columns beyond the picture keep their value.
void CopyScrollWindow(const TFxRgbBuffer& picture, int offset, TFxRgbBuffer& into);

// The factor of fade row b of a band `fadeHeight` rows high: b × 255 ÷ (fadeHeight − 1) in whole
// numbers; a band of one row has factor 0 (that row takes the background colour).
int ScrollFadeFactor(int row, int fadeHeight);
// Fades rows b and height − 1 − b for b = 0 … fadeHeight − 1 toward `background`: every channel c
// that differs from the background's g becomes (g + ⌊(c − g) × f ÷ 256⌋) mod 256.
void FadeScrollEdges(TFxRgbBuffer& window, int fadeHeight, TFxRgb background);

}  // namespace plexara
