// Drives the action record reader or the packed target decoders (chosen at build time) over
// arbitrary bytes. What a reader accepts, the writer must write again, and once written by us the
// text or bytes must come back unchanged through another read and write.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "silent_reporter.h"
#include "storage/action_record.h"
#include "storage/action_targets.h"

using namespace plexara;

namespace {

[[maybe_unused]] std::vector<std::uint8_t> WriteOrAbort(TCommand& command) {
  MemoryOutStream out;
  if (!WriteActionRecord(out, command)) std::abort();
  return out.TakeBytes();
}

// Decodes text as Settings, then checks that our own encoding is a fixed point.
template <typename Settings>
Settings DecodeStable(std::string_view text) {
  bool complete = false;
  const Settings settings = Settings::Decode(text, &complete);
  const std::string encoded = settings.Encode();
  if (Settings::Decode(encoded, &complete).Encode() != encoded || !complete) std::abort();
  return settings;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzzing::InstallSilentReporter();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
#if defined(PLEXARA_FUZZ_ACTION_record)
  MemoryInStream in({data, size});
  TCommand command;
  if (!ReadActionRecord(in, command)) return 0;
  const TCommand first = command;
  const auto bytes = WriteOrAbort(command);
  MemoryInStream back(bytes);
  TCommand again;
  if (!ReadActionRecord(back, again) || back.Remaining() != 0) std::abort();
  // Fields that no slot carries survive unchanged; after one pass through our writer every byte
  // does.
  if (again.actionKind != first.actionKind || again.showCommand != first.showCommand ||
      again.actionTarget != first.actionTarget || again.cursor != first.cursor ||
      again.visible != first.visible || again.enabled != first.enabled ||
      again.checked != first.checked) {
    std::abort();
  }
  if (WriteOrAbort(again) != bytes) std::abort();
#elif defined(PLEXARA_FUZZ_ACTION_targets)
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const RunListSettings list = DecodeStable<RunListSettings>(text);
  if (list.singleForm != (text.find(kRS2) == std::string_view::npos)) std::abort();
  DecodeStable<SlideShowSettings>(text);
  DecodeStable<CopyFileSettings>(text);
  DecodeStable<LoadFileSettings>(text);
  DecodeStable<ShowHideSettings>(text);
  // Grouped actions carry their own packed targets one level down.
  for (const GroupedAction& action : DecodeStable<ActionGroupSettings>(text).actions) {
    switch (action.actionKind) {
      case kActionOpenRunFile:
        DecodeStable<RunListSettings>(action.target);
        break;
      case kActionLaunchSlideShow:
        DecodeStable<SlideShowSettings>(action.target);
        break;
      case kActionCopyFiles:
        DecodeStable<CopyFileSettings>(action.target);
        break;
      case kActionLoadFileWithObject:
        DecodeStable<LoadFileSettings>(action.target);
        break;
      case kActionShowHideObjects:
        DecodeStable<ShowHideSettings>(action.target);
        break;
      default:
        break;
    }
  }
#else
#error "no action reader selected"
#endif
  return 0;
}
