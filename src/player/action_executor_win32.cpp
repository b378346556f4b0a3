#include "player/action_executor_win32.h"

#include <algorithm>

#include "objects/image_control_win32.h"
#include "player/action_copy_win32.h"
#include "player/action_executor.h"
#include "player/modal_page_win32.h"
#include "player/wait_window_win32.h"
#include "storage/kind_table.h"

namespace plexara {
namespace {

bool IsKind(const ObjectControl& control, ObjectKind kind) {
  return control.kind() == static_cast<std::uint8_t>(kind);
}

// Kinds that take a loaded file as their text.
bool TakesTextFile(const ObjectControl& control) {
  return IsKind(control, ObjectKind::Text) || IsKind(control, ObjectKind::ScrollText) ||
         IsKind(control, ObjectKind::TextBox) || IsKind(control, ObjectKind::RichText) ||
         IsKind(control, ObjectKind::SimpleText);
}

// Kinds that take a loaded file as their clip, location, media, picture folder or movie.
bool TakesOwnFile(const ObjectControl& control) {
  return IsKind(control, ObjectKind::AVI) || IsKind(control, ObjectKind::Explorer) ||
         IsKind(control, ObjectKind::MediaPlayer) || IsKind(control, ObjectKind::SlideShow) ||
         IsKind(control, ObjectKind::Flash);
}

class PageWindowHost final : public ActionHost {
 public:
  explicit PageWindowHost(TAutoRunForm& window) : window_(window) {}

  bool DesignTime() const override { return window_.context().editorMode; }
  std::string ProjectRoot() const override { return window_.context().projectRoot; }
  std::string ApplicationTitle() const override { return window_.context().applicationTitle; }
  NativeWindow Window() const override { return window_.hwnd(); }

  void CloseWindow() override {
    // Posted: the running action (and the rest of its group) finishes first, and the controls
    // whose click started it stay alive until then.
    if (window_.hwnd()) PostMessageA(window_.hwnd(), WM_CLOSE, 0, 0);
  }
  void SetExitRequested(bool requested) override { window_.SetExitRequested(requested ? 1 : 0); }
  void MinimizeApplication() override { window_.MinimizeApplication(); }

  bool PlayActionSound(const std::string& path) override { return window_.PlayActionSound(path); }
  void StopActionSound() override { window_.StopActionSound(); }
  void StopAllSounds() override {
    window_.StopAllSounds();
    if (TAutoRunForm* background = TAutoRunForm::ScreenBackground()) {
      if (background != &window_) background->StopAllSounds();
    }
  }

  void ShowSubPage(const std::string& pageName) override {
    plexara::ShowSubPage(window_, pageName);
  }
  void GotoPage(const std::string& pageName) override { window_.BeginGotoPage(pageName); }

  WaitingRunResult RunBehindWaitWindow(const ShellRequest& request) override {
    WaitingRunResult status;
    RunWithWaitWindow(request.operation, request.file, request.parameters, status,
                      request.showCommand, request.folder);
    return status;
  }

  std::size_t ObjectCount() const override { return window_.Controls().size(); }
  ObjectData& Object(std::size_t index) override { return window_.Controls().at(index)->data(); }
  void ApplyObjectState(std::size_t index) override {
    window_.Controls().at(index)->StateChanged();
  }

  void LoadFileIntoObject(std::size_t index, const std::string& path) override {
    ObjectControl& control = *window_.Controls().at(index);
    if (IsKind(control, ObjectKind::Image)) {
      // A picture that cannot be read leaves the Image as it was; the action reports nothing.
      static_cast<void>(static_cast<TAuImage&>(control).LoadPictureFile(path));
    } else if (TakesTextFile(control)) {
      control.LoadTextFile(path);  // a file that cannot be read leaves the text as it was
    } else if (TakesOwnFile(control)) {
      if (auto* target = dynamic_cast<FileLoadTarget*>(&control)) target->LoadFileFromAction(path);
    }
  }

  void PerformPlayerCommand(std::size_t index, ObjectPlayerCommand command) override {
    ObjectControl& control = *window_.Controls().at(index);
    if (!IsKind(control, ObjectKind::MediaPlayer) && !IsKind(control, ObjectKind::SlideShow))
      return;
    if (auto* target = dynamic_cast<PlayerCommandTarget*>(&control))
      target->PerformPlayerCommand(command);
  }

  CopyFileSystem& Files() override { return files_; }

 private:
  TAutoRunForm& window_;
  win32::Win32CopyFileSystem files_;
};

}  // namespace

void ExecuteAction(TAutoRunForm& window, const TCommand& command) {
  PageWindowHost host(window);
  ExecuteAction(host, command);
}

bool RunShell(TAutoRunForm& window, std::string_view operation, const std::string& file,
              int showCommand, bool wait, const std::string& folder,
              const std::string& parameters) {
  PageWindowHost host(window);
  return RunShell(host, operation, file, showCommand, wait, folder, parameters);
}

void ShowSubPage(TAutoRunForm& window, const std::string& pageName) {
  StartupContext& context = window.context();
  const auto& pages = context.project.pages;
  const auto entry = std::find_if(pages.begin(), pages.end(),
                                  [&](const TAutoFormInfo& page) { return page.name == pageName; });
  if (entry == pages.end()) return;
  const TAutoFormInfo subPage = *entry;
  const bool startSoundLoop = window.page().startSoundLoop;
  bool callerSilenced = false;
  // The caller falls silent and fades out only once the sub page has loaded.
  const ModalPageResult shown =
      ShowModalPage(context, subPage, window.hwnd(), [&](TAutoRunForm& page) {
        page.SetExitRequested(0);
        window.page().startSoundLoop = false;
        window.StopSounds();
        window.FadeOutAndHideShadow();
        callerSilenced = true;
      });
  if (!callerSilenced) return;
  window.page().startSoundLoop = startSoundLoop;
  if (shown.exitRequested == 0) {
    window.PrepareFadeIn();
    window.PlayStartSound();
  } else {
    // "Exit" closes every window up to the main window, one caller after the other.
    window.SetExitRequested(1);
    if (window.hwnd()) PostMessageA(window.hwnd(), WM_CLOSE, 0, 0);
  }
}

}  // namespace plexara
