#include "editor/editor_icons_win32.h"

#include <gtest/gtest.h>

#include <vector>

#include "editor/palette.h"
#include "platform/window_win32.h"
#include "support/automation_win32.h"

namespace plexara {
namespace {

using testing_support::SaveWindowScreenshot;

int ImageCount(HIMAGELIST list) { return list == nullptr ? -1 : ImageList_GetImageCount(list); }

int IconSize(HIMAGELIST list) {
  int width = 0, height = 0;
  ImageList_GetIconSize(list, &width, &height);
  return width == height ? width : -1;
}

TEST(EditorIcons, ListsHoldOneImageOfTheRightSizePerEntry) {
  const int paletteCount = static_cast<int>(PaletteSlots().size());
  struct Case {
    HIMAGELIST list;
    int count;
    int size;
  };
  const Case cases[] = {{PaletteImages(16), paletteCount, 16}, {PaletteImages(24), paletteCount, 24},
                        {ToolBarImages(16), kToolBarIconCount, 16}, {ToolBarImages(24), kToolBarIconCount, 24},
                        {PageKindImages(), kPageKindIconCount, 16}, {ObjectKindImages(), 28, 16}};
  for (const Case& c : cases) {
    EXPECT_EQ(ImageCount(c.list), c.count);
    EXPECT_EQ(IconSize(c.list), c.size);
  }
  EXPECT_EQ(PaletteImages(24), PaletteImages(24));  // made once, shared
  EXPECT_EQ(PaletteImageIndex(paletteCount - 1), paletteCount - 1);
  EXPECT_EQ(PaletteImageIndex(paletteCount), -1);
  EXPECT_EQ(ObjectKindImage(19, false), 19);
  EXPECT_EQ(ObjectKindImage(19, true), kHiddenObjectImage);
  EXPECT_EQ(ObjectKindImage(27, false), -1);
}

// A drawing is a shape on a clear background, not a filled square, and no two icons are alike.
TEST(EditorIcons, EveryIconIsADistinctShapeOnAClearBackground) {
  std::vector<std::pair<std::string, Bitmap>> icons;
  for (int kind = -1; kind <= kHiddenObjectImage; ++kind) icons.emplace_back("kind " + std::to_string(kind), DrawObjectKindIcon(kind, 24));
  for (int i = 0; i < kToolBarIconCount; ++i) icons.emplace_back("tool " + std::to_string(i), DrawToolBarIcon(static_cast<ToolBarIcon>(i), 24));
  for (int i = 0; i < kPageKindIconCount; ++i) icons.emplace_back("page " + std::to_string(i), DrawPageKindIcon(i, 24));
  for (const auto& [name, icon] : icons) {
    ASSERT_EQ(icon.width(), 24) << name;
    int opaque = 0, clear = 0, partial = 0;
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 24; ++x) {
        const int a = icon.at(x, y).a;
        opaque += a == 255, clear += a == 0, partial += a > 0 && a < 255;
      }
    }
    EXPECT_GT(opaque, 24) << name;
    EXPECT_GT(clear + partial, 24) << name << ": not a filled square";
  }
  for (std::size_t i = 0; i < icons.size(); ++i) {
    for (std::size_t j = i + 1; j < icons.size(); ++j) EXPECT_FALSE(icons[i].second == icons[j].second) << icons[i].first << " = " << icons[j].first;
  }
}

// Every list drawn through the image list itself, on the face colour the bars use, for people to
// look at.
class IconSheet final : public win32::Window {
 protected:
  void Paint(HDC dc, const RECT& client) override {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    const HIMAGELIST rows[] = {PaletteImages(24), PaletteImages(16), ToolBarImages(24), ToolBarImages(16),
                               ObjectKindImages(), PageKindImages()};
    int y = 8;
    for (HIMAGELIST list : rows) {
      const int size = IconSize(list);
      for (int i = 0; i < ImageCount(list); ++i) ImageList_Draw(list, i, dc, 8 + i * (size + 8), y, ILD_NORMAL);
      y += size + 12;
    }
  }
};

TEST(EditorIcons, SheetScreenshot) {
  IconSheet sheet;
  win32::Window::CreateArgs args;
  args.className = "PlexaraIconSheet";
  args.title = "Editor icons";
  args.style = WS_POPUP | WS_BORDER;
  args.x = 0;
  args.y = 0;
  args.width = 8 + 28 * 32 + 8;
  args.height = 180;
  ASSERT_TRUE(sheet.Create(args));
  ShowWindow(sheet.hwnd(), SW_SHOWNOACTIVATE);
  RedrawWindow(sheet.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  GdiFlush();
  EXPECT_TRUE(SaveWindowScreenshot(sheet.hwnd(), "editor_icons"));
}

}  // namespace
}  // namespace plexara
