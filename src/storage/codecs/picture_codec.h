// One decoder per picture class behind one small interface, registered in one table. Each codec
// can recognise its file image from the first bytes and decode a complete file image into frames.
// Decoders never trust the input: every size is checked against the bytes present and the caps
// of bitmap.h before anything is allocated.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "storage/bitmap.h"
#include "storage/result.h"

namespace plexara {

// The six picture classes a project file can carry; the order is the order of the tag table.
enum class GraphicClass : std::uint8_t { Bitmap, Icon, Metafile, Jpeg, Gif, Png };

struct PictureFrame {
  Bitmap bitmap;    // the whole canvas after this frame was composed
  int delayMs = 0;  // how long the frame stays (animated GIF); 0 for still pictures
};

struct DecodedPicture {
  int width = 0;
  int height = 0;
  // Raster classes hold at least one frame. A metafile holds none here: it is drawn by the
  // platform (GDI) at its natural size, given by width and height in pixels.
  std::vector<PictureFrame> frames;
};

using ByteSpan = std::span<const std::uint8_t>;

struct PictureCodec {
  GraphicClass graphicClass;
  std::string_view tag;                       // the GraphicClassTag writers write
  bool (*Sniff)(ByteSpan bytes);              // true when the bytes start like this format
  Result<DecodedPicture> (*Decode)(ByteSpan bytes);
};

// The table of the six codecs, in GraphicClass order.
std::span<const PictureCodec> PictureCodecs();
const PictureCodec& CodecFor(GraphicClass graphicClass);
// Tags match without regard to letter case; nullptr when no codec has that tag.
const PictureCodec* FindCodecByTag(std::string_view tag);
// The codec whose Sniff accepts the bytes, nullptr when none does.
const PictureCodec* SniffCodec(ByteSpan bytes);

// The decoders, one per file (bmp_codec.cpp, ico_codec.cpp, ...).
bool SniffBmp(ByteSpan bytes);
Result<DecodedPicture> DecodeBmp(ByteSpan bytes);
bool SniffIco(ByteSpan bytes);
Result<DecodedPicture> DecodeIco(ByteSpan bytes);
bool SniffMetafile(ByteSpan bytes);
Result<DecodedPicture> DecodeMetafile(ByteSpan bytes);
bool SniffJpeg(ByteSpan bytes);
Result<DecodedPicture> DecodeJpeg(ByteSpan bytes);
bool SniffGif(ByteSpan bytes);
Result<DecodedPicture> DecodeGif(ByteSpan bytes);
bool SniffPng(ByteSpan bytes);
Result<DecodedPicture> DecodePng(ByteSpan bytes);

// Encodes a bitmap as a 32-bit BMP file image (with its file header), used whenever the program
// itself makes a "TBitmap" picture.
std::vector<std::uint8_t> EncodeBmp(const Bitmap& bitmap);

}  // namespace plexara
