// The platform's open and save file dialogs as every picker and editor of the program starts them:
// one request (filter, starting place, default extension) in, the chosen full path out.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace plexara {

struct FileDialogRequest {
  std::string_view filter;  // "description|patterns" pairs (properties/file_filters.h)
  int filterIndex = 1;      // the filter shown first, counted from 1
  std::string initialFile;  // pre-selected file, may be empty
  // Where the dialog starts when no file is pre-selected; empty leaves it to the platform.
  std::string initialFolder;
  // Added to a typed name that has none; without the dot, may be empty.
  std::string_view defaultExtension;
};

// The chosen full path, or empty after Cancel. Opening insists on an existing file; saving asks
// before it lets the author pick a file that already exists.
std::string AskOpenFileName(HWND owner, const FileDialogRequest& request);
std::string AskSaveFileName(HWND owner, const FileDialogRequest& request);

}  // namespace plexara
