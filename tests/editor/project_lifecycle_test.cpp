// Opening a project folder, the temp copies of modified pages and what a tab change loads; and
// the two rules that keep one project's save from damaging another project.
#include "editor/project_lifecycle.h"

#include <gtest/gtest.h>

#include "editor/project_save.h"
#include "support/fake_editor_files.h"
#include "support/memory_ini.h"
#include "support/recording_reporter.h"

namespace plexara {
namespace {

using testing_support::FakeEditorFiles;
using testing_support::MemoryIni;
using testing_support::ScopedRecording;

const std::string kEditor = "C:\\Editor";
const std::string kOld = "C:\\Old";
const std::string kOther = "C:\\Other";

void PutProject(FakeEditorFiles& files, const std::string& folder,
                std::initializer_list<std::string> names) {
  files.PutFolder(folder);
  files.PutFolder(JoinPath(folder, "AutoRunSource"));
  files.PutFile(JoinPath(folder, "autorun.ico"), {1});
  ProjectData project;
  for (const std::string& name : names) {
    PageData page;
    page.caption = folder + " " + name;
    files.PutPage(PageFilePath(folder, name), page);
    project.pages.push_back({.name = name, .kind = 2});
  }
  files.SaveProjectFile(ProjectFilePath(folder), project);
}

bool Save(EditorDocument& document, FakeEditorFiles& files) {
  MemoryIni ini;
  files.PutFile(JoinPath(kEditor, "Plexara.exe"), {1}, "1");
  const SaveEnvironment environment{
      kEditor, JoinPath(kEditor, "Plexara.exe"),
      "1",     files,
      ini,     [&](const std::string& path) { return files.SavePageFile(path, PageData{}); }};
  return SaveProject(document, document.projectFolder, environment);
}

TEST(OpenProjectFolder, ReplacesTheDocumentAndDropsTheOldTempCopies) {
  FakeEditorFiles files;
  PutProject(files, kOld, {"Main", "About"});
  EditorDocument document;
  document.pages = {{.name = "Stale", .pageModified = true}, {.name = "Kept"}};
  document.deletedPages.push_back({{.name = "Gone"}, kOther});
  document.currentPage = 1;
  document.modified = true;
  files.PutFile(TempCopyPath(kEditor, "Stale"), {1});
  files.PutFile(TempCopyPath(kEditor, "Kept"), {1});

  ASSERT_EQ(OpenProjectFolder(document, kOld + "\\", kEditor, files), OpenResult::Opened);
  EXPECT_EQ(document.projectFolder, kOld);
  ASSERT_EQ(document.pages.size(), 2u);
  EXPECT_EQ(document.pages[1], (TAutoFormInfo{.name = "About", .kind = 2, .savedName = "About"}));
  EXPECT_TRUE(document.deletedPages.empty());
  EXPECT_EQ(document.currentPage, -1);
  EXPECT_FALSE(document.modified);
  EXPECT_FALSE(files.FileExists(TempCopyPath(kEditor, "Stale")));
  EXPECT_TRUE(files.FileExists(TempCopyPath(kEditor, "Kept")))
      << "only modified pages own a temp copy";
}

// Open used to empty the page list before it knew the new project file would load; a save after
// a failed Open then wrote an empty project over the previous one.
TEST(OpenProjectFolder, AFailedOpenLeavesThePreviousProjectWholeForItsNextSave) {
  for (const bool damaged : {true, false}) {
    ScopedRecording recording;
    FakeEditorFiles files;
    PutProject(files, kOld, {"Main", "About"});
    files.PutFolder(kOther);
    if (damaged) files.PutFile(ProjectFilePath(kOther), {0xFF, 0xFF});
    EditorDocument document;
    ASSERT_EQ(OpenProjectFolder(document, kOld, kEditor, files), OpenResult::Opened);
    MarkModified(document, true);

    EXPECT_EQ(OpenProjectFolder(document, kOther, kEditor, files),
              damaged ? OpenResult::LoadFailed : OpenResult::NoProjectFile);
    EXPECT_EQ(document.projectFolder, kOld);
    EXPECT_EQ(document.pages.size(), 2u);
    EXPECT_TRUE(document.modified);

    ASSERT_TRUE(Save(document, files));
    const auto project = files.ReadProject(ProjectFilePath(kOld));
    ASSERT_TRUE(project.has_value());
    EXPECT_EQ(project->pages.size(), 2u) << (damaged ? "damaged" : "missing");
  }
}

// A page deleted in one project must never delete the page of the same name in the next one,
// whether that one was opened or made by New Project in another folder.
TEST(OpenProjectFolder, PagesDeletedInOneProjectNeverDeleteFilesOfAnother) {
  for (const bool opened : {true, false}) {
    FakeEditorFiles files;
    PutProject(files, kOld, {"Main", "About"});
    PutProject(files, kOther, {"Main", "About"});
    EditorDocument document;
    ASSERT_EQ(OpenProjectFolder(document, kOld, kEditor, files), OpenResult::Opened);
    MovePageToDeleted(document, 1);
    if (opened) {
      ASSERT_EQ(OpenProjectFolder(document, kOther, kEditor, files), OpenResult::Opened);
    } else {
      // New Project: the page list moves to the deleted pages and the folder changes.
      MovePageToDeleted(document, 0);
      document.projectFolder = kOther;
      document.pages = {{.name = "Main", .kind = 2, .savedName = "Main", .pageModified = true}};
      files.PutPage(TempCopyPath(kEditor, "Main"), PageData{});
    }
    MarkModified(document, true);

    ASSERT_TRUE(Save(document, files));
    EXPECT_TRUE(files.FileExists(PageFilePath(kOther, "About")))
        << (opened ? "opened" : "new project");
    EXPECT_TRUE(files.FileExists(PageFilePath(kOld, "About")));
  }
}

TEST(PlanPageSwitch, LoadsModifiedPagesFromTheirTempCopyAndCentresTheOthers) {
  EditorDocument document;
  document.projectFolder = kOld;
  document.pages = {{.name = "Main", .pageModified = true},
                    {.name = "About"},
                    {.name = "Help", .pageModified = true}};
  document.currentPage = 0;

  const auto toAbout = PlanPageSwitch(document, 1, kEditor);
  ASSERT_TRUE(toAbout.has_value());
  EXPECT_EQ(toAbout->saveWorkingPageTo, TempCopyPath(kEditor, "Main"));
  EXPECT_EQ(toAbout->loadFrom, PageFilePath(kOld, "About"));
  EXPECT_TRUE(toAbout->centre);

  document.currentPage = 1;
  const auto toHelp = PlanPageSwitch(document, 2, kEditor);
  ASSERT_TRUE(toHelp.has_value());
  EXPECT_EQ(toHelp->saveWorkingPageTo, "") << "an unmodified page has nothing to keep";
  EXPECT_EQ(toHelp->loadFrom, TempCopyPath(kEditor, "Help"));
  EXPECT_FALSE(toHelp->centre);

  EXPECT_FALSE(PlanPageSwitch(document, 3, kEditor).has_value());
  EXPECT_FALSE(PlanPageSwitch(EditorDocument{}, 0, kEditor).has_value());
}

TEST(PlanPageSwitch, CentresWithinTheAreaAndNeverAboveOrLeftOfIt) {
  EXPECT_EQ(CentredOffset(800, 640), 80);
  EXPECT_EQ(CentredOffset(801, 640), 80);
  EXPECT_EQ(CentredOffset(639, 640), 0);
  EXPECT_EQ(CentredOffset(100, 640), 0);
}

TEST(EditorDocument, AChangeFlagsThePageAtTheTabAndASaveClearsOnlyTheProjectFlag) {
  EditorDocument document;
  document.pages = {{.name = "Main"}, {.name = "About"}};
  MarkModified(document, true);
  EXPECT_TRUE(document.modified);
  EXPECT_FALSE(document.pages[0].pageModified || document.pages[1].pageModified)
      << "no page at the tab yet";

  document.currentPage = 1;
  MarkModified(document, true);
  EXPECT_TRUE(document.pages[1].pageModified);
  MarkModified(document, false);
  EXPECT_FALSE(document.modified);
  EXPECT_TRUE(document.pages[1].pageModified);
}

TEST(EditorDocument, StatusTexts) {
  EXPECT_EQ(PageKindName(0), "Splash Screen");
  EXPECT_EQ(PageKindName(6), "Agreement Form");
  EXPECT_EQ(PageKindName(7), "");
  EXPECT_EQ(PagePropertiesText(2), "Main Page Properties");
  EXPECT_EQ(ObjectPropertiesText(3, 5), "Object Properties  [3 / 5]");
}

}  // namespace
}  // namespace plexara
