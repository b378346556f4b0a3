// The text effect engine at work: a 48-pixel run with shadow and blur at each quality, and one
// frame of a 209×209 scrolling text (every visible row drawn from scratch with the scroll text's
// default look: 16-point text, shadow and texture). Each figure also reports the cost of filling
// the same area with a plain colour, measured in the same run, and the ratio of the two.
#include <benchmark/benchmark.h>
#include <time.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "support/block_glyph_rasterizer.h"
#include "storage/picture.h"
#include "textfx/fx_font.h"

namespace plexara {
namespace {

// CPU time of this thread in nanoseconds: the machines are shared, so wall time would count the
// other jobs too.
double ThreadCpuNs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
}

// The plain-colour fill the engine is compared with: one row filled, then copied down.
void FillArea(TFxMemoryCanvas& canvas, int x, int y, int w, int h, TFxRgb color) {
  const int x0 = std::max(x, 0), x1 = std::min(x + w, canvas.Width());
  const int y0 = std::max(y, 0), y1 = std::min(y + h, canvas.Height());
  if (x0 >= x1 || y0 >= y1) return;
  TFxRgb* first = canvas.Pixels().Row(y0) + x0;
  std::fill(first, first + (x1 - x0), color);
  for (int row = y0 + 1; row < y1; ++row) {
    std::memcpy(canvas.Pixels().Row(row) + x0, first, static_cast<std::size_t>(x1 - x0) * 3);
  }
}

// Nanoseconds per plain-colour fill of a w × h area, averaged over at least 20 ms.
double PlainFillNs(TFxMemoryCanvas& canvas, int w, int h) {
  long fills = 0;
  const double start = ThreadCpuNs();
  double now = start;
  do {
    for (int i = 0; i < 64; ++i, ++fills) {
      FillArea(canvas, 0, 0, w, h, TFxRgb{static_cast<std::uint8_t>(fills), 128, 200});
      benchmark::ClobberMemory();
    }
    now = ThreadCpuNs();
  } while (now - start < 20e6);
  return (now - start) / static_cast<double>(fills);
}

void ReportAgainstFill(benchmark::State& state, double spentNs, double fillNs) {
  const double ns = spentNs / static_cast<double>(state.iterations());
  state.counters["ms_per_frame"] = ns / 1e6;
  state.counters["fill_us"] = fillNs / 1e3;
  state.counters["ratio_vs_fill"] = ns / fillNs;
}

TFxCanvasFont FontOfHeight(int pixels) {
  TFxCanvasFont font = FxCanvasFont(FontData{});
  font.height = -pixels;
  font.data.color = RgbColor(20, 40, 200);
  return font;
}

Picture TilePicture() {
  Bitmap tile(16, 16);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      tile.at(x, y) =
          Bgra{static_cast<std::uint8_t>(x * 16), static_cast<std::uint8_t>(y * 16), 160, 255};
    }
  }
  return Picture::FromBitmap(tile);
}

void BM_Run48WithShadowAndBlur(benchmark::State& state) {
  const auto quality = static_cast<TFxQuality>(state.range(0));
  testing_support::BlockGlyphRasterizer rasterizer;
  TFxMemoryCanvas canvas(640, 80);
  canvas.SetFont(FontOfHeight(48));
  TFxFontEx font(rasterizer, &canvas);
  font.SetQuality(quality);
  font.Effect().shadow.enabled = true;
  font.Effect().blur = 30;
  const std::string run = "Plexara 48";
  const TFxTextSize extent = font.TextExtent(run);

  const double start = ThreadCpuNs();
  for (auto _ : state) {
    font.TextOut(2, 2, run);
    benchmark::ClobberMemory();
  }
  const double spent = ThreadCpuNs() - start;
  ReportAgainstFill(state, spent, PlainFillNs(canvas, extent.cx, extent.cy));
  state.SetLabel(std::to_string(extent.cx) + "x" + std::to_string(extent.cy));
}
BENCHMARK(BM_Run48WithShadowAndBlur)
    ->ArgName("quality")
    ->Arg(static_cast<int>(TFxQuality::aqHigh))
    ->Arg(static_cast<int>(TFxQuality::aqNormal))
    ->Arg(static_cast<int>(TFxQuality::aqLow))
    ->Arg(static_cast<int>(TFxQuality::aqNone))
    ->Unit(benchmark::kMicrosecond);

void BM_ScrollTextFrame209(benchmark::State& state) {
  constexpr int kSide = 209;
  testing_support::BlockGlyphRasterizer rasterizer;
  TFxMemoryCanvas canvas(kSide, kSide);
  canvas.SetFont(FontOfHeight(FxFontHeight(16) * -1));
  canvas.SetBrushStyle(TFxBrushStyle::Clear);
  TFxFontEx font(rasterizer, &canvas);
  font.SetQuality(TFxQuality::aqHigh);
  font.Effect().shadow.enabled = true;
  font.Effect().texture.enabled = true;
  font.Effect().texture.picture = TilePicture();
  const std::string lines[] = {"New Scroll Text",  "Credits and notes", "Install the tools",
                               "Browse this disc", "Read me first",     "Visit the web site"};
  const int pitch = font.TextHeight("New Scroll Text ");

  int offset = 0;
  const double start = ThreadCpuNs();
  for (auto _ : state) {
    FillArea(canvas, 0, 0, kSide, kSide, TFxRgb{255, 255, 255});
    // Every row the window shows at this offset, centred; partly visible rows are clipped.
    const int first = offset / pitch;
    for (int row = first, y = first * pitch - offset; y < kSide; ++row, y += pitch) {
      const std::string& line = lines[row % std::size(lines)];
      font.TextOut((kSide - font.TextWidth(line)) / 2, y, line);
    }
    offset = (offset + 1) % (pitch * static_cast<int>(std::size(lines)));
    benchmark::ClobberMemory();
  }
  const double spent = ThreadCpuNs() - start;
  ReportAgainstFill(state, spent, PlainFillNs(canvas, kSide, kSide));
}
BENCHMARK(BM_ScrollTextFrame209)->Unit(benchmark::kMicrosecond);

// The baselines on their own: a plain-colour fill of a 48-pixel run's area and of 209×209.
void BM_PlainFill(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  TFxMemoryCanvas canvas(w, h);
  std::uint8_t shade = 0;
  for (auto _ : state) {
    FillArea(canvas, 0, 0, w, h, TFxRgb{shade++, 128, 200});
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_PlainFill)->Args({242, 50})->Args({209, 209})->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace plexara
