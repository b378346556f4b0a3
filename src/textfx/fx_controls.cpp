#include "textfx/fx_controls.h"

#include <algorithm>
#include <cmath>

#include "textfx/fx_crossfade.h"

namespace plexara {
namespace {

// Clears a flag however the scope ends (engine exceptions propagate out of paint).
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

void TCustomParam::Changed() { owner_.Changed(); }

TFxGraphicControl::TFxGraphicControl(const TFxControlEnv& env, int width, int height)
    : env_(env), fx_(*env.rasterizer), width_(width), height_(height) {
  fx_.SetQuality(TFxQuality::aqNormal);
  fx_.SetMetafileRenderer(env.renderMetafile);
}

void TFxGraphicControl::Changed() {
  if (loaded_ && autoUpdate_ && !loading_ && updateCount_ == 0) Reset();
}

void TFxGraphicControl::SetBounds(int width, int height) {
  const int requestedWidth = width, requestedHeight = height;
  Constrain(width, height);
  const bool changed = width != width_ || height != height_;
  width_ = width;
  height_ = height;
  if ((width != requestedWidth || height != requestedHeight) && host_)
    host_->SizeChanged(width, height);
  if (changed) Changed();
}

void TFxGraphicControl::ApplySize(int width, int height) {
  Constrain(width, height);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  if (host_) host_->SizeChanged(width, height);
}

void TFxGraphicControl::SetColor(ColorRef color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFxGraphicControl::SetFont(const FontData& font) {
  if (font == font_) return;
  font_ = font;
  Changed();
}

void TFxGraphicControl::SetQuality(TFxQuality quality) {
  if (quality == fx_.Quality()) return;
  fx_.SetQuality(quality);
  Changed();
}

void TFxGraphicControl::SetBorder(int border) {
  if (border == border_) return;
  border_ = border;
  Changed();
}

void TFxGraphicControl::SetAutoSize(bool autoSize) {
  if (autoSize == autoSize_) return;
  autoSize_ = autoSize;
  Changed();
}

void TFxGraphicControl::SetAlign(std::uint8_t align) {
  if (align == align_) return;
  align_ = align;
  Changed();
}

void TFxGraphicControl::Paint(TFxPictureCanvas& screen) {
  if (loading_) return;
  below_ = screen.Pixels();
  if (!loaded_) {
    loaded_ = true;
    LoadedStep();
  }
  if (painting_) return;
  FlagScope painting(painting_);
  DoPaint(screen);
}

void TFxGraphicControl::Bind(TFxPictureCanvas& canvas, const FontData& font) {
  canvas.SetFont(FxCanvasFont(font, env_.pixelsPerInch));
  canvas.SetBrushStyle(TFxBrushStyle::Clear);
  fx_.SetCanvas(&canvas);
}

void TFxGraphicControl::FillBackground(TFxPictureCanvas& picture, bool transparent, ColorRef color,
                                       const Picture& image, std::uint8_t mode) {
  const TFxRgb rgb = picture.ResolveColor(color);
  picture.Pixels().Fill(rgb);
  if (transparent) {
    picture.WritePixels(0, 0, below_);
    return;
  }
  if (image.empty()) return;
  // The background modes have the ordinals of the texture modes, and an icon stretched over the
  // rectangle goes onto a square of the control colour first, as a texture's goes onto its own.
  backBlend_.FillTexture(image, mode, picture.Width(), picture.Height(), rgb, rgb,
                         env_.renderMetafile);
  picture.WritePixels(0, 0, backBlend_.Foreground());
}

void TFxFontEffect::SetFontEffect(const TFxEffect& effect) {
  if (effect == owner().FxFont().Effect()) return;
  owner().FxFont().SetEffect(effect);
  Changed();
}

TFxLabel::TFxLabel(const TFxControlEnv& env)
    : TFxGraphicControl(env, 46, 12), effect_(*this), picture_(MakePicture()) {}

void TFxLabel::SetCaption(const std::string& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

TFxLabel::Placement TFxLabel::PlaceCaption(bool autoSize) {
  const TFxTextSize extent = FxFont().TextExtent(caption_);
  const int w = extent.cx, h = extent.cy, border = Border();
  if (autoSize && AutoSize()) {
    const std::uint8_t align = Align();
    int width = Width(), height = Height();
    if (align == kFxControlAlignNone || align == kFxControlAlignLeft ||
        align == kFxControlAlignRight)
      width = w + 2 * border;
    if (align == kFxControlAlignNone || align == kFxControlAlignTop ||
        align == kFxControlAlignBottom)
      height = h + 2 * border;
    ApplySize(width, height);
  }
  Placement at;
  switch (effect_.Alignment()) {
    case kFxAlignRight:
      at.x = Width() - border - w;
      break;
    case kFxAlignCentre:
      at.x = (Width() - w) / 2;
      break;
    default:
      at.x = border;
      break;
  }
  switch (effect_.Layout()) {
    case kFxLayoutCentre:
      at.y = (Height() - h) / 2;
      break;
    case kFxLayoutBottom:
      at.y = Height() - border - h;
      break;
    default:
      at.y = border;
      break;
  }
  return at;
}

void TFxLabel::RenderLabel(TFxPictureCanvas& into) {
  Bind(into, Font());
  const Placement at = PlaceCaption(true);
  into.SetSize(Width(), Height());
  FillBackground(into, effect_.Transparent(), Color(), effect_.BackGround(),
                 effect_.BackGroundMode());
  FxFont().TextOut(at.x, at.y, caption_);
}

void TFxLabel::Reset() {
  if (!effect_.Transparent()) RenderLabel(picture_);
  Invalidate();
}

void TFxLabel::DoPaint(TFxPictureCanvas& screen) {
  if (!effect_.Transparent()) {
    screen.WritePixels(0, 0, picture_.Pixels());
    return;
  }
  Bind(screen, Font());
  const Placement at = PlaceCaption(true);
  FxFont().TextOut(at.x, at.y, caption_);
}

TFxLinkLabel::TFxLinkLabel(const TFxControlEnv& env)
    : TFxLabel(env),
      hotLink_(*this),
      normal_(MakePicture()),
      hotPicture_(MakePicture()),
      display_(MakePicture()),
      fadeTimer_(Timers()) {
  fadeTimer_.SetEnabled(false);
  fadeTimer_.SetInterval(kFadeInterval);
  fadeTimer_.SetOnTimer([this] { FadeTick(); });
}

void TFxLinkLabel::RenderHot(TFxPictureCanvas& into) {
  FontData font = Font();
  font.color = hotLink_.Color();
  if (hotLink_.UnderLine()) font.style |= kFontUnderline;
  const TFxEffect normalEffect = FxFont().Effect();
  FxFont().SetEffect(hotLink_.FontEffect());
  struct RestoreEffect {
    TFxFontEx& fx;
    const TFxEffect& effect;
    ~RestoreEffect() { fx.SetEffect(effect); }
  } restore{FxFont(), normalEffect};

  Bind(into, font);
  Placement at = PlaceCaption(false);
  if (AutoSize() && Align() == kFxControlAlignNone) at = Placement{Border(), Border()};
  into.SetSize(Width(), Height());
  FillBackground(into, hotLink_.Transparent(), hotLink_.BackColor(), hotLink_.BackGround(),
                 hotLink_.BackGroundMode());
  FxFont().TextOut(at.x, at.y, Caption());
}

void TFxLinkLabel::RenderPictures() {
  RenderLabel(normal_);
  RenderHot(hotPicture_);
  CrossFade(normal_.Pixels(), hotPicture_.Pixels(), shown_, display_.Pixels());
}

void TFxLinkLabel::MouseEnter() {
  if (!Enabled()) return;
  hot_ = true;
  RenderPictures();
  if (hotLink_.Fade()) {
    fadeState_ = 1;
    fadeTimer_.SetEnabled(true);
  } else {
    ShowLevel(255);
  }
  Invalidate();
}

void TFxLinkLabel::MouseLeave() {
  if (!Enabled()) return;
  if (hotLink_.Fade()) {
    fadeState_ = 2;
    fadeTimer_.SetEnabled(true);
  } else {
    ShowLevel(0);
  }
  hot_ = false;
  Invalidate();
}

void TFxLinkLabel::StopFade() {
  fadeState_ = 0;
  fadeTimer_.SetEnabled(false);
}

void TFxLinkLabel::FadeTick() {
  if (fadeState_ == 0) return;
  if (std::abs(level_ - shown_) > 1) level_ = shown_;
  // A stored FadeDelay of 0 would divide by zero: it means no fade time, so one step does it. A
  // delay so long that a tick's share rounds to nothing still moves a level a tick, or the fade
  // would never end.
  const std::uint32_t delay = hotLink_.FadeDelay();
  const double step = delay == 0 ? 256.0 : static_cast<double>(std::max(1u, kFadeInterval * 255u / delay));
  if (fadeState_ == 1) {
    level_ += step;
    if (level_ > 255) {
      level_ = 255;
      StopFade();
    }
  } else {
    level_ -= step;
    if (level_ < 0) {
      level_ = 0;
      StopFade();
    }
  }
  ShowLevel(static_cast<int>(std::lround(level_)));
}

void TFxLinkLabel::ShowLevel(int level) {
  if (level == shown_) return;
  shown_ = static_cast<std::uint8_t>(std::clamp(level, 0, 255));
  CrossFade(normal_.Pixels(), hotPicture_.Pixels(), shown_, display_.Pixels());
  Invalidate();
}

void TFxLinkLabel::SetEnabled(bool enabled) {
  TFxLabel::SetEnabled(enabled);
  if (enabled) return;
  StopFade();
  hot_ = false;
  ShowLevel(0);
}

void TFxLinkLabel::Reset() {
  TFxLabel::Reset();
  if (hot_ || fadeState_ != 0) RenderPictures();
}

void TFxLinkLabel::DoPaint(TFxPictureCanvas& screen) {
  if (hot_ || fadeState_ != 0) {
    screen.WritePixels(0, 0, display_.Pixels());
    return;
  }
  TFxLabel::DoPaint(screen);
}

}  // namespace plexara
