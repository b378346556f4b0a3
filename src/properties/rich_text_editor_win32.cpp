// The rich text editor. The content travels into the platform's rich-edit control and back as RTF
// through memory streams; the control keeps the formatting, this dialog only mirrors the format at
// the caret in its tool bar and writes the tool bar's changes into the selection. Whether anything
// changed is the control's modify flag, plus loads, clears and formatting done from the tool bar
// (the control does not count those reliably as modifications).
#include "properties/rich_text_editor_win32.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/file_system_win32.h"
#include "platform/gdi_objects_win32.h"
#include "platform/modal_dialog_win32.h"
#include "platform/shell_seam.h"
#include "properties/file_dialog_win32.h"
#include "properties/file_filters.h"
#include "properties/value_formats.h"
#include "storage/error_report.h"

namespace plexara {
namespace {

enum : int {
  kEditor = 101,
  kFontName,
  kFontSize,
  kFontSizeSpin,
  kFontColor,
  kBold,
  kItalic,
  kUnderline,
  kAlignLeft,
  kAlignCenter,
  kAlignRight,
  kBullets,
  kClearSelection,
  kCut,
  kCopy,
  kPaste,
  kUndo,
  kNote,
  kLoad,
  kSaveAs,
  kClearAll,
};

constexpr char kNewTextFont[] = "MS Sans Serif";
constexpr char kNoteText[] =
    "Note:               To change font properties, "
    "select part of the text first, then change the "
    "font "
    "properties of the selected item ";
// CHARFORMAT holds the height in twips in a LONG, but the control refuses more than a short's
// worth.
constexpr int kMinPoints = 1, kMaxPoints = 1638;
constexpr int kTwipsPerPoint = 20;
constexpr int kGlyphSize = 16;
constexpr COLORREF kInk = RGB(0, 0, 0);

// ---- Tool-bar glyphs: small drawings on a 16x16 surface, black ink unless the glyph needs colour.

void FillBox(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
  const RECT box{left, top, right, bottom};
  FillRect(dc, &box, GdiObject<HBRUSH>(CreateSolidBrush(color)).get());
}

void Page(HDC dc, int left, int top, int right, int bottom) {
  FillBox(dc, left, top, right, bottom, RGB(255, 255, 255));
  const RECT frame{left, top, right, bottom};
  FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  for (int y = top + 3; y < bottom - 2; y += 2)
    FillBox(dc, left + 2, y, right - 2, y + 1, RGB(0, 0, 128));
}

void Letter(HDC dc, const char* letter, const char* face, int weight, bool italic, bool underline) {
  GdiObject<HFONT> font(CreateFontA(-15, 0, 0, 0, weight, italic, underline, FALSE, DEFAULT_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                    DEFAULT_PITCH, face));
  SelectIn select(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kInk);
  RECT area{0, 0, kGlyphSize, kGlyphSize};
  DrawTextA(dc, letter, -1, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

// Five text lines of alternating lengths: 0 left aligned, 1 centred, 2 right aligned.
void Lines(HDC dc, int alignment) {
  for (int i = 0; i < 5; ++i) {
    const int width = i % 2 == 0 ? 12 : 7;
    const int left = alignment == 0 ? 2 : alignment == 1 ? (kGlyphSize - width) / 2 : 14 - width;
    FillBox(dc, left, 2 + 3 * i, left + width, 3 + 3 * i, kInk);
  }
}

void DrawBold(HDC dc) { Letter(dc, "B", "Arial", FW_BOLD, false, false); }
void DrawItalic(HDC dc) { Letter(dc, "I", "Times New Roman", FW_BOLD, true, false); }
void DrawUnderline(HDC dc) { Letter(dc, "U", "Arial", FW_NORMAL, false, true); }
void DrawAlignLeft(HDC dc) { Lines(dc, 0); }
void DrawCenter(HDC dc) { Lines(dc, 1); }
void DrawAlignRight(HDC dc) { Lines(dc, 2); }

void DrawBullets(HDC dc) {
  for (int i = 0; i < 3; ++i) {
    FillBox(dc, 2, 2 + 5 * i, 5, 5 + 5 * i, kInk);
    FillBox(dc, 7, 3 + 5 * i, 15, 4 + 5 * i, kInk);
  }
}

void DrawClear(HDC dc) {
  GdiObject<HPEN> pen(CreatePen(PS_SOLID, 2, RGB(192, 0, 0)));
  SelectIn select(dc, pen.get());
  MoveToEx(dc, 3, 3, nullptr);
  LineTo(dc, 13, 13);
  MoveToEx(dc, 13, 3, nullptr);
  LineTo(dc, 3, 13);
}

void DrawCut(HDC dc) {
  SelectIn pen(dc, GetStockObject(BLACK_PEN));
  SelectIn brush(dc, GetStockObject(NULL_BRUSH));
  MoveToEx(dc, 5, 10, nullptr);
  LineTo(dc, 11, 0);
  MoveToEx(dc, 10, 10, nullptr);
  LineTo(dc, 4, 0);
  Ellipse(dc, 1, 9, 7, 15);
  Ellipse(dc, 9, 9, 15, 15);
}

void DrawCopy(HDC dc) {
  Page(dc, 1, 1, 10, 12);
  Page(dc, 6, 4, 15, 15);
}

void DrawPaste(HDC dc) {
  FillBox(dc, 1, 2, 12, 15, RGB(176, 120, 48));
  const RECT board{1, 2, 12, 15};
  FrameRect(dc, &board, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  FillBox(dc, 4, 0, 9, 4, RGB(96, 96, 96));
  Page(dc, 6, 6, 15, 16);
}

void DrawUndo(HDC dc) {
  GdiObject<HBRUSH> fill(CreateSolidBrush(RGB(0, 0, 160)));
  GdiObject<HPEN> shaft(CreatePen(PS_SOLID, 2, RGB(0, 0, 160)));
  {
    SelectIn pen(dc, GetStockObject(NULL_PEN));
    SelectIn brush(dc, fill.get());
    const POINT head[] = {{0, 6}, {6, 0}, {6, 12}};
    Polygon(dc, head, 3);
  }
  SelectIn pen(dc, shaft.get());
  const POINT curve[] = {{5, 6}, {10, 6}, {13, 9}, {13, 11}, {10, 14}, {6, 14}};
  Polyline(dc, curve, 6);
}

// The glyph as an icon: the drawing's untouched pixels become transparent.
HICON MakeGlyphIcon(void (*draw)(HDC)) {
  constexpr COLORREF kKey = RGB(255, 0, 255);
  constexpr std::uint32_t kKeyPixel = 0x00FF00FF;  // the key as a DIB pixel (BGRA in memory)
  MemoryDc dc;
  const BITMAPINFO info = TopDownBitmapInfo(kGlyphSize, kGlyphSize);
  void* bits = nullptr;
  GdiObject<HBITMAP> color(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dc || !color || bits == nullptr) return nullptr;
  {
    SelectIn select(dc.get(), color.get());
    FillBox(dc.get(), 0, 0, kGlyphSize, kGlyphSize, kKey);
    draw(dc.get());
    GdiFlush();
  }
  // One bit per pixel, rows padded to 16 bits: exactly two bytes per row at this size.
  std::array<BYTE, kGlyphSize * 2> maskBits{};
  auto* pixels = static_cast<std::uint32_t*>(bits);
  for (int y = 0; y < kGlyphSize; ++y) {
    for (int x = 0; x < kGlyphSize; ++x) {
      std::uint32_t& pixel = pixels[y * kGlyphSize + x];
      if ((pixel & 0x00FFFFFF) == kKeyPixel) {
        pixel = 0;
        maskBits[static_cast<std::size_t>(y * 2 + x / 8)] |= static_cast<BYTE>(0x80 >> (x % 8));
      } else {
        pixel |= 0xFF000000;
      }
    }
  }
  GdiObject<HBITMAP> mask(CreateBitmap(kGlyphSize, kGlyphSize, 1, 1, maskBits.data()));
  ICONINFO icon{TRUE, 0, 0, mask.get(), color.get()};
  return CreateIconIndirect(&icon);
}

// ---- The tool bar's buttons as data: their names are their texts and tooltips.

enum class ButtonKind { Toggle, FirstOfGroup, InGroup, Push };

struct ToolButton {
  int id;
  const char* name;
  ButtonKind kind;
  bool gapBefore;  // a wider space separates groups
  void (*draw)(HDC);
};

constexpr ToolButton kToolButtons[] = {
    {kBold, "Bold", ButtonKind::Toggle, false, &DrawBold},
    {kItalic, "Italic", ButtonKind::Toggle, false, &DrawItalic},
    {kUnderline, "Underline", ButtonKind::Toggle, false, &DrawUnderline},
    {kAlignLeft, "Align Left", ButtonKind::FirstOfGroup, true, &DrawAlignLeft},
    {kAlignCenter, "Center", ButtonKind::InGroup, false, &DrawCenter},
    {kAlignRight, "Align Right", ButtonKind::InGroup, false, &DrawAlignRight},
    {kBullets, "Bullets", ButtonKind::Toggle, true, &DrawBullets},
    {kClearSelection, "Clear", ButtonKind::Push, true, &DrawClear},
    {kCut, "Cut", ButtonKind::Push, false, &DrawCut},
    {kCopy, "Copy", ButtonKind::Push, false, &DrawCopy},
    {kPaste, "Paste", ButtonKind::Push, false, &DrawPaste},
    {kUndo, "Undo", ButtonKind::Push, false, &DrawUndo},
};

DWORD ButtonStyle(ButtonKind kind) {
  constexpr DWORD kLook = BS_PUSHLIKE | BS_ICON;
  switch (kind) {
    case ButtonKind::Toggle:
      return BS_AUTOCHECKBOX | kLook | WS_GROUP | WS_TABSTOP;
    case ButtonKind::FirstOfGroup:
      return BS_AUTORADIOBUTTON | kLook | WS_GROUP | WS_TABSTOP;
    case ButtonKind::InGroup:
      return BS_AUTORADIOBUTTON | kLook;
    case ButtonKind::Push:
      return BS_PUSHBUTTON | BS_ICON | WS_GROUP | WS_TABSTOP;
  }
  return BS_PUSHBUTTON;
}

struct AlignmentButton {
  int id;
  WORD alignment;
};
constexpr AlignmentButton kAlignmentButtons[] = {
    {kAlignLeft, PFA_LEFT}, {kAlignCenter, PFA_CENTER}, {kAlignRight, PFA_RIGHT}};

// ---- Files and streams.

// Writes a temporary file beside the target and then puts it in place, so a failed save never
// destroys the file that was there.
bool WriteFileBytes(const std::string& path, const std::string& bytes, DWORD& error) {
  const std::string temporary = path + ".saving";
  HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    error = GetLastError();
    return false;
  }
  DWORD written = 0;
  bool ok = bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()),
                                        &written, nullptr) != FALSE &&
                              written == bytes.size());
  if (!ok) error = GetLastError();
  if (CloseHandle(file) == FALSE && ok) {
    error = GetLastError();
    ok = false;
  }
  if (ok && MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) == FALSE) {
    error = GetLastError();
    ok = false;
  }
  if (!ok) DeleteFileA(temporary.c_str());
  return ok;
}

bool IsRichText(const std::string& bytes) { return bytes.rfind("{\\rtf", 0) == 0; }

bool HasTextExtension(const std::string& path) {
  if (path.size() < 4) return false;
  std::string extension = path.substr(path.size() - 4);
  std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  });
  return extension == ".txt";
}

struct ByteSource {
  const std::string* bytes;
  std::size_t offset;
};

DWORD CALLBACK ReadChunk(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG* given) {
  auto* source = reinterpret_cast<ByteSource*>(cookie);
  const std::size_t count =
      std::min(source->bytes->size() - source->offset, static_cast<std::size_t>(wanted));
  std::memcpy(buffer, source->bytes->data() + source->offset, count);
  source->offset += count;
  *given = static_cast<LONG>(count);
  return 0;
}

DWORD CALLBACK WriteChunk(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* taken) {
  reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer),
                                                 static_cast<std::size_t>(count));
  *taken = count;
  return 0;
}

std::string ProgramFolder() {
  const std::string exe = win32::ExecutablePath();
  const std::size_t slash = exe.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

// Installed font families by name, each with the character set to ask for: ANSI where the family
// has it, else the first one it offers.
int CALLBACK AddFontFamily(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM param) {
  auto& families = *reinterpret_cast<std::map<std::string, BYTE>*>(param);
  if (font->lfFaceName[0] == '@' || font->lfFaceName[0] == '\0') return 1;  // vertical variants
  const auto [place, added] = families.emplace(font->lfFaceName, font->lfCharSet);
  if (!added && font->lfCharSet == ANSI_CHARSET) place->second = ANSI_CHARSET;
  return 1;
}

CHARFORMAT2A CharFormat(DWORD mask) {
  CHARFORMAT2A format{};
  format.cbSize = sizeof(format);
  format.dwMask = mask;
  return format;
}

PARAFORMAT2 ParaFormat(DWORD mask) {
  PARAFORMAT2 format{};
  format.cbSize = sizeof(format);
  format.dwMask = mask;
  return format;
}

class RichTextEditor final : public win32::ModalDialog {
 public:
  explicit RichTextEditor(const std::string& given) : given_(given) {}
  ~RichTextEditor() override {
    for (HICON icon : icons_) DestroyIcon(icon);
  }
  bool changed() const { return changed_; }
  const std::string& result() const { return result_; }

 private:
  HWND Editor() const { return Item(kEditor); }

  bool OnInit() override {
    FillFontNames();
    HWND colors = Item(kFontColor);
    for (const NamedColor& named : NamedColors())
      SendMessageA(colors, CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(PrettyColorName(named.identifier).c_str()));
    // Owner-drawn lists are measured before this dialog sees messages: match the font list.
    HWND names = Item(kFontName);
    for (const WPARAM part : {static_cast<WPARAM>(-1), WPARAM{0}})
      SendMessageA(colors, CB_SETITEMHEIGHT, part, SendMessageA(names, CB_GETITEMHEIGHT, part, 0));
    SendMessageA(Item(kFontSize), EM_LIMITTEXT, 4, 0);
    SendMessageA(Item(kFontSizeSpin), UDM_SETRANGE32, kMinPoints, kMaxPoints);
    AddToolButtons();

    HWND editor = Editor();
    SendMessageA(editor, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    CHARFORMAT2A font = CharFormat(CFM_FACE);
    std::strcpy(font.szFaceName, kNewTextFont);
    SendMessageA(editor, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&font));
    // The control takes the dialog's font as its own at creation, so an empty text gets the new
    // text's font explicitly.
    if (given_.empty())
      ApplyNewTextFont();
    else
      StreamIn(given_);
    SendMessageA(editor, EM_SETMODIFY, FALSE, 0);
    SendMessageA(editor, EM_EMPTYUNDOBUFFER, 0, 0);
    SendMessageA(editor, EM_SETEVENTMASK, 0, ENM_SELCHANGE);
    SendMessageA(editor, EM_SETSEL, 0, 0);
    FollowCaret();
    SetFocus(editor);
    return false;
  }

  void FillFontNames() {
    std::map<std::string, BYTE> families;
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &wanted, &AddFontFamily, reinterpret_cast<LPARAM>(&families), 0);
    ReleaseDC(nullptr, screen);
    HWND names = Item(kFontName);
    for (const auto& [name, charset] : families) {
      const LRESULT index =
          SendMessageA(names, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
      if (index >= 0) SendMessageA(names, CB_SETITEMDATA, static_cast<WPARAM>(index), charset);
    }
  }

  void AddToolButtons() {
    HWND tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    for (const ToolButton& button : kToolButtons) {
      if (HICON icon = MakeGlyphIcon(button.draw)) {
        icons_.push_back(icon);
        SendMessageA(Item(button.id), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
      }
      if (tips == nullptr) continue;
      TTTOOLINFOA tool{};
      tool.cbSize = TTTOOLINFOA_V1_SIZE;
      tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      tool.hwnd = hwnd();
      tool.uId = reinterpret_cast<UINT_PTR>(Item(button.id));
      tool.lpszText = const_cast<char*>(button.name);
      SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
  }

  // Replaces the whole content: rich text as such, anything else as plain text in the font new text
  // starts in.
  void StreamIn(const std::string& bytes) {
    HWND editor = Editor();
    ByteSource source{&bytes, 0};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, &ReadChunk};
    const bool rich = IsRichText(bytes);
    SendMessageA(editor, EM_STREAMIN, rich ? SF_RTF : SF_TEXT, reinterpret_cast<LPARAM>(&stream));
    if (!rich) ApplyNewTextFont();
  }

  std::string StreamOut(WPARAM format) const {
    std::string bytes;
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&bytes), 0, &WriteChunk};
    SendMessageA(Editor(), EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&stream));
    // The control ends the stream with a terminating zero, which is no part of the content.
    while (!bytes.empty() && bytes.back() == '\0') bytes.pop_back();
    return bytes;
  }

  void ApplyNewTextFont() const {
    CHARFORMAT2A font = CharFormat(CFM_FACE);
    std::strcpy(font.szFaceName, kNewTextFont);
    SendMessageA(Editor(), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&font));
  }

  // The tool bar shows the format at the caret (or what the whole selection shares).
  void FollowCaret() {
    following_ = true;
    CHARFORMAT2A format = CharFormat(0);
    SendMessageA(Editor(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));

    HWND names = Item(kFontName);
    LRESULT index = CB_ERR;
    if ((format.dwMask & CFM_FACE) != 0 && format.szFaceName[0] != '\0') {
      index = SendMessageA(names, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(format.szFaceName));
      // A face the text uses but this system lacks is still shown by its name.
      if (index == CB_ERR) {
        index = SendMessageA(names, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(format.szFaceName));
        SendMessageA(names, CB_SETITEMDATA, static_cast<WPARAM>(index), DEFAULT_CHARSET);
      }
    }
    SendMessageA(names, CB_SETCURSEL, static_cast<WPARAM>(index), 0);

    if ((format.dwMask & CFM_SIZE) != 0) {
      const int points = (format.yHeight + kTwipsPerPoint / 2) / kTwipsPerPoint;
      SendMessageA(Item(kFontSizeSpin), UDM_SETPOS32, 0,
                   std::clamp(points, kMinPoints, kMaxPoints));
      SetItemText(kFontSize, std::to_string(points));
    } else {
      SetItemText(kFontSize, "");
    }

    index = CB_ERR;
    if ((format.dwMask & CFM_COLOR) != 0) {
      const COLORREF color = (format.dwEffects & CFE_AUTOCOLOR) != 0 ? GetSysColor(COLOR_WINDOWTEXT)
                                                                     : format.crTextColor;
      const auto named = NamedColors();
      for (std::size_t i = 0; i < named.size(); ++i) {
        if (ColorOf(named[i].color) == color) {
          index = static_cast<LRESULT>(i);
          break;
        }
      }
    }
    SendMessageA(Item(kFontColor), CB_SETCURSEL, static_cast<WPARAM>(index), 0);

    const auto shows = [&format](DWORD mask, DWORD effect) {
      return (format.dwMask & mask) != 0 && (format.dwEffects & effect) != 0 ? BST_CHECKED
                                                                             : BST_UNCHECKED;
    };
    CheckDlgButton(hwnd(), kBold, shows(CFM_BOLD, CFE_BOLD));
    CheckDlgButton(hwnd(), kItalic, shows(CFM_ITALIC, CFE_ITALIC));
    CheckDlgButton(hwnd(), kUnderline, shows(CFM_UNDERLINE, CFE_UNDERLINE));

    PARAFORMAT2 paragraph = ParaFormat(0);
    SendMessageA(Editor(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
    for (const AlignmentButton& button : kAlignmentButtons) {
      const bool on =
          (paragraph.dwMask & PFM_ALIGNMENT) != 0 && paragraph.wAlignment == button.alignment;
      CheckDlgButton(hwnd(), button.id, on ? BST_CHECKED : BST_UNCHECKED);
    }
    const bool bullets =
        (paragraph.dwMask & PFM_NUMBERING) != 0 && paragraph.wNumbering == PFN_BULLET;
    CheckDlgButton(hwnd(), kBullets, bullets ? BST_CHECKED : BST_UNCHECKED);
    following_ = false;
  }

  // Formats the selection. Character formats only change the text when some is selected (else they
  // only apply to what is typed next, which the modify flag catches); paragraph formats always
  // change the paragraph at the caret.
  void ApplyCharFormat(CHARFORMAT2A& format) {
    SendMessageA(Editor(), EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    CHARRANGE selection{};
    SendMessageA(Editor(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    if (selection.cpMin != selection.cpMax) formatted_ = true;
  }

  void ApplyParaFormat(PARAFORMAT2& format) {
    SendMessageA(Editor(), EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&format));
    formatted_ = true;
  }

  void ApplyFontName() {
    HWND names = Item(kFontName);
    const LRESULT index = SendMessageA(names, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR ||
        SendMessageA(names, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) >= LF_FACESIZE)
      return;
    CHARFORMAT2A format = CharFormat(CFM_FACE);
    SendMessageA(names, CB_GETLBTEXT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(format.szFaceName));
    const auto charset =
        static_cast<BYTE>(SendMessageA(names, CB_GETITEMDATA, static_cast<WPARAM>(index), 0));
    if (charset != DEFAULT_CHARSET) {
      format.dwMask |= CFM_CHARSET;
      format.bCharSet = charset;
    }
    ApplyCharFormat(format);
  }

  void ApplyFontSize() {
    const std::string text = ItemText(kFontSize);
    if (text.empty() || text.size() > 4) return;
    const int points = std::stoi(text);  // the field takes digits only
    if (points < kMinPoints || points > kMaxPoints) return;
    CHARFORMAT2A format = CharFormat(CFM_SIZE);
    format.yHeight = points * kTwipsPerPoint;
    ApplyCharFormat(format);
  }

  void ApplyFontColor() {
    const auto index = static_cast<std::size_t>(SendMessageA(Item(kFontColor), CB_GETCURSEL, 0, 0));
    const auto named = NamedColors();
    if (index >= named.size()) return;
    CHARFORMAT2A format = CharFormat(CFM_COLOR);
    format.crTextColor = ColorOf(named[index].color);
    ApplyCharFormat(format);
  }

  void ApplyStyle(int id) {
    struct Style {
      int id;
      DWORD mask, effect;
    };
    static constexpr Style kStyles[] = {{kBold, CFM_BOLD, CFE_BOLD},
                                        {kItalic, CFM_ITALIC, CFE_ITALIC},
                                        {kUnderline, CFM_UNDERLINE, CFE_UNDERLINE}};
    for (const Style& style : kStyles) {
      if (style.id != id) continue;
      CHARFORMAT2A format = CharFormat(style.mask);
      format.dwEffects = IsDlgButtonChecked(hwnd(), id) == BST_CHECKED ? style.effect : 0;
      ApplyCharFormat(format);
    }
  }

  void ApplyAlignment(int id) {
    for (const AlignmentButton& button : kAlignmentButtons) {
      if (button.id != id) continue;
      PARAFORMAT2 format = ParaFormat(PFM_ALIGNMENT);
      format.wAlignment = button.alignment;
      ApplyParaFormat(format);
    }
  }

  void ApplyBullets() {
    const bool on = IsDlgButtonChecked(hwnd(), kBullets) == BST_CHECKED;
    PARAFORMAT2 format = ParaFormat(PFM_NUMBERING | PFM_OFFSET);
    format.wNumbering = on ? PFN_BULLET : 0;
    format.dxOffset = on ? 360 : 0;  // room for the bullet, in twips
    ApplyParaFormat(format);
  }

  void ClearAll() {
    SetWindowTextA(Editor(), "");
    ApplyNewTextFont();
    cleared_ = true;
  }

  // Load and Save As both start in the program's folder and add ".rtf" to a bare name.
  static FileDialogRequest FileRequest() {
    return {.filter = kRichTextFilter, .initialFolder = ProgramFolder(), .defaultExtension = "rtf"};
  }

  void ShowError(DWORD code) const {
    ShowInformationBox(CurrentMessageBoxes(), CurrentErrorReporter().SystemErrorMessage(code),
                       kCaptionInformation, hwnd());
  }

  void Load() {
    const std::string path = AskOpenFileName(hwnd(), FileRequest());
    if (path.empty()) return;
    const Result<std::vector<std::uint8_t>> bytes = win32::ReadFileBytes(path);
    if (!bytes) {
      // The system's reason; the content stays as it was.
      ShowInformationBox(CurrentMessageBoxes(), bytes.error().message, kCaptionInformation, hwnd());
      return;
    }
    StreamIn(std::string(bytes.value().begin(), bytes.value().end()));
    loaded_ = true;
  }

  void SaveAs() {
    const std::string path = AskSaveFileName(hwnd(), FileRequest());
    if (path.empty()) return;
    DWORD error = 0;
    if (!WriteFileBytes(path, StreamOut(HasTextExtension(path) ? SF_TEXT : SF_RTF), error))
      ShowError(error);
  }

  bool InToolBarField(HWND focus) const {
    return focus == Item(kFontName) || focus == Item(kFontSize) || focus == Item(kFontColor);
  }

  bool OnCommand(int id, int code) override {
    HWND editor = Editor();
    switch (id) {
      case IDOK:
        // Enter in a tool-bar field finishes that field, not the editor.
        if (InToolBarField(GetFocus())) {
          SetFocus(editor);
          return true;
        }
        changed_ =
            loaded_ || cleared_ || formatted_ || SendMessageA(editor, EM_GETMODIFY, 0, 0) != 0;
        if (changed_) result_ = StreamOut(SF_RTF);
        End(IDOK);
        return true;
      case kFontName:
        if (code == CBN_SELCHANGE) ApplyFontName();
        return true;
      case kFontSize:
        if (code == EN_CHANGE && !following_) ApplyFontSize();
        return true;
      case kFontColor:
        if (code == CBN_SELCHANGE) ApplyFontColor();
        return true;
      default:
        break;
    }
    if (code != BN_CLICKED) return false;
    switch (id) {
      case kBold:
      case kItalic:
      case kUnderline:
        ApplyStyle(id);
        break;
      case kAlignLeft:
      case kAlignCenter:
      case kAlignRight:
        ApplyAlignment(id);
        break;
      case kBullets:
        ApplyBullets();
        break;
      case kClearSelection:
        SendMessageA(editor, WM_CLEAR, 0, 0);
        break;
      case kCut:
        SendMessageA(editor, WM_CUT, 0, 0);
        break;
      case kCopy:
        SendMessageA(editor, WM_COPY, 0, 0);
        break;
      case kPaste:
        SendMessageA(editor, WM_PASTE, 0, 0);
        break;
      case kUndo:
        SendMessageA(editor, EM_UNDO, 0, 0);
        break;
      case kLoad:
        Load();
        break;
      case kSaveAs:
        SaveAs();
        break;
      case kClearAll:
        ClearAll();
        break;
      default:
        return false;
    }
    FollowCaret();
    SetFocus(editor);
    return true;
  }

  LRESULT OnNotify(const NMHDR& header) override {
    if (header.idFrom == kEditor && header.code == EN_SELCHANGE) FollowCaret();
    return 0;
  }

  bool OnMessage(UINT message, WPARAM, LPARAM lParam, INT_PTR& result) override {
    if (message != WM_DRAWITEM) return false;
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item.CtlID != kFontColor) return false;
    DrawColorItem(item);
    result = TRUE;
    return true;
  }

  // A swatch and the colour's name.
  static void DrawColorItem(const DRAWITEMSTRUCT& item) {
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const auto named = NamedColors();
    if (item.itemID < named.size()) {
      const int height = item.rcItem.bottom - item.rcItem.top;
      RECT swatch{item.rcItem.left + 2, item.rcItem.top + 2, item.rcItem.left + 2 + height,
                  item.rcItem.bottom - 2};
      FillRect(item.hDC, &swatch,
               GdiObject<HBRUSH>(CreateSolidBrush(ColorOf(named[item.itemID].color))).get());
      FrameRect(item.hDC, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      const std::string name = PrettyColorName(named[item.itemID].identifier);
      RECT area = item.rcItem;
      area.left = swatch.right + 4;
      SetBkMode(item.hDC, TRANSPARENT);
      SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
      DrawTextA(item.hDC, name.c_str(), -1, &area,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &item.rcItem);
  }

  const std::string& given_;
  std::string result_;
  std::vector<HICON> icons_;
  bool following_ = false;
  bool formatted_ = false;
  bool loaded_ = false;
  bool cleared_ = false;
  bool changed_ = false;
};

// In dialog units: the tool bar across the top, the text below it and the side panel at the right.
win32::DialogTemplate Layout() {
  win32::DialogTemplate layout("Rich Editor", 560, 360);
  constexpr int kTop = 6, kButtonWidth = 18, kButtonHeight = 15, kStep = 19, kGroupGap = 6;
  layout.Add("COMBOBOX", "", kFontName, 7, kTop + 1, 110, 160,
             CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP | WS_GROUP);
  layout.Add("EDIT", "", kFontSize, 121, kTop + 1, 34, 13, ES_NUMBER | WS_BORDER | WS_TABSTOP);
  layout.Add(UPDOWN_CLASSA, "", kFontSizeSpin, 0, 0, 0, 0,
             UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS | UDS_AUTOBUDDY);
  layout.Add("COMBOBOX", "", kFontColor, 159, kTop + 1, 84, 160,
             CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP);
  int x = 243;
  for (const ToolButton& button : kToolButtons) {
    x += button.gapBefore ? kGroupGap + kStep - kButtonWidth : kStep - kButtonWidth;
    layout.Add("BUTTON", button.name, button.id, x, kTop, kButtonWidth, kButtonHeight,
               ButtonStyle(button.kind));
    x += kButtonWidth;
  }
  constexpr int kTextTop = 26, kPanelLeft = 493, kPanelWidth = 60;
  layout.Add(RICHEDIT_CLASSA, "", kEditor, 7, kTextTop, 479, 327,
             ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL | WS_VSCROLL |
                 WS_TABSTOP | WS_GROUP,
             WS_EX_CLIENTEDGE);
  layout.Add("STATIC", kNoteText, kNote, kPanelLeft, kTextTop, kPanelWidth, 88, SS_LEFT | WS_GROUP);
  struct PanelButton {
    const char* text;
    int id;
    int top;
  };
  constexpr PanelButton kPanelButtons[] = {{"&OK", IDOK, 120},
                                           {"&Cancel", IDCANCEL, 138},
                                           {"&Load...", kLoad, 162},
                                           {"&Save As...", kSaveAs, 180},
                                           {"Clear", kClearAll, 204}};
  for (const PanelButton& button : kPanelButtons) {
    const DWORD style = (button.id == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP;
    layout.Add("BUTTON", button.text, button.id, kPanelLeft, button.top, kPanelWidth, 14, style);
  }
  return layout;
}

// The rich-edit control's window class exists once its library is loaded; it stays loaded for the
// process.
bool RichEditAvailable() {
  static const bool loaded = LoadLibraryA("riched20.dll") != nullptr;
  return loaded;
}

}  // namespace

bool EditRichText(HWND owner, std::string& rtf) {
  const INITCOMMONCONTROLSEX controls{sizeof(controls),
                                      ICC_UPDOWN_CLASS | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  if (!RichEditAvailable()) return false;
  RichTextEditor editor(rtf);
  if (editor.Run(owner, Layout()) != IDOK || !editor.changed()) return false;
  rtf = editor.result();
  return true;
}

}  // namespace plexara
