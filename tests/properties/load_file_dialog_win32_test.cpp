// The Load file with object dialog: the page's objects that can show a file, an object picked and
// a file typed into the exact settings string (untrimmed), and OK without a change writing nothing.
#include <gtest/gtest.h>
#include <windows.h>

#include "properties/action_dialogs_win32.h"
#include "storage/kind_records.h"
#include "support/automation_win32.h"
#include "support/modal_driver_win32.h"

namespace plexara {
namespace {

using namespace testing_support;
using namespace std::string_literals;

constexpr int kObject = 101, kFile = 102;

PageData PageWithObjects() {
  PageData page;
  const std::pair<ObjectKind, const char*> objects[] = {{ObjectKind::Image, "Picture1"},
                                                        {ObjectKind::Button, "Button1"},
                                                        {ObjectKind::Text, "Text1"},
                                                        {ObjectKind::SlideShow, "Show1"}};
  for (const auto& [kind, name] : objects) {
    ObjectData object;
    object.record = MakeKindRecord(static_cast<int>(kind));
    object.command.name = name;
    page.objects.push_back(std::move(object));
  }
  return page;
}

TEST(LoadFileDialog, AnObjectPickedAndAFileTypedWriteTheSettingsAsTyped) {
  const PageData page = PageWithObjects();
  ActionDialogContext context;
  context.page = &page;
  context.discFolder = "C:\\Disc";
  std::string settings = "Text1\x01\\a.txt\x01"s;
  std::vector<std::string> names;
  std::string shownObject;
  ModalDriver driver("Load file with object",
                     {
                         [&](HWND dialog) {
                           HWND box = GetDlgItem(dialog, kObject);
                           for (LRESULT i = 0; i < SendMessageA(box, CB_GETCOUNT, 0, 0); ++i) {
                             char text[64] = {};
                             SendMessageA(box, CB_GETLBTEXT, static_cast<WPARAM>(i),
                                          reinterpret_cast<LPARAM>(text));
                             names.emplace_back(text);
                           }
                           shownObject = WindowText(box);
                           SendMessageA(box, CB_SETCURSEL, 2, 0);
                           SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(kObject, CBN_SELCHANGE),
                                        reinterpret_cast<LPARAM>(box));
                           SetDlgItemTextA(dialog, kFile, " \\Docs\\b.txt ");
                           PaintNow(dialog);
                         },
                         [&](HWND dialog) {
                           SaveWindowScreenshot(dialog, "dialog-load-file");
                           PostClick(GetDlgItem(dialog, IDOK));
                         },
                     });
  EXPECT_TRUE(EditLoadFileSettings(nullptr, context, settings));
  EXPECT_TRUE(driver.finished());
  EXPECT_EQ(names, (std::vector<std::string>{"Picture1", "Text1", "Show1"}));
  EXPECT_EQ(shownObject, "Text1");
  EXPECT_EQ(settings, "Show1\x01 \\Docs\\b.txt \x01"s);

  // OK without a change, or Cancel after one, writes nothing; a name no longer on the page stays.
  for (const std::string& stored : {"Gone \x01\\a.txt\x01"s, ""s}) {
    for (const int button : {IDOK, IDCANCEL}) {
      std::string kept = stored;
      ModalDriver again("Load file with object", {[&](HWND dialog) {
                          if (button == IDCANCEL) SetDlgItemTextA(dialog, kFile, "\\x");
                          PostClick(GetDlgItem(dialog, button));
                        }});
      EXPECT_FALSE(EditLoadFileSettings(nullptr, context, kept));
      EXPECT_TRUE(again.finished());
      EXPECT_EQ(kept, stored);
    }
  }
}

}  // namespace
}  // namespace plexara
