// TAuImageButton, the ImageButton kind on a page: a drawn control that paints a frame, one of its
// three pictures and its caption in one of its three fonts, following hover, pressed and checked.
// The record (pictures, fonts, style, layout) is read at every paint, so an edit of the object's
// record shows at the next repaint; the control itself keeps only the pointer states and fonts.
// Also the base both ImageButton and Image build their pointer states on.
#pragma once

#include "objects/image_button_layout.h"
#include "objects/object_control_win32.h"
#include "platform/gdi_objects_win32.h"

namespace plexara {

// A drawn control whose look follows hover, pressed and checked. Each pointer entry point changes
// the state first, calls LookChanged when the state really changed, and then reports to the page.
class PointerLookControl : public ObjectControl {
 public:
  void MouseDown(POINT local, POINT screen) override;
  void MouseUp(POINT local, POINT screen) override;
  void MouseMove(POINT local, bool leftButtonDown, POINT screen) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void ClearHover() override;
  void SetChecked(bool checked) override;

  const ButtonPointerState& state() const { return state_; }

 protected:
  PointerLookControl(ObjectData& data, ButtonPointerState initial)
      : ObjectControl(data), state_(initial) {}
  virtual void LookChanged() = 0;
  ButtonPointerState& mutableState() { return state_; }

 private:
  ButtonPointerState state_;
};

class TAuImageButton final : public PointerLookControl {
 public:
  // `data` holds an ImageButtonRecord.
  explicit TAuImageButton(ObjectData& data);

  void Paint(HDC dc, int width, int height) override;
  // Pointer moves change the hot look only; ImageButtons do not report them to the page.
  void MouseMove(POINT local, bool leftButtonDown, POINT screen) override;
  // Lets go before the page hears of the click, so the action runs with the button drawn up.
  void Click() override;

 private:
  const ImageButtonRecord& record() const;
  void LookChanged() override { Repaint(); }
  void Frame(HDC dc, const RECT& face) const;

  FontCache fonts_[3];  // by look: normal, pointer-over, pressed
};

// The raised, rounded push-button face, pressed in when `down`. Only the rounded face is painted,
// so what lies outside its corners shows through.
void DrawPushButtonFace(HDC dc, const RECT& face, bool down);

}  // namespace plexara
