#include "sample/sample_project.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "objects/button_records.h"
#include "objects/kind_table.h"
#include "objects/shape_record.h"
#include "storage/packed_tree.h"
#include "storage/page_file.h"
#include "storage/project_file.h"
#include "storage/target_file.h"

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
  page.objects.push_back(MakeObject(MenuButton("Exit", 60, 320), "ExitButton"));
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
  page.fadeIn = page.fadeOut = true;
  ImageButtonRecord close = MenuButton("Close", 120, 200);
  page.objects.push_back(MakeObject(close, "CloseButton"));
  page.objects.push_back(MakeObject(Shape(24, 150, 40, 120, 100, RgbColor(120, 170, 240)), "Hexagon"));
  return page;
}

}  // namespace

bool WriteSampleProject(const std::string& folder) {
  const std::string source = JoinPath(folder, "AutoRunSource");
  if (!NativeTreeFileSystem().FolderExists(source) && !NativeTreeFileSystem().CreateFolder(source)) return false;
  const PageData pages[] = {MainPage(), SubPage()};
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
