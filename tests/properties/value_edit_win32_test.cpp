// The property grid control on its own, driven through its message queue as the keyboard and the
// mouse drive it: typing reports every keystroke, leaving a cell asks for validation, Escape takes
// the typed text back, read-only rows refuse typing but keep their list and button, and the list
// shows at most sixteen rows.
#include "properties/value_edit_win32.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"

namespace plexara {
namespace {

using namespace std::chrono_literals;
using testing_support::PostChars;
using testing_support::PostKey;
using testing_support::WaitUntil;

class Recorder final : public ValueEditEvents {
 public:
  void ValueEditStringsChange(int row) override { events.push_back("change " + std::to_string(row)); }
  void ValueEditValidate(int column, int row) override {
    events.push_back("validate " + std::to_string(column) + "," + std::to_string(row));
  }
  void ValueEditExit() override { events.push_back("exit"); }
  void ValueEditEditButtonClick(int row) override { events.push_back("button " + std::to_string(row)); }
  bool ValueEditDrawCell(HDC dc, int column, int row, const RECT& cell, bool) override {
    if (!paintRow || row != paintRow || column != 1) return false;
    FillRect(dc, &cell, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    return true;
  }
  int Count(const std::string& event) const { return static_cast<int>(std::count(events.begin(), events.end(), event)); }
  std::vector<std::string> events;
  int paintRow = 0;
};

class ValueEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = CreateWindowExA(0, "STATIC", "grid host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320, 260, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(grid_.Create(host_, 7, events_));
    MoveWindow(grid_.hwnd(), 0, 0, 300, 220, TRUE);
    ShowWindow(grid_.hwnd(), SW_SHOW);
    grid_.AppendRow("Caption", "Hello");                                    // 1
    grid_.AppendRow("Transparent", "False");                                // 2
    grid_.SetStyle(2, EditStyle::PickList);
    grid_.SetReadOnly(2, true);
    grid_.SetPickList(2, {"False", "True"});
    grid_.AppendRow("BackColor", "White");                                  // 3
    grid_.SetStyle(3, EditStyle::Ellipsis);
    grid_.SetReadOnly(3, true);
    grid_.AppendRow("GroupName", "");                                       // 4
    std::vector<std::string> twenty;
    for (int i = 1; i <= 20; ++i) twenty.push_back("Group" + std::to_string(i));
    grid_.SetPickList(4, twenty);  // a simple row with a list behaves as a pick list
    grid_.AppendRow("Locked", "7");                                         // 5
    grid_.SetReadOnly(5, true);
    SetForegroundWindow(host_);
    events_.events.clear();
  }
  void TearDown() override { DestroyWindow(host_); }

  void Click(int x, int y, UINT message = WM_LBUTTONDOWN) {
    PostMessageA(grid_.hwnd(), message, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(grid_.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    WaitUntil([] { return false; }, 50ms);
  }
  void ClickValue(int row) {
    const RECT cell = grid_.CellRect(1, row);
    Click(cell.left + 8, (cell.top + cell.bottom) / 2);
  }
  void ClickButton(int row) {
    const RECT cell = grid_.CellRect(1, row);
    Click(cell.right - grid_.RowHeight() / 2, (cell.top + cell.bottom) / 2);
  }
  void Pump() { WaitUntil([] { return false; }, 80ms); }

  HWND host_ = nullptr;
  Recorder events_;
  ValueEdit grid_;
};

TEST_F(ValueEditTest, TypingReportsEachKeystrokeAndLeavingOrEscapeEndIt) {
  ClickValue(1);
  ASSERT_TRUE(grid_.Editing());
  EXPECT_EQ(grid_.EditorText(), "Hello");
  SendMessageA(grid_.Editor(), EM_SETSEL, 0, -1);
  PostChars(grid_.Editor(), "Bye");
  Pump();
  EXPECT_EQ(grid_.Value(1), "Bye");
  EXPECT_EQ(events_.Count("change 1"), 3);
  PostKey(grid_.Editor(), VK_ESCAPE);
  Pump();
  EXPECT_EQ(grid_.Value(1), "Hello");
  EXPECT_EQ(events_.Count("change 1"), 4);
  PostChars(grid_.Editor(), "!");
  PostKey(grid_.Editor(), VK_DOWN);
  Pump();
  EXPECT_EQ(events_.Count("validate 1,1"), 1);
  EXPECT_EQ(grid_.Row(), 2);
  EXPECT_FALSE(grid_.Editing());  // read-only row
  // A read-only row takes no typing; the keys still move.
  PostChars(grid_.hwnd(), "x");
  PostKey(grid_.hwnd(), VK_DOWN);
  PostKey(grid_.hwnd(), VK_DOWN);
  PostKey(grid_.hwnd(), VK_DOWN);
  Pump();
  EXPECT_EQ(grid_.Value(2), "False");
  EXPECT_EQ(grid_.Row(), 5);
  EXPECT_EQ(grid_.Value(5), "7");
}

TEST_F(ValueEditTest, ListsAndButtonsWorkOnReadOnlyRowsToo) {
  ClickValue(2);
  ClickButton(2);
  ASSERT_NE(grid_.DropList(), nullptr);
  RECT listRect{};
  GetClientRect(grid_.DropList(), &listRect);
  const int itemHeight = static_cast<int>(SendMessageA(grid_.DropList(), LB_GETITEMHEIGHT, 0, 0));
  EXPECT_EQ(listRect.bottom / itemHeight, 2);
  testing_support::SaveWindowScreenshot(host_, "value_edit");
  PostMessageA(grid_.DropList(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, itemHeight + itemHeight / 2));
  PostMessageA(grid_.DropList(), WM_LBUTTONUP, 0, MAKELPARAM(5, itemHeight + itemHeight / 2));
  Pump();
  EXPECT_EQ(grid_.DropList(), nullptr);
  EXPECT_EQ(grid_.Value(2), "True");
  EXPECT_EQ(events_.Count("change 2"), 1);

  // Twenty entries: sixteen show.
  ClickValue(4);
  PostKey(grid_.Editor(), VK_F4);
  Pump();
  ASSERT_NE(grid_.DropList(), nullptr);
  GetClientRect(grid_.DropList(), &listRect);
  EXPECT_EQ(listRect.bottom / itemHeight, 16);
  testing_support::SaveWindowScreenshot(host_, "value_edit_dropdown");
  PostKey(grid_.DropList(), VK_ESCAPE);
  Pump();
  EXPECT_EQ(grid_.DropList(), nullptr);
  EXPECT_EQ(grid_.Value(4), "");

  // The ellipsis of a read-only row: a click, and Ctrl+Enter.
  ClickValue(3);
  ClickButton(3);
  EXPECT_EQ(events_.Count("button 3"), 1);
  // Double-click cycles a pick list.
  const RECT cell = grid_.CellRect(1, 2);
  PostMessageA(grid_.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(cell.left + 8, (cell.top + cell.bottom) / 2));
  Pump();
  EXPECT_EQ(grid_.Value(2), "False");
}

TEST_F(ValueEditTest, ClearKeepsOneBlankRowAndTheOwnerMayPaintCells) {
  grid_.Clear();
  EXPECT_EQ(grid_.RowCount(), 2);
  EXPECT_EQ(grid_.Value(1), "");
  EXPECT_EQ(grid_.AppendRow("Only", "one"), 1);
  EXPECT_EQ(grid_.RowCount(), 2);
  EXPECT_EQ(grid_.Key(1), "Only");
  EXPECT_EQ(grid_.Value(99), "");  // out of range: empty, no crash
  grid_.SetValue(99, "x");

  events_.paintRow = 1;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 300, 220);
  HGDIOBJ old = SelectObject(memory, bitmap);
  SendMessageA(grid_.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  const RECT cell = grid_.CellRect(1, 1);
  EXPECT_EQ(GetPixel(memory, cell.left + 3, (cell.top + cell.bottom) / 2), RGB(0, 0, 0));
  const RECT key = grid_.CellRect(0, 1);
  EXPECT_NE(GetPixel(memory, key.right - 3, key.top + 2), RGB(0, 0, 0));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

}  // namespace
}  // namespace plexara
