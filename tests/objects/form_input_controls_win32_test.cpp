// The form-input controls on a real page window under Wine: what the user types and checks reaches
// the page data, RadioButtons form one group per page, the tab order follows the stored positions,
// an Edit at its maximum length moves the focus on, and a password Edit hides its text.
#include "objects/form_input_controls_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "player/page_window_win32.h"
#include "support/automation_win32.h"

namespace plexara {
namespace {

using namespace std::chrono_literals;
using testing_support::WaitUntil;

ObjectData Edit(const char* name, int tabOrder, int maxLength = 0, int left = 10) {
  EditRecord record;
  record.tabOrder = tabOrder;
  record.maxLength = maxLength;
  record.left = left;
  record.top = 10;
  ObjectData object;
  object.record = record;
  object.command.name = name;
  return object;
}

template <typename Record>
ObjectData Choice(const char* name, int tabOrder, bool checked, int top) {
  Record record;
  record.caption = name;
  record.tabOrder = tabOrder;
  record.checked = checked;
  record.left = 10;
  record.top = top;
  ObjectData object;
  object.record = record;
  object.command.name = name;
  return object;
}

struct FormPage {
  StartupContext context;
  TAutoRunForm window{context};
  std::vector<std::string> clicks;

  explicit FormPage(std::vector<ObjectData> objects) {
    PageData page;
    page.caption = "Form";
    page.width = 400;
    page.height = 300;
    page.objects = std::move(objects);
    window.SetActionRunner([this](TAutoRunForm&, const TCommand& c) { clicks.push_back(c.name); });
    window.SetPage(std::move(page));
    EXPECT_TRUE(window.CreatePageWindow(nullptr, false));
    window.ShowPage();
  }
  HWND Child(const char* name) const { return window.FindObject(name)->Child(); }
  template <typename Record>
  const Record& RecordOf(const char* name) const {
    return std::get<Record>(window.FindObject(name)->data().record);
  }
  // The surface's children in z-order: the tab order.
  std::vector<std::string> TabOrder() {
    std::vector<std::string> names;
    HWND surface = window.surface().hwnd();
    for (HWND child = GetWindow(surface, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      for (ObjectControl* control : window.Controls()) {
        if (control->Child() == child) names.push_back(control->data().command.name);
      }
    }
    return names;
  }
};

void Pump() {
  WaitUntil([] { return false; }, 50ms);
}

TEST(FormInputControls, RadioButtonsOfAPageFormOneGroupAndChoicesReachThePageData) {
  FormPage form({Choice<RadioButtonRecord>("Yes", 0, false, 10),
                 Choice<RadioButtonRecord>("No", 1, true, 40),
                 Choice<CheckBoxRecord>("Extras", 2, false, 70),
                 Choice<RadioButtonRecord>("Maybe", 3, false, 100)});
  ASSERT_NE(form.Child("Yes"), nullptr);
  EXPECT_EQ(SendMessageA(form.Child("No"), BM_GETCHECK, 0, 0), BST_CHECKED)
      << "the stored state is shown";

  SendMessageA(form.Child("Yes"), BM_CLICK, 0, 0);
  Pump();
  EXPECT_TRUE(form.RecordOf<RadioButtonRecord>("Yes").checked);
  EXPECT_FALSE(form.RecordOf<RadioButtonRecord>("No").checked);
  EXPECT_FALSE(form.RecordOf<RadioButtonRecord>("Maybe").checked);
  EXPECT_EQ(SendMessageA(form.Child("No"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  SendMessageA(form.Child("Maybe"), BM_CLICK, 0, 0);
  Pump();
  EXPECT_FALSE(form.RecordOf<RadioButtonRecord>("Yes").checked);
  EXPECT_TRUE(form.RecordOf<RadioButtonRecord>("Maybe").checked);

  // A CheckBox toggles on its own and leaves the radio group alone.
  SendMessageA(form.Child("Extras"), BM_CLICK, 0, 0);
  Pump();
  EXPECT_TRUE(form.RecordOf<CheckBoxRecord>("Extras").checked);
  EXPECT_TRUE(form.RecordOf<RadioButtonRecord>("Maybe").checked);
  SendMessageA(form.Child("Extras"), BM_CLICK, 0, 0);
  Pump();
  EXPECT_FALSE(form.RecordOf<CheckBoxRecord>("Extras").checked);
  // Every click reached the page as an object click.
  EXPECT_EQ(form.clicks, (std::vector<std::string>{"Yes", "Maybe", "Extras", "Extras"}));
}

TEST(FormInputControls, TabOrderFollowsTheStoredPositionsAndAFullEditMovesOn) {
  // Read first but stored at position 2; the two-part code moves on from the first box once full.
  FormPage form({Edit("Second", 2, 3, 150), Edit("First", 1, 3, 10),
                 Choice<CheckBoxRecord>("Agree", 0, false, 60), Edit("Free", 3, 0, 250)});
  EXPECT_EQ(form.TabOrder(), (std::vector<std::string>{"Agree", "First", "Second", "Free"}));

  SetForegroundWindow(form.window.hwnd());
  SetFocus(form.Child("First"));
  for (char c : std::string("ab")) SendMessageA(form.Child("First"), WM_CHAR, c, 0);
  EXPECT_EQ(GetFocus(), form.Child("First")) << "not full yet";
  SendMessageA(form.Child("First"), WM_CHAR, 'c', 0);
  EXPECT_EQ(form.RecordOf<EditRecord>("First").text, "abc");
  EXPECT_EQ(GetFocus(), form.Child("Second")) << "full: on to the next Edit";
  for (char c : std::string("def")) SendMessageA(form.Child("Second"), WM_CHAR, c, 0);
  // The maximum length holds, and the next control is an Edit, so the focus moves on again.
  SendMessageA(form.Child("Second"), WM_CHAR, 'g', 0);
  EXPECT_EQ(form.RecordOf<EditRecord>("Second").text, "def");
  EXPECT_EQ(GetFocus(), form.Child("Free"));

  // The next control after a full Edit is not an Edit: the focus stays.
  FormPage other({Edit("Code", 0, 2), Choice<CheckBoxRecord>("Agree", 1, false, 60)});
  SetForegroundWindow(other.window.hwnd());
  SetFocus(other.Child("Code"));
  for (char c : std::string("12")) SendMessageA(other.Child("Code"), WM_CHAR, c, 0);
  EXPECT_EQ(other.RecordOf<EditRecord>("Code").text, "12");
  EXPECT_EQ(GetFocus(), other.Child("Code"));

  // The Edit one place further is hidden: the focus stays rather than jumping past it to the Edit
  // after, which belongs to another part of the form.
  ObjectData hidden = Edit("Hidden", 1, 0, 150);
  hidden.command.visible = false;
  FormPage gap({Edit("Part", 0, 2), std::move(hidden), Edit("Other", 2, 0, 250)});
  SetForegroundWindow(gap.window.hwnd());
  SetFocus(gap.Child("Part"));
  for (char c : std::string("34")) SendMessageA(gap.Child("Part"), WM_CHAR, c, 0);
  EXPECT_EQ(GetFocus(), gap.Child("Part"));
}

TEST(FormInputControls, PasswordEditShowsItsCharacterAndKeepsTheRealText) {
  ObjectData object = Edit("Password", 0);
  auto& record = std::get<EditRecord>(object.record);
  record.passwordChar = 42;
  record.charCase = 1;  // upper case
  FormPage form({object});
  HWND edit = form.Child("Password");
  EXPECT_EQ(SendMessageA(edit, EM_GETPASSWORDCHAR, 0, 0), 42);
  for (char c : std::string("pw1")) SendMessageA(edit, WM_CHAR, c, 0);
  EXPECT_EQ(form.RecordOf<EditRecord>("Password").text, "PW1");
}

}  // namespace
}  // namespace plexara
