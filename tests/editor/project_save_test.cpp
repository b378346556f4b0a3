// Saving a project against the in-memory file system: what is written, deleted and left alone,
// the failures that stop the save, and that a save interrupted at any write leaves a project the
// player can read and loses nothing a later save could not finish.
#include "editor/project_save.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "editor/project_lifecycle.h"
#include "support/fake_editor_files.h"
#include "support/memory_ini.h"
#include "support/record_test_helpers.h"
#include "support/recording_reporter.h"

namespace plexara {
namespace {

using testing_support::FakeEditorFiles;
using testing_support::MemoryIni;
using testing_support::Recorder;
using testing_support::ScopedRecording;

const std::string kEditor = "C:\\Editor";
const std::string kEditorExe = "C:\\Editor\\Plexara.exe";
const std::string kDisc = "C:\\Disc";
const std::string kEditorVersion = "2.0";

std::string InDisc(std::string_view name) { return JoinPath(kDisc, name); }

// A saved project with its pages and an editor whose working page holds the page at the tab.
struct Bench {
  FakeEditorFiles files;
  MemoryIni ini;
  EditorDocument document;
  PageData working;

  Bench() {
    files.PutFolder(kDisc);
    files.PutFile(kEditorExe, {1, 2, 3}, kEditorVersion);
    files.PutFile(JoinPath(kEditor, "Default.ico"), {9});
  }

  // The project as a save left it: every page's file holds "<name> v1".
  void SeedSavedProject(std::initializer_list<std::string> names) {
    files.PutFile(InDisc("autorun.exe"), {1, 2, 3}, kEditorVersion);
    files.PutFile(InDisc("autorun.ico"), {9});
    files.PutFolder(InDisc("AutoRunSource"));
    ProjectData project;
    for (const std::string& name : names) {
      PageData page;
      page.caption = name + " v1";
      files.PutPage(PageFilePath(kDisc, name), page);
      project.pages.push_back({.name = name, .kind = 3});
    }
    files.SaveProjectFile(ProjectFilePath(kDisc), project);
    ASSERT_EQ(OpenProjectFolder(document, kDisc, kEditor, files), OpenResult::Opened);
    files.log.clear();
    files.writeCount = 0;
  }

  // A change to a page: the working page for the page at the tab, else its temp copy.
  void Change(std::size_t index, const std::string& caption) {
    TAutoFormInfo& entry = document.pages[index];
    PageData page;
    page.caption = caption;
    if (static_cast<std::int32_t>(index) == document.currentPage) {
      working = page;
    } else {
      files.PutPage(TempCopyPath(kEditor, entry.name), page);
    }
    entry.pageModified = true;
    document.modified = true;
  }

  void AddPage(const std::string& name, const std::string& caption) {
    document.pages.push_back({.name = name, .kind = 3, .savedName = name});
    Change(document.pages.size() - 1, caption);
  }

  void Rename(std::size_t index, const std::string& name, const std::string& caption) {
    document.pages[index].name = name;
    Change(index, caption);
  }

  bool Save(const std::string& folder = kDisc) {
    const SaveEnvironment environment{kEditor,
                                      kEditorExe,
                                      kEditorVersion,
                                      files,
                                      ini,
                                      [this](const std::string& path) { return files.SavePageFile(path, working); }};
    return SaveProject(document, folder, environment);
  }

  std::string CaptionOnDisc(const std::string& name) const {
    const auto page = files.ReadPage(PageFilePath(kDisc, name));
    return page ? page->caption : "<none>";
  }

  std::vector<std::string> PagesOnDisc() const {
    std::vector<std::string> names;
    if (const auto project = files.ReadProject(ProjectFilePath(kDisc))) {
      for (const TAutoFormInfo& page : project->pages) names.push_back(page.name);
    }
    return names;
  }

  bool Wrote(const std::string& path) const {
    return std::find(files.log.begin(), files.log.end(), "write " + path) != files.log.end();
  }
};

TEST(SaveProject, DeletedPagesGoFirstAndANewPageOfADeletedNameSurvives) {
  Bench bench;
  bench.SeedSavedProject({"Main", "About", "Old"});
  MovePageToDeleted(bench.document, 2);
  MovePageToDeleted(bench.document, 1);
  bench.AddPage("About", "About v2");

  ASSERT_TRUE(bench.Save());
  EXPECT_EQ(bench.PagesOnDisc(), (std::vector<std::string>{"Main", "About"}));
  EXPECT_EQ(bench.CaptionOnDisc("About"), "About v2");
  EXPECT_FALSE(bench.files.FileExists(PageFilePath(kDisc, "Old")));
  EXPECT_FALSE(bench.files.FileExists(TempCopyPath(kEditor, "About")));
  EXPECT_TRUE(bench.document.deletedPages.empty());
  EXPECT_FALSE(bench.document.modified);
  EXPECT_EQ((bench.ini.values[{"START", "DefaultPath"}]), kDisc);
}

TEST(SaveProject, ARenamedPageReplacesItsOldFile) {
  Bench bench;
  bench.SeedSavedProject({"Main", "About"});
  bench.Rename(1, "Credits", "Credits v2");

  ASSERT_TRUE(bench.Save());
  EXPECT_FALSE(bench.files.FileExists(PageFilePath(kDisc, "About")));
  EXPECT_EQ(bench.CaptionOnDisc("Credits"), "Credits v2");
  EXPECT_EQ(bench.document.pages[1].savedName, "Credits");
  EXPECT_FALSE(bench.document.pages[1].pageModified);
}

// Deleting an old name before all pages are written would delete a page another rename has
// just written under that name.
TEST(SaveProject, PagesThatSwapNamesBothSurvive) {
  Bench bench;
  bench.SeedSavedProject({"Main", "About", "Help"});
  bench.Rename(1, "Help", "Help (was About)");
  bench.Rename(2, "About", "About (was Help)");
  bench.Rename(0, "MAIN", "MAIN v2");  // only the letter case: the same file

  ASSERT_TRUE(bench.Save());
  EXPECT_EQ(bench.CaptionOnDisc("Help"), "Help (was About)");
  EXPECT_EQ(bench.CaptionOnDisc("About"), "About (was Help)");
  EXPECT_EQ(bench.CaptionOnDisc("MAIN"), "MAIN v2");
}

TEST(SaveProject, WritesOnlyModifiedPagesAndASecondSaveNoPage) {
  Bench bench;
  bench.SeedSavedProject({"Main", "About"});
  bench.document.currentPage = 0;
  bench.Change(0, "Main v2");

  ASSERT_TRUE(bench.Save());
  EXPECT_TRUE(bench.Wrote(PageFilePath(kDisc, "Main")));
  EXPECT_FALSE(bench.Wrote(PageFilePath(kDisc, "About")));
  EXPECT_EQ(bench.CaptionOnDisc("Main"), "Main v2");

  bench.files.log.clear();
  ASSERT_TRUE(bench.Save());
  EXPECT_EQ(bench.files.log, (std::vector<std::string>{"write " + InDisc("autorun.inf"),
                                                       "write " + ProjectFilePath(kDisc)}));
  const testing_support::FakeFile* inf = bench.files.Find(InDisc("autorun.inf"));
  ASSERT_NE(inf, nullptr);
  EXPECT_EQ(std::string(inf->bytes.begin(), inf->bytes.end()),
            "[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n");
}

TEST(SaveProject, CopiesThePlayerOnlyWhenItsVersionDiffers) {
  struct Case {
    bool present;
    std::string playerVersion;
    std::string editorVersion;
    bool copied;
  };
  for (const Case& c : {Case{true, "2.0", "2.0", false}, Case{true, "1.9", "2.0", true},
                        Case{false, "", "2.0", true}, Case{true, "", "2.0", true},
                        // Both without a version: a missing player is still copied.
                        Case{false, "", "", true}, Case{true, "", "", false}}) {
    Bench bench;
    bench.files.PutFile(kEditorExe, {1, 2, 3}, c.editorVersion);
    if (c.present) bench.files.PutFile(InDisc("autorun.exe"), {7}, c.playerVersion);
    const SaveEnvironment environment{kEditor,     kEditorExe, c.editorVersion,
                                      bench.files, bench.ini,  nullptr};
    ASSERT_TRUE(SaveProject(bench.document, kDisc, environment));
    EXPECT_EQ(bench.Wrote(InDisc("autorun.exe")), c.copied)
        << c.present << " '" << c.playerVersion << "'";
    EXPECT_EQ(bench.files.ExecutableVersion(InDisc("autorun.exe")),
              c.copied ? c.editorVersion : c.playerVersion);
  }
}

TEST(SaveProject, APlayerThatCannotBeCopiedStopsBeforeAnythingElseIsWritten) {
  ScopedRecording recording;
  Bench bench;
  bench.SeedSavedProject({"Main"});
  bench.files.PutFile(InDisc("autorun.exe"), {7}, "1.0");
  bench.Change(0, "Main v2");
  bench.files.failingPaths.insert(InDisc("autorun.exe"));

  EXPECT_FALSE(bench.Save());
  EXPECT_TRUE(testing_support::ReportedCodeIs(1084));
  EXPECT_EQ(bench.files.log, std::vector<std::string>{"write " + InDisc("autorun.exe")});
  EXPECT_TRUE(bench.document.modified);
  EXPECT_TRUE(bench.ini.values.empty());
}

TEST(SaveProject, AMissingDefaultIconFailsAfterThePagesAndTheProjectFile) {
  ScopedRecording recording;
  Bench bench;
  bench.SeedSavedProject({"Main"});
  bench.files.RemoveFile(InDisc("autorun.ico"));
  bench.files.RemoveFile(JoinPath(kEditor, "Default.ico"));
  bench.Change(0, "Main v2");

  EXPECT_FALSE(bench.Save());
  EXPECT_TRUE(testing_support::ReportedCodeIs(1085));
  EXPECT_EQ(bench.CaptionOnDisc("Main"), "Main v2");
  EXPECT_TRUE(bench.Wrote(ProjectFilePath(kDisc)));
  EXPECT_TRUE(bench.document.modified);
  EXPECT_TRUE(bench.ini.values.empty());
}

TEST(SaveProject, AMissingFolderWritesNothing) {
  ScopedRecording recording;
  Bench bench;
  bench.AddPage("Main", "Main v2");

  EXPECT_FALSE(bench.Save("C:\\Nowhere"));
  EXPECT_TRUE(bench.files.log.empty());
  ASSERT_EQ(Recorder().boxes.size(), 1u);
  EXPECT_EQ(Recorder().boxes[0].text, "Directory \"C:\\Nowhere\" not found");
  EXPECT_EQ(Recorder().boxes[0].caption, "Error");
}

TEST(SaveProject, AFailedProjectFileKeepsTheProjectModifiedAndItsOldFiles) {
  ScopedRecording recording;
  Bench bench;
  bench.SeedSavedProject({"Main", "About"});
  bench.Rename(1, "Credits", "Credits v2");
  bench.files.failingPaths.insert(ProjectFilePath(kDisc));

  EXPECT_FALSE(bench.Save());
  EXPECT_EQ(bench.PagesOnDisc(), (std::vector<std::string>{"Main", "About"}));
  EXPECT_EQ(bench.CaptionOnDisc("About"), "About v1") << "the old project file still names it";
  EXPECT_TRUE(bench.document.modified);

  bench.files.failingPaths.clear();
  ASSERT_TRUE(bench.Save());
  EXPECT_FALSE(bench.files.FileExists(PageFilePath(kDisc, "About")))
      << "the rename's deletion waited";
  EXPECT_EQ(bench.PagesOnDisc(), (std::vector<std::string>{"Main", "Credits"}));
}

// A save with renames, deletions, a new page of a deleted name and the page on screen.
void StageBusySave(Bench& bench) {
  bench.SeedSavedProject({"Main", "About", "Old", "Help"});
  bench.document.currentPage = 0;
  bench.Change(0, "Main v2");
  bench.Rename(1, "Credits", "Credits v2");
  MovePageToDeleted(bench.document, 3);
  MovePageToDeleted(bench.document, 2);
  bench.AddPage("Help", "Help v2");
  bench.AddPage("Extra", "Extra v2");
}

TEST(SaveProject, AnInterruptionAtAnyWriteLeavesAReadableProjectAndLosesNothing) {
  const std::vector<std::string> oldPages{"Main", "About", "Old", "Help"};
  const std::vector<std::string> newPages{"Main", "Credits", "Help", "Extra"};
  int writes = 0;
  {
    Bench bench;
    StageBusySave(bench);
    ASSERT_TRUE(bench.Save());
    writes = bench.files.writeCount;
  }
  ASSERT_GT(writes, 8);
  for (int stop = 1; stop <= writes; ++stop) {
    ScopedRecording recording;
    Bench bench;
    StageBusySave(bench);
    bench.files.interruptAtWrite = stop;
    bench.Save();

    const std::vector<std::string> listed = bench.PagesOnDisc();
    EXPECT_TRUE(listed == oldPages || listed == newPages) << "interrupted at write " << stop;
    for (const std::string& name : listed) {
      EXPECT_TRUE(bench.files.ReadPage(PageFilePath(kDisc, name)).has_value())
          << name << " unreadable, interrupted at write " << stop;
    }

    bench.files.interruptAtWrite = 0;
    ASSERT_TRUE(bench.Save()) << "interrupted at write " << stop;
    EXPECT_EQ(bench.PagesOnDisc(), newPages);
    for (const std::string& name : newPages) {
      EXPECT_EQ(bench.CaptionOnDisc(name), name + " v2") << "interrupted at write " << stop;
    }
  }
}

}  // namespace
}  // namespace plexara
