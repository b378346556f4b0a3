#include "objects/shape_paint_win32.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "objects/shape_geometry.h"
#include "platform/gdi_objects_win32.h"
#include "storage/gradient.h"

namespace plexara {
namespace {

// Keeps the DC's state from before painting and owns the pens and brushes made while painting.
// The state comes back first, so nothing owned is still selected when it is deleted.
class PaintScope {
 public:
  explicit PaintScope(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~PaintScope() {
    RestoreDC(dc_, saved_);
    for (HGDIOBJ object : owned_) DeleteObject(object);
  }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

  void SelectStock(int stockObject) { SelectObject(dc_, GetStockObject(stockObject)); }
  void SelectOwned(HGDIOBJ object) {
    if (object == nullptr) return;
    owned_.push_back(object);
    SelectObject(dc_, object);
  }

 private:
  HDC dc_;
  int saved_;
  std::vector<HGDIOBJ> owned_;
};

// The hatches of FillStyle 1002..1007, in that order.
constexpr int kHatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                            HS_BDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
constexpr int kFirstHatchStyle = 1002;

bool IsGradientFill(int fillStyle) { return fillStyle >= 1 && fillStyle <= 1000; }

void SelectFillBrush(PaintScope& scope, const ShapeRecord& shape) {
  if (shape.fillStyle == kFillStyleClear) {
    scope.SelectStock(NULL_BRUSH);
    return;
  }
  const int hatch = shape.fillStyle - kFirstHatchStyle;
  if (hatch >= 0 && hatch < static_cast<int>(std::size(kHatches))) {
    scope.SelectOwned(CreateHatchBrush(kHatches[hatch], ColorOf(shape.fillColor)));
    return;
  }
  // Solid, and any style the table does not name.
  scope.SelectOwned(CreateSolidBrush(ColorOf(shape.fillColor)));
}

void SelectBorderPen(PaintScope& scope, const ShapeRecord& shape, int borderWidth) {
  scope.SelectOwned(CreatePen(PS_SOLID, borderWidth, ColorOf(shape.borderColor)));
}

// Draws a figure with the selected pen and brush. GDI leaves out the right and bottom edge of a
// box figure when no pen outlines it, and so does a box recorded into a path; `wholeBox` adds
// that pixel back, so a borderless fill covers the drawing rectangle exactly as a polygon's fill
// does.
void DrawFigure(HDC dc, const ShapeFigure& figure, bool wholeBox) {
  const int grow = wholeBox ? 1 : 0;
  const int right = figure.right + grow, bottom = figure.bottom + grow;
  std::vector<POINT> points;
  points.reserve(figure.points.size());
  for (const ShapePoint& p : figure.points) points.push_back(POINT{p.x, p.y});
  switch (figure.kind) {
    case ShapeFigureKind::Rectangle:
      Rectangle(dc, figure.left, figure.top, right, bottom);
      break;
    case ShapeFigureKind::RoundRect:
      RoundRect(dc, figure.left, figure.top, right, bottom, figure.corner, figure.corner);
      break;
    case ShapeFigureKind::Ellipse:
      Ellipse(dc, figure.left, figure.top, right, bottom);
      break;
    case ShapeFigureKind::Polygon:
      Polygon(dc, points.data(), static_cast<int>(points.size()));
      break;
    case ShapeFigureKind::Polyline:
      Polyline(dc, points.data(), static_cast<int>(points.size()));
      break;
    case ShapeFigureKind::None:
      break;
  }
}

// The gradient over the whole client, clipped to the outline as it would be drawn without a
// border; the clipping goes again before anything else is drawn.
void FillOutlineWithGradient(HDC dc, const ShapeRecord& shape, int width, int height) {
  const int saved = SaveDC(dc);
  BeginPath(dc);
  DrawFigure(dc, ShapeOutline(shape.shape, width, height, 0, shape.parameter), true);
  EndPath(dc);
  // Intersect rather than replace, so the shape never paints outside the clipping it was given.
  if (SelectClipPath(dc, RGN_AND)) {
    GradientFill(dc, shape.fillStyle, shape.fillColor, shape.gradientColor,
                 RECT{0, 0, width, height});
  }
  RestoreDC(dc, saved);
}

void PaintFilledOutline(HDC dc, PaintScope& scope, const ShapeRecord& shape, int width, int height,
                        int borderWidth) {
  const ShapeFigure outline =
      ShapeOutline(shape.shape, width, height, borderWidth, shape.parameter);
  if (IsGradientFill(shape.fillStyle)) {
    FillOutlineWithGradient(dc, shape, width, height);
    if (borderWidth == 0) return;
    scope.SelectStock(NULL_BRUSH);
    SelectBorderPen(scope, shape, borderWidth);
    DrawFigure(dc, outline, false);
    return;
  }
  SelectFillBrush(scope, shape);
  if (borderWidth == 0) {
    scope.SelectStock(NULL_PEN);
  } else {
    SelectBorderPen(scope, shape, borderWidth);
  }
  DrawFigure(dc, outline, borderWidth == 0);
}

void PaintStrokes(HDC dc, PaintScope& scope, const ShapeRecord& shape, int width, int height,
                  int borderWidth) {
  scope.SelectStock(NULL_BRUSH);
  for (const ShapeStroke& stroke : ShapeStrokes(shape.shape, width, height, shape.parameter)) {
    if (stroke.ink == ShapeInk::Border) {
      // Width 0 is GDI's one-pixel pen, which is what a line without a border width shows.
      SelectBorderPen(scope, shape, borderWidth);
    } else {
      COLORREF color = RGB(0, 0, 0);
      switch (stroke.ink) {
        case ShapeInk::Highlight:
          color = GetSysColor(COLOR_3DHILIGHT);
          break;
        case ShapeInk::Shadow:
          color = GetSysColor(COLOR_3DSHADOW);
          break;
        default:
          color = ColorOf(stroke.fixed);
          break;
      }
      scope.SelectStock(DC_PEN);
      SetDCPenColor(dc, color);
    }
    DrawFigure(dc, stroke.figure, false);
  }
}

}  // namespace

Bgra ResolveColorWin32(ColorRef color) {
  const COLORREF c = ColorOf(color);
  return Bgra{GetBValue(c), GetGValue(c), GetRValue(c), 255};
}

void GradientFill(HDC dc, int style, ColorRef first, ColorRef second, const RECT& rect) {
  const bool rows = GradientFillByRows(style);
  const int start = rows ? rect.top : rect.left;
  const int end = rows ? rect.bottom : rect.right;
  if (!IsGradientFillStyle(style) || end <= start) return;
  const Bgra a = ResolveColorWin32(first), b = ResolveColorWin32(second);
  const GradientRect whole{rect.left, rect.top, rect.right, rect.bottom};
  // Only the lines inside the clipping are worked out and drawn: a shape stored with a huge size
  // then costs no more than the part on screen.
  RECT clip{};
  int from = start, to = end;
  if (GetClipBox(dc, &clip) != ERROR) {
    from = std::max(start, static_cast<int>(rows ? clip.top : clip.left));
    to = std::min(end, static_cast<int>(rows ? clip.bottom : clip.right));
  }
  SelectObject(dc, GetStockObject(DC_PEN));
  for (int line = from; line < to; ++line) {
    const Bgra c = GradientFillColor(style, a, b, whole, line);
    SetDCPenColor(dc, RGB(c.r, c.g, c.b));
    if (rows) {
      MoveToEx(dc, rect.left, line, nullptr);
      LineTo(dc, rect.right, line);
    } else {
      MoveToEx(dc, line, rect.top, nullptr);
      LineTo(dc, line, rect.bottom);
    }
  }
  // The pen ends in the colour of the rectangle's last line, seen or not.
  const Bgra last = GradientFillColor(style, a, b, whole, end - 1);
  SetDCPenColor(dc, RGB(last.r, last.g, last.b));
}

void PaintShape(HDC dc, const ShapeRecord& shape, int width, int height) {
  if (width <= 0 || height <= 0 || shape.shape < 0 || shape.shape > kLastShapeOutline) return;
  // A negative border width read from a file means no border, not a pen GDI would guess at.
  const int borderWidth = std::max(shape.borderWidth, 0);
  PaintScope scope(dc);
  SetBkMode(dc, TRANSPARENT);  // hatches lie over the page rather than on a filled background
  if (shape.shape <= kLastFilledOutline) {
    PaintFilledOutline(dc, scope, shape, width, height, borderWidth);
  } else {
    PaintStrokes(dc, scope, shape, width, height, borderWidth);
  }
}

}  // namespace plexara
