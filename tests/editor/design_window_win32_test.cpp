// The design window under Wine, on a real working page with drawn and windowed objects: its
// picture against the player's, creating, selecting, moving, the rubber band, Ctrl toggling, the
// keyboard, the grid, and the window's own moves and resizes.
#include "editor/design_window_win32.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <memory>

#include "objects/new_object.h"
#include "player/page_window_win32.h"
#include "storage/shape_record.h"
#include "support/automation_win32.h"
#include "support/dib_canvas_win32.h"

namespace plexara {
namespace {

using namespace std::chrono_literals;
using testing_support::DibCanvas;
using testing_support::WaitUntil;

constexpr COLORREF kShapeFill = RGB(200, 40, 40);

struct RecordingHost final : DesignHost {
  int kind = -1;
  GridSettings grid;
  int modified = 0, selectionRefreshes = 0, created = 0, deletes = 0, propertyRefreshes = 0,
      areaRepaints = 0;
  bool CommitPendingEdit() override { return true; }
  void MarkModified(bool on) override { modified += on ? 1 : 0; }
  void SelectionRefresh() override { ++selectionRefreshes; }
  void ObjectCreated() override {
    ++created;
    kind = -1;
  }
  int CreationKind() const override { return kind; }
  void DeleteSelection() override { ++deletes; }
  void ShowSurfaceMenu(POINT) override {}
  void PropertiesRefresh() override { ++propertyRefreshes; }
  void DesignAreaChanged() override { ++areaRepaints; }
  GridSettings Grid() const override { return grid; }
};

// Shape 20,20 100x60; Label 150,20; Button 20,150; Edit 150,150; a menu bar of two items.
PageData TestPage() {
  PageData page;
  page.caption = "Designed";
  page.position = 0;
  page.left = 30;
  page.top = 30;
  page.width = 420;
  page.height = 320;
  page.fadeIn = page.fadeOut = false;
  page.shadow = true;
  const std::pair<int, POINT> placed[] = {
      {19, {20, 20}}, {3, {150, 20}}, {0, {20, 150}}, {14, {150, 150}}};
  for (const auto& [kind, at] : placed)
    page.objects.push_back(NewPageObject(page, kind, at.x, at.y));
  auto& shape = std::get<ShapeRecord>(page.objects[0].record);
  shape.width = 100;
  shape.height = 60;
  shape.fillColor = RgbColor(200, 40, 40);
  MenuItemData file;
  file.caption = "File";
  MenuItemData exit;
  exit.caption = "Exit";
  file.items.push_back(exit);
  MenuItemData help;
  help.caption = "Help";
  help.items.push_back(exit);
  page.menuBar = {file, help};
  return page;
}

// The main window's design area with the working page and the design window on it.
struct Designer {
  StartupContext context;
  RecordingHost host;
  HWND area = nullptr;
  TAutoRunForm page{context};
  TEditForm form;

  Designer() {
    context.layeredWindows = false;
    context.editorMode = true;
    area = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 800, 560,
                           nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    page.SetDesignMode(true);
    page.SetPage(TestPage());
    EXPECT_TRUE(page.CreatePageWindow(area, false));
    EXPECT_TRUE(form.Create(area, host));
    form.SetWorkingPage(&page);
    form.CopyPageAppearance(GetSystemMetrics(SM_CYMENU));
    ShowWindow(form.hwnd(), SW_SHOWNA);
    form.RefreshDesignSurface();
  }
  ~Designer() {
    form.Destroy();
    page.Destroy();
    DestroyWindow(area);
  }
  ObjectData& Object(std::size_t i) { return page.page().objects[i]; }
  ObjectBounds Bounds(std::size_t i) { return BoundsOf(Object(i).record); }
  std::vector<bool> Selection() {
    std::vector<bool> s;
    for (const ObjectData& o : page.page().objects) s.push_back(o.selected);
    return s;
  }
  // A mouse message at a point of the page content.
  void Mouse(UINT message, int x, int y, WPARAM keys = 0) {
    const POINT origin = form.contentOrigin();
    SendMessageA(form.hwnd(), message, keys, MAKELPARAM(x + origin.x, y + origin.y));
  }
  void Drag(POINT from, POINT to, WPARAM keys = 0) {
    Mouse(WM_LBUTTONDOWN, from.x, from.y, keys | MK_LBUTTON);
    Mouse(WM_MOUSEMOVE, to.x, to.y, keys | MK_LBUTTON);
    Mouse(WM_LBUTTONUP, to.x, to.y, keys);
  }
  // The page content as the design window shows it.
  std::unique_ptr<DibCanvas> Picture() {
    const SIZE size = page.ContentSize();
    RECT client;
    GetClientRect(form.hwnd(), &client);
    DibCanvas whole(client.right, client.bottom, RGB(255, 0, 255));
    SendMessageA(form.hwnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(whole.dc()), PRF_CLIENT);
    auto content = std::make_unique<DibCanvas>(size.cx, size.cy, RGB(255, 0, 255));
    BitBlt(content->dc(), 0, 0, size.cx, size.cy, whole.dc(), form.contentOrigin().x,
           form.contentOrigin().y, SRCCOPY);
    return content;
  }
};

// The screen pixels of a window's client area.
std::unique_ptr<DibCanvas> ScreenOf(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  POINT at{0, 0};
  ClientToScreen(window, &at);
  auto canvas = std::make_unique<DibCanvas>(client.right, client.bottom, RGB(255, 0, 255));
  HDC screen = GetDC(nullptr);
  BitBlt(canvas->dc(), 0, 0, client.right, client.bottom, screen, at.x, at.y, SRCCOPY);
  ReleaseDC(nullptr, screen);
  return canvas;
}

// Pixels of the page content that differ between the screen and the design window's picture.
int ScreenDifferences(Designer& designer) {
  const auto picture = designer.Picture();
  const auto screen = ScreenOf(designer.form.hwnd());
  const POINT origin = designer.form.contentOrigin();
  int differing = 0;
  for (int y = 0; y < picture->height(); ++y)
    for (int x = 0; x < picture->width(); ++x)
      differing += picture->At(x, y) != screen->At(x + origin.x, y + origin.y) ? 1 : 0;
  return differing;
}

bool OnOutline(const ObjectBounds& b, int x, int y) {
  const bool inside =
      x >= b.left - 1 && x <= b.left + b.width && y >= b.top - 1 && y <= b.top + b.height;
  return inside &&
         (x == b.left - 1 || x == b.left + b.width || y == b.top - 1 || y == b.top + b.height);
}

TEST(DesignWindow, ShowsThePageAsThePlayerDoesOutsideTheMarks) {
  Designer designer;
  StartupContext playerContext;
  playerContext.layeredWindows = false;
  TAutoRunForm player{playerContext};
  PageData page = TestPage();
  page.left = 840;
  page.top = 560;
  player.SetPage(page);
  ASSERT_TRUE(player.CreatePageWindow(nullptr, false));
  player.ShowPage();
  HWND surface = player.surface().hwnd();
  // The focus is the player's run-time state (a focused edit draws another border); the design
  // picture shows the page at rest.
  SetFocus(surface);
  ASSERT_TRUE(WaitUntil([&] { return ScreenOf(surface)->At(70, 50) == kShapeFill; }, 5s));
  WaitUntil([&] { return GetFocus() == surface; }, 2s);
  const auto onScreen = ScreenOf(surface);
  const auto designed = designer.Picture();
  ASSERT_EQ(designed->width(), onScreen->width());
  ASSERT_EQ(designed->height(), onScreen->height());
  const ObjectBounds shape = designer.Bounds(0), label = designer.Bounds(1),
                     button = designer.Bounds(2);
  int differing = 0;
  for (int y = 0; y < designed->height(); ++y) {
    for (int x = 0; x < designed->width(); ++x) {
      if (OnOutline(shape, x, y) || OnOutline(label, x, y)) continue;
      differing += designed->At(x, y) != onScreen->At(x, y) ? 1 : 0;
    }
  }
  EXPECT_EQ(differing, 0);
  // The windowed objects are in the picture: the surface alone paints only the background there.
  RECT client;
  GetClientRect(designer.page.surface().hwnd(), &client);
  DibCanvas surfaceOnly(client.right, client.bottom, RGB(255, 0, 255));
  designer.page.surface().PaintAll(surfaceOnly.dc(), client);
  int buttonPixels = 0;
  for (int y = button.top; y < button.top + button.height; ++y)
    for (int x = button.left; x < button.left + button.width; ++x)
      buttonPixels += designed->At(x, y) != surfaceOnly.At(x, y) ? 1 : 0;
  EXPECT_GT(buttonPixels, button.width * button.height / 2);
  // The dotted outlines are there, in grey XOR over the page.
  EXPECT_NE(designed->At(shape.left + shape.width, shape.top + 10),
            onScreen->At(shape.left + shape.width, shape.top + 10));
  // The imitation menu bar carries the page's menu captions.
  ASSERT_EQ(designer.form.menuButtons().size(), 2u);
  char caption[16] = {};
  GetWindowTextA(designer.form.menuButtons()[1], caption, sizeof(caption));
  EXPECT_STREQ(caption, "Help");
}

TEST(DesignWindow, GridDotsInTheEditorOnly) {
  Designer designer;
  // (328, 264): empty page, on the grid for 8 and for 4.
  const auto before = designer.Picture();
  EXPECT_NE(before->At(328, 264), RGB(0, 0, 0));
  designer.page.SetDesignGrid(true, 8, 8);
  designer.form.RefreshDesignSurface();
  const auto dotted = designer.Picture();
  EXPECT_EQ(dotted->At(328, 264), RGB(0, 0, 0));
  EXPECT_EQ(dotted->At(0, 0), RGB(0, 0, 0));
  EXPECT_NE(dotted->At(329, 264), RGB(0, 0, 0));
  EXPECT_NE(dotted->At(324, 264), RGB(0, 0, 0));
  // Under the objects: none shows through the shape.
  EXPECT_EQ(dotted->At(40, 40), kShapeFill);

  // A player page asked for a grid paints none.
  StartupContext context;
  context.layeredWindows = false;
  TAutoRunForm player{context};
  player.SetPage(TestPage());
  ASSERT_TRUE(player.CreatePageWindow(nullptr, false));
  player.SetDesignGrid(true, 8, 8);
  RECT client;
  GetClientRect(player.surface().hwnd(), &client);
  DibCanvas canvas(client.right, client.bottom, RGB(255, 0, 255));
  player.surface().PaintAll(canvas.dc(), client);
  EXPECT_NE(canvas.At(328, 264), RGB(0, 0, 0));
}

TEST(DesignWindow, CreatesTheToolsKindAtTheSnappedPressPoint) {
  Designer designer;
  designer.host.kind = 19;  // Shape
  designer.Mouse(WM_LBUTTONDOWN, 37, 93, MK_LBUTTON);
  designer.Mouse(WM_LBUTTONUP, 37, 93);
  EXPECT_EQ(designer.host.created, 1);
  EXPECT_EQ(designer.host.selectionRefreshes, 0) << "the release of a creating press does nothing";
  // Drawn objects come before the windowed ones: the new Shape follows the Label.
  ASSERT_EQ(designer.page.page().objects.size(), 5u);
  EXPECT_EQ(designer.Object(2).command.name, "Shape2");
  EXPECT_EQ(designer.Bounds(2).left, 40);
  EXPECT_EQ(designer.Bounds(2).top, 96);
  EXPECT_EQ(designer.Selection(), (std::vector<bool>{false, false, true, false, false}));
  EXPECT_GT(designer.host.modified, 0);

  // A kind without a control of its own yet is placed, moved and saved all the same.
  designer.host.kind = 20;  // ListBox
  designer.Mouse(WM_LBUTTONDOWN, 240, 200, MK_LBUTTON);
  designer.Mouse(WM_LBUTTONUP, 240, 200);
  ASSERT_EQ(designer.page.page().objects.size(), 6u);
  EXPECT_EQ(designer.Object(5).command.name, "ListBox1");
  designer.Drag({250, 210}, {266, 210});
  EXPECT_EQ(designer.Bounds(5).left, 256);
  MemoryOutStream out;
  ASSERT_TRUE(WritePage(out, designer.page.page()));
  MemoryInStream in(out.bytes());
  PageData read;
  ASSERT_TRUE(ReadPage(in, read));
  EXPECT_EQ(BoundsOf(read.objects[5].record), designer.Bounds(5));
}

TEST(DesignWindow, SelectsAndMovesBySnappedGridSteps) {
  Designer designer;
  designer.Mouse(WM_LBUTTONDOWN, 50, 50, MK_LBUTTON);
  designer.Mouse(WM_MOUSEMOVE, 57, 50, MK_LBUTTON);
  EXPECT_EQ(designer.Bounds(0).left, 20) << "7 pixels are less than a grid step";
  designer.Mouse(WM_MOUSEMOVE, 65, 53, MK_LBUTTON);
  designer.Mouse(WM_LBUTTONUP, 65, 53);
  EXPECT_EQ(designer.Bounds(0), (ObjectBounds{28, 20, 100, 60}));
  EXPECT_EQ(designer.Selection(), (std::vector<bool>{true, false, false, false}));
  EXPECT_EQ(designer.host.selectionRefreshes, 1);
  // The handles show where they are, and the pointer tells move from resize.
  designer.Mouse(WM_MOUSEMOVE, 60, 40);
  EXPECT_EQ(designer.form.pointerShape(), PointerShape::Move);
  designer.Mouse(WM_MOUSEMOVE, 128, 80);
  EXPECT_EQ(designer.form.pointerShape(), PointerShape::SizeNwse);
  const auto picture = designer.Picture();
  EXPECT_EQ(picture->At(128, 80), RGB(128, 128, 128));

  // A windowed object's child window goes where its record says.
  designer.Drag({60, 160}, {76, 176});
  EXPECT_EQ(designer.Bounds(2).left, 36);
  HWND child = designer.page.Controls()[2]->Child();
  ASSERT_NE(child, nullptr);
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(HWND_DESKTOP, designer.page.surface().hwnd(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 36);
  EXPECT_EQ(r.top, 166);

  // Dragged beyond the left edge: back at 0 after the refresh.
  designer.Drag({40, 40}, {0, 40});
  EXPECT_EQ(designer.Bounds(0).left, 0);
}

TEST(DesignWindow, RubberBandAndCtrlToggling) {
  Designer designer;
  designer.Drag({5, 5}, {160, 30});  // meets the Shape and the Label
  EXPECT_EQ(designer.Selection(), (std::vector<bool>{true, true, false, false}));
  designer.Mouse(WM_LBUTTONDOWN, 160, 30, MK_LBUTTON | MK_CONTROL);
  designer.Mouse(WM_LBUTTONUP, 160, 30, MK_CONTROL);
  EXPECT_EQ(designer.Selection(), (std::vector<bool>{true, false, false, false}));
  designer.Mouse(WM_LBUTTONDOWN, 300, 100, MK_LBUTTON | MK_CONTROL);
  designer.Mouse(WM_LBUTTONUP, 300, 100, MK_CONTROL);
  EXPECT_EQ(designer.Selection(), (std::vector<bool>{true, false, false, false}));
  // A Ctrl band toggles what it meets: the Shape goes, the Button and the Edit come.
  designer.Drag({10, 140}, {160, 160}, MK_CONTROL);
  EXPECT_EQ(designer.Selection(), (std::vector<bool>{false, false, true, true}));
  EXPECT_TRUE(designer.form.pointer().band().empty());

  // Drawn in XOR while it is dragged, the band leaves nothing on the screen after the release.
  UpdateWindow(designer.form.hwnd());
  ASSERT_TRUE(WaitUntil([&] { return ScreenDifferences(designer) == 0; }, 5s));
  designer.Mouse(WM_LBUTTONDOWN, 300, 60, MK_LBUTTON);
  designer.Mouse(WM_MOUSEMOVE, 330, 90, MK_LBUTTON);
  designer.Mouse(WM_MOUSEMOVE, 360, 120, MK_LBUTTON);
  // The screen shows what was drawn once the system has passed it on.
  EXPECT_TRUE(WaitUntil([&] { return ScreenDifferences(designer) > 60; }, 5s));
  designer.Mouse(WM_LBUTTONUP, 360, 120);
  EXPECT_TRUE(WaitUntil([&] { return ScreenDifferences(designer) == 0; }, 5s));
}

TEST(DesignWindow, KeyboardMovesResizesAndDeletes) {
  Designer designer;
  designer.Object(0).selected = true;
  HWND keys = designer.form.KeyCaptureWindow();
  BYTE state[256];
  GetKeyboardState(state);
  state[VK_CONTROL] = 0x80;
  SetKeyboardState(state);
  SendMessageA(keys, WM_KEYDOWN, VK_RIGHT, 0);
  SendMessageA(keys, WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(designer.Bounds(0), (ObjectBounds{21, 19, 100, 60}));
  state[VK_CONTROL] = 0;
  SetKeyboardState(state);
  SendMessageA(keys, WM_KEYUP, VK_CONTROL, 0);
  EXPECT_EQ(designer.host.propertyRefreshes, 1);
  state[VK_SHIFT] = 0x80;
  SetKeyboardState(state);
  SendMessageA(keys, WM_KEYDOWN, VK_DOWN, 0);
  for (int i = 0; i < 120; ++i) SendMessageA(keys, WM_KEYDOWN, VK_LEFT, 0);
  EXPECT_EQ(designer.Bounds(0), (ObjectBounds{21, 19, 1, 61}));
  state[VK_SHIFT] = 0;
  SetKeyboardState(state);
  SendMessageA(keys, WM_KEYDOWN, VK_RIGHT, 0);  // no modifier: nothing
  EXPECT_EQ(designer.Bounds(0).left, 21);
  SendMessageA(keys, WM_CHAR, 'a', 0);
  EXPECT_EQ(GetWindowTextLengthA(keys), 0);
  SendMessageA(keys, WM_KEYDOWN, VK_DELETE, 0);
  EXPECT_EQ(designer.host.deletes, 1);
}

TEST(DesignWindow, TheWindowsOwnMovesAndResizes) {
  Designer designer;
  SendMessageA(designer.form.hwnd(), WM_CLOSE, 0, 0);
  SendMessageA(designer.form.hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsWindow(designer.form.hwnd()));
  EXPECT_FALSE(IsIconic(designer.form.hwnd()));
  RECT r;
  GetWindowRect(designer.form.hwnd(), &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  EXPECT_EQ(width, 420);
  SetWindowPos(designer.form.hwnd(), nullptr, 60, 70, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(designer.page.page().left, 60);
  EXPECT_EQ(designer.page.page().top, 70);
  EXPECT_EQ(designer.host.modified, 0) << "a move alone changes nothing in the project";
  const SIZE before = designer.page.ContentSize();
  SetWindowPos(designer.form.hwnd(), nullptr, 0, 0, width + 40, height + 24,
               SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(designer.page.page().width, width + 40);
  EXPECT_EQ(designer.page.page().height, height + 24);
  EXPECT_EQ(designer.page.ContentSize().cx, before.cx + 40);
  EXPECT_EQ(designer.page.ContentSize().cy, before.cy + 24);
  EXPECT_EQ(designer.host.modified, 1);
  EXPECT_EQ(designer.Picture()->width(), before.cx + 40);

  designer.Object(1).selected = true;
  designer.form.RefreshDesignSurface();
  testing_support::SaveWindowScreenshot(designer.form.hwnd(), "design-window");
}

}  // namespace
}  // namespace plexara

namespace plexara {
namespace {

TEST(DesignArea, ShadowBlendedBehindTheDesignWindowAndClipped) {
  PageData page;
  page.shadowXOff = 8;
  page.shadowYOff = 6;
  page.shadowAlpha = 80;
  page.shadowColor = kColorBlack;
  DibCanvas canvas(200, 120, RGB(255, 0, 255));
  const RECT area{0, 0, 200, 120};
  PaintDesignAreaBackground(canvas.dc(), area, page, RECT{20, 10, 200, 118}, POINT{0, 4},
                            RGB(100, 200, 255));
  const COLORREF blended = RGB(69, 137, 175);  // 175/255 of each channel, rounded
  EXPECT_EQ(canvas.At(27, 11), RGB(100, 200, 255));
  EXPECT_EQ(canvas.At(28, 12), blended);
  EXPECT_EQ(canvas.At(199, 119), blended);  // reaches past the area: clipped to it
  EXPECT_EQ(canvas.BoundsOf(blended).left, 28);
  page.shadow = false;
  PaintDesignAreaBackground(canvas.dc(), area, page, RECT{20, 10, 180, 110}, POINT{0, 0},
                            RGB(100, 200, 255));
  EXPECT_EQ(canvas.Count(RGB(100, 200, 255)), 200 * 120);
}

}  // namespace
}  // namespace plexara
