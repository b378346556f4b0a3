// The thin window base every window and control class of ours derives from. The object pointer
// travels through lpCreateParams into GWLP_USERDATA, so finding the object of a message is O(1).
// Painting goes through one Paint(HDC) used by both WM_PAINT and WM_PRINTCLIENT, which lets tests
// render any window off-screen.
#pragma once

#include <windows.h>

#include <string>

namespace plexara::win32 {

class Window {
 public:
  struct CreateArgs {
    const char* className = nullptr;  // registered on first use
    std::string title;
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
    HWND parent = nullptr;
    HICON icon = nullptr;
    UINT classStyle = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  };

  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  bool Create(const CreateArgs& args);
  HWND hwnd() const { return hwnd_; }
  void Destroy();

 protected:
  // Messages not handled here go to DefWindowProc.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual void Paint(HDC dc, const RECT& client);
  virtual void OnDestroy() {}

 private:
  static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
};

}  // namespace plexara::win32
