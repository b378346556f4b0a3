// Shared pieces of the record tests: an output that fills up, the code of the recorded report,
// the bytes of single primitives, and the loops that cut a record short or refuse its writes.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <set>
#include <span>
#include <string>
#include <string_view>

#include "storage/binary_fields.h"
#include "storage/byte_stream.h"
#include "storage/primitives.h"
#include "support/recording_reporter.h"
#include "support/stream_helpers.h"

namespace plexara::testing_support {

// Accepts the first `limit` bytes, then refuses, like a full disk.
class LimitedOutStream final : public OutStream {
 public:
  explicit LimitedOutStream(std::size_t limit) : limit_(limit) {}
  bool Write(const void*, std::size_t size) override {
    if (size > limit_ - position_) return false;
    position_ += size;
    return true;
  }
  std::uint64_t Position() const override { return position_; }
  bool Seek(std::uint64_t position) override {
    position_ = static_cast<std::size_t>(position < limit_ ? position : limit_);
    return true;
  }

 private:
  std::size_t limit_;
  std::size_t position_ = 0;
};

// The code a report text carries after its last slash ("... (Error Code: 0/1054), ..."), or -1.
int CodeInText(const std::string& text);

// The code of the single recorded box; -1 when there is not exactly one box or it has no code.
int ReportedCode();

// Whether exactly one box was recorded and it carries `code`.
inline bool ReportedCodeIs(int code) { return ReportedCode() == code; }

// The bytes of one primitive as written.
Bytes U8(int value);
Bytes I16(int value);
Bytes I32(long long value);
Bytes Str(std::string_view text);
Bytes FontBytes(const FontData& font);
Bytes Pic(const Picture& picture);
Bytes Fx(const TFxEffect& effect);
Bytes Labels(const TFontLabels& labels);
Bytes Cat(std::initializer_list<Bytes> parts);

// A decoded sample picture of the given class (an empty picture, after a failed check, if it does
// not decode).
Picture SamplePicture(GraphicClass graphicClass);

// A font that differs from a new one only by its name.
FontData NamedFont(const char* name);

// The bytes of a record written with its own write code; the write must succeed.
template <typename Record>
Bytes Written(const Record& record) {
  return Encode([&](OutStream& out) { EXPECT_TRUE(WriteRecord(out, record, Record::kWriteCode)); });
}

// Writes `original`, reads it into a new record and writes that again: the same record and the same
// bytes come back, with nothing read past them and no report.
template <typename Record>
void ExpectExactRoundTrip(const Record& original) {
  const Bytes bytes = Written(original);
  MemoryInStream in(bytes);
  Record read;
  ASSERT_TRUE(ReadRecord(in, read, Record::kReadCode));
  EXPECT_EQ(in.Remaining(), 0u);
  EXPECT_EQ(read, original);
  EXPECT_EQ(Written(read), bytes);
  EXPECT_TRUE(Recorder().boxes.empty());
}

// The bounds close every record, so a cut in its last byte, or a write refused there, is the record's
// own failure: reported with `readCode` and `writeCode`. `bytes` are the written `sample`.
template <typename Record>
void ExpectLastByteFailuresReport(const Bytes& bytes, const Record& sample, int readCode, int writeCode) {
  {
    ScopedRecording recording;
    MemoryInStream in(std::span(bytes.data(), bytes.size() - 1));
    Record read;
    ReadRecord(in, read, Record::kReadCode);
    EXPECT_EQ(ReportedCode(), readCode);
  }
  {
    ScopedRecording recording;
    LimitedOutStream out(bytes.size() - 1);
    EXPECT_FALSE(WriteRecord(out, sample, Record::kWriteCode));
    EXPECT_EQ(ReportedCode(), writeCode);
  }
}

// Reads every proper prefix of `bytes` with `read` (InStream& -> bool): each read must fail and leave
// exactly one box, whose text `check(length, text)` then judges. `name` leads the failure messages.
// Call through ASSERT_NO_FATAL_FAILURE so that a missing or extra box ends the test.
template <typename Read, typename Check>
void ExpectEveryCutFailsOnce(std::span<const std::uint8_t> bytes, Read&& read, Check&& check,
                             const std::string& name = {}) {
  const std::string label = name.empty() ? "cut at " : name + " cut at ";
  for (std::size_t length = 0; length < bytes.size(); ++length) {
    ScopedRecording recording;
    MemoryInStream in(bytes.first(length));
    EXPECT_FALSE(read(static_cast<InStream&>(in))) << label << length;
    ASSERT_EQ(Recorder().boxes.size(), 1u) << label << length;
    check(length, Recorder().boxes[0].text);
  }
}

// As above, where the box must carry one of `codes`.
template <typename Read>
void ExpectEveryCutFailsOnceWithCodeIn(std::span<const std::uint8_t> bytes, Read&& read, const std::set<int>& codes,
                                       const std::string& name = {}) {
  const std::string label = name.empty() ? "cut at " : name + " cut at ";
  ExpectEveryCutFailsOnce(
      bytes, read,
      [&](std::size_t length, const std::string& text) {
        EXPECT_TRUE(codes.count(CodeInText(text)) == 1) << label << length << ": " << text;
      },
      name);
}

// Writes with `write` (OutStream& -> bool) into outputs that refuse after 0, 1, ... size - 1 bytes:
// each write must fail and leave exactly one box, whose text `check(limit, text)` then judges.
// Call through ASSERT_NO_FATAL_FAILURE so that a missing or extra box ends the test.
template <typename Write, typename Check>
void ExpectEveryLimitFailsOnce(std::size_t size, Write&& write, Check&& check) {
  for (std::size_t limit = 0; limit < size; ++limit) {
    ScopedRecording recording;
    LimitedOutStream out(limit);
    EXPECT_FALSE(write(static_cast<OutStream&>(out))) << "limit " << limit;
    ASSERT_EQ(Recorder().boxes.size(), 1u) << "limit " << limit;
    check(limit, Recorder().boxes[0].text);
  }
}

// A kind record's kind code and report codes, as a test pins them.
struct KindCodes {
  int kind, write, read;
};

}  // namespace plexara::testing_support
