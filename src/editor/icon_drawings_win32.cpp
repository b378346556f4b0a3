// Each picture is built from a few shared parts (a window, a page, a folder, a picture, lines of
// text) so that related icons look related: the shell kinds carry the folder, the list kinds the
// white box, the page kinds the window.
#include "editor/icon_drawings_win32.h"

#include <iterator>

namespace plexara {
namespace {

using P = IconPainter;

constexpr COLORREF kInk = RGB(60, 60, 70);
constexpr COLORREF kEdge = RGB(110, 115, 125);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kFace = RGB(228, 230, 234);
constexpr COLORREF kBlue = RGB(40, 100, 205);
constexpr COLORREF kLightBlue = RGB(150, 195, 245);
constexpr COLORREF kSky = RGB(175, 215, 250);
constexpr COLORREF kGreen = RGB(50, 160, 70);
constexpr COLORREF kDarkGreen = RGB(35, 120, 50);
constexpr COLORREF kYellow = RGB(250, 200, 50);
constexpr COLORREF kFolder = RGB(240, 190, 70);
constexpr COLORREF kFolderEdge = RGB(180, 130, 30);
constexpr COLORREF kRed = RGB(215, 50, 45);
constexpr COLORREF kOrange = RGB(245, 140, 30);
constexpr COLORREF kGrey = RGB(170, 172, 178);
constexpr COLORREF kDark = RGB(45, 48, 58);

// ---- Shared parts ----

void Picture(P& p, float l, float t, float r, float b) {
  p.Rect(l, t, r, b, kSky, kEdge);
  const float w = r - l, h = b - t;
  p.Ellipse(l + w * 0.58f, t + h * 0.18f, l + w * 0.82f, t + h * 0.42f, kYellow);
  p.Polygon({{l + 1, b - 1}, {l + w * 0.38f, t + h * 0.38f}, {l + w * 0.62f, t + h * 0.7f},
             {l + w * 0.75f, t + h * 0.55f}, {r - 1, b - 1}},
            kGreen);
}

void Folder(P& p, float l, float t, float r, float b) {
  p.Polygon({{l, t + 1}, {l + (r - l) * 0.4f, t + 1}, {l + (r - l) * 0.5f, t + 2.5f}, {r, t + 2.5f}, {r, b},
             {l, b}},
            kFolder, kFolderEdge);
  p.Line(l + 0.5f, t + 3.5f, r - 0.5f, t + 3.5f, kFolderEdge);
}

void TextLines(P& p, float l, float t, float r, int count, COLORREF colour, float spacing = 2) {
  for (int i = 0; i < count; ++i) {
    const float shorten = (i % 3 == 2) ? (r - l) * 0.35f : 0;
    p.Line(l, t + i * spacing + 0.5f, r - shorten, t + i * spacing + 0.5f, colour);
  }
}

void WhiteBox(P& p, float l, float t, float r, float b) { p.Rect(l, t, r, b, kWhite, kEdge); }

void Window(P& p, float l, float t, float r, float b, COLORREF title = kBlue) {
  p.Rect(l, t, r, b, kWhite, kEdge);
  p.Rect(l + 1, t + 1, r - 1, t + 4, title);
  p.Rect(r - 3.5f, t + 1.75f, r - 1.75f, t + 3.25f, kWhite);
}

void Page(P& p, float l, float t, float r, float b) {
  p.Polygon({{l, t}, {r - 4, t}, {r, t + 4}, {r, b}, {l, b}}, kWhite, kEdge);
  p.Polygon({{r - 4, t}, {r - 4, t + 4}, {r, t + 4}}, kFace, kEdge);
}

void PlayTriangle(P& p, float l, float t, float size, COLORREF colour) {
  p.Polygon({{l, t}, {l + size * 0.9f, t + size / 2}, {l, t + size}}, colour);
}

void Floppy(P& p, float l, float t, float r, float b) {
  p.Polygon({{l, t}, {r - 2, t}, {r, t + 2}, {r, b}, {l, b}}, kBlue, RGB(25, 60, 140));
  p.Rect(l + 3, t + 1, r - 3, t + 5, kWhite);
  p.Rect(r - 6, t + 1.5f, r - 4.5f, t + 4.5f, kBlue);
  p.Rect(l + 2, b - 6, r - 2, b - 1, kFace);
}

void Disc(P& p, float l, float t, float r, float b) {
  p.Ellipse(l, t, r, b, RGB(235, 240, 250), kEdge);
  const float cx = (l + r) / 2, cy = (t + b) / 2;
  p.Ellipse(cx - 2.5f, cy - 2.5f, cx + 2.5f, cy + 2.5f, kLightBlue);
  p.Ellipse(cx - 1, cy - 1, cx + 1, cy + 1, kWhite, kEdge);
}

void PlusSign(P& p, float cx, float cy) {
  p.Line(cx - 2.5f, cy, cx + 2.5f, cy, kGreen, 2);
  p.Line(cx, cy - 2.5f, cx, cy + 2.5f, kGreen, 2);
}

void TreeLines(P& p, COLORREF node) {
  p.Line(3.5f, 3, 3.5f, 12.5f, kGrey);
  p.Line(3.5f, 7.5f, 7, 7.5f, kGrey);
  p.Line(3.5f, 12.5f, 7, 12.5f, kGrey);
  p.Rect(1, 1, 6, 5, node, kEdge);
  p.Rect(7, 6, 11, 9, node, kEdge);
  p.Rect(7, 11, 11, 14, node, kEdge);
  p.Line(12, 7.5f, 15, 7.5f, kInk);
  p.Line(12, 12.5f, 15, 12.5f, kInk);
  p.Line(7, 2.5f, 12, 2.5f, kInk);
}

void SmallFolder(P& p, float l, float t) { Folder(p, l, t, l + 5, t + 4); }

// ---- Object kinds ----

void Button(P& p) {
  p.RoundRect(0.5f, 3.5f, 15.5f, 12.5f, 2, kFace, kEdge);
  p.Line(1.5f, 11.5f, 14.5f, 11.5f, kGrey);
  p.Line(4, 8, 12, 8, kInk);
}

void ImageButton(P& p) {
  p.RoundRect(0.5f, 2.5f, 15.5f, 13.5f, 2, kFace, kEdge);
  Picture(p, 3, 4.5f, 13, 11.5f);
}

void Image(P& p) { Picture(p, 1, 2, 15, 14); }

void Label(P& p) { p.Text(0, 0, 16, 16, "A", kBlue, 15); }

void Link(P& p) {
  p.Text(0, -1, 16, 14, "a", kBlue, 14, true);
  p.Line(2, 13.5f, 14, 13.5f, kBlue);
}

void FadeLabel(P& p) {
  p.Text(-3, -1, 13, 15, "A", kLightBlue, 13);
  p.Text(3, 1, 19, 17, "A", kBlue, 13);
}

void Text(P& p) { TextLines(p, 1, 2, 15, 6, kInk); }

void ScrollText(P& p) {
  TextLines(p, 1, 2, 10, 6, kInk);
  p.Polygon({{12, 5}, {13.5f, 2}, {15, 5}}, kBlue);
  p.Polygon({{12, 11}, {13.5f, 14}, {15, 11}}, kBlue);
  p.Line(13.5f, 5, 13.5f, 11, kBlue);
}

void TextBox(P& p) {
  WhiteBox(p, 0, 1, 16, 15);
  TextLines(p, 2, 3, 11, 5, kInk);
  p.Rect(12, 2, 15, 14, kFace);
  p.Rect(12.5f, 4, 14.5f, 8, kGrey);
}

void RichText(P& p) {
  WhiteBox(p, 0, 1, 16, 15);
  p.Line(2, 3.5f, 9, 3.5f, kRed, 1.5f);
  p.Line(2, 6.5f, 14, 6.5f, kInk);
  p.Line(2, 9, 11, 9, kBlue, 1.5f);
  p.Line(2, 12, 13, 12, kDarkGreen);
}

void Avi(P& p) {
  p.Rect(0, 2, 16, 14, kDark);
  for (int i = 0; i < 4; ++i) {
    p.Rect(1.5f + i * 3.75f, 3, 3 + i * 3.75f, 4.5f, kWhite);
    p.Rect(1.5f + i * 3.75f, 11.5f, 3 + i * 3.75f, 13, kWhite);
  }
  p.Rect(2, 5.5f, 7.5f, 10.5f, kSky);
  p.Rect(8.5f, 5.5f, 14, 10.5f, kSky);
}

void Explorer(P& p) {
  p.Ellipse(1, 1, 15, 15, kLightBlue, kBlue);
  p.Polygon({{4, 4}, {8, 3}, {9, 6}, {6, 8}, {7, 11}, {4, 10}}, kGreen);
  p.Polygon({{10, 8}, {13, 8}, {12, 12}, {10, 11}}, kGreen);
  p.Line(1.5f, 8, 14.5f, 8, kBlue, 0.75f);
  p.Line(8, 1.5f, 8, 14.5f, kBlue, 0.75f);
}

void MediaPlayer(P& p) {
  p.RoundRect(0.5f, 2, 15.5f, 14, 2, kDark);
  PlayTriangle(p, 6, 4.5f, 7, kWhite);
}

void SlideShow(P& p) {
  p.Rect(4, 1, 15, 10, kFace, kEdge);
  Picture(p, 1, 5, 12, 15);
}

void Edit(P& p) {
  WhiteBox(p, 0, 3.5f, 16, 12.5f);
  p.Text(1, 3.5f, 10, 12.5f, "ab", kInk, 8, false);
  p.Line(11.5f, 5.5f, 11.5f, 10.5f, kInk);
  p.Line(10.5f, 5.5f, 12.5f, 5.5f, kInk);
  p.Line(10.5f, 10.5f, 12.5f, 10.5f, kInk);
}

void RadioButton(P& p) {
  p.Ellipse(2, 2, 14, 14, kWhite, kEdge);
  p.Ellipse(5, 5, 11, 11, kInk);
}

void CheckBox(P& p) {
  p.Rect(2, 2, 14, 14, kWhite, kEdge);
  p.Polygon({{4, 8}, {6, 6.5f}, {7.5f, 8.5f}, {11.5f, 3.5f}, {13, 5}, {7.5f, 11.5f}}, kGreen);
}

void SimpleText(P& p) { p.Text(0, 0, 16, 16, "T", kInk, 15, true); }

void Flash(P& p) {
  p.RoundRect(1, 1, 15, 15, 3, kRed);
  p.Text(1, 1, 15, 15, "f", kWhite, 13, true, true);
}

void Shape(P& p) {
  p.Rect(1, 1, 10, 10, kOrange, RGB(190, 100, 20));
  p.Ellipse(5, 5, 15, 15, kLightBlue, kBlue);
}

void ListBox(P& p) {
  WhiteBox(p, 0, 1, 16, 15);
  p.Line(2, 4, 14, 4, kInk);
  p.Rect(1, 6, 15, 10, kBlue);
  p.Line(2, 8, 12, 8, kWhite);
  p.Line(2, 12, 11, 12, kInk);
}

void DropDownList(P& p) {
  WhiteBox(p, 0, 3.5f, 16, 12.5f);
  p.Line(2, 8, 8, 8, kInk);
  p.Rect(10, 4.5f, 15, 11.5f, kFace);
  p.Polygon({{10.75f, 7}, {14.25f, 7}, {12.5f, 9.5f}}, kInk);
}

void ListView(P& p) {
  WhiteBox(p, 0, 1, 16, 15);
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < 2; ++column) {
      const float l = 2.5f + column * 6.5f, t = 3 + row * 6;
      p.Rect(l, t, l + 4, t + 3, column == row ? kBlue : kLightBlue);
      p.Line(l, t + 4.5f, l + 4, t + 4.5f, kInk, 0.75f);
    }
  }
}

void TreeView(P& p) { TreeLines(p, kLightBlue); }

void ShellComboBox(P& p) {
  DropDownList(p);
  SmallFolder(p, 1.5f, 6);
}

void ShellTreeView(P& p) {
  p.Line(3.5f, 5, 3.5f, 12.5f, kGrey);
  p.Line(3.5f, 8.5f, 7, 8.5f, kGrey);
  p.Line(3.5f, 12.5f, 7, 12.5f, kGrey);
  Folder(p, 0.5f, 1, 7.5f, 5.5f);
  Folder(p, 7, 6.5f, 13, 10.5f);
  Folder(p, 7, 10.5f, 13, 14.5f);
}

void ShellListView(P& p) {
  WhiteBox(p, 0, 1, 16, 15);
  SmallFolder(p, 2, 3);
  SmallFolder(p, 9, 3);
  SmallFolder(p, 2, 9.5f);
  SmallFolder(p, 9, 9.5f);
}

void HiddenObject(P& p) {
  for (int i = 0; i < 4; ++i) {
    p.Line(1 + i * 4, 2.5f, 3 + i * 4, 2.5f, kEdge);
    p.Line(1 + i * 4, 13.5f, 3 + i * 4, 13.5f, kEdge);
  }
  for (int i = 0; i < 3; ++i) {
    p.Line(1.5f, 4 + i * 3.5f, 1.5f, 5.5f + i * 3.5f, kEdge);
    p.Line(14.5f, 4 + i * 3.5f, 14.5f, 5.5f + i * 3.5f, kEdge);
  }
  p.Ellipse(3, 5, 13, 11, kWhite, kEdge);
  p.Ellipse(6, 6, 10, 10, kInk);
  p.Line(3, 12, 13, 4, kRed, 1.5f);
}

void SelectArrow(P& p) {
  p.Polygon({{4, 1}, {4, 13}, {7, 10.5f}, {9, 15}, {11, 14}, {9, 9.5f}, {13, 9.5f}}, kWhite, kInk);
}

// ---- Tool bar ----

void NewProject(P& p) {
  Page(p, 2, 1, 13, 15);
  p.Polygon({{12, 8}, {13, 11}, {16, 12}, {13, 13}, {12, 16}, {11, 13}, {8, 12}, {11, 11}}, kYellow,
            kFolderEdge);
}

void Open(P& p) {
  p.Polygon({{0.5f, 2}, {5, 2}, {6.5f, 3.5f}, {13, 3.5f}, {13, 13.5f}, {0.5f, 13.5f}}, kFolderEdge);
  p.Polygon({{3, 6.5f}, {15.5f, 6.5f}, {13, 13.5f}, {0.5f, 13.5f}}, kFolder, kFolderEdge);
}

void Save(P& p) { Floppy(p, 1, 1, 15, 15); }

void ProjectOptions(P& p) {
  Window(p, 0.5f, 1, 13.5f, 13);
  p.Line(2.5f, 7, 9, 7, kInk);
  p.Line(2.5f, 10, 7, 10, kInk);
  // A gear over the corner: the settings of the whole project.
  p.Polygon({{12, 7}, {13, 9}, {15, 8.5f}, {15, 10.5f}, {16, 11.5f}, {15, 12.5f}, {15, 14.5f}, {13, 14},
             {12, 16}, {11, 14}, {9, 14.5f}, {9, 12.5f}, {8, 11.5f}, {9, 10.5f}, {9, 8.5f}, {11, 9}},
            kGrey, kInk);
  p.Ellipse(10.5f, 10, 13.5f, 13, kWhite);
}

void SaveAndTest(P& p) {
  Floppy(p, 0, 0, 11, 11);
  p.Ellipse(7, 7, 16, 16, kWhite, kGreen);
  PlayTriangle(p, 10.5f, 9.5f, 4, kGreen);
}

void SaveAndPublish(P& p) {
  Disc(p, 0, 3, 13, 16);
  p.Polygon({{11, 0}, {16, 4.5f}, {11, 9}, {11, 6.5f}, {7, 6.5f}, {7, 2.5f}, {11, 2.5f}}, kGreen, kDarkGreen);
}

void AddPage(P& p) {
  Page(p, 1, 1, 12, 15);
  TextLines(p, 3, 7, 9, 2, kGrey);
  p.Ellipse(7, 7, 16, 16, kWhite, kGreen);
  PlusSign(p, 11.5f, 11.5f);
}

void LoadPageFromTemplate(P& p) {
  p.Rect(4, 0.5f, 15, 12, kFace, kEdge);
  Page(p, 1, 3, 11, 15.5f);
  p.Rect(3, 6, 9, 9, kLightBlue);
  TextLines(p, 3, 11, 9, 2, kGrey);
}

void PageMenuBar(P& p) {
  Window(p, 0.5f, 1, 15.5f, 15);
  p.Rect(1.5f, 5, 14.5f, 8, kFace);
  p.Line(3, 6.5f, 6, 6.5f, kInk);
  p.Line(8, 6.5f, 11, 6.5f, kInk);
  p.Rect(7, 8, 12, 13, kWhite, kEdge);
  p.Line(8, 10, 11, 10, kInk, 0.75f);
  p.Line(8, 11.75f, 11, 11.75f, kInk, 0.75f);
}

void PreviewPage(P& p) {
  Page(p, 1, 1, 12, 15);
  TextLines(p, 3, 6, 9, 4, kGrey);
  p.Line(12, 12, 15.5f, 15.5f, kInk, 2.5f);
  p.Ellipse(6, 6, 14, 14, RGB(220, 235, 255), kInk);
}

// ---- Page kinds ----

void SplashScreen(P& p) {
  p.Rect(1, 3, 15, 13, kLightBlue, kEdge);
  p.Polygon({{8, 4}, {9.2f, 7}, {12.5f, 7.2f}, {10, 9.2f}, {10.8f, 12.4f}, {8, 10.6f}, {5.2f, 12.4f},
             {6, 9.2f}, {3.5f, 7.2f}, {6.8f, 7}},
            kYellow, kFolderEdge);
}

void ScreenBackground(P& p) {
  p.Rect(0.5f, 1.5f, 15.5f, 12, kDark);
  p.Rect(1.5f, 2.5f, 14.5f, 11, kBlue);
  p.Polygon({{1.5f, 11}, {6, 6}, {9, 9}, {11, 7}, {14.5f, 11}}, kLightBlue);
  p.Rect(6.5f, 12, 9.5f, 14, kGrey);
  p.Rect(4, 14, 12, 15, kEdge);
}

void MainPage(P& p) {
  Window(p, 0.5f, 1, 15.5f, 15);
  p.Polygon({{8, 5.5f}, {12.5f, 9.5f}, {11, 9.5f}, {11, 13.5f}, {5, 13.5f}, {5, 9.5f}, {3.5f, 9.5f}}, kOrange);
  p.Rect(7, 10.5f, 9, 13.5f, kWhite);
}

void SubPage(P& p) {
  Window(p, 0.5f, 0.5f, 11, 10, kLightBlue);
  Window(p, 5, 5.5f, 15.5f, 15.5f);
}

void ExitForm(P& p) {
  Window(p, 0.5f, 1, 15.5f, 15);
  p.Line(5, 7, 11, 13, kRed, 2);
  p.Line(11, 7, 5, 13, kRed, 2);
}

void SecurityForm(P& p) {
  p.Ellipse(4, 1, 12, 11, P::kNone, kEdge);
  p.Ellipse(4.5f, 1.5f, 11.5f, 10.5f, P::kNone, kEdge);
  p.Rect(2, 7, 14, 15, kYellow, kFolderEdge);
  p.Ellipse(7, 9.5f, 9, 11.5f, kDark);
  p.Rect(7.5f, 11, 8.5f, 13, kDark);
}

void AgreementForm(P& p) {
  Page(p, 1, 1, 13, 15);
  TextLines(p, 3, 5, 10, 3, kGrey);
  p.Polygon({{6, 11}, {7.5f, 9.5f}, {9.5f, 11.5f}, {14, 6.5f}, {15.5f, 8}, {9.5f, 14.5f}}, kGreen);
}

constexpr IconDrawing kObjectKinds[] = {
    Button,   ImageButton, Image,       Label,      Link,          FadeLabel,     Text,
    ScrollText, TextBox,   RichText,    Avi,        Explorer,      MediaPlayer,   SlideShow,
    Edit,     RadioButton, CheckBox,    SimpleText, Flash,         Shape,         ListBox,
    DropDownList, ListView, TreeView,   ShellComboBox, ShellTreeView, ShellListView, HiddenObject,
};
static_assert(std::size(kObjectKinds) == 28);

constexpr IconDrawing kToolBar[] = {NewProject,   Open,    Save,                 ProjectOptions, SaveAndTest,
                                    SaveAndPublish, AddPage, LoadPageFromTemplate, PageMenuBar,    PreviewPage};

constexpr IconDrawing kPageKinds[] = {SplashScreen, ScreenBackground, MainPage,     SubPage,
                                      ExitForm,     SecurityForm,     AgreementForm};

}  // namespace

std::span<const IconDrawing> ObjectKindDrawings() { return kObjectKinds; }
IconDrawing SelectToolDrawing() { return SelectArrow; }
std::span<const IconDrawing> ToolBarDrawings() { return kToolBar; }
std::span<const IconDrawing> PageKindDrawings() { return kPageKinds; }

}  // namespace plexara
