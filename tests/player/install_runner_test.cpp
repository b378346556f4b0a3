// Start-up install list: the file-type text rule, the decision table of one entry (installer on
// the disc, "When", viewer, prompt, skip, answer, wait), the boxes it shows, and the starts it
// makes in list order with failures passed over.
#include "player/install_runner.h"

#include <gtest/gtest.h>

#include <set>

#include "support/recording_reporter.h"
#include "support/recording_shell.h"

namespace plexara {
namespace {

using testing_support::ScopedShellRecording;
using Log = std::vector<std::string>;

const std::string kRoot = "E:";
const std::string kSetup = "\\Setup\\setup.exe";
const std::string kSetupPath = "E:\\Setup\\setup.exe";

class FakeProbe final : public FileSystemProbe {
 public:
  std::set<std::string> files;
  bool FileExists(const std::string& path) const override { return files.count(path) != 0; }
  bool FolderExists(const std::string&) const override { return false; }
};

TInstallWare Entry(std::string installer = kSetup) {
  TInstallWare e;
  e.installer = std::move(installer);
  e.parameters = "/S";
  e.startDirectory = "\\Setup";
  e.wait = true;
  e.when = kInstallAlways;
  e.fileType = ".pdf (Adobe Acrobat Document)";
  e.prompt = false;
  e.messageCaption = "Reader";
  e.messageText = "Install the reader?";
  e.allowSkip = true;
  return e;
}

TEST(InstallRunner, FileTypeTextGivesTheTypeFromTheFirstDot) {
  const struct {
    const char* text;
    std::optional<std::string> type;
  } cases[] = {
      {".pdf (Adobe Acrobat Document)", ".pdf"},
      {".pdf", ".pdf"},
      {".pdf(Adobe)", ".pdf"},
      {"Adobe files .pdf", ".pdf"},
      {".doc (Word) .rtf", ".doc"},
      {"x.tar.gz", ".tar.gz"},
      {".", "."},
      {"(.pdf)", ".pdf)"},
      {"", std::nullopt},
      {"Adobe Acrobat Document", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(InstallFileType(c.text), c.type) << c.text;
}

TEST(InstallRunner, DecisionTable) {
  enum Disc { Present, Missing, Empty };
  const std::string ask = "ask Reader: Install the reader?";
  const std::string inform = "inform Reader: Install the reader?";
  const std::string waitRun = "wait Open " + kSetupPath;
  const std::string openRun = "open open " + kSetupPath;
  const std::string lookup = "command .pdf";
  const struct {
    const char* name;
    Disc disc;
    std::int32_t when;
    const char* fileType;
    bool viewer;  // ".pdf" has an open command
    bool prompt;
    bool allowSkip;
    MessageAnswer answer;
    bool wait;
    Log expected;
  } rows[] = {
      {"always, waiting", Present, 1, "", false, false, false, MessageAnswer::No, true, {waitRun}},
      {"always, not waiting", Present, 1, "", true, false, false, MessageAnswer::No, false, {openRun}},
      {"installer missing, prompt on", Missing, 1, "", false, true, true, MessageAnswer::Yes, true, {}},
      {"installer field empty", Empty, 1, "", false, true, false, MessageAnswer::Yes, true, {}},
      {"no viewer", Present, 0, ".pdf (Adobe Acrobat Document)", false, false, false, MessageAnswer::No, true,
       {lookup, waitRun}},
      {"viewer registered", Present, 0, ".pdf (Adobe Acrobat Document)", true, false, false, MessageAnswer::No,
       true, {lookup}},
      {"viewer registered, prompt on", Present, 0, ".pdf", true, true, true, MessageAnswer::Yes, true, {lookup}},
      {"file type empty", Present, 0, "", false, false, false, MessageAnswer::No, true, {}},
      {"file type without a dot", Present, 0, "Adobe Acrobat Document", false, false, false, MessageAnswer::No,
       true, {}},
      {"when 2 never runs", Present, 2, ".pdf", false, false, false, MessageAnswer::No, true, {}},
      {"when -1 never runs", Present, -1, ".pdf", false, false, false, MessageAnswer::No, true, {}},
      {"prompt, skip allowed, Yes", Present, 1, "", false, true, true, MessageAnswer::Yes, true, {ask, waitRun}},
      {"prompt, skip allowed, No", Present, 1, "", false, true, true, MessageAnswer::No, true, {ask}},
      {"prompt, skip allowed, Cancel", Present, 1, "", false, true, true, MessageAnswer::Cancel, true, {ask}},
      {"prompt without skip", Present, 1, "", false, true, false, MessageAnswer::No, true, {inform, waitRun}},
      {"no viewer, prompt, Yes, not waiting", Present, 0, ".pdf (Adobe Acrobat Document)", false, true, true,
       MessageAnswer::Yes, false, {lookup, ask, openRun}},
  };
  for (const auto& row : rows) {
    ScopedShellRecording recording;
    if (row.viewer) recording.shell.openCommands[".pdf"] = "\"C:\\Reader\\reader.exe\" \"%1\"";
    recording.boxes.answers.push_back(row.answer);
    FakeProbe probe;
    if (row.disc == Present) probe.files.insert(kSetupPath);
    TInstallWare entry = Entry(row.disc == Empty ? "" : kSetup);
    entry.when = row.when;
    entry.fileType = row.fileType;
    entry.prompt = row.prompt;
    entry.allowSkip = row.allowSkip;
    entry.wait = row.wait;

    RunInstallList({entry}, kRoot, probe, recording.shell, recording.boxes);
    EXPECT_EQ(recording.log, row.expected) << row.name;
  }
}

TEST(InstallRunner, PromptBoxesAndAnsweringNoGoesOnWithTheNextEntry) {
  ScopedShellRecording recording;
  recording.boxes.answers = {MessageAnswer::No, MessageAnswer::Ok};
  FakeProbe probe;
  probe.files = {"E:\\a.exe", "E:\\b.exe"};
  TInstallWare question = Entry("\\a.exe");
  question.prompt = true;
  question.allowSkip = true;
  TInstallWare information = Entry("\\b.exe");
  information.prompt = true;
  information.allowSkip = false;
  information.messageCaption = "Viewer";
  information.messageText = "A viewer will be installed.";

  RunInstallList({question, information}, kRoot, probe, recording.shell, recording.boxes);

  ASSERT_EQ(recording.boxes.boxes.size(), 2u);
  const MessageBoxRequest& asked = recording.boxes.boxes[0];
  EXPECT_EQ(asked.text, "Install the reader?");
  EXPECT_EQ(asked.caption, "Reader");
  EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
  EXPECT_EQ(asked.icon, MessageIcon::Information);
  EXPECT_EQ(asked.owner, nullptr);
  const MessageBoxRequest& told = recording.boxes.boxes[1];
  EXPECT_EQ(told.text, "A viewer will be installed.");
  EXPECT_EQ(told.caption, "Viewer");
  EXPECT_EQ(told.buttons, MessageButtons::Ok);
  EXPECT_EQ(told.icon, MessageIcon::Information);
  ASSERT_EQ(recording.shell.runs.size(), 1u);
  EXPECT_EQ(recording.shell.runs[0].request.file, "E:\\b.exe");
}

TEST(InstallRunner, EntriesStartInListOrderWithTheirRequestsAndFailuresPassOver) {
  testing_support::ScopedRecording errors;
  ScopedShellRecording recording;
  recording.shell.waitingResult = {false, 2};  // every start fails
  recording.shell.openResult = 2;
  FakeProbe probe;
  probe.files = {"E:\\first.exe", "E:\\second.exe", "E:\\third.exe", "E:bare.exe"};
  TInstallWare first = Entry("\\first.exe");
  first.parameters = "/quiet /norestart";
  first.startDirectory = "\\Setup";
  TInstallWare second = Entry("\\second.exe");
  second.parameters = "";
  second.startDirectory = "";
  TInstallWare third = Entry("\\third.exe");
  third.wait = false;
  third.startDirectory = "\\Tools";
  TInstallWare bare = Entry("bare.exe");  // joined as stored, no backslash put in between
  bare.startDirectory = "";

  RunInstallList({first, second, third, bare}, kRoot, probe, recording.shell, recording.boxes);

  // One line a start: kind, verb, file, parameters, start folder, show command, owner.
  std::vector<std::string> starts;
  for (const testing_support::RecordedRun& run : recording.shell.runs) {
    const ShellRequest& r = run.request;
    std::string kind = run.waiting ? "wait" : "open";
    if (run.waitForIdle) kind += "+idle";
    if (run.waitForExit) kind += "+exit";
    starts.push_back(kind + "|" + r.operation + "|" + r.file + "|" + r.parameters + "|" + r.folder + "|" +
                     std::to_string(r.showCommand) + (r.owner == nullptr ? "|no owner" : "|owner"));
  }
  EXPECT_EQ(starts, (Log{
                        "wait+idle+exit|Open|E:\\first.exe|/quiet /norestart|E:\\Setup|1|no owner",
                        "wait+idle+exit|Open|E:\\second.exe||E:|1|no owner",  // empty start folder: the root
                        "open|open|E:\\third.exe|/S|E:\\Tools|1|no owner",
                        "wait+idle+exit|Open|E:bare.exe|/S|E:|1|no owner",
                    }));

  EXPECT_TRUE(recording.boxes.boxes.empty());
  EXPECT_TRUE(testing_support::Recorder().boxes.empty());  // failed starts are not reported
}

}  // namespace
}  // namespace plexara
