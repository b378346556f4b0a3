#include "support/modal_driver_win32.h"

#include <gtest/gtest.h>

namespace plexara::testing_support {
namespace {

ModalDriver* activeDriver = nullptr;
constexpr UINT kTickMs = 50;
constexpr int kGiveUpTicks = 100;  // about five seconds after the last step

struct Search {
  const std::string* caption;
  bool shownOnly;
  HWND found;
};

BOOL CALLBACK MatchCaption(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  char title[256] = {};
  GetWindowTextA(hwnd, title, sizeof(title));
  if ((!search->shownOnly || IsWindowVisible(hwnd)) && *search->caption == title) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK FindVisibleEdit(HWND child, LPARAM found) {
  char name[16] = {};
  GetClassNameA(child, name, sizeof(name));
  if (lstrcmpiA(name, "Edit") != 0 || !IsWindowVisible(child)) return TRUE;
  *reinterpret_cast<HWND*>(found) = child;
  return FALSE;
}

}  // namespace

HWND FindThreadWindow(const std::string& caption, bool shownOnly) {
  Search search{&caption, shownOnly, nullptr};
  EnumThreadWindows(GetCurrentThreadId(), &MatchCaption, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

ModalDriver::ModalDriver(std::string caption, std::vector<Step> steps)
    : caption_(std::move(caption)), steps_(std::move(steps)), previous_(activeDriver) {
  activeDriver = this;
  timer_ = SetTimer(nullptr, 0, kTickMs, &ModalDriver::Tick);
}

ModalDriver::~ModalDriver() {
  KillTimer(nullptr, timer_);
  // Drivers may go in any order: this one leaves the chain wherever it is in it.
  if (activeDriver == this) {
    activeDriver = previous_;
    return;
  }
  for (ModalDriver* driver = activeDriver; driver != nullptr; driver = driver->previous_) {
    if (driver->previous_ != this) continue;
    driver->previous_ = previous_;
    break;
  }
}

void CALLBACK ModalDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (activeDriver != nullptr) activeDriver->OnTick();
}

void ModalDriver::OnTick() {
  HWND window = FindThreadWindow(caption_);
  if (window == nullptr) {
    // A nested window driven to its end and closed: the window that opened it goes on.
    if (next_ == steps_.size() && previous_ != nullptr) previous_->OnTick();
    return;
  }
  if (next_ < steps_.size()) {
    steps_[next_++](window);
  } else if (++idleTicks_ > kGiveUpTicks) {
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
  }
}

std::string TreeItemText(HWND tree, HTREEITEM item) {
  char text[512] = {};
  TVITEMA data{};
  data.mask = TVIF_TEXT;
  data.hItem = item;
  data.pszText = text;
  data.cchTextMax = sizeof(text);
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
  return text;
}

void PostKey(HWND window, WORD virtualKey) {
  const UINT scan = MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC);
  PostMessageA(window, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
  PostMessageA(window, WM_KEYUP, virtualKey, 1 | (scan << 16) | 0xC0000000u);
}

void PostChars(HWND window, const std::string& text) {
  for (const char c : text) PostMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void PostClick(HWND control) {
  RECT client;
  GetClientRect(control, &client);
  const LPARAM centre = MAKELPARAM(client.right / 2, client.bottom / 2);
  PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, centre);
  PostMessageA(control, WM_LBUTTONUP, 0, centre);
}

void ChooseInFileDialog(HWND dialog, const std::string& path) {
  if (dialog == nullptr) {
    ADD_FAILURE() << "no file dialog to choose " << path << " in";
    return;
  }
  HWND edit = nullptr;
  EnumChildWindows(dialog, &FindVisibleEdit, reinterpret_cast<LPARAM>(&edit));
  if (edit == nullptr) {
    ADD_FAILURE() << "the file dialog shows no file-name field";
    return;
  }
  SetWindowTextA(edit, path.c_str());
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

void ChooseInFileDialog(const std::string& caption, const std::string& path) {
  HWND dialog = FindThreadWindow(caption);
  if (dialog == nullptr) {
    ADD_FAILURE() << "no window captioned \"" << caption << "\"";
    return;
  }
  ChooseInFileDialog(dialog, path);
}

void PaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

}  // namespace plexara::testing_support
