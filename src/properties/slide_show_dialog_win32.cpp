// "Launch slide show": the picture folder, the music and the show's options, packed into the
// action's settings string. The colour box lists the named colours with a swatch each and ends in
// the custom entry, which opens the colour editor.
#include "properties/action_dialogs_win32.h"
// The common controls need the platform types that header brings.
#include <commctrl.h>

#include <string>

#include "platform/gdi_objects_win32.h"
#include "platform/modal_dialog_win32.h"
#include "platform/picture_draw_win32.h"
#include "properties/color_editor_win32.h"
#include "properties/file_filters.h"
#include "properties/file_picker_win32.h"
#include "properties/folder_picker_win32.h"
#include "properties/slide_show_form.h"
#include "properties/value_formats.h"

namespace plexara {
namespace {

enum : int {
  kFolder = 101,
  kSelectFolder,
  kMusic,
  kSelectMusic,
  kLoop,
  kStyle,
  kImageStyle,
  kStep,
  kStepSpin,
  kStepDelay,
  kStepDelaySpin,
  kInterval,
  kIntervalSpin,
  kBackground,
};

constexpr UINT kOpenColorEditor = WM_APP + 1;

struct SpinField {
  int edit, spin;
  const SpinRange& range;
  std::int32_t SlideShowSettings::*value;
};
const SpinField kSpinFields[] = {
    {kStep, kStepSpin, kSlideStepRange, &SlideShowSettings::step},
    {kStepDelay, kStepDelaySpin, kSlideStepDelayRange, &SlideShowSettings::stepDelay},
    {kInterval, kIntervalSpin, kSlideIntervalRange, &SlideShowSettings::interval},
};

class SlideShowDialog final : public win32::ModalDialog {
 public:
  SlideShowDialog(const std::string& discFolder, const SlideShowSettings& given)
      : discFolder_(discFolder), given_(given), color_(given.backgroundColor) {}
  // The controls as they were filled, and as "&OK" found them.
  const SlideShowSettings& filled() const { return filled_; }
  const SlideShowSettings& accepted() const { return accepted_; }

 private:
  bool OnInit() override {
    SetItemText(kFolder, given_.folder);
    SetItemText(kMusic, given_.music);
    CheckDlgButton(hwnd(), kLoop, given_.loop ? BST_CHECKED : BST_UNCHECKED);
    for (const std::string& choice : SlideShowStyleChoices()) AddChoice(kStyle, choice);
    SendMessageA(Item(kStyle), CB_SETCURSEL, static_cast<WPARAM>(given_.style), 0);
    for (const std::string_view choice : kSlideShowImageStyles) AddChoice(kImageStyle, choice);
    SendMessageA(Item(kImageStyle), CB_SETCURSEL, static_cast<WPARAM>(given_.imageStyle), 0);
    for (const SpinField& field : kSpinFields) {
      SendMessageA(Item(field.edit), EM_LIMITTEXT, static_cast<WPARAM>(field.range.digits), 0);
      SendMessageA(Item(field.spin), UDM_SETRANGE32, static_cast<WPARAM>(field.range.minimum),
                   field.range.maximum);
      SendMessageA(Item(field.spin), UDM_SETPOS32, 0, given_.*field.value);
    }
    HWND colors = Item(kBackground);
    for (const NamedColor& named : NamedColors())
      AddChoice(kBackground, PrettyColorName(named.identifier));
    AddChoice(kBackground, kCustomColorName);
    // The owner-drawn box was measured before this dialog could answer; rows fit the swatches.
    const int rowHeight = static_cast<int>(SendMessageA(colors, CB_GETITEMHEIGHT, 0, 0));
    if (rowHeight < 16) SendMessageA(colors, CB_SETITEMHEIGHT, 0, 16);
    ShowColor();
    filled_ = Typed();
    return true;
  }

  void AddChoice(int id, std::string_view text) const {
    const std::string copy(text);
    SendMessageA(Item(id), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(copy.c_str()));
  }

  SlideShowSettings Typed() const {
    SlideShowSettings typed;
    typed.folder = ItemText(kFolder);
    typed.loop = IsDlgButtonChecked(hwnd(), kLoop) == BST_CHECKED;
    typed.style = static_cast<std::int32_t>(SendMessageA(Item(kStyle), CB_GETCURSEL, 0, 0));
    typed.imageStyle =
        static_cast<std::int32_t>(SendMessageA(Item(kImageStyle), CB_GETCURSEL, 0, 0));
    for (const SpinField& field : kSpinFields)
      typed.*field.value =
          SpinValueFromText(ItemText(field.edit), field.range, given_.*field.value);
    typed.backgroundColor = color_;
    typed.music = ItemText(kMusic);
    return typed;
  }

  bool OnCommand(int id, int code) override {
    switch (id) {
      case kSelectFolder:
        if (code == BN_CLICKED) PickFolderIntoField(hwnd(), kFolder, discFolder_);
        return true;
      case kSelectMusic:
        if (code == BN_CLICKED) PickFileIntoField(hwnd(), kMusic, discFolder_, kAllFilesFilter);
        return true;
      case kBackground: {
        // A choice made in the open list counts once the list accepts it; in the closed box every
        // change counts at once.
        const bool dropped = SendMessageA(Item(kBackground), CB_GETDROPPEDSTATE, 0, 0) != 0;
        if ((code == CBN_SELCHANGE && !dropped) || (code == CBN_SELENDOK && dropped)) ChooseColor();
        return true;
      }
      case IDOK:
        accepted_ = Typed();
        End(IDOK);
        return true;
      default:
        return false;
    }
  }

  void ChooseColor() {
    const auto index =
        static_cast<std::size_t>(SendMessageA(Item(kBackground), CB_GETCURSEL, 0, 0));
    if (index < NamedColors().size()) {
      color_ = NamedColors()[index].color;
    } else if (index == ColorBoxCustomIndex()) {
      // The editor opens once the box has closed its list and let go of the mouse.
      PostMessageA(hwnd(), kOpenColorEditor, 0, 0);
      return;
    }
    ShowColor();
  }

  void EditCustomColor() {
    ColorRef custom = color_;
    if (EditColor(hwnd(), custom)) color_ = custom;
    ShowColor();
  }

  void ShowColor() const {
    SendMessageA(Item(kBackground), CB_SETCURSEL, ColorBoxIndex(color_), 0);
    InvalidateRect(Item(kBackground), nullptr, FALSE);
  }

  bool OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) override {
    if (message == kOpenColorEditor) {
      EditCustomColor();
      return true;
    }
    if (message != WM_DRAWITEM) return false;
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.CtlID != kBackground) return false;
    DrawColorItem(item);
    result = TRUE;
    return true;
  }

  // A swatch and the pretty name; the custom entry's swatch shows the colour in use.
  void DrawColorItem(const DRAWITEMSTRUCT& item) const {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID == static_cast<UINT>(-1)) return;
    const auto named = NamedColors();
    const ColorRef color = item.itemID < named.size() ? named[item.itemID].color : color_;
    RECT swatch{item.rcItem.left + 2, item.rcItem.top + 2, item.rcItem.left + 24,
                item.rcItem.bottom - 2};
    FillRect(item.hDC, &swatch, GdiObject<HBRUSH>(CreateSolidBrush(ColorOf(color))).get());
    FrameRect(item.hDC, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    char text[64] = {};
    if (SendMessageA(item.hwndItem, CB_GETLBTEXTLEN, item.itemID, 0) < LRESULT{sizeof(text)})
      SendMessageA(item.hwndItem, CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(text));
    RECT area = item.rcItem;
    area.left += 30;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextA(item.hDC, text, -1, &area, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
  }

  const std::string& discFolder_;
  SlideShowSettings given_;
  ColorRef color_;
  SlideShowSettings filled_;
  SlideShowSettings accepted_;
};

win32::DialogTemplate Layout() {
  constexpr int kMargin = 7, kLabelWidth = 44, kFieldX = kMargin + kLabelWidth + 4, kRight = 313;
  constexpr int kButtonWidth = 50, kButtonHeight = 14;
  constexpr int kGroupTop = 44, kInnerX = kMargin + 8, kInnerLabelWidth = 66,
                kInnerFieldX = kInnerX + kInnerLabelWidth + 4;
  constexpr DWORD kEdit = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
  constexpr DWORD kSpinEdit = WS_BORDER | WS_TABSTOP | ES_NUMBER;
  constexpr DWORD kSpin =
      UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_AUTOBUDDY;
  constexpr DWORD kList = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
  win32::DialogTemplate layout(std::string(kSlideShowCaption), kRight + kMargin, 210);

  layout.Add("STATIC", "Folder:", -1, kMargin, 9, kLabelWidth, 8, SS_LEFT);
  layout.Add("EDIT", "", kFolder, kFieldX, 7, kRight - kFieldX - kButtonWidth - 4, 12, kEdit);
  layout.Add("BUTTON", "&Select...", kSelectFolder, kRight - kButtonWidth, 6, kButtonWidth,
             kButtonHeight, WS_TABSTOP | BS_PUSHBUTTON);
  layout.Add("STATIC", "Music:", -1, kMargin, 26, kLabelWidth, 8, SS_LEFT);
  layout.Add("EDIT", "", kMusic, kFieldX, 24, kRight - kFieldX - kButtonWidth - 4, 12, kEdit);
  layout.Add("BUTTON", "S&elect...", kSelectMusic, kRight - kButtonWidth, 23, kButtonWidth,
             kButtonHeight, WS_TABSTOP | BS_PUSHBUTTON);

  layout.Add("BUTTON", "Options", -1, kMargin, kGroupTop, kRight - kMargin, 139, BS_GROUPBOX);
  int y = kGroupTop + 13;
  layout.Add("BUTTON", "Loop", kLoop, kInnerX, y, 80, 10, WS_TABSTOP | BS_AUTOCHECKBOX);
  y += 16;
  auto label = [&](const char* text) {
    layout.Add("STATIC", text, -1, kInnerX, y + 2, kInnerLabelWidth, 8, SS_LEFT);
  };
  const int listWidth = kRight - 8 - kInnerFieldX;
  label("Style:");
  layout.Add("COMBOBOX", "", kStyle, kInnerFieldX, y, listWidth, 160, kList);
  y += 18;
  label("ImageStyle:");
  layout.Add("COMBOBOX", "", kImageStyle, kInnerFieldX, y, 90, 80, kList);
  y += 18;
  const struct {
    const char* text;
    int edit, spin, width;
  } spins[] = {{"Step (%):", kStep, kStepSpin, 36},
               {"StepDelay (ms)", kStepDelay, kStepDelaySpin, 44},
               {"Interval", kInterval, kIntervalSpin, 36}};
  for (const auto& spin : spins) {
    label(spin.text);
    layout.Add("EDIT", "", spin.edit, kInnerFieldX, y, spin.width, 12, kSpinEdit);
    layout.Add(UPDOWN_CLASSA, "", spin.spin, 0, 0, 0, 0, kSpin);
    y += 17;
  }
  label("Background Color:");
  layout.Add("COMBOBOX", "", kBackground, kInnerFieldX, y, 110, 160,
             kList | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS);

  layout.AddOkCancel(kRight, 189, kButtonWidth, kButtonHeight);
  return layout;
}

}  // namespace

bool EditSlideShowSettings(HWND owner, const ActionDialogContext& context, std::string& settings) {
  SlideShowDialog dialog(context.discFolder, SlideShowSettings::Decode(settings));
  if (dialog.Run(owner, Layout()) != IDOK || dialog.accepted() == dialog.filled()) return false;
  return StoreChangedSettings(settings, dialog.accepted().Encode());
}

}  // namespace plexara
