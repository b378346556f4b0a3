// The hints of a page in the platform's hint window: one tool per object (a drawn object by its
// rectangle on the object surface, a windowed one by its own window), then the page's own hint
// over the empty page and the window around it. Texts are asked for when a tip is about to show,
// so an object hidden meanwhile shows none, and an object with an empty hint shows nothing.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <vector>

#include "objects/object_control_win32.h"

namespace plexara {

class PageHints {
 public:
  PageHints() = default;
  PageHints(const PageHints&) = delete;
  PageHints& operator=(const PageHints&) = delete;
  ~PageHints();

  // Creates the hint window for a page window; false when the platform has none.
  bool Create(HWND page);
  // Replaces every tool: the controls topmost first, then the page background on the surface and
  // the page window. pageHint must outlive the tools (it is the page record's).
  void Rebuild(HWND surface, std::span<ObjectControl* const> controls, const std::string* pageHint);
  // A notification from the hint window asking for a tool's text; true when it was ours.
  bool HandleNotify(const NMHDR& header, LRESULT& result);
  HWND window() const { return tip_; }
  // The page window is being destroyed, and its hint window (which it owns) with it.
  void PageDestroyed() {
    tip_ = nullptr;
    tools_.clear();
    controls_.clear();
  }

 private:
  struct Tool {
    HWND hwnd;
    UINT_PTR id;
  };
  void AddTool(HWND hwnd, UINT_PTR id, UINT flags, const RECT& rect);
  const std::string* TextOf(const NMHDR& header) const;

  HWND tip_ = nullptr;
  HWND page_ = nullptr;
  HWND surface_ = nullptr;
  std::vector<ObjectControl*> controls_;
  const std::string* pageHint_ = nullptr;
  std::vector<Tool> tools_;
  std::string shownText_;    // what the last answer pointed at; lives until the next one
  std::wstring shownWide_;
};

}  // namespace plexara
