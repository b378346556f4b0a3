#include "editor/editor_icons_win32.h"

#include <cstring>
#include <map>
#include <vector>

#include "editor/icon_drawings_win32.h"
#include "editor/palette.h"
#include "platform/gdi_objects_win32.h"
#include "storage/kind_table.h"

namespace plexara {
namespace {

constexpr int kSmallIcon = 16;

Bitmap Draw(IconDrawing drawing, int size) {
  IconPainter painter(size);
  drawing(painter);
  return painter.Finish();
}

// An image list of the drawings side by side; 32-bit with alpha, so edges blend with whatever the
// control paints behind them.
HIMAGELIST MakeList(const std::vector<IconDrawing>& drawings, int size) {
  HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32, static_cast<int>(drawings.size()), 0);
  if (list == nullptr) return nullptr;
  const int count = static_cast<int>(drawings.size());
  Bitmap strip(size * count, size);
  for (int i = 0; i < count; ++i) {
    const Bitmap icon = Draw(drawings[i], size);
    for (int y = 0; y < size; ++y) std::memcpy(&strip.at(i * size, y), icon.row(y), sizeof(Bgra) * size);
  }
  const BITMAPINFO info = TopDownBitmapInfo(strip.width(), strip.height());
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || bits == nullptr) {
    ImageList_Destroy(list);
    return nullptr;
  }
  std::memcpy(bits, strip.data(), sizeof(Bgra) * strip.width() * strip.height());
  ImageList_Add(list, bitmap.get(), nullptr);
  return list;
}

// Lists live as long as the process: every tool bar, tab control and selector shares them.
HIMAGELIST Cached(std::map<int, HIMAGELIST>& cache, int size, const std::vector<IconDrawing>& drawings) {
  auto found = cache.find(size);
  if (found != cache.end()) return found->second;
  HIMAGELIST list = size > 0 ? MakeList(drawings, size) : nullptr;
  if (list != nullptr) cache[size] = list;
  return list;
}

std::vector<IconDrawing> PaletteDrawings() {
  std::vector<IconDrawing> drawings;
  for (const PaletteSlot& slot : PaletteSlots()) {
    drawings.push_back(slot.kind == kSelectTool ? SelectToolDrawing() : ObjectKindDrawings()[slot.kind]);
  }
  return drawings;
}

template <typename Span>
std::vector<IconDrawing> AsVector(Span span) {
  return std::vector<IconDrawing>(span.begin(), span.end());
}

}  // namespace

HIMAGELIST PaletteImages(int size) {
  static std::map<int, HIMAGELIST> cache;
  return Cached(cache, size, PaletteDrawings());
}

int PaletteImageIndex(int paletteSlot) {
  return paletteSlot >= 0 && paletteSlot < static_cast<int>(PaletteSlots().size()) ? paletteSlot : -1;
}

HIMAGELIST ToolBarImages(int size) {
  static std::map<int, HIMAGELIST> cache;
  return Cached(cache, size, AsVector(ToolBarDrawings()));
}

HIMAGELIST PageKindImages() {
  static std::map<int, HIMAGELIST> cache;
  return Cached(cache, kSmallIcon, AsVector(PageKindDrawings()));
}

HIMAGELIST ObjectKindImages() {
  static std::map<int, HIMAGELIST> cache;
  return Cached(cache, kSmallIcon, AsVector(ObjectKindDrawings()));
}

int ObjectKindImage(int kind, bool hidden) {
  if (FindKind(kind) == nullptr) return -1;
  return hidden ? kHiddenObjectImage : kind;
}

Bitmap DrawObjectKindIcon(int kind, int size) {
  if (kind == kSelectTool) return Draw(SelectToolDrawing(), size);
  if (kind < 0 || kind > kHiddenObjectImage) return {};
  return Draw(ObjectKindDrawings()[kind], size);
}

Bitmap DrawToolBarIcon(ToolBarIcon icon, int size) {
  const int index = static_cast<int>(icon);
  if (index < 0 || index >= kToolBarIconCount) return {};
  return Draw(ToolBarDrawings()[index], size);
}

Bitmap DrawPageKindIcon(int pageKind, int size) {
  if (pageKind < 0 || pageKind >= kPageKindIconCount) return {};
  return Draw(PageKindDrawings()[pageKind], size);
}

}  // namespace plexara
