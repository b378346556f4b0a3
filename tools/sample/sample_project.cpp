#include "sample/sample_project.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "storage/button_records.h"
#include "storage/kind_table.h"
#include "storage/packed_tree.h"
#include "storage/page_file.h"
#include "storage/primitives.h"
#include "storage/project_file.h"
#include "storage/shape_record.h"
#include "storage/target_file.h"
#include "storage/text_records.h"

namespace plexara::sample {
namespace {

// A rounded button face in a vertical two-tone gradient, with transparent corners.
Picture ButtonFace(int width, int height, Bgra top, Bgra bottom) {
  Bitmap bitmap(width, height, Bgra{0, 0, 0, 0});
  const int radius = 8;
  for (int y = 0; y < height; ++y) {
    const auto mix = [&](std::uint8_t a, std::uint8_t b) {
      return static_cast<std::uint8_t>(a + (b - a) * y / std::max(1, height - 1));
    };
    const Bgra colour{mix(top.b, bottom.b), mix(top.g, bottom.g), mix(top.r, bottom.r), 255};
    for (int x = 0; x < width; ++x) {
      const int dx = std::max({radius - x, x - (width - 1 - radius), 0});
      const int dy = std::max({radius - y, y - (height - 1 - radius), 0});
      if (dx * dx + dy * dy <= radius * radius) bitmap.at(x, y) = colour;
    }
  }
  return Picture::FromBitmap(bitmap);
}

// A small landscape: sky, sun and hills, for the Image object.
Picture Landscape(int width, int height) {
  Bitmap bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      Bgra c{static_cast<std::uint8_t>(235 - y / 3), static_cast<std::uint8_t>(190 - y / 4), 90, 255};
      const int sx = x - width * 3 / 4, sy = y - height / 4;
      if (sx * sx + sy * sy < 14 * 14) c = Bgra{60, 210, 255, 255};
      const int hill = height * 2 / 3 + static_cast<int>(12 * ((x * 7 % 50) - 25) / 25.0);
      if (y > hill) c = Bgra{60, static_cast<std::uint8_t>(150 - (y - hill)), 50, 255};
      bitmap.at(x, y) = c;
    }
  }
  return Picture::FromBitmap(bitmap);
}

ObjectData MakeObject(KindRecord record, const std::string& name, std::uint8_t actionKind = 0,
                      const std::string& target = {}) {
  ObjectData object;
  object.record = std::move(record);
  object.command.name = name;
  object.command.actionKind = actionKind;
  object.command.actionTarget = target;
  return object;
}

ImageButtonRecord MenuButton(const std::string& caption, int left, int top) {
  ImageButtonRecord button;
  button.caption = caption;
  button.normalImage = ButtonFace(180, 40, Bgra{200, 120, 40, 255}, Bgra{140, 70, 20, 255});
  button.mouseOverImage = ButtonFace(180, 40, Bgra{240, 170, 70, 255}, Bgra{190, 110, 40, 255});
  button.mouseDownImage = ButtonFace(180, 40, Bgra{120, 60, 20, 255}, Bgra{190, 110, 50, 255});
  button.normalFont.color = kColorWhite;
  button.normalFont.size = 11;
  button.normalFont.style = 1;  // bold
  button.mouseOverFont = button.normalFont;
  button.mouseOverFont.color = RgbColor(255, 255, 160);
  button.mouseDownFont = button.normalFont;
  button.buttonStyle = kButtonStyleBorderNone;
  button.imageLayout = kImageLayoutStretch;
  button.margin = 0;
  button.space = 0;
  button.left = left;
  button.top = top;
  button.width = 180;
  button.height = 40;
  return button;
}

ShapeRecord Shape(std::int32_t code, int left, int top, int width, int height, ColorRef fill) {
  ShapeRecord shape;
  shape.shape = code;
  shape.fillColor = fill;
  shape.left = left;
  shape.top = top;
  shape.width = width;
  shape.height = height;
  return shape;
}

// About the height of a one-line menu bar.
constexpr int kMenuBarRoom = 20;

// A plain text on the page: a frameless image button without pictures shows only its caption.
ImageButtonRecord Caption(const std::string& text, int left, int top, int width, int height,
                          ColorRef colour, int size) {
  ImageButtonRecord caption;
  caption.caption = text;
  caption.normalFont.color = colour;
  caption.normalFont.size = size;
  caption.normalFont.style = 1;  // bold
  caption.mouseOverFont = caption.normalFont;
  caption.mouseDownFont = caption.normalFont;
  caption.buttonStyle = kButtonStyleBorderNone;
  caption.imageLayout = kImageLayoutCenter;
  caption.mouseDownSlide = false;
  caption.left = left;
  caption.top = top;
  caption.width = width;
  caption.height = height;
  return caption;
}

ButtonRecord FormButton(const std::string& caption, std::uint8_t type, int left, int top) {
  ButtonRecord button;
  button.caption = caption;
  button.buttonType = type;
  button.left = left;
  button.top = top;
  button.width = 100;
  button.height = 28;
  return button;
}

MenuItemData MenuItem(const std::string& caption, std::uint8_t actionKind = 0,
                      const std::string& target = {}, std::uint16_t shortcut = 0) {
  MenuItemData item;
  item.caption = caption;
  item.shortcut = shortcut;
  if (actionKind != 0) {
    MenuItemAction action;
    action.actionKind = actionKind;
    action.actionTarget = target;
    item.hint = EncodeMenuItemAction(action);
  }
  return item;
}

PageData SplashPage() {
  PageData page;
  page.pageName = kSplashPageName;
  page.caption = "Welcome";
  page.pageKind = static_cast<std::uint8_t>(PageKind::SplashScreen);
  page.borderStyle = 0;  // no frame
  page.position = 4;
  page.width = 420;
  page.height = 220;
  page.backColor = RgbColor(250, 250, 255);
  page.gradientColor = RgbColor(120, 160, 230);
  page.gradientStyle = 5;  // middle to top and bottom
  page.stayTime = 3;
  page.clickContinue = true;
  page.fadeIn = page.fadeOut = true;
  page.fadeInDelay = page.fadeOutDelay = 10;
  page.fadeInStep = page.fadeOutStep = 15;
  page.shadow = true;
  page.shadowAlpha = 80;
  page.shadowXOff = page.shadowYOff = 8;
  page.objects.push_back(MakeObject(Shape(1, 20, 20, 380, 180, RgbColor(20, 40, 90)), "Frame"));
  page.objects.push_back(
      MakeObject(Caption("Plexara Sample Menu", 30, 60, 360, 40, kColorWhite, 18), "Title"));
  page.objects.push_back(MakeObject(
      Caption("a disc menu made with Plexara", 30, 110, 360, 30, RgbColor(200, 220, 255), 10),
      "Subtitle"));
  return page;
}

PageData AgreementPage() {
  PageData page;
  page.pageName = kAgreementPageName;
  page.caption = kAgreementCaption;
  page.pageKind = static_cast<std::uint8_t>(PageKind::AgreementForm);
  page.borderIcons = 0x01;
  page.borderStyle = 3;  // dialog frame
  page.position = 4;
  page.width = 460;
  page.height = 300;
  page.backColor = RgbColor(240, 240, 245);
  page.gradientColor = RgbColor(210, 220, 240);
  page.gradientStyle = 1;
  page.shadow = page.fadeIn = page.fadeOut = false;  // a plain dialog
  page.objects.push_back(MakeObject(Caption("Please read the licence before you go on.", 20, 20,
                                            410, 30, RgbColor(20, 40, 90), 11),
                                    "Heading"));
  page.objects.push_back(MakeObject(
      Caption("You may use this sample freely.", 20, 60, 410, 30, RgbColor(60, 60, 60), 10),
      "Terms"));
  RadioButtonRecord accept;
  accept.caption = kAcceptCaption;
  accept.needCheck = true;
  accept.color = RgbColor(240, 240, 245);
  accept.left = 40;
  accept.top = 120;
  accept.width = 300;
  accept.height = 20;
  accept.tabOrder = 0;
  RadioButtonRecord decline = accept;
  decline.caption = kDeclineCaption;
  decline.needCheck = false;
  decline.checked = true;
  decline.top = 150;
  decline.tabOrder = 1;
  page.objects.push_back(MakeObject(accept, "Accept"));
  page.objects.push_back(MakeObject(decline, "Decline"));
  page.objects.push_back(
      MakeObject(FormButton(kContinueCaption, kButtonTypeSubmit, 220, 210), "Continue"));
  page.objects.push_back(MakeObject(FormButton("Cancel", kButtonTypeCancel, 330, 210), "Cancel"));
  return page;
}

PageData ExitFormPage() {
  PageData page;
  page.pageName = kExitFormName;
  page.caption = kExitFormCaption;
  page.pageKind = static_cast<std::uint8_t>(PageKind::ExitForm);
  page.borderIcons = 0x01;
  page.borderStyle = 3;
  page.position = 4;
  page.width = 360;
  page.height = 180;
  page.backColor = RgbColor(255, 250, 235);
  page.gradientColor = RgbColor(255, 220, 160);
  page.gradientStyle = 1;
  page.stayTime = 10;  // leaves by itself when nobody answers
  page.clickContinue = false;
  page.shadow = page.fadeIn = page.fadeOut = false;  // a plain dialog
  page.objects.push_back(MakeObject(
      Caption("Thank you for visiting. Leave now?", 20, 20, 310, 40, RgbColor(90, 50, 10), 11),
      "Question"));
  page.objects.push_back(
      MakeObject(FormButton(kStayCaption, kButtonTypeCancel, 60, 90), "StayButton"));
  page.objects.push_back(
      MakeObject(FormButton(kQuitCaption, kButtonTypeOk, 190, 90), "QuitButton"));
  return page;
}

// The anti-aliased text objects of the main page: a title label with a shadow and a gradient on
// the banner, a fading line and a link under the buttons, and a scrolling text under the picture.
void AddTextObjects(PageData& page) {
  LabelRecord title;
  title.caption = kMainCaption;
  title.font.size = 24;
  title.font.style = kFontBold;
  title.effect.gradient.enabled = true;
  title.effect.gradient.startColor = RgbColor(30, 60, 170);
  title.effect.gradient.endColor = RgbColor(130, 30, 140);
  title.left = kTitleLeft;
  title.top = kTitleTop;
  page.objects.push_back(MakeObject(title, "TitleLabel"));

  FadeLabelRecord fade;
  fade.lines = "Welcome!\r\nInstall the software\r\nBrowse the disc\r\nRead the details";
  fade.font = NewTextFont();
  fade.font.size = 13;
  fade.font.style = kFontBold;
  fade.font.color = kColorWhite;
  fade.transparent = true;
  fade.lineDelay = 2500;
  fade.left = kFadeLeft;
  fade.top = kFadeTop;
  fade.width = 180;
  fade.height = 30;
  page.objects.push_back(MakeObject(fade, "FadeLine"));

  LinkRecord link;
  link.caption = "More details...";
  link.font.size = 12;
  link.font.color = kColorWhite;
  link.fontColor = RgbColor(255, 230, 0);
  link.underLine = true;
  link.effect.shadow.enabled = false;
  link.hotEffect.shadow.enabled = false;
  link.left = kLinkLeft;
  link.top = kLinkTop;
  page.objects.push_back(MakeObject(link, "DetailsLink", kActionShowSubPage, kSubPageName));

  ScrollTextRecord scroll;
  scroll.text =
      "Plexara Sample Menu\r\n\r\nMade with Plexara\r\nAnti-aliased text\r\nImage buttons\r\n"
      "Shapes and pictures\r\n\r\nThank you for watching";
  scroll.font.size = 11;
  scroll.font.color = RgbColor(20, 40, 120);
  scroll.effect.shadow.enabled = false;
  scroll.backColor = RgbColor(245, 248, 255);
  scroll.fadeHeight = 14;
  scroll.scrollDelay = 40;
  scroll.repeatDelay = 1500;
  scroll.left = kScrollLeft;
  scroll.top = kScrollTop;
  scroll.width = kScrollWidth;
  scroll.height = kScrollHeight;
  page.objects.push_back(MakeObject(scroll, "Credits"));
}

PageData MainPage() {
  PageData page;
  page.pageName = kMainPageName;
  page.caption = kMainCaption;
  page.pageKind = static_cast<std::uint8_t>(PageKind::MainPage);
  page.borderIcons = 0x03;
  page.borderStyle = 1;
  page.position = 4;
  page.width = kMainWidth;
  page.height = kMainHeight;
  page.backColor = RgbColor(20, 40, 90);
  page.gradientColor = RgbColor(90, 150, 220);
  page.gradientStyle = 1;  // top to bottom
  page.shadow = true;
  page.shadowAlpha = 80;
  page.shadowXOff = 8;
  page.shadowYOff = 8;
  page.fadeIn = page.fadeOut = true;
  page.fadeInDelay = page.fadeOutDelay = 20;
  page.fadeInStep = page.fadeOutStep = 20;

  ShapeRecord banner = Shape(1, 30, 24, 574, 70, RgbColor(250, 250, 255));
  banner.fillStyle = 3;  // gradient left to right
  banner.gradientColor = RgbColor(170, 200, 245);
  banner.parameter = 24;
  banner.borderWidth = 2;
  banner.borderColor = RgbColor(255, 255, 255);
  page.objects.push_back(MakeObject(banner, "Banner"));
  ShapeRecord divider = Shape(34, 30, 110, 574, 6, kColorWhite);
  divider.borderWidth = 2;
  divider.borderColor = RgbColor(200, 220, 255);
  page.objects.push_back(MakeObject(divider, "Divider"));
  page.objects.push_back(MakeObject(Shape(2, 540, 370, 60, 60, RgbColor(255, 200, 60)), "Sun"));

  ImageRecord image;
  image.normalImage = Landscape(240, 170);
  image.left = 330;
  image.top = 140;
  image.width = 240;
  image.height = 170;
  page.objects.push_back(MakeObject(image, "Picture"));

  page.objects.push_back(MakeObject(MenuButton("Install", 60, 140), "InstallButton"));
  page.objects.push_back(MakeObject(MenuButton("Details", 60, 200), "DetailsButton", 6, kSubPageName));
  page.objects.push_back(MakeObject(MenuButton("Browse Disc", 60, 260), "BrowseButton"));
  page.objects.push_back(MakeObject(MenuButton("Exit", 60, 320), "ExitButton", kActionExit));

  AddTextObjects(page);

  // The menu bar takes room from the window; the window grows by it so the page keeps its size.
  page.height += kMenuBarRoom;
  MenuItemData file = MenuItem("&File");
  file.items = {
      MenuItem("&Details...", kActionShowSubPage, kSubPageName), MenuItem("-"),
      MenuItem("E&xit", kActionExit, {}, static_cast<std::uint16_t>(kShortcutCtrl | 'Q'))};
  MenuItemData help = MenuItem("&Help");
  help.items = {MenuItem("&About", kActionShowMessage,
                         "Plexara Sample Menu, a disc menu made with Plexara.")};
  page.menuBar = {file, help};
  page.popupMenu = {MenuItem("Details...", kActionShowSubPage, kSubPageName),
                    MenuItem("Exit", kActionExit)};
  return page;
}

PageData SubPage() {
  PageData page;
  page.pageName = kSubPageName;
  page.caption = "Details";
  page.pageKind = static_cast<std::uint8_t>(PageKind::SubPage);
  page.width = 420;
  page.height = 300;
  page.backColor = RgbColor(240, 240, 245);
  page.gradientColor = RgbColor(200, 210, 230);
  page.gradientStyle = 5;  // middle to top and bottom
  page.borderIcons = 0x03;
  page.shadow = false;
  page.fadeIn = page.fadeOut = true;
  page.fadeInDelay = page.fadeOutDelay = 10;
  page.fadeInStep = page.fadeOutStep = 15;
  ImageButtonRecord close = MenuButton("Close", 120, 200);
  page.objects.push_back(MakeObject(close, "CloseButton", kActionCloseWindow));
  page.objects.push_back(MakeObject(Shape(24, 150, 40, 120, 100, RgbColor(120, 170, 240)), "Hexagon"));
  return page;
}

}  // namespace

bool WriteSampleProject(const std::string& folder, SampleForms forms) {
  const std::string source = JoinPath(folder, "AutoRunSource");
  if (!NativeTreeFileSystem().FolderExists(source) && !NativeTreeFileSystem().CreateFolder(source)) return false;
  std::vector<PageData> pages;
  if (forms == SampleForms::Included) pages = {SplashPage(), AgreementPage()};
  pages.push_back(MainPage());
  pages.push_back(SubPage());
  if (forms == SampleForms::Included) pages.push_back(ExitFormPage());
  ProjectData project;
  project.settings.applicationTitle = kMainCaption;
  for (const PageData& page : pages) {
    project.pages.push_back({.name = page.pageName, .kind = page.pageKind});
    if (!SavePageFile(PageFilePath(folder, page.pageName), page)) return false;
  }
  if (!SaveProjectFile(ProjectFilePath(folder), project)) return false;
  return WriteTargetFile(folder, project);
}

}  // namespace plexara::sample
