#include "textfx/fx_mask.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "textfx/fx_random.h"
#include "textfx/fx_scratch.h"

namespace plexara {

int FxQualityScale(TFxQuality quality) {
  switch (quality) {
    case TFxQuality::aqHigh:
      return 4;
    case TFxQuality::aqNormal:
      return 3;
    case TFxQuality::aqLow:
      return 2;
    case TFxQuality::aqNone:
      return 1;
  }
  return 1;
}

int FxBlurFactor(int strength) {
  const int scaled = strength * 255;
  int k = scaled / 100;
  const int rest = scaled % 100;
  if (rest > 50 || (rest == 50 && (k & 1) != 0)) ++k;
  return k;
}

void TFxMask::SetSize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  stride_ = (width_ + 3) & ~3;
  bytes_.assign(static_cast<std::size_t>(stride_) * height_, 0);
}

std::uint8_t* TFxMask::ScanLine(int y) {
  if (y < 0 || y >= height_) throw EInvalidLine();
  return Row(y);
}

const std::uint8_t* TFxMask::ScanLine(int y) const {
  if (y < 0 || y >= height_) throw EInvalidLine();
  return Row(y);
}

void TFxMask::Downsample(const std::uint8_t* samples, std::size_t sampleStride) {
  const int w = width_;
  if (w == 0 || height_ == 0) return;
  switch (quality_) {
    case TFxQuality::aqHigh: {
      // Column sums of the four sample rows first (whole rows, vectorisable), then groups of four.
      std::vector<std::uint16_t>& columns = FxScratch<std::uint16_t, FxScratchSlot::ColumnSums>();
      columns.resize(static_cast<std::size_t>(w) * 4);
      for (int y = 0; y < height_; ++y) {
        const std::uint8_t* r0 = samples + static_cast<std::size_t>(y) * 4 * sampleStride;
        const std::uint8_t* r1 = r0 + sampleStride;
        const std::uint8_t* r2 = r1 + sampleStride;
        const std::uint8_t* r3 = r2 + sampleStride;
        std::uint16_t* col = columns.data();
        for (int i = 0; i < w * 4; ++i) {
          col[i] = static_cast<std::uint16_t>(r0[i] + r1[i] + r2[i] + r3[i]);
        }
        std::uint8_t* out = Row(y);
        for (int x = 0; x < w; ++x) {
          const std::uint16_t* c = col + x * 4;
          out[x] = static_cast<std::uint8_t>((c[0] + c[1] + c[2] + c[3]) >> 4);
        }
      }
      break;
    }
    case TFxQuality::aqNormal: {
      for (int y = 0; y < height_; ++y) {
        const std::uint8_t* r0 = samples + static_cast<std::size_t>(y) * 3 * sampleStride;
        const std::uint8_t* r1 = r0 + sampleStride;
        const std::uint8_t* r2 = r1 + sampleStride;
        std::uint8_t* out = Row(y);
        for (int x = 0; x < w; ++x) {
          const int i = x * 3;
          const int sum = r0[i] + r0[i + 1] + (r0[i + 2] >> 1) +  //
                          r1[i] + r1[i + 1] + r1[i + 2] +         //
                          (r2[i] >> 1) + r2[i + 1] + r2[i + 2];
          out[x] = static_cast<std::uint8_t>(sum >> 3);
        }
      }
      break;
    }
    case TFxQuality::aqLow: {
      for (int y = 0; y < height_; ++y) {
        const std::uint8_t* r0 = samples + static_cast<std::size_t>(y) * 2 * sampleStride;
        const std::uint8_t* r1 = r0 + sampleStride;
        std::uint8_t* out = Row(y);
        for (int x = 0; x < w; ++x) {
          const int i = x * 2;
          out[x] = static_cast<std::uint8_t>((r0[i] + r0[i + 1] + r1[i] + r1[i + 1]) >> 2);
        }
      }
      break;
    }
    case TFxQuality::aqNone: {
      for (int y = 0; y < height_; ++y) {
        std::memcpy(Row(y), samples + static_cast<std::size_t>(y) * sampleStride,
                    static_cast<std::size_t>(w));
      }
      break;
    }
  }
}

void TFxMask::Outline() {
  if (height_ < 3 || width_ < 3) return;
  std::vector<std::uint8_t>& source = FxScratch<std::uint8_t, FxScratchSlot::MaskCopy>();
  source.assign(bytes_.begin(), bytes_.end());
  const auto at = [&](int x, int y) {
    return static_cast<int>(source[static_cast<std::size_t>(y) * stride_ + x]);
  };
  for (int y = 1; y <= height_ - 2; ++y) {
    std::uint8_t* out = Row(y);
    for (int x = 1; x <= width_ - 2; ++x) {
      const int sum =
          std::abs(at(x + 1, y + 1) - at(x - 1, y - 1)) + std::abs(at(x, y + 1) - at(x, y - 1)) +
          std::abs(at(x + 1, y) - at(x - 1, y)) + std::abs(at(x - 1, y + 1) - at(x + 1, y - 1));
      out[x] = static_cast<std::uint8_t>(std::min(255, sum / 4));
    }
  }
}

void TFxMask::Spray(int radius, TFxRandom& random) {
  if (width_ == 0 || height_ == 0) return;
  radius = std::max(radius, 0);
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* out = Row(y);
    for (int x = 0; x < width_; ++x) {
      const int c = random.Next(radius + 1);
      const int sx = std::clamp(x + c - random.Next(2 * c), 0, width_ - 1);
      const int sy = std::clamp(y + c - random.Next(2 * c), 0, height_ - 1);
      out[x] = Row(sy)[sx];
    }
  }
}

void TFxMask::HorzMirror() {
  for (int y = 0; y < height_; ++y) std::reverse(Row(y), Row(y) + width_);
}

void TFxMask::VertMirror() {
  for (int top = 0, bottom = height_ - 1; top < bottom; ++top, --bottom) {
    std::swap_ranges(Row(top), Row(top) + stride_, Row(bottom));
  }
}

void TFxMask::Blur(int strength) {
  if (strength <= 0 || width_ == 0 || height_ == 0) return;
  const int k = FxBlurFactor(std::min(strength, 100));
  const int w = width_;
  const int h = height_;
  // The 5×5 sum with clamped neighbours is separable: clamped sums of five along each row, then
  // of five such rows. Both stay exact integers (at most 25 × 255). Rows are padded with copies
  // of their edge pixels so the inner loops are plain, vectorisable sums.
  std::vector<std::uint16_t>& rowSums = FxScratch<std::uint16_t, FxScratchSlot::BlurRowSums>();
  rowSums.resize(static_cast<std::size_t>(w) * h);
  std::vector<std::uint8_t>& padded = FxScratch<std::uint8_t, FxScratchSlot::BlurPaddedRow>();
  padded.resize(static_cast<std::size_t>(w) + 4);
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* in = Row(y);
    padded[0] = padded[1] = in[0];
    std::memcpy(padded.data() + 2, in, static_cast<std::size_t>(w));
    padded[w + 2] = padded[w + 3] = in[w - 1];
    const std::uint8_t* p = padded.data();
    std::uint16_t* sums = rowSums.data() + static_cast<std::size_t>(y) * w;
    for (int x = 0; x < w; ++x) {
      sums[x] = static_cast<std::uint16_t>(p[x] + p[x + 1] + p[x + 2] + p[x + 3] + p[x + 4]);
    }
  }
  for (int y = 0; y < h; ++y) {
    const std::uint16_t* r[5];
    for (int d = -2; d <= 2; ++d) {
      r[d + 2] = rowSums.data() + static_cast<std::size_t>(std::clamp(y + d, 0, h - 1)) * w;
    }
    std::uint8_t* out = Row(y);
    // S ÷ 25 is never exactly half-way, so rounding it (ties to even) is (S + 12) ÷ 25.
    if (k == 255) {
      for (int x = 0; x < w; ++x) {
        out[x] =
            static_cast<std::uint8_t>((r[0][x] + r[1][x] + r[2][x] + r[3][x] + r[4][x] + 12) / 25);
      }
    } else {
      for (int x = 0; x < w; ++x) {
        const int a = (r[0][x] + r[1][x] + r[2][x] + r[3][x] + r[4][x] + 12) / 25;
        const int p = out[x];
        // >> on a negative int is an arithmetic shift in C++20: the floor of the division by 256.
        out[x] = static_cast<std::uint8_t>((p + (((a - p) * k) >> 8)) & 0xFF);
      }
    }
  }
}

}  // namespace plexara
