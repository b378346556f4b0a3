// The libjpeg (libjpeg-turbo) adapter for "TJPEGImage" payloads. libjpeg reports fatal errors
// through error_exit, which here jumps back to this file and becomes a Result error; its messages
// never reach standard error. Colour, grayscale and CMYK (including Adobe's inverted CMYK) files
// come out as opaque BGRA.
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

// jpeglib.h uses FILE and size_t without declaring them, and jerror.h needs jpeglib.h.
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "storage/codecs/picture_codec.h"

namespace plexara {
namespace {

// A progressive file may hold any number of scans, each one a pass over the whole image; real
// encoders write about ten. A hostile file with thousands of tiny scans would only burn time.
constexpr int kMaxScans = 500;

struct ErrorManager {
  jpeg_error_mgr base;  // first member: libjpeg hands us a pointer to it
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX + 8];  // room for the "JPEG: " prefix
};

// Everything the jump target needs lives here, outside the function that calls setjmp.
struct JpegReadState {
  jpeg_decompress_struct info;
  ErrorManager error;
  jpeg_progress_mgr progress;
  Bitmap bitmap;
  std::vector<JSAMPLE> cmykRow;
};

[[noreturn]] void OnErrorExit(j_common_ptr info) {
  auto* error = reinterpret_cast<ErrorManager*>(info->err);
  char text[JMSG_LENGTH_MAX];
  (*info->err->format_message)(info, text);
  std::snprintf(error->message, sizeof error->message, "JPEG: %s", text);
  std::longjmp(error->jump, 1);
}

void OnOutputMessage(j_common_ptr) {}  // nothing libjpeg says is printed

// Warnings about damaged data are tolerated, as every viewer does, except the end of the data:
// libjpeg would pad the missing rows with grey, but a file that was cut short is damaged.
void OnEmitMessage(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
    auto* error = reinterpret_cast<ErrorManager*>(info->err);
    std::snprintf(error->message, sizeof error->message, "JPEG data is truncated");
    std::longjmp(error->jump, 1);
  }
  if (level < 0) ++info->err->num_warnings;
}

void OnProgress(j_common_ptr info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->is_decompressor && decompress->input_scan_number > kMaxScans) {
    auto* error = reinterpret_cast<ErrorManager*>(info->err);
    std::snprintf(error->message, sizeof error->message, "JPEG has too many scans");
    std::longjmp(error->jump, 1);
  }
}

// Inverts Adobe's CMYK when needed and multiplies out the black channel.
Bgra FromCmyk(const JSAMPLE* cmyk, bool adobeInverted) {
  int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
  if (!adobeInverted) {
    c = 255 - c;
    m = 255 - m;
    y = 255 - y;
    k = 255 - k;
  }
  return Bgra{static_cast<std::uint8_t>(y * k / 255), static_cast<std::uint8_t>(m * k / 255),
              static_cast<std::uint8_t>(c * k / 255), 255};
}

// Decodes the whole image into state.bitmap; false with the error message set on failure.
bool ReadImage(JpegReadState& state, ByteSpan bytes) {
  if (setjmp(state.error.jump)) return false;
  jpeg_create_decompress(&state.info);
  state.info.progress = &state.progress;
  jpeg_mem_src(&state.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&state.info, TRUE);

  if (!PictureSizeAllowed(state.info.image_width, state.info.image_height)) {
    std::snprintf(state.error.message, sizeof state.error.message, "JPEG size is out of range");
    return false;
  }
  const bool cmyk =
      state.info.jpeg_color_space == JCS_CMYK || state.info.jpeg_color_space == JCS_YCCK;
  state.info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
  jpeg_start_decompress(&state.info);

  state.bitmap =
      Bitmap(static_cast<int>(state.info.output_width), static_cast<int>(state.info.output_height));
  if (cmyk) state.cmykRow.resize(static_cast<std::size_t>(state.info.output_width) * 4);
  while (state.info.output_scanline < state.info.output_height) {
    const int y = static_cast<int>(state.info.output_scanline);
    JSAMPROW row = cmyk ? state.cmykRow.data() : reinterpret_cast<JSAMPROW>(state.bitmap.row(y));
    jpeg_read_scanlines(&state.info, &row, 1);
    if (cmyk) {
      Bgra* out = state.bitmap.row(y);
      for (int x = 0; x < state.bitmap.width(); ++x) {
        out[x] = FromCmyk(state.cmykRow.data() + static_cast<std::size_t>(x) * 4,
                          state.info.saw_Adobe_marker);
      }
    }
  }
  jpeg_finish_decompress(&state.info);
  return true;
}

}  // namespace

bool SniffJpeg(ByteSpan bytes) {
  return bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF;
}

Result<DecodedPicture> DecodeJpeg(ByteSpan bytes) {
  if (!SniffJpeg(bytes)) return MakeError("not a JPEG file");
  auto state = std::make_unique<JpegReadState>();
  std::memset(&state->info, 0, sizeof state->info);
  state->info.err = jpeg_std_error(&state->error.base);
  state->error.base.error_exit = OnErrorExit;
  state->error.base.output_message = OnOutputMessage;
  state->error.base.emit_message = OnEmitMessage;
  state->progress = jpeg_progress_mgr{};
  state->progress.progress_monitor = OnProgress;
  std::snprintf(state->error.message, sizeof state->error.message, "JPEG data is damaged");

  const bool ok = ReadImage(*state, bytes);
  jpeg_destroy_decompress(&state->info);
  if (!ok) return MakeError(state->error.message);

  DecodedPicture picture;
  picture.width = state->bitmap.width();
  picture.height = state->bitmap.height();
  // libjpeg leaves the fourth byte of JCS_EXT_BGRA at 255, so the picture is opaque.
  picture.frames.push_back(PictureFrame{std::move(state->bitmap), 0});
  return picture;
}

}  // namespace plexara
