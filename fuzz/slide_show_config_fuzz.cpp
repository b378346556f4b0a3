// Drives the "SlideShowEx.cfg" reader over arbitrary bytes. What it accepts must survive writing
// and reading again unchanged (the range rules are fixed points), and a refused file must leave
// either the previous entries (wrong format) or none (damage after the marker).
#include <cstdint>
#include <cstdlib>

#include "silent_reporter.h"
#include "slideshow/slide_show_config.h"

using namespace plexara;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzing::InstallSilentReporter();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  TSlideSettings previousEntry;
  previousEntry.fileName = "previous.png";
  const std::vector<TSlideSettings> previous = {previousEntry};
  std::vector<TSlideSettings> entries = previous;
  MemoryInStream in({data, size});
  if (!ReadSlideShowConfig(in, "fuzz.cfg", entries)) {
    if (!entries.empty() && entries != previous) std::abort();
    return 0;
  }
  MemoryOutStream out;
  if (!WriteSlideShowConfig(out, entries)) std::abort();
  std::vector<TSlideSettings> again;
  MemoryInStream back(out.bytes());
  if (!ReadSlideShowConfig(back, "fuzz.cfg", again) || back.Remaining() != 0 || again != entries) std::abort();
  return 0;
}
