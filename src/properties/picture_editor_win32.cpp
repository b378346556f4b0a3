#include "properties/picture_editor_win32.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <optional>
#include <vector>

#include "platform/file_system_win32.h"
#include "platform/gdi_objects_win32.h"
#include "platform/modal_dialog_win32.h"
#include "platform/picture_draw_win32.h"
#include "platform/shell_seam.h"
#include "properties/file_dialog_win32.h"
#include "properties/file_filters.h"
#include "properties/value_formats.h"
#include "storage/byte_stream.h"
#include "storage/error_report.h"
#include "storage/file_io.h"
#include "storage/primitives.h"

namespace plexara {
namespace {

enum : int { kPreview = 301, kKindLabel, kLoad, kSaveAs, kClear };
constexpr int kSquare = 8;  // side of one checkerboard square, in pixels
constexpr COLORREF kSilver = RGB(192, 192, 192);
// How often OK writes the picture to memory and reads it back before accepting it.
constexpr int kRoundTrips = 3;

// Writes the picture to memory and reads it back, as saving and opening the project will; the
// picture read back, or nothing when either way fails.
std::optional<Picture> RoundTrip(const Picture& picture) {
  MemoryOutStream out;
  if (!WritePicture(out, picture)) return std::nullopt;
  MemoryInStream in(out.bytes());
  Picture back;
  if (!ReadPicture(in, back)) return std::nullopt;
  return back;
}

// A metafile's bytes are either an enhanced metafile (" EMF" in its header record) or a Windows
// metafile; each is saved under its own extension.
bool IsEnhancedMetafile(const std::vector<std::uint8_t>& bytes) {
  return bytes.size() >= 44 && bytes[40] == ' ' && bytes[41] == 'E' && bytes[42] == 'M' &&
         bytes[43] == 'F';
}

class PictureEditor final : public win32::ModalDialog {
 public:
  PictureEditor(const Picture& given, bool iconMode) : picture_(given), iconMode_(iconMode) {}
  const Picture& picture() const { return picture_; }

 private:
  bool OnInit() override {
    PictureChanged();
    return true;
  }

  void PictureChanged() {
    std::string label = "[None]";
    if (!picture_.empty()) {
      label = std::string(PictureKindName(picture_)) + "  [" + std::to_string(picture_.width()) +
              " X " + std::to_string(picture_.height()) + "]";
    }
    SetItemText(kKindLabel, label);
    EnableWindow(Item(kSaveAs), !picture_.empty());
    EnableWindow(Item(kClear), !picture_.empty());
    InvalidateRect(Item(kPreview), nullptr, FALSE);
  }

  bool OnCommand(int id, int code) override {
    if (code != BN_CLICKED) return false;
    switch (id) {
      case kLoad:
        Load();
        return true;
      case kSaveAs:
        SaveAs();
        return true;
      case kClear:
        picture_.Clear();
        PictureChanged();
        return true;
      case IDOK:
        Accept();
        return true;
      default:
        return false;
    }
  }

  void Inform(std::string_view text) const {
    ShowInformationBox(CurrentMessageBoxes(), text, kCaptionInformation, hwnd());
  }

  void Load() {
    const std::string name =
        AskOpenFileName(hwnd(), {.filter = iconMode_ ? kIconFilter : PictureFileFilter()});
    if (name.empty()) return;
    Result<Picture> loaded = LoadPictureFile(name);
    if (!loaded) {
      Inform(loaded.error().message);
      return;
    }
    picture_ = std::move(loaded).value();
    PictureChanged();
  }

  void SaveAs() const {
    if (picture_.empty()) return;
    const SaveFilter format = PictureSaveFilter(PictureKindName(picture_));
    const bool windowsMetafile = picture_.graphicClass() == GraphicClass::Metafile &&
                                 !IsEnhancedMetafile(picture_.payload());
    const std::string name = AskSaveFileName(
        hwnd(), {.filter = format.filter,
                 .filterIndex = windowsMetafile ? 2 : 1,  // the metafile filter lists EMF, then WMF
                 .defaultExtension = windowsMetafile ? std::string_view("wmf") : format.extension});
    if (name.empty()) return;
    const Result<void> saved = ReplaceFileContents(name, picture_.payload());
    if (!saved) Inform(saved.error().message);
  }

  void Accept() {
    if (!picture_.empty()) {
      Picture checked = picture_;
      for (int i = 0; i < kRoundTrips; ++i) {
        std::optional<Picture> back = RoundTrip(checked);
        if (!back || back->empty()) {
          Inform("The image data is invalid.");
          return;
        }
        checked = std::move(*back);
      }
      if (iconMode_ && checked.graphicClass() != GraphicClass::Icon) {
        Inform("The image is not an icon.");
        return;
      }
      picture_ = std::move(checked);
    }
    End(IDOK);
  }

  bool OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) override {
    if (message != WM_DRAWITEM) return false;
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.CtlID != kPreview) return false;
    DrawPreview(item);
    result = TRUE;
    return true;
  }

  // Painted whole into a back buffer and copied in one go, so a repaint never shows the board
  // without its picture.
  void DrawPreview(const DRAWITEMSTRUCT& item) {
    const int width = item.rcItem.right - item.rcItem.left,
              height = item.rcItem.bottom - item.rcItem.top;
    if (width <= 0 || height <= 0 || !canvas_.Resize(width, height)) return;
    HDC dc = canvas_.dc();
    const RECT all{0, 0, width, height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const GdiObject<HBRUSH> silver(CreateSolidBrush(kSilver));
    for (int y = 0; y < height; y += kSquare) {
      for (int x = ((y / kSquare) % 2 == 0) ? kSquare : 0; x < width; x += 2 * kSquare) {
        const RECT square{x, y, x + kSquare, y + kSquare};
        FillRect(dc, &square, silver.get());
      }
    }
    if (!picture_.empty()) {
      const RECT place = PreviewPlace(picture_.width(), picture_.height(), width, height);
      if (place.right - place.left == picture_.width() &&
          place.bottom - place.top == picture_.height()) {
        DrawPicture(dc, picture_, place.left, place.top);
      } else {
        DrawPictureStretched(dc, picture_, place);
      }
    }
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, width, height, dc, 0, 0, SRCCOPY);
  }

  Picture picture_;
  bool iconMode_;
  MemoryCanvas canvas_;
};

win32::DialogTemplate Layout() {
  win32::DialogTemplate layout("Image Editor", 300, 196);
  layout.Add("STATIC", "", kPreview, 7, 7, 224, 168, SS_OWNERDRAW | WS_BORDER);
  layout.Add("STATIC", "", kKindLabel, 7, 180, 224, 9, SS_LEFT | SS_NOPREFIX);
  layout.Add("BUTTON", "&Load...", kLoad, 239, 7, 54, 15, WS_TABSTOP | BS_PUSHBUTTON);
  layout.Add("BUTTON", "&Save As...", kSaveAs, 239, 26, 54, 15, WS_TABSTOP | BS_PUSHBUTTON);
  layout.Add("BUTTON", "&Clear", kClear, 239, 45, 54, 15, WS_TABSTOP | BS_PUSHBUTTON);
  layout.Add("BUTTON", "&OK", IDOK, 239, 155, 54, 15, WS_TABSTOP | BS_DEFPUSHBUTTON);
  layout.Add("BUTTON", "Cancel", IDCANCEL, 239, 174, 54, 15, WS_TABSTOP | BS_PUSHBUTTON);
  return layout;
}

}  // namespace

Result<Picture> LoadPictureFile(const std::string& path) {
  PLEXARA_TRY_ASSIGN(bytes, win32::ReadFileBytes(path));
  return Picture::FromFileImage(std::move(bytes));
}

bool EditPicture(HWND owner, Picture& picture, bool iconMode) {
  PictureEditor editor(picture, iconMode);
  // Loading the bytes it already had is no change; only another picture is reported.
  if (editor.Run(owner, Layout()) != IDOK || editor.picture() == picture) return false;
  picture = editor.picture();
  return true;
}

RECT PreviewPlace(int pictureWidth, int pictureHeight, int areaWidth, int areaHeight) {
  std::int64_t width = std::max(pictureWidth, 0), height = std::max(pictureHeight, 0);
  if (width == 0 || height == 0) width = height = 0;
  if (width > areaWidth || height > areaHeight) {
    // Scaled by the tighter of the two ratios, compared without division.
    if (width * areaHeight >= height * areaWidth) {
      height = std::max<std::int64_t>(1, (height * areaWidth + width / 2) / width);
      width = areaWidth;
    } else {
      width = std::max<std::int64_t>(1, (width * areaHeight + height / 2) / height);
      height = areaHeight;
    }
  }
  const int left = static_cast<int>((areaWidth - width) / 2),
            top = static_cast<int>((areaHeight - height) / 2);
  return RECT{left, top, left + static_cast<int>(width), top + static_cast<int>(height)};
}

}  // namespace plexara
