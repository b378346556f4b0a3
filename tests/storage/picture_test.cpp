// Pictures and their six codecs: payloads kept byte for byte, pixels decoded exactly (JPEG within
// a tolerance), the BMP layouts our own encoder never writes, icon masks and entry choice, GIF
// composition, choosing the class from content, and damaged payloads failing cleanly.
#include "storage/picture.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "support/picture_fixtures.h"

namespace plexara {
namespace {

using testing_support::EncodeGifFile;
using testing_support::EncodeIcoFile;
using testing_support::EncodeJpegFile;
using testing_support::EncodePngFile;
using testing_support::GifFrameSource;
using testing_support::IcoImageSource;
using testing_support::MakeTestBitmap;
using Bytes = std::vector<std::uint8_t>;

constexpr Bgra kRed{0, 0, 255, 255}, kGreen{0, 255, 0, 255}, kBlue{255, 0, 0, 255};
constexpr Bgra kWhite{255, 255, 255, 255}, kBlack{0, 0, 0, 255}, kClear{0, 0, 0, 0};

Bitmap FromRows(std::vector<std::vector<Bgra>> rows) {
  Bitmap bitmap(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) bitmap.at(x, y) = rows[y][x];
  }
  return bitmap;
}

void PutU32(Bytes& bytes, std::size_t at, std::uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void PutU16(Bytes& bytes, std::size_t at, std::uint16_t value) {
  bytes[at] = static_cast<std::uint8_t>(value);
  bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

Bytes Mutated(Bytes bytes, const std::function<void(Bytes&)>& change) {
  change(bytes);
  return bytes;
}

Bytes Truncated(Bytes bytes, std::size_t size) {
  bytes.resize(std::min(size, bytes.size()));
  return bytes;
}

const Bitmap& OnlyFrame(const Picture& picture) {
  EXPECT_EQ(picture.decoded().frames.size(), 1u);
  return picture.decoded().frames.at(0).bitmap;
}

TEST(PictureCodecTable, TagsInClassOrderAndLookups) {
  const char* expected[] = {"TBitmap",    "TIcon",     "TMetafile",
                            "TJPEGImage", "TGIFImage", "TPNGObject"};
  ASSERT_EQ(PictureCodecs().size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(PictureCodecs()[i].tag, expected[i]);
    EXPECT_EQ(&CodecFor(static_cast<GraphicClass>(i)), &PictureCodecs()[i]);
  }
  ASSERT_NE(FindCodecByTag("TPNGOBJECT"), nullptr);
  EXPECT_EQ(FindCodecByTag("TPNGOBJECT")->graphicClass, GraphicClass::Png);
  EXPECT_EQ(FindCodecByTag("tjpegimage"), &CodecFor(GraphicClass::Jpeg));
  EXPECT_EQ(FindCodecByTag("TPNGObjec"), nullptr);
  EXPECT_EQ(FindCodecByTag("TBitmapX"), nullptr);
  EXPECT_EQ(FindCodecByTag(""), nullptr);
}

// Exact pixels after a round trip through each lossless writer; the payload is never touched.
TEST(PictureCodecs, LosslessPayloadsKeepBytesAndDecodeExactly) {
  Bitmap withAlpha = MakeTestBitmap(16, 16);
  withAlpha.at(0, 0) = Bgra{10, 20, 30, 0};  // an icon's real alpha keeps the colour under it
  withAlpha.at(5, 9) = Bgra{40, 50, 60, 128};
  const struct {
    GraphicClass graphicClass;
    Bytes payload;
    Bitmap expected;
  } cases[] = {
      {GraphicClass::Bitmap, EncodeBmp(MakeTestBitmap(13, 7)), MakeTestBitmap(13, 7)},
      {GraphicClass::Png, EncodePngFile(MakeTestBitmap(13, 7)), MakeTestBitmap(13, 7)},
      {GraphicClass::Png, EncodePngFile(withAlpha), withAlpha},
      {GraphicClass::Icon, EncodeIcoFile(withAlpha), withAlpha},
      {GraphicClass::Gif, EncodeGifFile({MakeTestBitmap(13, 7)}, {0}), MakeTestBitmap(13, 7)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(CodecFor(c.graphicClass).tag);
    auto picture = Picture::FromPayload(c.graphicClass, c.payload);
    ASSERT_TRUE(picture.ok()) << picture.error().message;
    EXPECT_EQ(picture.value().payload(), c.payload);
    EXPECT_EQ(picture.value().tag(), CodecFor(c.graphicClass).tag);
    EXPECT_EQ(picture.value().width(), c.expected.width());
    EXPECT_EQ(picture.value().height(), c.expected.height());
    EXPECT_EQ(OnlyFrame(picture.value()), c.expected);
  }
}

// Colour, grayscale and Adobe CMYK files all decode to opaque BGRA close to the source in the
// middle of its flat 12-pixel blocks.
TEST(PictureCodecs, JpegDecodesFlatAreasWithinTolerance) {
  const Bitmap source = MakeTestBitmap(64, 48);
  Bitmap gray = source;
  for (int y = 0; y < gray.height(); ++y) {
    for (int x = 0; x < gray.width(); ++x) gray.at(x, y).b = gray.at(x, y).r = gray.at(x, y).g;
  }
  const struct {
    testing_support::JpegStorage storage;
    const Bitmap& expected;
  } cases[] = {{testing_support::JpegStorage::Color, source},
               {testing_support::JpegStorage::Grayscale, gray},
               {testing_support::JpegStorage::AdobeCmyk, source}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.storage));
    const Bytes payload = EncodeJpegFile(source, 95, c.storage);
    auto picture = Picture::FromPayload(GraphicClass::Jpeg, payload);
    ASSERT_TRUE(picture.ok()) << picture.error().message;
    EXPECT_EQ(picture.value().payload(), payload);
    const Bitmap& decoded = OnlyFrame(picture.value());
    ASSERT_EQ(decoded.width(), 64);
    ASSERT_EQ(decoded.height(), 48);
    for (int y = 6; y < 48; y += 12) {
      for (int x = 6; x < 64; x += 12) {
        const Bgra want = c.expected.at(x, y), got = decoded.at(x, y);
        EXPECT_NEAR(got.b, want.b, 12) << x << "," << y;
        EXPECT_NEAR(got.g, want.g, 12) << x << "," << y;
        EXPECT_NEAR(got.r, want.r, 12) << x << "," << y;
        EXPECT_EQ(got.a, 255);
      }
    }
  }
}

TEST(PictureCodecs, MetafilesGiveNaturalSizeAndNoFrames) {
  const Bytes placeable = testing_support::MakeWmfFile();
  const Bytes plain(placeable.begin() + 22, placeable.end());
  for (const Bytes& payload : {testing_support::MakeEmfFile(), placeable, plain}) {
    auto picture = Picture::FromPayload(GraphicClass::Metafile, payload);
    ASSERT_TRUE(picture.ok()) << picture.error().message;
    EXPECT_EQ(picture.value().payload(), payload);
    EXPECT_EQ(picture.value().width(), testing_support::kMetafileWidth);
    EXPECT_EQ(picture.value().height(), testing_support::kMetafileHeight);
    EXPECT_TRUE(picture.value().decoded().frames.empty());
  }
}

// A BMP file image assembled field by field, for the layouts EncodeBmp never writes.
struct BmpLayout {
  std::uint32_t headerSize = 40;
  int width = 3;
  int height = 2;  // negative: rows stored top-down
  int bitCount = 24;
  std::uint32_t compression = 0;
  std::vector<Bgra> palette;
  std::vector<std::uint32_t> masks;  // inside headers of 52 bytes and more, else after the header
  Bytes pixels;                      // the stored rows as they appear in the file
};

Bytes BuildBmp(const BmpLayout& layout) {
  Bytes header;
  auto u16 = [&](std::uint32_t v) {
    header.insert(header.end(), {std::uint8_t(v), std::uint8_t(v >> 8)});
  };
  auto u32 = [&](std::uint32_t v) { u16(v & 0xFFFF), u16(v >> 16); };
  u32(layout.headerSize);
  if (layout.headerSize == 12) {
    u16(static_cast<std::uint32_t>(layout.width)), u16(static_cast<std::uint32_t>(layout.height));
    u16(1), u16(static_cast<std::uint32_t>(layout.bitCount));
  } else {
    u32(static_cast<std::uint32_t>(layout.width)), u32(static_cast<std::uint32_t>(layout.height));
    u16(1), u16(static_cast<std::uint32_t>(layout.bitCount)), u32(layout.compression);
    u32(static_cast<std::uint32_t>(layout.pixels.size())), u32(0), u32(0);
    u32(static_cast<std::uint32_t>(layout.palette.size())), u32(0);
    for (std::uint32_t mask : layout.masks) u32(mask);
    while (header.size() < layout.headerSize) header.push_back(0);
  }
  for (const Bgra& c : layout.palette) {
    header.insert(header.end(), {c.b, c.g, c.r});
    if (layout.headerSize != 12) header.push_back(0);
  }
  Bytes file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  file.insert(file.end(), header.begin(), header.end());
  PutU32(file, 10, static_cast<std::uint32_t>(file.size()));
  file.insert(file.end(), layout.pixels.begin(), layout.pixels.end());
  PutU32(file, 2, static_cast<std::uint32_t>(file.size()));
  return file;
}

TEST(BmpCodec, DecodesEveryStoredLayout) {
  // Most cases store this 3 x 2 picture, top row red green blue, bottom row white black red.
  const Bitmap picture = FromRows({{kRed, kGreen, kBlue}, {kWhite, kBlack, kRed}});
  const std::vector<Bgra> palette = {kBlack, kRed, kGreen, kBlue, kWhite};
  const Bytes rgbBottomUp = {
      255, 255, 255, 0, 0,   0, 0,   0, 255, 0, 0, 0,  // bottom row + padding
      0,   0,   255, 0, 255, 0, 255, 0, 0,   0, 0, 0};
  Bytes rgbTopDown(rgbBottomUp.begin() + 12, rgbBottomUp.end());
  rgbTopDown.insert(rgbTopDown.end(), rgbBottomUp.begin(), rgbBottomUp.begin() + 12);

  const struct {
    const char* name;
    BmpLayout layout;
    Bitmap expected;
  } cases[] = {
      {"24-bit bottom-up", {.pixels = rgbBottomUp}, picture},
      {"24-bit top-down", {.height = -2, .pixels = rgbTopDown}, picture},
      {"24-bit V5 header", {.headerSize = 124, .pixels = rgbBottomUp}, picture},
      {"8-bit palette",
       {.bitCount = 8, .palette = palette, .pixels = {4, 0, 1, 0, 1, 2, 3, 0}},
       picture},
      {"8-bit core header",
       {.headerSize = 12,
        .bitCount = 8,
        .palette = {kBlack, kRed, kGreen, kBlue, kWhite, kWhite, kWhite,
                    kWhite},  // core tables are not counted
        .pixels = {4, 0, 1, 0, 1, 2, 3, 0}},
       picture},
      {"4-bit palette",
       {.bitCount = 4, .palette = palette, .pixels = {0x40, 0x10, 0, 0, 0x12, 0x30, 0, 0}},
       picture},
      {"1-bit palette",
       {.bitCount = 1, .palette = {kBlack, kWhite}, .pixels = {0x60, 0, 0, 0, 0xA0, 0, 0, 0}},
       FromRows({{kWhite, kBlack, kWhite}, {kBlack, kWhite, kWhite}})},
      {"16-bit 5-5-5",
       {.bitCount = 16,
        .pixels = {0xFF, 0x7F, 0, 0, 0, 0x7C, 0, 0, 0, 0x7C, 0xE0, 0x03, 0x1F, 0, 0, 0}},
       picture},
      {"16-bit 5-6-5 bit fields",
       {.bitCount = 16,
        .compression = 3,
        .masks = {0xF800, 0x07E0, 0x001F},
        .pixels = {0xFF, 0xFF, 0, 0, 0, 0xF8, 0, 0, 0, 0xF8, 0xE0, 0x07, 0x1F, 0, 0, 0}},
       picture},
      {"32-bit with an all-zero alpha byte is opaque",
       {.width = 1, .bitCount = 32, .pixels = {255, 255, 255, 0, 0, 0, 255, 0}},
       FromRows({{kRed}, {kWhite}})},
      {"32-bit with real alpha keeps it",
       {.width = 1, .bitCount = 32, .pixels = {1, 2, 3, 0, 4, 5, 6, 128}},
       FromRows({{Bgra{4, 5, 6, 128}}, {Bgra{1, 2, 3, 0}}})},
      {"32-bit V5 bit fields in RGBA byte order",
       {.headerSize = 124,
        .width = 1,
        .bitCount = 32,
        .compression = 3,
        .masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000},
        .pixels = {10, 20, 30, 40, 50, 60, 70, 80}},
       FromRows({{Bgra{70, 60, 50, 80}}, {Bgra{30, 20, 10, 40}}})},
      {"RLE8 runs, literal, line end",
       {.bitCount = 8,
        .compression = 1,
        .palette = palette,
        .pixels = {1, 4, 1, 0, 1, 1, 0, 0, 0, 3, 1, 2, 3, 0, 0, 1}},
       picture},
      {"RLE8 delta leaves skipped pixels clear",
       {.bitCount = 8,
        .compression = 1,
        .palette = palette,
        .pixels = {1, 4, 0, 2, 2, 0, 0, 0, 3, 2, 0, 1}},
       FromRows({{kGreen, kGreen, kGreen}, {kWhite, kClear, kClear}})},
      {"RLE4 literal and alternating run",
       {.bitCount = 4,
        .compression = 2,
        .palette = palette,
        .pixels = {0, 3, 0x40, 0x10, 0, 0, 3, 0x12, 0, 1}},
       FromRows({{kRed, kGreen, kRed}, {kWhite, kBlack, kRed}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto decoded = DecodeBmp(BuildBmp(c.layout));
    ASSERT_TRUE(decoded.ok()) << decoded.error().message;
    ASSERT_EQ(decoded.value().frames.size(), 1u);
    EXPECT_EQ(decoded.value().frames[0].bitmap, c.expected);
  }
}

TEST(IcoCodec, MaskClearsPixelsWhenAlphaIsAllZero) {
  Bitmap source = MakeTestBitmap(9, 5);  // 9 wide: mask rows are padded to 32 bits
  source.at(0, 0).a = 0;
  source.at(8, 4).a = 0;
  source.at(3, 2).a = 0;
  Bytes file = EncodeIcoFile(source);
  // Zero every alpha byte of the colour rows, as icons without an alpha channel store them.
  const std::size_t pixels = 6 + 16 + 40;
  for (std::size_t i = 0; i < 9 * 5; ++i) file[pixels + 4 * i + 3] = 0;

  auto picture = Picture::FromPayload(GraphicClass::Icon, file);
  ASSERT_TRUE(picture.ok()) << picture.error().message;
  Bitmap expected = MakeTestBitmap(9, 5);
  expected.at(0, 0) = expected.at(8, 4) = expected.at(3, 2) = kClear;
  EXPECT_EQ(OnlyFrame(picture.value()), expected);
}

TEST(IcoCodec, ChoosesTheLargestImageDibOrPng) {
  const Bytes file = EncodeIcoFile({IcoImageSource{MakeTestBitmap(16, 16), false},
                                    IcoImageSource{MakeTestBitmap(32, 32), true},
                                    IcoImageSource{MakeTestBitmap(24, 24), false}});
  auto picture = Picture::FromPayload(GraphicClass::Icon, file);
  ASSERT_TRUE(picture.ok()) << picture.error().message;
  EXPECT_EQ(OnlyFrame(picture.value()), MakeTestBitmap(32, 32));

  const Bytes dibWins = EncodeIcoFile({IcoImageSource{MakeTestBitmap(16, 16), true},
                                       IcoImageSource{MakeTestBitmap(48, 40), false}});
  auto second = Picture::FromPayload(GraphicClass::Icon, dibWins);
  ASSERT_TRUE(second.ok()) << second.error().message;
  EXPECT_EQ(OnlyFrame(second.value()), MakeTestBitmap(48, 40));
}

// Three frames on an 8 x 7 screen: a full first frame, an interlaced 4 x 5 frame at (2, 1) with a
// transparent pixel and the disposal under test, then a frame hanging over the bottom-right edge.
TEST(GifCodec, ComposesFramesWithDisposalAndDelays) {
  const Bitmap base = MakeTestBitmap(8, 7);
  Bitmap middle(4, 5, kWhite);
  middle.at(1, 3) = kGreen;
  middle.at(0, 0) = kClear;  // transparent: the first frame shows through
  const Bitmap last(4, 4, kBlue);

  const struct {
    int disposal;
    Bgra underMiddle;  // what (3, 4) shows in the third frame
  } cases[] = {{1, kGreen}, {2, kClear}, {3, base.at(3, 4)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.disposal);
    const Bytes file = EncodeGifFile(8, 7,
                                     {GifFrameSource{base, 0, 0, 100, 1, false},
                                      GifFrameSource{middle, 2, 1, 250, c.disposal, true},
                                      GifFrameSource{last, 6, 5, 70, 0, false}});
    auto picture = Picture::FromPayload(GraphicClass::Gif, file);
    ASSERT_TRUE(picture.ok()) << picture.error().message;
    const auto& frames = picture.value().decoded().frames;
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_EQ(frames[0].delayMs, 100);
    EXPECT_EQ(frames[1].delayMs, 250);
    EXPECT_EQ(frames[2].delayMs, 70);
    EXPECT_EQ(frames[0].bitmap, base);

    Bitmap second = base;
    for (int y = 0; y < 5; ++y) {
      for (int x = 0; x < 4; ++x) {
        if (x != 0 || y != 0) second.at(2 + x, 1 + y) = middle.at(x, y);
      }
    }
    EXPECT_EQ(frames[1].bitmap, second);

    const Bitmap& third = frames[2].bitmap;
    EXPECT_EQ(third.at(3, 4), c.underMiddle);
    EXPECT_EQ(third.at(2, 1), c.disposal == 2 ? kClear : base.at(2, 1));
    EXPECT_EQ(third.at(0, 0), base.at(0, 0));
    EXPECT_EQ(third.at(6, 5), kBlue);
    EXPECT_EQ(third.at(7, 6), kBlue);
    EXPECT_EQ(third.at(5, 5), c.disposal == 1 ? kWhite : c.disposal == 2 ? kClear : base.at(5, 5));
  }
}

TEST(PictureFromFileImage, ContentChoosesTheClass) {
  const Bytes placeable = testing_support::MakeWmfFile();
  std::vector<std::pair<GraphicClass, Bytes>> files;
  for (const PictureCodec& codec : PictureCodecs()) {
    files.emplace_back(codec.graphicClass, testing_support::SamplePictureFile(codec.graphicClass));
  }
  files.emplace_back(GraphicClass::Metafile, placeable);
  files.emplace_back(GraphicClass::Metafile, Bytes(placeable.begin() + 22, placeable.end()));
  for (const auto& [graphicClass, bytes] : files) {
    SCOPED_TRACE(CodecFor(graphicClass).tag);
    auto picture = Picture::FromFileImage(bytes);
    ASSERT_TRUE(picture.ok()) << picture.error().message;
    EXPECT_EQ(picture.value().graphicClass(), graphicClass);
    EXPECT_EQ(picture.value().payload(), bytes);
  }
  EXPECT_FALSE(Picture::FromFileImage({'h', 'e', 'l', 'l', 'o', 0, 0, 0, 0, 0, 0, 0}).ok());
  EXPECT_FALSE(Picture::FromFileImage({}).ok());
}

TEST(PictureFromFileImage, LoadFromFileIgnoresTheExtension) {
  const auto path = std::filesystem::temp_directory_path() / "plexara_picture_test_really_png.bmp";
  const Bytes png = EncodePngFile(MakeTestBitmap(5, 4));
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  }
  auto picture = Picture::LoadFromFile(path.string());
  std::filesystem::remove(path);
  ASSERT_TRUE(picture.ok()) << picture.error().message;
  EXPECT_EQ(picture.value().graphicClass(), GraphicClass::Png);
  EXPECT_EQ(picture.value().payload(), png);
  EXPECT_FALSE(Picture::LoadFromFile(path.string()).ok());
}

TEST(PictureBasics, EmptyFromBitmapAndSharedDecode) {
  const Picture empty;
  EXPECT_TRUE(empty.empty());
  EXPECT_EQ(empty.tag(), "");
  EXPECT_TRUE(empty.decoded().frames.empty());
  EXPECT_EQ(empty.width(), 0);

  const Bitmap bitmap = MakeTestBitmap(6, 3);
  const Picture picture = Picture::FromBitmap(bitmap);
  EXPECT_EQ(picture.tag(), "TBitmap");
  EXPECT_EQ(picture.payload(), EncodeBmp(bitmap));
  EXPECT_EQ(OnlyFrame(picture), bitmap);
  const Picture copy = picture;
  EXPECT_EQ(copy, picture);
  EXPECT_EQ(&copy.decoded(), &picture.decoded());
}

// Rewrites the CRC of the PNG chunk starting at `at` after its data was changed.
void FixPngCrc(Bytes& png, std::size_t at) {
  const std::size_t length =
      (png[at] << 24) | (png[at + 1] << 16) | (png[at + 2] << 8) | png[at + 3];
  const std::uint32_t crc =
      static_cast<std::uint32_t>(crc32(0, png.data() + at + 4, static_cast<uInt>(length + 4)));
  for (int i = 0; i < 4; ++i)
    png[at + 8 + length + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
}

void SetPngSize(Bytes& png, std::uint32_t width, std::uint32_t height) {
  for (int i = 0; i < 4; ++i) {
    png[16 + i] = static_cast<std::uint8_t>(width >> (24 - 8 * i));
    png[20 + i] = static_cast<std::uint8_t>(height >> (24 - 8 * i));
  }
  FixPngCrc(png, 8);
}

std::size_t FindJpegFrameHeader(const Bytes& jpeg) {
  for (std::size_t i = 2; i + 9 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && (jpeg[i + 1] == 0xC0 || jpeg[i + 1] == 0xC2)) return i;
  }
  ADD_FAILURE() << "no frame header";
  return 0;
}

void SetJpegSize(Bytes& jpeg, std::uint16_t width, std::uint16_t height) {
  const std::size_t at = FindJpegFrameHeader(jpeg);
  jpeg[at + 5] = static_cast<std::uint8_t>(height >> 8),
            jpeg[at + 6] = static_cast<std::uint8_t>(height);
  jpeg[at + 7] = static_cast<std::uint8_t>(width >> 8),
            jpeg[at + 8] = static_cast<std::uint8_t>(width);
}

void FixWmfChecksum(Bytes& wmf) {
  std::uint16_t checksum = 0;
  for (std::size_t at = 0; at < 20; at += 2)
    checksum ^= static_cast<std::uint16_t>(wmf[at] | (wmf[at + 1] << 8));
  PutU16(wmf, 20, checksum);
}

TEST(PictureCodecs, DamagedPayloadsFailCleanly) {
  const Bytes bmp = EncodeBmp(MakeTestBitmap(8, 6));
  const Bytes ico = EncodeIcoFile(MakeTestBitmap(8, 8));
  const Bytes png = EncodePngFile(MakeTestBitmap(8, 6));
  const Bytes jpeg = EncodeJpegFile(MakeTestBitmap(16, 16), 90);
  const Bytes gif = EncodeGifFile({MakeTestBitmap(8, 6), MakeTestBitmap(8, 6)}, {10, 10});
  const Bytes emf = testing_support::MakeEmfFile();
  const Bytes wmf = testing_support::MakeWmfFile();
  constexpr std::size_t kGifFrame = 13 + 8;  // screen descriptor, then the first control extension
  constexpr std::size_t kEmfSecondRecord = 108;
  constexpr std::size_t kWmfFirstRecord = 22 + 18;

  const struct {
    const char* name;
    GraphicClass graphicClass;
    Bytes payload;
  } cases[] = {
      {"BMP empty", GraphicClass::Bitmap, {}},
      {"BMP file header only", GraphicClass::Bitmap, Truncated(bmp, 14)},
      {"BMP truncated pixels", GraphicClass::Bitmap, Truncated(bmp, bmp.size() / 2)},
      {"BMP bad magic", GraphicClass::Bitmap, Mutated(bmp, [](Bytes& b) { b[1] = 'X'; })},
      {"BMP header claims V5", GraphicClass::Bitmap,
       Mutated(bmp, [](Bytes& b) { PutU32(b, 14, 124); })},
      {"BMP unknown header size", GraphicClass::Bitmap,
       Mutated(bmp, [](Bytes& b) { PutU32(b, 14, 41); })},
      {"BMP pixel offset past end", GraphicClass::Bitmap,
       Mutated(bmp, [](Bytes& b) { PutU32(b, 10, 0xFFFFFF00); })},
      {"BMP pixel offset in header", GraphicClass::Bitmap,
       Mutated(bmp, [](Bytes& b) { PutU32(b, 10, 4); })},
      {"BMP huge width", GraphicClass::Bitmap,
       Mutated(bmp, [](Bytes& b) { PutU32(b, 18, 1000000); })},
      {"BMP width fits, rows do not", GraphicClass::Bitmap,
       Mutated(bmp, [](Bytes& b) { PutU32(b, 18, 16000); })},
      {"BMP huge height", GraphicClass::Bitmap,
       Mutated(bmp, [](Bytes& b) { PutU32(b, 22, 0x7FFFFFFF); })},
      {"BMP most negative height", GraphicClass::Bitmap,
       Mutated(bmp, [](Bytes& b) { PutU32(b, 22, 0x80000000); })},
      {"BMP zero width", GraphicClass::Bitmap, Mutated(bmp, [](Bytes& b) { PutU32(b, 18, 0); })},
      {"BMP negative width", GraphicClass::Bitmap,
       Mutated(bmp, [](Bytes& b) { PutU32(b, 18, 0xFFFFFFF0); })},
      {"BMP zero height", GraphicClass::Bitmap, Mutated(bmp, [](Bytes& b) { PutU32(b, 22, 0); })},
      {"BMP 7 bits per pixel", GraphicClass::Bitmap,
       Mutated(bmp, [](Bytes& b) { PutU16(b, 28, 7); })},
      {"BMP embedded JPEG", GraphicClass::Bitmap, Mutated(bmp, [](Bytes& b) { PutU32(b, 30, 4); })},
      {"BMP RLE8 at 32 bits", GraphicClass::Bitmap,
       Mutated(bmp, [](Bytes& b) { PutU32(b, 30, 1); })},

      {"ICO truncated", GraphicClass::Icon, Truncated(ico, ico.size() / 2)},
      {"ICO directory only", GraphicClass::Icon, Truncated(ico, 6)},
      {"ICO no images", GraphicClass::Icon, Mutated(ico, [](Bytes& b) { PutU16(b, 4, 0); })},
      {"ICO more entries than present", GraphicClass::Icon,
       Mutated(ico, [](Bytes& b) { PutU16(b, 4, 900); })},
      {"ICO wrong type", GraphicClass::Icon, Mutated(ico, [](Bytes& b) { PutU16(b, 2, 3); })},
      {"ICO image size past end", GraphicClass::Icon,
       Mutated(ico, [](Bytes& b) { PutU32(b, 14, 1u << 20); })},
      {"ICO image offset past end", GraphicClass::Icon,
       Mutated(ico, [](Bytes& b) { PutU32(b, 18, 0xFFFFFFF0); })},
      {"ICO offset plus size wraps", GraphicClass::Icon,
       Mutated(ico, [](Bytes& b) { PutU32(b, 14, 0xFFFFFFFF), PutU32(b, 18, 0xFFFFFFFF); })},
      {"ICO huge DIB width", GraphicClass::Icon,
       Mutated(ico, [](Bytes& b) { PutU32(b, 26, 0x7FFFFFFF); })},
      {"ICO zero DIB height", GraphicClass::Icon, Mutated(ico, [](Bytes& b) { PutU32(b, 30, 1); })},
      {"ICO mask cut off", GraphicClass::Icon,
       Mutated(Truncated(ico, ico.size() - 8),
               [](Bytes& b) {
                 PutU32(b, 14, static_cast<std::uint32_t>(b.size() - 22));
                 for (std::size_t i = 0; i < 64; ++i)
                   b[62 + 4 * i + 3] = 0;  // no alpha: the mask is needed
               })},

      {"PNG truncated", GraphicClass::Png, Truncated(png, png.size() / 2)},
      {"PNG signature only", GraphicClass::Png, Truncated(png, 8)},
      {"PNG bad magic", GraphicClass::Png, Mutated(png, [](Bytes& b) { b[1] = 'X'; })},
      {"PNG header CRC wrong", GraphicClass::Png, Mutated(png, [](Bytes& b) { b[17] ^= 1; })},
      {"PNG huge size", GraphicClass::Png,
       Mutated(png, [](Bytes& b) { SetPngSize(b, 20000, 20000); })},
      {"PNG zero width", GraphicClass::Png, Mutated(png, [](Bytes& b) { SetPngSize(b, 0, 6); })},
      {"PNG more rows than data", GraphicClass::Png,
       Mutated(png, [](Bytes& b) { SetPngSize(b, 8, 600); })},

      {"JPEG truncated", GraphicClass::Jpeg, Truncated(jpeg, jpeg.size() / 2)},
      {"JPEG start marker only", GraphicClass::Jpeg, Truncated(jpeg, 3)},
      {"JPEG bad magic", GraphicClass::Jpeg, Mutated(jpeg, [](Bytes& b) { b[1] = 0xD9; })},
      {"JPEG huge size", GraphicClass::Jpeg,
       Mutated(jpeg, [](Bytes& b) { SetJpegSize(b, 65000, 65000); })},
      {"JPEG zero height", GraphicClass::Jpeg,
       Mutated(jpeg, [](Bytes& b) { SetJpegSize(b, 16, 0); })},

      {"GIF truncated", GraphicClass::Gif, Truncated(gif, gif.size() / 2)},
      {"GIF screen only", GraphicClass::Gif, Truncated(gif, 13)},
      {"GIF bad magic", GraphicClass::Gif, Mutated(gif, [](Bytes& b) { b[3] = '6'; })},
      {"GIF zero screen", GraphicClass::Gif, Mutated(gif, [](Bytes& b) { PutU16(b, 6, 0); })},
      {"GIF huge screen", GraphicClass::Gif,
       Mutated(gif, [](Bytes& b) { PutU16(b, 6, 65535), PutU16(b, 8, 65535); })},
      {"GIF huge frame", GraphicClass::Gif,
       Mutated(
           gif,
           [&](Bytes& b) { PutU16(b, kGifFrame + 5, 65535), PutU16(b, kGifFrame + 7, 65535); })},
      {"GIF frame taller than its data", GraphicClass::Gif,
       Mutated(gif, [&](Bytes& b) { PutU16(b, kGifFrame + 7, 4000); })},

      {"EMF truncated", GraphicClass::Metafile, Truncated(emf, emf.size() / 2)},
      {"EMF size past data", GraphicClass::Metafile,
       Mutated(emf, [](Bytes& b) { PutU32(b, 48, 4096); })},
      {"EMF bad signature", GraphicClass::Metafile, Mutated(emf, [](Bytes& b) { b[41] = 'X'; })},
      {"EMF record size not a multiple of 4", GraphicClass::Metafile,
       Mutated(emf, [&](Bytes& b) { PutU32(b, kEmfSecondRecord + 4, 26); })},
      {"EMF record size zero", GraphicClass::Metafile,
       Mutated(emf, [&](Bytes& b) { PutU32(b, kEmfSecondRecord + 4, 0); })},
      {"EMF record past the end", GraphicClass::Metafile,
       Mutated(emf, [&](Bytes& b) { PutU32(b, kEmfSecondRecord + 4, 4000); })},
      {"EMF without end record", GraphicClass::Metafile,
       Mutated(Truncated(emf, emf.size() - 20),
               [](Bytes& b) { PutU32(b, 48, static_cast<std::uint32_t>(b.size())); })},
      {"EMF header size too small", GraphicClass::Metafile,
       Mutated(emf, [](Bytes& b) { PutU32(b, 4, 8); })},
      // Without a reference device size the frame is unusable and the bounds decide.
      {"EMF empty bounds", GraphicClass::Metafile,
       Mutated(emf,
               [](Bytes& b) {
                 PutU32(b, 80, 0), PutU32(b, 16, 0xFFFFFFFF), PutU32(b, 20, 0xFFFFFFFF);
               })},
      {"EMF huge bounds", GraphicClass::Metafile,
       Mutated(emf, [](Bytes& b) { PutU32(b, 80, 0), PutU32(b, 16, 0x7FFFFFFF); })},

      {"WMF truncated", GraphicClass::Metafile, Truncated(wmf, wmf.size() - 6)},
      {"WMF bad checksum", GraphicClass::Metafile, Mutated(wmf, [](Bytes& b) { b[20] ^= 1; })},
      {"WMF zero units per inch", GraphicClass::Metafile,
       Mutated(wmf, [](Bytes& b) { PutU16(b, 14, 0), FixWmfChecksum(b); })},
      {"WMF empty box", GraphicClass::Metafile,
       Mutated(wmf, [](Bytes& b) { PutU16(b, 10, 0), FixWmfChecksum(b); })},
      {"WMF bad header", GraphicClass::Metafile, Mutated(wmf, [](Bytes& b) { PutU16(b, 24, 7); })},
      {"WMF record size zero", GraphicClass::Metafile,
       Mutated(wmf, [&](Bytes& b) { PutU32(b, kWmfFirstRecord, 0); })},
      {"WMF record past the end", GraphicClass::Metafile,
       Mutated(wmf, [&](Bytes& b) { PutU32(b, kWmfFirstRecord, 0x7FFFFFFF); })},
      {"plain WMF without window extent", GraphicClass::Metafile,
       Mutated(Bytes(wmf.begin() + 22, wmf.end()),
               [](Bytes& b) { PutU16(b, 18 + 10 + 4, 0x020D); })},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto picture = Picture::FromPayload(c.graphicClass, c.payload);
    EXPECT_FALSE(picture.ok());
    if (!picture.ok()) {
      EXPECT_FALSE(picture.error().message.empty());
    }
  }
}

}  // namespace
}  // namespace plexara
