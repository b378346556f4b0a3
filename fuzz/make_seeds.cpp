// Writes the seed corpora of the fuzz targets from our own writers: make_seeds <corpus folder>
// creates one sub-folder per target.
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "editor/clipboard_block.h"
#include "silent_reporter.h"
#include "slideshow/slide_show_config.h"
#include "storage/action_record.h"
#include "storage/action_targets.h"
#include "storage/kind_table.h"
#include "storage/page_file.h"
#include "storage/primitives.h"
#include "support/picture_fixtures.h"

using namespace plexara;
using Bytes = std::vector<std::uint8_t>;

namespace {

std::filesystem::path root;

void Seed(const std::string& target, int index, const Bytes& bytes) {
  const auto folder = root / target;
  std::filesystem::create_directories(folder);
  std::ofstream file(folder / ("seed-" + std::to_string(index)), std::ios::binary);
  file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

Bytes Encode(const std::function<void(OutStream&)>& write) {
  MemoryOutStream out;
  write(out);
  return out.TakeBytes();
}

Picture Sample(GraphicClass graphicClass) {
  auto picture = Picture::FromPayload(graphicClass, testing_support::SamplePictureFile(graphicClass));
  return picture.ok() ? picture.value() : Picture();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  fuzzing::InstallSilentReporter();
  root = argv[1];
  const GraphicClass classes[] = {GraphicClass::Bitmap, GraphicClass::Icon, GraphicClass::Metafile,
                                  GraphicClass::Jpeg, GraphicClass::Gif, GraphicClass::Png};
  const char* decoderTargets[] = {"fuzz_decode_bmp", "fuzz_decode_ico", "fuzz_decode_metafile",
                                  "fuzz_decode_jpeg", "fuzz_decode_gif", "fuzz_decode_png"};
  for (int i = 0; i < 6; ++i) {
    Seed(decoderTargets[i], 0, testing_support::SamplePictureFile(classes[i]));
    Seed("fuzz_picture", i, Encode([&](OutStream& o) { WritePicture(o, Sample(classes[i])); }));
  }
  Seed("fuzz_decode_gif", 1, testing_support::EncodeGifFile(
      {testing_support::MakeTestBitmap(8, 6), testing_support::MakeTestBitmap(8, 6)}, {100, 250}));

  Seed("fuzz_string", 0, Encode([](OutStream& o) { WriteString(o, "abc"); }));
  FontData font;
  font.style = kFontBold | kFontItalic;
  Seed("fuzz_font", 0, Encode([&](OutStream& o) { WriteFont(o, font); }));
  TFxEffect effect;
  effect.shadow.enabled = true;
  effect.texture.picture = Sample(GraphicClass::Bitmap);
  Seed("fuzz_effect", 0, Encode([&](OutStream& o) { WriteEffect(o, effect); }));
  TFontLabels labels;
  labels.Add("Title").effect = effect;
  labels.Add("Body");
  Seed("fuzz_font_labels", 0, Encode([&](OutStream& o) { WriteFontLabels(o, labels); }));

  MenuItemData menu;
  menu.caption = "Menu";
  MenuItemData child;
  child.caption = "Open";
  child.hint = EncodeMenuItemAction({1, 1, "\\readme.txt", "", "", false});
  child.items.push_back(MenuItemData{});
  menu.items = {child, child};
  Seed("fuzz_menu_item", 0, Encode([&](OutStream& o) { WriteMenuItem(o, menu); }));
  const std::string hint = EncodeMenuItemAction({7, 3, "http://example.org", "", "", true});
  Seed("fuzz_menu_item_action", 0, Bytes(hint.begin(), hint.end()));

  TSlideSettings slide;
  slide.style = 42;
  slide.fileName = "b.png";
  Seed("fuzz_slide_show_config", 0, Encode([&](OutStream& o) { WriteSlideShowConfig(o, {slide, TSlideSettings{}}); }));

  TCommand command;
  command.actionKind = kActionOpenRunFile;
  command.actionTarget = "\\setup.exe";
  command.name = "Button1";
  command.comment = "Two\r\nlines";
  command.selectRunFile = "\\run.exe";
  command.groupName = "Group";
  command.visible = false;
  Seed("fuzz_action_record", 0, Encode([&](OutStream& o) { WriteActionRecord(o, command); }));
  RunListSettings runList;
  runList.entries = {{"\\a.exe", "/q", "\\", true}, {"\\b.txt", "", "", false}};
  ShowHideSettings showHide;
  showHide.sections[kShowGroups] = {"A", "B"};
  showHide.sections[kDisableObjects] = {"Button1"};
  ActionGroupSettings group;
  group.actions = {{kActionOpenRunFile, 1, runList.Encode(), "", "", true},
                   {kActionLaunchSlideShow, 1, SlideShowSettings().Encode(), "", "", false},
                   {kActionShowHideObjects, 1, showHide.Encode(), "", "", false}};
  const std::string targets[] = {runList.Encode(), SlideShowSettings().Encode(), CopyFileSettings().Encode(),
                                 LoadFileSettings{"Image1", "\\a.png"}.Encode(), showHide.Encode(),
                                 group.Encode()};
  for (int i = 0; i < 6; ++i) Seed("fuzz_action_targets", i, Bytes(targets[i].begin(), targets[i].end()));

  // A page holding one new object of every kind, and each object alone as an object file.
  PageData page;
  page.pageName = "Seeds";
  page.menuBar.push_back(menu);
  for (int kind = 0; kind < kObjectKindCount; ++kind) {
    std::vector<std::string> names;
    for (const auto& existing : page.objects) names.push_back(existing.command.name);
    ObjectData object;
    object.record = MakeKindRecord(kind);
    object.command = NewObjectCommand(names, kind);
    Seed("fuzz_object_file", kind, Encode([&](OutStream& o) { WriteObjectEnvelope(o, object); }));
    page.objects.push_back(std::move(object));
  }
  Seed("fuzz_page_file", 0, Encode([&](OutStream& o) { WritePage(o, page); }));
  for (ObjectData& object : page.objects) object.selected = true;
  Seed("fuzz_clipboard_block", 0, WriteClipboardBlock(page));
  return 0;
}
