// FxControls, the base of the anti-aliased text controls: a painted control without a window of
// its own that draws through one TFxFontEx. The control renders into pictures of its client size
// (24-bit buffers in memory) and paints onto a canvas its host hands it, which already holds what
// lies below the control; so a Transparent control draws straight over it, and keeps a copy of it
// for the pictures it renders between paints. The host (a page object on Windows, a test natively)
// repaints on request and learns about sizes the control gives itself.
//
// Also here: the parameter objects shared by the controls (TCustomParam), the one-line TFxLabel
// and the TFxLinkLabel with its hot look that fades in under the pointer.
#pragma once

#include <cstdint>
#include <string>

#include "storage/font_data.h"
#include "storage/picture.h"
#include "textfx/fx_blend.h"
#include "textfx/fx_canvas.h"
#include "textfx/fx_font.h"
#include "textfx/fx_timer.h"
#include "textfx/glyph_rasterizer.h"

namespace plexara {

// Stored ordinals of the control enumerations.
enum : std::uint8_t { kFxAlignLeft = 0, kFxAlignRight = 1, kFxAlignCentre = 2 };
enum : std::uint8_t { kFxLayoutTop = 0, kFxLayoutCentre = 1, kFxLayoutBottom = 2 };
enum : std::uint8_t { bmTiled = 0, bmStretched = 1, bmCenter = 2, bmNormal = 3 };
enum : std::uint8_t {
  kFxControlAlignNone = 0,
  kFxControlAlignTop = 1,
  kFxControlAlignBottom = 2,
  kFxControlAlignLeft = 3,
  kFxControlAlignRight = 4,
  kFxControlAlignClient = 5
};

// Plain red, green and blue for a stored colour; the Win32 side resolves system colours with the
// system's own values.
using TFxColorResolver = TFxRgb (*)(ColorRef color);

// A picture of the control: 24-bit pixels in memory with the canvas state the engine needs.
class TFxPictureCanvas final : public TFxCanvas {
 public:
  explicit TFxPictureCanvas(TFxColorResolver resolve = nullptr) : resolve_(resolve) {}

  TFxRgbBuffer& Pixels() { return inner_.Pixels(); }
  const TFxRgbBuffer& Pixels() const { return inner_.Pixels(); }
  int Width() const { return inner_.Width(); }
  int Height() const { return inner_.Height(); }
  void SetSize(int width, int height) { inner_.Pixels().SetSize(width, height); }

  const TFxCanvasFont& Font() const override { return inner_.Font(); }
  void SetFont(const TFxCanvasFont& font) override { inner_.SetFont(font); }
  TFxBrushStyle BrushStyle() const override { return inner_.BrushStyle(); }
  void SetBrushStyle(TFxBrushStyle style) override { inner_.SetBrushStyle(style); }
  ColorRef BrushColor() const override { return inner_.BrushColor(); }
  TFxRgb ResolveColor(ColorRef color) const override {
    return resolve_ != nullptr ? resolve_(color) : TFxCanvas::ResolveColor(color);
  }
  void ReadPixels(int x, int y, TFxRgbBuffer& into) const override {
    inner_.ReadPixels(x, y, into);
  }
  void WritePixels(int x, int y, const TFxRgbBuffer& from) override {
    inner_.WritePixels(x, y, from);
  }

 private:
  TFxMemoryCanvas inner_;
  TFxColorResolver resolve_;
};

// What a control needs from the one that shows it.
class TFxControlHost {
 public:
  virtual ~TFxControlHost() = default;
  // The control's look changed: paint it again soon.
  virtual void Invalidate() = 0;
  // The control gave itself another client size (AutoSize, minimum sizes).
  virtual void SizeChanged(int width, int height) = 0;
};

// What every control is made with.
struct TFxControlEnv {
  GlyphRasterizer* rasterizer = nullptr;
  TFxTimerService* timers = nullptr;  // null: the shared service
  TFxColorResolver resolveColor = nullptr;
  TFxMetafileRenderer renderMetafile = nullptr;
  int pixelsPerInch = 96;
};

class TFxGraphicControl;

// TCustomParam: the look every control shares, owned by the control and telling it of changes.
class TCustomParam {
 public:
  explicit TCustomParam(TFxGraphicControl& owner) : owner_(owner) {}
  TCustomParam(const TCustomParam&) = delete;
  TCustomParam& operator=(const TCustomParam&) = delete;
  virtual ~TCustomParam() = default;

  std::uint8_t Alignment() const { return alignment_; }
  void SetAlignment(std::uint8_t value) { Set(alignment_, value); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value) { Set(wordWrap_, value); }
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value) { Set(transparent_, value); }
  std::uint8_t Layout() const { return layout_; }
  void SetLayout(std::uint8_t value) { Set(layout_, value); }
  const Picture& BackGround() const { return backGround_; }
  void SetBackGround(const Picture& value) { Set(backGround_, value); }
  std::uint8_t BackGroundMode() const { return backGroundMode_; }
  void SetBackGroundMode(std::uint8_t value) { Set(backGroundMode_, value); }

 protected:
  template <typename T>
  void Set(T& field, const T& value) {
    if (field == value) return;
    field = value;
    Changed();
  }
  void Changed();
  TFxGraphicControl& owner() { return owner_; }
  const TFxGraphicControl& owner() const { return owner_; }

  std::uint8_t alignment_ = kFxAlignLeft;
  bool wordWrap_ = false;
  bool transparent_ = false;
  std::uint8_t layout_ = kFxLayoutTop;
  Picture backGround_;
  std::uint8_t backGroundMode_ = bmCenter;

 private:
  TFxGraphicControl& owner_;
};

class TFxGraphicControl {
 public:
  TFxGraphicControl(const TFxControlEnv& env, int width, int height);
  virtual ~TFxGraphicControl() = default;
  TFxGraphicControl(const TFxGraphicControl&) = delete;
  TFxGraphicControl& operator=(const TFxGraphicControl&) = delete;

  void SetHost(TFxControlHost* host) { host_ = host; }

  int Width() const { return width_; }
  int Height() const { return height_; }
  // A resize that changes the size re-renders; sizes below the control's minimum are raised (and
  // the host told).
  void SetBounds(int width, int height);
  ColorRef Color() const { return color_; }
  void SetColor(ColorRef color);
  const FontData& Font() const { return font_; }
  void SetFont(const FontData& font);
  TFxQuality Quality() const { return fx_.Quality(); }
  void SetQuality(TFxQuality quality);
  int Border() const { return border_; }
  void SetBorder(int border);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);
  std::uint8_t Align() const { return align_; }
  void SetAlign(std::uint8_t align);
  bool AutoUpdate() const { return autoUpdate_; }
  void SetAutoUpdate(bool autoUpdate) { autoUpdate_ = autoUpdate; }
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Loaded() const { return loaded_; }

  // Update bracket: while open, changes do not re-render; closing it forces nothing.
  void BeginUpdate() { ++updateCount_; }
  void EndUpdate() {
    if (updateCount_ > 0) --updateCount_;
  }
  // Loading bracket, around applying a stored record: changes do not re-render.
  void BeginLoading() { loading_ = true; }
  void EndLoading() { loading_ = false; }

  // Re-renders when loaded, AutoUpdate is on and no bracket is open.
  void Changed();

  // Paints onto `screen` (the client size, holding what lies below the control). The first paint
  // loads the control; a paint while painting is ignored.
  void Paint(TFxPictureCanvas& screen);

  TFxFontEx& FxFont() { return fx_; }
  const TFxFontEx& FxFont() const { return fx_; }

 protected:
  // Renders the off-screen pictures; the base only asks for a paint.
  virtual void Reset() { Invalidate(); }
  // Runs once, at the first paint.
  virtual void LoadedStep() { Reset(); }
  virtual void DoPaint(TFxPictureCanvas& screen) = 0;
  // Raises a requested size to the control's minimum.
  virtual void Constrain(int& width, int& height) const { (void)width, (void)height; }

  void Invalidate() {
    if (host_) host_->Invalidate();
  }
  // The control sizes itself while rendering: no re-render, the host is told.
  void ApplySize(int width, int height);
  // A picture canvas that resolves colours as the platform does.
  TFxPictureCanvas MakePicture() const { return TFxPictureCanvas(env_.resolveColor); }
  TFxRgb Resolve(ColorRef color) const { return MakePicture().ResolveColor(color); }
  // Makes `canvas` the engine's target with `font` and a clear brush.
  void Bind(TFxPictureCanvas& canvas, const FontData& font);
  // Fills a picture of its size with a background: what lies below (transparent), else the colour
  // and then the picture by its mode.
  void FillBackground(TFxPictureCanvas& picture, bool transparent, ColorRef color,
                      const Picture& image, std::uint8_t mode);
  TFxTimerService& Timers() const { return env_.timers ? *env_.timers : SharedFxTimerService(); }
  // What lay below the control at the last paint.
  const TFxRgbBuffer& Below() const { return below_; }

 private:
  TFxControlEnv env_;
  TFxFontEx fx_;
  TFxControlHost* host_ = nullptr;
  int width_;
  int height_;
  ColorRef color_ = FxSystemColor(kFxColorBtnFace);
  FontData font_;
  int border_ = 0;
  bool autoSize_ = true;
  std::uint8_t align_ = kFxControlAlignNone;
  bool autoUpdate_ = true;
  bool enabled_ = true;
  bool loaded_ = false;
  bool loading_ = false;
  bool painting_ = false;
  int updateCount_ = 0;
  TFxRgbBuffer below_;
  TFxBlend backBlend_;
};

// The label's parameter object: its FontEffect is the effect set of the control's TFxFontEx.
class TFxFontEffect : public TCustomParam {
 public:
  using TCustomParam::TCustomParam;
  const TFxEffect& FontEffect() const { return owner().FxFont().Effect(); }
  void SetFontEffect(const TFxEffect& effect);
};

// THotLink: the hot look of a link label, with its own background and transparency.
class THotLink : public TCustomParam {
 public:
  using TCustomParam::TCustomParam;
  bool Fade() const { return fade_; }
  void SetFade(bool value) { Set(fade_, value); }
  std::uint32_t FadeDelay() const { return fadeDelay_; }
  void SetFadeDelay(std::uint32_t value) { Set(fadeDelay_, value); }
  ColorRef Color() const { return color_; }  // the hot font colour
  void SetColor(ColorRef value) { Set(color_, value); }
  ColorRef BackColor() const { return backColor_; }
  void SetBackColor(ColorRef value) { Set(backColor_, value); }
  const TFxEffect& FontEffect() const { return fontEffect_; }
  void SetFontEffect(const TFxEffect& value) { Set(fontEffect_, value); }
  const std::string& URL() const { return url_; }
  void SetURL(const std::string& value) { Set(url_, value); }
  bool UnderLine() const { return underLine_; }
  void SetUnderLine(bool value) { Set(underLine_, value); }

 private:
  bool fade_ = true;
  std::uint32_t fadeDelay_ = 600;
  ColorRef color_ = RgbColor(0, 0, 255);
  ColorRef backColor_ = FxSystemColor(kFxColorBtnFace);
  TFxEffect fontEffect_;
  std::string url_;
  bool underLine_ = false;
};

class TFxLabel : public TFxGraphicControl {
 public:
  explicit TFxLabel(const TFxControlEnv& env);

  TFxFontEffect& Effect() { return effect_; }
  const TFxFontEffect& Effect() const { return effect_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

 protected:
  struct Placement {
    int x = 0;
    int y = 0;
  };
  // Measures the caption on the bound canvas; with `autoSize` applies AutoSize first; then places
  // it by Alignment and Layout.
  Placement PlaceCaption(bool autoSize);
  // The normal look (background and caption) in a picture of the client size.
  void RenderLabel(TFxPictureCanvas& into);
  void Reset() override;
  void DoPaint(TFxPictureCanvas& screen) override;

 private:
  std::string caption_;
  TFxFontEffect effect_;
  TFxPictureCanvas picture_;
};

class TFxLinkLabel : public TFxLabel {
 public:
  static constexpr std::uint32_t kFadeInterval = 55;  // ms

  explicit TFxLinkLabel(const TFxControlEnv& env);

  THotLink& HotLink() { return hotLink_; }
  const THotLink& HotLink() const { return hotLink_; }

  void MouseEnter();
  void MouseLeave();
  void SetEnabled(bool enabled) override;
  // One step of the fade timer (public so tests can step it).
  void FadeTick();

  bool hot() const { return hot_; }
  int fadeState() const { return fadeState_; }  // 0 idle, 1 in, 2 out
  int shownLevel() const { return shown_; }

 protected:
  void Reset() override;
  void DoPaint(TFxPictureCanvas& screen) override;

 private:
  void RenderPictures();
  void RenderHot(TFxPictureCanvas& into);
  void ShowLevel(int level);
  void StopFade();

  THotLink hotLink_;
  bool hot_ = false;
  int fadeState_ = 0;
  double level_ = 0;
  std::uint8_t shown_ = 0;
  TFxPictureCanvas normal_;
  TFxPictureCanvas hotPicture_;
  TFxPictureCanvas display_;
  TFxTimer fadeTimer_;
};

}  // namespace plexara
