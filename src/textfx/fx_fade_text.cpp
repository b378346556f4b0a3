#include "textfx/fx_fade_text.h"

#include <algorithm>
#include <cmath>

#include "textfx/fx_crossfade.h"

namespace plexara {

TFadeTextParam::TFadeTextParam(TFxGraphicControl& owner, TFxTimer& lineTimer)
    : TCustomTextParam(owner), lineTimer_(lineTimer) {
  alignment_ = kFxAlignCentre;
  layout_ = kFxLayoutCentre;
}

void TFadeTextParam::SetFadeDelay(std::uint32_t value) {
  const long long ceiling = static_cast<long long>(LineDelay()) - kDelayGap;
  const long long clamped = std::max<long long>(std::min<long long>(value, ceiling), kMinFadeDelay);
  Set(fadeDelay_, static_cast<std::uint32_t>(clamped));
}

void TFadeTextParam::SetLineDelay(std::uint32_t value) {
  const long long floor = static_cast<long long>(fadeDelay_) + kDelayGap;
  const auto raised = static_cast<std::uint32_t>(std::max<long long>(value, floor));
  if (raised == lineTimer_.Interval()) return;
  lineTimer_.SetInterval(raised);
  Changed();
}

TFxFadeText::TFxFadeText(const TFxControlEnv& env, TUserLabelValues labelValues)
    : TFxCustomText(env, 240, 34, std::move(labelValues)),
      lineTimer_(Timers()),
      fadeTimer_(Timers()),
      text_(*this, lineTimer_),
      previous_(MakePicture()),
      next_(MakePicture()),
      display_(MakePicture()) {
  SetColor(kColorWhite);
  lineTimer_.SetEnabled(false);
  lineTimer_.SetInterval(3000);
  lineTimer_.SetOnTimer([this] { LineTick(); });
  fadeTimer_.SetEnabled(false);
  fadeTimer_.SetInterval(kFadeInterval);
  fadeTimer_.SetOnTimer([this] { FadeTick(); });
  state_ = StartState();
}

void TFxFadeText::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  lineTimer_.SetEnabled(active && Loaded());
  if (active && Loaded()) {
    passCounter_ = 0;
    LineTick();
  }
}

void TFxFadeText::RenderLine(const std::string& text, TFxPictureCanvas& into) {
  std::string line = text;
  PrepareLine(line, state_);
  UseState(into, state_);
  const TFxTextSize extent = FxFont().TextExtent(line);
  const int width = Width(), height = Height();
  int x = 0, y = 0;
  if (state_.alignment == kFxAlignRight) x = width - extent.cx;
  if (state_.alignment == kFxAlignCentre) x = (width - extent.cx) / 2;
  if (text_.Layout() == kFxLayoutCentre) y = (height - extent.cy) / 2;
  if (text_.Layout() == kFxLayoutBottom) y = height - extent.cy;
  into.SetSize(width, height);
  FillBackground(into, text_.Transparent(), Color(), text_.BackGround(), text_.BackGroundMode());
  FxFont().TextOut(x, y, line);
  EndLines();
}

void TFxFadeText::RenderBoth() {
  RenderLine(previousText_, previous_);
  RenderLine(currentText_, next_);
  if (shown_ == 0) {
    display_ = previous_;
  } else {
    CrossFade(previous_.Pixels(), next_.Pixels(), shown_, display_.Pixels());
  }
}

void TFxFadeText::ShowLine(const std::string& line) {
  display_.SetSize(Width(), Height());
  previous_ = display_;
  RenderLine(line, next_);
  previousText_ = currentText_;
  currentText_ = line;
  level_ = 0;
  shown_ = 0;
  fadeTimer_.SetEnabled(false);
  fadeTimer_.SetEnabled(true);
  if (lineTimer_.Enabled()) {
    // LineDelay counts from now.
    lineTimer_.SetEnabled(false);
    lineTimer_.SetEnabled(true);
  }
  Invalidate();
}

void TFxFadeText::FadeTick() {
  if (std::abs(level_ - shown_) > 1) level_ = shown_;
  // At least a level a tick: a delay so long that a tick's share rounds to nothing would otherwise
  // never bring the new line in.
  level_ += static_cast<double>(std::max(1u, kFadeInterval * 255u / text_.FadeDelay()));
  if (level_ > 255) {
    level_ = 255;
    fadeTimer_.SetEnabled(false);
  }
  const auto level = static_cast<std::uint8_t>(std::lround(level_));
  if (level == shown_) return;
  shown_ = level;
  Invalidate();
}

void TFxFadeText::LineTick() {
  const auto& lines = text_.Lines();
  if (lines.empty()) return;
  ++index_;
  if (index_ >= static_cast<int>(lines.size())) {
    ++passCounter_;
    if (repeatCount_ != 0 && passCounter_ >= repeatCount_) {
      active_ = false;
      lineTimer_.SetEnabled(false);
      passCounter_ = 0;
      index_ = -1;
      ShowLine("");
      if (OnComplete) OnComplete();
      return;
    }
    index_ = 0;
  }
  ShowLine(lines[static_cast<std::size_t>(index_)]);
}

void TFxFadeText::Reset() {
  if (!text_.Transparent()) RenderBoth();
  Invalidate();
}

void TFxFadeText::LoadedStep() {
  state_ = StartState();
  Reset();
  passCounter_ = 0;
  lineTimer_.SetEnabled(active_);
  if (active_) LineTick();
}

void TFxFadeText::DoPaint(TFxPictureCanvas& screen) {
  if (text_.Transparent()) {
    // What lies below may have changed since the pictures were made.
    RenderBoth();
  } else if (shown_ != 0) {
    CrossFade(previous_.Pixels(), next_.Pixels(), shown_, display_.Pixels());
  }
  screen.WritePixels(0, 0, display_.Pixels());
  if (OnPainted) OnPainted();
}

}  // namespace plexara
