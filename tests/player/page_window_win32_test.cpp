// The page window under Wine: fade steps and their absence without layered windows, the shadow
// window, stay time and click-to-continue of splash screens, and what a click on an object does.
#include "player/page_window_win32.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <vector>

#include "objects/image_button_control_win32.h"
#include "objects/image_control_win32.h"
#include "objects/new_object.h"
#include "platform/sound_seam.h"
#include "storage/button_records.h"
#include "support/automation_win32.h"
#include "support/picture_fixtures.h"
#include "support/recording_reporter.h"

namespace plexara {
namespace {

using namespace std::chrono_literals;
using testing_support::WaitUntil;

PageData SplashPage() {
  PageData page;
  page.caption = "Splash";
  page.pageKind = static_cast<std::uint8_t>(PageKind::SplashScreen);
  page.width = 300;
  page.height = 200;
  page.fadeIn = true;
  page.fadeInDelay = 20;
  page.fadeInStep = 255;
  page.shadow = true;
  page.clickContinue = true;
  ObjectData button;
  ImageButtonRecord record;
  record.left = 10;
  record.top = 10;
  record.width = 100;
  record.height = 30;
  button.record = record;
  button.command.name = "Go";
  button.command.actionKind = 6;
  page.objects.push_back(button);
  return page;
}

struct Shown {
  StartupContext context;
  TAutoRunForm window{context};
  std::vector<int> pauses;
  std::vector<std::string> actions;

  Shown(PageData page, bool layered) {
    context.layeredWindows = layered;
    window.SetFadePause([this](int ms) { pauses.push_back(ms); });
    window.SetActionRunner([this](TAutoRunForm&, const TCommand& c) { actions.push_back(c.name); });
    window.SetPage(std::move(page));
    EXPECT_TRUE(window.CreatePageWindow(nullptr, false));
    window.ShowPage();
  }
  bool Open() const { return window.hwnd() != nullptr && IsWindow(window.hwnd()); }
};

TEST(PageWindow, FadesInWithLayeredWindowsOnly) {
  {
    Shown shown(SplashPage(), /*layered=*/true);
    ASSERT_TRUE(WaitUntil([&] { return !shown.window.opacityLog().empty() && shown.window.opacityLog().back() == 255; }, 5s));
    // Invisible at creation, then a single step of 255: opacity 0, one pause, then 255.
    EXPECT_EQ(shown.window.opacityLog(), (std::vector<std::uint8_t>{0, 0, 255}));
    EXPECT_EQ(shown.pauses, std::vector<int>{20});
    ASSERT_NE(shown.window.shadowWindow(), nullptr);
    EXPECT_TRUE(IsWindowVisible(shown.window.shadowWindow()));
    RECT page, shadow;
    GetWindowRect(shown.window.hwnd(), &page);
    GetWindowRect(shown.window.shadowWindow(), &shadow);
    EXPECT_EQ(shadow.left - page.left, 8);
    EXPECT_EQ(shadow.top - page.top, 8);
  }
  {
    PageData page = SplashPage();
    auto icon = Picture::FromFileImage(testing_support::EncodeIcoFile(Bitmap(16, 16, Bgra{0, 0, 255, 255})));
    ASSERT_TRUE(icon.ok());
    page.pageIcon = icon.value();
    Shown shown(page, /*layered=*/false);
    EXPECT_NE(SendMessageA(shown.window.hwnd(), WM_GETICON, ICON_BIG, 0), 0) << "the page icon is the window icon";
    WaitUntil([] { return false; }, 200ms);
    EXPECT_TRUE(shown.window.opacityLog().empty());
    EXPECT_TRUE(shown.pauses.empty());
    EXPECT_EQ(shown.window.shadowWindow(), nullptr);
    EXPECT_TRUE(IsWindowVisible(shown.window.hwnd()));
  }
}

TEST(PageWindow, SplashScreensCloseOnClickWithoutRunningTheAction) {
  Shown shown(SplashPage(), false);
  HWND surface = shown.window.surface().hwnd();
  PostMessageA(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  PostMessageA(surface, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_TRUE(WaitUntil([&] { return !shown.Open(); }, 5s));
  EXPECT_TRUE(shown.actions.empty());
}

TEST(PageWindow, StayTimeClosesSplashScreensOnlyWhenPositive) {
  PageData staying = SplashPage();
  staying.stayTime = 1;
  staying.clickContinue = false;
  Shown closes(staying, false);
  EXPECT_TRUE(WaitUntil([&] { return !closes.Open(); }, 5s));

  PageData forever = SplashPage();
  forever.stayTime = 0;
  forever.clickContinue = false;
  Shown stays(forever, false);
  WaitUntil([] { return false; }, 2500ms);
  EXPECT_TRUE(stays.Open());
  EXPECT_GE(stays.window.secondsCounter(), 2);
  // Without click-to-continue the click runs the object's action.
  HWND surface = stays.window.surface().hwnd();
  PostMessageA(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
  PostMessageA(surface, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
  EXPECT_TRUE(WaitUntil([&] { return !stays.actions.empty(); }, 5s));
  EXPECT_EQ(stays.actions, std::vector<std::string>{"Go"});
  EXPECT_TRUE(stays.Open());
}

TEST(PageWindow, GotoPageReloadsTheContentAndKeepsTheFrame) {
  const std::string folder = testing_support::MakeTempFolder("plexara-goto");
  ASSERT_TRUE(CreateDirectoryA((folder + "\\AutoRunSource").c_str(), nullptr));
  PageData other;
  other.pageName = "Other";
  other.caption = "Other caption";
  other.width = 500;
  other.backColor = RgbColor(10, 200, 30);
  other.objects.push_back(SplashPage().objects[0]);
  other.objects.push_back(SplashPage().objects[0]);
  ASSERT_TRUE(SavePageFile(PageFilePath(folder, "Other"), other));
  {
    PageData first = SplashPage();
    first.pageKind = static_cast<std::uint8_t>(PageKind::MainPage);
    Shown shown(first, false);
    shown.context.projectRoot = folder;
    shown.context.project.pages = {{.name = "Other", .kind = 3}};

    shown.window.BeginGotoPage("Missing");
    ASSERT_TRUE(WaitUntil([&] { return !shown.window.pagePending(); }, 5s));
    EXPECT_EQ(shown.window.page().objects.size(), 1u);

    shown.window.BeginGotoPage("Other");
    ASSERT_TRUE(WaitUntil([&] { return shown.window.page().pageName == "Other" && !shown.window.pagePending(); }, 5s));
    EXPECT_EQ(shown.window.page().caption, "Splash");
    EXPECT_EQ(shown.window.page().width, 300);
    EXPECT_EQ(shown.window.page().backColor, RgbColor(10, 200, 30));
    EXPECT_EQ(shown.window.Controls().size(), 2u);
    char title[64] = {};
    GetWindowTextA(shown.window.hwnd(), title, sizeof(title));
    EXPECT_STREQ(title, "Splash");
  }
  testing_support::RemoveTree(folder);
}

TEST(PageWindow, TabbedNotebookShowsTheTabbedPagesAndSwitchesOnSelection) {
  const std::string folder = testing_support::MakeTempFolder("plexara-tabs");
  ASSERT_TRUE(CreateDirectoryA((folder + "\\AutoRunSource").c_str(), nullptr));
  for (const auto& [name, caption] : {std::pair{"Main", "Home"}, {"A", "Alpha"}, {"B", "Beta"}}) {
    PageData page;
    page.pageName = name;
    page.caption = caption;
    ASSERT_TRUE(SavePageFile(PageFilePath(folder, name), page));
  }
  {
    PageData main = SplashPage();
    main.pageKind = static_cast<std::uint8_t>(PageKind::MainPage);
    Shown shown(main, false);
    shown.context.projectRoot = folder;
    shown.context.project.pages = {{.name = "Main", .kind = 2}, {.name = "A", .kind = 3}, {.name = "B", .kind = 3}};
    shown.context.project.settings.applicationStyle = kApplicationTabbedNotebook;
    shown.context.project.settings.tabSheetList = "B\r\nNope\r\nA";
    shown.context.project.settings.showSheetIcons = true;
    shown.context.project.settings.applicationTitle = "  Tabs  ";
    ASSERT_TRUE(shown.window.BuildTabStrip());
    HWND tabs = shown.window.tabStrip();
    ASSERT_EQ(TabCtrl_GetItemCount(tabs), 3);
    std::vector<std::string> texts;
    for (int i = 0; i < 3; ++i) {
      char text[32] = {};
      TCITEMA item{};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      item.cchTextMax = sizeof(text);
      TabCtrl_GetItem(tabs, i, &item);
      texts.emplace_back(text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Home", "Beta", "Alpha"}));
    char title[32] = {};
    GetWindowTextA(shown.window.hwnd(), title, sizeof(title));
    EXPECT_STREQ(title, "Tabs");
    RECT strip, surface;
    GetWindowRect(tabs, &strip);
    GetWindowRect(shown.window.surface().hwnd(), &surface);
    EXPECT_EQ(surface.top, strip.bottom) << "the page lies below the tabs";

    TabCtrl_SetCurSel(tabs, 1);
    NMHDR change{tabs, 0, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageA(shown.window.hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&change));
    EXPECT_TRUE(WaitUntil([&] { return shown.window.page().pageName == "B"; }, 5s));
  }
  testing_support::RemoveTree(folder);
}

// Three image buttons in a row: A and B in check group "g" (B stored checked), C alone.
PageData GroupPage() {
  PageData page;
  page.pageKind = static_cast<std::uint8_t>(PageKind::MainPage);
  page.width = 400;
  page.height = 200;
  for (int i = 0; i < 3; ++i) {
    ObjectData object;
    ImageButtonRecord record;
    record.left = 10 + 110 * i;
    record.top = 10;
    record.width = 100;
    record.height = 30;
    object.record = record;
    object.command.name = std::string(1, static_cast<char>('A' + i));
    object.command.checkStyleInGroup = i < 2;
    object.command.groupName = i < 2 ? "g" : "";
    object.command.checked = i == 1;
    page.objects.push_back(object);
  }
  return page;
}

const ButtonPointerState& StateOf(const TAutoRunForm& window, const char* name) {
  return static_cast<const PointerLookControl*>(window.FindObject(name))->state();
}

TEST(PageWindow, OneHotObjectAtATimeAndCheckGroups) {
  Shown shown(GroupPage(), false);
  HWND surface = shown.window.surface().hwnd();
  // A stored checked member starts checked.
  EXPECT_FALSE(StateOf(shown.window, "A").checked());
  EXPECT_TRUE(StateOf(shown.window, "B").checked());

  // The pointer over A, then over C: only C stays hot, then nothing over the empty page.
  SendMessageA(surface, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  EXPECT_TRUE(StateOf(shown.window, "A").hover());
  SendMessageA(surface, WM_MOUSEMOVE, 0, MAKELPARAM(240, 20));
  EXPECT_FALSE(StateOf(shown.window, "A").hover());
  EXPECT_TRUE(StateOf(shown.window, "C").hover());
  SendMessageA(surface, WM_MOUSEMOVE, 0, MAKELPARAM(200, 150));
  EXPECT_FALSE(StateOf(shown.window, "C").hover());

  // Clicking A checks it and clears B; clicking C (no group) changes neither.
  for (const LPARAM at : {MAKELPARAM(20, 20), MAKELPARAM(240, 20)}) {
    SendMessageA(surface, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(surface, WM_LBUTTONUP, 0, at);
  }
  EXPECT_TRUE(StateOf(shown.window, "A").checked());
  EXPECT_FALSE(StateOf(shown.window, "B").checked());
  EXPECT_FALSE(shown.window.page().objects[1].command.checked);
  EXPECT_FALSE(StateOf(shown.window, "C").checked());
  EXPECT_EQ(shown.actions, (std::vector<std::string>{"A", "C"}));
}

TEST(PageWindow, GraphicCommentShowsInTheViewerImageWhileThePointerIsOver) {
  PageData page = GroupPage();
  ObjectData viewer;
  ImageRecord image;
  image.left = 10;
  image.top = 100;
  image.normalImage = Picture::FromBitmap(Bitmap(4, 4, Bgra{0, 0, 255, 255}));
  viewer.record = image;
  viewer.command.name = "Viewer";
  page.objects.push_back(viewer);
  page.objects[0].command.graphicCommentViewer = "Viewer";
  page.objects[0].graphicComment = Picture::FromBitmap(Bitmap(4, 4, Bgra{255, 0, 0, 255}));
  Shown shown(page, false);
  HWND surface = shown.window.surface().hwnd();
  const auto* shownImage = static_cast<const TAuImage*>(shown.window.FindObject("Viewer"));
  const Picture& own = std::get<ImageRecord>(shown.window.page().objects[3].record).normalImage;
  EXPECT_EQ(shownImage->shownPicture(), own);
  SendMessageA(surface, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
  EXPECT_EQ(shownImage->shownPicture(), shown.window.page().objects[0].graphicComment);
  SendMessageA(surface, WM_MOUSEMOVE, 0, MAKELPARAM(390, 190));
  EXPECT_EQ(shownImage->shownPicture(), own);
}

// Channels that record what they were asked to play; a file "plays" until the test ends it.
class RecordingSounds final : public SoundSystem {
 public:
  struct Channel final : SoundChannel {
    explicit Channel(RecordingSounds& system) : owner(system) {}
    bool Play(const std::string& path) override {
      owner.played.push_back(path);
      playing = true;
      return true;
    }
    bool Playing() override { return playing && !owner.allEnded; }
    void Stop() override { playing = false; }
    RecordingSounds& owner;
    bool playing = false;
  };
  std::unique_ptr<SoundChannel> OpenChannel() override { return std::make_unique<Channel>(*this); }
  std::vector<std::string> played;
  bool allEnded = false;
};

TEST(PageWindow, StartSoundPlaysAfterItsDelayLoopsAndReportsAMissingFileOnce) {
  RecordingSounds sounds;
  SoundSystem* previous = SetSoundSystem(&sounds);
  const std::string folder = testing_support::MakeTempFolder("plexara-sound");
  testing_support::CopyFileTo(testing_support::BuildDir() + "\\Plexara.exe", folder + "\\intro.wav");
  {
    PageData page = SplashPage();
    page.pageKind = static_cast<std::uint8_t>(PageKind::MainPage);
    page.startSound = "intro.wav";
    page.startSoundLoop = true;
    Shown shown(page, false);
    shown.context.projectRoot = folder;
    ASSERT_TRUE(WaitUntil([&] { return sounds.played.size() == 1; }, 5s));
    EXPECT_EQ(sounds.played[0], folder + "\\intro.wav");
    sounds.allEnded = true;  // the sound ends: the loop starts it again within a second
    EXPECT_TRUE(WaitUntil([&] { return sounds.played.size() == 2; }, 5s));
  }
  {
    testing_support::ScopedRecording recording;
    PageData page = SplashPage();
    page.pageKind = static_cast<std::uint8_t>(PageKind::MainPage);
    page.startSound = "\\missing.wav";
    Shown shown(page, false);
    shown.context.projectRoot = folder;
    WaitUntil([] { return false; }, 2500ms);
    ASSERT_EQ(testing_support::Recorder().boxes.size(), 1u);
    EXPECT_EQ(testing_support::Recorder().boxes[0].text,
              "The specified file \"" + folder + "\\missing.wav\" was not found.");
  }
  SetSoundSystem(previous);
  testing_support::RemoveTree(folder);
}

}  // namespace
}  // namespace plexara

namespace plexara {
namespace {

TEST(PageWindow, NewPageHasTheDefaultsOfANewWindow) {
  const PageData page;
  EXPECT_EQ(page.stayTime, 5);
  EXPECT_TRUE(page.clickContinue);
  EXPECT_TRUE(page.shadow);
  EXPECT_EQ(page.shadowXOff, 8);
  EXPECT_EQ(page.shadowYOff, 8);
  EXPECT_EQ(page.shadowColor, 0);
  EXPECT_EQ(page.shadowAlpha, 80);
  EXPECT_TRUE(page.fadeIn && page.fadeOut);
  EXPECT_EQ(page.fadeInDelay, 20);
  EXPECT_EQ(page.fadeInStep, 20);
  EXPECT_EQ(page.fadeOutDelay, 20);
  EXPECT_EQ(page.fadeOutStep, 20);
  EXPECT_EQ(page.backImageStyle, 3);
  EXPECT_EQ(page.backColor, 16777215);
  EXPECT_EQ(page.gradientColor, 16711680);
  EXPECT_EQ(page.gradientStyle, 1);
  EXPECT_EQ(page.reserved1, 1);
  EXPECT_EQ(page.command.actionKind, 0);
  EXPECT_EQ(page.command.showCommand, 1);
  EXPECT_EQ(page.command.selectRunWait, " ");

  // A window for a tiny new page: at least 80 × 80, centred, invisible until it fades in, and a
  // frame with only the system menu button.
  PageData tiny;
  tiny.width = tiny.height = 10;
  Shown shown(tiny, /*layered=*/true);
  RECT r;
  GetWindowRect(shown.window.hwnd(), &r);
  EXPECT_GE(r.right - r.left, 80);
  EXPECT_GE(r.bottom - r.top, 80);
  EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  ASSERT_FALSE(shown.window.opacityLog().empty());
  EXPECT_EQ(shown.window.opacityLog().front(), 0);
  const LONG_PTR style = GetWindowLongPtrA(shown.window.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
}

TEST(PageWindow, TransparentColourIsSeeThroughAndTheBorderWidthInsetsThePage) {
  PageData page;
  page.width = 300;
  page.height = 200;
  page.transparent = true;
  page.transparentColor = RgbColor(255, 0, 255);
  page.borderWidth = 6;
  Shown shown(page, /*layered=*/true);
  ASSERT_TRUE(WaitUntil([&] { return !shown.window.opacityLog().empty() && shown.window.opacityLog().back() == 255; }, 5s));
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(shown.window.hwnd(), &key, &alpha, &flags));
  EXPECT_TRUE(flags & LWA_COLORKEY);
  EXPECT_EQ(key, RGB(255, 0, 255));
  EXPECT_EQ(alpha, 255);

  RECT client, surface;
  GetClientRect(shown.window.hwnd(), &client);
  GetWindowRect(shown.window.surface().hwnd(), &surface);
  MapWindowPoints(nullptr, shown.window.hwnd(), reinterpret_cast<POINT*>(&surface), 2);
  EXPECT_EQ(surface.left, 6);
  EXPECT_EQ(surface.top, 6);
  EXPECT_EQ(surface.right, client.right - 6);
  EXPECT_EQ(surface.bottom, client.bottom - 6);

  page.transparent = false;
  page.borderWidth = 0;
  Shown opaque(page, /*layered=*/true);
  ASSERT_TRUE(GetLayeredWindowAttributes(opaque.window.hwnd(), &key, &alpha, &flags));
  EXPECT_FALSE(flags & LWA_COLORKEY);
}

ObjectData WithHint(ObjectData object, const char* name, const char* hint) {
  object.command.name = name;
  std::visit([&](auto& record) { record.hint = hint; }, object.record);
  return object;
}

ObjectData PlacedObject(int kind, int left, int top) { return NewPageObject(PageData{}, kind, left, top); }

// What the hint window shows now; empty while it is hidden.
std::string ShownHint(const TAutoRunForm& window) {
  HWND tip = window.hints().window();
  if (tip == nullptr || !IsWindowVisible(tip)) return {};
  char text[256] = {};
  GetWindowTextA(tip, text, sizeof(text));
  return text;
}

TEST(PageWindow, HintsShowOverObjectsAndOverTheEmptyPage) {
  PageData page;
  page.width = 400;
  page.height = 300;
  page.hint = "About this page";
  page.objects.push_back(WithHint(PlacedObject(1, 10, 10), "Drawn", "A drawn button"));
  page.objects.push_back(WithHint(PlacedObject(0, 10, 100), "Push", "A push button"));
  ObjectData hidden = WithHint(PlacedObject(2, 200, 10), "Hidden", "Never seen");
  hidden.command.visible = false;
  page.objects.push_back(hidden);
  Shown shown(page, /*layered=*/false);
  SetForegroundWindow(shown.window.hwnd());
  const auto rest = [&](int x, int y) {
    POINT at{x, y};
    ClientToScreen(shown.window.surface().hwnd(), &at);
    SetCursorPos(at.x - 1, at.y);
    WaitUntil([] { return false; }, 50ms);
    SetCursorPos(at.x, at.y);
  };
  const struct {
    int x, y;
    const char* hint;
  } stops[] = {{40, 20, "A drawn button"}, {40, 110, "A push button"}, {300, 250, "About this page"}};
  for (const auto& stop : stops) {
    SCOPED_TRACE(stop.hint);
    rest(stop.x, stop.y);
    EXPECT_TRUE(WaitUntil([&] { return ShownHint(shown.window) == stop.hint; }, 5s)) << ShownHint(shown.window);
    // The hint as it shows, for people to look at.
    if (&stop == &stops[0]) {
      WaitUntil([] { return false; }, 500ms);
      testing_support::SaveWindowScreenshot(shown.window.hints().window(), "page-hint");
    }
  }
  // The hidden object gives no hint of its own.
  rest(250, 40);
  WaitUntil([] { return false; }, 1500ms);
  EXPECT_NE(ShownHint(shown.window), "Never seen");
}

TEST(PageWindow, WindowedObjectsWithAnActionShowTheHand) {
  PageData page;
  page.width = 400;
  page.height = 300;
  ObjectData withAction = PlacedObject(0, 10, 10);
  withAction.command.name = "Go";
  withAction.command.actionKind = 6;
  page.objects.push_back(withAction);
  ObjectData edit = PlacedObject(14, 10, 60);
  edit.command.name = "Field";
  page.objects.push_back(edit);
  ObjectData box = PlacedObject(16, 10, 100);
  box.command.name = "Agree";
  box.command.actionKind = 6;
  page.objects.push_back(box);
  Shown shown(page, /*layered=*/false);
  ASSERT_TRUE(WaitUntil([&] { return shown.window.ObjectCursor(*shown.window.FindObject("Go")) != nullptr; }, 5s));
  const auto cursorOver = [&](const char* name) {
    HWND child = shown.window.FindObject(name)->Child();
    SetCursor(nullptr);
    SendMessageA(child, WM_SETCURSOR, reinterpret_cast<WPARAM>(child), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor();
  };
  const HCURSOR hand = LoadCursor(nullptr, IDC_HAND);
  EXPECT_EQ(cursorOver("Go"), hand);
  EXPECT_EQ(cursorOver("Agree"), hand);
  EXPECT_NE(cursorOver("Field"), hand) << "no action: the edit box keeps its own pointer";
}

TEST(PageWindow, MinimizeTakesTheScreenBackgroundsAlong) {
  PageData backgroundPage;
  backgroundPage.pageKind = static_cast<std::uint8_t>(PageKind::ScreenBackground);
  backgroundPage.shadow = false;
  Shown background(backgroundPage, /*layered=*/false);
  PageData mainPage;
  mainPage.pageKind = static_cast<std::uint8_t>(PageKind::MainPage);
  Shown main(mainPage, /*layered=*/false);
  ASSERT_EQ(TAutoRunForm::ScreenBackgrounds().size(), 1u);

  main.window.MinimizeApplication();
  EXPECT_TRUE(WaitUntil([&] { return IsIconic(main.window.hwnd()) && IsIconic(background.window.hwnd()); }, 5s));
  ShowWindow(main.window.hwnd(), SW_RESTORE);
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(main.window.hwnd()) && !IsIconic(background.window.hwnd()); }, 5s));
}

TEST(PageWindow, OnlyKindsThatReportMovesDragTheWindow) {
  PageData page;
  page.width = 500;
  page.height = 300;
  ObjectData text = PlacedObject(6, 10, 10);  // a Text does not report pointer moves
  text.command.name = "Text";
  text.command.windowMoveHandle = true;
  page.objects.push_back(text);
  ObjectData image = PlacedObject(2, 250, 10);  // an Image does
  image.command.name = "Handle";
  image.command.windowMoveHandle = true;
  page.objects.push_back(image);
  Shown shown(page, /*layered=*/false);
  HWND surface = shown.window.surface().hwnd();
  const auto drag = [&](int x, int y) {
    RECT before;
    GetWindowRect(shown.window.hwnd(), &before);
    SendMessageA(surface, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(surface, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + 30, y + 20));
    SendMessageA(surface, WM_LBUTTONUP, 0, MAKELPARAM(x + 30, y + 20));
    RECT after;
    GetWindowRect(shown.window.hwnd(), &after);
    return POINT{after.left - before.left, after.top - before.top};
  };
  const POINT textMoved = drag(50, 50);
  EXPECT_EQ(textMoved.x, 0);
  EXPECT_EQ(textMoved.y, 0);
  const POINT imageMoved = drag(300, 50);
  EXPECT_EQ(imageMoved.x, 30);
  EXPECT_EQ(imageMoved.y, 20);
}

TEST(PageWindow, AddObjectPlacesANamedLiveControl) {
  PageData page;
  page.width = 400;
  page.height = 300;
  page.objects.push_back(PlacedObject(0, 0, 0));
  page.objects.back().command.name = "Button1";
  page.objects.back().selected = true;
  Shown shown(page, /*layered=*/false);
  ObjectControl* first = shown.window.FindObject("Button1");

  ObjectControl* added = shown.window.AddObject(0, 50, 60);
  ASSERT_NE(added, nullptr);
  EXPECT_EQ(added->data().command.name, "Button2");
  EXPECT_FALSE(shown.window.page().objects[0].selected);
  EXPECT_EQ(shown.window.FindObject("Button1"), first) << "the existing control stays, pointed at its object";
  EXPECT_EQ(&first->data(), &shown.window.page().objects[0]);
  ASSERT_NE(added->Child(), nullptr);
  RECT r;
  GetWindowRect(added->Child(), &r);
  MapWindowPoints(nullptr, shown.window.surface().hwnd(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 50);
  EXPECT_EQ(r.top, 60);
  EXPECT_EQ(r.right - r.left, 105);
  char caption[32] = {};
  GetWindowTextA(added->Child(), caption, sizeof(caption));
  EXPECT_STREQ(caption, "New Button");

  // A text box keeps its clicks to itself; a Text added after it is drawn on the surface.
  EXPECT_FALSE(shown.window.AddObject(8, 200, 10)->Reports(kEventClick));
  ObjectControl* text = shown.window.AddObject(6, 200, 150);
  EXPECT_EQ(text->data().command.name, "Text1");
  EXPECT_TRUE(text->Reports(kEventClick));
  EXPECT_EQ(shown.window.surface().DrawnControlAt(POINT{210, 160}), text);
  EXPECT_EQ(shown.window.AddObject(27, 0, 0), nullptr);
}

}  // namespace
}  // namespace plexara
