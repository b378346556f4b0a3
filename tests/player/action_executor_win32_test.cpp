// Actions on real page windows under Wine: a Sub Page shown modally from the main page and closed
// again by its "Close Window" button, and "Exit" in a Sub Page closing every caller up to the main
// window.
#include "player/action_executor_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>

#include "platform/sound_seam.h"
#include "storage/action_targets.h"
#include "storage/button_records.h"
#include "storage/project_loader.h"
#include "support/automation_win32.h"
#include "support/recording_reporter.h"

namespace plexara {
namespace {

using namespace std::chrono_literals;
using testing_support::WaitUntil;

// Runs a step every 20 ms from whatever message loop is running (also the nested loops of modal
// pages) until the step says it is done.
class Poller {
 public:
  explicit Poller(std::function<bool()> step) {
    step_ = std::move(step);
    id_ = SetTimer(nullptr, 0, 20, Tick);
  }
  ~Poller() {
    KillTimer(nullptr, id_);
    step_ = nullptr;
  }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (step_ && step_()) step_ = nullptr;
  }
  static inline std::function<bool()> step_;
  UINT_PTR id_ = 0;
};

// The page window shown under a caption, if one is open.
TAutoRunForm* PageWindowTitled(const char* caption) {
  HWND hwnd = FindWindowA(kPageWindowClass, caption);
  if (hwnd == nullptr || !IsWindowVisible(hwnd)) return nullptr;
  return dynamic_cast<TAutoRunForm*>(
      reinterpret_cast<win32::Window*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
}

void ClickAt(const TAutoRunForm& window, int x, int y) {
  HWND surface = const_cast<TAutoRunForm&>(window).surface().hwnd();
  PostMessageA(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  PostMessageA(surface, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

ObjectData ButtonWithAction(std::string name, std::uint8_t kind, std::string target = {}) {
  ObjectData object;
  ImageButtonRecord record;
  record.left = 10;
  record.top = 10;
  record.width = 100;
  record.height = 30;
  object.record = record;
  object.command.name = std::move(name);
  object.command.actionKind = kind;
  object.command.actionTarget = std::move(target);
  return object;
}

PageData Page(std::string caption, PageKind kind) {
  PageData page;
  page.caption = std::move(caption);
  page.pageKind = static_cast<std::uint8_t>(kind);
  page.width = 320;
  page.height = 200;
  return page;
}

// Channels that record what they play; a sound plays until stopped.
class RecordingSounds final : public SoundSystem {
 public:
  struct Channel final : SoundChannel {
    explicit Channel(RecordingSounds& system) : owner(system) {}
    bool Play(const std::string& path) override {
      owner.played.push_back(path);
      playing = true;
      return true;
    }
    bool Playing() override { return playing; }
    void Stop() override { playing = false; }
    RecordingSounds& owner;
    bool playing = false;
  };
  RecordingSounds() : previous_(SetSoundSystem(this)) {}
  ~RecordingSounds() override { SetSoundSystem(previous_); }
  std::unique_ptr<SoundChannel> OpenChannel() override { return std::make_unique<Channel>(*this); }
  std::vector<std::string> played;

 private:
  SoundSystem* previous_;
};

// A disc folder with the given pages in its source folder, and a context that plays it.
struct Disc {
  std::string folder = testing_support::MakeTempFolder("plexara-actions");
  StartupContext context;

  explicit Disc(const std::vector<PageData>& pages) {
    EXPECT_TRUE(CreateDirectoryA((folder + "\\AutoRunSource").c_str(), nullptr));
    context.projectRoot = folder;
    context.layeredWindows = true;
    for (const PageData& page : pages) {
      EXPECT_TRUE(SavePageFile(PageFilePath(folder, page.pageName), page));
      context.project.pages.push_back({.name = page.pageName, .kind = page.pageKind});
    }
  }
  ~Disc() { testing_support::RemoveTree(folder); }
};

TEST(ActionExecutor, SubPageOpensOverTheCallerAndCloseWindowReturnsToIt) {
  RecordingSounds sounds;
  testing_support::ScopedRecording boxes;
  PageData sub = Page("Details", PageKind::SubPage);
  sub.pageName = "Sub";
  sub.objects.push_back(ButtonWithAction("Back", kActionCloseWindow));
  Disc disc({sub});
  testing_support::CopyFileTo(testing_support::BuildDir() + "\\Plexara.exe",
                              disc.folder + "\\intro.wav");

  PageData main = Page("Main", PageKind::MainPage);
  main.fadeIn = true;
  main.fadeOut = true;
  main.startSound = "intro.wav";
  main.startSoundLoop = true;
  main.objects.push_back(ButtonWithAction("Open", kActionShowSubPage, "Sub"));
  TAutoRunForm window(disc.context);
  window.SetFadePause([](int) {});
  window.SetPage(main);
  ASSERT_TRUE(window.CreatePageWindow(nullptr, false));
  window.ShowPage();
  ASSERT_TRUE(WaitUntil([&] { return sounds.played.size() == 1; }, 5s));

  // While the sub page is open the main page is faded out, silent and takes no input.
  bool subPageSeen = false;
  bool callerWasHidden = false;
  Poller poller([&] {
    TAutoRunForm* page = PageWindowTitled("Details");
    if (page == nullptr) return false;
    subPageSeen = true;
    callerWasHidden = window.opacityLog().back() == 0 && !IsWindowEnabled(window.hwnd()) &&
                      !window.page().startSoundLoop;
    ClickAt(*page, 20, 20);
    return true;
  });
  ClickAt(window, 20, 20);
  ASSERT_TRUE(WaitUntil(
      [&] { return subPageSeen && FindWindowA(kPageWindowClass, "Details") == nullptr; }, 10s));
  EXPECT_TRUE(callerWasHidden);
  // Back on the main page: it fades in again and its start sound starts again.
  EXPECT_TRUE(WaitUntil(
      [&] { return window.opacityLog().back() == 255 && sounds.played.size() == 2; }, 5s));
  EXPECT_EQ(sounds.played.back(), disc.folder + "\\intro.wav");
  EXPECT_TRUE(window.page().startSoundLoop);
  EXPECT_TRUE(IsWindow(window.hwnd()));
  EXPECT_TRUE(IsWindowEnabled(window.hwnd()));
  EXPECT_EQ(window.exitRequested(), 0);
  EXPECT_TRUE(testing_support::Recorder().boxes.empty());
}

// A group that switches the page and then opens a sub page: the switch waits until the click's
// action is over, so the clicked control is not rebuilt while it still runs.
TEST(ActionExecutor, PageSwitchWaitsForTheRunningActionToEnd) {
  PageData sub = Page("Details", PageKind::SubPage);
  sub.pageName = "Sub";
  sub.objects.push_back(ButtonWithAction("Back", kActionCloseWindow));
  PageData next = Page("Next", PageKind::MainPage);
  next.pageName = "Next";
  next.objects.push_back(ButtonWithAction("Marker", kActionNone));
  Disc disc({sub, next});

  ActionGroupSettings group;
  group.actions.push_back({.actionKind = kActionGotoPage, .target = "Next"});
  group.actions.push_back({.actionKind = kActionShowSubPage, .target = "Sub"});
  PageData main = Page("Main", PageKind::MainPage);
  main.objects.push_back(ButtonWithAction("Open", kActionGroup, group.Encode()));
  TAutoRunForm window(disc.context);
  window.SetFadePause([](int) {});
  window.SetPage(main);
  ASSERT_TRUE(window.CreatePageWindow(nullptr, false));
  window.ShowPage();

  bool stillOldPageWhileSubPageOpen = false;
  int polls = 0;
  Poller poller([&] {
    TAutoRunForm* page = PageWindowTitled("Details");
    if (page == nullptr) return false;
    // Give the caller's start timer time to fire while the sub page is open.
    if (++polls < 5) return false;
    stillOldPageWhileSubPageOpen = window.FindObject("Open") != nullptr;
    ClickAt(*page, 20, 20);
    return true;
  });
  ClickAt(window, 20, 20);
  ASSERT_TRUE(WaitUntil([&] { return window.FindObject("Marker") != nullptr; }, 10s));
  EXPECT_TRUE(stillOldPageWhileSubPageOpen);
  EXPECT_EQ(window.FindObject("Open"), nullptr);
}

TEST(ActionExecutor, ExitInASubPageClosesEveryCallerUpToTheMainWindow) {
  PageData first = Page("First", PageKind::SubPage);
  first.pageName = "First";
  first.command.actionKind = kActionShowSubPage;  // its start action opens the second
  first.command.actionTarget = "Second";
  PageData second = Page("Second", PageKind::SubPage);
  second.pageName = "Second";
  second.command.actionKind = kActionExit;
  Disc disc({first, second});

  TAutoRunForm window(disc.context);
  window.SetPage(Page("Main", PageKind::MainPage));
  ASSERT_TRUE(window.CreatePageWindow(nullptr, false));
  window.ShowPage();
  TCommand open;
  open.actionKind = kActionShowSubPage;
  open.actionTarget = "First";
  ExecuteAction(window, open);
  EXPECT_EQ(window.exitRequested(), 1);
  EXPECT_TRUE(WaitUntil([&] { return window.hwnd() == nullptr || !IsWindow(window.hwnd()); }, 5s));

  // A page name the project does not have does nothing.
  TAutoRunForm other(disc.context);
  other.SetPage(Page("Other", PageKind::MainPage));
  ASSERT_TRUE(other.CreatePageWindow(nullptr, false));
  open.actionTarget = "first";
  ExecuteAction(other, open);
  EXPECT_EQ(other.exitRequested(), 0);
  EXPECT_TRUE(IsWindow(other.hwnd()));
}

TEST(ActionExecutor, CopiesAFolderTreeIntoFoldersThatDoNotExistYet) {
  Disc disc(std::vector<PageData>{});
  for (const char* folder : {"\\data", "\\data\\sub", "\\data\\empty"}) {
    ASSERT_TRUE(CreateDirectoryA((disc.folder + folder).c_str(), nullptr));
  }
  ASSERT_TRUE(
      testing_support::CopyFileTo(testing_support::BuildDir() + "\\tests\\plexara_wait_helper.exe",
                                  disc.folder + "\\data\\sub\\app.exe"));
  const std::string base = testing_support::MakeTempFolder("plexara-copy");
  const std::string target = base + "\\new\\place";
  CopyFileSettings settings;
  settings.source = "data";
  settings.targetFolder = target;
  settings.showMessage = false;
  settings.runFile = "";
  TCommand copy;
  copy.actionKind = kActionCopyFiles;
  copy.actionTarget = settings.Encode();
  TAutoRunForm window(disc.context);
  ExecuteAction(window, copy);
  EXPECT_NE(GetFileAttributesA((target + "\\sub\\app.exe").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(GetFileAttributesA((target + "\\empty").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
            static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
  testing_support::RemoveTree(base);
}

}  // namespace
}  // namespace plexara
