#include "properties/font_editor_win32.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>

#include "platform/gdi_objects_win32.h"

namespace plexara {
namespace {

int ScreenDotsPerInch() {
  HDC screen = GetDC(nullptr);
  const int dots = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen != nullptr) ReleaseDC(nullptr, screen);
  return dots > 0 ? dots : 96;
}

// The dialog measures in the screen's logical units; a negative height is the character height,
// which is what a size in points means.
LOGFONTA LogFontOf(const FontData& font, int dotsPerInch) {
  LOGFONTA logFont{};
  logFont.lfHeight = -MulDiv(font.size, dotsPerInch, 72);
  logFont.lfWeight = (font.style & kFontBold) != 0 ? FW_BOLD : FW_NORMAL;
  logFont.lfItalic = (font.style & kFontItalic) != 0;
  logFont.lfUnderline = (font.style & kFontUnderline) != 0;
  logFont.lfStrikeOut = (font.style & kFontStrikeOut) != 0;
  logFont.lfCharSet = font.charset;
  logFont.lfPitchAndFamily = font.pitch;
  const std::size_t length = std::min(font.name.size(), sizeof(logFont.lfFaceName) - 1);
  std::memcpy(logFont.lfFaceName, font.name.data(), length);
  return logFont;
}

FontData ChosenFont(const FontData& given, const LOGFONTA& logFont, const CHOOSEFONTA& choose,
                    int dotsPerInch) {
  FontData chosen = given;
  chosen.name = logFont.lfFaceName;
  // The dialog reports the size in tenths of a point; without it, the size follows the height.
  if (choose.iPointSize > 0) {
    chosen.size = (choose.iPointSize + 5) / 10;
  } else if (logFont.lfHeight != 0) {
    chosen.size =
        MulDiv(logFont.lfHeight < 0 ? -logFont.lfHeight : logFont.lfHeight, 72, dotsPerInch);
  }
  chosen.size = std::max(chosen.size, 1);
  // Semi-bold faces count as bold: the nearest of the two weights a project font can have.
  chosen.style = static_cast<std::uint8_t>(
      (logFont.lfWeight >= FW_SEMIBOLD ? kFontBold : 0) | (logFont.lfItalic ? kFontItalic : 0) |
      (logFont.lfUnderline ? kFontUnderline : 0) | (logFont.lfStrikeOut ? kFontStrikeOut : 0));
  // A named system colour stays itself unless another colour was picked.
  if (choose.rgbColors != ColorOf(given.color))
    chosen.color = static_cast<ColorRef>(choose.rgbColors & 0x00FFFFFF);
  // The script the author chose comes along. An old pitch must not pull another face into a new
  // face name, so a new face starts from the default pitch.
  chosen.charset = logFont.lfCharSet;
  if (chosen.name != given.name) chosen.pitch = DEFAULT_PITCH;
  return chosen;
}

// Only what a project file keeps makes a font different: the dialog reports the actual character
// set of a face even when the author touched nothing.
bool SameStoredFont(const FontData& a, const FontData& b) {
  return a.name == b.name && a.size == b.size && a.style == b.style && a.color == b.color;
}

}  // namespace

bool EditFont(HWND owner, FontData& font) {
  const int dotsPerInch = ScreenDotsPerInch();
  LOGFONTA logFont = LogFontOf(font, dotsPerInch);
  CHOOSEFONTA choose{};
  choose.lStructSize = sizeof(choose);
  choose.hwndOwner = owner;
  choose.lpLogFont = &logFont;
  choose.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  choose.rgbColors = ColorOf(font.color);
  if (!ChooseFontA(&choose)) return false;
  const FontData chosen = ChosenFont(font, logFont, choose, dotsPerInch);
  if (SameStoredFont(chosen, font)) return false;
  font = chosen;
  return true;
}

}  // namespace plexara
