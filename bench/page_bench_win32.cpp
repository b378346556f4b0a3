// Paint cost of a shown page under Wine, measured inside this process, which hosts the page window
// itself: an empty 1024 × 768 gradient page against the same page with four animated text objects
// (a scroll text, a fading label, a blurred label with a shadow and a link whose hot look the
// pointer fades in and out). For each page:
//   - CPU time of the process per second of wall time, and paints of the object surface per
//     second, over a timed run;
//   - then, in a second run that is not timed, the pixels the surface painted per second, the
//     pixels the system asked it to repaint, and the pixels that really changed on the screen
//     between one paint and the next.
// The pages are built in code and go through the page writer and reader, as a page file would.
//
//   plexara-page-bench [SECONDS]   seconds of the timed run of each page (default 10)
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "objects/text_controls_win32.h"
#include "player/page_window_win32.h"
#include "storage/byte_stream.h"
#include "storage/page_file.h"
#include "storage/text_records.h"

namespace plexara {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPageWidth = 1024;
constexpr int kPageHeight = 768;
constexpr auto kHoverPeriod = std::chrono::milliseconds(1200);
constexpr auto kChangeRun = std::chrono::seconds(3);

ObjectData Object(KindRecord record, const char* name) {
  ObjectData object;
  object.record = std::move(record);
  object.command.name = name;
  return object;
}

PageData GradientPage() {
  PageData page;
  page.caption = "Paint bench";
  page.pageKind = static_cast<std::uint8_t>(PageKind::SubPage);
  page.borderStyle = 0;  // no frame: the window is its client area
  page.position = 0;
  page.left = 0;
  page.top = 0;
  page.width = kPageWidth;
  page.height = kPageHeight;
  page.backColor = RgbColor(30, 60, 140);
  page.gradientColor = RgbColor(200, 220, 250);
  page.gradientStyle = 1;  // top to bottom
  page.fadeIn = page.fadeOut = false;
  return page;
}

void AddAnimatedText(PageData& page) {
  ScrollTextRecord scroll;
  scroll.text =
      "Paint bench\r\n\r\nA scrolling text\r\nwith faded edges\r\nand many lines\r\n"
      "one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\nseven\r\neight\r\nnine\r\nten";
  scroll.font.size = 14;
  scroll.font.color = RgbColor(20, 40, 120);
  scroll.effect.shadow.enabled = false;
  scroll.backColor = RgbColor(245, 248, 255);
  scroll.fadeHeight = 14;
  scroll.scrollDelay = 40;
  scroll.left = 40;
  scroll.top = 120;
  scroll.width = 300;
  scroll.height = 400;
  page.objects.push_back(Object(scroll, "Scroll"));

  FadeLabelRecord fade;
  fade.lines = "Welcome!\r\nInstall the software\r\nBrowse the disc\r\nRead the details";
  fade.font.size = 20;
  fade.font.style = kFontBold;
  fade.font.color = kColorWhite;
  fade.transparent = true;
  fade.lineDelay = 2500;
  fade.left = 420;
  fade.top = 120;
  fade.width = 420;
  fade.height = 50;
  page.objects.push_back(Object(fade, "Fade"));

  LabelRecord label;
  label.caption = "Blurred label with a shadow";
  label.font.size = 26;
  label.font.style = kFontBold;
  label.font.color = RgbColor(255, 240, 200);
  label.effect.blur = 30;
  label.effect.shadow.enabled = true;
  label.left = 420;
  label.top = 260;
  page.objects.push_back(Object(label, "Label"));

  LinkRecord link;
  link.caption = "Hover over this link";
  link.font.size = 18;
  link.font.color = kColorWhite;
  link.fontColor = RgbColor(255, 230, 0);
  link.underLine = true;
  link.left = 420;
  link.top = 420;
  page.objects.push_back(Object(link, "Link"));
}

// The page as a page file holds it: written and read back.
PageData ThroughTheWriter(const PageData& page) {
  MemoryOutStream out;
  PageData read;
  if (!WritePage(out, page)) return read;
  MemoryInStream in(out.bytes());
  if (!ReadPage(in, read)) return PageData{};
  return read;
}

double ProcessCpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto seconds = [](const FILETIME& t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

long long RegionArea(HRGN region) {
  const DWORD size = GetRegionData(region, 0, nullptr);
  if (size == 0) return 0;
  std::vector<unsigned char> bytes(size);
  auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
  if (GetRegionData(region, size, data) == 0) return 0;
  const RECT* rects = reinterpret_cast<const RECT*>(data->Buffer);
  long long area = 0;
  for (DWORD i = 0; i < data->rdh.nCount; ++i)
    area += static_cast<long long>(rects[i].right - rects[i].left) * (rects[i].bottom - rects[i].top);
  return area;
}

// The screen pixels of a window's client area, for comparing one paint with the next.
class ScreenGrab {
 public:
  ScreenGrab(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    old_ = SelectObject(dc_, bitmap_);
    previous_.assign(static_cast<std::size_t>(width) * height, 0);
  }
  ~ScreenGrab() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  // Takes the window's pixels and returns how many differ from the last grab.
  long long Changed(HWND window) {
    HDC screen = GetDC(window);
    BitBlt(dc_, 0, 0, width_, height_, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
    GdiFlush();
    long long changed = 0;
    const std::size_t count = previous_.size();
    for (std::size_t i = 0; i < count; ++i) {
      const std::uint32_t pixel = bits_[i] & 0xFFFFFFu;
      if (pixel != previous_[i]) ++changed;
      previous_[i] = pixel;
    }
    return changed;
  }

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  std::vector<std::uint32_t> previous_;
};

struct Figures {
  double cpuPercent = 0;
  double paintsPerSecond = 0;
  double askedPerSecond = 0;    // pixels in the update regions the system handed the surface
  double paintedPerSecond = 0;  // pixels the surface copied to the screen
  double changedPerSecond = 0;  // pixels that differ from one paint to the next
  int hoverChanges = 0;         // how often the link's hot look switched (the pointer drove it)
};

struct Counters {
  long long paints = 0;
  long long asked = 0;
  long long changed = 0;
  int hoverChanges = 0;
};

class PageRun {
 public:
  explicit PageRun(PageData page) {
    context_.layeredWindows = false;
    window_.SetActionRunner([](TAutoRunForm&, const TCommand&) {});
    window_.SetPage(ThroughTheWriter(page));
    window_.CreatePageWindow(nullptr, false);
    window_.ShowPage();
    surface_ = window_.surface().hwnd();
    link_ = dynamic_cast<TAuLink*>(window_.FindObject("Link"));
    // The pointer alternates between the link (or where it would be) and the empty page.
    over_ = POINT{430, 430};
    away_ = POINT{900, 700};
    ClientToScreen(surface_, &over_);
    ClientToScreen(surface_, &away_);
    SetCursorPos(away_.x, away_.y);
    Pump(Clock::now() + std::chrono::milliseconds(500), nullptr, nullptr);  // the first paints, loading
  }

  Figures Measure(std::chrono::seconds timed) {
    Figures figures;
    Counters counters;
    const double cpuStart = ProcessCpuSeconds();
    const auto start = Clock::now();
    Pump(start + timed, &counters, nullptr);
    const double wall = std::chrono::duration<double>(Clock::now() - start).count();
    figures.cpuPercent = 100.0 * (ProcessCpuSeconds() - cpuStart) / wall;
    figures.paintsPerSecond = counters.paints / wall;
    figures.hoverChanges = counters.hoverChanges;

    RECT client;
    GetClientRect(surface_, &client);
    ScreenGrab grab(client.right, client.bottom);
    grab.Changed(surface_);
    Counters change;
    const long long paintedBefore = window_.surface().paintCounters().pixels;
    const auto changeStart = Clock::now();
    Pump(changeStart + kChangeRun, &change, &grab);
    const double changeWall = std::chrono::duration<double>(Clock::now() - changeStart).count();
    figures.askedPerSecond = change.asked / changeWall;
    figures.changedPerSecond = change.changed / changeWall;
    figures.paintedPerSecond =
        (window_.surface().paintCounters().pixels - paintedBefore) / changeWall;
    return figures;
  }

 private:
  void Pump(Clock::time_point until, Counters* counters, ScreenGrab* grab) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    bool hot = link_ != nullptr && link_->model().hot();
    auto nextMove = Clock::now() + kHoverPeriod;
    bool pointerOver = false;
    for (;;) {
      const auto now = Clock::now();
      if (now >= until) break;
      if (now >= nextMove) {
        pointerOver = !pointerOver;
        const POINT to = pointerOver ? over_ : away_;
        SetCursorPos(to.x, to.y);
        nextMove = now + kHoverPeriod;
      }
      const auto wait = std::min(until, nextMove) - now;
      MsgWaitForMultipleObjects(0, nullptr, FALSE,
                                static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(wait).count()) + 1,
                                QS_ALLINPUT);
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        const bool surfacePaint = msg.message == WM_PAINT && msg.hwnd == surface_;
        if (surfacePaint && counters) {
          GetUpdateRgn(surface_, region, FALSE);
          counters->asked += RegionArea(region);
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        if (surfacePaint && counters) {
          ++counters->paints;
          if (grab) counters->changed += grab->Changed(surface_);
        }
      }
      if (link_ != nullptr && link_->model().hot() != hot) {
        hot = !hot;
        if (counters) ++counters->hoverChanges;
      }
    }
    DeleteObject(region);
  }

  StartupContext context_;
  TAutoRunForm window_{context_};
  HWND surface_ = nullptr;
  TAuLink* link_ = nullptr;
  POINT over_{}, away_{};
};

void Print(const char* name, const Figures& f) {
  std::printf("  %-14s CPU %5.1f %% of one core   paints/s %6.1f   pixels/s painted %10.0f  asked %10.0f  changed %9.0f\n",
              name, f.cpuPercent, f.paintsPerSecond, f.paintedPerSecond, f.askedPerSecond, f.changedPerSecond);
}

}  // namespace
}  // namespace plexara

int main(int argc, char** argv) {
  using namespace plexara;
  const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  Figures empty, animated;
  {
    PageRun run(GradientPage());
    empty = run.Measure(std::chrono::seconds(seconds));
  }
  {
    PageData page = GradientPage();
    AddAnimatedText(page);
    PageRun run(page);
    animated = run.Measure(std::chrono::seconds(seconds));
  }
  std::printf("page: %d s each under Wine, %d x %d gradient page, pixels over a further %d s\n", seconds, kPageWidth,
              kPageHeight, static_cast<int>(kChangeRun.count()));
  Print("empty page", empty);
  Print("animated text", animated);
  std::printf("  the link's hot look switched %d times; aim: the animated page at most 5 %% of one core,\n"
              "  and no more pixels painted than asked for (the rectangles of the objects that changed)\n",
              animated.hoverChanges);
  return animated.hoverChanges > 0 ? 0 : 1;
}
