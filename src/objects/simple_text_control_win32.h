// TAuSimpleText, the SimpleText kind on a page: a drawn plain label (GDI text, word-wrapped,
// aligned by Alignment and Layout, on its colour unless transparent) with three looks the page
// switches — normal, hot under the pointer, pressed — and a checked state that keeps the pressed
// look and ignores the pointer.
#pragma once

#include <string>

#include "objects/object_control_win32.h"
#include "platform/gdi_objects_win32.h"
#include "storage/text_records.h"

namespace plexara {

class TAuSimpleText final : public ObjectControl {
 public:
  explicit TAuSimpleText(ObjectData& data);

  void Paint(HDC dc, int width, int height) override;

  // The looks, called by the page's pointer handlers; none does anything while checked.
  void LookPressed();   // MouseDownFont on MouseDownBackColor
  void LookReleased();  // HotFont on HotBackColor
  void LookEnter();     // HotFont on HotBackColor
  void LookLeave();     // the normal Font on BackColor
  // Another object was entered: back to the normal look.
  void ClearHover() override { LookLeave(); }
  // On: the pressed look; off: the normal look.
  void SetChecked(bool checked) override;

  std::string ObjectText() const override { return record().caption; }
  void SetObjectText(const std::string& text) override;
  // The caption becomes the whole text of the file.
  bool LoadTextFile(const std::string& path) override;

  const FontData& drawnFont() const { return font_; }
  ColorRef drawnColor() const { return color_; }
  bool checked() const { return checked_; }

 private:
  const SimpleTextRecord& record() const { return std::get<SimpleTextRecord>(data().record); }
  SimpleTextRecord& record() { return std::get<SimpleTextRecord>(data().record); }
  void Show(const FontData& font, ColorRef color);
  // With AutoSize the height follows the wrapped caption.
  void FitToText();
  UINT DrawFlags() const;

  FontData font_;
  ColorRef color_;
  bool checked_ = false;
  FontCache fontCache_;
};

}  // namespace plexara
