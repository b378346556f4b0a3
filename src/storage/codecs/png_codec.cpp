// The libpng adapter for "TPNGObject" payloads (and PNG images inside icons). libpng reports
// errors by longjmp; that mechanism stays inside this file and leaves it as a Result error. Every
// PNG colour type and depth is converted to 8-bit BGRA without gamma correction, so pixels come out
// as stored, the way the program's other picture classes show them.
#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include "storage/codecs/picture_codec.h"

namespace plexara {
namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// Everything the libpng callbacks and the jump target touch lives here, outside the function that
// calls setjmp, so nothing it needs after a jump is a local variable changed since the setjmp.
struct PngReadState {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ByteSpan input;
  std::size_t position = 0;
  char message[96] = "PNG data is damaged";
  Bitmap bitmap;
  std::vector<png_bytep> rows;
};

void OnError(png_structp png, png_const_charp message) {
  auto* state = static_cast<PngReadState*>(png_get_error_ptr(png));
  std::snprintf(state->message, sizeof state->message, "PNG: %s", message);
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}  // damaged ancillary chunks are simply skipped

void OnRead(png_structp png, png_bytep out, png_size_t size) {
  auto* state = static_cast<PngReadState*>(png_get_io_ptr(png));
  if (size > state->input.size() - state->position) png_error(png, "data is truncated");
  std::memcpy(out, state->input.data() + state->position, size);
  state->position += size;
}

// Runs libpng over the whole image; false with state.message set on failure.
bool ReadImage(PngReadState& state) {
  if (setjmp(png_jmpbuf(state.png))) return false;
  png_set_read_fn(state.png, &state, OnRead);
  png_set_user_limits(state.png, kMaxPictureSide, kMaxPictureSide);
  png_read_info(state.png, state.info);

  const png_uint_32 width = png_get_image_width(state.png, state.info);
  const png_uint_32 height = png_get_image_height(state.png, state.info);
  if (!PictureSizeAllowed(width, height)) {
    std::snprintf(state.message, sizeof state.message, "PNG size is out of range");
    return false;
  }
  const int colorType = png_get_color_type(state.png, state.info);
  const int bitDepth = png_get_bit_depth(state.png, state.info);
  if (bitDepth == 16) png_set_scale_16(state.png);
  if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(state.png);
  if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(state.png);
  if (png_get_valid(state.png, state.info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(state.png);
  if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) {
    png_set_gray_to_rgb(state.png);
  }
  png_set_bgr(state.png);
  png_set_add_alpha(state.png, 0xFF, PNG_FILLER_AFTER);  // only where the file has no alpha
  png_set_interlace_handling(state.png);
  png_read_update_info(state.png, state.info);
  if (png_get_rowbytes(state.png, state.info) != static_cast<png_size_t>(width) * 4) {
    std::snprintf(state.message, sizeof state.message, "PNG pixel format is not supported");
    return false;
  }

  state.bitmap = Bitmap(static_cast<int>(width), static_cast<int>(height));
  state.rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) {
    state.rows[y] = reinterpret_cast<png_bytep>(state.bitmap.row(static_cast<int>(y)));
  }
  png_read_image(state.png, state.rows.data());
  // The chunks after the image data are not needed to show it; a file cut after its last image
  // byte still shows whole.
  return true;
}

}  // namespace

bool SniffPng(ByteSpan bytes) {
  return bytes.size() >= sizeof kSignature &&
         std::memcmp(bytes.data(), kSignature, sizeof kSignature) == 0;
}

Result<DecodedPicture> DecodePng(ByteSpan bytes) {
  if (!SniffPng(bytes)) return MakeError("not a PNG file");
  PngReadState state;
  state.input = bytes;
  state.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, OnError, OnWarning);
  if (state.png == nullptr) return MakeError("PNG decoder could not start");
  state.info = png_create_info_struct(state.png);
  const bool ok = state.info != nullptr && ReadImage(state);
  png_destroy_read_struct(&state.png, state.info ? &state.info : nullptr, nullptr);
  if (!ok) return MakeError(state.message);

  DecodedPicture picture;
  picture.width = state.bitmap.width();
  picture.height = state.bitmap.height();
  picture.frames.push_back(PictureFrame{std::move(state.bitmap), 0});
  return picture;
}

}  // namespace plexara
