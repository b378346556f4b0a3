// Error-report operations and the default reporter. The default (used natively, before a Win32
// reporter is installed) writes the box to standard error, so a portable tool never blocks.
#include "storage/error_report.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace plexara {
namespace {

class StandardErrorReporter final : public ErrorReporter {
 public:
  void ShowErrorMessage(std::string_view text, std::string_view caption) override {
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(text.size()), text.data());
  }
  unsigned long LastErrorCode() override { return static_cast<unsigned long>(errno); }
  std::string SystemErrorMessage(unsigned long errorCode) override {
    return std::strerror(static_cast<int>(errorCode));
  }
};

StandardErrorReporter defaultReporter;
ErrorReporter* currentReporter = &defaultReporter;

}  // namespace

ErrorReporter& CurrentErrorReporter() { return *currentReporter; }

ErrorReporter* SetErrorReporter(ErrorReporter* reporter) {
  ErrorReporter* previous = currentReporter;
  currentReporter = reporter ? reporter : &defaultReporter;
  return previous;
}

void ShowErrorBox(std::string_view text) { currentReporter->ShowErrorMessage(text, kCaptionError); }

std::string StreamErrorText(int code) {
  const unsigned long lastError = currentReporter->LastErrorCode();
  std::string text = currentReporter->SystemErrorMessage(lastError);
  text += " (Error Code: ";
  text += std::to_string(lastError);
  text += "/";
  text += std::to_string(code);
  text += "), please contact ";
  text += kSupportContact;
  text += " for help.";
  return text;
}

void ReportStreamError(int code) { ShowErrorBox(StreamErrorText(code)); }

void ReportFileError(int code, std::string_view path) {
  std::string text = "\"";
  text += path;
  text += "\", ";
  text += StreamErrorText(code);
  ShowErrorBox(text);
}

}  // namespace plexara
