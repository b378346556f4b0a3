// Test seam for message boxes: records every box (text and caption) instead of showing it, and
// answers a fixed "last error" so report texts are predictable.
#pragma once

#include <string>
#include <vector>

#include "storage/error_report.h"

namespace plexara::testing_support {

struct RecordedBox {
  std::string text;
  std::string caption;
};

class RecordingReporter final : public ErrorReporter {
 public:
  void ShowErrorMessage(std::string_view text, std::string_view caption) override {
    boxes.push_back({std::string(text), std::string(caption)});
  }
  unsigned long LastErrorCode() override { return lastError; }
  std::string SystemErrorMessage(unsigned long code) override {
    return code == 0 ? "The operation completed successfully." : "System error " + std::to_string(code) + ".";
  }

  std::vector<RecordedBox> boxes;
  unsigned long lastError = 0;
};

// The recorder installed for the whole test run.
RecordingReporter& Recorder();
void InstallRecordingReporter();

// Clears the recorder on construction; tests read Recorder().boxes afterwards.
struct ScopedRecording {
  ScopedRecording() { Recorder().boxes.clear(); Recorder().lastError = 0; }
};

}  // namespace plexara::testing_support
