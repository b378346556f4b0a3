// The table of picture codecs: one row per graphic class, in GraphicClass order, naming the tag
// writers write and the format's sniffer and decoder. Lookups by class, by tag and by content all
// go through this one table.
#include "storage/codecs/picture_codec.h"

#include <array>

#include "storage/ascii_case.h"

namespace plexara {
namespace {

constexpr std::array<PictureCodec, 6> kCodecs = {{
    {GraphicClass::Bitmap, "TBitmap", SniffBmp, DecodeBmp},
    {GraphicClass::Icon, "TIcon", SniffIco, DecodeIco},
    {GraphicClass::Metafile, "TMetafile", SniffMetafile, DecodeMetafile},
    {GraphicClass::Jpeg, "TJPEGImage", SniffJpeg, DecodeJpeg},
    {GraphicClass::Gif, "TGIFImage", SniffGif, DecodeGif},
    {GraphicClass::Png, "TPNGObject", SniffPng, DecodePng},
}};

constexpr bool TableFollowsClassOrder() {
  for (std::size_t i = 0; i < kCodecs.size(); ++i) {
    if (static_cast<std::size_t>(kCodecs[i].graphicClass) != i) return false;
  }
  return true;
}
static_assert(TableFollowsClassOrder(), "CodecFor indexes the table by GraphicClass");


}  // namespace

std::span<const PictureCodec> PictureCodecs() { return kCodecs; }

const PictureCodec& CodecFor(GraphicClass graphicClass) {
  return kCodecs[static_cast<std::size_t>(graphicClass)];
}

const PictureCodec* FindCodecByTag(std::string_view tag) {
  for (const PictureCodec& codec : kCodecs) {
    if (SameTextIgnoringCase(codec.tag, tag)) return &codec;
  }
  return nullptr;
}

const PictureCodec* SniffCodec(ByteSpan bytes) {
  for (const PictureCodec& codec : kCodecs) {
    if (codec.Sniff(bytes)) return &codec;
  }
  return nullptr;
}

}  // namespace plexara
