// Drives the page reader or the object-file reader over arbitrary bytes. Whatever is accepted
// must write back, read again to the same bytes, and survive its readable JSON form unchanged.
#include <cstdint>
#include <cstdlib>

#include "silent_reporter.h"
#include "storage/json_fields.h"
#include "storage/page_file.h"

using namespace plexara;

namespace {

constexpr std::size_t kJsonCheckLimit = 4096;

template <typename Record>
void Check(const std::uint8_t* data, std::size_t size, bool (*read)(InStream&, Record&),
           bool (*write)(OutStream&, const Record&)) {
  Record record;
  MemoryInStream in({data, size});
  if (!read(in, record)) return;
  MemoryOutStream out;
  if (!write(out, record)) std::abort();
  Record again;
  MemoryInStream back(out.bytes());
  if (!read(back, again) || back.Remaining() != 0) std::abort();
  MemoryOutStream out2;
  if (!write(out2, again) || out2.bytes() != out.bytes()) std::abort();
  // The readable form is checked on small inputs only: the instrumented JSON library costs far
  // more than the readers, and small inputs reach every record kind just as well.
  if (size > kJsonCheckLimit) return;
  auto built = BuildRecord<Record>(Json::parse(DumpRecord(again).dump()));
  if (!built.ok()) std::abort();
  MemoryOutStream out3;
  if (!write(out3, built.value()) || out3.bytes() != out.bytes()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzing::InstallSilentReporter();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
#if defined(PLEXARA_FUZZ_FILE_page)
  Check<PageData>(data, size, &ReadPage, &WritePage);
#elif defined(PLEXARA_FUZZ_FILE_object)
  Check<ObjectData>(data, size, &ReadObjectEnvelope, &WriteObjectEnvelope);
#else
#error "no file reader selected"
#endif
  return 0;
}
