// Field lists of the Button, ImageButton and Image records, in stream order.
#include "storage/button_records.h"

namespace plexara {
namespace {

constexpr std::string_view kButtonTypeNames[] = {"Normal", "OK", "Cancel", "Submit"};
constexpr std::string_view kButtonStyleNames[] = {"Normal", "Flat", "BorderNone"};
constexpr std::string_view kImageLayoutNames[] = {"Left", "Top", "Right", "Bottom", "Center", "Stretch"};

}  // namespace

void VisitFields(FieldVisitor& v, ButtonRecord& r) {
  v.Int16("cursor", r.cursor);
  v.String("Caption", r.caption);
  v.String("Hint", r.hint);
  v.Font("Font", r.font);
  v.Enum("ButtonType", r.buttonType, kButtonTypeNames);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

void VisitFields(FieldVisitor& v, ImageButtonRecord& r) {
  v.String("Caption", r.caption);
  v.Picture("MouseDownImage", r.mouseDownImage);
  v.Picture("NormalImage", r.normalImage);
  v.Picture("MouseOverImage", r.mouseOverImage);
  v.Font("MouseDownFont", r.mouseDownFont);
  v.Font("NormalFont", r.normalFont);
  v.Font("MouseOverFont", r.mouseOverFont);
  v.String("Hint", r.hint);
  v.Enum("ButtonStyle", r.buttonStyle, kButtonStyleNames);
  v.Int32("Margin", r.margin);
  v.Enum("ImageLayout", r.imageLayout, kImageLayoutNames);
  v.Int32("Space", r.space);
  v.Bool("MouseDownSlide", r.mouseDownSlide);
  v.Enum("ButtonType", r.buttonType, kButtonTypeNames);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

void VisitFields(FieldVisitor& v, ImageRecord& r) {
  v.Bool("AutoSize", r.autoSize);
  v.Bool("Center", r.center);
  v.Int32("Height", r.height);
  v.String("Hint", r.hint);
  v.Int32("Left", r.left);
  v.Bool("Stretch", r.stretch);
  v.Int32("Top", r.top);
  v.Bool("Transparent", r.transparent);
  v.Int32("Width", r.width);
  v.Bool("pressed", r.pressed);
  v.Bool("hover", r.hover);
  v.Int32("shown look", r.shownLook);
  if (v.reading()) r.shownLook = kShownLookNone;
  v.Picture("MouseDownImage", r.mouseDownImage);
  v.Picture("NormalImage", r.normalImage);
  v.Picture("MouseOverImage", r.mouseOverImage);
}

}  // namespace plexara
