// The system's own error reports. Every reader and writer of project data shows its failure once,
// through these operations, with the numeric code of the failing operation. The message box and
// the operating system's "last error" go through the ErrorReporter seam so tests can read the text
// and caption instead of blocking on a modal box.
#pragma once

#include <string>
#include <string_view>

namespace plexara {

// Report codes of the stream primitives.
enum ReportCode : int {
  kCodeDecodeMenuItemAction = 1002,
  kCodeWriteMenuItem = 1003,
  kCodeReadMenuItem = 1004,
  kCodeWriteFont = 1051,
  kCodeReadFont = 1052,
  kCodeWriteString = 1053,
  kCodeReadString = 1054,
  kCodeWritePicture = 1055,
  kCodeReadPicture = 1056,
  kCodeWriteEffect = 1057,
  kCodeReadEffect = 1058,
  kCodeWriteFontLabels = 1059,
  kCodeReadFontLabels = 1060,
};

// Who to contact, named at the end of every error report.
inline constexpr std::string_view kSupportContact = "support@plexara.app";

// The three message-box captions the system uses.
inline constexpr std::string_view kCaptionInformation = "Information";
inline constexpr std::string_view kCaptionConfirm = "Confirm";
inline constexpr std::string_view kCaptionError = "Error";

class ErrorReporter {
 public:
  virtual ~ErrorReporter() = default;
  // A modal box with the given caption, the error icon and one OK button.
  virtual void ShowErrorMessage(std::string_view text, std::string_view caption) = 0;
  // The operating system's last error number and its message text (no trailing line break).
  virtual unsigned long LastErrorCode() = 0;
  virtual std::string SystemErrorMessage(unsigned long errorCode) = 0;
};

// The reporter in force. Win32 builds install the real one at start; tests install a recorder.
ErrorReporter& CurrentErrorReporter();
// Replaces the reporter; returns the previous one. The caller keeps ownership.
ErrorReporter* SetErrorReporter(ErrorReporter* reporter);

// Modal "Error" box with the text.
void ShowErrorBox(std::string_view text);
// The text of a stream error report: system message, " (Error Code: ", last error, "/", code,
// "), please contact ", contact, " for help.".
std::string StreamErrorText(int code);
void ReportStreamError(int code);
// As ReportStreamError, prefixed by "\"" + path + "\", ".
void ReportFileError(int code, std::string_view path);

}  // namespace plexara
