#include "textfx/fx_crossfade.h"

#include <algorithm>
#include <cstring>

namespace plexara {
namespace {

// a + ⌊(b − a) × k ÷ 256⌋ modulo 256; the shift of a negative product floors, as C++20 defines it.
std::uint8_t Mix(std::uint8_t a, std::uint8_t b, int k) {
  return static_cast<std::uint8_t>(a + (((b - a) * k) >> 8));
}

}  // namespace

void CrossFade(const TFxRgbBuffer& from, const TFxRgbBuffer& to, int level, TFxRgbBuffer& result) {
  const int w = std::min(from.Width(), to.Width()), h = std::min(from.Height(), to.Height());
  result.SetSize(w, h);
  if (w == 0 || h == 0) return;
  level = std::clamp(level, 0, 255);
  const std::size_t bytes = static_cast<std::size_t>(w) * 3;
  for (int y = 0; y < h; ++y) {
    std::uint8_t* out = result.RowBytes(y);
    if (level == 0 || level == 255) {
      std::memcpy(out, (level == 0 ? from : to).RowBytes(y), bytes);
      continue;
    }
    const std::uint8_t* a = from.RowBytes(y);
    const std::uint8_t* b = to.RowBytes(y);
    for (std::size_t i = 0; i < bytes; ++i) out[i] = Mix(a[i], b[i], level);
  }
}

void CopyScrollWindow(const TFxRgbBuffer& picture, int offset, TFxRgbBuffer& into) {
  const int ph = picture.Height();
  const int cols = std::min(picture.Width(), into.Width());
  if (ph <= 0 || cols <= 0) return;
  int row = ((offset % ph) + ph) % ph;
  for (int y = 0; y < into.Height(); ++y) {
    std::memcpy(into.RowBytes(y), picture.RowBytes(row), static_cast<std::size_t>(cols) * 3);
    if (++row == ph) row = 0;
  }
}

int ScrollFadeFactor(int row, int fadeHeight) {
  if (fadeHeight <= 1) return 0;
  return static_cast<int>(static_cast<long long>(row) * 255 / (fadeHeight - 1));
}

void FadeScrollEdges(TFxRgbBuffer& window, int fadeHeight, TFxRgb background) {
  const int h = window.Height(), w = window.Width();
  const int band = std::min(fadeHeight, h);
  auto fadeRow = [&](int y, int f) {
    TFxRgb* row = window.Row(y);
    for (int x = 0; x < w; ++x) {
      TFxRgb& p = row[x];
      if (p.b != background.b) p.b = Mix(background.b, p.b, f);
      if (p.g != background.g) p.g = Mix(background.g, p.g, f);
      if (p.r != background.r) p.r = Mix(background.r, p.r, f);
    }
  };
  for (int b = 0; b < band; ++b) {
    const int f = ScrollFadeFactor(b, fadeHeight);
    fadeRow(b, f);
    // A band taller than half the window reaches rows the top band has faded; each row is faded
    // once per band it belongs to, as the two loops overlap.
    fadeRow(h - 1 - b, f);
  }
}

}  // namespace plexara
