// Test seams for the shell and the message boxes: they record every call instead of starting
// programs or showing boxes, answer lookups from tables the test fills in, and answer questions
// from a queue. Both write one line per call into a shared log, so a test can check the order of
// boxes and starts across the two.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/shell_seam.h"

namespace plexara::testing_support {

struct RecordedRun {
  bool waiting = false;  // RunWaiting (true) or Open (false)
  ShellRequest request;
  bool waitForIdle = false;
  bool waitForExit = false;
};

class RecordingShell final : public Shell {
 public:
  explicit RecordingShell(std::vector<std::string>* log = nullptr) : log_(log) {}

  int Open(const ShellRequest& request) override;
  WaitingRunResult RunWaiting(const ShellRequest& request, bool waitForIdle, bool waitForExit) override;
  std::string SpecialFolderPath(int csidl) override;
  std::string ShellOpenCommand(std::string_view fileType) override;

  // Answers.
  int openResult = kShellStarted;
  WaitingRunResult waitingResult{true, 0};
  std::map<int, std::string> folders;               // by CSIDL
  std::map<std::string, std::string> openCommands;  // by file type, exact

  // Calls.
  std::vector<RecordedRun> runs;
  std::vector<int> folderLookups;
  std::vector<std::string> openCommandLookups;

 private:
  std::vector<std::string>* log_;
};

class RecordingMessageBoxes final : public MessageBoxes {
 public:
  explicit RecordingMessageBoxes(std::vector<std::string>* log = nullptr) : log_(log) {}

  MessageAnswer Show(const MessageBoxRequest& request) override;

  // Answers taken in order; when empty, questions get No (Cancel with a Cancel button), OK boxes Ok.
  std::deque<MessageAnswer> answers;
  std::vector<MessageBoxRequest> boxes;

 private:
  std::vector<std::string>* log_;
};

// Log lines: "open <verb> <file>", "wait <verb> <file>", "ask <caption>: <text>",
// "inform <caption>: <text>", "folder <csidl>", "command <type>".

// Installs a recording shell and recording boxes sharing one log, and restores the previous seams
// when it goes.
class ScopedShellRecording {
 public:
  ScopedShellRecording();
  ~ScopedShellRecording();
  ScopedShellRecording(const ScopedShellRecording&) = delete;
  ScopedShellRecording& operator=(const ScopedShellRecording&) = delete;

  std::vector<std::string> log;
  RecordingShell shell{&log};
  RecordingMessageBoxes boxes{&log};

 private:
  Shell* previousShell_;
  MessageBoxes* previousBoxes_;
};

}  // namespace plexara::testing_support
