// Shared test entry: installs the recording message-box seam before any test runs, so no test can
// block on a modal box, then runs GoogleTest.
#include <gtest/gtest.h>

#include "support/recording_reporter.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  plexara::testing_support::InstallRecordingReporter();
  return RUN_ALL_TESTS();
}
