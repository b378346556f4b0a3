// A picture as project files carry it: its graphic class and the exact bytes of its standard file
// image, plus the decoded frames for drawing. Writing a picture that was read gives back the same
// payload bytes, because the payload is kept as it came, never re-encoded.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/codecs/picture_codec.h"
#include "storage/result.h"

namespace plexara {

class Picture {
 public:
  Picture() = default;  // the empty picture

  // Checks the payload by decoding it with the codec of `graphicClass`; fails when the decoder
  // rejects it.
  static Result<Picture> FromPayload(GraphicClass graphicClass, std::vector<std::uint8_t> payload);
  // Chooses the class from the content (not from any file name), then as FromPayload.
  static Result<Picture> FromFileImage(std::vector<std::uint8_t> bytes);
  static Result<Picture> LoadFromFile(const std::string& path);
  // A "TBitmap" picture holding the bitmap as a 32-bit BMP.
  static Picture FromBitmap(const Bitmap& bitmap);

  bool empty() const { return !graphicClass_.has_value(); }
  std::optional<GraphicClass> graphicClass() const { return graphicClass_; }
  // The GraphicClassTag to write: "" for the empty picture, else the table's spelling.
  std::string_view tag() const;
  const std::vector<std::uint8_t>& payload() const { return payload_; }
  // Decoded frames and size; an empty DecodedPicture for the empty picture.
  const DecodedPicture& decoded() const;
  int width() const { return decoded().width; }
  int height() const { return decoded().height; }

  void Clear() { *this = Picture(); }

  // Pictures are equal when class and payload bytes are equal.
  friend bool operator==(const Picture& a, const Picture& b) {
    return a.graphicClass_ == b.graphicClass_ && a.payload_ == b.payload_;
  }

 private:
  std::optional<GraphicClass> graphicClass_;
  std::vector<std::uint8_t> payload_;
  std::shared_ptr<const DecodedPicture> decoded_;  // shared: copies of a picture are cheap
};

}  // namespace plexara
