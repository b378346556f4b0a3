#include "player/startup_sequence_win32.h"

#include <shlobj.h>

#include <memory>
#include <vector>

#include "platform/shell_seam.h"
#include "player/install_runner.h"
#include "player/modal_page_win32.h"
#include "player/startup_sequence.h"

namespace plexara {
namespace {

std::vector<std::unique_ptr<TAutoRunForm>>& ScreenBackgrounds() {
  static std::vector<std::unique_ptr<TAutoRunForm>> windows;
  return windows;
}

// The installers run while the process shows a window of its own, so the programs they start come
// up in front; the window itself is never seen.
void RunInstallListBehindInvisibleWindow(StartupContext& context, const FileSystemProbe& probe) {
  HWND invisible = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
  if (invisible != nullptr) ShowWindow(invisible, SW_SHOWNOACTIVATE);
  RunInstallList(context.project.settings.installList, context.projectRoot, probe, CurrentShell(),
                 CurrentMessageBoxes());
  if (invisible != nullptr) DestroyWindow(invisible);
}

// A Screen Background covers the screen: no frame, maximised, fully opaque without fades or
// shadow, and disabled, so it takes no input.
bool OpenScreenBackground(StartupContext& context, const TAutoFormInfo& entry) {
  auto window = std::make_unique<TAutoRunForm>(context);
  if (!window->LoadPage(entry)) return false;
  PageData& page = window->page();
  page.borderStyle = 0;
  page.windowState = 2;
  page.shadow = false;
  if (!window->CreatePageWindow(nullptr, /*mainWindow=*/false)) return false;
  HWND hwnd = window->hwnd();
  SetWindowLongPtrA(hwnd, GWL_EXSTYLE,
                    GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
  EnableWindow(hwnd, FALSE);
  window->ShowPage();
  UpdateWindow(hwnd);
  ScreenBackgrounds().push_back(std::move(window));
  return true;
}

// Shows the first form of a kind and tells whether the start may go on.
bool FormAccepts(StartupContext& context, PageKind kind) {
  const std::optional<std::size_t> index = FirstPageOfKind(context.project, kind);
  if (!index) return true;
  const ModalPageResult form = ShowModalPage(context, context.project.pages[*index], nullptr);
  return !form.shown || form.result != 0;
}

}  // namespace

bool ProcessRunsAsAdministrator() { return IsUserAnAdmin() != FALSE; }

bool RunPrePages(StartupContext& context, const FileSystemProbe& probe, bool runsAsAdministrator) {
  if (!AdministrativePrivilegeAllowsStart(context.project.settings, runsAsAdministrator,
                                          CurrentMessageBoxes())) {
    return false;
  }
  for (std::size_t index : PagesOfKind(context.project, PageKind::SplashScreen)) {
    if (!ShowModalPage(context, context.project.pages[index], nullptr).shown) return false;
  }
  RunInstallListBehindInvisibleWindow(context, probe);
  for (std::size_t index : PagesOfKind(context.project, PageKind::ScreenBackground)) {
    if (!OpenScreenBackground(context, context.project.pages[index])) return false;
  }
  return true;
}

MainWindowStart RunMainWindowStart(StartupContext& context, TAutoRunForm& mainWindow) {
  if (!FormAccepts(context, PageKind::AgreementForm)) return MainWindowStart::Refused;
  if (!FormAccepts(context, PageKind::SecurityForm)) return MainWindowStart::Refused;
  if (const std::optional<std::size_t> main =
          FirstPageOfKind(context.project, PageKind::MainPage)) {
    if (!mainWindow.LoadPage(context.project.pages[*main])) return MainWindowStart::Failed;
  }
  if (context.project.settings.applicationTitle.empty())
    context.applicationTitle = mainWindow.page().caption;
  if (!mainWindow.CreatePageWindow(nullptr, /*mainWindow=*/true)) return MainWindowStart::Failed;
  if (context.project.settings.applicationStyle == kApplicationTabbedNotebook)
    mainWindow.BuildTabStrip();
  mainWindow.RedrawBackground();
  mainWindow.SetCloseQuery(
      [&context](TAutoRunForm& window) { return ExitFormAllowsClose(context, window); });
  return MainWindowStart::Ready;
}

bool ExitFormAllowsClose(StartupContext& context, TAutoRunForm& mainWindow) {
  const std::optional<std::size_t> index = FirstPageOfKind(context.project, PageKind::ExitForm);
  if (!index) return true;
  const ModalPageResult form =
      ShowModalPage(context, context.project.pages[*index], mainWindow.hwnd(),
                    [](TAutoRunForm& exitForm) { exitForm.SetResult(1); });
  return !form.shown || form.result == 1;
}

void CloseScreenBackgrounds() { ScreenBackgrounds().clear(); }

}  // namespace plexara
