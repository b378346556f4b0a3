// Fuzz targets fail thousands of reads a second; their reports go nowhere.
#pragma once

#include "storage/error_report.h"

namespace plexara::fuzzing {

class SilentReporter final : public ErrorReporter {
 public:
  void ShowErrorMessage(std::string_view, std::string_view) override {}
  unsigned long LastErrorCode() override { return 0; }
  std::string SystemErrorMessage(unsigned long) override { return {}; }
};

inline void InstallSilentReporter() {
  static SilentReporter reporter;
  SetErrorReporter(&reporter);
}

}  // namespace plexara::fuzzing
