#include "objects/simple_text_control_win32.h"

#include "objects/text_controls_win32.h"

namespace plexara {

TAuSimpleText::TAuSimpleText(ObjectData& data)
    : ObjectControl(data), font_(record().font), color_(record().backColor) {
  FitToText();
}

UINT TAuSimpleText::DrawFlags() const {
  UINT flags = DT_WORDBREAK | DT_NOPREFIX;
  switch (record().alignment) {
    case kAlignmentRight:
      flags |= DT_RIGHT;
      break;
    case kAlignmentCentre:
      flags |= DT_CENTER;
      break;
    default:
      flags |= DT_LEFT;
      break;
  }
  return flags;
}

void TAuSimpleText::Paint(HDC dc, int width, int height) {
  const SimpleTextRecord& r = record();
  RECT all{0, 0, width, height};
  if (!r.transparent) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(ColorOf(color_)));
    FillRect(dc, &all, brush.get());
  }
  SelectIn font(dc, fontCache_.For(font_));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorOf(font_.color));
  // Layout places the wrapped block: measured first, then moved down for centre and bottom.
  RECT text = all;
  DrawTextA(dc, r.caption.c_str(), static_cast<int>(r.caption.size()), &text,
            DrawFlags() | DT_CALCRECT);
  const int textHeight = text.bottom - text.top;
  int top = 0;
  if (r.layout == kLayoutCentre) top = (height - textHeight) / 2;
  if (r.layout == kLayoutBottom) top = height - textHeight;
  RECT place{0, top, width, top + textHeight};
  DrawTextA(dc, r.caption.c_str(), static_cast<int>(r.caption.size()), &place, DrawFlags());
}

void TAuSimpleText::FitToText() {
  const SimpleTextRecord& r = record();
  if (!r.autoSize) return;
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return;
  RECT text{0, 0, r.width, 0};
  {
    SelectIn font(screen, fontCache_.For(font_));
    DrawTextA(screen, r.caption.c_str(), static_cast<int>(r.caption.size()), &text,
              DrawFlags() | DT_CALCRECT);
  }
  ReleaseDC(nullptr, screen);
  ObjectBounds bounds = Bounds();
  if (bounds.height == text.bottom) return;
  Repaint();
  bounds.height = text.bottom;
  SetBounds(data().record, bounds);
}

void TAuSimpleText::Show(const FontData& font, ColorRef color) {
  if (font == font_ && color == color_) return;
  font_ = font;
  color_ = color;
  FitToText();
  Repaint();
}

void TAuSimpleText::LookPressed() {
  if (!checked_) Show(record().mouseDownFont, record().mouseDownBackColor);
}

void TAuSimpleText::LookReleased() {
  if (!checked_) Show(record().hotFont, record().hotBackColor);
}

void TAuSimpleText::LookEnter() {
  if (!checked_) Show(record().hotFont, record().hotBackColor);
}

void TAuSimpleText::LookLeave() {
  if (!checked_) Show(record().font, record().backColor);
}

void TAuSimpleText::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  if (checked) {
    Show(record().mouseDownFont, record().mouseDownBackColor);
  } else {
    Show(record().font, record().backColor);
  }
}

void TAuSimpleText::SetObjectText(const std::string& text) {
  if (text == record().caption) return;
  record().caption = text;
  FitToText();
  Repaint();
}

bool TAuSimpleText::LoadTextFile(const std::string& path) {
  std::string text;
  if (!ReadTextFile(path, text)) return false;
  SetObjectText(text);
  return true;
}

}  // namespace plexara
