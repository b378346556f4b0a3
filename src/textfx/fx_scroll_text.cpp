#include "textfx/fx_scroll_text.h"

#include <algorithm>

#include "textfx/fx_crossfade.h"

namespace plexara {

TScrollTextParam::TScrollTextParam(TFxGraphicControl& owner) : TCustomTextParam(owner) {
  alignment_ = kFxAlignCentre;
  backGroundMode_ = bmTiled;
}

void TScrollTextParam::SetHeadSpace(int value) { Set(headSpace_, std::clamp(value, 0, 150)); }

void TScrollTextParam::SetTailSpace(int value) { Set(tailSpace_, std::clamp(value, 0, 150)); }

TFxScrollText::TFxScrollText(const TFxControlEnv& env, TUserLabelValues labelValues)
    : TFxCustomText(env, 240, 280, std::move(labelValues)),
      text_(*this),
      picture_(MakePicture()),
      scrollTimer_(Timers()),
      repeatTimer_(Timers()) {
  SetColor(kColorWhite);
  scrollTimer_.SetInterval(scrollDelay_);
  scrollTimer_.SetOnTimer([this] { ScrollTick(); });
  repeatTimer_.SetEnabled(false);
  repeatTimer_.SetInterval(repeatDelay_);
  repeatTimer_.SetOnTimer([this] { RepeatTick(); });
}

TFxScrollText::~TFxScrollText() { SetActive(false); }

void TFxScrollText::SetActive(bool active) {
  active_ = active;
  scrollTimer_.SetEnabled(active);
  if (!active) repeatTimer_.SetEnabled(false);
}

void TFxScrollText::SetScrollDelay(std::uint16_t delay) {
  scrollDelay_ = delay;
  scrollTimer_.SetInterval(delay);
}

void TFxScrollText::SetRepeatDelay(std::uint16_t delay) {
  repeatDelay_ = delay;
  repeatTimer_.SetInterval(delay);
}

void TFxScrollText::SetMinHeight(int height) {
  minHeight_ = height;
  SetBounds(Width(), Height());
}

void TFxScrollText::Constrain(int& width, int& height) const {
  width = std::max(width, kMinSide);
  height = std::max({height, kMinSide, minHeight_});
}

void TFxScrollText::BuildPicture() {
  const int width = Width(), height = Height();
  const int pitch = text_.RowPitch();
  const long long head = (text_.Fade() ? text_.FadeHeight() : 0) +
                         static_cast<long long>(height) * text_.HeadSpace() / 100;

  // First pass: the height only.
  long long total = head;
  TFxTagState state = StartState();
  for (const std::string& source : text_.Lines()) {
    std::string line = source;
    PrepareLine(line, state);
    UseState(picture_, state);
    const int h = FxFont().TextHeight(line + " ");
    total += static_cast<long long>(RowsOf(line, width, text_.WordWrap()).size()) *
             FxRowAdvance(h, pitch);
    if (total > kMaxPictureHeight) break;
  }
  total += static_cast<long long>(height) * text_.TailSpace() / 100;
  total = std::clamp<long long>(total, height, std::max(height, kMaxPictureHeight));

  picture_.SetSize(width, static_cast<int>(total));
  FillBackground(picture_, false, Color(), text_.BackGround(), text_.BackGroundMode());

  // Second pass: the rows, without Border.
  long long y = head;
  state = StartState();
  for (const std::string& source : text_.Lines()) {
    if (y > total) break;
    std::string line = source;
    PrepareLine(line, state);
    UseState(picture_, state);
    const int advance = FxRowAdvance(FxFont().TextHeight(line + " "), pitch);
    for (const std::string& row : RowsOf(line, width, text_.WordWrap())) {
      const int w = FxFont().TextWidth(row);
      int x = 0;
      if (state.alignment == kFxAlignRight) x = width - w;
      if (state.alignment == kFxAlignCentre) x = (width - w) / 2;
      FxFont().TextOut(x, static_cast<int>(y), row);
      y += advance;
    }
  }
  EndLines();
  if (OnTextReady) OnTextReady();
}

void TFxScrollText::Reset() {
  const bool wasActive = active_;
  SetActive(false);
  passCounter_ = -1;
  BuildPicture();
  offset_ = 0;
  Invalidate();
  SetActive(wasActive);
}

void TFxScrollText::SetOffset(int offset) {
  if (offset == offset_) return;
  offset_ = offset;
  Invalidate();
}

void TFxScrollText::ScrollTick() {
  const int pictureHeight = picture_.Height();
  if (pictureHeight <= 0) return;
  if (offset_ == 0) {
    ++passCounter_;
    if (repeatCount_ != 0 && passCounter_ >= repeatCount_) {
      SetActive(false);
      passCounter_ = -1;
      if (OnComplete) OnComplete();
      return;
    }
    if (repeatDelay_ != 0) {
      scrollTimer_.SetEnabled(false);
      repeatTimer_.SetEnabled(true);
      return;
    }
  }
  if (scrollStep_ >= 0) {
    SetOffset(offset_ + scrollStep_ >= pictureHeight ? 0 : offset_ + scrollStep_);
  } else if (offset_ == 0) {
    // Downward scrolling starts each pass by going through the picture's end to its bottom;
    // otherwise a pass without a pause could never leave row 0.
    SetOffset(((scrollStep_ % pictureHeight) + pictureHeight) % pictureHeight);
  } else {
    SetOffset(std::max(0, offset_ + scrollStep_));
  }
}

void TFxScrollText::RepeatTick() {
  repeatTimer_.SetEnabled(false);
  const int pictureHeight = picture_.Height();
  if (pictureHeight > 0) {
    const long long moved = static_cast<long long>(offset_) + scrollStep_;
    SetOffset(static_cast<int>(((moved % pictureHeight) + pictureHeight) % pictureHeight));
  }
  if (active_) scrollTimer_.SetEnabled(true);
}

void TFxScrollText::DoPaint(TFxPictureCanvas& screen) {
  window_.SetSize(Width(), Height());
  window_.Fill(Resolve(Color()));
  CopyScrollWindow(picture_.Pixels(), offset_, window_);
  if (text_.Fade()) FadeScrollEdges(window_, text_.FadeHeight(), Resolve(Color()));
  screen.WritePixels(0, 0, window_);
  if (OnPainted) OnPainted();
}

}  // namespace plexara
