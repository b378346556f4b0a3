// plexara-inspect dump FILE        prints a page, object, project or target file as JSON
// plexara-inspect build JSON OUT   writes the binary file back from that JSON
// plexara-inspect target PROJECTDIR               builds PROJECTDIR/autorun.tgt from its source folder
// plexara-inspect pack PLAYER.exe PROJECTDIR OUT.exe  writes a self-contained player
// plexara-inspect unpack SELFCONTAINED.exe DIR     recreates the project a self-contained player carries
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "inspect/inspect.h"
#include "inspect/packaging.h"
#include "storage/error_report.h"
#include "storage/file_io.h"

namespace {

// Reading tries more than one record type, so the readers' own reports are kept, not printed;
// the last one explains a file that fits none.
class KeptReports final : public plexara::ErrorReporter {
 public:
  void ShowErrorMessage(std::string_view text, std::string_view) override { last = std::string(text); }
  unsigned long LastErrorCode() override { return 0; }
  std::string SystemErrorMessage(unsigned long) override { return "The data ended or did not fit"; }
  std::string last;
};

int Usage() {
  std::fprintf(stderr,
               "usage: plexara-inspect dump FILE\n"
               "       plexara-inspect build JSON OUT\n"
               "       plexara-inspect target PROJECTDIR\n"
               "       plexara-inspect pack PLAYER.exe PROJECTDIR OUT.exe\n"
               "       plexara-inspect unpack SELFCONTAINED.exe DIR\n");
  return 2;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "plexara-inspect: %s\n", message.c_str());
  return 1;
}

// The readers' own report, when there is one, says more than the command's summary.
int Finish(const plexara::Result<void>& result, const KeptReports& reports) {
  if (result.ok()) return 0;
  return Fail(result.error().message + (reports.last.empty() ? std::string() : " (" + reports.last + ")"));
}

}  // namespace

int main(int argc, char** argv) {
  using namespace plexara;
  if (argc < 2) return Usage();
  const std::string command = argv[1];
  KeptReports reports;
  SetErrorReporter(&reports);
  if (command == "dump" && argc == 3) {
    auto bytes = ReadWholeFile(argv[2]);
    if (!bytes.ok()) return Fail(bytes.error().message);
    auto json = inspect::DumpFile(bytes.value());
    if (!json.ok()) {
      return Fail(std::string(argv[2]) + ": " + json.error().message +
                  (reports.last.empty() ? std::string() : " (" + reports.last + ")"));
    }
    std::cout << json.value().dump(2) << "\n";
    return std::cout ? 0 : 1;
  }
  if (command == "build" && argc == 4) {
    std::ifstream file(argv[2], std::ios::binary);
    if (!file) return Fail(std::string("cannot open ") + argv[2]);
    Json json;
    try {
      json = Json::parse(file);
    } catch (const Json::exception& error) {
      return Fail(std::string(argv[2]) + ": " + error.what());
    }
    auto bytes = inspect::BuildFile(json);
    if (!bytes.ok()) return Fail(std::string(argv[2]) + ": " + bytes.error().message);
    auto written = ReplaceFileContents(argv[3], bytes.value());
    if (!written.ok()) return Fail(written.error().message);
    return 0;
  }
  if (command == "target" && argc == 3) return Finish(inspect::BuildTarget(argv[2]), reports);
  if (command == "pack" && argc == 5) return Finish(inspect::PackSelfContained(argv[2], argv[3], argv[4]), reports);
  if (command == "unpack" && argc == 4) return Finish(inspect::UnpackSelfContained(argv[2], argv[3]), reports);
  return Usage();
}
