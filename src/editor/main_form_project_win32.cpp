// The project lifecycle of the main window: start-up, Open, the page tabs and the switch between
// pages through the temp folder, Save, the close query and Close, and the What's New check.
#include "editor/main_form_win32.h"

#include <commctrl.h>

#include <string>

#include "editor/project_lifecycle.h"
#include "editor/project_save.h"
#include "editor/editor_icons_win32.h"
#include "editor/splash_window_win32.h"
#include "editor/whats_new_dialog_win32.h"
#include "editor/initialisation_run_win32.h"
#include "platform/file_system_win32.h"
#include "properties/folder_picker_win32.h"
#include "storage/page_file.h"

namespace plexara {
namespace {

int Ask(HWND owner, const char* text, const char* caption, UINT buttons) {
  return MessageBoxA(owner, text, caption, buttons | MB_ICONQUESTION);
}

// The question a missing or unreadable project asks. Its Yes opens the new-project wizard, which
// comes with its own dialog: until then the box shows Yes disabled, so the answer is never a
// silent no-op.
HHOOK disableYesHook = nullptr;
LRESULT CALLBACK DisableYes(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    if (HWND yes = GetDlgItem(box, IDYES)) EnableWindow(yes, FALSE);
    if (HWND no = GetDlgItem(box, IDNO)) SetFocus(no);
  }
  return CallNextHookEx(disableYesHook, code, wParam, lParam);
}

void AskToCreateProject(HWND owner, const char* text) {
  disableYesHook = SetWindowsHookExA(WH_CBT, DisableYes, nullptr, GetCurrentThreadId());
  Ask(owner, text, "Information", MB_YESNO | MB_DEFBUTTON2);
  if (disableYesHook) UnhookWindowsHookEx(disableYesHook);
  disableYesHook = nullptr;
}

// The hourglass for the length of a scope.
class WaitCursor {
 public:
  WaitCursor() : previous_(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
  ~WaitCursor() { SetCursor(previous_); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  HCURSOR previous_;
};

}  // namespace

void TMainForm::StartUp() {
  SetWindowTextA(hwnd(), std::string(kEditorTitle).c_str());
  const std::vector<std::string> args = [] {
    std::vector<std::string> all;
    for (int i = 1; i < __argc; ++i) all.emplace_back(__argv[i]);
    return all;
  }();
  if (!args.empty() && args[0] == kInitialisationArgument) {
    if (splash_) splash_->Close();
    RunInitialisation();
    DestroyWindow(hwnd());
    return;
  }
  editorVersion_ = files_.ExecutableVersion(context_.executablePath);
  if (!LoadFirstProject()) {
    if (splash_) splash_->Close();
    DestroyWindow(hwnd());
    return;
  }
  document_.currentPage = -1;
  if (!document_.pages.empty()) TabCtrl_SetCurSel(tabs_, 0);
  SwitchToPage();
  if (splash_) splash_->Close();
  splash_ = nullptr;
  SetWindowTextA(hwnd(), std::string(kEditorTitle).c_str());
  ShowWindow(designWindow_.hwnd(), SW_SHOW);
  if (workingPage_) designWindow_.CopyPageAppearance(menuBarHeight_);
  document_.starting = false;
  MarkModified(false);
  SetTimer(hwnd(), kRepaintTimer, 10, nullptr);
  SetTimer(hwnd(), kWhatsNewTimer, 100, nullptr);
}

bool TMainForm::LoadFirstProject() {
  const std::string configured = document_.projectFolder;
  if (!configured.empty()) {
    document_.pages.clear();
    if (OpenProjectFolder(document_, configured, context_.exeFolder, files_) == OpenResult::Opened) {
      context_.projectRoot = document_.projectFolder;
      RebuildPageTabs();
      return true;
    }
    const std::string text = "The default project folder '" + configured + "' is not available!";
    MessageBoxA(hwnd(), text.c_str(), "Invalid project folder", MB_OK | MB_ICONINFORMATION);
    document_.projectFolder.clear();
  } else {
    MessageBoxA(hwnd(), "There is no default project folder, please select a project folder as CD-ROM base.",
                "Project Folder", MB_OK | MB_ICONINFORMATION);
  }
  Open();
  return !document_.projectFolder.empty();
}

bool TMainForm::SaveUnderHourglass() {
  WaitCursor wait;
  return SaveProject(document_.projectFolder);
}

bool TMainForm::AskToSaveChanges() {
  if (!document_.modified || document_.projectFolder.empty()) return true;
  switch (Ask(hwnd(), "Save changes to file?", "Confirm", MB_YESNOCANCEL)) {
    case IDCANCEL: return false;
    case IDYES: return SaveUnderHourglass();
    default: return true;
  }
}

void TMainForm::Open() {
  if (!CommitPendingEdit()) return;
  if (!AskToSaveChanges()) return;
  std::string folder = document_.projectFolder;
  if (!PickDiscFolder(hwnd(), folder)) return;
  folder = WithoutTrailingBackslash(folder);
  // The open document is replaced only when the picked project loaded, so a failed Open never
  // leaves an empty page list that a later save would write over the previous project.
  switch (OpenProjectFolder(document_, folder, context_.exeFolder, files_)) {
    case OpenResult::Opened:
      context_.projectRoot = document_.projectFolder;
      RebuildPageTabs();
      if (!document_.pages.empty()) TabCtrl_SetCurSel(tabs_, 0);
      SwitchToPage();
      MarkModified(false);
      break;
    case OpenResult::LoadFailed:
      AskToCreateProject(hwnd(), "Create new project?");
      break;
    case OpenResult::NoProjectFile:
      AskToCreateProject(hwnd(), "The project file does not exist. Create new project?");
      break;
  }
}

void TMainForm::RebuildPageTabs() {
  switching_ = true;
  TabCtrl_DeleteAllItems(tabs_);
  document_.currentPage = -1;
  for (std::size_t i = 0; i < document_.pages.size(); ++i) {
    const TAutoFormInfo& entry = document_.pages[i];
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<char*>(entry.name.c_str());
    item.iImage = entry.kind < kPageKindIconCount ? entry.kind : -1;
    TabCtrl_InsertItem(tabs_, static_cast<int>(i), &item);
  }
  SetStatusText(1, document_.projectFolder);
  switching_ = false;
  LayOut();
}

void TMainForm::LoadWorkingPage(const TAutoFormInfo& entry, const std::string& path, bool centre) {
  PageData page;
  // A damaged page file shows the codec's one error box; the tab then shows a new page.
  LoadPageFile(path, page);
  page.pageName = entry.name;
  if (centre) {
    RECT area;
    GetClientRect(designArea_.hwnd(), &area);
    page.left = CentredOffset(area.right, page.width);
    page.top = CentredOffset(area.bottom, page.height);
  }
  designWindow_.SetWorkingPage(nullptr);
  workingPage_ = std::make_unique<TAutoRunForm>(context_);
  workingPage_->SetDesignMode(true);
  workingPage_->SetPage(std::move(page));
  // The page window is never shown: its content is what the design window paints.
  workingPage_->CreatePageWindow(hwnd(), false);
  workingPage_->SetDesignGrid(settings_.displayGrid, settings_.gridX, settings_.gridY);
}

void TMainForm::SwitchToPage() {
  if (document_.pages.empty()) return;
  ShowWindow(designWindow_.hwnd(), SW_HIDE);
  const int selected = std::max(0, TabCtrl_GetCurSel(tabs_));
  const std::optional<PageSwitchPlan> plan = PlanPageSwitch(document_, selected, context_.exeFolder);
  if (!plan) return;
  if (!plan->saveWorkingPageTo.empty() && workingPage_) SavePageFile(plan->saveWorkingPageTo, workingPage_->page());
  document_.currentPage = selected;
  LoadWorkingPage(document_.pages[static_cast<std::size_t>(selected)], plan->loadFrom, plan->centre);
  RebuildGroupList();
  switching_ = true;
  designWindow_.SetSwitching(true);
  designWindow_.SetWorkingPage(workingPage_.get());
  PlaceDesignWindow();
  designWindow_.CopyPageAppearance(menuBarHeight_);
  ShowWindow(designWindow_.hwnd(), SW_SHOW);
  designWindow_.SetSwitching(false);
  switching_ = false;
  DesignAreaChanged();
  RebuildObjectSelector();
  SetTimer(hwnd(), kRepaintTimer, 10, nullptr);
}

void TMainForm::PlaceDesignWindow() {
  // The design window sits in the area at the page's position, less what the area is scrolled.
  const PageData& page = workingPage_->page();
  const POINT scroll = designArea_.ScrollPosition();
  SetWindowPos(designWindow_.hwnd(), nullptr, page.left - scroll.x, page.top - scroll.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TMainForm::SaveProject(const std::string& folder) {
  const SaveEnvironment environment{context_.exeFolder, context_.executablePath, editorVersion_, files_, ini_,
                                    [this](const std::string& path) {
                                      return workingPage_ != nullptr && SavePageFile(path, workingPage_->page());
                                    }};
  return plexara::SaveProject(document_, folder, environment);
}

bool TMainForm::CloseQuery() {
  if (!CommitPendingEdit()) return false;
  return AskToSaveChanges();
}

void TMainForm::CloseProject() {
  designWindow_.SetWorkingPage(nullptr);
  workingPage_.reset();
  DiscardTempCopies(document_, context_.exeFolder, files_);
  document_.pages.clear();
  document_.deletedPages.clear();
}

void TMainForm::CheckWhatsNew(bool fromMenu) {
  const std::string stored = ReadSeenVersion(ini_);
  if (!fromMenu && stored == editorVersion_) return;
  if (ShowWhatsNew(hwnd(), context_.exeFolder, stored != editorVersion_)) WriteSeenVersion(ini_, editorVersion_);
}

void TMainForm::RunInitialisation() { RunInitialisationSteps(hwnd(), context_.exeFolder, context_.executablePath); }

}  // namespace plexara
