// A small automation helper for end-to-end tests under Wine: starts our executable, finds its
// windows by class and title, reads dialog texts, clicks, and saves screenshots for people to
// look at under build/artifacts/.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace plexara::testing_support {

class ChildProcess {
 public:
  ChildProcess() = default;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ChildProcess(ChildProcess&& other) noexcept;
  ~ChildProcess();  // ends the process if it still runs

  // Starts exe with the arguments (already quoted as needed) in the exe's folder.
  static ChildProcess Start(const std::string& exe, const std::string& arguments = {});

  bool started() const { return process_ != nullptr; }
  DWORD id() const { return id_; }
  // Waits up to timeout for the process to end; true when it ended.
  bool WaitForExit(std::chrono::milliseconds timeout);
  DWORD ExitCode() const;

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

struct WindowInfo {
  HWND hwnd;
  DWORD processId;
  std::string className;
  std::string title;
};

// Visible or not, every top-level window.
std::vector<WindowInfo> TopLevelWindows();
// Top-level windows with that class (and title, when given); processId 0 means any process.
std::vector<WindowInfo> FindTopLevelWindows(const std::string& className, const std::string* title, DWORD processId = 0);
// Polls (pumping this thread's messages) until the predicate holds or the timeout passes.
bool WaitUntil(const std::function<bool()>& predicate, std::chrono::milliseconds timeout);
// A window's text, whatever its length.
std::string WindowText(HWND window);
// The texts of a dialog's static controls, joined by line breaks (a message box's message).
std::string DialogText(HWND dialog);
// Copies a file, overwriting.
bool CopyFileTo(const std::string& from, const std::string& to);
// A fresh, empty folder under the system temp folder.
std::string MakeTempFolder(const std::string& prefix);
// Removes a folder and everything in it.
void RemoveTree(const std::string& folder);
// Where the build keeps its outputs (PLEXARA_BUILD_DIR, as a Windows path).
std::string BuildDir();
// build/artifacts/ of the source tree, where screenshots are kept for people to look at.
std::string ArtifactsDir();
// Captures the screen rectangle of a window into a PNG under build/artifacts/<name>.png.
bool SaveWindowScreenshot(HWND hwnd, const std::string& name);

}  // namespace plexara::testing_support
