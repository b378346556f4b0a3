#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "properties/action_dialogs_win32.h"
#include "properties/item_action_block_win32.h"
#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"

namespace plexara {
namespace {

using namespace testing_support;

// The action editor numbers its block's controls from 101.
constexpr int kKindList = 101 + ItemActionBlock::kKindList;
constexpr int kTargetLabel = 101 + ItemActionBlock::kTargetLabel;
constexpr int kTarget = 101 + ItemActionBlock::kTarget;
constexpr int kBrowse = 101 + ItemActionBlock::kBrowse;

std::vector<std::string> ListTexts(HWND combo) {
  std::vector<std::string> texts;
  const auto count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    char text[128] = {};
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    texts.emplace_back(text);
  }
  return texts;
}

// Chooses a kind by its name as a pick in the list would.
void ChooseKind(HWND dialog, const char* name) {
  HWND list = GetDlgItem(dialog, kKindList);
  SendMessageA(list, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(name));
  SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kKindList, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

HWND TargetEdit(HWND dialog) {
  return FindWindowExA(GetDlgItem(dialog, kTarget), nullptr, "Edit", nullptr);
}

TEST(ActionEditor, OffersNoActionGroupAndKeepsTheTypedTargetAcrossKinds) {
  ActionDialogContext context;
  GroupedAction action{
      .actionKind = kActionVisitWebsite, .showCommand = 3, .parameters = "p", .folder = "f"};
  std::vector<std::string> kinds;
  std::string shownLabel, shownTarget;
  bool browseEnabled = true;
  ModalDriver driver("Action Editor",
                     {
                         [&](HWND dialog) {
                           kinds = ListTexts(GetDlgItem(dialog, kKindList));
                           PostChars(TargetEdit(dialog), "me@example.com");
                         },
                         [&](HWND dialog) {
                           ChooseKind(dialog, "Send Email");
                           PaintNow(dialog);
                         },
                         [&](HWND dialog) {
                           SaveWindowScreenshot(dialog, "dialog-action-editor");
                           shownLabel = WindowText(GetDlgItem(dialog, kTargetLabel));
                           shownTarget = WindowText(GetDlgItem(dialog, kTarget));
                           browseEnabled = IsWindowEnabled(GetDlgItem(dialog, kBrowse)) != FALSE;
                           PostClick(GetDlgItem(dialog, IDOK));
                         },
                     });
  EXPECT_TRUE(EditAction(nullptr, context, action));
  EXPECT_TRUE(driver.finished());
  ASSERT_EQ(kinds.size(), 28u);
  EXPECT_EQ(kinds.front(), "None");
  EXPECT_EQ(kinds.back(), "Exit");
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "Action Group"), 0);
  EXPECT_EQ(shownLabel, "EmailAddress");
  EXPECT_EQ(shownTarget, "me@example.com");
  EXPECT_FALSE(browseEnabled);
  EXPECT_EQ(action, (GroupedAction{.actionKind = kActionSendEmail,
                                   .showCommand = 3,
                                   .target = "me@example.com",
                                   .parameters = "p",
                                   .folder = "f"}));
}

TEST(ActionEditor, SettingsKindsShowTheirMarkAndUnchangedOkOrCancelReportNothing) {
  ActionDialogContext context;
  for (const int button : {IDOK, IDCANCEL}) {
    const GroupedAction given{.actionKind = kActionOpenRunFile, .closeAfterAction = true};
    GroupedAction action = given;
    std::string shownTarget;
    bool targetEnabled = true, browseEnabled = false;
    ModalDriver driver("Action Editor",
                       {
                           [&](HWND dialog) {
                             shownTarget = WindowText(GetDlgItem(dialog, kTarget));
                             targetEnabled = IsWindowEnabled(GetDlgItem(dialog, kTarget)) != FALSE;
                             browseEnabled = IsWindowEnabled(GetDlgItem(dialog, kBrowse)) != FALSE;
                             // Cancel after a real change must still leave the action alone.
                             if (button == IDCANCEL) ChooseKind(dialog, "Exit");
                             PostClick(GetDlgItem(dialog, button));
                           },
                       });
    EXPECT_FALSE(EditAction(nullptr, context, action)) << button;
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(action, given);
    EXPECT_EQ(shownTarget, "[None]");
    EXPECT_FALSE(targetEnabled);
    EXPECT_TRUE(browseEnabled);
  }
}

}  // namespace
}  // namespace plexara
