#include "properties/file_picker_win32.h"

#include <vector>

#include "platform/modal_dialog_win32.h"
#include "properties/file_dialog_win32.h"
#include "properties/file_picker.h"
#include "properties/folder_picker_win32.h"

namespace plexara {
namespace {

class PlatformPickSteps final : public FilePickSteps {
 public:
  PlatformPickSteps(HWND owner, const std::string& discFolder)
      : owner_(owner), discFolder_(discFolder) {}

  bool PickFolder(const std::string& label, std::string& value) override {
    return plexara::PickFolder(owner_, discFolder_, label, value);
  }

  bool FileExists(const std::string& path) override {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  // The copy goes to a temporary name beside the target first, so a full disk or a read error
  // never leaves half a file under the name the project will store.
  bool CopyReplacing(const std::string& source, const std::string& target) override {
    const std::string temporary = target + ".copying";
    if (!CopyFileA(source.c_str(), temporary.c_str(), FALSE)) {
      DeleteFileA(temporary.c_str());
      return false;
    }
    if (!MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING)) {
      DeleteFileA(temporary.c_str());
      return false;
    }
    return true;
  }

 private:
  HWND owner_;
  const std::string& discFolder_;
};

// The path with "." and ".." resolved and "/" turned into "\", as the disc-folder rule compares it.
std::string FullPath(const std::string& path) {
  std::vector<char> buffer(MAX_PATH * 4);
  const DWORD length =
      GetFullPathNameA(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
  if (length == 0 || length >= buffer.size()) return path;
  return std::string(buffer.data(), length);
}

}  // namespace

bool PickFile(HWND owner, const std::string& discFolder, std::string_view filter,
              std::string& value) {
  const std::string chosen =
      AskOpenFileName(owner, {.filter = filter,
                              .initialFile = InitialPickPath(discFolder, value),
                              .initialFolder = discFolder});
  if (chosen.empty()) return false;
  PlatformPickSteps steps(owner, discFolder);
  const std::optional<std::string> placed =
      PlaceInDisc(FullPath(discFolder), FullPath(chosen), steps, CurrentMessageBoxes(), owner);
  if (!placed || *placed == value) return false;
  value = *placed;
  return true;
}

bool PickFileIntoField(HWND dialog, int field, const std::string& discFolder, std::string_view filter) {
  std::string value = win32::ControlText(GetDlgItem(dialog, field));
  if (!PickFile(dialog, discFolder, filter, value)) return false;
  SetDlgItemTextA(dialog, field, value.c_str());
  return true;
}

}  // namespace plexara
