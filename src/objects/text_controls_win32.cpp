#include "objects/text_controls_win32.h"

#include <algorithm>
#include <cstring>

#include "objects/shape_paint_win32.h"
#include "platform/gdi_objects_win32.h"
#include "platform/shell_seam.h"
#include "storage/codecs/metafile_render.h"
#include "storage/file_io.h"
#include "textfx/fx_timer_win32.h"
#include "textfx/glyph_rasterizer_win32.h"

namespace plexara {
namespace {

TFxRgb ResolveSystemColor(ColorRef color) {
  const Bgra c = ResolveColorWin32(color);
  return TFxRgb{c.b, c.g, c.r};
}

bool IsLeadByteWin32(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

TFxQuality QualityOf(std::uint8_t stored) {
  return static_cast<TFxQuality>(
      std::min<std::uint8_t>(stored, static_cast<std::uint8_t>(TFxQuality::aqNone)));
}

std::string RegistryText(HKEY key, const char* name) {
  char buffer[256] = {};
  DWORD size = sizeof(buffer) - 1;
  DWORD type = 0;
  if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
      ERROR_SUCCESS)
    return {};
  if (type != REG_SZ && type != REG_EXPAND_SZ) return {};
  return std::string(buffer, strnlen(buffer, sizeof(buffer)));
}

std::string ShortDateOrTime(bool date) {
  char buffer[128] = {};
  const int written = date ? GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr,
                                            buffer, sizeof(buffer))
                           : GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr,
                                            buffer, sizeof(buffer));
  return written > 0 ? std::string(buffer) : std::string();
}

// A 24-bit top-down DIB section in its own memory DC: the same row layout as TFxRgbBuffer, so the
// pixels move with one copy each way.
class RgbDib {
 public:
  RgbDib(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_.Reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    if (bitmap_) select_ = SelectObject(dc_.get(), bitmap_.get());
  }
  ~RgbDib() {
    if (select_ != nullptr) SelectObject(dc_.get(), select_);
  }
  RgbDib(const RgbDib&) = delete;
  RgbDib& operator=(const RgbDib&) = delete;

  bool ok() const { return bits_ != nullptr && select_ != nullptr; }
  HDC dc() const { return dc_.get(); }
  std::uint8_t* bits() const { return static_cast<std::uint8_t*>(bits_); }
  std::size_t bytes(std::size_t stride) const { return stride * static_cast<std::size_t>(height_); }

 private:
  int width_, height_;
  MemoryDc dc_;
  GdiObject<HBITMAP> bitmap_;
  void* bits_ = nullptr;
  HGDIOBJ select_ = nullptr;
};

}  // namespace

TFxControlEnv Win32TextControlEnv() {
  TFxControlEnv env;
  env.rasterizer = &GdiGlyphRasterizer();
  env.timers = &Win32FxTimerService();
  env.resolveColor = ResolveSystemColor;
  env.renderMetafile = RenderMetafile;
  HDC screen = GetDC(nullptr);
  env.pixelsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  if (env.pixelsPerInch <= 0) env.pixelsPerInch = 96;
  return env;
}

TUserLabelValues Win32UserLabelValues() {
  TUserLabelValues values;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion", 0,
                    KEY_READ, &key) == ERROR_SUCCESS) {
    values.owner = RegistryText(key, "RegisteredOwner");
    values.organisation = RegistryText(key, "RegisteredOrganization");
    RegCloseKey(key);
  }
  if (values.owner.empty()) {
    char user[257] = {};
    DWORD size = sizeof(user);
    if (GetUserNameA(user, &size)) values.owner = user;
  }
  values.date = [] { return ShortDateOrTime(true); };
  values.time = [] { return ShortDateOrTime(false); };
  return values;
}

bool ReadTextFile(const std::string& path, std::string& text) {
  auto bytes = ReadWholeFile(path);
  if (!bytes.ok()) return false;
  text.assign(bytes.value().begin(), bytes.value().end());
  return true;
}

FxTextObject::FxTextObject(ObjectData& data, TFxGraphicControl& model)
    : ObjectControl(data), model_(model) {}

void FxTextObject::Paint(HDC dc, int width, int height) {
  if (width <= 0 || height <= 0) return;
  RgbDib dib(width, height);
  if (!dib.ok()) return;
  // The surface has painted the page and every drawn object below this one: that is the screen
  // the model paints on, and what a transparent model shows through.
  BitBlt(dib.dc(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
  GdiFlush();
  TFxPictureCanvas screen(ResolveSystemColor);
  screen.SetSize(width, height);
  TFxRgbBuffer& pixels = screen.Pixels();
  std::memcpy(pixels.RowBytes(0), dib.bits(), dib.bytes(pixels.Stride()));
  model_.Paint(screen);
  std::memcpy(dib.bits(), pixels.RowBytes(0), dib.bytes(pixels.Stride()));
  BitBlt(dc, 0, 0, width, height, dib.dc(), 0, 0, SRCCOPY);
}

void FxTextObject::StateChanged() {
  model_.SetEnabled(Enabled());
  ObjectControl::StateChanged();
}

void FxTextObject::SyncBounds() { SizeChanged(model_.Width(), model_.Height()); }

void FxTextObject::SizeChanged(int width, int height) {
  ObjectBounds bounds = Bounds();
  if (bounds.width == width && bounds.height == height) return;
  Repaint();  // the rectangle it leaves
  bounds.width = width;
  bounds.height = height;
  SetBounds(data().record, bounds);
  Repaint();
}

TAuLabel::TAuLabel(ObjectData& data) : FxTextObject(data, label_), label_(Win32TextControlEnv()) {
  const LabelRecord& r = record();
  label_.BeginLoading();
  label_.SetAlign(r.align);
  label_.SetAutoSize(r.autoSize);
  label_.SetBorder(r.margin);
  label_.Effect().SetAlignment(r.alignment);
  label_.SetColor(r.backColor);
  label_.Effect().SetBackGround(r.backImage);
  label_.Effect().SetBackGroundMode(r.backImageStyle);
  label_.Effect().SetLayout(r.layout);
  label_.SetQuality(QualityOf(r.quality));
  label_.Effect().SetTransparent(r.transparent);
  label_.Effect().SetFontEffect(r.effect);
  label_.SetCaption(r.caption);
  label_.SetFont(r.font);
  label_.SetBounds(r.width, r.height);
  label_.EndLoading();
  label_.SetHost(AsHost());
  SyncBounds();
}

LabelRecord& TAuLabel::record() { return std::get<LabelRecord>(data().record); }

void TAuLabel::SetObjectText(const std::string& text) {
  record().caption = text;
  label_.SetCaption(text);
}

TAuLink::TAuLink(ObjectData& data) : FxTextObject(data, link_), link_(Win32TextControlEnv()) {
  const LinkRecord& r = std::get<LinkRecord>(data.record);
  THotLink& hot = link_.HotLink();
  link_.BeginLoading();
  link_.SetAlign(r.align);
  link_.SetAutoSize(r.autoSize);
  link_.SetBorder(r.margin);
  link_.Effect().SetAlignment(r.alignment);
  link_.SetColor(r.backColor);
  link_.Effect().SetBackGround(r.backImage);
  link_.Effect().SetBackGroundMode(r.backImageStyle);
  link_.Effect().SetLayout(r.layout);
  link_.SetQuality(QualityOf(r.quality));
  link_.Effect().SetTransparent(r.transparent);
  link_.Effect().SetFontEffect(r.effect);
  hot.SetBackColor(r.hotBackColor);
  hot.SetBackGround(r.hotBackImage);
  hot.SetBackGroundMode(r.hotBackImageStyle);
  hot.SetColor(r.fontColor);
  hot.SetFade(r.fade);
  hot.SetFadeDelay(r.fadeDelay);
  hot.SetTransparent(r.hotTransparent);
  hot.SetUnderLine(r.underLine);
  hot.SetURL(r.url);
  hot.SetFontEffect(r.hotEffect);
  link_.SetCaption(r.caption);
  link_.SetFont(r.font);
  link_.SetBounds(r.width, r.height);
  link_.EndLoading();
  link_.SetEnabled(Enabled());
  link_.SetHost(AsHost());
  SyncBounds();
}

void TAuLink::MouseEnter() {
  ObjectControl::MouseEnter();
  link_.MouseEnter();
}

void TAuLink::MouseLeave() {
  ObjectControl::MouseLeave();
  link_.MouseLeave();
}

void TAuLink::Click() {
  const std::string& url = link_.HotLink().URL();
  if (!url.empty()) {
    ShellRequest request;
    request.file = url;  // the default verb
    request.showCommand = kShowNormal;
    request.owner = GetActiveWindow();
    CurrentShell().Open(request);
  }
  ObjectControl::Click();
}

TAuFadeLabel::TAuFadeLabel(ObjectData& data)
    : FxTextObject(data, fade_), fade_(Win32TextControlEnv(), Win32UserLabelValues()) {
  const FadeLabelRecord& r = std::get<FadeLabelRecord>(data.record);
  TFadeTextParam& text = fade_.Text();
  fade_.BeginLoading();
  fade_.SetActive(r.active);
  fade_.SetAlign(r.align);
  fade_.SetAutoSize(r.autoSize);
  fade_.SetBorder(r.margin);
  text.SetAlignment(r.alignment);
  fade_.SetColor(r.backColor);
  text.SetBackGround(r.backImage);
  text.SetBackGroundMode(r.backImageStyle);
  text.SetFontEffect(r.effect);
  text.SetLabelEffect(r.labelEffect);
  text.SetText(r.lines);
  fade_.SetQuality(QualityOf(r.quality));
  text.SetTransparent(r.transparent);
  fade_.SetFonts(r.fontLabels);
  fade_.SetRepeatCount(r.repeatCount);
  text.SetFadeDelay(r.fadeDelay);
  text.SetLayout(r.layout);
  text.SetLineDelay(r.lineDelay);
  fade_.SetFont(r.font);
  fade_.SetBounds(r.width, r.height);
  fade_.EndLoading();
  fade_.SetHost(AsHost());
  SyncBounds();
}

TAuText::TAuText(ObjectData& data)
    : FxTextObject(data, text_), text_(Win32TextControlEnv(), Win32UserLabelValues()) {
  const TextRecord& r = std::get<TextRecord>(data.record);
  TCustomTextParam& text = text_.Text();
  text_.SetLeadByteTest(IsLeadByteWin32);
  text_.BeginLoading();
  text_.SetAlign(r.align);
  text_.SetAutoSize(r.autoSize);
  text_.SetBorder(r.margin);
  text.SetAlignment(r.alignment);
  text_.SetColor(r.backColor);
  text.SetBackGround(r.backImage);
  text.SetBackGroundMode(r.backImageStyle);
  text.SetFontEffect(r.effect);
  text.SetLabelEffect(r.labelEffect);
  text.SetText(r.text);
  text_.SetQuality(QualityOf(r.quality));
  text.SetRowPitch(r.rowPitch);
  text.SetTransparent(r.transparent);
  text.SetWordWrap(r.wordWrap);
  text_.SetFonts(r.fontLabels);
  text_.SetFont(r.font);
  text_.SetBounds(r.width, r.height);
  text_.EndLoading();
  text_.SetHost(AsHost());
  SyncBounds();
}

void TAuText::SetObjectText(const std::string& text) {
  std::get<TextRecord>(data().record).text = text;
  text_.Text().SetText(text);
}

bool TAuText::LoadTextFile(const std::string& path) {
  std::string text;
  if (!ReadTextFile(path, text)) return false;
  SetObjectText(text);
  return true;
}

TAuScrollText::TAuScrollText(ObjectData& data)
    : FxTextObject(data, scroll_), scroll_(Win32TextControlEnv(), Win32UserLabelValues()) {
  const ScrollTextRecord& r = std::get<ScrollTextRecord>(data.record);
  TScrollTextParam& text = scroll_.Text();
  scroll_.SetLeadByteTest(IsLeadByteWin32);
  scroll_.BeginLoading();
  scroll_.SetActive(r.active);
  scroll_.SetAlign(r.align);
  text.SetAlignment(r.alignment);
  scroll_.SetColor(r.backColor);
  text.SetBackGround(r.backImage);
  text.SetBackGroundMode(r.backImageStyle);
  text.SetFade(r.fade);
  text.SetFadeHeight(r.fadeHeight);
  scroll_.SetFont(r.font);
  text.SetFontEffect(r.effect);
  text.SetHeadSpace(r.headSpace);
  text.SetLabelEffect(r.labelEffect);
  text.SetText(r.text);
  scroll_.SetQuality(QualityOf(r.quality));
  text.SetRowPitch(r.rowPitch);
  text.SetTailSpace(r.tailSpace);
  text.SetWordWrap(r.wordWrap);
  scroll_.SetFonts(r.fontLabels);
  scroll_.SetRepeatCount(r.repeatCount);
  scroll_.SetRepeatDelay(r.repeatDelay);
  scroll_.SetScrollDelay(r.scrollDelay);
  scroll_.SetScrollStep(r.scrollStep);
  scroll_.SetBounds(r.width, r.height);
  scroll_.EndLoading();
  scroll_.SetHost(AsHost());
  SyncBounds();
  scroll_.SetMinHeight(r.fadeHeight);
  scroll_.SetActive(true);
}

void TAuScrollText::SetObjectText(const std::string& text) {
  std::get<ScrollTextRecord>(data().record).text = text;
  scroll_.Text().SetText(text);
}

bool TAuScrollText::LoadTextFile(const std::string& path) {
  std::string text;
  if (!ReadTextFile(path, text)) return false;
  SetObjectText(text);
  return true;
}

}  // namespace plexara
