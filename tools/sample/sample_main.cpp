// plexara-sample FOLDER   writes the sample project into FOLDER (created if missing)
#include <cstdio>
#include <string>

#include "sample/sample_project.h"
#include "storage/packed_tree.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: plexara-sample FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  plexara::TreeFileSystem& fs = plexara::NativeTreeFileSystem();
  if (!fs.FolderExists(folder) && !fs.CreateFolder(folder)) {
    std::fprintf(stderr, "plexara-sample: cannot create %s\n", folder.c_str());
    return 1;
  }
  if (!plexara::sample::WriteSampleProject(folder)) {
    std::fprintf(stderr, "plexara-sample: writing the project into %s failed\n", folder.c_str());
    return 1;
  }
  return 0;
}
