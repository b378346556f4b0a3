// Running actions through a recording page-window host: which kinds succeed and close the window,
// the shell's error texts, file lists, copying with its prompt and tree rules, the show/hide name
// lists and action groups.
#include "player/action_executor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "player/action_shell.h"
#include "player/action_viewer.h"
#include "storage/action_targets.h"
#include "support/recording_reporter.h"
#include "support/recording_shell.h"

namespace plexara {
namespace {

using testing_support::Recorder;
using testing_support::ScopedRecording;
using testing_support::ScopedShellRecording;

const std::string kRoot = "E:\\Disc";

// Files and folders in memory, with backslash paths.
class MemoryFiles final : public CopyFileSystem {
 public:
  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  bool FolderExists(const std::string& path) override { return folders.count(path) != 0; }
  Listing ListFolder(const std::string& folder) override {
    Listing listing;
    const std::string prefix = folder + "\\";
    auto direct = [&](const std::string& path) {
      return path.size() > prefix.size() && path.compare(0, prefix.size(), prefix) == 0 &&
             path.find('\\', prefix.size()) == std::string::npos;
    };
    for (const std::string& path : folders) {
      if (direct(path)) listing.folders.push_back(path.substr(prefix.size()));
    }
    for (const auto& [path, text] : files) {
      if (direct(path)) listing.files.push_back(path.substr(prefix.size()));
    }
    return listing;
  }
  bool CreateFolderPath(const std::string& path) override {
    for (std::size_t cut = path.find('\\'); cut != std::string::npos;
         cut = path.find('\\', cut + 1)) {
      folders.insert(path.substr(0, cut));
    }
    folders.insert(path);
    return true;
  }
  bool CopyOneFile(const std::string& from, const std::string& to) override {
    if (!FileExists(from)) return false;
    files[to] = files[from];
    copies.push_back(to);
    return true;
  }
  void AddFile(const std::string& path, std::string text = "x") {
    CreateFolderPath(path.substr(0, path.rfind('\\')));
    files[path] = std::move(text);
  }

  std::map<std::string, std::string> files;
  std::set<std::string> folders;
  std::vector<std::string> copies;
};

// A page window that records what the executor asks of it.
class RecordingHost final : public ActionHost {
 public:
  bool DesignTime() const override { return designTime; }
  std::string ProjectRoot() const override { return kRoot; }
  std::string ApplicationTitle() const override { return "Disc"; }
  NativeWindow Window() const override { return nullptr; }
  void CloseWindow() override { log.push_back("close"); }
  void SetExitRequested(bool requested) override { exitRequested = requested; }
  void MinimizeApplication() override { log.push_back("minimize"); }
  bool PlayActionSound(const std::string& path) override {
    log.push_back("sound " + path);
    return soundStarts;
  }
  void StopActionSound() override { log.push_back("stop sound"); }
  void StopAllSounds() override { log.push_back("stop all"); }
  void ShowSubPage(const std::string& name) override { log.push_back("sub page " + name); }
  void GotoPage(const std::string& name) override { log.push_back("goto " + name); }
  WaitingRunResult RunBehindWaitWindow(const ShellRequest& request) override {
    waited.push_back(request);
    return waitingResult;
  }
  std::size_t ObjectCount() const override { return objects.size(); }
  ObjectData& Object(std::size_t index) override { return objects.at(index); }
  void ApplyObjectState(std::size_t index) override {
    const TCommand& c = objects[index].command;
    log.push_back("state " + c.name + (c.visible ? " visible" : " hidden") +
                  (c.enabled ? " enabled" : " disabled"));
  }
  void LoadFileIntoObject(std::size_t index, const std::string& path) override {
    log.push_back("load " + objects[index].command.name + " " + path);
  }
  void PerformPlayerCommand(std::size_t index, ObjectPlayerCommand command) override {
    log.push_back("player " + objects[index].command.name + " " +
                  std::to_string(static_cast<int>(command)));
  }
  CopyFileSystem& Files() override { return files; }

  void AddObject(std::string name, std::string group = {}) {
    ObjectData object;
    object.command.name = std::move(name);
    object.command.groupName = std::move(group);
    objects.push_back(std::move(object));
  }

  bool designTime = false;
  bool soundStarts = true;
  bool exitRequested = false;
  WaitingRunResult waitingResult{true, 0};
  std::vector<std::string> log;
  std::vector<ShellRequest> waited;
  std::vector<ObjectData> objects;
  MemoryFiles files;
};

// Shows nothing; says whether it was asked.
class RecordingViewer final : public FullScreenViewer {
 public:
  RecordingViewer() : previous_(SetFullScreenViewer(this)) {}
  ~RecordingViewer() override { SetFullScreenViewer(previous_); }
  bool ShowPicture(const std::string& path, NativeWindow) override {
    return Shown("picture " + path);
  }
  bool PlayMedia(const std::string& path, NativeWindow) override { return Shown("media " + path); }
  bool RunSlideShow(const SlideShowSettings&, const std::string& folder, const std::string& music,
                    NativeWindow) override {
    return Shown("slides " + folder + " " + music);
  }
  bool Shown(std::string what) {
    shown.push_back(std::move(what));
    return true;
  }
  std::vector<std::string> shown;

 private:
  FullScreenViewer* previous_;
};

TCommand Action(int kind, std::string target = {}, bool close = true) {
  TCommand command;
  command.actionKind = static_cast<std::uint8_t>(kind);
  command.actionTarget = std::move(target);
  command.closeAfterAction = close;
  return command;
}

bool Closed(const RecordingHost& host) {
  return std::count(host.log.begin(), host.log.end(), "close") != 0;
}

TEST(ExecuteAction, SuccessDecidesWhetherTheWindowClosesAfterTheAction) {
  const std::string list = std::string("a.exe\x01\x01\x01 \x01\x02");
  const struct {
    int kind;
    std::string target;
    bool shellStarts;  // the shell's answer
    bool fileThere;    // the picture, media or slide folder exists
    bool closes;
  } cases[] = {
      {1, "setup.exe", true, false, true},
      {1, "setup.exe", false, false, false},
      {1, list, true, false, true},
      {1, list, false, false, false},
      {2, "https://example.com", true, false, true},
      {2, "https://example.com", false, false, false},
      {3, "me@example.com", true, false, true},
      {5, "doc.txt", true, false, true},
      {5, "doc.txt", false, false, false},
      {7, "", true, false, true},
      {13, "p.png", true, true, true},
      {13, "p.png", true, false, false},
      {14, "m.avi", true, true, true},
      {14, "m.avi", true, false, false},
      {15,
       std::string("slides\x01Y\x01") + "0\x01"
                                        "3\x01"
                                        "4\x01"
                                        "50\x01"
                                        "2\x01"
                                        "0\x01\x01",
       true, true, true},
      {15,
       std::string("slides\x01Y\x01") + "0\x01"
                                        "3\x01"
                                        "4\x01"
                                        "50\x01"
                                        "2\x01"
                                        "0\x01\x01",
       true, false, false},
      {16, "Hello", false, false, true},
      {17, "", true, false, false},  // an empty source copies nothing and is no success
      // Kinds without the close rule never close by the flag.
      {4, "s.wav", true, false, false},
      {10, "", true, false, false},
      {11, "", true, false, false},
      {12, "Other", true, false, false},
      {6, "Sub", true, false, false},
      {18, "", true, false, false},
      {19, "Player", true, false, false},
      {26,
       std::string("Text1\x01"
                   "a.txt\x01"),
       true, false, false},
      {0, "", true, false, false},
      {29, "", true, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("kind " + std::to_string(c.kind) + " target " + c.target);
    ScopedShellRecording recording;
    ScopedRecording boxes;
    RecordingViewer viewer;
    recording.shell.openResult = c.shellStarts ? kShellStarted : 2;
    recording.shell.waitingResult = {c.shellStarts, c.shellStarts ? 0ul : 2ul};
    RecordingHost host;
    if (c.fileThere) {
      host.files.AddFile(kRoot + "\\p.png");
      host.files.AddFile(kRoot + "\\m.avi");
      host.files.CreateFolderPath(kRoot + "\\slides");
    }
    ExecuteAction(host, Action(c.kind, c.target, /*close=*/true));
    EXPECT_EQ(Closed(host), c.closes);

    // The same action without the flag never closes.
    RecordingHost unflagged;
    unflagged.files = host.files;
    ExecuteAction(unflagged, Action(c.kind, c.target, /*close=*/false));
    EXPECT_FALSE(Closed(unflagged));
  }
}

TEST(ExecuteAction, ShellStartsAndTheirErrorBoxes) {
  ScopedShellRecording recording;
  ScopedRecording boxes;
  RecordingHost host;
  TCommand run = Action(1, "setup.exe");
  run.actionParameters = "/S";
  run.showCommand = 3;
  ExecuteAction(host, run);
  ExecuteAction(host, Action(7, ""));
  ExecuteAction(host, Action(2, "www.example.com"));
  ASSERT_EQ(recording.shell.runs.size(), 3u);
  const ShellRequest& file = recording.shell.runs[0].request;
  EXPECT_EQ(file.operation, "open");
  EXPECT_EQ(file.file, kRoot + "\\setup.exe");
  EXPECT_EQ(file.parameters, "/S");
  EXPECT_EQ(file.folder, kRoot) << "an empty working folder is the disc root";
  EXPECT_EQ(file.showCommand, 3);
  EXPECT_EQ(recording.shell.runs[1].request.operation, "explore");
  EXPECT_EQ(recording.shell.runs[1].request.file, kRoot) << "an empty folder browses the disc root";
  EXPECT_EQ(recording.shell.runs[2].request.file, "www.example.com");
  EXPECT_TRUE(Recorder().boxes.empty());

  // Failures: the table text, "Operation Error" outside it, and e-mail's own text.
  for (const auto& [result, kind, text] : {
           std::tuple{2, 1, "The specified file was not found."},
           std::tuple{31, 5,
                      "There is no application associated with the given filename extension."},
           std::tuple{12, 2, "Operation Error"},
           std::tuple{2, 3, "Default email program not found on your system."},
       }) {
    ScopedRecording failure;
    recording.shell.openResult = result;
    ExecuteAction(host, Action(kind, "x"));
    ASSERT_EQ(Recorder().boxes.size(), 1u);
    EXPECT_EQ(Recorder().boxes[0].text, text);
    EXPECT_EQ(Recorder().boxes[0].caption, "Error");
  }
  EXPECT_EQ(recording.shell.runs.back().request.file, "mailto:x");
  EXPECT_EQ(ShellErrorText(0), "The operating system is out of memory or resources.");
  EXPECT_EQ(ShellErrorText(33), "Operation Error");
}

TEST(ExecuteAction, FileListRunsWholeEntriesInOrderAndStopsAtAMalformedOne) {
  ScopedShellRecording recording;
  ScopedRecording boxes;
  RecordingHost host;
  // Waits for the first program; the second starts with its folder; the third lacks its wait
  // field and ends the list before the fourth.
  const std::string target = std::string("\\one.exe\x01-a\x01tools\x01Y\x01\x02") +
                             "two.exe\x01\x01\x01 \x01\x02" + "three.exe\x01\x01\x01\x02" +
                             "four.exe\x01\x01\x01 \x01\x02";
  TCommand command = Action(1, target, false);
  command.showCommand = 7;
  ExecuteAction(host, command);
  ASSERT_EQ(host.waited.size(), 1u);
  EXPECT_EQ(host.waited[0].file, kRoot + "\\one.exe");
  EXPECT_EQ(host.waited[0].parameters, "-a");
  EXPECT_EQ(host.waited[0].folder, kRoot + "\\tools");
  EXPECT_EQ(host.waited[0].showCommand, 7);
  ASSERT_EQ(recording.shell.runs.size(), 1u);
  EXPECT_EQ(recording.shell.runs[0].request.file, kRoot + "\\two.exe");
  EXPECT_EQ(recording.shell.runs[0].request.folder, kRoot);

  // A waiting run that failed reports the system's error; a number outside the table (even one
  // above 32) is an error too, never a success.
  for (const auto& [error, text] : {std::pair{2ul, "The specified file was not found."},
                                    std::pair{1155ul, "Operation Error"}}) {
    ScopedRecording failure;
    host.waitingResult = {false, error};
    EXPECT_FALSE(RunShell(host, "open", "x.exe", 1, /*wait=*/true, kRoot, ""));
    ASSERT_EQ(Recorder().boxes.size(), 1u);
    EXPECT_EQ(Recorder().boxes[0].text, text);
  }
}

TEST(ExecuteAction, DesignTimeShowsABoxInsteadOfOpeningPages) {
  ScopedShellRecording recording;
  RecordingHost host;
  host.designTime = true;
  ExecuteAction(host, Action(6, "Sub"));
  ExecuteAction(host, Action(12, "Other"));
  EXPECT_TRUE(host.log.empty());
  ASSERT_EQ(recording.boxes.boxes.size(), 2u);
  EXPECT_EQ(recording.boxes.boxes[0].text, "The page can not be shown at design time");
  EXPECT_EQ(recording.boxes.boxes[0].caption, "Click action");

  host.designTime = false;
  ExecuteAction(host, Action(6, "Sub"));
  ExecuteAction(host, Action(12, "Other"));
  ExecuteAction(host, Action(16, "Hi", false));
  EXPECT_EQ(host.log, (std::vector<std::string>{"sub page Sub", "goto Other"}));
  EXPECT_EQ(recording.log.back(), "inform Disc: Hi");
}

CopyFileSettings CopySettings(std::string source) {
  CopyFileSettings settings;
  settings.source = std::move(source);
  settings.targetFolder = " [ProgramFiles] ";
  settings.overwrite = false;
  settings.showMessage = true;
  settings.messageType = kCopyMessageQuestion;
  settings.caption = "Install";
  settings.message = "Copy?";
  settings.runFile = "app\\run.exe";
  settings.runParameters = "-x";
  settings.runFolder = "app";
  return settings;
}

struct CopyFixture {
  ScopedShellRecording recording;
  RecordingHost host;
  const std::string target = "C:\\Program Files";
  CopyFixture() {
    recording.shell.folders[38] = target;
    host.files.AddFile(kRoot + "\\data\\app\\run.exe", "new");
    host.files.AddFile(kRoot + "\\data\\readme.txt", "new");
    host.files.CreateFolderPath(kRoot + "\\data\\empty");
  }
  void Run(const CopyFileSettings& settings) {
    ExecuteAction(host, Action(17, settings.Encode(), false));
  }
};

TEST(ExecuteAction, CopiesAFileOrATreeThenRunsTheProgram) {
  {
    CopyFixture f;
    f.recording.boxes.answers = {MessageAnswer::Yes};
    f.Run(CopySettings("data\\readme.txt"));
    EXPECT_EQ(f.host.files.copies, std::vector<std::string>{f.target + "\\readme.txt"});
    EXPECT_EQ(f.recording.log,
              (std::vector<std::string>{"folder 38", "ask Install: Copy?",
                                        "open open " + f.target + "\\app\\run.exe"}));
    EXPECT_EQ(f.recording.shell.runs[0].request.folder, f.target + "\\app");
    EXPECT_EQ(f.recording.shell.runs[0].request.parameters, "-x");
    EXPECT_EQ(f.recording.shell.runs[0].request.owner, nullptr);
  }
  {
    // A tree: every file and sub-folder lands at the same place below the target folder.
    CopyFixture f;
    f.recording.boxes.answers = {MessageAnswer::Yes};
    f.host.files.AddFile(f.target + "\\readme.txt", "old");
    f.Run(CopySettings("\\data"));
    EXPECT_EQ(f.host.files.copies, std::vector<std::string>{f.target + "\\app\\run.exe"})
        << "an existing file is kept without overwrite";
    EXPECT_EQ(f.host.files.files[f.target + "\\readme.txt"], "old");
    EXPECT_TRUE(f.host.files.FolderExists(f.target + "\\empty"));
    EXPECT_EQ(f.recording.shell.runs.size(), 1u);
  }
  {
    // Overwrite off onto a folder that holds everything already: no prompt, the program runs.
    CopyFixture f;
    f.host.files.AddFile(f.target + "\\readme.txt", "old");
    f.host.files.AddFile(f.target + "\\app\\run.exe", "old");
    f.host.files.CreateFolderPath(f.target + "\\empty");
    f.Run(CopySettings("data"));
    EXPECT_TRUE(f.host.files.copies.empty());
    EXPECT_TRUE(f.recording.boxes.boxes.empty());
    EXPECT_EQ(f.recording.shell.runs.size(), 1u);
    // With overwrite on everything is copied again, after the prompt.
    f.recording.boxes.answers = {MessageAnswer::Yes};
    CopyFileSettings overwrite = CopySettings("data");
    overwrite.overwrite = true;
    f.Run(overwrite);
    EXPECT_EQ(f.host.files.copies.size(), 2u);
    EXPECT_EQ(f.host.files.files[f.target + "\\readme.txt"], "new");
  }
  {
    // A question answered No copies and runs nothing; an information box only informs.
    CopyFixture f;
    f.recording.boxes.answers = {MessageAnswer::No};
    f.Run(CopySettings("data"));
    EXPECT_TRUE(f.host.files.copies.empty());
    EXPECT_TRUE(f.recording.shell.runs.empty());
    CopyFileSettings inform = CopySettings("data\\readme.txt");
    inform.messageType = kCopyMessageInformation;
    f.Run(inform);
    EXPECT_EQ(f.recording.boxes.boxes.back().buttons, MessageButtons::Ok);
    EXPECT_EQ(f.host.files.copies.size(), 1u);
  }
  {
    // A source that is not there copies nothing and runs nothing; a plain target folder is used
    // as written.
    CopyFixture f;
    f.Run(CopySettings("missing"));
    CopyFileSettings plain = CopySettings("data\\readme.txt");
    plain.targetFolder = "D:\\Apps\\New";
    plain.showMessage = false;
    plain.runFile = "";
    f.Run(plain);
    EXPECT_EQ(f.host.files.copies, std::vector<std::string>{"D:\\Apps\\New\\readme.txt"});
    EXPECT_TRUE(f.recording.shell.runs.empty());
  }
}

TEST(ExecuteAction, NameListsShowHideEnableAndDisableByGroupAndName) {
  RecordingHost host;
  host.AddObject("A", "g");
  host.AddObject("B", "g");
  host.AddObject("C");
  host.AddObject("g");  // a name equal to a group name is not in the group
  ShowHideSettings settings;
  settings.sections[kHideGroups] = {"g"};
  settings.sections[kDisableObjects] = {"C"};
  settings.sections[kShowObjects] = {"B"};
  ExecuteAction(host, Action(27, settings.Encode()));
  EXPECT_EQ(host.log,
            (std::vector<std::string>{"state A hidden enabled", "state B hidden enabled",
                                      "state B visible enabled", "state C visible disabled"}));

  // A missing separator ends the work after the sections before it: hide groups and then the
  // cut-short "objects to show" section does nothing.
  host.log.clear();
  std::string cut = std::string("\x01") +
                    "g\x01"
                    "\x01"
                    "\x01"
                    "A\r\nC";
  ExecuteAction(host, Action(27, cut));
  EXPECT_EQ(host.log,
            (std::vector<std::string>{"state A hidden enabled", "state B hidden enabled"}));
}

TEST(ExecuteAction, GroupsRunEveryEntryEvenAfterOneClosesTheWindow) {
  ScopedShellRecording recording;
  RecordingHost host;
  host.AddObject("Player");
  host.AddObject("Text1");
  ActionGroupSettings group;
  group.actions = {{.actionKind = 16, .target = "first"},
                   {.actionKind = 8},
                   {.actionKind = 20, .target = "Player"},
                   {.actionKind = 26, .target = std::string("Text1\x01 a.txt \x01")},
                   {.actionKind = 2, .target = "url", .closeAfterAction = true}};
  ExecuteAction(host, Action(28, group.Encode(), /*close=*/true));
  EXPECT_EQ(host.log, (std::vector<std::string>{"close", "player Player 1",
                                                "load Text1 " + kRoot + "\\a.txt", "close"}));
  EXPECT_FALSE(host.exitRequested);
  EXPECT_EQ(recording.log.front(), "inform Disc: first");
  EXPECT_EQ(recording.log.back(), "open open url");
}

}  // namespace
}  // namespace plexara
