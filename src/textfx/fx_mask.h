// The coverage mask of one text run (0 = no ink, 255 = full ink) at screen size, the supersampling
// quality it is built at, and the effects that reshape it in place: outline, spray, mirrors and
// blur, each in integer arithmetic with fixed rounding so results are exact on every build.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace plexara {

class TFxRandom;

// Supersampling of the mask: the run is drawn at `scale` times the screen size and shrunk.
enum class TFxQuality : std::uint8_t { aqHigh, aqNormal, aqLow, aqNone };

// 4, 3, 2 and 1 for aqHigh, aqNormal, aqLow and aqNone.
int FxQualityScale(TFxQuality quality);

// A row index outside the mask.
class EInvalidLine : public std::runtime_error {
 public:
  EInvalidLine() : std::runtime_error("Invalid line!") {}
};

class TFxMask {
 public:
  TFxMask() = default;

  TFxQuality Quality() const { return quality_; }
  // Also sets the scale factor; the bytes stay as they are.
  void SetQuality(TFxQuality quality) { quality_ = quality; }
  int Scale() const { return FxQualityScale(quality_); }

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Stride() const { return stride_; }  // Width() rounded up to a multiple of 4

  // Resizes to width × height (negative sizes count as 0) with every byte 0.
  void SetSize(int width, int height);

  // Row y, 0 at the top; EInvalidLine when y is outside 0…Height()−1.
  std::uint8_t* ScanLine(int y);
  const std::uint8_t* ScanLine(int y) const;
  // Unchecked access for callers that already keep within the mask.
  std::uint8_t* Row(int y) { return bytes_.data() + static_cast<std::size_t>(y) * stride_; }
  const std::uint8_t* Row(int y) const {
    return bytes_.data() + static_cast<std::size_t>(y) * stride_;
  }
  std::uint8_t At(int x, int y) const { return Row(y)[x]; }
  std::uint8_t& At(int x, int y) { return Row(y)[x]; }

  // Fills every mask pixel from its Scale() × Scale() block of `samples` (8-bit rows of
  // `sampleStride` bytes covering at least Width() × Scale() by Height() × Scale() samples) by the
  // table of TFxQuality: aqHigh sum of 4×4 >> 4; aqNormal 3×3 with the top-right and bottom-left
  // samples halved (>> 1) first, sum >> 3; aqLow sum of 2×2 >> 2; aqNone the sample itself.
  void Downsample(const std::uint8_t* samples, std::size_t sampleStride);

  // Replaces the glyphs by their edges (interior pixels only; masks of fewer than 3 rows stay).
  void Outline();
  // Moves every pixel, in reading order and in place, to a random neighbour within `radius`.
  void Spray(int radius, TFxRandom& random);
  void HorzMirror();  // reverses every row
  void VertMirror();  // reverses the order of the rows
  // Blur with strength 1…100 (0 leaves the mask alone): the rounded 5×5 average (edges clamped)
  // is mixed in with k = round(strength × 255 ÷ 100), ties to even.
  void Blur(int strength);

  friend bool operator==(const TFxMask&, const TFxMask&) = default;

 private:
  TFxQuality quality_ = TFxQuality::aqHigh;
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  std::vector<std::uint8_t> bytes_;
};

// k = round(strength × 255 ÷ 100) with ties to even, for strength 0…100.
int FxBlurFactor(int strength);

}  // namespace plexara
