// The seam accessors and the defaults in force before a platform installs its own: a shell that
// starts and finds nothing, and boxes written to standard error, so a portable tool never blocks
// and never starts anything without being asked to.
#include "platform/shell_seam.h"

#include <cstdio>

namespace plexara {
namespace {

class NoShell final : public Shell {
 public:
  int Open(const ShellRequest&) override { return 0; }
  WaitingRunResult RunWaiting(const ShellRequest&, bool, bool) override { return {}; }
  std::string SpecialFolderPath(int) override { return {}; }
  std::string ShellOpenCommand(std::string_view) override { return {}; }
};

class StandardErrorBoxes final : public MessageBoxes {
 public:
  MessageAnswer Show(const MessageBoxRequest& request) override {
    std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
    switch (request.buttons) {
      case MessageButtons::YesNo: return MessageAnswer::No;
      case MessageButtons::YesNoCancel: return MessageAnswer::Cancel;
      case MessageButtons::Ok: break;
    }
    return MessageAnswer::Ok;
  }
};

NoShell defaultShell;
StandardErrorBoxes defaultBoxes;
Shell* currentShell = &defaultShell;
MessageBoxes* currentBoxes = &defaultBoxes;

}  // namespace

Shell& CurrentShell() { return *currentShell; }

Shell* SetShell(Shell* shell) {
  Shell* previous = currentShell;
  currentShell = shell ? shell : &defaultShell;
  return previous;
}

MessageBoxes& CurrentMessageBoxes() { return *currentBoxes; }

MessageBoxes* SetMessageBoxes(MessageBoxes* boxes) {
  MessageBoxes* previous = currentBoxes;
  currentBoxes = boxes ? boxes : &defaultBoxes;
  return previous;
}

bool AskYesNo(MessageBoxes& boxes, std::string_view text, std::string_view caption, MessageIcon icon,
              NativeWindow owner) {
  MessageBoxRequest request;
  request.text = std::string(text);
  request.caption = std::string(caption);
  request.buttons = MessageButtons::YesNo;
  request.icon = icon;
  request.owner = owner;
  return boxes.Show(request) == MessageAnswer::Yes;
}

void ShowInformationBox(MessageBoxes& boxes, std::string_view text, std::string_view caption,
                        NativeWindow owner) {
  MessageBoxRequest request;
  request.text = std::string(text);
  request.caption = std::string(caption);
  request.buttons = MessageButtons::Ok;
  request.icon = MessageIcon::Information;
  request.owner = owner;
  boxes.Show(request);
}

}  // namespace plexara
