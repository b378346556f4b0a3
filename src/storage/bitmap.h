// The one pixel type of the project: 32-bit BGRA, top-down rows, no padding, which is exactly the
// memory layout of a top-down 32-bit DIB, so the Win32 side can wrap it without copying.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace plexara {

// Largest picture we agree to decode. Pictures on a menu page are screen-sized; this leaves room
// for large photos in slide shows while keeping a hostile header from asking for gigabytes.
inline constexpr int kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPicturePixels = 64LL * 1024 * 1024;  // 256 MiB of BGRA

// True when a width x height picture (or the sum of several frames) fits the caps above.
inline bool PictureSizeAllowed(std::int64_t width, std::int64_t height, std::int64_t frames = 1) {
  if (width <= 0 || height <= 0 || frames <= 0) return false;
  if (width > kMaxPictureSide || height > kMaxPictureSide) return false;
  return width * height * frames <= kMaxPicturePixels;
}

struct Bgra {
  std::uint8_t b = 0, g = 0, r = 0, a = 0;
  friend bool operator==(const Bgra&, const Bgra&) = default;
};
static_assert(sizeof(Bgra) == 4);

class Bitmap {
 public:
  Bitmap() = default;
  // Callers check PictureSizeAllowed (or their own smaller limit) before asking for pixels.
  Bitmap(int width, int height, Bgra fill = {})
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return pixels_.empty(); }

  Bgra* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  const Bgra* row(int y) const { return pixels_.data() + static_cast<std::size_t>(y) * width_; }
  Bgra& at(int x, int y) { return row(y)[x]; }
  const Bgra& at(int x, int y) const { return row(y)[x]; }
  Bgra* data() { return pixels_.data(); }
  const Bgra* data() const { return pixels_.data(); }

  friend bool operator==(const Bitmap&, const Bitmap&) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Bgra> pixels_;
};

}  // namespace plexara
