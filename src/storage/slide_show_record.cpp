// Field lists of the SlideShow kind record and of TSlideSettings, in stored order.
#include "storage/slide_show_record.h"

namespace plexara {

void VisitFields(FieldVisitor& v, TSlideSettings& r) {
  v.Byte("reservedByte", r.reservedByte);
  v.Int32("Style", r.style);
  v.Int32("Step", r.step);
  v.Int32("StepDelay", r.stepDelay);
  v.Int32("Interval", r.interval);
  v.Int32("ImageStyle", r.imageStyle);
  v.Color("BackColor", r.backColor);
  v.String("fileName", r.fileName);
  v.String("reservedText", r.reservedText);
  v.Int32("reservedInteger", r.reservedInteger);
}

void VisitFields(FieldVisitor& v, SlideShowRecord& r) {
  v.Bool("Play", r.play);
  v.Bool("Loop", r.loop);
  v.Bool("ControlBar", r.controlBar);
  v.Bool("Border", r.border);
  v.Int32("reserved", r.reserved);
  v.Bool("fullScreen", r.fullScreen);
  v.String("WorkFolder", r.workFolder);
  v.String("hint", r.hint);
  v.Group("settings", [&] {
    // The nested settings fail with their own codes; a visit that does not report (JSON) stays
    // silent.
    const int code = v.reportCode() == 0 ? 0 : v.reading() ? TSlideSettings::kReadCode : TSlideSettings::kWriteCode;
    ScopedReportCode scoped(v, code);
    VisitFields(v, r.settings);
  });
  v.Int32("left", r.left);
  v.Int32("top", r.top);
  v.Int32("width", r.width);
  v.Int32("height", r.height);
}

}  // namespace plexara
