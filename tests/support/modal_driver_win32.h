// Drives a modal window from inside its own message loop: a thread timer finds the window by its
// caption among this thread's windows and runs one step per tick (read state, post keys and
// clicks, take a screenshot). A window still open a while after the last step is cancelled, so a
// failing test ends instead of hanging.
//
// A window opened from a driven one gets a driver of its own, made in a step of the outer driver
// (and kept alive past that step): the newest driver runs, and once its steps are done and its
// window is gone, the outer one goes on.
#pragma once

#include <windows.h>
// commctrl.h needs the types of windows.h declared first.
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace plexara::testing_support {

class ModalDriver {
 public:
  using Step = std::function<void(HWND window)>;
  ModalDriver(std::string caption, std::vector<Step> steps);
  ~ModalDriver();
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;

  // Every step ran before the window went away.
  bool finished() const { return next_ == steps_.size(); }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
  void OnTick();

  std::string caption_;
  std::vector<Step> steps_;
  std::size_t next_ = 0;
  ModalDriver* previous_;  // the driver of the window that opened this one, if any
  int idleTicks_ = 0;
  UINT_PTR timer_ = 0;
};

// This thread's visible top-level window with that caption, or null. With `shownOnly` false a
// hidden one is found too: a modal dialog opened from a step shows itself only once its loop
// first goes idle, which may be after the next step's tick.
HWND FindThreadWindow(const std::string& caption, bool shownOnly = true);
// Input as the window would get it from the keyboard and mouse, through its queue.
void PostKey(HWND window, WORD virtualKey);
void PostChars(HWND window, const std::string& text);
void PostClick(HWND control);
// The text of an item of a tree view control.
std::string TreeItemText(HWND tree, HTREEITEM item);
// Repaints the window and its children now, so a screenshot shows the current state.
void PaintNow(HWND window);
// Types a full path into the file-name field of a platform open or save dialog (the visible edit
// among its descendants) and confirms it. The caption form looks the dialog up among this
// thread's windows first, for steps driven from the window that opened it.
void ChooseInFileDialog(HWND dialog, const std::string& path);
void ChooseInFileDialog(const std::string& caption, const std::string& path);

}  // namespace plexara::testing_support
