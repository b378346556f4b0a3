// Real folders for tests that pack, unpack and load projects on the file system: a temp folder
// removed at the end of the test, file helpers that go through the same narrow-path file system as
// the code under test, tree snapshots, and a remover that walks cleanup lists for real.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/packed_tree.h"
#include "storage/startup_context.h"
#include "support/stream_helpers.h"

namespace plexara::testing_support {

// A fresh folder under the system temp folder, removed with everything in it at the end.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string str() const { return path_.string(); }
  // Creates (if needed) and returns the sub-folder name.
  std::string Sub(const std::string& name) const;

 private:
  std::filesystem::path path_;
};

// Fixtures go through the same narrow-path file system as the code under test, so names with
// system code page bytes mean the same file on every platform.
TreeFileSystem& Fs();

std::string Join(std::string path, std::initializer_list<std::string_view> names);
// Writes a file at root/names..., creating the folders on the way.
void WriteFileAt(const std::string& root, std::initializer_list<std::string_view> names, const Bytes& bytes);
// The file's bytes; empty when it cannot be read.
Bytes ReadFileAt(const std::string& path);
Bytes TextBytes(std::string_view text);

// Full path -> contents (nullopt for a folder), for everything below a folder.
using TreeMap = std::map<std::string, std::optional<Bytes>>;
void CollectTree(const std::string& folder, TreeMap& tree);
// Relative path (joined with the platform separator) -> contents.
TreeMap Snapshot(const std::string& root);
std::vector<std::string> Children(const std::filesystem::path& folder);

class RealRemover final : public FileRemover {
 public:
  bool RemoveFolder(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
};

}  // namespace plexara::testing_support
