// Shape record: its byte layout, older records without a border, and the state of a new shape.
#include "storage/shape_record.h"

#include <gtest/gtest.h>

#include "storage/binary_fields.h"
#include "storage/primitives.h"
#include "support/stream_helpers.h"

namespace plexara {
namespace {

using testing_support::BytesOf;
using testing_support::Encode;
using Bytes = testing_support::Bytes;

ShapeRecord DistinctShape() {
  ShapeRecord r;
  r.cursor = -2;
  r.hint = "h";
  r.align = 5;
  r.fillColor = 0x010203;
  r.fillStyle = 1001;
  r.gradientColor = 4;
  r.parameter = 5;
  r.shape = 6;
  r.left = 7;
  r.top = 8;
  r.width = 9;
  r.borderWidth = 10;
  r.borderColor = 11;
  r.height = 12;
  return r;
}

// Fields 1-11, the same in both layouts.
const Bytes kHead = BytesOf({0xFE, 0xFF, 1, 0, 0, 0, 'h', 5, 3, 2, 1, 0, 0xE9, 3, 0, 0, 4, 0, 0, 0, 5, 0, 0, 0,
                             6, 0, 0, 0, 7, 0, 0, 0, 8, 0, 0, 0, 9, 0, 0, 0});

Bytes Cat(const Bytes& a, std::initializer_list<int> b) {
  Bytes all = a;
  const Bytes tail = BytesOf(b);
  all.insert(all.end(), tail.begin(), tail.end());
  return all;
}

ShapeRecord Read(const Bytes& bytes) {
  MemoryInStream in(bytes);
  ShapeRecord back = DistinctShape();
  EXPECT_TRUE(ReadRecord(in, back, ShapeRecord::kReadCode));
  EXPECT_EQ(in.Remaining(), 0u);
  return back;
}

TEST(ShapeRecords, LayoutWithMarkerByteForByte) {
  const Bytes bytes = Encode([](OutStream& o) { WriteRecord(o, DistinctShape(), ShapeRecord::kWriteCode); });
  EXPECT_EQ(bytes, Cat(kHead, {0xFF, 0xFF, 0xFF, 0xFF, 10, 0, 0, 0, 11, 0, 0, 0, 12, 0, 0, 0}));
}

TEST(ShapeRecords, OlderRecordsHaveTheHeightWhereTheMarkerStands) {
  // A height of 80 in place of the marker: no border, and nothing more to read.
  const ShapeRecord older = Read(Cat(kHead, {80, 0, 0, 0}));
  EXPECT_EQ(older.height, 80);
  EXPECT_EQ(older.borderWidth, 0);
  EXPECT_EQ(older.borderColor, kColorBlack);
  EXPECT_EQ(older.width, 9);
  // A height of 0 is still a height; any negative value announces the border fields.
  EXPECT_EQ(Read(Cat(kHead, {0, 0, 0, 0})).height, 0);
  const ShapeRecord marked = Read(Cat(kHead, {0xF9, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0, 4, 0, 0, 0, 50, 0, 0, 0}));
  EXPECT_EQ(marked.borderWidth, 3);
  EXPECT_EQ(marked.borderColor, 4);
  EXPECT_EQ(marked.height, 50);
}

TEST(ShapeRecords, NewShapeIsAWhiteBorderlessSolidRectangle) {
  const ShapeRecord shape;
  EXPECT_EQ(shape.shape, 0);
  EXPECT_EQ(shape.fillStyle, kFillStyleSolid);
  EXPECT_EQ(shape.fillColor, kColorWhite);
  EXPECT_EQ(shape.gradientColor, kColorBlack);
  EXPECT_EQ(shape.borderWidth, 0);
  EXPECT_EQ(shape.parameter, 30);
  EXPECT_EQ(shape.width, 105);
  EXPECT_EQ(shape.height, 105);
}

}  // namespace
}  // namespace plexara
