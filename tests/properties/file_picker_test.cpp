// The file picker's disc-folder rules: a file inside is taken as it is; one outside is copied in
// only after both questions, and a failed copy or any "No" keeps the value.
#include "properties/file_picker.h"

#include <gtest/gtest.h>

#include <set>

#include "support/recording_shell.h"

namespace plexara {
namespace {

using testing_support::RecordingMessageBoxes;

class FakeSteps final : public FilePickSteps {
 public:
  bool PickFolder(const std::string& label, std::string& value) override {
    log.push_back("folder " + label);
    if (!folder) return false;
    value = *folder;
    return true;
  }
  bool FileExists(const std::string& path) override { return existing.count(path) > 0; }
  bool CopyReplacing(const std::string& source, const std::string& target) override {
    log.push_back("copy " + source + " > " + target);
    return copyWorks;
  }

  std::optional<std::string> folder = "\\";
  std::set<std::string> existing;
  bool copyWorks = true;
  std::vector<std::string> log;
};

constexpr const char* kDisc = "C:\\Work\\CD";

TEST(FilePicker, StartsOnTheTrimmedValueBelowTheDiscFolder) {
  EXPECT_EQ(InitialPickPath(kDisc, ""), "");
  EXPECT_EQ(InitialPickPath(kDisc, "   "), "");
  EXPECT_EQ(InitialPickPath(kDisc, " snd\\a.wav "), "C:\\Work\\CD\\snd\\a.wav");
  EXPECT_EQ(InitialPickPath(kDisc, "\\a.wav"), "C:\\Work\\CD\\a.wav");
}

TEST(FilePicker, AFileInsideIsTakenWithoutAQuestion) {
  FakeSteps steps;
  RecordingMessageBoxes boxes;
  EXPECT_EQ(PlaceInDisc(kDisc, "c:\\work\\cd\\Media\\Intro.wav", steps, boxes, nullptr),
            "\\Media\\Intro.wav");
  EXPECT_TRUE(boxes.boxes.empty());
  EXPECT_TRUE(steps.log.empty());
}

TEST(FilePicker, AFileOutsideIsCopiedInOnlyAfterTheQuestions) {
  struct Case {
    const char* name;
    std::vector<MessageAnswer> answers;
    std::optional<std::string> folder;
    bool exists;
    bool copyWorks;
    std::optional<std::string> expected;
    std::size_t questions;
  };
  using A = MessageAnswer;
  const Case cases[] = {
      {"copy into the root", {A::Yes}, "\\", false, true, "\\b.txt", 1},
      {"copy into a folder", {A::Yes}, "\\Docs", false, true, "\\Docs\\b.txt", 1},
      {"no copy", {A::No}, "\\", false, true, std::nullopt, 1},
      {"folder cancelled", {A::Yes}, std::nullopt, false, true, std::nullopt, 1},
      {"overwrite refused", {A::Yes, A::No}, "\\Docs", true, true, std::nullopt, 2},
      {"overwrite accepted", {A::Yes, A::Yes}, "\\Docs", true, true, "\\Docs\\b.txt", 2},
      {"copy fails", {A::Yes}, "\\", false, false, std::nullopt, 1},
  };
  for (const Case& c : cases) {
    FakeSteps steps;
    steps.folder = c.folder;
    steps.copyWorks = c.copyWorks;
    if (c.exists) steps.existing.insert("C:\\Work\\CD\\Docs\\b.txt");
    RecordingMessageBoxes boxes;
    boxes.answers.assign(c.answers.begin(), c.answers.end());
    // A sibling folder whose name merely starts with the disc folder's name is outside it.
    EXPECT_EQ(PlaceInDisc(kDisc, "C:\\Work\\CDROM\\b.txt", steps, boxes, nullptr), c.expected)
        << c.name;
    ASSERT_EQ(boxes.boxes.size(), c.questions) << c.name;
    EXPECT_EQ(boxes.boxes[0].text, "The file you selected is not in CD-ROM base folder, copy it?");
    EXPECT_EQ(boxes.boxes[0].caption, "Copy file");
    if (c.questions > 1) {
      EXPECT_EQ(boxes.boxes[1].text, "\"b.txt\" already exists, overwrite?");
      EXPECT_EQ(boxes.boxes[1].caption, "File Exists");
    }
    const bool copied = !steps.log.empty() && steps.log.back().rfind("copy ", 0) == 0;
    EXPECT_EQ(copied, c.expected.has_value() || !c.copyWorks) << c.name;
  }
}

TEST(FilePicker, ADotSegmentNeverPassesForAPathInside) {
  FakeSteps steps;
  RecordingMessageBoxes boxes;
  EXPECT_EQ(PlaceInDisc(kDisc, "C:\\Work\\CD\\..\\secret.txt", steps, boxes, nullptr),
            std::nullopt);
  ASSERT_EQ(boxes.boxes.size(), 1u);  // asked to copy, answered No
  steps.folder = "\\..";
  boxes.answers = {MessageAnswer::Yes};
  EXPECT_EQ(PlaceInDisc(kDisc, "D:\\x.txt", steps, boxes, nullptr), std::nullopt);
}

}  // namespace
}  // namespace plexara
