#include "storage/gradient.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace plexara {
namespace {

// num ÷ den (den > 0) rounded to the nearest integer, halves to the even neighbour. Works from
// the floor so that negative quotients round the same way as positive ones.
long long RoundedQuotient(long long num, long long den) {
  long long quotient = num / den;
  long long remainder = num % den;
  if (remainder < 0) {
    quotient -= 1;
    remainder += den;
  }
  const long long twice = 2 * remainder;
  if (twice > den || (twice == den && (quotient & 1) != 0)) ++quotient;
  return quotient;
}

std::uint8_t BlendChannel(std::uint8_t a, std::uint8_t b, std::int64_t n, std::int64_t i) {
  if (n <= 0) return a;
  const long long offset = RoundedQuotient((b - a) * i, n);
  return static_cast<std::uint8_t>((a + offset) & 0xFF);
}

// How a GradientFill style runs: along rows or columns; a plain run over the whole rectangle, or
// two halves split at the middle. In the first half of a split the steps count either from the
// outer edge or, when mirrored, outwards from the middle. `reversed` runs the colours from the
// second to the first (step(B→A)).
struct FillStyle {
  bool rows;
  bool split;
  bool mirrorFirstHalf;
  bool firstHalfReversed;
  bool reversed;
};
constexpr FillStyle kFillStyles[] = {
    {true, false, false, false, false},   // 1 top-bottom
    {true, false, false, false, true},    // 2 bottom-top
    {false, false, false, false, false},  // 3 left-right
    {false, false, false, false, true},   // 4 right-left
    {true, true, false, true, false},     // 5 middle-top-bottom
    {true, true, false, false, true},     // 6 top-bottom-middle
    {false, true, true, false, false},    // 7 middle-left-right
    {false, true, true, true, true},      // 8 left-right-middle
};

// How a page background style runs: along rows or columns; plain, from the far edge, or outwards
// from the middle; and whether the two colours trade places.
enum class PageRun : std::uint8_t { Fill, Plain, FromFarEdge, FromMiddle };
struct PageStyle {
  bool rows;
  PageRun run;
  bool swapped;
};
constexpr PageStyle kPageStyles[] = {
    {true, PageRun::Fill, false},          // 0 none
    {true, PageRun::Plain, false},         // 1 top-bottom
    {true, PageRun::FromFarEdge, false},   // 2 bottom-top
    {false, PageRun::Plain, false},        // 3 left-right
    {false, PageRun::FromFarEdge, false},  // 4 right-left
    {true, PageRun::FromMiddle, false},    // 5 middle-top-bottom
    {false, PageRun::FromMiddle, false},   // 6 middle-left-right
    {true, PageRun::FromMiddle, true},     // 7 top-bottom-middle
    {false, PageRun::FromMiddle, true},    // 8 left-right-middle
};

void DrawLines(Bitmap& target, const GradientLines& lines) {
  const int count = static_cast<int>(lines.colors.size());
  for (int k = 0; k < count; ++k) {
    const int line = lines.first + k;
    const Bgra color = lines.colors[static_cast<std::size_t>(k)];
    if (lines.rows) {
      if (line < 0 || line >= target.height()) continue;
      std::fill_n(target.row(line), target.width(), color);
    } else {
      if (line < 0 || line >= target.width()) continue;
      for (int y = 0; y < target.height(); ++y) target.at(line, y) = color;
    }
  }
}

// Lays `source` over an opaque pixel with the source's alpha.
void LayOver(Bgra& target, Bgra source) {
  if (source.a == 255) {
    target = source;
    return;
  }
  if (source.a == 0) return;
  const int a = source.a;
  auto mix = [a](std::uint8_t s, std::uint8_t d) {
    return static_cast<std::uint8_t>((s * a + d * (255 - a) + 127) / 255);
  };
  target = Bgra{mix(source.b, target.b), mix(source.g, target.g), mix(source.r, target.r), 255};
}

// The source index for position c of a cell `cell` long holding an image `image` long: the
// pixel under the centre of c, so a stretch neither drops nor repeats the edge pixels unevenly.
int ScaledIndex(int c, int cell, int image) {
  if (cell == image) return c;
  return static_cast<int>((2LL * c + 1) * image / (2LL * cell));
}

void LayImage(Bitmap& target, const Bitmap& image, const ImagePlacement& place) {
  if (place.columns <= 0 || place.rows <= 0 || image.empty()) return;
  const long long right = place.x + static_cast<long long>(place.columns) * place.cellWidth;
  const long long bottom = place.y + static_cast<long long>(place.rows) * place.cellHeight;
  const int x0 = std::max(place.x, 0);
  const int y0 = std::max(place.y, 0);
  const int x1 = static_cast<int>(std::min<long long>(right, target.width()));
  const int y1 = static_cast<int>(std::min<long long>(bottom, target.height()));
  if (x0 >= x1 || y0 >= y1) return;
  std::vector<int> sourceX(static_cast<std::size_t>(x1 - x0));
  for (int x = x0; x < x1; ++x) {
    sourceX[static_cast<std::size_t>(x - x0)] =
        ScaledIndex((x - place.x) % place.cellWidth, place.cellWidth, image.width());
  }
  for (int y = y0; y < y1; ++y) {
    const int sy = ScaledIndex((y - place.y) % place.cellHeight, place.cellHeight, image.height());
    const Bgra* from = image.row(sy);
    Bgra* to = target.row(y);
    for (int x = x0; x < x1; ++x) LayOver(to[x], from[sourceX[static_cast<std::size_t>(x - x0)]]);
  }
}

void DrawBackgroundImage(Bitmap& target, const Picture& picture, int style,
                         MetafileRenderer renderMetafile) {
  const DecodedPicture& decoded = picture.decoded();
  if (picture.graphicClass() == GraphicClass::Metafile) {
    // A metafile has no pixels of its own: play it once at the cell size, then lay it like a
    // raster picture of that size.
    const ImagePlacement place =
        PlaceBackgroundImage(style, target.width(), target.height(), decoded.width, decoded.height);
    if (place.columns <= 0 || renderMetafile == nullptr) return;
    Result<Bitmap> rendered = renderMetafile(picture.payload(), place.cellWidth, place.cellHeight);
    if (!rendered.ok()) return;
    LayImage(target, rendered.value(), place);
    return;
  }
  if (decoded.frames.empty()) return;
  const Bitmap& image = decoded.frames.front().bitmap;
  LayImage(
      target, image,
      PlaceBackgroundImage(style, target.width(), target.height(), image.width(), image.height()));
}

}  // namespace

Bgra PlainColor(ColorRef color) {
  const auto value = static_cast<std::uint32_t>(color);
  return Bgra{static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
              static_cast<std::uint8_t>(value), 255};
}

Bgra Blend(Bgra a, Bgra b, std::int64_t n, std::int64_t i) {
  return Bgra{BlendChannel(a.b, b.b, n, i), BlendChannel(a.g, b.g, n, i),
              BlendChannel(a.r, b.r, n, i), 255};
}

bool IsGradientFillStyle(int style) {
  return style >= 1 && style <= static_cast<int>(std::size(kFillStyles));
}

bool GradientFillByRows(int style) {
  return IsGradientFillStyle(style) && kFillStyles[style - 1].rows;
}

Bgra GradientFillColor(int style, Bgra a, Bgra b, const GradientRect& rect, int line) {
  if (!IsGradientFillStyle(style)) return a;
  const FillStyle& s = kFillStyles[style - 1];
  const std::int64_t start = s.rows ? rect.top : rect.left;
  const std::int64_t end = s.rows ? rect.bottom : rect.right;
  auto step = [&](bool reversed, std::int64_t n, std::int64_t i) {
    return reversed ? Blend(b, a, n, i) : Blend(a, b, n, i);
  };
  if (!s.split) return step(s.reversed, end - start, line - start);
  // Both halves have n = half the size; a column or row left of the middle either counts from
  // the outer edge or, mirrored, outwards from the middle.
  const std::int64_t middle = (start + end) / 2;
  const std::int64_t n = (end - start) / 2;
  if (line >= middle) return step(s.reversed, n, line - middle);
  return step(s.firstHalfReversed, n, s.mirrorFirstHalf ? middle - 1 - line : line - start);
}

GradientLines GradientFillLines(int style, Bgra a, Bgra b, const GradientRect& rect) {
  const bool rows = GradientFillByRows(style);
  const int start = rows ? rect.top : rect.left;
  const int end = rows ? rect.bottom : rect.right;
  GradientLines lines{rows, start, {}};
  if (!IsGradientFillStyle(style) || end <= start) return lines;
  lines.colors.reserve(static_cast<std::size_t>(static_cast<std::int64_t>(end) - start));
  for (int line = start; line < end; ++line) {
    lines.colors.push_back(GradientFillColor(style, a, b, rect, line));
  }
  return lines;
}

GradientLines PageGradientLines(int style, Bgra back, Bgra gradient, int width, int height) {
  const bool known = style >= 0 && style < static_cast<int>(std::size(kPageStyles));
  const PageStyle& s = kPageStyles[known ? style : 0];
  const int count = s.rows ? height : width;
  GradientLines lines{s.rows, 0, {}};
  if (count <= 0) return lines;
  const Bgra from = s.swapped ? gradient : back;
  const Bgra to = s.swapped ? back : gradient;
  const int half = count / 2;
  lines.colors.reserve(static_cast<std::size_t>(count));
  for (int p = 0; p < count; ++p) {
    switch (s.run) {
      case PageRun::Fill:
        lines.colors.push_back(back);
        break;
      case PageRun::Plain:
        lines.colors.push_back(Blend(from, to, count, p));
        break;
      case PageRun::FromFarEdge:
        lines.colors.push_back(Blend(from, to, count, count - 1 - p));
        break;
      case PageRun::FromMiddle:
        lines.colors.push_back(Blend(from, to, half, p < half ? half - 1 - p : p - half));
        break;
    }
  }
  return lines;
}

ImagePlacement PlaceBackgroundImage(int style, int width, int height, int imageWidth,
                                    int imageHeight) {
  if (width <= 0 || height <= 0 || imageWidth <= 0 || imageHeight <= 0) return {};
  switch (style) {
    case 0:
      return {0, 0, imageWidth, imageHeight, 1, 1};
    case 1:
      return {(width - imageWidth) / 2, (height - imageHeight) / 2, imageWidth, imageHeight, 1, 1};
    case 2:
      return {0, 0, width, height, 1, 1};
    case 3:
      return {0, 0, imageWidth, imageHeight, width / imageWidth + 1, height / imageHeight + 1};
    default:
      return {};
  }
}

Bitmap RenderPageBackground(const PageData& page, int width, int height, ColorResolver resolve,
                            MetafileRenderer renderMetafile) {
  if (!PictureSizeAllowed(width, height)) return {};
  auto colorOf = [resolve](ColorRef color) { return resolve ? resolve(color) : PlainColor(color); };
  Bitmap background(width, height);
  DrawLines(background, PageGradientLines(page.gradientStyle, colorOf(page.backColor),
                                          colorOf(page.gradientColor), width, height));
  if (!page.backImage.empty()) {
    DrawBackgroundImage(background, page.backImage, page.backImageStyle, renderMetafile);
  }
  return background;
}

}  // namespace plexara
