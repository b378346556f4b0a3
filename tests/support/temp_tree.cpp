#include "support/temp_tree.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <memory>

#ifdef _WIN32
#include <direct.h>
#else
#include <unistd.h>
#endif

namespace plexara::testing_support {

namespace stdfs = std::filesystem;

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = stdfs::temp_directory_path() / ("plexara-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  stdfs::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code error;
  stdfs::remove_all(path_, error);
}

std::string TempFolder::Sub(const std::string& name) const {
  const stdfs::path sub = path_ / name;
  stdfs::create_directories(sub);
  return sub.string();
}

TreeFileSystem& Fs() { return NativeTreeFileSystem(); }

std::string Join(std::string path, std::initializer_list<std::string_view> names) {
  for (std::string_view name : names) path = JoinTreePath(path, name);
  return path;
}

void WriteFileAt(const std::string& root, std::initializer_list<std::string_view> names, const Bytes& bytes) {
  std::string path = root;
  std::size_t index = 0;
  for (std::string_view name : names) {
    path = JoinTreePath(path, name);
    if (++index < names.size() && !Fs().FolderExists(path)) {
      ASSERT_TRUE(Fs().CreateFolder(path)) << path;
    }
  }
  std::unique_ptr<TreeFileWriter> writer = Fs().CreateOrTruncate(path);
  ASSERT_TRUE(writer) << path;
  ASSERT_TRUE(writer->Write(bytes.data(), bytes.size()) && writer->Close()) << path;
}

Bytes ReadFileAt(const std::string& path) {
  std::unique_ptr<TreeFileReader> reader = Fs().OpenForReading(path);
  if (!reader) return {};
  Bytes bytes(static_cast<std::size_t>(reader->Size()));
  if (!reader->Read(bytes.data(), bytes.size())) bytes.clear();
  return bytes;
}

Bytes TextBytes(std::string_view text) { return Bytes(text.begin(), text.end()); }

void CollectTree(const std::string& folder, TreeMap& tree) {
  const Result<TreeFileSystem::Listing> listing = Fs().ListFolder(folder);
  ASSERT_TRUE(listing.ok()) << folder;
  for (const std::string& name : listing.value().folders) {
    tree[JoinTreePath(folder, name)] = std::nullopt;
    CollectTree(JoinTreePath(folder, name), tree);
  }
  for (const std::string& name : listing.value().files) {
    tree[JoinTreePath(folder, name)] = ReadFileAt(JoinTreePath(folder, name));
  }
}

TreeMap Snapshot(const std::string& root) {
  TreeMap full;
  CollectTree(root, full);
  TreeMap relative;
  for (auto& [path, contents] : full) relative[path.substr(root.size() + 1)] = std::move(contents);
  return relative;
}

std::vector<std::string> Children(const stdfs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : stdfs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  return names;
}

bool RealRemover::RemoveFolder(const std::string& path) {
#ifdef _WIN32
  return _rmdir(path.c_str()) == 0;
#else
  return rmdir(path.c_str()) == 0;
#endif
}

bool RealRemover::RemoveFile(const std::string& path) { return std::remove(path.c_str()) == 0; }

}  // namespace plexara::testing_support
