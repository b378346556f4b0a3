// Work buffers the text effect engine needs for a moment in every run: the supersampled drawing,
// the column sums of downsampling, the copies and sums of the mask effects, the steps of a
// gradient. Each is one per thread and kept from run to run, so drawing a line again allocates
// nothing; the text controls all run on the user-interface thread.
#pragma once

#include <cstdint>
#include <vector>

namespace plexara {

enum class FxScratchSlot : std::uint8_t {
  Samples,         // the run drawn at the supersampled size
  ColumnSums,      // downsampling at high quality
  MaskCopy,        // the outline reads the mask as it was
  BlurRowSums,     // the blur's sums of five along each row
  BlurPaddedRow,   // a mask row with its edge pixels repeated
  GradientSteps,   // one colour per column or row
  StretchColumns,  // the source column of each column of a stretched picture
};

// The buffer of one slot for one element type, empty the first time and as the last run left it
// afterwards; the caller sizes it.
template <typename T, FxScratchSlot kSlot>
std::vector<T>& FxScratch() {
  static thread_local std::vector<T> buffer;
  return buffer;
}

}  // namespace plexara
