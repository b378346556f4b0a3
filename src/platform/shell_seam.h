// The shell and message-box seams. Everything that starts a program or document through the
// platform's shell, asks the shell for a folder or the registry for a file type's open command, or
// shows a question or information box goes through these two interfaces, so portable code can be
// tested natively with recording fakes (tests/support/recording_shell.h) and the real Win32
// implementations (platform/shell_win32.h) are installed once at start.
//
// Portable: no <windows.h>. Window handles travel as opaque NativeWindow values.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace plexara {

// A window of the platform (an HWND on Windows) carried through portable code untouched; null
// means no window.
using NativeWindow = void*;

// The platform's show command for a normally shown window (SW_SHOWNORMAL). Action records carry
// their own show command values, which are passed through unchanged.
inline constexpr int kShowNormal = 1;

// One start through the shell.
struct ShellRequest {
  std::string operation;   // the verb as given: "open", "Open", "print", "explore"
  std::string file;        // file, folder, URL or mailto: text
  std::string parameters;  // command-line parameters; empty: none
  std::string folder;      // start folder; empty: none (a waiting run then uses the file's folder)
  int showCommand = kShowNormal;
  NativeWindow owner = nullptr;  // owner of anything the shell shows; null: none
};

// Results of a plain shell start: above 32 the shell started the file (the real implementation
// returns exactly kShellStarted then); 0 to 32 is the shell's error number.
inline constexpr int kShellStarted = 33;
constexpr bool ShellStarted(int result) { return result > 32; }

// The outcome of a waiting run. Its combined status is 33 on success and the operating system's
// error number otherwise; but those numbers overlap the success value (error 33 exists, and most
// errors are above 32), so success is a flag of its own here. Status() gives the combined value
// where a caller needs it; deciding success from it would call a failed start a success.
struct WaitingRunResult {
  bool started = false;     // the program was started (and the requested waits are over)
  unsigned long error = 0;  // the operating system's last error when it was not started

  unsigned long Status() const { return started ? static_cast<unsigned long>(kShellStarted) : error; }
  friend bool operator==(const WaitingRunResult&, const WaitingRunResult&) = default;
};

class Shell {
 public:
  virtual ~Shell() = default;

  // A plain shell execute of the request; returns the shell's result (see kShellStarted).
  virtual int Open(const ShellRequest& request) = 0;

  // The extended shell execute: keeps the process handle, shows no shell error dialogs and waits
  // for the start to complete; an empty folder means the folder of the file. Then, as asked, waits
  // until the new process is idle and until it has ended, handling every window message of this
  // thread that arrives meanwhile (no wait window of its own).
  virtual WaitingRunResult RunWaiting(const ShellRequest& request, bool waitForIdle, bool waitForExit) = 0;

  // The file-system path of a shell folder (a CSIDL value), as the shell gives it; empty for a
  // virtual folder without one and on any failure.
  virtual std::string SpecialFolderPath(int csidl) = 0;

  // The default value of <class>\shell\open\command in the per-machine file-type registry, where
  // <class> is the default value of the key named by the file type (".pdf"); empty on any failure.
  virtual std::string ShellOpenCommand(std::string_view fileType) = 0;
};

// The shell in force. Win32 builds install the real one at start; until then (and natively) a
// shell that starts nothing (result 0, error 0) and finds nothing is current.
Shell& CurrentShell();
// Replaces the shell; returns the previous one (null restores the default). The caller keeps
// ownership.
Shell* SetShell(Shell* shell);

enum class MessageButtons : std::uint8_t { Ok, YesNo, YesNoCancel };
enum class MessageIcon : std::uint8_t { None, Information, Question, Warning, Error };
enum class MessageAnswer : std::uint8_t { Ok, Yes, No, Cancel };

struct MessageBoxRequest {
  std::string text;
  std::string caption;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::Information;
  NativeWindow owner = nullptr;  // null: the active window of this thread, modal to the task
};

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows a modal box and returns the button that closed it (closing a Yes/No box any other way
  // counts as No, a box with Cancel as Cancel, an OK box as Ok).
  virtual MessageAnswer Show(const MessageBoxRequest& request) = 0;
};

// The boxes in force. Until Win32 builds install the real ones (and natively), boxes go to
// standard error and every question is answered with the button that goes on least (No, Cancel).
MessageBoxes& CurrentMessageBoxes();
// Replaces the boxes; returns the previous ones (null restores the default). The caller keeps
// ownership.
MessageBoxes* SetMessageBoxes(MessageBoxes* boxes);

// A question with Yes and No buttons; true only for Yes.
bool AskYesNo(MessageBoxes& boxes, std::string_view text, std::string_view caption, MessageIcon icon,
              NativeWindow owner = nullptr);
// An information box with one OK button.
void ShowInformationBox(MessageBoxes& boxes, std::string_view text, std::string_view caption,
                        NativeWindow owner = nullptr);

}  // namespace plexara
