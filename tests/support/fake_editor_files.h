// An in-memory file system for the editor's save and lifecycle tests. File names compare without
// letter case, as on the target system. Every write is whole, as the real one's temp-and-replace
// makes it; a test can make the writes to some paths fail, or interrupt the run at the nth write
// (that write and every later one fail, as if the machine had stopped there).
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "editor/editor_files.h"

namespace plexara::testing_support {

struct FakeFile {
  std::vector<std::uint8_t> bytes;
  std::string version;  // the version resource an executable carries
};

class FakeEditorFiles final : public EditorFiles {
 public:
  bool FolderExists(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  bool MakeFolder(const std::string& path) override;
  bool RemoveFile(const std::string& path) override;
  bool ReplaceWithCopy(const std::string& source, const std::string& target) override;
  bool ReplaceContents(const std::string& path, const std::vector<std::uint8_t>& bytes) override;
  std::string ExecutableVersion(const std::string& path) override;
  bool SavePageFile(const std::string& path, const PageData& page) override;
  bool SaveProjectFile(const std::string& path, const ProjectData& project) override;
  bool LoadProjectFile(const std::string& path, ProjectData& project) override;

  void PutFile(const std::string& path, std::vector<std::uint8_t> bytes, std::string version = {});
  void PutPage(const std::string& path, const PageData& page);
  void PutFolder(const std::string& path);
  const FakeFile* Find(const std::string& path) const;
  std::optional<PageData> ReadPage(const std::string& path) const;
  std::optional<ProjectData> ReadProject(const std::string& path) const;

  // Every write attempted, in order: "write <path>", "remove <path>", "folder <path>".
  std::vector<std::string> log;
  std::set<std::string> failingPaths;  // as given; compared without letter case
  int interruptAtWrite = 0;            // 0: never
  int writeCount = 0;

 private:
  bool Attempt(const char* what, const std::string& path);

  std::map<std::string, FakeFile> files_;  // keyed by upper-cased path
  std::set<std::string> folders_;
};

}  // namespace plexara::testing_support
