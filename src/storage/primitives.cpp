// Strings, fonts, pictures, text effects and font-label collections (menu items live in
// menu_stream.cpp).
#include "storage/primitives.h"

#include "storage/error_report.h"

namespace plexara {
namespace {

// Smallest encodings, used to refuse counts the remaining bytes cannot hold.
constexpr std::uint64_t kMinimumEffectSize = 12 * 4 + 8 + 4;  // 12 int32, 8 bytes, empty picture
constexpr std::uint64_t kMinimumFontSize = 4 + 4 + 4 + 1;
constexpr std::uint64_t kMinimumFontLabelSize = kMinimumEffectSize + kMinimumFontSize + 4;

// Reports code and returns false when ok is false; lets each primitive read like its layout.
bool Check(bool ok, int code) {
  if (!ok) ReportStreamError(code);
  return ok;
}

}  // namespace

bool WriteString(OutStream& out, std::string_view value) {
  return Check(WriteLengthPrefixed(out, value), kCodeWriteString);
}

bool ReadString(InStream& in, std::string& value) {
  return Check(ReadLengthPrefixed(in, value), kCodeReadString);
}

bool WriteFont(OutStream& out, const FontData& font) {
  const bool ok = WriteLengthPrefixed(out, font.name) && WriteInt32(out, font.color) &&
                  WriteInt32(out, font.size) && WriteByte(out, font.style & kFontStyleMask);
  return Check(ok, kCodeWriteFont);
}

bool ReadFont(InStream& in, FontData& font) {
  std::string name;
  std::int32_t color = 0, size = 0;
  std::uint8_t style = 0;
  const bool ok = ReadLengthPrefixed(in, name) && ReadInt32(in, color) && ReadInt32(in, size) &&
                  ReadByte(in, style);
  if (!Check(ok, kCodeReadFont)) return false;
  font.name = std::move(name);
  font.color = color;
  font.size = size;
  font.style = style & kFontStyleMask;
  return true;
}

bool WritePicture(OutStream& out, const Picture& picture) {
  bool ok = WriteLengthPrefixed(out, picture.tag());
  if (ok && !picture.empty()) {
    const auto& payload = picture.payload();
    ok = payload.size() <= 0x7FFFFFFFu && WriteInt32(out, static_cast<std::int32_t>(payload.size())) &&
         out.Write(payload.data(), payload.size());
  }
  return Check(ok, kCodeWritePicture);
}

bool ReadPicture(InStream& in, Picture& picture) {
  picture.Clear();
  std::string tag;
  if (!Check(ReadLengthPrefixed(in, tag), kCodeReadPicture)) return false;
  if (tag.empty()) return true;
  std::int32_t count = 0;
  std::vector<std::uint8_t> payload;
  const PictureCodec* codec = FindCodecByTag(tag);
  const bool ok = codec != nullptr && ReadInt32(in, count) && count >= 0 &&
                  ReadByteBlock(in, static_cast<std::uint32_t>(count), payload);
  if (!Check(ok, kCodeReadPicture)) return false;
  auto decoded = Picture::FromPayload(codec->graphicClass, std::move(payload));
  if (!Check(decoded.ok(), kCodeReadPicture)) return false;
  picture = std::move(decoded).value();
  return true;
}

bool WriteEffect(OutStream& out, const TFxEffect& effect) {
  const bool ok =
      WriteInt32(out, effect.alpha) && WriteInt32(out, effect.angle) && WriteInt32(out, effect.blur) &&
      WriteBool(out, effect.horzMirror) && WriteInt32(out, effect.noise) && WriteBool(out, effect.outline) &&
      WriteInt32(out, effect.spray) && WriteBool(out, effect.vertMirror) &&
      WriteBool(out, effect.gradient.enabled) && WriteInt32(out, effect.gradient.endColor) &&
      WriteInt32(out, effect.gradient.startColor) && WriteByte(out, effect.gradient.style) &&
      WriteInt32(out, effect.shadow.alpha) && WriteInt32(out, effect.shadow.blur) &&
      WriteInt32(out, effect.shadow.color) && WriteBool(out, effect.shadow.enabled) &&
      WriteInt32(out, effect.shadow.offsetX) && WriteInt32(out, effect.shadow.offsetY) &&
      WriteBool(out, effect.texture.enabled) && WriteByte(out, effect.texture.mode);
  if (!Check(ok, kCodeWriteEffect)) return false;
  return WritePicture(out, effect.texture.picture);
}

bool ReadEffect(InStream& in, TFxEffect& effect) {
  // The stored int32s hold narrower values; like the typed fields they land in, a reader keeps
  // only the low bits (a byte, or 16 bits for the angle).
  std::int32_t alpha = 0, angle = 0, blur = 0, noise = 0, spray = 0, endColor = 0, startColor = 0;
  std::int32_t shadowAlpha = 0, shadowBlur = 0, shadowColor = 0, offsetX = 0, offsetY = 0;
  bool horzMirror = false, outline = false, vertMirror = false, gradientEnabled = false;
  bool shadowEnabled = false, textureEnabled = false;
  std::uint8_t gradientStyle = 0, textureMode = 0;
  const bool ok =
      ReadInt32(in, alpha) && ReadInt32(in, angle) && ReadInt32(in, blur) && ReadBool(in, horzMirror) &&
      ReadInt32(in, noise) && ReadBool(in, outline) && ReadInt32(in, spray) && ReadBool(in, vertMirror) &&
      ReadBool(in, gradientEnabled) && ReadInt32(in, endColor) && ReadInt32(in, startColor) &&
      ReadByte(in, gradientStyle) && ReadInt32(in, shadowAlpha) && ReadInt32(in, shadowBlur) &&
      ReadInt32(in, shadowColor) && ReadBool(in, shadowEnabled) && ReadInt32(in, offsetX) &&
      ReadInt32(in, offsetY) && ReadBool(in, textureEnabled) && ReadByte(in, textureMode);
  if (!Check(ok, kCodeReadEffect)) return false;
  Picture texture;
  if (!ReadPicture(in, texture)) return false;

  effect.alpha = static_cast<std::uint8_t>(alpha);
  effect.angle = static_cast<std::int16_t>(angle);
  effect.blur = static_cast<std::uint8_t>(blur);
  effect.horzMirror = horzMirror;
  effect.noise = static_cast<std::uint8_t>(noise);
  effect.outline = outline;
  effect.spray = static_cast<std::uint8_t>(spray);
  effect.vertMirror = vertMirror;
  effect.gradient.enabled = gradientEnabled;
  effect.gradient.endColor = endColor;
  effect.gradient.startColor = startColor;
  effect.gradient.style = gradientStyle;
  effect.shadow.alpha = static_cast<std::uint8_t>(shadowAlpha);
  effect.shadow.blur = static_cast<std::uint8_t>(shadowBlur);
  effect.shadow.color = shadowColor;
  effect.shadow.enabled = shadowEnabled;
  effect.shadow.offsetX = static_cast<std::int8_t>(offsetX);
  effect.shadow.offsetY = static_cast<std::int8_t>(offsetY);
  effect.texture.enabled = textureEnabled;
  effect.texture.mode = textureMode;
  effect.texture.picture = std::move(texture);
  return true;
}

bool WriteFontLabels(OutStream& out, const TFontLabels& labels) {
  if (!Check(labels.size() <= 0x7FFFFFFFu && WriteInt32(out, static_cast<std::int32_t>(labels.size())),
             kCodeWriteFontLabels)) {
    return false;
  }
  for (const TFontLabel& label : labels) {
    if (!WriteEffect(out, label.effect) || !WriteFont(out, label.font)) return false;
    if (!Check(WriteLengthPrefixed(out, label.name), kCodeWriteFontLabels)) return false;
  }
  return true;
}

bool ReadFontLabels(InStream& in, TFontLabels& labels) {
  labels.Clear();
  std::int32_t count = 0;
  if (!Check(ReadCount(in, kMinimumFontLabelSize, count), kCodeReadFontLabels)) return false;
  for (std::int32_t i = 0; i < count; ++i) {
    TFontLabel label;
    if (!ReadEffect(in, label.effect) || !ReadFont(in, label.font)) return false;
    if (!Check(ReadLengthPrefixed(in, label.name), kCodeReadFontLabels)) return false;
    // Names are unique: a second label under a name already read adds nothing.
    if (labels.Find(label.name) != nullptr) continue;
    TFontLabel& added = labels.Add(label.name);
    added = std::move(label);
  }
  return true;
}

}  // namespace plexara
