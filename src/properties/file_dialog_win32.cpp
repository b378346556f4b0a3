#include "properties/file_dialog_win32.h"

#include <commdlg.h>

#include <cstring>

#include "properties/file_filters.h"

namespace plexara {
namespace {

// Room for long paths; the platform reports a name that does not fit as a failure (Cancel).
constexpr std::size_t kNameCapacity = MAX_PATH * 4;

// Without OFN_NOCHANGEDIR the dialog moves the process's current folder to wherever the author
// browsed, and anything resolved against it later would quietly point elsewhere.
constexpr DWORD kSharedFlags =
    OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;

std::string AskFileName(HWND owner, const FileDialogRequest& request, bool save) {
  const std::string filter = OpenFilterText(request.filter);
  const std::string extension(request.defaultExtension);  // the platform wants it NUL-ended
  std::string name(kNameCapacity, '\0');
  // A pre-selected name too long for the buffer would arrive cut short and name another file, so
  // the dialog starts in the folder instead.
  const bool preselect = !request.initialFile.empty() && request.initialFile.size() < kNameCapacity;
  if (preselect) request.initialFile.copy(name.data(), request.initialFile.size());
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = static_cast<DWORD>(request.filterIndex);
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrInitialDir =
      !preselect && !request.initialFolder.empty() ? request.initialFolder.c_str() : nullptr;
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = kSharedFlags | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
  if (!chosen) return {};
  name.resize(std::strlen(name.c_str()));
  return name;
}

}  // namespace

std::string AskOpenFileName(HWND owner, const FileDialogRequest& request) {
  return AskFileName(owner, request, false);
}

std::string AskSaveFileName(HWND owner, const FileDialogRequest& request) {
  return AskFileName(owner, request, true);
}

}  // namespace plexara
