// "Show/Hide Enabe/Disable Objects": eight check lists, four naming the page's objects and four
// naming its groups, each with its own "Check All" and "Uncheck All". The caption's spelling is the
// one authors know the dialog by.
#include <array>
#include <string>
#include <vector>

#include "platform/modal_dialog_win32.h"
#include "properties/action_dialogs_win32.h"
#include "properties/check_list_win32.h"
#include "properties/show_hide_form.h"

namespace plexara {
namespace {

// Per list i (in kShowHideLists order): its label, list and two buttons.
enum : int { kLabelBase = 200, kListBase = 300, kCheckAllBase = 400, kUncheckAllBase = 500 };

class ShowHideDialog final : public win32::ModalDialog {
 public:
  ShowHideDialog(const ShowHideEntries& entries, const ShowHideSettings& given)
      : entries_(entries), given_(given) {}
  const std::string& result() const { return result_; }

 private:
  bool OnInit() override {
    for (std::size_t i = 0; i < kShowHideLists.size(); ++i) {
      const ShowHideSection section = kShowHideLists[i].section;
      CheckList& list = lists_[i];
      list.Attach(Item(kListBase + static_cast<int>(i)));
      list.Fill(entries_.For(section));
      list.Check(given_.sections[static_cast<std::size_t>(section)]);
    }
    return true;
  }

  bool OnCommand(int id, int code) override {
    if (code == BN_CLICKED && id >= kCheckAllBase && id < kCheckAllBase + kShowHideListCount) {
      lists_[static_cast<std::size_t>(id - kCheckAllBase)].SetAllChecked(true);
      return true;
    }
    if (code == BN_CLICKED && id >= kUncheckAllBase && id < kUncheckAllBase + kShowHideListCount) {
      lists_[static_cast<std::size_t>(id - kUncheckAllBase)].SetAllChecked(false);
      return true;
    }
    if (id != IDOK) return false;
    // Names the page no longer offers have no entry to check, so they are left out here.
    std::array<std::vector<std::string>, kShowHideListCount> checked;
    for (std::size_t i = 0; i < lists_.size(); ++i) checked[i] = lists_[i].CheckedNames();
    result_ = ShowHideText(checked);
    End(IDOK);
    return true;
  }

  const ShowHideEntries& entries_;
  const ShowHideSettings& given_;
  std::array<CheckList, kShowHideListCount> lists_;
  std::string result_;
};

// Two group boxes one above the other, each holding four columns: label, list, and the two buttons
// side by side under the list. Dialog units.
constexpr int kMargin = 7, kGap = 8, kColumnWidth = 108, kListHeight = 72;
constexpr int kLabelHeight = 9, kButtonHeight = 14, kOkWidth = 52;
constexpr int kCellHeight = kLabelHeight + 2 + kListHeight + 3 + kButtonHeight;
constexpr int kGroupInsetTop = 12,
              kGroupWidth = kGap + kShowHideListsPerGroup * (kColumnWidth + kGap);
constexpr int kGroupHeight = kGroupInsetTop + kCellHeight + kGap;
constexpr int kDialogWidth = kMargin + kGroupWidth + kMargin;
constexpr int kButtonsTop = kMargin + 2 * kGroupHeight + 6 + kMargin;
constexpr int kDialogHeight = kButtonsTop + kButtonHeight + kMargin;

win32::DialogTemplate Layout() {
  win32::DialogTemplate layout("Show/Hide Enabe/Disable Objects", kDialogWidth, kDialogHeight);
  const char* groupTitles[] = {"By Object Name", "By Group Name"};
  for (int group = 0; group < 2; ++group) {
    const int groupTop = kMargin + group * (kGroupHeight + 6);
    layout.Add("BUTTON", groupTitles[group], -1, kMargin, groupTop, kGroupWidth, kGroupHeight,
               BS_GROUPBOX);
    for (int column = 0; column < kShowHideListsPerGroup; ++column) {
      const int index = group * kShowHideListsPerGroup + column;
      const int x = kMargin + kGap + column * (kColumnWidth + kGap);
      int y = groupTop + kGroupInsetTop;
      layout.Add("STATIC", std::string(kShowHideLists[static_cast<std::size_t>(index)].label),
                 kLabelBase + index, x, y, kColumnWidth, kLabelHeight, SS_LEFT | SS_NOPREFIX);
      y += kLabelHeight + 2;
      AddCheckList(layout, kListBase + index, x, y, kColumnWidth, kListHeight);
      y += kListHeight + 3;
      const int buttonWidth = (kColumnWidth - 4) / 2;
      layout.Add("BUTTON", "Check All", kCheckAllBase + index, x, y, buttonWidth, kButtonHeight,
                 BS_PUSHBUTTON | WS_TABSTOP);
      layout.Add("BUTTON", "Uncheck All", kUncheckAllBase + index, x + kColumnWidth - buttonWidth,
                 y, buttonWidth, kButtonHeight, BS_PUSHBUTTON | WS_TABSTOP);
    }
  }
  const int right = kMargin + kGroupWidth;
  layout.AddOkCancel(right, kButtonsTop, kOkWidth, kButtonHeight, "&Cancal");
  return layout;
}

}  // namespace

bool EditShowHideSettings(HWND owner, const ActionDialogContext& context, std::string& settings) {
  const ShowHideEntries entries =
      context.page != nullptr ? ShowHideEntries::Of(*context.page) : ShowHideEntries{};
  const ShowHideSettings given = ShowHideSettings::Decode(settings);
  ShowHideDialog dialog(entries, given);
  return dialog.Run(owner, Layout()) == IDOK && StoreChangedSettings(settings, dialog.result());
}

}  // namespace plexara
