#include "support/recording_shell.h"

namespace plexara::testing_support {
namespace {

void Append(std::vector<std::string>* log, std::string line) {
  if (log != nullptr) log->push_back(std::move(line));
}

}  // namespace

int RecordingShell::Open(const ShellRequest& request) {
  runs.push_back({false, request, false, false});
  Append(log_, "open " + request.operation + " " + request.file);
  return openResult;
}

WaitingRunResult RecordingShell::RunWaiting(const ShellRequest& request, bool waitForIdle, bool waitForExit) {
  runs.push_back({true, request, waitForIdle, waitForExit});
  Append(log_, "wait " + request.operation + " " + request.file);
  return waitingResult;
}

std::string RecordingShell::SpecialFolderPath(int csidl) {
  folderLookups.push_back(csidl);
  Append(log_, "folder " + std::to_string(csidl));
  const auto found = folders.find(csidl);
  return found == folders.end() ? std::string() : found->second;
}

std::string RecordingShell::ShellOpenCommand(std::string_view fileType) {
  openCommandLookups.emplace_back(fileType);
  Append(log_, "command " + std::string(fileType));
  const auto found = openCommands.find(std::string(fileType));
  return found == openCommands.end() ? std::string() : found->second;
}

MessageAnswer RecordingMessageBoxes::Show(const MessageBoxRequest& request) {
  boxes.push_back(request);
  const bool question = request.buttons != MessageButtons::Ok;
  Append(log_, (question ? "ask " : "inform ") + request.caption + ": " + request.text);
  if (!answers.empty()) {
    const MessageAnswer answer = answers.front();
    answers.pop_front();
    return answer;
  }
  switch (request.buttons) {
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
    case MessageButtons::Ok: break;
  }
  return MessageAnswer::Ok;
}

ScopedShellRecording::ScopedShellRecording()
    : previousShell_(SetShell(&shell)), previousBoxes_(SetMessageBoxes(&boxes)) {}

ScopedShellRecording::~ScopedShellRecording() {
  SetShell(previousShell_);
  SetMessageBoxes(previousBoxes_);
}

}  // namespace plexara::testing_support
