// The Button kind as a real BUTTON child: what it reports to the page and in which order, button
// groups numbered by first appearance that stay down like radio buttons, and a page that drops the
// control while its click is being reported.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "objects/button_control_win32.h"
#include "objects/image_button_control_win32.h"
#include "platform/window_win32.h"

namespace plexara {
namespace {

// Hosts the child windows and forwards their notifications, as the object surface does; records
// what the controls report.
class Host final : public win32::Window, public ObjectEvents {
 public:
  Host() {
    CreateArgs args;
    args.className = "PlexaraButtonTestHost";
    args.style = WS_POPUP;
    args.x = 0;
    args.y = 0;
    args.width = 400;
    args.height = 200;
    Create(args);
  }

  std::vector<std::unique_ptr<ObjectControl>> controls;
  std::vector<std::string> log;
  bool dropOnClick = false;

  void ObjectClick(ObjectControl& control) override {
    Log("click", control);
    if (dropOnClick) controls.clear();
  }
  void ObjectMouseDown(ObjectControl& control, POINT) override { Log("down", control); }
  void ObjectMouseUp(ObjectControl& control, POINT) override { Log("up", control); }
  void ObjectMouseMove(ObjectControl& control, bool, POINT) override { Log("move", control); }
  void ObjectMouseEnter(ObjectControl& control) override { Log("enter", control); }
  void ObjectMouseLeave(ObjectControl& control) override { Log("leave", control); }
  void InvalidateObject(ObjectControl&) override {}

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND) {
      for (const auto& control : controls) {
        LRESULT result = 0;
        if (control->Child() == reinterpret_cast<HWND>(lParam) &&
            control->HandleChildMessage(message, wParam, lParam, result)) {
          return result;
        }
      }
    }
    return Window::HandleMessage(message, wParam, lParam);
  }

 private:
  void Log(const char* what, ObjectControl& control) { log.push_back(std::string(what) + " " + control.data().command.name); }
};

ObjectData ButtonObject(const std::string& name, const std::string& group, bool inGroup, bool checked, int left) {
  ObjectData object;
  ButtonRecord record;
  record.caption = "Go " + name;
  record.left = left;
  object.record = record;
  object.command.name = name;
  object.command.groupName = group;
  object.command.checkStyleInGroup = inGroup;
  object.command.checked = checked;
  return object;
}

class ButtonGroups : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(host.hwnd(), nullptr);
    objects = {ButtonObject("A1", "A", true, true, 0), ButtonObject("B1", "B", true, false, 110),
               ButtonObject("A2", "A", true, false, 220), ButtonObject("Plain", "A", false, true, 0)};
    ObjectData imageButton;
    imageButton.record = ImageButtonRecord{};
    imageButton.command.groupName = "A";
    imageButton.command.checkStyleInGroup = true;
    objects.push_back(imageButton);
    for (ObjectData& object : objects) {
      std::unique_ptr<ObjectControl> control = object.kind() == ButtonRecord::kKind
                                                    ? std::unique_ptr<ObjectControl>(new TAuButton(object))
                                                    : std::make_unique<TAuImageButton>(object);
      control->SetEvents(&host);
      control->CreateChild(host.hwnd());
      host.controls.push_back(std::move(control));
    }
    std::vector<ObjectControl*> list;
    for (const auto& control : host.controls) list.push_back(control.get());
    JoinButtonGroups(list);
  }

  TAuButton& Button(int i) { return static_cast<TAuButton&>(*host.controls[i]); }
  bool Checked(int i) { return SendMessageA(Button(i).Child(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

  std::vector<ObjectData> objects;  // outlives the controls that refer to it
  Host host;
};

TEST_F(ButtonGroups, NumberedByFirstAppearanceAndShownPressedWhenChecked) {
  EXPECT_EQ(Button(0).GroupIndex(), 1);
  EXPECT_EQ(Button(1).GroupIndex(), 2);
  EXPECT_EQ(Button(2).GroupIndex(), 1);
  EXPECT_EQ(Button(3).GroupIndex(), 0);
  EXPECT_TRUE(Checked(0));
  EXPECT_FALSE(Checked(2));
  EXPECT_FALSE(Checked(3));  // checked, but in no group: a plain push button
  EXPECT_EQ(GetWindowLongPtrA(Button(3).Child(), GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);

  char caption[32] = {};
  GetWindowTextA(Button(0).Child(), caption, sizeof(caption));
  EXPECT_STREQ(caption, "Go A1");
  EXPECT_NE(SendMessageA(Button(0).Child(), WM_GETFONT, 0, 0), 0);
}

TEST_F(ButtonGroups, ClickedMemberStaysDownAndTheOthersRise) {
  SendMessageA(Button(2).Child(), BM_CLICK, 0, 0);
  EXPECT_EQ(host.log, (std::vector<std::string>{"down A2", "click A2", "up A2"}));
  EXPECT_TRUE(Checked(2));
  EXPECT_FALSE(Checked(0));
  EXPECT_FALSE(Checked(1));  // another group

  SendMessageA(Button(2).Child(), BM_CLICK, 0, 0);
  EXPECT_TRUE(Checked(2));
  SendMessageA(Button(1).Child(), BM_CLICK, 0, 0);
  EXPECT_TRUE(Checked(1));
  EXPECT_TRUE(Checked(2));
}

TEST_F(ButtonGroups, ReportsEnterAndLeave) {
  SendMessageA(Button(1).Child(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  SendMessageA(Button(1).Child(), WM_MOUSEMOVE, 0, MAKELPARAM(4, 3));
  SendMessageA(Button(1).Child(), WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(host.log, (std::vector<std::string>{"enter B1", "leave B1"}));
}

TEST_F(ButtonGroups, PageDroppingTheControlDuringItsClickIsSafe) {
  host.dropOnClick = true;
  SendMessageA(Button(0).Child(), BM_CLICK, 0, 0);
  EXPECT_EQ(host.log, (std::vector<std::string>{"down A1", "click A1"}));
  EXPECT_TRUE(host.controls.empty());
}

}  // namespace
}  // namespace plexara
