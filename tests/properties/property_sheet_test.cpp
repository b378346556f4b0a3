#include <gtest/gtest.h>

#include "objects/object_bounds.h"
#include "properties/action_block.h"
#include "properties/page_rows.h"
#include "properties/shared_blocks.h"
#include "storage/kind_records.h"

namespace plexara {
namespace {

ObjectData MakeObject(ObjectKind kind, const std::string& name) {
  ObjectData object;
  object.record = MakeKindRecord(static_cast<int>(kind));
  object.command.name = name;
  return object;
}

int RowOf(const RowSheet& sheet, std::string_view key) {
  for (int row = 1; row <= sheet.RowCount(); ++row)
    if (sheet.Row(row)->key == key) return row;
  return 0;
}

TEST(PageSheet, RowsAndBlocksComeInTheirBindingOrder) {
  PageData page;
  page.pageName = "Main";
  const RowSheet sheet = BuildRowSheet(RowTarget{page});
  ASSERT_EQ(sheet.RowCount(), 41);
  EXPECT_EQ(sheet.commentBlockRow, 25);
  EXPECT_EQ(sheet.soundBlockRow, 32);
  EXPECT_EQ(sheet.positionBlockRow, 35);
  EXPECT_EQ(sheet.actionBlockRow, 39);
  EXPECT_EQ(sheet.visibilityBlockRow, kNoBlock);
  const char* keys[] = {"PageName", "Caption", "BorderStyle", "PageIcon", "StayTime (s)", "ClickContinue",
                        "BackColor", "BackImage", "BackImageStyle", "GradientStyle", "GradientColor",
                        "Transparent", "TransparentColor", "Shadow", "ShadowColor", "ShadowXOff", "ShadowYOff",
                        "ShadowAlpha (%)", "FadeIn", "FadeInDelay (ms)", "FadeInStep (%)", "FadeOut",
                        "FadeOutDelay (ms)", "FadeOutStep (%)", "Cursor", "Hint", "Comment", "CommentViewer",
                        "GraphicComment", "GraphicCommentViewer", "PopupMenu (Right Click)", "StartSound",
                        "StartSoundLoop", "StartSoundDelay (s)", "Left", "Top", "Width", "Height",
                        "Start Action", "FileName", "CloseAfterAction"};
  for (int row = 1; row <= 41; ++row) EXPECT_EQ(sheet.Row(row)->key, keys[row - 1]) << row;
  // Values of a new page: its defaults, colours by name.
  EXPECT_EQ(sheet.Row(3)->value, "Single");
  EXPECT_EQ(sheet.Row(4)->value, "[Default]");
  EXPECT_EQ(sheet.Row(7)->value, "White");
  EXPECT_EQ(sheet.Row(10)->value, "TopBottom");
  EXPECT_EQ(sheet.Row(11)->value, "Blue");
  EXPECT_EQ(sheet.Row(18)->value, "31");  // byte 80
  for (const int row : {27, 28, 29, 30, 35, 36, 40, 41}) EXPECT_TRUE(sheet.Row(row)->disabled) << row;
}

TEST(PageSheet, StayTimeAndClickContinueOnlyApplyToTimedPages) {
  for (const PageKind kind : {PageKind::SplashScreen, PageKind::MainPage, PageKind::SubPage, PageKind::ExitForm}) {
    PageData page;
    page.pageKind = static_cast<std::uint8_t>(kind);
    RowSheet sheet = BuildRowSheet(RowTarget{page});
    const bool timed = kind == PageKind::SplashScreen || kind == PageKind::ExitForm;
    EXPECT_EQ(sheet.Row(5)->disabled, !timed);
    EXPECT_EQ(sheet.Row(6)->choices.empty(), !timed);
    const std::optional<NumberResult> result = ValidateNumberCell(sheet, 5, RowTarget{page}, "-4");
    EXPECT_EQ(result.has_value(), timed);
    EXPECT_EQ(page.stayTime, timed ? 0 : 5);
  }
}

TEST(PageSheet, NumberRowsParseClampAndAlwaysShowWhatIsStored) {
  PageData page;
  RowSheet sheet = BuildRowSheet(RowTarget{page});
  const RowTarget target{page};
  const struct {
    int row;
    const char* typed;
    bool accepted;
    const char* shown;
  } cases[] = {
      {18, "150", true, "100"},  // ShadowAlpha (%)
      {20, "-3", true, "0"},     // FadeInDelay (ms)
      {21, "0", true, "1"},      // FadeInStep (%)
      {16, "$1F", true, "31"},   // ShadowXOff
      {37, "1", true, "2"},      // page Width
      {17, "12a", false, "8"},   // ShadowYOff keeps its value
  };
  for (const auto& c : cases) {
    const std::optional<NumberResult> result = ValidateNumberCell(sheet, c.row, target, c.typed);
    ASSERT_TRUE(result) << c.row;
    EXPECT_EQ(result->accepted, c.accepted) << c.row;
    EXPECT_EQ(result->shown, c.shown) << c.row;
    EXPECT_EQ(sheet.Row(c.row)->value, c.shown) << c.row;
  }
  EXPECT_EQ(page.shadowAlpha, 255);
  EXPECT_EQ(page.fadeInStep, 3);
  EXPECT_EQ(page.width, 2);
  EXPECT_EQ(page.shadowYOff, 8);
  // Typing into a number row stores nothing until the cell is left.
  EXPECT_FALSE(ApplyCellText(sheet, 16, target, "77"));
  EXPECT_EQ(page.shadowXOff, 31);
}

TEST(PageSheet, ChoicesStoreTheirCodesAndIgnoreUnlistedText) {
  PageData page;
  RowSheet sheet = BuildRowSheet(RowTarget{page});
  const RowTarget target{page};
  EXPECT_EQ(sheet.Row(10)->choices,
            (std::vector<std::string>{"None", "TopBottom", "BottomTop", "LeftRight", "RightLeft", "MiddleTopBottom",
                                      "TopBottomMiddle", "MiddleLeftRight", "LeftRightMiddle"}));
  EXPECT_EQ(ApplyCellText(sheet, 10, target, "TopBottomMiddle"), RowEffect::Background);
  EXPECT_EQ(page.gradientStyle, 7);
  EXPECT_FALSE(ApplyCellText(sheet, 10, target, "Diagonal"));
  EXPECT_EQ(page.gradientStyle, 7);
  EXPECT_EQ(ApplyCellText(sheet, 9, target, "Stretch"), RowEffect::Background);
  EXPECT_EQ(page.backImageStyle, 2);
  EXPECT_EQ(ApplyCellText(sheet, 2, target, "Welcome"), RowEffect::Caption);
  EXPECT_EQ(page.caption, "Welcome");
  EXPECT_EQ(ApplyCellText(sheet, 14, target, "False"), RowEffect::Frame);
  EXPECT_FALSE(page.shadow);
}

TEST(BorderStyle, NamesFollowTheStyleAndIconsAndChoicesSetThem) {
  const struct {
    std::uint8_t style, icons;
    const char* name;
  } shown[] = {
      {0, 0x03, "None"},         {1, 0x03, "SingleMinimizeIcon"}, {1, 0x01, "Single"},
      {1, 0x00, "SingleNoneIcon"}, {1, 0x02, "SingleNoneIcon"}, {2, 0x07, "SizeableMinimizeIcon"},
      {3, 0x03, "Dialog"},       {3, 0x00, "Dialog"},            {4, 0x03, "ToolWindowMinimizeIcon"},
      {4, 0x01, "ToolWindow"},   {5, 0x01, "SizeToolWin"},       {5, 0x00, "SizeToolWinNoneIcon"},
  };
  for (const auto& c : shown) EXPECT_EQ(BorderStyleName(c.style, c.icons), c.name) << int(c.style) << int(c.icons);

  ASSERT_EQ(BorderStyleChoices().size(), 11u);
  for (const std::string_view name : BorderStyleChoices()) {
    std::uint8_t style = 3, icons = 0x07;  // a dialog page, with a maximise box
    ASSERT_TRUE(ApplyBorderStyleName(name, style, icons)) << name;
    EXPECT_EQ(BorderStyleName(style, icons), name == "None" ? "None" : name) << name;
    if (name != "None") EXPECT_FALSE(icons & 0x04) << name;  // never a maximise box
  }
  std::uint8_t style = 2, icons = 0x03;
  EXPECT_TRUE(ApplyBorderStyleName("None", style, icons));
  EXPECT_EQ(style, 0);
  EXPECT_EQ(icons, 0x03);  // None leaves the icons
  EXPECT_FALSE(ApplyBorderStyleName("Dialog", style, icons));
}

TEST(PageRename, DuplicatesInAnyCaseAndNonFileNamesAreRefused) {
  const std::vector<TAutoFormInfo> pages = {{.name = "Main"}, {.name = "Sub1"}};
  EXPECT_EQ(CheckPageRename(pages, "Sub1", "Sub1").outcome, PageRenameOutcome::Unchanged);
  EXPECT_EQ(CheckPageRename(pages, "Sub1", "Intro").outcome, PageRenameOutcome::Rename);
  const PageRenameCheck duplicate = CheckPageRename(pages, "Sub1", "MAIN");
  EXPECT_EQ(duplicate.outcome, PageRenameOutcome::Duplicate);
  EXPECT_EQ(duplicate.message, "A page named MAIN already exists.");
  for (const char* name : {"", "..", "a\\b", "a/b", "C:x", "con", "Lpt1.txt", "name.", "name ", "tab\there"})
    EXPECT_EQ(CheckPageRename(pages, "Sub1", name).outcome, PageRenameOutcome::NotAFileName) << name;
}

TEST(ObjectSheet, EachKindGetsItsBlocks) {
  const struct {
    ObjectKind kind;
    int rows;
    int visibility, comment, sound, position, action;
  } cases[] = {
      {ObjectKind::Button, 4 + 5 + 7 + 5 + 4 + 3, 5, 10, 17, 22, 26},
      {ObjectKind::FadeLabel, 3 + 7 + 5 + 4 + 3, 1, 4, 11, 16, 20},
      {ObjectKind::AVI, 3 + 4, 1, kNoBlock, kNoBlock, 4, kNoBlock},
      {ObjectKind::Flash, 3 + 4, 1, kNoBlock, kNoBlock, 4, kNoBlock},
      {ObjectKind::ListBox, 3 + 7 + 5 + 4, 1, 4, 11, 16, kNoBlock},
      {ObjectKind::ShellListView, 3 + 7 + 5 + 4, 1, 4, 11, 16, kNoBlock},
  };
  for (const auto& c : cases) {
    PageData page;
    page.objects.push_back(MakeObject(c.kind, "Thing1"));
    const RowSheet sheet = BuildRowSheet(RowTarget{page, &page.objects[0]});
    EXPECT_EQ(sheet.RowCount(), c.rows) << int(c.kind);
    EXPECT_EQ(sheet.visibilityBlockRow, c.visibility) << int(c.kind);
    EXPECT_EQ(sheet.commentBlockRow, c.comment) << int(c.kind);
    EXPECT_EQ(sheet.soundBlockRow, c.sound) << int(c.kind);
    EXPECT_EQ(sheet.positionBlockRow, c.position) << int(c.kind);
    EXPECT_EQ(sheet.actionBlockRow, c.action) << int(c.kind);
  }
}

TEST(ObjectSheet, SharedRowsEditTheObject) {
  PageData page;
  page.objects.push_back(MakeObject(ObjectKind::Button, "Button1"));
  page.objects.push_back(MakeObject(ObjectKind::Label, "Label1"));
  page.objects.push_back(MakeObject(ObjectKind::Image, "Image1"));
  page.objects[1].command.groupName = "Menu";
  page.objects[2].command.groupName = "Menu";
  ObjectData& button = page.objects[0];
  const RowTarget target{page, &button};
  RowSheet sheet = BuildRowSheet(target);
  const int visible = sheet.visibilityBlockRow, group = visible + 2;
  EXPECT_EQ(sheet.Row(group)->choices, std::vector<std::string>{"Menu"});
  EXPECT_EQ(ApplyCellText(sheet, group, target, "Tabs"), RowEffect::Groups);
  EXPECT_EQ(ApplyCellText(sheet, visible, target, "no"), std::optional(RowEffect::None));  // not "True": false
  EXPECT_FALSE(button.command.visible);
  EXPECT_EQ(sheet.Row(sheet.commentBlockRow + 3)->choices, std::vector<std::string>{"Label1"});
  EXPECT_EQ(sheet.Row(sheet.commentBlockRow + 5)->choices, std::vector<std::string>{"Image1"});
  ApplyCellText(sheet, sheet.commentBlockRow + 1, target, "Press me");
  EXPECT_EQ(HintOf(button.record), "Press me");
  ApplyCellText(sheet, sheet.soundBlockRow + 3, target, "\\down.wav");
  EXPECT_EQ(button.command.mouseDownSound, "\\down.wav");
  const ObjectBounds before = BoundsOf(button.record);
  const std::optional<NumberResult> width = ValidateNumberCell(sheet, sheet.positionBlockRow + 2, target, "1");
  ASSERT_TRUE(width);
  EXPECT_EQ(width->effect, RowEffect::Bounds);
  EXPECT_EQ(BoundsOf(button.record).width, 2);
  EXPECT_EQ(BoundsOf(button.record).left, before.left);
  const std::optional<NumberResult> same =
      ValidateNumberCell(sheet, sheet.positionBlockRow, target, std::to_string(before.left));
  ASSERT_TRUE(same);
  EXPECT_FALSE(same->effect);
}

TEST(ActionBlock, EveryKindHasItsParameterRow) {
  const std::pair<const char*, ParameterRow> expected[kActionKindCount] = {
      {"FileName", ParameterRow::None},          {"FileName(s)", ParameterRow::Settings},
      {"WebSiteURL", ParameterRow::Text},        {"EmailAddress", ParameterRow::Text},
      {"SoundFile", ParameterRow::File},         {"FileName", ParameterRow::File},
      {"PageName", ParameterRow::SubPages},      {"Folder", ParameterRow::Folder},
      {"FileName", ParameterRow::None},          {"FileName", ParameterRow::None},
      {"FileName", ParameterRow::None},          {"FileName", ParameterRow::None},
      {"PageName", ParameterRow::GotoPages},     {"ImageFile", ParameterRow::PictureFile},
      {"MediaFile", ParameterRow::File},         {"Folder", ParameterRow::Settings},
      {"Message", ParameterRow::Text},           {"File/Folder", ParameterRow::Settings},
      {"FileName", ParameterRow::None},          {"ObjectName", ParameterRow::MediaObjects},
      {"ObjectName", ParameterRow::MediaObjects}, {"ObjectName", ParameterRow::MediaObjects},
      {"ObjectName", ParameterRow::MediaObjects}, {"ObjectName", ParameterRow::MediaObjects},
      {"ObjectName", ParameterRow::MediaObjects}, {"ObjectName", ParameterRow::MediaObjects},
      {"Object/File", ParameterRow::Settings},   {"Objects", ParameterRow::Settings},
      {"Actions", ParameterRow::Settings},
  };
  const std::vector<RowKind> kindOf = {RowKind::Locked, RowKind::Dialog,     RowKind::Text,      RowKind::TextDialog,
                                       RowKind::TextDialog, RowKind::TextDialog, RowKind::OpenChoice,
                                       RowKind::OpenChoice, RowKind::OpenChoice};
  for (int kind = 0; kind < kActionKindCount; ++kind) {
    PageData page;
    page.command.actionKind = static_cast<std::uint8_t>(kind);
    page.command.actionTarget = "x";
    const RowSheet sheet = BuildRowSheet(RowTarget{page});
    const SheetRow& parameter = *sheet.Row(sheet.actionBlockRow + 1);
    const SheetRow& close = *sheet.Row(sheet.actionBlockRow + 2);
    EXPECT_EQ(sheet.Row(sheet.actionBlockRow)->value, ActionKindName(kind));
    EXPECT_EQ(parameter.key, expected[kind].first) << kind;
    EXPECT_EQ(ParameterRowOf(kind), expected[kind].second) << kind;
    EXPECT_EQ(parameter.kind, kindOf[static_cast<std::size_t>(expected[kind].second)]) << kind;
    EXPECT_EQ(parameter.disabled, expected[kind].second == ParameterRow::None) << kind;
    if (expected[kind].second == ParameterRow::Settings) EXPECT_EQ(parameter.value, "[Settings]") << kind;
    EXPECT_EQ(close.disabled, !CloseAfterActionApplies(kind)) << kind;
  }
}

TEST(ActionBlock, ChoosingAKindClearsItsSettingsAndRebuildsTheRows) {
  PageData page;
  page.objects.push_back(MakeObject(ObjectKind::Button, "Button1"));
  TCommand& action = page.objects[0].command;
  action.actionKind = kActionOpenRunFile;
  action.actionTarget = "packed";
  action.actionParameters = "-x";
  action.closeAfterAction = true;
  const RowTarget target{page, &page.objects[0]};
  RowSheet sheet = BuildRowSheet(target);
  const int kindRow = sheet.actionBlockRow;
  EXPECT_EQ(sheet.Row(kindRow)->key, "ClickAction");
  EXPECT_EQ(sheet.Row(kindRow)->choices.size(), 29u);
  EXPECT_FALSE(ApplyCellText(sheet, kindRow, target, "Open/Run File"));  // the same kind keeps its settings
  EXPECT_EQ(action.actionTarget, "packed");
  EXPECT_EQ(ApplyCellText(sheet, kindRow, target, "Visit Website"), RowEffect::ActionRows);
  EXPECT_EQ(action.actionKind, kActionVisitWebsite);
  EXPECT_EQ(action.actionTarget, "");
  EXPECT_EQ(action.actionParameters, "");
  EXPECT_FALSE(action.closeAfterAction);
  RefreshRow(sheet, kindRow + 1, target);
  RefreshRow(sheet, kindRow + 2, target);
  EXPECT_EQ(sheet.Row(kindRow + 1)->key, "WebSiteURL");
  EXPECT_EQ(sheet.Row(kindRow + 1)->value, "");
  ApplyCellText(sheet, kindRow + 1, target, "https://example.org");
  EXPECT_EQ(action.actionTarget, "https://example.org");
  EXPECT_EQ(sheet.Row(kindRow + 2)->choices, FalseTrueList());
  ApplyCellText(sheet, kindRow, target, "Exit");
  RefreshRow(sheet, kindRow + 1, target);
  RefreshRow(sheet, kindRow + 2, target);
  EXPECT_TRUE(sheet.Row(kindRow + 1)->disabled);
  EXPECT_TRUE(sheet.Row(kindRow + 2)->disabled);
  EXPECT_FALSE(ApplyCellText(sheet, kindRow + 1, target, "typed"));
}

TEST(ActionBlock, PageListsLeaveOutThePageBeingEdited) {
  const std::vector<TAutoFormInfo> pages = {{.name = "Splash", .kind = 0}, {.name = "Main", .kind = 2},
                                            {.name = "Sub1", .kind = 3},   {.name = "Sub2", .kind = 3},
                                            {.name = "Bye", .kind = 4}};
  const struct {
    const char* editing;
    std::uint8_t action;
    std::vector<std::string> listed;
  } cases[] = {
      {"main", kActionGotoPage, {"Sub1", "Sub2"}},
      {"Sub1", kActionGotoPage, {"Main", "Sub2"}},
      {"Sub1", kActionShowSubPage, {"Sub2"}},
      {"Main", kActionShowSubPage, {"Sub1", "Sub2"}},
  };
  for (const auto& c : cases) {
    PageData page;
    page.pageName = c.editing;
    page.command.actionKind = c.action;
    const RowSheet sheet = BuildRowSheet(RowTarget{page, nullptr, &pages});
    EXPECT_EQ(sheet.Row(sheet.actionBlockRow + 1)->choices, c.listed) << c.editing << int(c.action);
  }
  PageData page;
  page.objects.push_back(MakeObject(ObjectKind::MediaPlayer, "Player1"));
  page.objects.push_back(MakeObject(ObjectKind::Button, "Button1"));
  page.objects.push_back(MakeObject(ObjectKind::SlideShow, "Show1"));
  page.objects[1].command.actionKind = kActionPlay;
  const RowSheet sheet = BuildRowSheet(RowTarget{page, &page.objects[1]});
  EXPECT_EQ(sheet.Row(sheet.actionBlockRow + 1)->choices, (std::vector<std::string>{"Player1", "Show1"}));
}

}  // namespace
}  // namespace plexara
