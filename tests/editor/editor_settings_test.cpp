// The editor's settings file: defaults, what reading keeps, and the five keys written together.
#include "editor/editor_settings.h"

#include <gtest/gtest.h>

#include "support/memory_ini.h"

namespace plexara {
namespace {

using testing_support::MemoryIni;

TEST(EditorSettings, AnUnreadableFileLeavesTheDefaults) {
  MemoryIni ini;
  ini.Set("SETTINGS", "GRIDSIZEX", "20");
  ini.readable = false;
  const EditorSettings settings = ReadEditorSettings(ini);
  EXPECT_EQ(settings, EditorSettings{});
  EXPECT_TRUE(settings.displayGrid && settings.snapToGrid);
  EXPECT_EQ(settings.gridX, 8);
  EXPECT_EQ(settings.backColor, -2147483624);
}

TEST(EditorSettings, ReadsEachKeyAndKeepsTheDefaultForValuesThatMakeNoSense) {
  MemoryIni ini;
  ini.Set("SETTINGS", "DISPLAYGRID", "0");
  ini.Set("SETTINGS", "SNAPTOGRID", "x");
  ini.Set("SETTINGS", "GRIDSIZEX", "0");
  ini.Set("SETTINGS", "GRIDSIZEY", "12");
  ini.Set("SETTINGS", "BACKCOLOR", "-2147483633");
  const EditorSettings settings = ReadEditorSettings(ini);
  EXPECT_FALSE(settings.displayGrid);
  EXPECT_TRUE(settings.snapToGrid);
  EXPECT_EQ(settings.gridX, 8) << "a grid of 0 would divide by zero";
  EXPECT_EQ(settings.gridY, 12);
  EXPECT_EQ(settings.backColor, -2147483633);
}

TEST(EditorSettings, WritesAllFiveKeysAndReadsThemBack) {
  MemoryIni ini;
  const EditorSettings written{
      .displayGrid = false, .snapToGrid = true, .gridX = 2, .gridY = 99, .backColor = 255};
  WriteEditorSettings(ini, written);
  EXPECT_EQ(ini.values.size(), 5u);
  EXPECT_EQ((ini.values[{"SETTINGS", "DISPLAYGRID"}]), "0");
  EXPECT_EQ((ini.values[{"SETTINGS", "SNAPTOGRID"}]), "1");
  EXPECT_EQ(ReadEditorSettings(ini), written);

  WriteEditorSettings(ini, EditorSettings{});
  EXPECT_EQ((ini.values[{"SETTINGS", "BACKCOLOR"}]), "-2147483624");
}

TEST(EditorSettings, DefaultPathAndTheSeenVersion) {
  MemoryIni ini;
  EXPECT_EQ(ReadSeenVersion(ini), "");
  WriteSeenVersion(ini, "2.0.1");
  WriteDefaultPath(ini, "D:\\Discs\\Demo");
  EXPECT_EQ(ReadSeenVersion(ini), "2.0.1");
  EXPECT_EQ((ini.values[{"START", "DefaultPath"}]), "D:\\Discs\\Demo");
}

TEST(SnapToGrid, RoundsToTheNearestLine) {
  EXPECT_EQ(SnapToGrid(11, 8), 8);
  EXPECT_EQ(SnapToGrid(12, 8), 16);
  EXPECT_EQ(SnapToGrid(3, 8), 0);
  EXPECT_EQ(SnapToGrid(14, 10), 10);
  EXPECT_EQ(SnapToGrid(15, 10), 20);
}

}  // namespace
}  // namespace plexara
