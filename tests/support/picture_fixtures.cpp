// Writers for the picture fixtures (see picture_fixtures.h). PNG, JPEG and GIF go through the
// libraries' encoders; ICO and the metafiles are assembled here field by field in their published
// layouts, little-endian.
#include "support/picture_fixtures.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>

// jpeglib.h uses FILE and size_t without declaring them.
// clang-format off
#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>
// clang-format on

namespace plexara::testing_support {
namespace {

// Little-endian field writer.
class ByteWriter {
 public:
  ByteWriter& U8(std::uint8_t v) {
    bytes.push_back(v);
    return *this;
  }
  ByteWriter& U16(std::uint32_t v) {
    return U8(static_cast<std::uint8_t>(v)).U8(static_cast<std::uint8_t>(v >> 8));
  }
  ByteWriter& U32(std::uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
  ByteWriter& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }
  ByteWriter& Bytes(const std::vector<std::uint8_t>& more) {
    bytes.insert(bytes.end(), more.begin(), more.end());
    return *this;
  }
  void PatchU32(std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }
  std::vector<std::uint8_t> bytes;
};

constexpr Bgra kPatternColors[7] = {
    {0, 0, 255, 255},   {0, 255, 0, 255},   {255, 0, 0, 255},     {0, 255, 255, 255},
    {255, 255, 0, 255}, {255, 0, 255, 255}, {255, 255, 255, 255},
};

// 0x00BBGGRR, the COLORREF layout metafile records store.
constexpr std::uint32_t ColorRef(Bgra c) { return c.r | (c.g << 8) | (c.b << 16); }

std::vector<int> GifRowOrder(int height, bool interlaced) {
  std::vector<int> order;
  if (!interlaced) {
    for (int y = 0; y < height; ++y) order.push_back(y);
    return order;
  }
  const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = start[pass]; y < height; y += step[pass]) order.push_back(y);
  }
  return order;
}

int OnGifWrite(GifFileType* gif, const GifByteType* data, int size) {
  auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out->insert(out->end(), data, data + size);
  return size;
}

// Writes one frame: a local colour table of the frame's colours plus a transparent slot.
bool PutGifFrame(GifFileType* gif, const GifFrameSource& frame) {
  const Bitmap& image = frame.image;
  std::map<std::uint32_t, int> indexOf;
  std::vector<GifColorType> colors;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const Bgra p = image.at(x, y);
      if (p.a == 0) continue;
      const std::uint32_t key = ColorRef(p);
      if (indexOf.emplace(key, static_cast<int>(colors.size())).second)
        colors.push_back({p.r, p.g, p.b});
    }
  }
  const int transparentIndex = static_cast<int>(colors.size());
  int tableSize = 2;
  while (tableSize < transparentIndex + 1) tableSize *= 2;
  if (tableSize > 256) return false;
  colors.resize(static_cast<std::size_t>(tableSize), GifColorType{0, 0, 0});
  ColorMapObject* map = GifMakeMapObject(tableSize, colors.data());
  if (map == nullptr) return false;

  GraphicsControlBlock control{};
  control.DisposalMode = frame.disposal;
  control.DelayTime = frame.delayMs / 10;
  control.TransparentColor = transparentIndex;
  GifByteType extension[4];
  const std::size_t extensionSize = EGifGCBToExtension(&control, extension);
  bool ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(extensionSize),
                             extension) == GIF_OK &&
            EGifPutImageDesc(gif, frame.left, frame.top, image.width(), image.height(),
                             frame.interlaced, map) == GIF_OK;
  GifFreeMapObject(map);
  std::vector<GifPixelType> line(static_cast<std::size_t>(image.width()));
  for (const int y : GifRowOrder(image.height(), frame.interlaced)) {
    if (!ok) break;
    for (int x = 0; x < image.width(); ++x) {
      const Bgra p = image.at(x, y);
      line[static_cast<std::size_t>(x)] =
          static_cast<GifPixelType>(p.a == 0 ? transparentIndex : indexOf[ColorRef(p)]);
    }
    ok = EGifPutLine(gif, line.data(), image.width()) == GIF_OK;
  }
  return ok;
}

std::vector<std::uint8_t> IcoDibImage(const Bitmap& bitmap) {
  const int width = bitmap.width(), height = bitmap.height();
  const std::uint32_t maskStride = (static_cast<std::uint32_t>(width) + 31) / 32 * 4;
  const std::uint32_t colorBytes = static_cast<std::uint32_t>(width) * height * 4;
  ByteWriter w;
  w.U32(40).I32(width).I32(height * 2).U16(1).U16(32).U32(0).U32(colorBytes + maskStride * height);
  w.U32(0).U32(0).U32(0).U32(0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const Bgra p = bitmap.at(x, y);
      w.U8(p.b).U8(p.g).U8(p.r).U8(p.a);
    }
  }
  for (int y = height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(maskStride, 0);
    for (int x = 0; x < width; ++x) {
      if (bitmap.at(x, y).a == 0)
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    }
    w.Bytes(row);
  }
  return w.bytes;
}

// The rectangle both metafile fixtures draw, in their logical units (pixels at natural size).
constexpr int kRectLeft = 20, kRectTop = 20, kRectRight = 100, kRectBottom = 60;

}  // namespace

Bitmap MakeTestBitmap(int width, int height) {
  Bitmap bitmap(width, height);
  const int cell = std::max(1, std::min(width, height) / 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      bitmap.at(x, y) = kPatternColors[(x / cell + 3 * (y / cell)) % 7];
  }
  return bitmap;
}

std::vector<std::uint8_t> EncodePngFile(const Bitmap& bitmap) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(bitmap.width());
  image.height = static_cast<png_uint_32>(bitmap.height());
  image.format = PNG_FORMAT_BGRA;
  png_alloc_size_t size = 0;
  const png_int_32 stride = bitmap.width() * 4;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, bitmap.data(), stride, nullptr))
    return {};
  std::vector<std::uint8_t> out(size);
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, bitmap.data(), stride, nullptr))
    return {};
  out.resize(size);
  return out;
}

std::vector<std::uint8_t> EncodeJpegFile(const Bitmap& bitmap, int quality, JpegStorage storage) {
  jpeg_compress_struct info{};
  jpeg_error_mgr error{};
  info.err = jpeg_std_error(&error);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(bitmap.width());
  info.image_height = static_cast<JDIMENSION>(bitmap.height());
  info.input_components = storage == JpegStorage::Grayscale ? 1 : 4;
  info.in_color_space = storage == JpegStorage::Grayscale   ? JCS_GRAYSCALE
                        : storage == JpegStorage::AdobeCmyk ? JCS_CMYK
                                                            : JCS_EXT_BGRA;
  jpeg_set_defaults(&info);  // CMYK input gets CMYK storage and an Adobe marker
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> converted(static_cast<std::size_t>(bitmap.width()) * 4);
  while (info.next_scanline < info.image_height) {
    const Bgra* pixels = bitmap.row(static_cast<int>(info.next_scanline));
    for (int x = 0; x < bitmap.width(); ++x) {
      const Bgra p = pixels[x];
      if (storage == JpegStorage::Grayscale) converted[static_cast<std::size_t>(x)] = p.g;
      // Adobe stores ink inverted: with no black ink, the stored C, M, Y are just R, G, B.
      const JSAMPLE cmyk[4] = {p.r, p.g, p.b, 255};
      if (storage == JpegStorage::AdobeCmyk)
        std::memcpy(&converted[4 * static_cast<std::size_t>(x)], cmyk, 4);
    }
    JSAMPROW row = storage == JpegStorage::Color
                       ? const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(pixels))
                       : converted.data();
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> out(buffer, buffer + size);
  jpeg_destroy_compress(&info);
  std::free(buffer);
  return out;
}

std::vector<std::uint8_t> EncodeGifFile(int screenWidth, int screenHeight,
                                        const std::vector<GifFrameSource>& frames) {
  std::vector<std::uint8_t> out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, OnGifWrite, &error);
  if (gif == nullptr) return {};
  EGifSetGifVersion(gif, true);
  bool ok = EGifPutScreenDesc(gif, screenWidth, screenHeight, 8, 0, nullptr) == GIF_OK;
  for (const GifFrameSource& frame : frames) ok = ok && PutGifFrame(gif, frame);
  if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
  return ok ? out : std::vector<std::uint8_t>();
}

std::vector<std::uint8_t> EncodeGifFile(const std::vector<Bitmap>& frames,
                                        const std::vector<int>& delaysMs) {
  std::vector<GifFrameSource> sources;
  for (std::size_t i = 0; i < frames.size(); ++i) {
    sources.push_back(
        GifFrameSource{frames[i], 0, 0, i < delaysMs.size() ? delaysMs[i] : 0, 0, false});
  }
  if (frames.empty()) return {};
  return EncodeGifFile(frames.front().width(), frames.front().height(), sources);
}

std::vector<std::uint8_t> EncodeIcoFile(const std::vector<IcoImageSource>& images) {
  std::vector<std::vector<std::uint8_t>> data;
  for (const IcoImageSource& image : images) {
    data.push_back(image.asPng ? EncodePngFile(image.bitmap) : IcoDibImage(image.bitmap));
  }
  ByteWriter w;
  w.U16(0).U16(1).U16(static_cast<std::uint32_t>(images.size()));
  std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const Bitmap& b = images[i].bitmap;
    w.U8(static_cast<std::uint8_t>(b.width() >= 256 ? 0 : b.width()));
    w.U8(static_cast<std::uint8_t>(b.height() >= 256 ? 0 : b.height()));
    w.U8(0).U8(0).U16(1).U16(32).U32(static_cast<std::uint32_t>(data[i].size())).U32(offset);
    offset += static_cast<std::uint32_t>(data[i].size());
  }
  for (const auto& image : data) w.Bytes(image);
  return w.bytes;
}

std::vector<std::uint8_t> EncodeIcoFile(const Bitmap& bitmap) {
  return EncodeIcoFile({IcoImageSource{bitmap, false}});
}

std::vector<std::uint8_t> MakeEmfFile() {
  // Reference device: 1000 x 1000 pixels on 250 x 250 mm, 4 pixels per millimetre, so the
  // 120 x 80 pixel picture is a 30 x 20 mm frame, 3000 x 2000 in 0.01 mm.
  constexpr std::uint32_t kHeaderSize = 108;
  constexpr std::uint32_t kNullPen = 0x80000008;  // stock object NULL_PEN
  ByteWriter w;
  w.U32(1).U32(kHeaderSize);                                                // EMR_HEADER
  w.I32(kRectLeft).I32(kRectTop).I32(kRectRight - 1).I32(kRectBottom - 1);  // rclBounds, inclusive
  w.I32(0).I32(0).I32(kMetafileWidth * 25).I32(kMetafileHeight * 25);       // rclFrame, 0.01 mm
  w.U32(0x464D4520).U32(0x10000).U32(0).U32(6);    // signature, version, nBytes (patched), nRecords
  w.U16(2).U16(0).U32(0).U32(0).U32(0);            // nHandles, reserved, description, palette
  w.I32(1000).I32(1000).I32(250).I32(250);         // szlDevice, szlMillimeters
  w.U32(0).U32(0).U32(0).I32(250000).I32(250000);  // no pixel format, no OpenGL, szlMicrometers
  w.U32(39).U32(24).U32(1).U32(0).U32(ColorRef(kMetafileRectColor)).U32(0);  // CREATEBRUSHINDIRECT
  w.U32(37).U32(12).U32(1);                                                  // SELECTOBJECT brush
  w.U32(37).U32(12).U32(kNullPen);                                           // SELECTOBJECT pen
  w.U32(43).U32(24).I32(kRectLeft).I32(kRectTop).I32(kRectRight).I32(kRectBottom);  // RECTANGLE
  w.U32(14).U32(20).U32(0).U32(16).U32(20);                                         // EOF
  w.PatchU32(48, static_cast<std::uint32_t>(w.bytes.size()));
  return w.bytes;
}

std::vector<std::uint8_t> MakeWmfFile() {
  // Records: size in 16-bit words, function, parameters (coordinates stored last first).
  ByteWriter records;
  records.U32(5).U16(0x020B).U16(0).U16(0);                             // SETWINDOWORG
  records.U32(5).U16(0x020C).U16(kMetafileHeight).U16(kMetafileWidth);  // SETWINDOWEXT
  const std::uint32_t color = ColorRef(kMetafileRectColor);
  records.U32(7).U16(0x02FC).U16(0).U32(color).U16(0);     // CREATEBRUSHINDIRECT
  records.U32(4).U16(0x012D).U16(0);                       // SELECTOBJECT brush
  records.U32(8).U16(0x02FA).U16(5).U16(0).U16(0).U32(0);  // CREATEPENINDIRECT null
  records.U32(4).U16(0x012D).U16(1);                       // SELECTOBJECT pen
  records.U32(7)
      .U16(0x041B)
      .U16(kRectBottom)
      .U16(kRectRight)
      .U16(kRectTop)
      .U16(kRectLeft);    // RECTANGLE
  records.U32(3).U16(0);  // end of records

  ByteWriter w;
  w.U32(0x9AC6CDD7).U16(0).U16(0).U16(0).U16(kMetafileWidth).U16(kMetafileHeight).U16(96).U32(0);
  std::uint16_t checksum = 0;
  for (std::size_t at = 0; at < 20; at += 2)
    checksum ^= static_cast<std::uint16_t>(w.bytes[at] | (w.bytes[at + 1] << 8));
  w.U16(checksum);
  const std::uint32_t totalWords = static_cast<std::uint32_t>(18 + records.bytes.size()) / 2;
  w.U16(1).U16(9).U16(0x0300).U32(totalWords).U16(2).U32(8).U16(0);  // max record: the pen, 8 words
  w.Bytes(records.bytes);
  return w.bytes;
}

std::vector<std::uint8_t> SamplePictureFile(GraphicClass graphicClass) {
  switch (graphicClass) {
    case GraphicClass::Bitmap:
      return EncodeBmp(MakeTestBitmap(16, 12));
    case GraphicClass::Icon:
      return EncodeIcoFile({IcoImageSource{MakeTestBitmap(16, 16), false},
                            IcoImageSource{MakeTestBitmap(32, 32), true}});
    case GraphicClass::Metafile:
      return MakeEmfFile();
    case GraphicClass::Jpeg:
      return EncodeJpegFile(MakeTestBitmap(32, 24), 90);
    case GraphicClass::Gif:
      // A full first frame, then a smaller interlaced one that is cleared after showing.
      return EncodeGifFile(12, 10,
                           {GifFrameSource{MakeTestBitmap(12, 10), 0, 0, 100, 1, false},
                            GifFrameSource{MakeTestBitmap(6, 4), 3, 2, 200, 2, true}});
    case GraphicClass::Png:
      return EncodePngFile(MakeTestBitmap(16, 12));
  }
  return {};
}

}  // namespace plexara::testing_support
