// What an ImageButton or an Image shows for its pointer state, without the platform: the states
// both kinds share, which picture and font a state picks, the slide offset, and where an
// ImageButton puts its picture and caption in each layout. The Win32 controls
// (image_button_control_win32, image_control_win32) only draw what these decide.
#pragma once

#include <cstdint>

#include "storage/button_records.h"
#include "storage/font_data.h"
#include "storage/picture.h"

namespace plexara {

// Hover, pressed and checked of an ImageButton or Image. Every change reports whether the state
// really changed, so a control repaints (or chooses its picture) only when its look may differ.
class ButtonPointerState {
 public:
  ButtonPointerState() = default;
  ButtonPointerState(bool hover, bool pressed) : hover_(hover), pressed_(pressed) {}

  bool hover() const { return hover_; }
  bool pressed() const { return pressed_; }
  bool checked() const { return checked_; }
  // The pressed look: held under the pointer, or kept down by its check group.
  bool Down() const { return (pressed_ && hover_) || checked_; }

  // Left button down on the control.
  bool Press();
  // Left button up, and the click that comes before it: the click lets go first, so the action
  // runs with the button drawn up and the release that follows finds nothing left to do.
  bool Release();
  // The pointer moved to (x, y) relative to the control. Brings the hot look back when the
  // pointer returns over the control without a fresh enter notification, and takes it away when
  // a held press drags the pointer off.
  bool MoveTo(int x, int y, int width, int height);
  bool Enter();
  bool Leave();  // also what ClearHover does
  bool SetChecked(bool checked);

 private:
  bool hover_ = false;
  bool pressed_ = false;
  bool checked_ = false;
};

// The looks below are kShownLookNormal, kShownLookMouseOver or kShownLookMouseDown.
// The picture an ImageButton paints: the pressed one when down and it has one, the pointer-over
// one when hot and it has one, else the normal one.
std::int32_t ImageButtonPictureLook(const ButtonPointerState& state, bool hasMouseDownImage,
                                    bool hasMouseOverImage);
// The font of an ImageButton's caption: pressed when down, pointer-over when hot, else normal.
std::int32_t ImageButtonFontLook(const ButtonPointerState& state);
// The picture an Image shows. A disabled Image never looks hot, but a pressed one still looks
// pressed.
std::int32_t ImageLook(const ButtonPointerState& state, bool enabled, bool hasMouseDownImage,
                       bool hasMouseOverImage);

const Picture& PictureOfLook(const ImageButtonRecord& record, std::int32_t look);
const FontData& FontOfLook(const ImageButtonRecord& record, std::int32_t look);
const Picture& PictureOfLook(const ImageRecord& record, std::int32_t look);

// Picks the look for the state and, when it differs from record.shownLook, copies that picture
// into `shown` and records the look. Returns whether anything changed; an unchanged look copies
// nothing, so a picture loaded into `shown` stays until the look changes.
bool ChooseImagePicture(ImageRecord& record, const ButtonPointerState& state, bool enabled,
                        Picture& shown);

// How far picture and caption shift right and down while the button is down.
inline constexpr int kMouseDownSlide = 2;
int SlideOffset(const ButtonPointerState& state, bool mouseDownSlide);

struct LayoutRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const LayoutRect&, const LayoutRect&) = default;
};

// What PlaceImageButton needs: the control's size, the record's Margin, Space and ImageLayout,
// the chosen picture's size (0 × 0 for none), the caption's extent in the chosen font (0 × 0 for
// an empty caption) and the slide offset.
struct ImageButtonMetrics {
  int width = 0;
  int height = 0;
  std::int32_t margin = 2;
  std::int32_t space = 2;
  std::uint8_t layout = kImageLayoutLeft;
  int pictureWidth = 0;
  int pictureHeight = 0;
  int textWidth = 0;
  int textHeight = 0;
  int slide = 0;
};

struct ImageButtonPlacement {
  bool drawPicture = false;  // a picture is given and the layout places one
  bool stretchPicture = false;
  LayoutRect picture;        // where the picture goes, slide included (a stretched one never slides)
  bool drawCaption = false;  // the layout places a caption (an empty one draws nothing anyway)
  int captionX = 0;          // slide included
  int captionY = 0;
  LayoutRect clip;           // the caption never leaves the margin rectangle
  friend bool operator==(const ImageButtonPlacement&, const ImageButtonPlacement&) = default;
};

// Margin and Space come from page files as any 32-bit value: the sums are taken in 64 bits and
// the results kept within what GDI can address, so no value can overflow.
ImageButtonPlacement PlaceImageButton(const ImageButtonMetrics& metrics);

}  // namespace plexara
