#include "support/record_test_helpers.h"

#include <cstdlib>

#include "support/picture_fixtures.h"

namespace plexara::testing_support {

int CodeInText(const std::string& text) {
  const std::size_t slash = text.rfind('/');
  return slash == std::string::npos ? -1 : std::atoi(text.c_str() + slash + 1);
}

int ReportedCode() { return Recorder().boxes.size() == 1 ? CodeInText(Recorder().boxes[0].text) : -1; }

Bytes U8(int value) { return Encode([&](OutStream& o) { WriteByte(o, static_cast<std::uint8_t>(value)); }); }
Bytes I16(int value) { return Encode([&](OutStream& o) { WriteUInt16(o, static_cast<std::uint16_t>(value)); }); }
Bytes I32(long long value) { return Encode([&](OutStream& o) { WriteInt32(o, static_cast<std::int32_t>(value)); }); }
Bytes Str(std::string_view text) { return Encode([&](OutStream& o) { WriteString(o, text); }); }
Bytes FontBytes(const FontData& font) { return Encode([&](OutStream& o) { WriteFont(o, font); }); }
Bytes Pic(const Picture& picture) { return Encode([&](OutStream& o) { WritePicture(o, picture); }); }
Bytes Fx(const TFxEffect& effect) { return Encode([&](OutStream& o) { WriteEffect(o, effect); }); }
Bytes Labels(const TFontLabels& labels) { return Encode([&](OutStream& o) { WriteFontLabels(o, labels); }); }

Bytes Cat(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Picture SamplePicture(GraphicClass graphicClass) {
  auto picture = Picture::FromPayload(graphicClass, SamplePictureFile(graphicClass));
  EXPECT_TRUE(picture.ok());
  return picture.ok() ? picture.value() : Picture();
}

FontData NamedFont(const char* name) {
  FontData font;
  font.name = name;
  return font;
}

}  // namespace plexara::testing_support
