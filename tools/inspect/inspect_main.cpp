// plexara-inspect dump FILE        prints a page, object, project or target file as JSON
// plexara-inspect build JSON OUT   writes the binary file back from that JSON
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "inspect/inspect.h"
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
               "       plexara-inspect build JSON OUT\n");
  return 2;
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "plexara-inspect: %s\n", message.c_str());
  return 1;
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
  return Usage();
}
