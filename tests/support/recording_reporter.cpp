#include "support/recording_reporter.h"

namespace plexara::testing_support {

RecordingReporter& Recorder() {
  static RecordingReporter recorder;
  return recorder;
}

void InstallRecordingReporter() { SetErrorReporter(&Recorder()); }

}  // namespace plexara::testing_support
