// The file picker as the author meets it: the platform's open dialog, then, for a file outside the
// disc folder, the copy question, the folder picker and the copy itself.
#include "properties/file_picker_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <optional>

#include "properties/file_filters.h"
#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"
#include "support/recording_shell.h"

namespace plexara {
namespace {

using namespace testing_support;

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FilePickerDialogs, AFileFromOutsideIsCopiedIntoTheChosenDiscFolder) {
  const std::string disc = MakeTempFolder("disc");
  const std::string outside = MakeTempFolder("outside");
  CreateDirectoryA((disc + "\\AutoRunSource").c_str(), nullptr);
  CreateDirectoryA((disc + "\\Docs").c_str(), nullptr);
  std::ofstream(outside + "\\readme.txt", std::ios::binary) << "outside";
  std::ofstream(disc + "\\Docs\\readme.txt", std::ios::binary) << "old";
  std::ofstream(disc + "\\Docs\\inside.txt", std::ios::binary) << "in";

  ScopedShellRecording recording;
  recording.boxes.answers = {MessageAnswer::Yes, MessageAnswer::Yes};  // copy it; overwrite
  std::string value = "\\Docs\\inside.txt";
  std::optional<ModalDriver> folderDriver;
  ModalDriver openDriver(
      "Open", {
                  [&](HWND dialog) {
                    PaintNow(dialog);
                    SaveWindowScreenshot(dialog, "file_picker_open");
                    // The folder picker comes after the copy question; its "Docs" node is chosen.
                    folderDriver.emplace(
                        "Select Folder",
                        std::vector<ModalDriver::Step>{
                            [&](HWND picker) {
                              HWND tree = GetDlgItem(picker, 102);
                              PostKey(tree,
                                      VK_DOWN);  // the first folder below the disc folder: Docs
                            },
                            [&](HWND picker) { PostClick(GetDlgItem(picker, IDOK)); },
                        });
                    ChooseInFileDialog(dialog, outside + "\\readme.txt");
                  },
              });
  EXPECT_TRUE(PickFile(nullptr, disc, kAllFilesFilter, value));
  EXPECT_EQ(value, "\\Docs\\readme.txt");
  EXPECT_EQ(ReadAll(disc + "\\Docs\\readme.txt"), "outside");
  EXPECT_EQ(GetFileAttributesA((disc + "\\Docs\\readme.txt.copying").c_str()),
            INVALID_FILE_ATTRIBUTES);
  ASSERT_EQ(recording.boxes.boxes.size(), 2u);
  EXPECT_EQ(recording.boxes.boxes[0].text,
            "The file you selected is not in CD-ROM base folder, copy it?");
  EXPECT_EQ(recording.boxes.boxes[1].text, "\"readme.txt\" already exists, overwrite?");

  // A file already inside comes back as its relative path, with no question.
  ModalDriver insideDriver(
      "Open", {[&](HWND dialog) { ChooseInFileDialog(dialog, disc + "\\Docs\\inside.txt"); }});
  EXPECT_TRUE(PickFile(nullptr, disc, kAllFilesFilter, value));
  EXPECT_EQ(value, "\\Docs\\inside.txt");
  EXPECT_EQ(recording.boxes.boxes.size(), 2u);

  // Cancel keeps the value.
  ModalDriver cancelDriver("Open",
                           {[&](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }});
  EXPECT_FALSE(PickFile(nullptr, disc, kAllFilesFilter, value));
  EXPECT_EQ(value, "\\Docs\\inside.txt");
  RemoveTree(disc);
  RemoveTree(outside);
}

}  // namespace
}  // namespace plexara
