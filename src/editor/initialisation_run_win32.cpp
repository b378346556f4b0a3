#include "editor/initialisation_run_win32.h"

#include <commctrl.h>

#include <vector>

#include "platform/window_win32.h"

namespace plexara {
namespace {

constexpr int kSampleFolders = 12;  // SampleCD0 .. SampleCD11

// A caption, a line of text and a progress bar; it pumps its messages after every step so it
// paints while the copies run.
class ProgressWindow final : public win32::Window {
 public:
  bool Open(HWND owner, const char* caption, int steps) {
    CreateArgs args;
    args.className = "TInitializeSystem";
    args.title = caption;
    args.style = WS_POPUP | WS_CAPTION | WS_VISIBLE;
    args.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    args.width = 360;
    args.height = 110;
    args.x = (work.left + work.right - args.width) / 2;
    args.y = (work.top + work.bottom - args.height) / 2;
    args.parent = owner;
    if (!Create(args)) return false;
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    label_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_ENDELLIPSIS, 12, 12, 330, 18,
                             hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(label_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    bar_ = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 12, 38, 330, 18, hwnd(), nullptr,
                           GetModuleHandleA(nullptr), nullptr);
    SendMessageA(bar_, PBM_SETRANGE32, 0, steps);
    return true;
  }
  void Step(const std::string& text, int done) {
    SetWindowTextA(label_, text.c_str());
    SendMessageA(bar_, PBM_SETPOS, static_cast<WPARAM>(done), 0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }

 private:
  HWND label_ = nullptr;
  HWND bar_ = nullptr;
};

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

void RunInitialisationSteps(HWND owner, const std::string& editorFolder, const std::string& editorExecutable) {
  // The template thumbnails: the editor ships no templates yet, so the first window has nothing
  // to regenerate and only shows that the run started.
  {
    ProgressWindow system;
    if (system.Open(owner, "Initialize System", 1)) system.Step("Initialize System", 1);
  }
  ProgressWindow demos;
  const bool shown = demos.Open(owner, "Create Demos", kSampleFolders + 2);
  // Copies overwrite; a failure leaves that demo as it was and the run goes on.
  CopyFileA(editorExecutable.c_str(), (editorFolder + "\\autorun.exe").c_str(), FALSE);
  CopyFileA(editorExecutable.c_str(), (editorFolder + "\\CDROM\\autorun.exe").c_str(), FALSE);
  for (int n = 0; n < kSampleFolders; ++n) {
    const std::string folder = editorFolder + "\\SampleCD" + std::to_string(n);
    if (shown) demos.Step("Demos -> SampleCD" + std::to_string(n), n + 2);
    if (FolderExists(folder)) CopyFileA(editorExecutable.c_str(), (folder + "\\autorun.exe").c_str(), FALSE);
  }
}

}  // namespace plexara
