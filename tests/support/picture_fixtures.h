// Picture fixtures made by code: small deterministic bitmaps and their file images in each of the
// six picture formats, written with the libraries' own encoders (PNG, JPEG, GIF) or with small
// writers of ours (ICO, EMF, WMF). Used by the codec tests and to seed the picture fuzz targets.
// Portable: the metafiles are built byte by byte, never through GDI.
#pragma once

#include <cstdint>
#include <vector>

#include "storage/bitmap.h"
#include "storage/codecs/picture_codec.h"

namespace plexara::testing_support {

// Opaque square blocks of seven saturated colours, a quarter of the smaller side wide (at least
// one pixel), so even a tiny picture shows a pattern a flipped or shifted decode would break, and
// a larger one has flat areas a lossy codec keeps.
Bitmap MakeTestBitmap(int width, int height);

std::vector<std::uint8_t> EncodePngFile(const Bitmap& bitmap);
// How the JPEG stores colour: YCbCr from the bitmap, grayscale from its green channel, or Adobe's
// inverted CMYK.
enum class JpegStorage { Color, Grayscale, AdobeCmyk };
std::vector<std::uint8_t> EncodeJpegFile(const Bitmap& bitmap, int quality,
                                         JpegStorage storage = JpegStorage::Color);

// One GIF frame: its pixels (alpha 0 marks transparent pixels), position on the logical screen,
// delay, disposal method (0..3 as stored) and whether its rows are stored interlaced.
struct GifFrameSource {
  Bitmap image;
  int left = 0;
  int top = 0;
  int delayMs = 0;
  int disposal = 0;
  bool interlaced = false;
};
// Each frame may use at most 255 colours (one index is kept for transparency).
std::vector<std::uint8_t> EncodeGifFile(int screenWidth, int screenHeight,
                                        const std::vector<GifFrameSource>& frames);
// Full-screen frames of equal size, each with its delay.
std::vector<std::uint8_t> EncodeGifFile(const std::vector<Bitmap>& frames,
                                        const std::vector<int>& delaysMs);

// One icon image: a 32-bit DIB with an AND mask set where alpha is 0, or an embedded PNG.
struct IcoImageSource {
  Bitmap bitmap;
  bool asPng = false;
};
std::vector<std::uint8_t> EncodeIcoFile(const std::vector<IcoImageSource>& images);
std::vector<std::uint8_t> EncodeIcoFile(const Bitmap& bitmap);

// The metafile fixtures: a kMetafileWidth x kMetafileHeight pixel picture (at its reference
// resolution) with a rectangle of kMetafileRectColor from (20, 20) to (100, 60) on nothing.
inline constexpr int kMetafileWidth = 120;
inline constexpr int kMetafileHeight = 80;
inline constexpr Bgra kMetafileRectColor{0, 0, 255, 255};
std::vector<std::uint8_t> MakeEmfFile();
// A placeable WMF; without its first 22 bytes it is a plain WMF that sets its window extent.
std::vector<std::uint8_t> MakeWmfFile();

// One small valid file image of the class.
std::vector<std::uint8_t> SamplePictureFile(GraphicClass graphicClass);

}  // namespace plexara::testing_support
