#include "app/startup_win32.h"

#include <windows.h>
#include <objbase.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "editor/main_form_win32.h"
#include "editor/splash_window_win32.h"
#include "platform/error_reporter_win32.h"
#include "platform/file_system_win32.h"
#include "platform/message_loop_win32.h"
#include "platform/shell_win32.h"
#include "platform/sound_mci_win32.h"
#include "player/modal_page_win32.h"
#include "player/page_window_win32.h"
#include "player/startup_sequence_win32.h"
#include "storage/project_loader.h"
#include "storage/startup_context.h"

namespace plexara {
namespace {

std::vector<std::string> CommandLineArguments() {
  std::vector<std::string> args;
  for (int i = 0; i < __argc; ++i) args.emplace_back(__argv[i]);
  return args;
}

void SetApplicationTitle(std::string_view title) { Context().applicationTitle = std::string(title); }

// A running editor is found by its main window; it is raised and this start ends.
bool RaiseRunningEditor() {
  const std::string className(kMainFormClass), title(kEditorTitle);
  HWND running = FindWindowA(className.c_str(), title.c_str());
  if (running == nullptr) return false;
  if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
  SetForegroundWindow(running);
  return true;
}

int RunEditor(const std::vector<std::string>& args, win32::Win32FileSystem& fileSystem) {
  StartupContext& context = Context();
  if (!SkipsSingleInstanceTest(args) && RaiseRunningEditor()) return 0;
  context.editorMode = true;
  context.projectRoot = EditorProjectRoot(context.exeFolder, fileSystem, [](const std::string& iniPath) {
    return win32::ReadIniString(iniPath, std::string(kEditorIniSection), std::string(kEditorIniDefaultPathKey));
  });
  SetApplicationTitle(kEditorTitle);
  TSplashForm splash;
  splash.Show(context.layeredWindows);
  TMainForm mainForm(context);
  if (!mainForm.FormCreate(&splash)) return 1;
  return win32::RunMessageLoop(mainForm.hwnd(), mainForm.accelerators());
}

int RunPlayer(win32::Win32FileSystem& fileSystem) {
  StartupContext& context = Context();
  context.editorMode = false;
  SetApplicationTitle(kPlayerTitle);
  context.projectRoot = context.exeFolder;
  context.sourceMode = ChooseSourceMode(context.projectRoot, fileSystem);
  if (!LoadProject(context, win32::SystemTempFolder())) return 1;
  if (!context.project.settings.applicationTitle.empty()) SetApplicationTitle(context.project.settings.applicationTitle);

  const std::string iconPath = context.projectRoot + std::string(kDiscIconName);
  if (fileSystem.FileExists(iconPath)) {
    TAutoRunForm::SetApplicationIcon(static_cast<HICON>(
        LoadImageA(nullptr, iconPath.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE)));
  }

  // Splash screens, installers and screen backgrounds; then the main window, whose making asks the
  // agreement and security forms and whose closing asks the exit form.
  if (!RunPrePages(context, fileSystem, ProcessRunsAsAdministrator())) {
    CloseScreenBackgrounds();
    return 1;
  }
  int exitCode = 0;
  {
    TAutoRunForm mainWindow(context);
    switch (RunMainWindowStart(context, mainWindow)) {
      case MainWindowStart::Ready:
        mainWindow.ShowPage();
        exitCode = RunPlayerMessageLoop();
        break;
      case MainWindowStart::Refused:
        break;
      case MainWindowStart::Failed:
        exitCode = 1;
        break;
    }
  }
  CloseScreenBackgrounds();
  return exitCode;
}

}  // namespace

int RunApplication() {
  win32::InstallWin32ErrorReporter();
  // The shell's extended execute and the page controls expect COM on the UI thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  win32::InstallWin32ShellSeams();
  win32::InstallMciSoundSystem();
  StartupContext& context = Context();

  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof(version);
  if (!GetVersionExA(&version)) return 1;
  context.layeredWindows = version.dwPlatformId > 1;  // the NT family

  // The tooltip defaults, kept so a project without its own hint style can restore them.
  context.defaultHintShowDelay = static_cast<int>(GetDoubleClickTime());
  context.defaultHintHideDelay = context.defaultHintShowDelay * 10;
  SetApplicationTitle(kEditorTitle);

  const std::string exePath = win32::ExecutablePath();
  context.exeFolder = ExeFolderFromPath(exePath);
  context.editorTempFolder = context.exeFolder + std::string(kEditorTempFolderName);

  win32::Win32FileSystem fileSystem;
  int exitCode = 0;
  context.executablePath = exePath;
  if (IsEditorExecutable(exePath)) {
    exitCode = RunEditor(CommandLineArguments(), fileSystem);
  } else {
    exitCode = RunPlayer(fileSystem);
  }
  // Walked even when the player failed to load: a half-finished unpack must not stay behind in
  // the temp folder.
  context.tempCleanupList.Walk(fileSystem);
  if (SUCCEEDED(com)) CoUninitialize();
  return exitCode;
}

}  // namespace plexara
