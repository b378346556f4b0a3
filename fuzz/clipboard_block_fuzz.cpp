// Drives the clipboard block reader over arbitrary bytes. Whatever objects it accepts, a block of
// them written by us must read back to the same objects and write again to the same bytes.
#include <cstdint>
#include <cstdlib>

#include "editor/clipboard_block.h"
#include "silent_reporter.h"

using namespace plexara;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzing::InstallSilentReporter();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  PageData page;
  page.objects = ReadClipboardBlock({data, size});
  for (ObjectData& object : page.objects) object.selected = true;
  const std::vector<std::uint8_t> block = WriteClipboardBlock(page);
  if (block.empty()) std::abort();
  PageData again;
  again.objects = ReadClipboardBlock(block);
  if (again.objects.size() != page.objects.size()) std::abort();
  for (ObjectData& object : again.objects) object.selected = true;
  if (WriteClipboardBlock(again) != block) std::abort();
  return 0;
}
