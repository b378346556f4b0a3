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

// What a text object paints with, kept from one paint to the next: a 24-bit DIB section (the row
// layout of TFxRgbBuffer, so the pixels move with one copy each way) and the canvas the model
// draws on.
struct FxTextObject::Canvas {
  MemoryCanvas dib{24};
  TFxPictureCanvas screen{ResolveSystemColor};
};

FxTextObject::FxTextObject(ObjectData& data, TFxGraphicControl& model)
    : ObjectControl(data), model_(model) {}

FxTextObject::~FxTextObject() = default;

void FxTextObject::Paint(HDC dc, int width, int height) {
  if (width <= 0 || height <= 0) return;
  if (!canvas_) canvas_ = std::make_unique<Canvas>();
  MemoryCanvas& dib = canvas_->dib;
  if (!dib.Resize(width, height)) return;
  // The surface has painted the page and every drawn object below this one: that is the screen
  // the model paints on, and what a transparent model shows through.
  BitBlt(dib.dc(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
  GdiFlush();
  TFxPictureCanvas& screen = canvas_->screen;
  screen.SetSize(width, height);
  TFxRgbBuffer& pixels = screen.Pixels();
  const std::size_t bytes = pixels.Stride() * static_cast<std::size_t>(height);
  std::memcpy(pixels.RowBytes(0), dib.bits(), bytes);
  model_.Paint(screen);
  std::memcpy(dib.bits(), pixels.RowBytes(0), bytes);
  BitBlt(dc, 0, 0, width, height, dib.dc(), 0, 0, SRCCOPY);
}

void FxTextObject::StateChanged() {
  model_.SetEnabled(Enabled());
  ObjectControl::StateChanged();
}

void FxTextObject::SyncBounds() { SizeChanged(model_.Width(), model_.Height()); }

// A hidden object asks for no paint: nothing of it is on the screen, and its timers keep running.
void FxTextObject::Invalidate() {
  if (Visible()) Repaint();
}

void FxTextObject::SizeChanged(int width, int height) {
  ObjectBounds bounds = Bounds();
  if (bounds.width == width && bounds.height == height) return;
  Invalidate();  // the rectangle it leaves
  bounds.width = width;
  bounds.height = height;
  SetBounds(data().record, bounds);
  Invalidate();
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
