#include "player/action_executor.h"

#include <array>

#include "player/action_file_list.h"
#include "player/action_shell.h"
#include "player/action_viewer.h"
#include "storage/action_targets.h"
#include "storage/error_report.h"

namespace plexara {
namespace {

// Each kind's body returns whether it succeeded; only success lets the window close afterwards.
using ActionBody = bool (*)(ActionHost& host, const TCommand& command);

std::string RelativePath(const ActionHost& host, std::string_view stored) {
  return ActionRelativePath(host.ProjectRoot(), stored);
}

// A plain shell start owned by the page window; a failure shows the table text or, for e-mail,
// its own.
bool ShellStart(ActionHost& host, const TCommand& command, std::string_view operation,
                std::string file, std::string parameters, std::string folder,
                std::string_view failureText = {}) {
  ShellRequest request;
  request.operation = std::string(operation);
  request.file = std::move(file);
  request.parameters = std::move(parameters);
  request.folder = std::move(folder);
  request.showCommand = command.showCommand;
  request.owner = host.Window();
  const int result = CurrentShell().Open(request);
  if (ShellStarted(result)) return true;
  ShowErrorBox(failureText.empty() ? ShellErrorText(result) : failureText);
  return false;
}

bool OpenRunFile(ActionHost& host, const TCommand& command) {
  if (!IsFileListTarget(command.actionTarget)) {
    return ShellStart(host, command, "open", RelativePath(host, command.actionTarget),
                      command.actionParameters, RelativePath(host, command.actionFolder));
  }
  bool allRan = true;
  for (const RunListEntry& entry : FileListEntries(command.actionTarget)) {
    allRan &= RunShell(host, "open", RelativePath(host, entry.file), command.showCommand,
                       entry.wait, RelativePath(host, entry.startFolder), entry.parameters);
  }
  return allRan;
}

bool VisitWebsite(ActionHost& host, const TCommand& command) {
  return ShellStart(host, command, "open", command.actionTarget, {}, {});
}

bool SendEmail(ActionHost& host, const TCommand& command) {
  return ShellStart(host, command, "open", "mailto:" + command.actionTarget,
                    command.actionParameters, {}, kEmailProgramNotFoundText);
}

bool PlaySound(ActionHost& host, const TCommand& command) {
  return host.PlayActionSound(RelativePath(host, command.actionTarget));
}

bool PrintDocument(ActionHost& host, const TCommand& command) {
  return ShellStart(host, command, "print", RelativePath(host, command.actionTarget),
                    command.actionParameters, {});
}

bool ShowSubPage(ActionHost& host, const TCommand& command) {
  if (host.DesignTime()) {
    ShowDesignTimePageBox(host.Window());
  } else {
    host.ShowSubPage(command.actionTarget);
  }
  return false;  // the window's fate is the sub page's
}

bool BrowseFolder(ActionHost& host, const TCommand& command) {
  return ShellStart(host, command, "explore", RelativePath(host, command.actionTarget),
                    command.actionParameters, {});
}

bool CloseWindow(ActionHost& host, const TCommand&) {
  host.SetExitRequested(false);
  host.CloseWindow();
  return true;
}

bool Exit(ActionHost& host, const TCommand&) {
  host.SetExitRequested(true);
  host.CloseWindow();
  return true;
}

bool StopSound(ActionHost& host, const TCommand&) {
  host.StopActionSound();
  return true;
}

bool StopAllSound(ActionHost& host, const TCommand&) {
  host.StopAllSounds();
  return true;
}

bool GotoPage(ActionHost& host, const TCommand& command) {
  // Only armed here: a page that does not exist is noticed when the switch happens.
  if (host.DesignTime()) {
    ShowDesignTimePageBox(host.Window());
  } else {
    host.GotoPage(command.actionTarget);
  }
  return false;
}

bool ShowPicture(ActionHost& host, const TCommand& command) {
  const std::string path = RelativePath(host, command.actionTarget);
  return host.Files().FileExists(path) &&
         CurrentFullScreenViewer().ShowPicture(path, host.Window());
}

bool LaunchMediaFile(ActionHost& host, const TCommand& command) {
  const std::string path = RelativePath(host, command.actionTarget);
  return host.Files().FileExists(path) && CurrentFullScreenViewer().PlayMedia(path, host.Window());
}

bool LaunchSlideShow(ActionHost& host, const TCommand& command) {
  const SlideShowSettings settings = SlideShowSettings::Decode(command.actionTarget);
  const std::string folder = RelativePath(host, settings.folder);
  if (!host.Files().FolderExists(folder)) return false;
  std::string music;
  if (!settings.music.empty()) {
    music = RelativePath(host, settings.music);
    if (!host.Files().FileExists(music)) music.clear();
  }
  return CurrentFullScreenViewer().RunSlideShow(settings, folder, music, host.Window());
}

bool ShowMessage(ActionHost& host, const TCommand& command) {
  ShowInformationBox(CurrentMessageBoxes(), command.actionTarget, host.ApplicationTitle(),
                     host.Window());
  return true;
}

bool CopyFilesThenRun(ActionHost& host, const TCommand& command) {
  const CopyActionContext context{host.ProjectRoot(),
                                  host.Files(),
                                  CurrentShell(),
                                  CurrentMessageBoxes(),
                                  [](std::uint8_t entry) { return SpecialFolderPath(entry); },
                                  host.Window()};
  return RunCopyAction(CopyFileSettings::Decode(command.actionTarget), context);
}

bool Minimize(ActionHost& host, const TCommand&) {
  host.MinimizeApplication();
  return true;
}

bool PlayerCommand(ActionHost& host, const TCommand& command) {
  const auto playerCommand = static_cast<ObjectPlayerCommand>(command.actionKind - kActionPlay);
  for (std::size_t i = 0; i < host.ObjectCount(); ++i) {
    if (host.Object(i).command.name == command.actionTarget)
      host.PerformPlayerCommand(i, playerCommand);
  }
  return true;
}

bool LoadFileWithObject(ActionHost& host, const TCommand& command) {
  const LoadFileSettings settings = LoadFileSettings::Decode(command.actionTarget);
  const std::string_view name = TrimmedText(settings.objectName);
  const std::string_view file = TrimmedText(settings.file);
  if (name.empty() || file.empty()) return false;
  const std::string path = RelativePath(host, file);
  for (std::size_t i = 0; i < host.ObjectCount(); ++i) {
    if (host.Object(i).command.name == name) host.LoadFileIntoObject(i, path);
  }
  return true;
}

bool ShowHideObjects(ActionHost& host, const TCommand& command) {
  bool complete = false;
  // Sections after a missing separator come out empty, so they change nothing.
  const ShowHideSettings settings = ShowHideSettings::Decode(command.actionTarget, &complete);
  for (std::size_t section = 0; section < settings.sections.size(); ++section) {
    const ShowHideSectionEffect effect = kShowHideSectionEffects[section];
    for (const std::string& name : settings.sections[section]) {
      for (std::size_t i = 0; i < host.ObjectCount(); ++i) {
        TCommand& object = host.Object(i).command;
        if ((effect.byGroupName ? object.groupName : object.name) != name) continue;
        (effect.setsVisible ? object.visible : object.enabled) = effect.value;
        host.ApplyObjectState(i);
      }
    }
  }
  return complete;
}

bool ActionGroup(ActionHost& host, const TCommand& command) {
  // Decoded before the first entry runs: an entry may replace the page and with it this record.
  const ActionGroupSettings group = ActionGroupSettings::Decode(command.actionTarget);
  for (const GroupedAction& action : group.actions) {
    TCommand entry;
    entry.actionKind = action.actionKind;
    entry.showCommand = action.showCommand;
    entry.actionTarget = action.target;
    entry.actionParameters = action.parameters;
    entry.actionFolder = action.folder;
    entry.closeAfterAction = action.closeAfterAction;
    ExecuteAction(host, entry);
  }
  return false;  // each entry closes by its own flag; the group never does
}

// The body of each kind, indexed by its code; kind 0 does nothing.
// clang-format off
constexpr std::array<ActionBody, kActionKindCount> kActionBodies{
    nullptr,            // 0
    OpenRunFile,        // 1
    VisitWebsite,       // 2
    SendEmail,          // 3
    PlaySound,          // 4
    PrintDocument,      // 5
    ShowSubPage,        // 6
    BrowseFolder,       // 7
    CloseWindow,        // 8
    Exit,               // 9
    StopSound,          // 10
    StopAllSound,       // 11
    GotoPage,           // 12
    ShowPicture,        // 13
    LaunchMediaFile,    // 14
    LaunchSlideShow,    // 15
    ShowMessage,        // 16
    CopyFilesThenRun,   // 17
    Minimize,           // 18
    PlayerCommand,      // 19
    PlayerCommand,      // 20
    PlayerCommand,      // 21
    PlayerCommand,      // 22
    PlayerCommand,      // 23
    PlayerCommand,      // 24
    PlayerCommand,      // 25
    LoadFileWithObject, // 26
    ShowHideObjects,    // 27
    ActionGroup,        // 28
};
// clang-format on

}  // namespace

void ShowDesignTimePageBox(NativeWindow owner) {
  ShowInformationBox(CurrentMessageBoxes(), kDesignTimePageText, kDesignTimePageCaption, owner);
}

void ExecuteAction(ActionHost& host, const TCommand& record) {
  if (record.actionKind >= kActionBodies.size() || kActionBodies[record.actionKind] == nullptr)
    return;
  // A copy: the action may replace the page whose object holds the record.
  const TCommand command = record;
  const bool succeeded = kActionBodies[command.actionKind](host, command);
  if (succeeded && command.closeAfterAction && CloseAfterActionApplies(command.actionKind)) {
    host.CloseWindow();
  }
}

bool RunShell(ActionHost& host, std::string_view operation, const std::string& file,
              int showCommand, bool wait, const std::string& folder,
              const std::string& parameters) {
  ShellRequest request;
  request.operation = std::string(operation);
  request.file = file;
  request.parameters = parameters;
  request.folder = folder;
  request.showCommand = showCommand;
  bool started = false;
  long status = 0;
  if (wait) {
    // The waiting run reports its own success: its error numbers overlap the success value.
    const WaitingRunResult result = host.RunBehindWaitWindow(request);
    started = result.started;
    status = static_cast<long>(result.error);
  } else {
    request.owner = host.Window();
    status = CurrentShell().Open(request);
    started = ShellStarted(static_cast<int>(status));
  }
  if (started) return true;
  ShowErrorBox(ShellErrorText(status));
  return false;
}

}  // namespace plexara
