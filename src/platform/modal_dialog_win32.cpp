#include "platform/modal_dialog_win32.h"

#include <cwchar>

namespace plexara::win32 {
namespace {

std::wstring Wide(const std::string& text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

void AppendText(std::vector<WORD>& words, const std::wstring& text) {
  for (const wchar_t c : text) words.push_back(static_cast<WORD>(c));
  words.push_back(0);
}

void AppendDword(std::vector<WORD>& words, DWORD value) {
  words.push_back(LOWORD(value));
  words.push_back(HIWORD(value));
}

void AlignToDword(std::vector<WORD>& words) {
  if (words.size() % 2 != 0) words.push_back(0);
}

}  // namespace

LOGFONTW MessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return metrics.lfMessageFont;
  LOGFONTW fallback{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(fallback), &fallback);
  return fallback;
}

DialogTemplate::DialogTemplate(const std::string& caption, int width, int height) {
  // DLGTEMPLATEEX: version 1, signature 0xFFFF, help id, extended style, style, item count, place.
  words_ = {1, 0xFFFF};
  AppendDword(words_, 0);
  AppendDword(words_, 0);
  AppendDword(words_, DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
  countOffset_ = words_.size();
  words_.push_back(0);
  for (const int value : {0, 0, width, height}) words_.push_back(static_cast<WORD>(value));
  words_.push_back(0);  // no menu
  words_.push_back(0);  // the standard dialog class
  AppendText(words_, Wide(caption));
  // The message font by name and point size; the dialog manager sizes the dialog units from it.
  const LOGFONTW font = MessageFont();
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const int height_px = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
  int points = height_px > 0 ? MulDiv(height_px, 72, dpi) : 8;
  if (points <= 0) points = 8;
  words_.push_back(static_cast<WORD>(points));
  words_.push_back(static_cast<WORD>(font.lfWeight));
  words_.push_back(static_cast<WORD>(font.lfItalic | (font.lfCharSet << 8)));
  AppendText(words_, font.lfFaceName);
}

void DialogTemplate::AddOkCancel(int right, int top, int width, int height, const std::string& cancelText) {
  Add("BUTTON", "&OK", IDOK, right - 2 * width - 6, top, width, height, WS_TABSTOP | BS_DEFPUSHBUTTON);
  Add("BUTTON", cancelText, IDCANCEL, right - width, top, width, height, WS_TABSTOP | BS_PUSHBUTTON);
}

void DialogTemplate::Add(const char* className, const std::string& text, int id, int x, int y, int width,
                         int height, DWORD style, DWORD exStyle) {
  // DLGITEMTEMPLATEEX, DWORD aligned: help id, extended style, style, place, id, class, text, no data.
  AlignToDword(words_);
  AppendDword(words_, 0);
  AppendDword(words_, exStyle);
  AppendDword(words_, style | WS_CHILD | WS_VISIBLE);
  for (const int value : {x, y, width, height}) words_.push_back(static_cast<WORD>(value));
  AppendDword(words_, static_cast<DWORD>(id));
  AppendText(words_, Wide(className));
  AppendText(words_, Wide(text));
  words_.push_back(0);
  ++words_[countOffset_];
}

const DLGTEMPLATE* DialogTemplate::Data() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

INT_PTR ModalDialog::Run(HWND owner, const DialogTemplate& layout) {
  return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), layout.Data(), owner, &ModalDialog::StaticProc,
                                 reinterpret_cast<LPARAM>(this));
}

std::string ControlText(HWND control) {
  const int length = GetWindowTextLengthA(control);
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(control, text.data(), length + 1)));
  return text;
}

std::string ModalDialog::ItemText(int id) const { return ControlText(Item(id)); }

void ModalDialog::SetItemText(int id, const std::string& text) const { SetDlgItemTextA(hwnd_, id, text.c_str()); }

INT_PTR CALLBACK ModalDialog::StaticProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    auto* dialog = reinterpret_cast<ModalDialog*>(lParam);
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    dialog->hwnd_ = hwnd;
    return dialog->OnInit() ? TRUE : FALSE;
  }
  auto* dialog = reinterpret_cast<ModalDialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (dialog == nullptr) return FALSE;
  switch (message) {
    case WM_COMMAND: {
      const int id = LOWORD(wParam), code = HIWORD(wParam);
      if (dialog->OnCommand(id, code)) return TRUE;
      if (id == IDOK || id == IDCANCEL) {
        EndDialog(hwnd, id);
        return TRUE;
      }
      return FALSE;
    }
    case WM_NOTIFY:
      SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, dialog->OnNotify(*reinterpret_cast<const NMHDR*>(lParam)));
      return TRUE;
    default: {
      INT_PTR result = FALSE;
      return dialog->OnMessage(message, wParam, lParam, result) ? result : FALSE;
    }
  }
}

}  // namespace plexara::win32
