#include "properties/folder_picker_win32.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"

namespace plexara {
namespace {

using namespace testing_support;

constexpr int kLabel = 101, kTree = 102;

std::vector<std::string> ChildTexts(HWND tree, HTREEITEM item) {
  std::vector<std::string> texts;
  for (HTREEITEM child = TreeView_GetChild(tree, item); child != nullptr; child = TreeView_GetNextSibling(tree, child)) {
    texts.push_back(TreeItemText(tree, child));
  }
  return texts;
}

struct Seen {
  std::string label, root, selected, selectedParent;
  std::vector<std::string> firstLevel;
  int lastFirstLevelChildren = -1;  // child items of the last first-level node, never opened
  bool okEnabled = false;
};

void Look(HWND dialog, Seen& seen) {
  HWND tree = GetDlgItem(dialog, kTree);
  char label[256] = {};
  GetDlgItemTextA(dialog, kLabel, label, sizeof(label));
  seen.label = label;
  HTREEITEM root = TreeView_GetRoot(tree);
  seen.root = TreeItemText(tree, root);
  seen.firstLevel = ChildTexts(tree, root);
  HTREEITEM last = TreeView_GetChild(tree, root);
  while (last != nullptr && TreeView_GetNextSibling(tree, last) != nullptr) last = TreeView_GetNextSibling(tree, last);
  if (last != nullptr) seen.lastFirstLevelChildren = static_cast<int>(ChildTexts(tree, last).size());
  HTREEITEM selected = TreeView_GetSelection(tree);
  seen.selected = TreeItemText(tree, selected);
  seen.selectedParent = TreeItemText(tree, TreeView_GetParent(tree, selected));
  seen.okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != 0;
}

class FolderPicker : public ::testing::Test {
 protected:
  void SetUp() override {
    disc_ = MakeTempFolder("picker");
    for (const char* folder : {"\\AutoRunSource", "\\Pics", "\\Pics\\Sub", "\\Sounds", "\\Sounds\\Loops"}) {
      CreateDirectoryA((disc_ + folder).c_str(), nullptr);
    }
  }
  void TearDown() override { RemoveTree(disc_); }
  std::string disc_;
};

TEST_F(FolderPicker, DiscTreeLeavesOutTheSourceFolderAndGivesRelativeFolders) {
  std::string value = "\\pics\\SUB";  // letter case of the stored value does not matter
  Seen seen;
  Seen afterHome;
  ModalDriver driver("Select Folder", {
      [&](HWND dialog) { PaintNow(dialog); },
      [&](HWND dialog) {
        Look(dialog, seen);
        SaveWindowScreenshot(dialog, "folder_picker_disc");
        PostKey(GetDlgItem(dialog, kTree), VK_HOME);  // up to the disc folder itself
      },
      [&](HWND dialog) {
        Look(dialog, afterHome);
        PostKey(GetDlgItem(dialog, kTree), VK_RETURN);
      },
  });
  EXPECT_TRUE(PickFolder(nullptr, disc_, "", value));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(seen.label, "Select folder:");
  EXPECT_EQ(seen.root, "CD-ROM base - [" + disc_ + "]");
  EXPECT_EQ(seen.firstLevel, (std::vector<std::string>{"Pics", "Sounds"}));
  EXPECT_EQ(seen.lastFirstLevelChildren, 0) << "Sounds is read only when opened";
  EXPECT_EQ(seen.selected, "Sub");
  EXPECT_EQ(seen.selectedParent, "Pics");
  EXPECT_TRUE(seen.okEnabled);
  EXPECT_EQ(afterHome.selected, seen.root);
  EXPECT_EQ(value, "\\");
}

TEST_F(FolderPicker, OkOnTheGivenFolderOrCancelReportsNoChange) {
  for (const WORD key : {WORD{VK_RETURN}, WORD{VK_ESCAPE}}) {
    std::string value = "\\Sounds";
    std::vector<std::string> opened;
    ModalDriver driver("Select Folder", {
        [&](HWND dialog) { PostKey(GetDlgItem(dialog, kTree), VK_RIGHT); },  // open it
        [&](HWND dialog) {
          HWND tree = GetDlgItem(dialog, kTree);
          opened = ChildTexts(tree, TreeView_GetSelection(tree));
          PostKey(tree, key);
        },
    });
    EXPECT_FALSE(PickFolder(nullptr, disc_, "Copy selected file to CD-ROM base folder", value)) << key;
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(opened, (std::vector<std::string>{"Loops"}));
    EXPECT_EQ(value, "\\Sounds");
  }
}

TEST_F(FolderPicker, DiscFolderPickerStartsAtTheProjectAndReturnsAbsoluteFolders) {
  std::string folder = disc_ + "\\Pics";
  Seen seen;
  ModalDriver driver("Select Folder", {
      [&](HWND dialog) { PaintNow(dialog); },
      [&](HWND dialog) {
        Look(dialog, seen);
        SaveWindowScreenshot(dialog, "folder_picker_desktop");
        PostKey(GetDlgItem(dialog, kTree), VK_DOWN);  // the next sibling: Sounds
      },
      [&](HWND dialog) { PostKey(GetDlgItem(dialog, kTree), VK_RETURN); },
  });
  EXPECT_TRUE(PickDiscFolder(nullptr, folder));
  EXPECT_EQ(seen.label, "Select CD-ROM base folder");
  EXPECT_EQ(seen.root, "Desktop");
  ASSERT_FALSE(seen.firstLevel.empty());
  EXPECT_EQ(seen.firstLevel.front(), "My Computer");
  EXPECT_EQ(seen.selected, "Pics");
  EXPECT_TRUE(seen.okEnabled);
  EXPECT_EQ(folder, disc_ + "\\Sounds");
}

TEST_F(FolderPicker, ABareDriveIsFoundAndMyComputerCannotBeChosen) {
  std::string folder = disc_.substr(0, 2);  // "X:"
  Seen seen, onComputer;
  ModalDriver driver("Select Folder", {
      [&](HWND dialog) {
        Look(dialog, seen);
        PostKey(GetDlgItem(dialog, kTree), VK_LEFT);  // collapse the drive
      },
      [&](HWND dialog) { PostKey(GetDlgItem(dialog, kTree), VK_LEFT); },  // up to My Computer
      [&](HWND dialog) {
        Look(dialog, onComputer);
        PostKey(GetDlgItem(dialog, kTree), VK_RETURN);  // refused while OK is disabled
      },
      [&](HWND dialog) { PostKey(GetDlgItem(dialog, kTree), VK_ESCAPE); },
  });
  EXPECT_FALSE(PickDiscFolder(nullptr, folder));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(seen.selectedParent, "My Computer");
  EXPECT_NE(seen.selected.find(folder), std::string::npos) << seen.selected;
  EXPECT_TRUE(seen.okEnabled);
  EXPECT_EQ(onComputer.selected, "My Computer");
  EXPECT_FALSE(onComputer.okEnabled);
  EXPECT_EQ(folder, disc_.substr(0, 2));
}

}  // namespace
}  // namespace plexara
