// The rows of the Shape kind: its outline, border, fill and the parameter some outlines take.
#include <array>

#include "properties/kind_rows.h"

namespace plexara {
namespace {

using namespace kind_rows;

// The framed outlines first, then the lines, then the plain figures; the codes follow the order the
// outlines were added in.
constexpr std::array<std::string_view, 38> kShapeNames = {"3DBorderLowered",
                                                          "3DBorderRaised",
                                                          "3DBoxLowered",
                                                          "3DBoxRaised",
                                                          "3DRoundBoxLowered",
                                                          "3DRoundBoxRaised",
                                                          "3DFrameLowered",
                                                          "3DFrameRaised",
                                                          "HorizontalLine",
                                                          "VerticalLine",
                                                          "LeftTopRightBottomLine",
                                                          "RightTopLeftBottomLine",
                                                          "Rectangle",
                                                          "RoundRect",
                                                          "Ellipse",
                                                          "Diamond",
                                                          "Triangle1",
                                                          "Triangle2",
                                                          "Triangle3",
                                                          "Triangle4",
                                                          "Triangle5",
                                                          "Triangle6",
                                                          "Triangle7",
                                                          "Triangle8",
                                                          "Polygon1",
                                                          "Polygon2",
                                                          "Polygon3",
                                                          "Polygon4",
                                                          "Polygon5",
                                                          "Polygon6",
                                                          "Polygon7",
                                                          "Polygon8",
                                                          "Polygon9",
                                                          "Polygon10",
                                                          "Polygon11",
                                                          "Polygon12",
                                                          "Polygon13",
                                                          "Polygon14"};
constexpr std::array<std::int32_t, 38> kShapeCodes = {
    28, 29, 30, 31, 32, 33, 26, 27, 34, 35, 36, 37, 0,  1,  2,  3,  4,  5,  6,
    7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25};
constexpr NamedIntCodes kShapes{kShapeNames, kShapeCodes};

// Solid, the hatches, then the gradients.
constexpr std::array<std::string_view, 16> kFillStyleNames = {"Solid",
                                                              "Clear",
                                                              "Horizontal",
                                                              "Vertical",
                                                              "FDiagonal",
                                                              "BDiagonal",
                                                              "Cross",
                                                              "DiagCross",
                                                              "GradientTopBottom",
                                                              "GradientBottomTop",
                                                              "GradientLeftRight",
                                                              "GradientRightLeft",
                                                              "GradientMiddleTopBottom",
                                                              "GradientTopBottomMiddle",
                                                              "GradientMiddleLeftRight",
                                                              "GradientLeftRightMiddle"};
constexpr std::array<std::int32_t, 16> kFillStyleCodes = {
    kFillStyleSolid, kFillStyleClear, 1002, 1003, 1004, 1005, 1006, 1007, 1, 2, 3, 4, 5, 6, 7, 8};
constexpr NamedIntCodes kFillStyles{kFillStyleNames, kFillStyleCodes};

constexpr std::array<RowDef, 9> kShapeRows = {{
    NameRow(),
    CodeRow<&ShapeRecord::shape, kShapes>("Shape"),
    ColorRow<&ShapeRecord::borderColor>("BorderColor"),
    NumberRow<&ShapeRecord::borderWidth>("BorderWidth", kNotNegative),
    ColorRow<&ShapeRecord::fillColor>("FillColor"),
    CodeRow<&ShapeRecord::fillStyle, kFillStyles>("FillStyle"),
    ColorRow<&ShapeRecord::gradientColor>("GradientColor"),
    NumberRow<&ShapeRecord::parameter>("Parameter", kNotNegative),
    WindowMoveHandleRow(),
}};

}  // namespace

std::span<const RowDef> ShapeRows() { return kShapeRows; }

}  // namespace plexara
