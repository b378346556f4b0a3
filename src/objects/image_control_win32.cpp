#include "objects/image_control_win32.h"

#include <utility>

#include "platform/picture_draw_win32.h"

namespace plexara {
namespace {

// A record read from a page file brings the pointer state it was saved with.
ButtonPointerState SavedState(const ObjectData& data) {
  const ImageRecord& record = std::get<ImageRecord>(data.record);
  return ButtonPointerState(record.hover, record.pressed);
}

}  // namespace

TAuImage::TAuImage(ObjectData& data) : PointerLookControl(data, SavedState(data)) {
  record().shownLook = kShownLookNone;
  Choose();
}

ImageRecord& TAuImage::record() { return std::get<ImageRecord>(data().record); }

void TAuImage::Paint(HDC dc, int width, int height) {
  if (shown_.empty()) return;
  const ImageRecord& r = record();
  PictureDrawOptions options;
  options.transparent = r.transparent;
  if (r.stretch) {
    DrawPictureStretched(dc, shown_, RECT{0, 0, width, height}, options);
    return;
  }
  int x = 0, y = 0;
  if (r.center) {
    x = (width - shown_.width()) / 2;
    y = (height - shown_.height()) / 2;
  }
  DrawPicture(dc, shown_, x, y, options);
}

void TAuImage::LookChanged() {
  record().hover = state().hover();
  record().pressed = state().pressed();
  Choose();
}

void TAuImage::Choose() {
  if (!ChooseImagePicture(record(), state(), Enabled(), shown_)) return;
  FitToPicture();
  Repaint();
}

void TAuImage::FitToPicture() {
  if (!record().autoSize || shown_.empty()) return;
  ObjectBounds bounds = Bounds();
  if (bounds.width == shown_.width() && bounds.height == shown_.height()) return;
  Repaint();  // the rectangle it leaves
  bounds.width = shown_.width();
  bounds.height = shown_.height();
  SetBounds(data().record, bounds);
}

void TAuImage::ShowViewerPicture(const Picture& picture) {
  shown_ = picture;
  FitToPicture();
  Repaint();
}

void TAuImage::StateChanged() {
  Choose();
  ObjectControl::StateChanged();
}

Result<void> TAuImage::LoadPictureFile(const std::string& path) {
  PLEXARA_TRY_ASSIGN(picture, Picture::LoadFromFile(path));
  record().normalImage = picture;
  shown_ = std::move(picture);
  FitToPicture();
  Repaint();
  return Ok{};
}

void TAuImage::PicturesChanged() {
  record().shownLook = kShownLookNone;
  Choose();
}

}  // namespace plexara
