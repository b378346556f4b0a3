// Drives one stream primitive reader (chosen at build time) over arbitrary bytes, then writes
// what it read and reads that again: what a reader accepts, the writer must reproduce.
#include <cstdint>
#include <cstdlib>

#include "silent_reporter.h"
#include "storage/primitives.h"

using namespace plexara;

namespace {

template <typename T, typename Reader, typename Writer>
void ReadWriteRead(const std::uint8_t* data, std::size_t size, T value, Reader read, Writer write) {
  MemoryInStream in({data, size});
  if (!read(in, value)) return;
  MemoryOutStream out;
  if (!write(out, value)) std::abort();
  T again = value;
  MemoryInStream back(out.bytes());
  if (!read(back, again) || back.Remaining() != 0) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzing::InstallSilentReporter();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
#if defined(PLEXARA_FUZZ_READER_string)
  ReadWriteRead(data, size, std::string(), [](InStream& in, std::string& v) { return ReadString(in, v); },
                [](OutStream& out, const std::string& v) { return WriteString(out, v); });
#elif defined(PLEXARA_FUZZ_READER_font)
  ReadWriteRead(data, size, FontData(), [](InStream& in, FontData& v) { return ReadFont(in, v); },
                [](OutStream& out, const FontData& v) { return WriteFont(out, v); });
#elif defined(PLEXARA_FUZZ_READER_picture)
  ReadWriteRead(data, size, Picture(), [](InStream& in, Picture& v) { return ReadPicture(in, v); },
                [](OutStream& out, const Picture& v) { return WritePicture(out, v); });
#elif defined(PLEXARA_FUZZ_READER_effect)
  ReadWriteRead(data, size, TFxEffect(), [](InStream& in, TFxEffect& v) { return ReadEffect(in, v); },
                [](OutStream& out, const TFxEffect& v) { return WriteEffect(out, v); });
#elif defined(PLEXARA_FUZZ_READER_font_labels)
  ReadWriteRead(data, size, TFontLabels(), [](InStream& in, TFontLabels& v) { return ReadFontLabels(in, v); },
                [](OutStream& out, const TFontLabels& v) { return WriteFontLabels(out, v); });
#elif defined(PLEXARA_FUZZ_READER_menu_item)
  {
    MemoryInStream skip({data, size});
    const bool skipped = ReadMenuItem(skip, nullptr);
    MemoryInStream in({data, size});
    MenuItemData item;
    const bool read = ReadMenuItem(in, &item);
    // Skipping and reading consume the same bytes and agree on success.
    if (skipped != read || (read && skip.Position() != in.Position())) std::abort();
  }
  ReadWriteRead(data, size, MenuItemData(), [](InStream& in, MenuItemData& v) { return ReadMenuItem(in, &v); },
                [](OutStream& out, const MenuItemData& v) { return WriteMenuItem(out, v); });
#elif defined(PLEXARA_FUZZ_READER_menu_item_action)
  MenuItemAction action;
  if (DecodeMenuItemAction(std::string_view(reinterpret_cast<const char*>(data), size), action)) {
    MenuItemAction again;
    if (!DecodeMenuItemAction(EncodeMenuItemAction(action), again) || !(again == action)) std::abort();
  }
#else
#error "no reader selected"
#endif
  return 0;
}
