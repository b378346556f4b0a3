// The start-up sequence and the exit form with the real player under Wine, on generated projects:
// "Exit" in a sub page closes up to the main window and the exit form decides; a security form
// gives up after the allowed retries; an agreement form refuses Submit until its required radio
// button is chosen, and Cancel ends the application.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "storage/button_records.h"
#include "storage/packed_tree.h"
#include "storage/page_file.h"
#include "storage/project_file.h"
#include "support/automation_win32.h"
#include "support/player_driver_win32.h"

namespace plexara {
namespace {

using namespace std::chrono_literals;
using testing_support::AnswerBoxOk;
using testing_support::ChildProcess;
using testing_support::ClickControl;
using testing_support::ControlWithText;
using testing_support::DialogText;
using testing_support::HasPage;
using testing_support::TypeInto;
using testing_support::WaitForBox;
using testing_support::WaitForGone;
using testing_support::WaitForPage;

constexpr auto kStart = 30s;
constexpr auto kStep = 10s;

PageData Page(const std::string& name, PageKind kind) {
  PageData page;
  page.pageName = name;
  page.caption = name;
  page.pageKind = static_cast<std::uint8_t>(kind);
  page.width = 360;
  page.height = 240;
  // These forms answer through their buttons only: no click anywhere, no stay time closes them.
  page.clickContinue = false;
  page.stayTime = 0;
  return page;
}

ObjectData Button(const std::string& caption, std::uint8_t buttonType, std::uint8_t action = 0,
                  const std::string& target = {}, int top = 20) {
  ButtonRecord record;
  record.caption = caption;
  record.buttonType = buttonType;
  record.left = 20;
  record.top = top;
  record.width = 120;
  ObjectData object;
  object.record = record;
  object.command.name = caption;
  object.command.actionKind = action;
  object.command.actionTarget = target;
  return object;
}

// A disc folder with the pages in page-list order and the player beside them.
class Disc {
 public:
  explicit Disc(const std::vector<PageData>& pages)
      : folder_(testing_support::MakeTempFolder("plexara-start")) {
    NativeTreeFileSystem().CreateFolder(JoinPath(folder_, "AutoRunSource"));
    ProjectData project;
    for (const PageData& page : pages) {
      project.pages.push_back({.name = page.pageName, .kind = page.pageKind});
      EXPECT_TRUE(SavePageFile(PageFilePath(folder_, page.pageName), page));
    }
    EXPECT_TRUE(SaveProjectFile(ProjectFilePath(folder_), project));
    EXPECT_TRUE(
        testing_support::CopyFileTo(testing_support::BuildDir() + "\\Plexara.exe", Player()));
  }
  ~Disc() { testing_support::RemoveTree(folder_); }
  std::string Player() const { return folder_ + "\\autorun.exe"; }

 private:
  std::string folder_;
};

HWND Control(HWND page, const std::string& text) {
  HWND control = ControlWithText(page, text);
  EXPECT_NE(control, nullptr) << text;
  return control;
}

TEST(StartupSequence, ExitInASubPageClosesUpToTheMainWindowAndTheExitFormDecides) {
  PageData main = Page("Main", PageKind::MainPage);
  main.objects = {Button("Open", kButtonTypeNormal, kActionShowSubPage, "Sub")};
  PageData sub = Page("Sub", PageKind::SubPage);
  sub.objects = {Button("Leave", kButtonTypeNormal, kActionExit)};
  PageData goodbye = Page("Goodbye", PageKind::ExitForm);
  goodbye.objects = {Button("Stay", kButtonTypeCancel), Button("Go", kButtonTypeOk, 0, {}, 60)};
  Disc disc({main, sub, goodbye});
  ChildProcess player = ChildProcess::Start(disc.Player());
  ASSERT_TRUE(player.started());

  HWND mainWindow = WaitForPage(player.id(), "Main", kStart);
  ASSERT_NE(mainWindow, nullptr);
  ClickControl(Control(mainWindow, "Open"));
  HWND subWindow = WaitForPage(player.id(), "Sub", kStep);
  ASSERT_NE(subWindow, nullptr);
  EXPECT_FALSE(IsWindowEnabled(mainWindow)) << "the sub page is modal";
  ClickControl(Control(subWindow, "Leave"));

  // The sub page goes, the main window asks the exit form, and "Stay" keeps it.
  HWND exitForm = WaitForPage(player.id(), "Goodbye", kStep);
  ASSERT_NE(exitForm, nullptr);
  EXPECT_TRUE(WaitForGone(subWindow, kStep));
  testing_support::SaveWindowScreenshot(exitForm, "startup-exit-form");
  ClickControl(Control(exitForm, "Stay"));
  ASSERT_TRUE(WaitForGone(exitForm, kStep));
  EXPECT_TRUE(IsWindow(mainWindow));
  EXPECT_FALSE(player.WaitForExit(1s)) << "Cancel on the exit form keeps the application";

  // Closing again asks again; "Go" lets it end.
  PostMessageA(mainWindow, WM_CLOSE, 0, 0);
  exitForm = WaitForPage(player.id(), "Goodbye", kStep);
  ASSERT_NE(exitForm, nullptr);
  ClickControl(Control(exitForm, "Go"));
  EXPECT_TRUE(player.WaitForExit(kStep));
  EXPECT_EQ(player.ExitCode(), 0u);
}

TEST(StartupSequence, SecurityFormGivesUpAfterTheAllowedRetries) {
  PageData security = Page("Password", PageKind::SecurityForm);
  EditRecord edit;
  edit.accurateText = "secret";
  edit.allowRetry = 3;
  edit.passwordChar = '*';
  edit.left = 20;
  edit.top = 20;
  ObjectData editObject;
  editObject.record = edit;
  editObject.command.name = "Code";
  security.objects = {editObject, Button("Submit", kButtonTypeSubmit, 0, {}, 60)};
  Disc disc({security, Page("Main", PageKind::MainPage)});

  {
    ChildProcess player = ChildProcess::Start(disc.Player());
    HWND form = WaitForPage(player.id(), "Password", kStart);
    ASSERT_NE(form, nullptr);
    HWND code = testing_support::ControlOfClass(form, "Edit");
    ASSERT_NE(code, nullptr);
    TypeInto(code, "guess");
    for (int attempt = 1; attempt <= 3; ++attempt) {
      ClickControl(Control(form, "Submit"));
      HWND box = WaitForBox(player.id(), "Invalid", kStep);
      ASSERT_NE(box, nullptr) << attempt;
      EXPECT_NE(DialogText(box).find("Invalid text, please retry."), std::string::npos)
          << DialogText(box);
      AnswerBoxOk(box);
      ASSERT_TRUE(WaitForGone(box, kStep));
    }
    ClickControl(Control(form, "Submit"));
    HWND failed = WaitForBox(player.id(), "Invalid", kStep);
    ASSERT_NE(failed, nullptr);
    EXPECT_NE(DialogText(failed).find("Invalid text, exit."), std::string::npos)
        << DialogText(failed);
    AnswerBoxOk(failed);
    // The form closes with result 0 and the application ends before the main page exists.
    EXPECT_TRUE(player.WaitForExit(kStep));
    EXPECT_FALSE(HasPage(player.id(), "Main"));
  }
  {
    ChildProcess player = ChildProcess::Start(disc.Player());
    HWND form = WaitForPage(player.id(), "Password", kStart);
    ASSERT_NE(form, nullptr);
    TypeInto(testing_support::ControlOfClass(form, "Edit"), "secret");
    ClickControl(Control(form, "Submit"));
    HWND mainWindow = WaitForPage(player.id(), "Main", kStep);
    ASSERT_NE(mainWindow, nullptr);
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    EXPECT_TRUE(player.WaitForExit(kStep));
  }
}

TEST(StartupSequence, AgreementFormNeedsItsRequiredRadioButton) {
  PageData agreement = Page("Agreement", PageKind::AgreementForm);
  RadioButtonRecord accept;
  accept.caption = "Accept";
  accept.left = 20;
  accept.top = 20;
  accept.width = 200;
  RadioButtonRecord refuse = accept;
  refuse.caption = "Refuse";
  refuse.needCheck = false;
  refuse.checked = true;
  refuse.top = 50;
  ObjectData acceptObject, refuseObject;
  acceptObject.record = accept;
  refuseObject.record = refuse;
  agreement.objects = {acceptObject, refuseObject, Button("Submit", kButtonTypeSubmit, 0, {}, 90),
                       Button("Cancel", kButtonTypeCancel, 0, {}, 130)};
  Disc disc({Page("Main", PageKind::MainPage), agreement});

  {
    ChildProcess player = ChildProcess::Start(disc.Player());
    HWND form = WaitForPage(player.id(), "Agreement", kStart);
    ASSERT_NE(form, nullptr);
    ClickControl(Control(form, "Submit"));
    HWND box = WaitForBox(player.id(), "Invalid", kStep);
    ASSERT_NE(box, nullptr);
    EXPECT_NE(DialogText(box).find("Please select the radio button."), std::string::npos)
        << DialogText(box);
    AnswerBoxOk(box);
    ASSERT_TRUE(WaitForGone(box, kStep));
    EXPECT_FALSE(HasPage(player.id(), "Main"));
    ClickControl(Control(form, "Accept"));
    ClickControl(Control(form, "Submit"));
    HWND mainWindow = WaitForPage(player.id(), "Main", kStep);
    ASSERT_NE(mainWindow, nullptr);
    PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    EXPECT_TRUE(player.WaitForExit(kStep));
  }
  {
    ChildProcess player = ChildProcess::Start(disc.Player());
    HWND form = WaitForPage(player.id(), "Agreement", kStart);
    ASSERT_NE(form, nullptr);
    ClickControl(Control(form, "Cancel"));
    EXPECT_TRUE(player.WaitForExit(kStep)) << "a refused agreement ends the application";
    EXPECT_FALSE(HasPage(player.id(), "Main"));
  }
}

}  // namespace
}  // namespace plexara
