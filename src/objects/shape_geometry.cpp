#include "objects/shape_geometry.h"

#include <algorithm>
#include <utility>

namespace plexara {
namespace {

ShapeFigure Box(ShapeFigureKind kind, const ShapeBox& box, int corner = 0) {
  return ShapeFigure{kind, box.left, box.top, box.right, box.bottom, corner, {}};
}

ShapeFigure Points(ShapeFigureKind kind, std::vector<ShapePoint> points) {
  ShapeFigure figure;
  figure.kind = kind;
  figure.points = std::move(points);
  return figure;
}

ShapeStroke Stroke(ShapeInk ink, std::vector<ShapePoint> points) {
  return ShapeStroke{ink, kColorBlack, Points(ShapeFigureKind::Polyline, std::move(points))};
}

ShapeStroke Stroke(ColorRef fixed, std::vector<ShapePoint> points) {
  return ShapeStroke{ShapeInk::Fixed, fixed, Points(ShapeFigureKind::Polyline, std::move(points))};
}

ShapeStroke RoundStroke(ShapeInk ink, const ShapeBox& box, int corner) {
  return ShapeStroke{ink, kColorBlack, Box(ShapeFigureKind::RoundRect, box, corner)};
}

// The four fixed colours of the two-line 3-D borders, dark to light.
constexpr ColorRef kBorderDark = RgbColor(113, 111, 100);
constexpr ColorRef kBorderMid = RgbColor(172, 168, 153);
constexpr ColorRef kBorderLight = RgbColor(241, 239, 226);

}  // namespace

ShapeBox ShapeDrawingBox(int width, int height, int borderWidth) {
  const int inset = std::max(borderWidth, 0) / 2;
  return ShapeBox{inset, inset, width - inset, height - inset};
}

ShapeFigure ShapeOutline(int shape, int width, int height, int borderWidth, int parameter) {
  const ShapeBox box = ShapeDrawingBox(width, height, borderWidth);
  // Corners mix the drawing rectangle with plain client coordinates (the centre, the cuts
  // measured from the client edge), exactly as the outlines were designed.
  const int l = box.left, t = box.top, r = box.right, b = box.bottom;
  const int w = width, h = height, p = parameter;
  const int w2 = w / 2, h2 = h / 2, p2 = p / 2;
  auto polygon = [](std::vector<ShapePoint> corners) {
    return Points(ShapeFigureKind::Polygon, std::move(corners));
  };
  switch (shape) {
    case 0:
      return Box(ShapeFigureKind::Rectangle, box);
    case 1:
      return Box(ShapeFigureKind::RoundRect, box, p);
    case 2:
      return Box(ShapeFigureKind::Ellipse, box);
    case 3:
      return polygon({{w2, t}, {l, h2}, {w2, b}, {r, h2}});
    case 4:
      return polygon({{l, b}, {r, b}, {w2, t}});
    case 5:
      return polygon({{l, t}, {r, t}, {w2, b}});
    case 6:
      return polygon({{l, h2}, {r, b}, {r, t}});
    case 7:
      return polygon({{l, t}, {l, b}, {r, h2}});
    case 8:
      return polygon({{l, t}, {l, b}, {r, b}});
    case 9:
      return polygon({{l, t}, {l, b}, {r, t}});
    case 10:
      return polygon({{l, b}, {r, b}, {r, t}});
    case 11:
      return polygon({{l, t}, {r, b}, {r, t}});
    case 12:
      return polygon({{l, b}, {r, b}, {w - p2, t}, {p2, t}});
    case 13:
      return polygon({{l, b}, {r, b}, {w - p, t}, {l, t}});
    case 14:
      return polygon({{l, b}, {r, b}, {r, t}, {p, t}});
    case 15:
      return polygon({{l, t}, {p2, b}, {w - p2, b}, {r, t}});
    case 16:
      return polygon({{l, t}, {l, b}, {w - p, b}, {r, t}});
    case 17:
      return polygon({{l, t}, {p, b}, {r, b}, {r, t}});
    case 18:
      return polygon({{l, p2}, {l, h - p2}, {r, b}, {r, t}});
    case 19:
      return polygon({{l, p}, {l, b}, {r, b}, {r, t}});
    case 20:
      return polygon({{l, t}, {l, h - p}, {r, b}, {r, t}});
    case 21:
      return polygon({{l, t}, {l, b}, {r, h - p2}, {r, p2}});
    case 22:
      return polygon({{l, t}, {l, b}, {r, b}, {r, p}});
    case 23:
      return polygon({{l, t}, {l, b}, {r, h - p}, {r, t}});
    case 24:
      return polygon({{l, h2}, {p2, b}, {w - p2, b}, {r, h2}, {w - p2, t}, {p2, t}});
    case 25:
      return polygon({{l, p2}, {l, h - p2}, {w2, b}, {r, h - p2}, {r, p2}, {w2, t}});
    default:
      return {};
  }
}

std::vector<ShapeStroke> ShapeStrokes(int shape, int width, int height, int parameter) {
  const int w = width, h = height;
  // The inner and outer rectangles of the etched frames, closed where they started.
  const std::vector<ShapePoint> inner{{1, 1}, {w - 1, 1}, {w - 1, h - 1}, {1, h - 1}, {1, 1}};
  const std::vector<ShapePoint> outer{{0, 0}, {w - 2, 0}, {w - 2, h - 2}, {0, h - 2}, {0, 0}};
  // The four strokes of the two-line borders: inner top-left, inner bottom-right, outer top-left,
  // outer bottom-right.
  const std::vector<ShapePoint> innerTopLeft{{w - 3, 1}, {1, 1}, {1, h - 2}};
  const std::vector<ShapePoint> innerBottomRight{{1, h - 2}, {w - 2, h - 2}, {w - 2, 0}};
  const std::vector<ShapePoint> outerTopLeft{{w - 2, 0}, {0, 0}, {0, h - 1}};
  const std::vector<ShapePoint> outerBottomRight{{0, h - 1}, {w - 1, h - 1}, {w - 1, -1}};
  // The one-line boxes: top-left edge, then bottom-right edge.
  const std::vector<ShapePoint> boxTopLeft{{w - 1, 0}, {0, 0}, {0, h}};
  const std::vector<ShapePoint> boxBottomRight{{0, h - 1}, {w - 1, h - 1}, {w - 1, -1}};
  const ShapeBox roundOuter{0, 0, w - 2, h - 2};
  const ShapeBox roundInner{1, 1, w - 1, h - 1};
  using enum ShapeInk;
  switch (shape) {
    case 26:
      return {Stroke(Highlight, inner), Stroke(Shadow, outer)};
    case 27:
      return {Stroke(Shadow, inner), Stroke(Highlight, outer)};
    case 28:
      return {Stroke(kBorderDark, innerTopLeft), Stroke(kBorderLight, innerBottomRight),
              Stroke(kBorderMid, outerTopLeft), Stroke(kColorWhite, outerBottomRight)};
    case 29:
      return {Stroke(kBorderLight, innerTopLeft), Stroke(kBorderDark, innerBottomRight),
              Stroke(kColorWhite, outerTopLeft), Stroke(kBorderMid, outerBottomRight)};
    case 30:
      return {Stroke(Shadow, boxTopLeft), Stroke(Highlight, boxBottomRight)};
    case 31:
      return {Stroke(Highlight, boxTopLeft), Stroke(Shadow, boxBottomRight)};
    case 32:
      return {RoundStroke(Shadow, roundOuter, parameter),
              RoundStroke(Highlight, roundInner, parameter)};
    case 33:
      return {RoundStroke(Shadow, roundInner, parameter),
              RoundStroke(Highlight, roundOuter, parameter)};
    case 34:
      return {Stroke(Border, {{0, h / 2}, {w, h / 2}})};
    case 35:
      return {Stroke(Border, {{w / 2, 0}, {w / 2, h}})};
    case 36:
      return {Stroke(Border, {{0, 0}, {w, h}})};
    case 37:
      return {Stroke(Border, {{w, 0}, {0, h}})};
    default:
      return {};
  }
}

}  // namespace plexara
