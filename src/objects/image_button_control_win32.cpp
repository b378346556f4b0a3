#include "objects/image_button_control_win32.h"

#include "platform/picture_draw_win32.h"

namespace plexara {
namespace {

constexpr int kFaceCornerDiameter = 6;

void Line(HDC dc, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x1, y1, nullptr);
  LineTo(dc, x2, y2);
}

// The one-pixel 3-D frame of the Flat style: light top-left and dark bottom-right when raised,
// the other way round when sunken.
void FlatFrame(HDC dc, const RECT& rect, bool sunken) {
  RECT frame = rect;
  DrawEdge(dc, &frame, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
}

}  // namespace

void DrawPushButtonFace(HDC dc, const RECT& face, bool down) {
  if (face.right - face.left < 4 || face.bottom - face.top < 4) return;
  GdiObject<HPEN> outline(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW)));
  GdiObject<HPEN> light(CreatePen(PS_SOLID, 1, GetSysColor(down ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT)));
  GdiObject<HPEN> shadow(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW)));
  SavedDc saved(dc);  // gives the DC its own pen back before the pens above are deleted
  SelectObject(dc, outline.get());
  SelectObject(dc, GetSysColorBrush(COLOR_BTNFACE));
  RoundRect(dc, face.left, face.top, face.right, face.bottom, kFaceCornerDiameter, kFaceCornerDiameter);

  // The bevel inside the outline, kept clear of the rounded corners; pressed in, only the
  // shadow along the top and left remains.
  const int left = face.left + 1, top = face.top + 1, right = face.right - 2, bottom = face.bottom - 2;
  SelectObject(dc, light.get());
  Line(dc, left + 1, top, right, top);
  Line(dc, left, top + 1, left, bottom);
  if (!down) {
    SelectObject(dc, shadow.get());
    Line(dc, left + 1, bottom, right, bottom);
    Line(dc, right, top + 1, right, bottom);
  }
}

TAuImageButton::TAuImageButton(ObjectData& data) : PointerLookControl(data, {}) {}

const ImageButtonRecord& TAuImageButton::record() const {
  return std::get<ImageButtonRecord>(data().record);
}

void TAuImageButton::Frame(HDC dc, const RECT& face) const {
  switch (record().buttonStyle) {
    case kButtonStyleNormal:
      DrawPushButtonFace(dc, face, state().Down());
      break;
    case kButtonStyleFlat:
      if (state().Down()) {
        FlatFrame(dc, face, true);
      } else if (state().hover() || state().pressed()) {
        FlatFrame(dc, face, false);
      }
      break;
    default:  // BorderNone
      break;
  }
}

void TAuImageButton::Paint(HDC dc, int width, int height) {
  const ImageButtonRecord& r = record();
  const std::int32_t pictureLook =
      ImageButtonPictureLook(state(), !r.mouseDownImage.empty(), !r.mouseOverImage.empty());
  const Picture& picture = PictureOfLook(r, pictureLook);
  const std::int32_t fontLook = ImageButtonFontLook(state());
  const FontData& fontData = FontOfLook(r, fontLook);
  HFONT font = fonts_[fontLook].For(fontData);

  SavedDc saved(dc);
  if (font != nullptr) SelectObject(dc, font);
  SIZE text{};
  if (!r.caption.empty()) {
    GetTextExtentPoint32A(dc, r.caption.data(), static_cast<int>(r.caption.size()), &text);
  }

  Frame(dc, RECT{0, 0, width, height});

  ImageButtonMetrics metrics;
  metrics.width = width;
  metrics.height = height;
  metrics.margin = r.margin;
  metrics.space = r.space;
  metrics.layout = r.imageLayout;
  metrics.pictureWidth = picture.width();
  metrics.pictureHeight = picture.height();
  metrics.textWidth = text.cx;
  metrics.textHeight = text.cy;
  metrics.slide = SlideOffset(state(), r.mouseDownSlide);
  const ImageButtonPlacement placement = PlaceImageButton(metrics);

  PictureDrawOptions options;
  options.transparent = true;
  if (placement.drawPicture) {
    const RECT target{placement.picture.left, placement.picture.top, placement.picture.right,
                      placement.picture.bottom};
    if (placement.stretchPicture) {
      DrawPictureStretched(dc, picture, target, options);
    } else {
      DrawPicture(dc, picture, target.left, target.top, options);
    }
  }

  if (placement.drawCaption && !r.caption.empty()) {
    IntersectClipRect(dc, placement.clip.left, placement.clip.top, placement.clip.right,
                      placement.clip.bottom);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorOf(fontData.color));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    TextOutA(dc, placement.captionX, placement.captionY, r.caption.data(),
             static_cast<int>(r.caption.size()));
  }
}

void PointerLookControl::MouseDown(POINT local, POINT screen) {
  if (state_.Press()) LookChanged();
  ObjectControl::MouseDown(local, screen);
}

void PointerLookControl::MouseUp(POINT local, POINT screen) {
  if (state_.Release()) LookChanged();
  ObjectControl::MouseUp(local, screen);
}

void PointerLookControl::MouseMove(POINT local, bool leftButtonDown, POINT screen) {
  const ObjectBounds bounds = Bounds();
  if (state_.MoveTo(local.x, local.y, bounds.width, bounds.height)) LookChanged();
  ObjectControl::MouseMove(local, leftButtonDown, screen);
}

void PointerLookControl::MouseEnter() {
  if (state_.Enter()) LookChanged();
  ObjectControl::MouseEnter();
}

void PointerLookControl::MouseLeave() {
  if (state_.Leave()) LookChanged();
  ObjectControl::MouseLeave();
}

void PointerLookControl::ClearHover() {
  if (state_.Leave()) LookChanged();
}

void PointerLookControl::SetChecked(bool checked) {
  if (state_.SetChecked(checked)) LookChanged();
}

void TAuImageButton::MouseMove(POINT local, bool, POINT) {
  const ObjectBounds bounds = Bounds();
  if (mutableState().MoveTo(local.x, local.y, bounds.width, bounds.height)) LookChanged();
}

void TAuImageButton::Click() {
  if (mutableState().Release()) LookChanged();
  ObjectControl::Click();
}

}  // namespace plexara
