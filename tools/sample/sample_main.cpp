// plexara-sample FOLDER [--main-page-only]   writes the sample project into FOLDER (created if
// missing); --main-page-only leaves out the splash screen, the agreement and the exit form
#include <cstdio>
#include <string>

#include "sample/sample_project.h"
#include "storage/packed_tree.h"

int main(int argc, char** argv) {
  const bool mainPageOnly = argc == 3 && std::string(argv[2]) == "--main-page-only";
  if (argc != 2 && !mainPageOnly) {
    std::fprintf(stderr, "usage: plexara-sample FOLDER [--main-page-only]\n");
    return 2;
  }
  const std::string folder = argv[1];
  plexara::TreeFileSystem& fs = plexara::NativeTreeFileSystem();
  if (!fs.FolderExists(folder) && !fs.CreateFolder(folder)) {
    std::fprintf(stderr, "plexara-sample: cannot create %s\n", folder.c_str());
    return 1;
  }
  const auto forms = mainPageOnly ? plexara::sample::SampleForms::MainPageOnly
                                  : plexara::sample::SampleForms::Included;
  if (!plexara::sample::WriteSampleProject(folder, forms)) {
    std::fprintf(stderr, "plexara-sample: writing the project into %s failed\n", folder.c_str());
    return 1;
  }
  return 0;
}
