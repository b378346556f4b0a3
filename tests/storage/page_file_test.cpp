// Page records and object envelopes: the documented layout of an empty page, older layouts, the
// failure rules, the two reading modes, and the readable form giving back the same bytes.
#include "storage/page_file.h"

#include <gtest/gtest.h>

#include "inspect/inspect.h"
#include "storage/json_fields.h"
#include "storage/kind_table.h"
#include "storage/primitives.h"
#include "support/picture_fixtures.h"
#include "support/recording_reporter.h"
#include "support/stream_helpers.h"

namespace plexara {
namespace {

using testing_support::Bytes;
using testing_support::Encode;
using testing_support::Recorder;
using testing_support::ScopedRecording;

Bytes PageBytes(const PageData& page) {
  return Encode([&](OutStream& o) { ASSERT_TRUE(WritePage(o, page)); });
}

// Where the menu blocks start, counted from the end of a page whose menus are empty: the page
// name, the envelopes, the object count and the two empty menu blocks.
std::size_t MenuOffset(const PageData& page) {
  std::size_t tail = 20 + Encode([&](OutStream& o) { WriteString(o, page.pageName); }).size();
  for (const auto& object : page.objects) {
    tail += Encode([&](OutStream& o) { WriteObjectEnvelope(o, object); }).size();
  }
  return PageBytes(page).size() - tail;
}

ObjectData NewObject(const PageData& page, int kind) {
  ObjectData object;
  object.record = MakeKindRecord(kind);
  std::vector<std::string> names;
  for (const auto& existing : page.objects) names.push_back(existing.command.name);
  object.command = NewObjectCommand(names, kind);
  return object;
}

TEST(PageFile, EmptyPageHasBothMenuMarkersAndZeroCounts) {
  PageData page;
  page.pageName = "Main";
  const Bytes bytes = PageBytes(page);
  const std::size_t at = MenuOffset(page);
  const Bytes tail(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end());
  EXPECT_EQ(tail, testing_support::BytesOf({0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0,
                                            0, 0, 0, 0, 4, 0, 0, 0, 'M', 'a', 'i', 'n'}));
  MemoryInStream in(bytes);
  PageData back;
  ASSERT_TRUE(ReadPage(in, back));
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(PageBytes(back), bytes);
}

TEST(PageFile, EveryKindRoundTripsThroughBinaryAndJson) {
  PageData page;
  page.pageName = "All kinds";
  page.caption = "Caf\xE9";
  page.backImage = Picture::FromBitmap(testing_support::MakeTestBitmap(4, 3));
  page.menuBar.push_back(MenuItemData{.caption = "&File"});
  page.popupMenu.push_back(MenuItemData{.caption = "Close"});
  page.reserved2 = 77;  // reserved fields are written back as read
  for (int kind = 0; kind < kObjectKindCount; ++kind) {
    ObjectData object = NewObject(page, kind);
    if (kind == 0) object.popupMenu.push_back(MenuItemData{.caption = "Help"});
    page.objects.push_back(std::move(object));
  }
  const Bytes bytes = PageBytes(page);
  MemoryInStream in(bytes);
  PageData back;
  ASSERT_TRUE(ReadPage(in, back));
  ASSERT_EQ(back.objects.size(), 27u);
  for (int kind = 0; kind < kObjectKindCount; ++kind) EXPECT_EQ(back.objects[kind].kind(), kind);
  EXPECT_EQ(back.objects[0].popupMenu.size(), 1u);
  EXPECT_EQ(back.reserved2, 77);
  EXPECT_EQ(PageBytes(back), bytes);

  auto json = inspect::DumpFile(bytes);
  ASSERT_TRUE(json.ok()) << json.error().message;
  EXPECT_EQ(json.value()["fileType"], "page");
  EXPECT_EQ(json.value()["page"]["objects"][1]["kindName"], "ImageButton");
  EXPECT_EQ(json.value()["page"]["Caption"], "Caf\xC3\xA9");
  auto rebuilt = inspect::BuildFile(Json::parse(json.value().dump()));
  ASSERT_TRUE(rebuilt.ok()) << rebuilt.error().message;
  EXPECT_EQ(rebuilt.value(), bytes);
}

TEST(PageFile, OlderLayoutsLoad) {
  PageData page;
  page.pageName = "Old";
  page.objects.push_back(NewObject(page, 0));
  const Bytes bytes = PageBytes(page);
  const std::size_t at = MenuOffset(page);

  // Without either menu block: the int32 after the graphic comment is the object count.
  Bytes noMenus(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
  noMenus.insert(noMenus.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at + 16), bytes.end());
  PageData back;
  back.menuBar.push_back(MenuItemData{.caption = "stale"});
  MemoryInStream in(noMenus);
  ASSERT_TRUE(ReadPage(in, back));
  EXPECT_TRUE(back.menuBar.empty());
  EXPECT_EQ(back.objects.size(), 1u);

  // An envelope that begins with its kind byte has no right-click items.
  Bytes envelope = Encode([&](OutStream& o) { ASSERT_TRUE(WriteObjectEnvelope(o, page.objects[0])); });
  ASSERT_EQ(envelope[0], kEnvelopeVersion);
  Bytes old(envelope.begin() + 5, envelope.end());  // drop version byte and the zero item count
  ObjectData object;
  MemoryInStream oldIn(old);
  ASSERT_TRUE(ReadObjectEnvelope(oldIn, object));
  EXPECT_EQ(object.kind(), 0);
  EXPECT_TRUE(object.popupMenu.empty());
}

TEST(PageFile, UnknownKindFailsThePageWithoutAMessageOfItsOwn) {
  PageData page;
  page.objects.push_back(NewObject(page, 19));
  Bytes bytes = PageBytes(page);
  const std::size_t envelopeAt = MenuOffset(page) + 20;
  ASSERT_EQ(bytes[envelopeAt], kEnvelopeVersion);
  bytes[envelopeAt + 5] = 27;  // the kind byte after the version and the item count
  ScopedRecording recording;
  PageData back;
  MemoryInStream in(bytes);
  EXPECT_FALSE(ReadPage(in, back));
  EXPECT_TRUE(Recorder().boxes.empty());
}

TEST(PageFile, TruncatedPagesFailWithOneReport) {
  PageData page;
  page.pageName = "Cut";
  page.objects.push_back(NewObject(page, 3));
  page.objects.push_back(NewObject(page, 22));
  const Bytes bytes = PageBytes(page);
  for (std::size_t length = 0; length < bytes.size(); length += 7) {
    ScopedRecording recording;
    MemoryInStream in(std::span(bytes.data(), length));
    PageData back;
    EXPECT_FALSE(ReadPage(in, back)) << length;
    EXPECT_EQ(Recorder().boxes.size(), 1u) << length;
  }
}

TEST(PageFile, ContentReloadKeepsTheWindowAndTakesTheContent) {
  PageData window;
  window.caption = "Main window";
  window.width = 800;
  window.fadeIn = true;
  window.menuBar.push_back(MenuItemData{.caption = "Keep"});
  PageData loaded;
  loaded.caption = "Other page";
  loaded.width = 300;
  loaded.backColor = RgbColor(1, 2, 3);
  loaded.pageName = "Other";
  loaded.popupMenu.push_back(MenuItemData{.caption = "New"});
  loaded.objects.push_back(NewObject(loaded, 0));

  PageData reloaded = window;
  ApplyLoadedPage(reloaded, loaded, PageReadMode::ContentReload);
  EXPECT_EQ(reloaded.caption, "Main window");
  EXPECT_EQ(reloaded.width, 800);
  EXPECT_TRUE(reloaded.fadeIn);
  ASSERT_EQ(reloaded.menuBar.size(), 1u);
  EXPECT_EQ(reloaded.menuBar[0].caption, "Keep");
  EXPECT_EQ(reloaded.backColor, RgbColor(1, 2, 3));
  EXPECT_EQ(reloaded.pageName, "Other");
  EXPECT_EQ(reloaded.popupMenu.size(), 1u);
  EXPECT_EQ(reloaded.objects.size(), 1u);

  PageData full = window;
  ApplyLoadedPage(full, loaded, PageReadMode::Full);
  EXPECT_EQ(full.caption, "Other page");
  EXPECT_TRUE(full.menuBar.empty());
}

TEST(PageFile, NewObjectNamesFillTheFirstGap) {
  PageData page;
  for (const char* name : {"Button1", "Button3", "button2"}) {
    ObjectData object = NewObject(page, 0);
    object.command.name = name;
    page.objects.push_back(object);
  }
  EXPECT_EQ(MakeObjectName(page, 0), "Button2");
  EXPECT_EQ(MakeObjectName(page, 2), "Image1");
}

}  // namespace
}  // namespace plexara
