#include "player/page_hints_win32.h"

#include <commctrl.h>

namespace plexara {
namespace {

// Tool ids of drawn objects are their list index plus one; the empty page has its own.
constexpr UINT_PTR kBackgroundTool = 0x7FFF0000;

}  // namespace

PageHints::~PageHints() {
  if (tip_ != nullptr) DestroyWindow(tip_);
}

bool PageHints::Create(HWND page) {
  static const bool initialised = [] {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
  }();
  if (!initialised || tip_ != nullptr) return tip_ != nullptr;
  page_ = page;
  tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, page, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
  if (tip_ == nullptr) return false;
  // Long hints wrap instead of running off the screen.
  SendMessageA(tip_, TTM_SETMAXTIPWIDTH, 0, GetSystemMetrics(SM_CXSCREEN) / 2);
  // A little room around the text: a glyph that reaches past its measured width is not cut off.
  RECT margin{2, 1, 2, 1};
  SendMessageA(tip_, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
  return true;
}

void PageHints::AddTool(HWND hwnd, UINT_PTR id, UINT flags, const RECT& rect) {
  // The size of the first tool-info layout, which every version of the hint window accepts.
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = flags | TTF_SUBCLASS;
  tool.hwnd = hwnd;
  tool.uId = id;
  tool.rect = rect;
  tool.lpszText = LPSTR_TEXTCALLBACKA;
  if (SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool))) tools_.push_back({hwnd, id});
}

void PageHints::Rebuild(HWND surface, std::span<ObjectControl* const> controls, const std::string* pageHint) {
  if (tip_ == nullptr) return;
  for (const Tool& old : tools_) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = old.hwnd;
    tool.uId = old.id;
    SendMessageA(tip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
  tools_.clear();
  surface_ = surface;
  controls_.assign(controls.begin(), controls.end());
  pageHint_ = pageHint;
  // The hint window takes the first tool under the pointer, so the topmost object comes first and
  // the empty page last.
  for (std::size_t i = controls_.size(); i-- > 0;) {
    ObjectControl* control = controls_[i];
    if (control->Windowed()) {
      if (HWND child = control->Child()) AddTool(surface, reinterpret_cast<UINT_PTR>(child), TTF_IDISHWND, RECT{});
      continue;
    }
    const ObjectBounds b = control->Bounds();
    AddTool(surface, i + 1, 0, RECT{b.left, b.top, b.left + b.width, b.top + b.height});
  }
  // Larger than any surface, so the page's hint covers it whatever size the window takes.
  AddTool(surface, kBackgroundTool, 0, RECT{0, 0, 0x7FFF, 0x7FFF});
  AddTool(page_, reinterpret_cast<UINT_PTR>(page_), TTF_IDISHWND, RECT{});
}

const std::string* PageHints::TextOf(const NMHDR& header) const {
  // The two layouts differ in the width of their text buffer, so the flags sit apart.
  const UINT flags = header.code == TTN_GETDISPINFOA ? reinterpret_cast<const NMTTDISPINFOA*>(&header)->uFlags
                                                     : reinterpret_cast<const NMTTDISPINFOW*>(&header)->uFlags;
  const UINT_PTR id = header.idFrom;
  if ((flags & TTF_IDISHWND) != 0) {
    if (reinterpret_cast<HWND>(id) == page_) return pageHint_;
    for (ObjectControl* control : controls_) {
      if (control->Windowed() && reinterpret_cast<UINT_PTR>(control->Child()) == id) {
        return control->Visible() ? &HintOf(control->data().record) : nullptr;
      }
    }
    return nullptr;
  }
  if (id == kBackgroundTool) return pageHint_;
  if (id == 0 || id > controls_.size()) return nullptr;
  const ObjectControl* control = controls_[id - 1];
  return control->Visible() ? &HintOf(control->data().record) : nullptr;
}

bool PageHints::HandleNotify(const NMHDR& header, LRESULT& result) {
  if (tip_ == nullptr || header.hwndFrom != tip_) return false;
  if (header.code != TTN_GETDISPINFOA && header.code != TTN_GETDISPINFOW) return false;
  const std::string* text = TextOf(header);
  shownText_ = text != nullptr ? *text : std::string();
  if (header.code == TTN_GETDISPINFOA) {
    auto* info = reinterpret_cast<NMTTDISPINFOA*>(const_cast<NMHDR*>(&header));
    info->lpszText = shownText_.data();
  } else {
    // Texts are system code page bytes; a hint window that asks in UTF-16 gets them converted.
    const int length = MultiByteToWideChar(CP_ACP, 0, shownText_.data(), static_cast<int>(shownText_.size()),
                                           nullptr, 0);
    shownWide_.assign(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
      MultiByteToWideChar(CP_ACP, 0, shownText_.data(), static_cast<int>(shownText_.size()), shownWide_.data(),
                          length);
    }
    auto* info = reinterpret_cast<NMTTDISPINFOW*>(const_cast<NMHDR*>(&header));
    info->lpszText = shownWide_.data();
  }
  result = 0;
  return true;
}

}  // namespace plexara
