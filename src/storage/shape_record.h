// The kind record of the Shape: the bytes that follow an object's common record in a page file,
// as plain data holding the state of a new shape.
#pragma once

#include <cstdint>
#include <string>

#include "storage/font_data.h"
#include "storage/kind_table.h"
#include "storage/record_fields.h"

namespace plexara {

// FillStyle values: 0 solid, 1..8 the gradient styles, 1001..1007 the hatches.
inline constexpr std::int32_t kFillStyleSolid = 0;
inline constexpr std::int32_t kFillStyleClear = 1001;

// A windowless outline with a fill and a border. Newer records put a -1 marker where older ones
// ended with the height, followed by the border and the height.
struct ShapeRecord {
  static constexpr std::uint8_t kKind = 19;
  static constexpr int kWriteCode = 1005;
  static constexpr int kReadCode = 1006;
  static constexpr std::int32_t kMarker = -1;

  std::int16_t cursor = 0;
  std::string hint;
  std::uint8_t align = 0;
  ColorRef fillColor = kColorWhite;
  std::int32_t fillStyle = kFillStyleSolid;
  ColorRef gradientColor = kColorBlack;
  std::int32_t parameter = 30;  // corner or cut size in pixels
  std::int32_t shape = 0;       // outline code, 0 "Rectangle"
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 105;
  std::int32_t borderWidth = 0;  // 0: no border around filled outlines
  ColorRef borderColor = kColorBlack;
  std::int32_t height = 105;

  friend bool operator==(const ShapeRecord&, const ShapeRecord&) = default;
};
void VisitFields(FieldVisitor& v, ShapeRecord& r);

}  // namespace plexara
