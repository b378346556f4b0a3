// The editor's splash window, shown while the editor starts: the product name and the application
// icon on a white to light-blue gradient. It fades in by itself; Close fades it out and destroys
// it. Without per-window opacity it simply appears and goes.
#pragma once

#include "platform/window_win32.h"

namespace plexara {

class TSplashForm final : public win32::Window {
 public:
  TSplashForm() = default;
  ~TSplashForm() override;

  // Creates the window centred on the screen and starts the fade in.
  bool Show(bool layeredWindows);
  // Starts the fade out; the window destroys itself when it is transparent.
  void Close();
  // The window still exists (it is fading or shown).
  bool IsOpen() const { return hwnd() != nullptr; }
  int opacity() const { return opacity_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc, const RECT& client) override;

 private:
  void Timer1Timer();
  void SetOpacity(int opacity);

  bool layered_ = false;
  bool closing_ = false;
  int opacity_ = 0;
  HFONT titleFont_ = nullptr;
};

}  // namespace plexara
