// TFxScrollText: multi-line text that scrolls upward in a loop through a window of the control's
// size, with faded top and bottom edges. The text is rendered once into a tall text picture; a
// scroll timer moves the window's offset, a repeat timer pauses at the top of each pass, and after
// RepeatCount passes the control stops and says so.
#pragma once

#include <cstdint>
#include <functional>

#include "textfx/fx_text_controls.h"
#include "textfx/fx_timer.h"

namespace plexara {

class TScrollTextParam : public TCustomTextParam {
 public:
  explicit TScrollTextParam(TFxGraphicControl& owner);

  bool Fade() const { return fade_; }
  void SetFade(bool value) { Set(fade_, value); }
  int FadeHeight() const { return fadeHeight_; }
  void SetFadeHeight(int value) { Set(fadeHeight_, value); }
  int HeadSpace() const { return headSpace_; }  // percent of the control height, 0–150
  void SetHeadSpace(int value);
  int TailSpace() const { return tailSpace_; }  // likewise
  void SetTailSpace(int value);

 private:
  bool fade_ = true;
  int fadeHeight_ = 10;
  int headSpace_ = 0;
  int tailSpace_ = 60;
};

class TFxScrollText : public TFxCustomText {
 public:
  static constexpr int kMinSide = 20;
  // Text beyond this many picture rows is not drawn: far past any real scroll text, and it keeps a
  // damaged file from asking for a huge picture.
  static constexpr int kMaxPictureHeight = 32767;

  explicit TFxScrollText(const TFxControlEnv& env, TUserLabelValues labelValues = {});
  ~TFxScrollText() override;

  TScrollTextParam& Text() override { return text_; }
  const TScrollTextParam& Text() const override { return text_; }

  bool Active() const { return active_; }
  void SetActive(bool active);
  std::uint16_t ScrollDelay() const { return scrollDelay_; }  // ms; 0 never scrolls
  void SetScrollDelay(std::uint16_t delay);
  int ScrollStep() const { return scrollStep_; }  // pixels per tick; negative scrolls downward
  void SetScrollStep(int step) { scrollStep_ = step; }
  int RepeatCount() const { return repeatCount_; }  // 0 = endless
  void SetRepeatCount(int count) { repeatCount_ = count; }
  std::uint16_t RepeatDelay() const { return repeatDelay_; }  // ms paused at the top of a pass
  void SetRepeatDelay(std::uint16_t delay);
  // The smallest height the control takes (the page makes it the FadeHeight).
  void SetMinHeight(int height);

  std::function<void()> OnTextReady;
  std::function<void()> OnPainted;
  std::function<void()> OnComplete;

  // The timers' steps (public so tests can step them).
  void ScrollTick();
  void RepeatTick();

  int offset() const { return offset_; }
  int passCounter() const { return passCounter_; }
  const TFxRgbBuffer& textPicture() const { return picture_.Pixels(); }
  bool repeatPending() const { return repeatTimer_.Enabled(); }

 protected:
  void Reset() override;
  void DoPaint(TFxPictureCanvas& screen) override;
  void Constrain(int& width, int& height) const override;

 private:
  void BuildPicture();
  void SetOffset(int offset);

  TScrollTextParam text_;
  bool active_ = true;
  std::uint16_t scrollDelay_ = 60;
  int scrollStep_ = 1;
  int repeatCount_ = 0;
  std::uint16_t repeatDelay_ = 2000;
  int offset_ = 0;
  int passCounter_ = -1;
  int minHeight_ = 0;
  TFxPictureCanvas picture_;
  TFxRgbBuffer window_;
  TFxTimer scrollTimer_;
  TFxTimer repeatTimer_;
};

}  // namespace plexara
