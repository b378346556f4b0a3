// The editor's design surface under Wine, measured inside this process, which hosts the editor's
// main window on a generated project of two pages, each with 200 objects of drawn and windowed
// kinds (shapes, labels, texts, simple texts, buttons, edits, check boxes, radio buttons):
//   - one RefreshDesignSurface while a selected object is being dragged (median of many), against
//     the player's own full paint of the same page in a shown page window (median of as many);
//   - SwitchToPage from one page to the other (median);
//   - ShowProperties for the page and for a Button (the longest row table yet), painted, against
//     filling and painting a plain list box with the same number of rows (medians).
//
//   plexara-editor-bench [ROUNDS]   refreshes and paints timed (default 30)
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "editor/main_form_win32.h"
#include "objects/new_object.h"
#include "objects/object_bounds.h"
#include "storage/page_file.h"
#include "storage/project_file.h"
#include "storage/startup_context.h"

namespace plexara {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kObjects = 200;
constexpr int kColumns = 20;

PageData GeneratedPage(const char* name, PageKind kind) {
  PageData page;
  page.pageName = name;
  page.caption = name;
  page.pageKind = static_cast<std::uint8_t>(kind);
  page.position = 0;
  page.width = 1000;
  page.height = 720;
  page.fadeIn = page.fadeOut = false;
  std::vector<int> kinds = {19, 3, 6, 17, 0, 14, 16, 15};
  if (const char* only = std::getenv("PLEXARA_BENCH_KIND")) kinds = {std::atoi(only)};
  for (int i = 0; i < kObjects; ++i) {
    const int objectKind = kinds[static_cast<std::size_t>(i) % kinds.size()];
    page.objects.push_back(NewPageObject(page, objectKind, 8 + (i % kColumns) * 48, 8 + (i / kColumns) * 64));
    ObjectBounds bounds = BoundsOf(page.objects.back().record);
    bounds.width = 44;
    bounds.height = 40;
    SetBounds(page.objects.back().record, bounds);
  }
  return page;
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0.0 : values[values.size() / 2];
}

template <typename F>
double MillisecondsOf(F&& work) {
  const auto start = Clock::now();
  work();
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

int Fail(const char* why) {
  std::printf("editor: %s\n", why);
  return 1;
}

int Run(int rounds) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string editorFolder = std::string(temp) + "plexara-editor-bench";
  const std::string project = editorFolder + "\\Disc";
  CreateDirectoryA(editorFolder.c_str(), nullptr);
  CreateDirectoryA(project.c_str(), nullptr);
  CreateDirectoryA((project + "\\AutoRunSource").c_str(), nullptr);
  const PageData first = GeneratedPage("First", PageKind::MainPage);
  const PageData second = GeneratedPage("Second", PageKind::SubPage);
  ProjectData data;
  for (const PageData* page : {&first, &second}) {
    if (!SavePageFile(PageFilePath(project, page->pageName), *page)) return Fail("cannot write the pages");
    data.pages.push_back({.name = page->pageName, .kind = page->pageKind});
  }
  if (!SaveProjectFile(ProjectFilePath(project), data)) return Fail("cannot write the project file");

  // The player's paint: the same page shown in a page window of its own.
  StartupContext playerContext;
  playerContext.layeredWindows = false;
  TAutoRunForm player(playerContext);
  player.SetPage(first);
  if (!player.CreatePageWindow(nullptr, false)) return Fail("no page window");
  player.ShowPage();
  Pump();
  std::vector<double> playerTimes;
  for (int i = 0; i < rounds; ++i) {
    playerTimes.push_back(MillisecondsOf([&] {
      RedrawWindow(player.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }));
  }
  // The drawn part alone: background and drawn objects, as the surface renders them.
  RECT surfaceRect{};
  GetClientRect(player.surface().hwnd(), &surfaceRect);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, surfaceRect.right, surfaceRect.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  std::vector<double> drawnTimes;
  for (int i = 0; i < rounds; ++i) {
    drawnTimes.push_back(MillisecondsOf([&] { player.surface().PaintAll(memory, surfaceRect); }));
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  DestroyWindow(player.hwnd());
  Pump();

  // The editor on the same project.
  StartupContext& context = Context();
  context.editorMode = true;
  context.exeFolder = editorFolder;
  context.editorTempFolder = editorFolder + "\\Temp";
  context.projectRoot = project;
  context.executablePath.clear();  // no version: What's New stays away
  TMainForm form(context);
  if (!form.FormCreate(nullptr)) return Fail("no main window");
  for (int i = 0; i < 2000 && form.document().starting; ++i) {
    Pump();
    Sleep(1);
  }
  if (form.document().starting || !form.workingPage()) return Fail("the editor did not open the project");
  Pump();

  // A drag: the selected object moves one grid step each round, then the surface is refreshed.
  TAutoRunForm& page = *form.workingPage();
  page.page().objects[0].selected = true;
  std::vector<double> refreshTimes;
  for (int i = 0; i < rounds; ++i) {
    ObjectData& object = page.page().objects[0];
    ObjectBounds bounds = BoundsOf(object.record);
    bounds.left = 8 + (i % 10) * 8;
    SetBounds(object.record, bounds);
    page.ObjectBoundsChanged(*page.Controls()[0]);
    refreshTimes.push_back(MillisecondsOf([&] { form.designWindow().RefreshDesignSurface(); }));
  }

  HWND tabs = FindWindowExA(form.hwnd(), nullptr, WC_TABCONTROLA, nullptr);
  std::vector<double> switchTimes;
  for (int i = 0; i < 10; ++i) {
    TabCtrl_SetCurSel(tabs, (i + 1) % 2);
    switchTimes.push_back(MillisecondsOf([&] { form.SwitchToPage(); }));
    Pump();
  }

  // The property grid: the page (selector entry 0) and a Button (objects[4] is one).
  HWND selector = FindWindowExA(form.hwnd(), nullptr, WC_COMBOBOXA, nullptr);
  auto choose = [&](int index) {
    SendMessageA(selector, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(form.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(selector), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(selector));
    Pump();
  };
  ValueEdit& grid = form.propertyGrid();
  RECT gridRect{};
  GetWindowRect(grid.hwnd(), &gridRect);
  HWND list = CreateWindowExA(0, "LISTBOX", "", WS_POPUP | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, gridRect.left,
                              gridRect.top, gridRect.right - gridRect.left, gridRect.bottom - gridRect.top, form.hwnd(),
                              nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(list, WM_SETFONT, SendMessageA(grid.hwnd(), WM_GETFONT, 0, 0), FALSE);
  struct GridCase {
    const char* what;
    int index;
    double gridMs = 0, listMs = 0;
    int rows = 0;
  } gridCases[] = {{"the page", 0}, {"a Button", 5}};
  for (GridCase& c : gridCases) {
    choose(c.index);
    c.rows = grid.RowCount() - 1;
    std::vector<double> gridTimes, listTimes;
    for (int i = 0; i < rounds; ++i) {
      gridTimes.push_back(MillisecondsOf([&] {
        form.ShowProperties();
        UpdateWindow(grid.hwnd());
      }));
      listTimes.push_back(MillisecondsOf([&] {
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        for (int row = 1; row <= c.rows; ++row) {
          const std::string text = grid.Key(row) + "\t" + grid.Value(row);
          SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
        UpdateWindow(list);
      }));
    }
    c.gridMs = Median(gridTimes);
    c.listMs = Median(listTimes);
  }
  DestroyWindow(list);

  const double playerMs = Median(playerTimes), drawnMs = Median(drawnTimes), refreshMs = Median(refreshTimes);
  std::printf("editor: %d objects, %d rounds\n", kObjects, rounds);
  std::printf("  RefreshDesignSurface during a drag   %.2f ms (median; aim: under 16 ms)\n", refreshMs);
  std::printf("  player's full paint of the page      %.2f ms (median; the system paints every child)\n",
              playerMs);
  std::printf("  player's paint of the drawn content  %.2f ms (median; background and drawn objects)\n",
              drawnMs);
  std::printf("  ratio to the full paint              %.2f (aim: at most 1.3)\n",
              playerMs > 0 ? refreshMs / playerMs : 0.0);
  std::printf("  ratio to the drawn content           %.2f\n", drawnMs > 0 ? refreshMs / drawnMs : 0.0);
  std::printf("  SwitchToPage between the two pages  %.2f ms (median of %zu)\n", Median(switchTimes),
              switchTimes.size());
  for (const GridCase& c : gridCases) {
    std::printf("  ShowProperties for %-10s %2d rows %.2f ms, list box %.2f ms, ratio %.2f (aim: at most 3)\n", c.what,
                c.rows, c.gridMs, c.listMs, c.listMs > 0 ? c.gridMs / c.listMs : 0.0);
  }
  DestroyWindow(form.hwnd());
  return 0;
}

}  // namespace
}  // namespace plexara

int main(int argc, char** argv) {
  const int rounds = argc > 1 ? std::max(10, std::atoi(argv[1])) : 30;
  return plexara::Run(rounds);
}
