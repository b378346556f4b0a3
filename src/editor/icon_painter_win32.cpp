#include "editor/icon_painter_win32.h"

#include <cmath>
#include <cstring>
#include <vector>

namespace plexara {
namespace {

constexpr int kSupersample = 4;
// Painted nowhere by an icon: what is left of it after drawing is the transparent background.
constexpr COLORREF kBackground = RGB(255, 0, 254);

}  // namespace

IconPainter::IconPainter(int size) : size_(size) {
  canvas_.Resize(size_ * kSupersample, size_ * kSupersample);
  const RECT all{0, 0, canvas_.width(), canvas_.height()};
  GdiObject<HBRUSH> brush(CreateSolidBrush(kBackground));
  FillRect(canvas_.dc(), &all, brush.get());
}

int IconPainter::Px(float units) const {
  return static_cast<int>(std::lround(units * static_cast<float>(size_ * kSupersample) / 16.0f));
}

void IconPainter::Rect(float left, float top, float right, float bottom, COLORREF fill, COLORREF edge) {
  HDC dc = canvas_.dc();
  const int l = Px(left), t = Px(top), r = Px(right), b = Px(bottom), w = Px(1);
  if (fill != kNone) {
    const RECT all{l, t, r, b};
    GdiObject<HBRUSH> brush(CreateSolidBrush(fill));
    FillRect(dc, &all, brush.get());
  }
  if (edge != kNone) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(edge));
    const RECT sides[] = {{l, t, r, t + w}, {l, b - w, r, b}, {l, t, l + w, b}, {r - w, t, r, b}};
    for (const RECT& side : sides) FillRect(dc, &side, brush.get());
  }
}

void IconPainter::Shape(ShapeKind kind, float left, float top, float right, float bottom, float radius,
                        COLORREF fill, COLORREF edge) {
  HDC dc = canvas_.dc();
  const int corner = Px(radius * 2);
  auto draw = [&](int l, int t, int r, int b) {
    if (kind == ShapeKind::Ellipse) {
      ::Ellipse(dc, l, t, r, b);
    } else {
      ::RoundRect(dc, l, t, r, b, corner, corner);
    }
  };
  if (fill != kNone) {
    // A null pen leaves the right and bottom edges one pixel short, so reach one further.
    GdiObject<HBRUSH> brush(CreateSolidBrush(fill));
    SelectIn pen(dc, GetStockObject(NULL_PEN));
    SelectIn selected(dc, brush.get());
    draw(Px(left), Px(top), Px(right) + 1, Px(bottom) + 1);
  }
  if (edge != kNone) {
    // One unit wide, inside the box, leaving the inside as it is.
    LOGBRUSH solid{BS_SOLID, edge, 0};
    GdiObject<HPEN> outline(ExtCreatePen(PS_GEOMETRIC | PS_INSIDEFRAME | PS_SOLID, static_cast<DWORD>(Px(1)), &solid, 0, nullptr));
    SelectIn pen(dc, outline.get());
    SelectIn selected(dc, GetStockObject(NULL_BRUSH));
    draw(Px(left), Px(top), Px(right), Px(bottom));
  }
}

void IconPainter::RoundRect(float left, float top, float right, float bottom, float radius, COLORREF fill,
                            COLORREF edge) {
  Shape(ShapeKind::RoundRect, left, top, right, bottom, radius, fill, edge);
}

void IconPainter::Ellipse(float left, float top, float right, float bottom, COLORREF fill, COLORREF edge) {
  Shape(ShapeKind::Ellipse, left, top, right, bottom, 0, fill, edge);
}

void IconPainter::Polygon(const POINT* points, int count, COLORREF colour) {
  HDC dc = canvas_.dc();
  GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
  SelectIn pen(dc, GetStockObject(NULL_PEN));
  SelectIn selected(dc, brush.get());
  SetPolyFillMode(dc, WINDING);
  ::Polygon(dc, points, count);
}

void IconPainter::Polygon(std::initializer_list<IconPoint> points, COLORREF fill, COLORREF edge) {
  std::vector<POINT> corners;
  for (const IconPoint& p : points) corners.push_back({Px(p.x), Px(p.y)});
  if (fill != kNone) Polygon(corners.data(), static_cast<int>(corners.size()), fill);
  if (edge != kNone) {
    const IconPoint* previous = points.end() - 1;
    for (const IconPoint& p : points) {
      Line(previous->x, previous->y, p.x, p.y, edge, 1);
      previous = &p;
    }
  }
}

void IconPainter::Line(float x1, float y1, float x2, float y2, COLORREF colour, float width) {
  const float dx = x2 - x1, dy = y2 - y1;
  const float length = std::sqrt(dx * dx + dy * dy);
  if (length == 0) return;
  // Half a width across the stroke and half a width past each end, so lines meet without gaps.
  const float ux = dx / length * width / 2, uy = dy / length * width / 2;
  const POINT quad[] = {{Px(x1 - ux + uy), Px(y1 - uy - ux)},
                        {Px(x2 + ux + uy), Px(y2 + uy - ux)},
                        {Px(x2 + ux - uy), Px(y2 + uy + ux)},
                        {Px(x1 - ux - uy), Px(y1 - uy + ux)}};
  Polygon(quad, 4, colour);
}

void IconPainter::Text(float left, float top, float right, float bottom, const char* text, COLORREF colour,
                       float height, bool bold, bool italic, bool underline) {
  HDC dc = canvas_.dc();
  // Without anti-aliasing every pixel is the text colour or untouched, so coverage stays exact.
  GdiObject<HFONT> font(CreateFontA(-Px(height), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic, underline, FALSE,
                                    ANSI_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                    VARIABLE_PITCH | FF_SWISS, "Arial"));
  SelectIn selected(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  RECT box{Px(left), Px(top), Px(right), Px(bottom)};
  DrawTextA(dc, text, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

Bitmap IconPainter::Finish() const {
  GdiFlush();
  Bitmap icon(size_, size_);
  const int n = kSupersample;
  const Bgra key{GetBValue(kBackground), GetGValue(kBackground), GetRValue(kBackground), 0};
  for (int y = 0; y < size_; ++y) {
    for (int x = 0; x < size_; ++x) {
      int b = 0, g = 0, r = 0, covered = 0;
      for (int sy = 0; sy < n; ++sy) {
        const auto* row = reinterpret_cast<const Bgra*>(canvas_.bits() + canvas_.stride() * (y * n + sy));
        for (int sx = 0; sx < n; ++sx) {
          const Bgra p = row[x * n + sx];
          if (p.b == key.b && p.g == key.g && p.r == key.r) continue;
          b += p.b, g += p.g, r += p.r, ++covered;
        }
      }
      if (covered == 0) continue;
      icon.at(x, y) = Bgra{static_cast<std::uint8_t>(b / covered), static_cast<std::uint8_t>(g / covered),
                           static_cast<std::uint8_t>(r / covered),
                           static_cast<std::uint8_t>(covered * 255 / (n * n))};
    }
  }
  return icon;
}

}  // namespace plexara
