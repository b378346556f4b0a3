#include "properties/grid_size_dialog_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/modal_dialog_win32.h"
#include "properties/grid_size.h"

namespace plexara {
namespace {

enum : int { kEditX = 101, kSpinX, kEditY, kSpinY };

class GridSizeDialog final : public win32::ModalDialog {
 public:
  GridSizeDialog(int x, int y) : x_(x), y_(y) {}
  int x() const { return x_; }
  int y() const { return y_; }

 protected:
  bool OnInit() override {
    struct Field {
      int edit, spin, value;
    };
    for (const Field& field : {Field{kEditX, kSpinX, x_}, Field{kEditY, kSpinY, y_}}) {
      SendMessageA(Item(field.edit), EM_LIMITTEXT, 2, 0);
      SendMessageA(Item(field.spin), UDM_SETRANGE32, kGridSizeMin, kGridSizeMax);
      SendMessageA(Item(field.spin), UDM_SETPOS32, 0, std::clamp(field.value, kGridSizeMin, kGridSizeMax));
    }
    return true;
  }

  bool OnCommand(int id, int) override {
    if (id != IDOK) return false;
    x_ = GridSizeFromText(ItemText(kEditX), std::clamp(x_, kGridSizeMin, kGridSizeMax));
    y_ = GridSizeFromText(ItemText(kEditY), std::clamp(y_, kGridSizeMin, kGridSizeMax));
    End(IDOK);
    return true;
  }

 private:
  int x_;
  int y_;
};

win32::DialogTemplate Layout() {
  win32::DialogTemplate layout("Grid Size", 140, 72);
  const DWORD spinStyle = UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_AUTOBUDDY;
  const DWORD editStyle = WS_BORDER | WS_TABSTOP | ES_NUMBER;
  layout.Add("STATIC", "Grid Size X:", -1, 10, 11, 56, 9, SS_LEFT);
  layout.Add("EDIT", "", kEditX, 70, 9, 36, 13, editStyle);
  layout.Add(UPDOWN_CLASSA, "", kSpinX, 0, 0, 0, 0, spinStyle);
  layout.Add("STATIC", "Grid Size Y:", -1, 10, 29, 56, 9, SS_LEFT);
  layout.Add("EDIT", "", kEditY, 70, 27, 36, 13, editStyle);
  layout.Add(UPDOWN_CLASSA, "", kSpinY, 0, 0, 0, 0, spinStyle);
  layout.Add("BUTTON", "&OK", IDOK, 22, 51, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP);
  layout.Add("BUTTON", "&Cancel", IDCANCEL, 78, 51, 50, 14, BS_PUSHBUTTON | WS_TABSTOP);
  return layout;
}

}  // namespace

bool EditGridSize(HWND owner, int& x, int& y) {
  GridSizeDialog dialog(x, y);
  if (dialog.Run(owner, Layout()) != IDOK) return false;
  const bool changed = dialog.x() != x || dialog.y() != y;
  x = dialog.x();
  y = dialog.y();
  return changed;
}

}  // namespace plexara
