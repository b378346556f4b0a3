// Picture: a graphic class, the exact payload bytes, and the frames decoded from them once. The
// decoded frames are shared between copies, because pages copy their pictures freely (undo,
// clipboard) and decoding a photo again for each copy would be wasted work.
#include "storage/picture.h"

#include <fstream>
#include <iterator>
#include <utility>

namespace plexara {

Result<Picture> Picture::FromPayload(GraphicClass graphicClass, std::vector<std::uint8_t> payload) {
  PLEXARA_TRY_ASSIGN(decoded, CodecFor(graphicClass).Decode(payload));
  Picture picture;
  picture.graphicClass_ = graphicClass;
  picture.payload_ = std::move(payload);
  picture.decoded_ = std::make_shared<const DecodedPicture>(std::move(decoded));
  return picture;
}

Result<Picture> Picture::FromFileImage(std::vector<std::uint8_t> bytes) {
  const PictureCodec* codec = SniffCodec(bytes);
  if (codec == nullptr) return MakeError("picture format is not recognised");
  return FromPayload(codec->graphicClass, std::move(bytes));
}

Result<Picture> Picture::LoadFromFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return MakeError("cannot open picture file");
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
  if (file.bad()) return MakeError("cannot read picture file");
  return FromFileImage(std::move(bytes));
}

Picture Picture::FromBitmap(const Bitmap& bitmap) {
  std::vector<std::uint8_t> payload = EncodeBmp(bitmap);
  // Decoding our own encoding gives exactly what a reader of the saved file will see (a bitmap
  // whose alpha is all zero reads back opaque). Only an empty or oversized bitmap fails here.
  Result<Picture> picture = FromPayload(GraphicClass::Bitmap, std::move(payload));
  return picture.ok() ? std::move(picture).value() : Picture();
}

std::string_view Picture::tag() const {
  return graphicClass_ ? CodecFor(*graphicClass_).tag : std::string_view();
}

const DecodedPicture& Picture::decoded() const {
  static const DecodedPicture kEmpty;
  return decoded_ ? *decoded_ : kEmpty;
}

}  // namespace plexara
