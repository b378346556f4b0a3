// Field list of the Shape record, in stream order.
#include "storage/shape_record.h"

namespace plexara {

void VisitFields(FieldVisitor& v, ShapeRecord& r) {
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.Enum("Align", r.align, kControlAlignNames);
  v.Color("FillColor", r.fillColor);
  v.Int32("FillStyle", r.fillStyle);
  v.Color("GradientColor", r.gradientColor);
  v.Int32("Parameter", r.parameter);
  v.Int32("Shape", r.shape);
  v.Int32("Left", r.left);
  v.Int32("Top", r.top);
  v.Int32("Width", r.width);
  std::int32_t marker = ShapeRecord::kMarker;
  v.Int32("marker", marker);
  if (v.reading() && v.ok() && marker >= 0) {
    // An older record: the value is its height, and it has no border.
    r.height = marker;
    r.borderWidth = 0;
    r.borderColor = kColorBlack;
    return;
  }
  v.Int32("BorderWidth", r.borderWidth);
  v.Color("BorderColor", r.borderColor);
  v.Int32("Height", r.height);
}

}  // namespace plexara
