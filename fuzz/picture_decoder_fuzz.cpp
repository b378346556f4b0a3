// Drives one picture decoder (chosen at build time) over arbitrary bytes. Whatever it accepts must
// have a sane size and frames that match it.
#include <cstdint>
#include <cstdlib>

#include "silent_reporter.h"
#include "storage/codecs/picture_codec.h"

using namespace plexara;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzing::InstallSilentReporter();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
#if defined(PLEXARA_FUZZ_DECODER_bmp)
  constexpr GraphicClass kClass = GraphicClass::Bitmap;
#elif defined(PLEXARA_FUZZ_DECODER_ico)
  constexpr GraphicClass kClass = GraphicClass::Icon;
#elif defined(PLEXARA_FUZZ_DECODER_metafile)
  constexpr GraphicClass kClass = GraphicClass::Metafile;
#elif defined(PLEXARA_FUZZ_DECODER_jpeg)
  constexpr GraphicClass kClass = GraphicClass::Jpeg;
#elif defined(PLEXARA_FUZZ_DECODER_gif)
  constexpr GraphicClass kClass = GraphicClass::Gif;
#elif defined(PLEXARA_FUZZ_DECODER_png)
  constexpr GraphicClass kClass = GraphicClass::Png;
#else
#error "no decoder selected"
#endif
  const PictureCodec& codec = CodecFor(kClass);
  codec.Sniff({data, size});
  auto decoded = codec.Decode({data, size});
  if (!decoded.ok()) return 0;
  const DecodedPicture& picture = decoded.value();
  if (!PictureSizeAllowed(picture.width, picture.height)) std::abort();
  for (const PictureFrame& frame : picture.frames) {
    if (frame.bitmap.width() != picture.width || frame.bitmap.height() != picture.height) std::abort();
  }
  return 0;
}
