// Modal dialogs built in memory: a template of real Win32 controls laid out in dialog units, in
// the system's message font, so every dialog grows with the font and the screen's DPI. The dialog
// manager gives Enter to the default button (IDOK) and Esc to IDCANCEL. A dialog class derives
// from ModalDialog and fills its controls in OnInit.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace plexara::win32 {

class DialogTemplate {
 public:
  // Width and height in dialog units; the dialog is centred on its owner.
  DialogTemplate(const std::string& caption, int width, int height);

  // One control: a window class name ("BUTTON", "EDIT", "STATIC", or a common control's class),
  // its text, id, place in dialog units and style (WS_CHILD | WS_VISIBLE are added).
  void Add(const char* className, const std::string& text, int id, int x, int y, int width, int height,
           DWORD style, DWORD exStyle = 0);

  // The "&OK" (default) and cancel buttons side by side, the cancel button's right edge at
  // `right`, both `width` × `height` dialog units with a 6-unit gap.
  void AddOkCancel(int right, int top, int width, int height, const std::string& cancelText = "&Cancel");

  // The finished template; valid while this object lives and no control is added.
  const DLGTEMPLATE* Data() const;

 private:
  std::vector<WORD> words_;
  std::size_t countOffset_ = 0;
};

class ModalDialog {
 public:
  ModalDialog() = default;
  ModalDialog(const ModalDialog&) = delete;
  ModalDialog& operator=(const ModalDialog&) = delete;
  virtual ~ModalDialog() = default;

  // Runs the dialog until it ends; the id it ended with (IDOK, IDCANCEL), or -1 when it could not
  // be made.
  INT_PTR Run(HWND owner, const DialogTemplate& layout);

 protected:
  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
  std::string ItemText(int id) const;
  void SetItemText(int id, const std::string& text) const;
  void End(INT_PTR result) const { EndDialog(hwnd_, result); }

  // Return false when the focus was set.
  virtual bool OnInit() { return true; }
  // A WM_COMMAND; IDOK and IDCANCEL end the dialog unless handled. True when handled.
  virtual bool OnCommand(int id, int code) {
    (void)id;
    (void)code;
    return false;
  }
  virtual LRESULT OnNotify(const NMHDR& header) {
    (void)header;
    return 0;
  }
  // Any other message (owner drawing, colours); true when handled, with the dialog procedure's
  // result in `result`.
  virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    (void)message;
    (void)wParam;
    (void)lParam;
    (void)result;
    return false;
  }

 private:
  static INT_PTR CALLBACK StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

// The text of a control (or any window).
std::string ControlText(HWND control);

// The system's message font (the one message boxes use), in the process's DPI.
LOGFONTW MessageFont();

}  // namespace plexara::win32
