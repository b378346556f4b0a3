#include "editor/design_marks_win32.h"

#include <optional>
#include <string_view>
#include <variant>

#include "editor/design_geometry.h"
#include "platform/gdi_objects_win32.h"
#include "storage/button_records.h"
#include "storage/form_input_records.h"
#include "storage/list_records.h"
#include "storage/media_records.h"
#include "storage/slide_show_record.h"

namespace plexara {
namespace {

constexpr COLORREF kMarkGrey = RGB(128, 128, 128);
constexpr COLORREF kMissingRed = RGB(255, 0, 0);

struct Placeholder {
  std::string_view caption;
  bool filled;  // grey when filled, red when the object still lacks its content
};

struct PlaceholderVisitor {
  std::optional<Placeholder> operator()(const ImageRecord& r) const {
    if (!r.normalImage.empty()) return std::nullopt;
    return Placeholder{"[Image]", false};
  }
  std::optional<Placeholder> operator()(const TextBoxRecord& r) const {
    if (!r.text.empty()) return std::nullopt;
    return Placeholder{"[TextBox]", false};
  }
  std::optional<Placeholder> operator()(const RichTextRecord& r) const {
    return Placeholder{"[RichText]", !r.richText.empty()};
  }
  std::optional<Placeholder> operator()(const AviRecord& r) const {
    return Placeholder{"[AVI]", !r.fileName.empty()};
  }
  std::optional<Placeholder> operator()(const ExplorerRecord& r) const {
    return Placeholder{"[Explorer]", !r.location.empty()};
  }
  std::optional<Placeholder> operator()(const MediaPlayerRecord& r) const {
    return Placeholder{"[MediaPlayer]", !r.mediaFile.empty()};
  }
  std::optional<Placeholder> operator()(const SlideShowRecord& r) const {
    return Placeholder{"[SlideShow]", !r.workFolder.empty()};
  }
  std::optional<Placeholder> operator()(const FlashRecord& r) const {
    return Placeholder{"[Flash]", !r.movieFile.empty()};
  }
  std::optional<Placeholder> operator()(const ShellComboBoxRecord&) const {
    return Placeholder{"[ShellComboBox]", true};
  }
  std::optional<Placeholder> operator()(const auto&) const { return std::nullopt; }
};

// The caption an object without visible content of its own shows, if any.
std::optional<Placeholder> PlaceholderOf(const KindRecord& record) {
  return std::visit(PlaceholderVisitor{}, record);
}

// Whether a kind with a frame option has its frame switched off.
struct FrameVisitor {
  bool operator()(const ImageButtonRecord& r) const {
    return r.buttonStyle == kButtonStyleFlat || r.buttonStyle == kButtonStyleBorderNone;
  }
  bool operator()(const TextBoxRecord& r) const { return r.border == 0; }
  bool operator()(const RichTextRecord& r) const { return r.border == 0; }
  bool operator()(const EditRecord& r) const { return r.border == 0; }
  bool operator()(const auto&) const { return false; }
};

// Kinds that draw no frame of their own get an outline, so the author can see where they are.
bool Outlined(const KindRecord& record) {
  switch (static_cast<ObjectKind>(KindOf(record))) {
    case ObjectKind::Image:
    case ObjectKind::Label:
    case ObjectKind::Link:
    case ObjectKind::Text:
    case ObjectKind::ScrollText:
    case ObjectKind::AVI:
    case ObjectKind::RadioButton:
    case ObjectKind::CheckBox:
    case ObjectKind::SimpleText:
    case ObjectKind::Flash:
    case ObjectKind::Shape:
    case ObjectKind::ShellComboBox:
      return true;
    default:
      return std::visit(FrameVisitor{}, record);
  }
}

}  // namespace

void DrawDesignMarks(HDC dc, std::span<ObjectControl* const> controls) {
  GdiObject<HPEN> pen(CreatePen(PS_DOT, 1, kMarkGrey));
  GdiObject<HBRUSH> handleBrush(CreateSolidBrush(kMarkGrey));
  SavedDc saved(dc);  // restored before the pen goes, so it is never deleted while selected
  SelectObject(dc, pen.get());
  SelectObject(dc, GetStockObject(NULL_BRUSH));
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetROP2(dc, R2_XORPEN);
  SetBkMode(dc, TRANSPARENT);
  for (const ObjectControl* control : controls) {
    const ObjectBounds b = control->Bounds();
    const KindRecord& record = control->data().record;
    if (control->Visible()) {
      if (const std::optional<Placeholder> placeholder = PlaceholderOf(record)) {
        SetTextColor(dc, placeholder->filled ? kMarkGrey : kMissingRed);
        TextOutA(dc, b.left + 5, b.top + 5, placeholder->caption.data(),
                 static_cast<int>(placeholder->caption.size()));
      }
      if (Outlined(record))
        Rectangle(dc, b.left - 1, b.top - 1, b.left + b.width + 1, b.top + b.height + 1);
    }
    if (!control->data().selected) continue;
    for (const DesignPoint& centre : HandleCentres(b)) {
      // Seven pixels square: the handle's hit zone.
      const RECT square{centre.x - 3, centre.y - 3, centre.x + 4, centre.y + 4};
      FillRect(dc, &square, handleBrush.get());
    }
  }
}

}  // namespace plexara
