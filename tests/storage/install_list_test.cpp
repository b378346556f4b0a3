// Start-up install list: entry and list round trips, the stored entry layout, damaged data failing
// once, and the report codes when the list sits inside another record.
#include "storage/install_list.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "storage/binary_fields.h"
#include "support/record_test_helpers.h"
#include "support/recording_reporter.h"
#include "support/stream_helpers.h"

namespace plexara {
namespace {

using testing_support::BytesOf;
using testing_support::Encode;
using testing_support::ExpectEveryCutFailsOnce;
using testing_support::Recorder;
using testing_support::ReportedCodeIs;
using testing_support::ScopedRecording;
using Bytes = testing_support::Bytes;

TInstallWare SampleEntry(std::string installer, std::int32_t when) {
  TInstallWare e;
  e.installer = std::move(installer);
  e.parameters = "/quiet /norestart";
  e.startDirectory = "\\Setup";
  e.wait = false;
  e.when = when;
  e.fileType = ".pdf (Adobe Acrobat Document)";
  e.reservedText = "kept";
  e.reservedInteger = -9;
  e.prompt = false;
  e.messageCaption = "Reader";
  e.messageText = "Install the reader?";
  e.allowSkip = false;
  return e;
}

std::vector<TInstallWare> SampleList() {
  // The second entry's "When" runs never, but is kept as stored.
  return {SampleEntry("\\Setup\\reader.exe", kInstallAlways), SampleEntry("\\Setup\\codec.msi", 7)};
}

TEST(InstallList, RoundTripKeepsEveryEntryAndField) {
  ScopedRecording recording;
  const std::vector<std::vector<TInstallWare>> lists = {SampleList(), {}, {TInstallWare{}}};
  for (const auto& list : lists) {
    const Bytes bytes = Encode([&](OutStream& out) { EXPECT_TRUE(WriteInstallList(out, list)); });
    MemoryInStream in(bytes);
    std::vector<TInstallWare> back = {TInstallWare{}, TInstallWare{}, TInstallWare{}};
    ASSERT_TRUE(ReadInstallList(in, back));
    EXPECT_EQ(in.Remaining(), 0u);
    EXPECT_EQ(back, list);
    EXPECT_EQ(Encode([&](OutStream& out) { WriteInstallList(out, back); }), bytes);
  }
  EXPECT_TRUE(Recorder().boxes.empty());
}

TEST(InstallList, EntryLayoutIsPinned) {
  TInstallWare e;
  e.installer = "i";
  e.parameters = "p";
  e.startDirectory = "d";
  e.wait = true;
  e.when = kInstallAlways;
  e.fileType = ".x";
  e.reservedText = "";
  e.reservedInteger = 0x0102;
  e.prompt = false;
  e.messageCaption = "c";
  e.messageText = "";
  e.allowSkip = true;
  EXPECT_EQ(Encode([&](OutStream& out) { WriteInstallEntry(out, e); }),
            BytesOf({1, 0, 0, 0, 'i',       // installer
                     1, 0, 0, 0, 'p',       // parameters
                     1, 0, 0, 0, 'd',       // start directory
                     1,                     // wait
                     1, 0, 0, 0,            // when
                     2, 0, 0, 0, '.', 'x',  // file type
                     0, 0, 0, 0,            // reserved text
                     2, 1, 0, 0,            // reserved integer
                     0,                     // prompt
                     1, 0, 0, 0, 'c',       // message caption
                     0, 0, 0, 0,            // message text
                     1}));                  // allow skip
}

TEST(InstallList, EveryTruncationFailsWithOneReport) {
  const Bytes bytes = Encode([](OutStream& out) { WriteInstallList(out, SampleList()); });
  std::vector<TInstallWare> list;
  ASSERT_NO_FATAL_FAILURE(ExpectEveryCutFailsOnce(
      bytes,
      [&](InStream& in) {
        list = {TInstallWare{}};
        return ReadInstallList(in, list);
      },
      [&](std::size_t length, const std::string& text) {
        EXPECT_TRUE(ReportedCodeIs(1061) || ReportedCodeIs(1054)) << "cut at " << length << ": " << text;
        EXPECT_EQ(list, std::vector<TInstallWare>{TInstallWare{}}) << "a failed read leaves the list as it was";
      }));
}

TEST(InstallList, HostileCountsAreRefused) {
  const Bytes cases[] = {BytesOf({0xFF, 0xFF, 0xFF, 0xFF}), BytesOf({0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0})};
  for (const Bytes& bytes : cases) {
    ScopedRecording recording;
    MemoryInStream in(bytes);
    std::vector<TInstallWare> list;
    EXPECT_FALSE(ReadInstallList(in, list));
    EXPECT_TRUE(ReportedCodeIs(1061));
  }
}

// Inside the project settings the count belongs to the settings record; the entries keep theirs.
TEST(InstallList, NestedListReportsCountAndEntriesWithTheirOwnCodes) {
  constexpr int kOuterReadCode = 4321;
  constexpr int kOuterWriteCode = 4322;
  const Bytes bytes = Encode([](OutStream& out) { WriteInstallList(out, SampleList()); });
  const TInstallWare first = SampleList()[0];
  const std::size_t whenOffset =
      4 + (4 + first.installer.size()) + (4 + first.parameters.size()) + (4 + first.startDirectory.size()) + 1;
  const struct {
    std::size_t length;
    int code;
  } reads[] = {{2, kOuterReadCode}, {whenOffset + 2, 1061}};
  for (const auto& c : reads) {
    ScopedRecording recording;
    MemoryInStream in(std::span(bytes.data(), c.length));
    std::vector<TInstallWare> list;
    BinaryReadVisitor visitor(in, kOuterReadCode);
    InstallListFields(visitor, list);
    EXPECT_FALSE(visitor.ok());
    EXPECT_TRUE(ReportedCodeIs(c.code)) << c.length;
  }
  // A medium that refuses everything fails the count first, with the settings' code.
  class RefusingOutStream final : public OutStream {
   public:
    bool Write(const void*, std::size_t) override { return false; }
    std::uint64_t Position() const override { return 0; }
    bool Seek(std::uint64_t) override { return true; }
  } refusing;
  ScopedRecording recording;
  std::vector<TInstallWare> list = SampleList();
  BinaryWriteVisitor visitor(refusing, kOuterWriteCode);
  InstallListFields(visitor, list);
  EXPECT_FALSE(visitor.ok());
  EXPECT_TRUE(ReportedCodeIs(kOuterWriteCode));
}

}  // namespace
}  // namespace plexara
