// TFxFadeText: one line at a time, each new line cross-fading in over the one before. A line timer
// (LineDelay) moves to the next line; a 25 ms fade timer raises the fade level; after RepeatCount
// passes through the lines the control fades to an empty line and stops.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "textfx/fx_text_controls.h"
#include "textfx/fx_timer.h"

namespace plexara {

class TFadeTextParam : public TCustomTextParam {
 public:
  static constexpr std::uint32_t kMinFadeDelay = 50;
  static constexpr std::uint32_t kDelayGap =
      200;  // a fade always ends this long before the next line

  // LineDelay is the interval of the control's line timer.
  TFadeTextParam(TFxGraphicControl& owner, TFxTimer& lineTimer);

  std::uint32_t FadeDelay() const { return fadeDelay_; }
  // Clamped to at most LineDelay − 200 and at least 50.
  void SetFadeDelay(std::uint32_t value);
  std::uint32_t LineDelay() const { return lineTimer_.Interval(); }
  // Raised to at least FadeDelay + 200.
  void SetLineDelay(std::uint32_t value);

 private:
  TFxTimer& lineTimer_;
  std::uint32_t fadeDelay_ = 600;
};

class TFxFadeText : public TFxCustomText {
 public:
  static constexpr std::uint32_t kFadeInterval = 25;  // ms

  explicit TFxFadeText(const TFxControlEnv& env, TUserLabelValues labelValues = {});

  TFadeTextParam& Text() override { return text_; }
  const TFadeTextParam& Text() const override { return text_; }

  bool Active() const { return active_; }
  // Switching on (once loaded) resets the pass counter and shows the next line at once.
  void SetActive(bool active);
  int RepeatCount() const { return repeatCount_; }  // 0 = endless
  void SetRepeatCount(int count) { repeatCount_ = count; }

  std::function<void()> OnPainted;
  std::function<void()> OnComplete;

  // The timers' steps (public so tests can step them).
  void FadeTick();
  void LineTick();

  int lineIndex() const { return index_; }
  int passCounter() const { return passCounter_; }
  const std::string& currentText() const { return currentText_; }
  const std::string& previousText() const { return previousText_; }
  int shownLevel() const { return shown_; }
  bool fading() const { return fadeTimer_.Enabled(); }

 protected:
  void Reset() override;
  void LoadedStep() override;
  void DoPaint(TFxPictureCanvas& screen) override;

 private:
  void ShowLine(const std::string& line);
  // Renders one line into a picture of the client size with the carried tag state.
  void RenderLine(const std::string& text, TFxPictureCanvas& into);
  void RenderBoth();

  TFxTimer lineTimer_;
  TFxTimer fadeTimer_;
  TFadeTextParam text_;
  bool active_ = true;
  int repeatCount_ = 0;
  int index_ = -1;
  int passCounter_ = 0;
  std::string previousText_;
  std::string currentText_;
  double level_ = 0;
  std::uint8_t shown_ = 0;
  TFxTagState state_;
  TFxPictureCanvas previous_;
  TFxPictureCanvas next_;
  TFxPictureCanvas display_;
};

}  // namespace plexara
