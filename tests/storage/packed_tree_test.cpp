// Packing and unpacking folder trees on the real file system, hostile packed trees, and the
// self-contained layout (player bytes, tree, trailing position).
#include "storage/packed_tree.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "storage/self_contained.h"
#include "support/recording_reporter.h"
#include "support/stream_helpers.h"
#include "support/temp_tree.h"


namespace plexara {
namespace {

namespace stdfs = std::filesystem;
using testing_support::Bytes;
using testing_support::Recorder;
using testing_support::ScopedRecording;
using namespace testing_support;  // the temp-tree helpers

// Every path under target is in the cleanup list, each after its folder's entry, and walking the
// list empties target.
void ExpectCleanupCovers(const std::string& target, const TempCleanupList& cleanup) {
  std::map<std::string, std::size_t> listed;
  for (std::size_t i = 0; i < cleanup.entries().size(); ++i) listed.emplace(cleanup.entries()[i].substr(1), i);
  TreeMap tree;
  ASSERT_NO_FATAL_FAILURE(CollectTree(target, tree));
  for (const auto& [path, contents] : tree) {
    const auto found = listed.find(path);
    ASSERT_NE(found, listed.end()) << path << " is not in the cleanup list";
    EXPECT_EQ(cleanup.entries()[found->second][0], contents ? 'F' : 'D');
    const auto parent = listed.find(path.substr(0, path.rfind(kTreePathSeparator)));
    if (parent != listed.end()) {
      EXPECT_LT(parent->second, found->second) << path;
    }
  }
  RealRemover remover;
  cleanup.Walk(remover);
  EXPECT_TRUE(stdfs::is_empty(stdfs::path(target))) << "the exit walk left files behind";
}

// A project tree with every shape the packer meets, including excluded names at several depths.
void BuildSampleProject(const std::string& root, std::size_t bigSize) {
  Bytes big(bigSize);
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::uint8_t>((i * 7 + i / 251) & 0xFF);
  const Bytes excluded = TextBytes("left out at every depth");
  const Bytes otherCase = TextBytes("other case is content");
  WriteFileAt(root, {"autorun.inf"}, TextBytes("[autorun]\r\nopen=autorun.exe\r\n"));
  WriteFileAt(root, {"autorun.exe"}, excluded);
  WriteFileAt(root, {"autorun.tgt"}, TextBytes("target"));
  WriteFileAt(root, {"empty.bin"}, {});
  WriteFileAt(root, {"big.bin"}, big);
  WriteFileAt(root, {"caf\xE9 \xC4\xFF.txt"}, TextBytes("code page name"));
  WriteFileAt(root, {"AutoRunSource", "AutoRun.src"}, excluded);
  WriteFileAt(root, {"docs", "a", "b", "deep.txt"}, TextBytes("deep"));
  WriteFileAt(root, {"docs", "AutoRun.exe"}, otherCase);
  WriteFileAt(root, {"docs", "autorun.exe"}, excluded);
  WriteFileAt(root, {"docs", "a", "AutoRunSource", "x.pg"}, excluded);
  WriteFileAt(root, {"docs", "autorunsource", "kept.txt"}, otherCase);
  WriteFileAt(root, {"d\xE9j\xE0", "v.txt"}, TextBytes("v"));
  ASSERT_TRUE(Fs().CreateFolder(JoinTreePath(root, "empty folder")));
}

TreeMap ExpectedAfterUnpack(const std::string& root) {
  TreeMap expected;
  const std::string separator(1, kTreePathSeparator);
  for (const auto& [relative, contents] : Snapshot(root)) {
    const std::string wrapped = separator + relative + separator;
    const bool excluded = wrapped.find(separator + "AutoRunSource" + separator) != std::string::npos ||
                          wrapped.ends_with(separator + "autorun.exe" + separator);
    if (!excluded) expected[relative] = contents;
  }
  return expected;
}

Bytes Pack(const std::string& folder) {
  MemoryOutStream out;
  const Result<void> packed = PackTree(out, folder);
  EXPECT_TRUE(packed.ok()) << (packed.ok() ? "" : packed.error().message);
  return out.TakeBytes();
}

// Hand-built packed trees for hostile cases.
struct TreeWriter {
  MemoryOutStream out;
  TreeWriter& Int(std::int32_t value) { WriteInt32(out, value); return *this; }
  TreeWriter& Name(std::string_view name) { WriteLengthPrefixed(out, name); return *this; }
  TreeWriter& Data(std::string_view data) { out.Write(data.data(), data.size()); return *this; }
};

TEST(PackedTree, RoundTripKeepsContentAndLeavesOutSourceFolderAndPlayer) {
  TempFolder temp;
  const std::string source = temp.Sub("source");
  const std::string target = temp.Sub("target");
  BuildSampleProject(source, 3 * 1024 * 1024 + 17);

  const Bytes packed = Pack(source);
  ScopedRecording recording;
  MemoryInStream in(packed);
  TempCleanupList cleanup;
  ASSERT_TRUE(UnpackTree(in, target, cleanup).ok());
  EXPECT_TRUE(Recorder().boxes.empty());
  EXPECT_EQ(in.Remaining(), 0u);

  const TreeMap unpacked = Snapshot(target);
  EXPECT_EQ(unpacked, ExpectedAfterUnpack(source));
  EXPECT_TRUE(unpacked.count(Join("docs", {"autorunsource", "kept.txt"})));
  EXPECT_TRUE(unpacked.count(Join("docs", {"AutoRun.exe"})));
  EXPECT_TRUE(unpacked.count("caf\xE9 \xC4\xFF.txt"));
  EXPECT_TRUE(unpacked.count("empty folder"));
  EXPECT_FALSE(unpacked.count("AutoRunSource"));
  ExpectCleanupCovers(target, cleanup);
}

// The player's own name at the root is left out in every spelling, since the platform's names
// are case-blind; deeper down only the exact name is, and other spellings there are content.
TEST(PackedTree, RootPlayerIsLeftOutInAnyLetterCase) {
  for (const char* spelling : {"autorun.exe", "AUTORUN.EXE", "AutoRun.Exe"}) {
    SCOPED_TRACE(spelling);
    TempFolder temp;
    const std::string source = temp.Sub("source");
    WriteFileAt(source, {spelling}, TextBytes("player"));
    WriteFileAt(source, {"docs", spelling}, TextBytes("nested"));
    WriteFileAt(source, {"kept.txt"}, TextBytes("k"));
    const Bytes packed = Pack(source);
    MemoryInStream in(packed);
    TempCleanupList cleanup;
    const std::string target = temp.Sub("target");
    ASSERT_TRUE(UnpackTree(in, target, cleanup).ok());
    TreeMap expected = {{"kept.txt", TextBytes("k")}, {"docs", std::nullopt}};
    if (std::string_view(spelling) != kPackExcludedFileName) expected[Join("docs", {spelling})] = TextBytes("nested");
    EXPECT_EQ(Snapshot(target), expected);
  }
}

// A tree from elsewhere with a root file of the player's name must not overwrite the running
// copy beside it: the file is read past and the rest of the tree still unpacks.
TEST(PackedTree, UnpackingReadsPastARootPlayerInAnyLetterCase) {
  for (const char* spelling : {"autorun.exe", "AUTORUN.EXE", "AutoRun.Exe"}) {
    SCOPED_TRACE(spelling);
    TempFolder temp;
    const std::string target = temp.Sub("target");
    WriteFileAt(target, {"autorun.exe"}, TextBytes("running player"));
    const Bytes bytes = TreeWriter()
                            .Int(1).Name("sub").Int(0).Int(1).Name(spelling).Int(6).Data("nested")
                            .Int(2).Name(spelling).Int(7).Data("hostile").Name("after.txt").Int(1).Data("a")
                            .out.TakeBytes();
    ScopedRecording recording;
    MemoryInStream in(bytes);
    TempCleanupList cleanup;
    ASSERT_TRUE(UnpackTree(in, target, cleanup).ok());
    EXPECT_TRUE(Recorder().boxes.empty());
    EXPECT_EQ(in.Remaining(), 0u);
    const TreeMap expected = {{"autorun.exe", TextBytes("running player")},
                              {"sub", std::nullopt},
                              {Join("sub", {spelling}), TextBytes("nested")},
                              {"after.txt", TextBytes("a")}};
    EXPECT_EQ(Snapshot(target), expected);
    for (const std::string& entry : cleanup.entries()) {
      EXPECT_NE(entry.substr(1), JoinTreePath(target, spelling)) << "the player copy would be removed as unpacked";
    }
  }
}

TEST(PackedTree, SmallTreeBytesAreExact) {
  TempFolder temp;
  const std::string source = temp.Sub("source");
  WriteFileAt(source, {"s", "f"}, TextBytes("xy"));
  const Bytes expected = TreeWriter().Int(1).Name("s").Int(0).Int(1).Name("f").Int(2).Data("xy").Int(0).out.TakeBytes();
  EXPECT_EQ(Pack(source), expected);
}

TEST(PackedTree, UnsafeNamesFailWithOneReportAndWriteNothing) {
  const std::string names[] = {"",      ".",     "..",      "a\\b",    "a/b",   "C:x",  "NUL",
                               "con.txt", "Com1", "lpt9.log", "aux .x", "a\x01z", "tab\tname", "name.",
                               "name ",   "CONOUT$", "COM\xB9"};
  for (const std::string& name : names) {
    for (const bool asFolder : {true, false}) {
      SCOPED_TRACE(testing::Message() << "name \"" << name << "\" as " << (asFolder ? "folder" : "file"));
      TempFolder temp;
      const std::string target = temp.Sub("target");
      TreeWriter tree;
      if (asFolder) {
        tree.Int(1).Name(name).Int(0).Int(0).Int(0);
      } else {
        tree.Int(0).Int(1).Name(name).Int(1).Data("x");
      }
      const Bytes bytes = tree.out.TakeBytes();
      ScopedRecording recording;
      MemoryInStream in(bytes);
      TempCleanupList cleanup;
      EXPECT_FALSE(UnpackTree(in, target, cleanup).ok());
      EXPECT_EQ(Recorder().boxes.size(), 1u);
      EXPECT_TRUE(cleanup.entries().empty());
      EXPECT_TRUE(stdfs::is_empty(target));
      EXPECT_EQ(Children(temp.path()), std::vector<std::string>{"target"});
    }
  }
}

TEST(PackedTree, OrdinaryNamesCloseToReservedOnesAreAccepted) {
  for (const char* name : {"CONSOLE.txt", "COM10", "LPT", "NULL", "..a", ".hidden", "a.b.c", "caf\xE9"}) {
    EXPECT_TRUE(IsSafePackedName(name)) << name;
  }
}

TEST(PackedTree, DamagedCountsAndSizesFailBeforeWriting) {
  const struct {
    const char* name;
    Bytes bytes;
  } cases[] = {
      {"negative folder count", TreeWriter().Int(-1).out.TakeBytes()},
      {"huge folder count", TreeWriter().Int(0x7FFFFFFF).Int(0).out.TakeBytes()},
      {"huge file count", TreeWriter().Int(0).Int(0x10000000).Name("f").Int(0).out.TakeBytes()},
      {"size past the end", TreeWriter().Int(0).Int(1).Name("f").Int(0x7FFFFFFF).Data("abc").out.TakeBytes()},
      {"negative size", TreeWriter().Int(0).Int(1).Name("f").Int(-5).Data("abcdef").out.TakeBytes()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    TempFolder temp;
    const std::string target = temp.Sub("target");
    ScopedRecording recording;
    MemoryInStream in(c.bytes);
    TempCleanupList cleanup;
    const Result<void> result = UnpackTree(in, target, cleanup);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().code, kCodeUnpackTree);
    ASSERT_EQ(Recorder().boxes.size(), 1u);
    EXPECT_NE(Recorder().boxes[0].text.find("1070"), std::string::npos);
    EXPECT_TRUE(stdfs::is_empty(target));
  }
}

TEST(PackedTree, EveryTruncationFailsOnceAndIsCleanedUp) {
  TempFolder temp;
  const std::string source = temp.Sub("source");
  BuildSampleProject(source, 40);
  const Bytes packed = Pack(source);
  for (std::size_t cut = 0; cut < packed.size(); cut += 3) {
    SCOPED_TRACE(testing::Message() << "cut at " << cut << " of " << packed.size());
    const std::string target = temp.Sub("target");
    ScopedRecording recording;
    MemoryInStream in(std::span<const std::uint8_t>(packed.data(), cut));
    TempCleanupList cleanup;
    ASSERT_FALSE(UnpackTree(in, target, cleanup).ok());
    EXPECT_EQ(Recorder().boxes.size(), 1u);
    ASSERT_NO_FATAL_FAILURE(ExpectCleanupCovers(target, cleanup));
    EXPECT_EQ(Children(temp.path()).size(), 2u);  // source and target only
  }
}

TEST(PackedTree, NestingDeeperThanTheCapFails) {
  TempFolder temp;
  const std::string target = temp.Sub("target");
  TreeWriter tree;
  for (int i = 0; i <= kMaxPackedTreeDepth; ++i) tree.Int(1).Name("d");
  tree.Int(0).Int(0);
  for (int i = 0; i <= kMaxPackedTreeDepth; ++i) tree.Int(0);
  const Bytes bytes = tree.out.TakeBytes();
  ScopedRecording recording;
  MemoryInStream in(bytes);
  TempCleanupList cleanup;
  EXPECT_FALSE(UnpackTree(in, target, cleanup).ok());
  EXPECT_EQ(Recorder().boxes.size(), 1u);
  EXPECT_EQ(cleanup.entries().size(), static_cast<std::size_t>(kMaxPackedTreeDepth));
  ExpectCleanupCovers(target, cleanup);
}

TEST(PackedTree, FolderThatCannotBeCreatedReports1065WithItsPath) {
  TempFolder temp;
  const std::string target = temp.Sub("target");
  // A file already holds the folder's name.
  WriteFileAt(target, {"clash"}, TextBytes("file"));
  const Bytes bytes = TreeWriter().Int(1).Name("clash").Int(0).Int(0).Int(0).out.TakeBytes();
  ScopedRecording recording;
  MemoryInStream in(bytes);
  TempCleanupList cleanup;
  const Result<void> result = UnpackTree(in, target, cleanup);
  ASSERT_FALSE(result.ok());
  EXPECT_EQ(result.error().code, kCodeUnpackCreateFolder);
  ASSERT_EQ(Recorder().boxes.size(), 1u);
  const std::string& text = Recorder().boxes[0].text;
  EXPECT_EQ(text.rfind("\"" + JoinTreePath(target, "clash") + "\", ", 0), 0u) << text;
  EXPECT_NE(text.find("/1065)"), std::string::npos) << text;
}

TEST(SelfContained, TrailingPositionIsThePlayerSizeAndTheTreeUnpacks) {
  TempFolder temp;
  const std::string project = temp.Sub("project");
  const std::string target = temp.Sub("target");
  BuildSampleProject(project, 5000);
  Bytes player(4096, 0);
  player[0] = 'M';
  player[1] = 'Z';
  WriteFileAt(project, {"autorun.exe"}, player);

  MemoryOutStream out;
  ASSERT_TRUE(AppendPackedTree(JoinTreePath(project, "autorun.exe"), project, out).ok());
  const Bytes exe = out.TakeBytes();
  ASSERT_GT(exe.size(), player.size() + 4);
  EXPECT_TRUE(std::equal(player.begin(), player.end(), exe.begin()));
  MemoryInStream tail(std::span<const std::uint8_t>(exe).last(4));
  std::int32_t position = 0;
  ASSERT_TRUE(ReadInt32(tail, position));
  EXPECT_EQ(position, static_cast<std::int32_t>(player.size()));

  MemoryInStream in(exe);
  const Result<std::uint64_t> found = FindAppendedTree(in);
  ASSERT_TRUE(found.ok());
  EXPECT_EQ(found.value(), player.size());
  TempCleanupList cleanup;
  ASSERT_TRUE(UnpackTree(in, target, cleanup).ok());
  EXPECT_EQ(in.Remaining(), 4u);
  EXPECT_EQ(Snapshot(target), ExpectedAfterUnpack(project));
}

TEST(SelfContained, ExecutablesWithoutAppendedProjectAreRecognised) {
  Bytes padded(4096, 0);
  padded[0] = 'M';
  padded[1] = 'Z';
  // Position 2 reads two zero counts, an empty tree, but one that ends long before the trailer:
  // the tail of an ordinary executable that happens to read as a position into its own bytes.
  Bytes pointsToZeros = padded;
  pointsToZeros[4092] = 2;
  Bytes emptyTreeBeforeTheTrailer = padded;  // position 4084: two zero counts, then the trailer
  emptyTreeBeforeTheTrailer[4092] = 0xF4;
  emptyTreeBeforeTheTrailer[4093] = 0x0F;
  Bytes pastTheEnd = padded;
  pastTheEnd[4095] = 0x10;
  Bytes implausibleCount = padded;  // position 1 reads 65535 folders, more than the bytes can hold
  implausibleCount[1] = 0xFF;
  implausibleCount[2] = 0xFF;
  implausibleCount[4092] = 1;
  const struct {
    const char* name;
    Bytes bytes;
  } cases[] = {
      {"empty", {}},
      {"shorter than a trailer", testing_support::BytesOf({1, 2})},
      {"zero padding at the end", padded},
      {"position past the end", pastTheEnd},
      {"implausible first count", implausibleCount},
      {"a tree that ends before the trailer", pointsToZeros},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScopedRecording recording;
    MemoryInStream in(c.bytes);
    const Result<std::uint64_t> found = FindAppendedTree(in);
    ASSERT_FALSE(found.ok());
    EXPECT_EQ(found.error().message, kNoAppendedProject);
    EXPECT_TRUE(Recorder().boxes.empty());
  }
  // A whole tree that ends right at the trailer is a project, however small.
  MemoryInStream in(emptyTreeBeforeTheTrailer);
  const Result<std::uint64_t> found = FindAppendedTree(in);
  ASSERT_TRUE(found.ok());
  EXPECT_EQ(found.value(), 4084u);
  EXPECT_EQ(in.Position(), 4084u);
}

}  // namespace
}  // namespace plexara
