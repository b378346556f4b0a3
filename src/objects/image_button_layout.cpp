#include "objects/image_button_layout.h"

#include <algorithm>

namespace plexara {
namespace {

// GDI addresses 27-bit coordinates; anything beyond is off every screen anyway.
constexpr std::int64_t kCoordinateLimit = std::int64_t{1} << 27;

int Coordinate(std::int64_t value) {
  return static_cast<int>(std::clamp(value, -kCoordinateLimit, kCoordinateLimit));
}

bool Change(bool& flag, bool value) {
  if (flag == value) return false;
  flag = value;
  return true;
}

}  // namespace

bool ButtonPointerState::Press() { return Change(pressed_, true); }
bool ButtonPointerState::Release() { return Change(pressed_, false); }
bool ButtonPointerState::Enter() { return Change(hover_, true); }
bool ButtonPointerState::Leave() { return Change(hover_, false); }
bool ButtonPointerState::SetChecked(bool checked) { return Change(checked_, checked); }

bool ButtonPointerState::MoveTo(int x, int y, int width, int height) {
  // Only a point on the control counts; a point one row below it is already outside.
  const bool over = x >= 0 && y >= 0 && x < width && y < height;
  // A move off the control only reaches it while a press holds the pointer: dragged off, the
  // control looks normal; dragged back, it looks hot (and so down) again.
  return Change(hover_, over);
}

std::int32_t ImageButtonPictureLook(const ButtonPointerState& state, bool hasMouseDownImage,
                                    bool hasMouseOverImage) {
  if (state.Down() && hasMouseDownImage) return kShownLookMouseDown;
  if (state.hover() && hasMouseOverImage) return kShownLookMouseOver;
  return kShownLookNormal;
}

std::int32_t ImageButtonFontLook(const ButtonPointerState& state) {
  if (state.Down()) return kShownLookMouseDown;
  if (state.hover()) return kShownLookMouseOver;
  return kShownLookNormal;
}

std::int32_t ImageLook(const ButtonPointerState& state, bool enabled, bool hasMouseDownImage,
                       bool hasMouseOverImage) {
  if (state.Down() && hasMouseDownImage) return kShownLookMouseDown;
  if (state.hover() && hasMouseOverImage && enabled) return kShownLookMouseOver;
  return kShownLookNormal;
}

const Picture& PictureOfLook(const ImageButtonRecord& record, std::int32_t look) {
  if (look == kShownLookMouseDown) return record.mouseDownImage;
  if (look == kShownLookMouseOver) return record.mouseOverImage;
  return record.normalImage;
}

const FontData& FontOfLook(const ImageButtonRecord& record, std::int32_t look) {
  if (look == kShownLookMouseDown) return record.mouseDownFont;
  if (look == kShownLookMouseOver) return record.mouseOverFont;
  return record.normalFont;
}

const Picture& PictureOfLook(const ImageRecord& record, std::int32_t look) {
  if (look == kShownLookMouseDown) return record.mouseDownImage;
  if (look == kShownLookMouseOver) return record.mouseOverImage;
  return record.normalImage;
}

bool ChooseImagePicture(ImageRecord& record, const ButtonPointerState& state, bool enabled,
                        Picture& shown) {
  const std::int32_t look =
      ImageLook(state, enabled, !record.mouseDownImage.empty(), !record.mouseOverImage.empty());
  if (look == record.shownLook) return false;
  record.shownLook = look;
  shown = PictureOfLook(record, look);
  return true;
}

int SlideOffset(const ButtonPointerState& state, bool mouseDownSlide) {
  return state.Down() && mouseDownSlide ? kMouseDownSlide : 0;
}

ImageButtonPlacement PlaceImageButton(const ImageButtonMetrics& metrics) {
  ImageButtonPlacement placement;
  const std::int64_t w = metrics.width, h = metrics.height;
  const std::int64_t m = metrics.margin, s = metrics.space;
  const std::int64_t tw = metrics.textWidth, th = metrics.textHeight;
  const bool hasPicture = metrics.pictureWidth > 0 && metrics.pictureHeight > 0;
  const std::int64_t iw = hasPicture ? metrics.pictureWidth : 0;
  const std::int64_t ih = hasPicture ? metrics.pictureHeight : 0;
  placement.clip = {Coordinate(m), Coordinate(m), Coordinate(w - m), Coordinate(h - m)};
  if (metrics.layout > kImageLayoutStretch) return placement;  // the frame only

  std::int64_t pictureX = 0, pictureY = 0, captionX = 0, captionY = 0;
  switch (metrics.layout) {
    case kImageLayoutLeft:
      pictureX = m;
      pictureY = (h - ih) / 2;
      captionX = hasPicture ? m + iw + m + s : m + s;
      if (captionX + tw > w - m) captionX = w - m - tw;
      captionY = (h - th) / 2;
      break;
    case kImageLayoutTop:
      pictureX = (w - iw) / 2;
      pictureY = m;
      captionX = (w - tw) / 2;
      captionY = hasPicture ? m + ih + m + s : m + s;
      if (captionY + th > h - m) captionY = h - m - th;
      break;
    case kImageLayoutRight:
      pictureX = w - m - iw;
      pictureY = (h - ih) / 2;
      captionX = std::max(hasPicture ? pictureX - tw - s : w - m - s - tw, m);
      captionY = (h - th) / 2;
      break;
    case kImageLayoutBottom:
      pictureX = (w - iw) / 2;
      pictureY = h - m - ih;
      captionX = (w - tw) / 2;
      captionY = std::max(hasPicture ? pictureY - s - th : h - m - s - th, m);
      break;
    default:  // Center and Stretch share the caption's place
      pictureX = (w - iw) / 2;
      pictureY = (h - ih) / 2;
      captionX = (w - tw) / 2;
      captionY = (h - th) / 2 + s;
      break;
  }

  const std::int64_t slide = metrics.slide;
  placement.drawPicture = hasPicture;
  if (metrics.layout == kImageLayoutStretch) {
    placement.stretchPicture = true;
    placement.picture = placement.clip;
  } else {
    placement.picture = {Coordinate(pictureX + slide), Coordinate(pictureY + slide),
                         Coordinate(pictureX + slide + iw), Coordinate(pictureY + slide + ih)};
  }
  placement.drawCaption = true;
  placement.captionX = Coordinate(captionX + slide);
  placement.captionY = Coordinate(captionY + slide);
  return placement;
}

}  // namespace plexara
