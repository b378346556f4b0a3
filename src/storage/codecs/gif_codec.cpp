// The giflib adapter for "TGIFImage" payloads, still or animated. giflib is driven record by
// record rather than slurped, so every size is checked before anything is allocated for it. Each
// frame is composed onto the logical screen (position, transparent index, disposal) and kept as the
// whole canvas after that frame, with its delay in milliseconds.
//
// Choices where files and viewers differ: the canvas starts transparent, "restore to background"
// clears the frame's area to transparent (the background colour index is ignored, as browsers do),
// a colour index past the colour table draws opaque black, and a file whose data ends right after a
// complete frame (no trailer byte) keeps the frames read so far.
#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "storage/codecs/picture_codec.h"

namespace plexara {
namespace {

// Besides the pixel cap over all frames, a bound on the count itself: giflib grows its frame list
// one entry at a time, and no real animation comes near this.
constexpr std::size_t kMaxFrames = 10000;

struct GifInput {
  ByteSpan bytes;
  std::size_t position = 0;
};

int OnRead(GifFileType* gif, GifByteType* out, int size) {
  auto* input = static_cast<GifInput*>(gif->UserData);
  const std::size_t count = std::min(static_cast<std::size_t>(size < 0 ? 0 : size),
                                     input->bytes.size() - input->position);
  std::memcpy(out, input->bytes.data() + input->position, count);
  input->position += count;
  return static_cast<int>(count);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

Error GifError(const char* what, int code) {
  const char* detail = GifErrorString(code);
  return MakeError(std::string("GIF: ") + what +
                   (detail ? std::string(": ") + detail : std::string()));
}

GraphicsControlBlock NoControl() {
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSAL_UNSPECIFIED;
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  return control;
}

// Order in which an interlaced image stores its rows: four passes over the frame.
std::vector<int> RowOrder(int height, bool interlaced) {
  std::vector<int> order;
  order.reserve(static_cast<std::size_t>(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y) order.push_back(y);
    return order;
  }
  static constexpr int kStart[4] = {0, 4, 2, 1};
  static constexpr int kStep[4] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = kStart[pass]; y < height; y += kStep[pass]) order.push_back(y);
  }
  return order;
}

// Reads one image's colour indexes, rows in stored order. The buffer grows one row at a time, as
// the data proves each row, so a frame header claiming more than its data holds fails before the
// memory it names is taken.
Result<std::vector<GifPixelType>> ReadFrameRows(GifFileType* gif) {
  const GifImageDesc& desc = gif->Image;
  const std::size_t width = static_cast<std::size_t>(desc.Width);
  std::vector<GifPixelType> rows;
  for (std::size_t stored = 0; stored < static_cast<std::size_t>(desc.Height); ++stored) {
    rows.resize(rows.size() + width);
    if (DGifGetLine(gif, rows.data() + stored * width, desc.Width) == GIF_ERROR) {
      return GifError("frame data is damaged", gif->Error);
    }
  }
  return rows;
}

// Draws a frame's rows onto the canvas, clipped to it, skipping the transparent index.
Result<void> DrawFrame(const GifFileType* gif, const std::vector<GifPixelType>& rows,
                       const GraphicsControlBlock& control, Bitmap& canvas) {
  const GifImageDesc& desc = gif->Image;
  const ColorMapObject* colors = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
  if (colors == nullptr || colors->Colors == nullptr) {
    return MakeError("GIF frame has no colour table");
  }
  std::array<Bgra, 256> palette;
  palette.fill(Bgra{0, 0, 0, 255});
  for (int i = 0; i < std::min(colors->ColorCount, 256); ++i) {
    const GifColorType& c = colors->Colors[i];
    palette[static_cast<std::size_t>(i)] = Bgra{c.Blue, c.Green, c.Red, 255};
  }

  const std::vector<int> order = RowOrder(desc.Height, desc.Interlace);
  const int firstX = std::max(0, -desc.Left);
  const int endX = std::min(desc.Width, canvas.width() - desc.Left);
  for (std::size_t stored = 0; stored < order.size(); ++stored) {
    const int y = desc.Top + order[stored];
    if (y < 0 || y >= canvas.height()) continue;
    const GifPixelType* line = rows.data() + stored * static_cast<std::size_t>(desc.Width);
    Bgra* row = canvas.row(y);
    for (int x = firstX; x < endX; ++x) {
      const int index = line[x];
      if (index != control.TransparentColor) {
        row[desc.Left + x] = palette[static_cast<std::size_t>(index)];
      }
    }
  }
  return Ok{};
}

void ClearArea(Bitmap& canvas, const GifImageDesc& desc) {
  const int left = std::clamp(desc.Left, 0, canvas.width());
  const int right = std::clamp(desc.Left + desc.Width, left, canvas.width());
  const int top = std::clamp(desc.Top, 0, canvas.height());
  const int bottom = std::clamp(desc.Top + desc.Height, top, canvas.height());
  for (int y = top; y < bottom; ++y) std::fill(canvas.row(y) + left, canvas.row(y) + right, Bgra{});
}

// Reads an extension; a graphic control extension sets the control for the next image.
Result<void> ReadExtension(GifFileType* gif, GraphicsControlBlock& control) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
    return GifError("extension is damaged", gif->Error);
  if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] == 4) {
    DGifExtensionToGCB(block[0], block + 1, &control);
  }
  while (block != nullptr) {
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
      return GifError("extension is damaged", gif->Error);
  }
  return Ok{};
}

}  // namespace

bool SniffGif(ByteSpan bytes) {
  return bytes.size() >= 6 && std::memcmp(bytes.data(), "GIF8", 4) == 0 &&
         (bytes[4] == '7' || bytes[4] == '9') && bytes[5] == 'a';
}

Result<DecodedPicture> DecodeGif(ByteSpan bytes) {
  if (!SniffGif(bytes)) return MakeError("not a GIF file");
  GifInput input{bytes};
  int openError = 0;
  GifHandle gif(DGifOpen(&input, OnRead, &openError));
  if (!gif) return GifError("header is damaged", openError);
  const int width = gif->SWidth;
  const int height = gif->SHeight;
  if (!PictureSizeAllowed(width, height)) return MakeError("GIF size is out of range");

  DecodedPicture picture;
  picture.width = width;
  picture.height = height;
  Bitmap canvas;  // allocated once the first frame's data has been read
  GraphicsControlBlock control = NoControl();
  for (;;) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR) {
      if (!picture.frames.empty() && input.position == bytes.size()) break;  // no trailer byte
      return GifError("record is damaged", gif->Error);
    }
    if (type == TERMINATE_RECORD_TYPE) break;
    if (type == EXTENSION_RECORD_TYPE) {
      PLEXARA_TRY(ReadExtension(gif.get(), control));
      continue;
    }
    if (type != IMAGE_DESC_RECORD_TYPE) return MakeError("GIF record type is unknown");

    if (DGifGetImageDesc(gif.get()) == GIF_ERROR)
      return GifError("frame header is damaged", gif->Error);
    const GifImageDesc& desc = gif->Image;
    if (!PictureSizeAllowed(desc.Width, desc.Height))
      return MakeError("GIF frame size is out of range");
    const std::size_t frameCount = picture.frames.size() + 1;
    if (frameCount > kMaxFrames ||
        !PictureSizeAllowed(width, height, static_cast<std::int64_t>(frameCount))) {
      return MakeError("GIF has too many frames");
    }
    PLEXARA_TRY_ASSIGN(rows, ReadFrameRows(gif.get()));
    if (canvas.empty()) canvas = Bitmap(width, height);
    Bitmap previous;
    if (control.DisposalMode == DISPOSE_PREVIOUS) previous = canvas;
    PLEXARA_TRY(DrawFrame(gif.get(), rows, control, canvas));
    picture.frames.push_back(PictureFrame{canvas, control.DelayTime * 10});
    if (control.DisposalMode == DISPOSE_BACKGROUND) ClearArea(canvas, desc);
    if (control.DisposalMode == DISPOSE_PREVIOUS) canvas = std::move(previous);
    control = NoControl();
  }
  if (picture.frames.empty()) return MakeError("GIF holds no image");
  return picture;
}

}  // namespace plexara
