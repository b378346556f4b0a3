#include "player/install_runner.h"

#include <algorithm>

namespace plexara {

std::optional<std::string> InstallFileType(std::string_view fileTypeText) {
  const std::size_t dot = fileTypeText.find('.');
  if (dot == std::string_view::npos) return std::nullopt;  // also the empty text
  std::string_view type = fileTypeText.substr(dot);
  type = type.substr(0, std::min(type.find(' '), type.find('(')));
  return std::string(type);
}

bool InstallEntryNeeded(const TInstallWare& entry, Shell& shell) {
  switch (entry.when) {
    case kInstallAlways: return true;
    case kInstallIfNoViewer: {
      const std::optional<std::string> fileType = InstallFileType(entry.fileType);
      return fileType && shell.ShellOpenCommand(*fileType).empty();
    }
    default: return false;
  }
}

void RunInstallList(const std::vector<TInstallWare>& list, const std::string& projectRoot,
                    const FileSystemProbe& probe, Shell& shell, MessageBoxes& boxes) {
  for (const TInstallWare& entry : list) {
    if (entry.installer.empty()) continue;
    const std::string installer = projectRoot + entry.installer;
    if (!probe.FileExists(installer)) continue;
    if (!InstallEntryNeeded(entry, shell)) continue;

    if (entry.prompt) {
      if (entry.allowSkip) {
        if (!AskYesNo(boxes, entry.messageText, entry.messageCaption, MessageIcon::Information)) continue;
      } else {
        ShowInformationBox(boxes, entry.messageText, entry.messageCaption);
      }
    }

    ShellRequest request;
    request.file = installer;
    request.parameters = entry.parameters;
    request.folder = projectRoot + entry.startDirectory;
    request.showCommand = kShowNormal;
    // A failed start is not reported; the next entry follows.
    if (entry.wait) {
      request.operation = std::string(kInstallWaitingVerb);
      shell.RunWaiting(request, /*waitForIdle=*/true, /*waitForExit=*/true);
    } else {
      request.operation = std::string(kInstallVerb);
      shell.Open(request);
    }
  }
}

}  // namespace plexara
