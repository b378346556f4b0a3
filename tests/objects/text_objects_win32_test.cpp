// The text objects on a real page window under Wine: GDI text through the effect engine has smooth
// edges, a scroll text scrolls (even when its record says inactive), a fade text cycles its lines,
// a link fades to its hot look under the pointer, SimpleText switches its looks, a comment shows in
// its viewer while the pointer is over its object, and files load into the objects that take them.
// A paint renders only the dirty areas, and leaves the picture a paint of the whole page gives.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "objects/simple_text_control_win32.h"
#include "objects/text_controls_win32.h"
#include "player/page_window_win32.h"
#include "support/automation_win32.h"
#include "support/dib_canvas_win32.h"

namespace plexara {
namespace {

using namespace std::chrono_literals;
using testing_support::DibCanvas;
using testing_support::WaitUntil;

ObjectData Object(KindRecord record, const std::string& name) {
  ObjectData object;
  object.record = std::move(record);
  object.command.name = name;
  return object;
}

PageData WhitePage() {
  PageData page;
  page.caption = "Text objects";
  page.pageKind = static_cast<std::uint8_t>(PageKind::SubPage);
  page.borderStyle = 0;
  page.position = 0;
  page.left = 40;
  page.top = 40;
  page.width = 400;
  page.height = 300;
  page.backColor = kColorWhite;
  page.gradientStyle = 0;
  page.fadeIn = page.fadeOut = false;
  return page;
}

struct Shown {
  StartupContext context;
  TAutoRunForm window{context};
  explicit Shown(PageData page) {
    context.layeredWindows = false;
    window.SetPage(std::move(page));
    EXPECT_TRUE(window.CreatePageWindow(nullptr, false));
    window.ShowPage();
    UpdateWindow(window.hwnd());
  }
  template <typename Control>
  Control& Find(const char* name) {
    return *static_cast<Control*>(window.FindObject(name));
  }
  // The surface painted off-screen, as WM_PAINT paints it.
  std::unique_ptr<DibCanvas> Snapshot() {
    RECT client;
    GetClientRect(window.surface().hwnd(), &client);
    auto canvas = std::make_unique<DibCanvas>(client.right, client.bottom, RGB(255, 0, 255));
    window.surface().PaintAll(canvas->dc(), client);
    return canvas;
  }
};

// Every pixel of the surface as it is on the screen now.
std::unique_ptr<DibCanvas> ScreenOf(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  auto canvas = std::make_unique<DibCanvas>(client.right, client.bottom, RGB(255, 0, 255));
  HDC dc = GetDC(window);
  BitBlt(canvas->dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
  return canvas;
}

int PixelsDiffering(const DibCanvas& a, const DibCanvas& b) {
  int differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) differing += a.At(x, y) != b.At(x, y) ? 1 : 0;
  }
  return differing;
}

struct Ink {
  int dark = 0, partial = 0, blue = 0;
};

Ink InkIn(const DibCanvas& canvas, const ObjectBounds& b) {
  Ink ink;
  for (int y = b.top; y < b.top + b.height; ++y) {
    for (int x = b.left; x < b.left + b.width; ++x) {
      const COLORREF c = canvas.At(x, y);
      const int g = GetGValue(c);
      if (GetBValue(c) > 200 && GetRValue(c) < 60 && g < 60) ++ink.blue;
      if (g < 40) ++ink.dark;
      if (g > 40 && g < 215) ++ink.partial;
    }
  }
  return ink;
}

TEST(TextObjects, LabelTextHasSmoothEdgesOnThePage) {
  PageData page = WhitePage();
  LabelRecord label;
  label.caption = "Smooth Label";
  label.effect.shadow.enabled = false;
  label.left = 10;
  label.top = 10;
  page.objects.push_back(Object(label, "Title"));
  Shown shown(page);
  const auto canvas = shown.Snapshot();
  const ObjectBounds bounds = shown.window.FindObject("Title")->Bounds();
  EXPECT_NE(bounds.width, 105);  // AutoSize fitted the caption
  EXPECT_GT(bounds.width, 80);
  const Ink ink = InkIn(*canvas, bounds);
  EXPECT_GT(ink.dark, 40);
  EXPECT_GT(ink.partial, 60) << "no intermediate coverage: the edges are not smooth";
  // Transparent by default: the page shows around the letters.
  EXPECT_EQ(canvas->At(bounds.left + bounds.width - 1, bounds.top), RGB(255, 255, 255));
}

TEST(TextObjects, ScrollTextScrollsAndFadeTextCyclesItsLines) {
  PageData page = WhitePage();
  ScrollTextRecord scroll;
  scroll.active = false;  // a loaded scroll text scrolls whatever its record says
  scroll.scrollDelay = 15;
  scroll.repeatDelay = 0;
  scroll.text = "First line\r\nSecond line";
  scroll.left = 10;
  scroll.top = 10;
  scroll.width = 180;
  scroll.height = 120;
  page.objects.push_back(Object(scroll, "Scroll"));
  FadeLabelRecord fade;
  fade.lines = "One\r\nTwo";
  fade.lineDelay = 400;
  fade.fadeDelay = 150;
  fade.font.size = 14;
  fade.left = 200;
  fade.top = 10;
  fade.width = 150;
  fade.height = 40;
  page.objects.push_back(Object(fade, "Fade"));
  Shown shown(page);
  TFxScrollText& scrollModel = shown.Find<TAuScrollText>("Scroll").model();
  TFxFadeText& fadeModel = shown.Find<TAuFadeLabel>("Fade").model();
  EXPECT_TRUE(scrollModel.Active());

  const auto before = shown.Snapshot();
  EXPECT_TRUE(WaitUntil([&] { return scrollModel.offset() > 5; }, 5s));
  const auto after = shown.Snapshot();
  int changed = 0;
  for (int y = 10; y < 130; ++y) {
    for (int x = 10; x < 190; ++x) changed += before->At(x, y) != after->At(x, y) ? 1 : 0;
  }
  EXPECT_GT(changed, 50);

  EXPECT_TRUE(WaitUntil(
      [&] { return fadeModel.currentText() == "One" && fadeModel.shownLevel() == 255; }, 5s));
  EXPECT_TRUE(WaitUntil([&] { return fadeModel.currentText() == "Two"; }, 5s));
  EXPECT_TRUE(WaitUntil(
      [&] { return fadeModel.currentText() == "One" && fadeModel.passCounter() >= 1; }, 5s));
  EXPECT_GT(InkIn(*shown.Snapshot(), shown.window.FindObject("Fade")->Bounds()).dark, 10);
}

TEST(TextObjects, LinkFadesToItsHotLookUnderThePointer) {
  PageData page = WhitePage();
  LinkRecord link;
  link.caption = "Visit us";
  link.effect.shadow.enabled = false;
  link.hotEffect.shadow.enabled = false;
  link.fadeDelay = 200;
  link.left = 20;
  link.top = 20;
  page.objects.push_back(Object(link, "Link"));
  Shown shown(page);
  TFxLinkLabel& model = shown.Find<TAuLink>("Link").model();
  shown.Snapshot();  // the first paint sizes the link
  const ObjectBounds bounds = shown.window.FindObject("Link")->Bounds();
  EXPECT_EQ(InkIn(*shown.Snapshot(), bounds).blue, 0);

  HWND surface = shown.window.surface().hwnd();
  SendMessageA(surface, WM_MOUSEMOVE, 0, MAKELPARAM(bounds.left + 5, bounds.top + 5));
  EXPECT_TRUE(model.hot());
  ASSERT_TRUE(WaitUntil([&] { return model.shownLevel() == 255; }, 5s));
  EXPECT_GT(InkIn(*shown.Snapshot(), bounds).blue, 30);
  SendMessageA(surface, WM_MOUSEMOVE, 0, MAKELPARAM(390, 290));
  ASSERT_TRUE(WaitUntil([&] { return model.shownLevel() == 0 && model.fadeState() == 0; }, 5s));
  EXPECT_EQ(InkIn(*shown.Snapshot(), bounds).blue, 0);
}

TEST(TextObjects, APaintRendersTheDirtyAreasOnlyAndTheWholePagesPicture) {
  PageData page = WhitePage();
  page.gradientStyle = 1;  // every row its own colour, so a misplaced pixel shows
  page.gradientColor = RgbColor(40, 80, 160);
  TextRecord under;  // transparent: it shows the page through
  under.text = "Under\r\nthe label";
  under.left = 10;
  under.top = 10;
  under.width = 200;
  under.height = 90;
  page.objects.push_back(Object(under, "Under"));
  LabelRecord over;  // transparent, with its shadow, across the text's lower right corner
  over.caption = "Over";
  over.left = 180;
  over.top = 85;
  page.objects.push_back(Object(over, "Over"));
  ScrollTextRecord scroll;
  scroll.text = "Scrolling\r\nlines";
  scroll.scrollDelay = 65535;  // stepped by the test
  scroll.repeatDelay = 0;
  scroll.left = 250;
  scroll.top = 150;
  scroll.width = 120;
  scroll.height = 120;
  page.objects.push_back(Object(scroll, "Scroll"));
  Shown shown(page);
  ObjectSurface& surface = shown.window.surface();
  HWND hwnd = surface.hwnd();
  WaitUntil([] { return false; }, 200ms);
  const auto paintedBy = [&](const std::function<void()>& change) {
    UpdateWindow(hwnd);
    const long long before = surface.paintCounters().pixels;
    change();
    // A text that sizes itself while painting asks for one paint more.
    for (int i = 0; i < 4 && GetUpdateRect(hwnd, nullptr, FALSE); ++i) UpdateWindow(hwnd);
    return surface.paintCounters().pixels - before;
  };

  ObjectControl& label = *shown.window.FindObject("Over");
  const ObjectBounds text = shown.window.FindObject("Under")->Bounds(), at = label.Bounds();
  ASSERT_GT(at.left + at.width, text.left + text.width);
  ASSERT_GT(at.top + at.height, text.top + text.height);
  // The label's area takes in the whole text it lies on, and nothing else.
  EXPECT_EQ(
      paintedBy([&] { surface.InvalidateControl(label); }),
      static_cast<long long>(at.left + at.width - text.left) * (at.top + at.height - text.top));
  TFxScrollText& scrollModel = shown.Find<TAuScrollText>("Scroll").model();
  EXPECT_EQ(paintedBy([&] { scrollModel.ScrollTick(), scrollModel.ScrollTick(); }), 120 * 120);
  EXPECT_GT(paintedBy([&] { label.SetObjectText("Over and above"); }), 0);
  EXPECT_EQ(PixelsDiffering(*ScreenOf(hwnd), *shown.Snapshot()), 0);

  // Hidden, a scrolling text goes on scrolling but asks for no paint.
  ObjectControl& scrollObject = *shown.window.FindObject("Scroll");
  EXPECT_EQ(paintedBy([&] {
              scrollObject.data().command.visible = false;
              scrollObject.StateChanged();
            }),
            120 * 120)
      << "the hidden text's rectangle is painted over";
  const int offset = scrollModel.offset();
  scrollModel.ScrollTick();
  EXPECT_NE(scrollModel.offset(), offset);
  EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE));
  EXPECT_EQ(PixelsDiffering(*ScreenOf(hwnd), *shown.Snapshot()), 0);
}

TEST(TextObjects, SimpleTextLooksCommentViewersAndLoadedFiles) {
  PageData page = WhitePage();
  SimpleTextRecord simple;
  simple.caption = "Hello";
  simple.transparent = false;
  simple.backColor = RgbColor(200, 200, 200);
  simple.hotBackColor = RgbColor(0, 0, 255);
  simple.mouseDownBackColor = RgbColor(255, 0, 0);
  simple.left = 10;
  simple.top = 100;
  simple.width = 120;
  simple.height = 20;
  ObjectData simpleObject = Object(simple, "Simple");
  simpleObject.command.commentViewer = "Viewer";
  simpleObject.command.comment = "About Hello";
  page.objects.push_back(simpleObject);
  TextRecord text;
  text.text = "Own text";
  text.left = 200;
  text.top = 100;
  page.objects.push_back(Object(text, "Viewer"));
  Shown shown(page);
  TAuSimpleText& look = shown.Find<TAuSimpleText>("Simple");
  ObjectControl& viewer = *shown.window.FindObject("Viewer");
  HWND surface = shown.window.surface().hwnd();
  const LPARAM over = MAKELPARAM(12, 102);
  EXPECT_EQ(shown.Snapshot()->At(12, 102), RGB(200, 200, 200));

  SendMessageA(surface, WM_MOUSEMOVE, 0, over);
  EXPECT_EQ(look.drawnColor(), simple.hotBackColor);
  EXPECT_EQ(shown.Snapshot()->At(12, 102), RGB(0, 0, 255));
  EXPECT_EQ(viewer.ObjectText(), "About Hello");
  SendMessageA(surface, WM_LBUTTONDOWN, MK_LBUTTON, over);
  EXPECT_EQ(look.drawnColor(), simple.mouseDownBackColor);
  SendMessageA(surface, WM_LBUTTONUP, 0, over);
  EXPECT_EQ(look.drawnColor(), simple.hotBackColor);
  SendMessageA(surface, WM_MOUSEMOVE, 0, MAKELPARAM(390, 290));
  EXPECT_EQ(look.drawnColor(), simple.backColor);
  EXPECT_EQ(viewer.ObjectText(), "Own text");

  // Checked: the pressed look, whatever the pointer does.
  look.SetChecked(true);
  SendMessageA(surface, WM_MOUSEMOVE, 0, over);
  SendMessageA(surface, WM_MOUSEMOVE, 0, MAKELPARAM(390, 290));
  EXPECT_EQ(look.drawnColor(), simple.mouseDownBackColor);

  const std::string folder = testing_support::MakeTempFolder("plexara-text");
  const std::string path = folder + "\\lines.txt";
  FILE* file = std::fopen(path.c_str(), "wb");
  ASSERT_NE(file, nullptr);
  std::fputs("Line one\r\nLine two\r\n", file);
  std::fclose(file);
  EXPECT_TRUE(viewer.LoadTextFile(path));
  EXPECT_EQ(viewer.ObjectText(), "Line one\r\nLine two");
  EXPECT_EQ(shown.Find<TAuText>("Viewer").model().Text().Lines().size(), 2u);
  EXPECT_TRUE(look.LoadTextFile(path));
  EXPECT_EQ(look.ObjectText(), "Line one\r\nLine two\r\n");
  EXPECT_FALSE(look.LoadTextFile(folder + "\\missing.txt"));
  EXPECT_EQ(look.ObjectText(), "Line one\r\nLine two\r\n");
  testing_support::RemoveTree(folder);
}

}  // namespace
}  // namespace plexara
