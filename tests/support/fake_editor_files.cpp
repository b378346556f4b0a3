#include "support/fake_editor_files.h"

#include "storage/ascii_case.h"
#include "storage/byte_stream.h"

namespace plexara::testing_support {

bool FakeEditorFiles::Attempt(const char* what, const std::string& path) {
  log.push_back(std::string(what) + " " + path);
  ++writeCount;
  if (interruptAtWrite != 0 && writeCount >= interruptAtWrite) return false;
  for (const std::string& failing : failingPaths) {
    if (SameTextIgnoringCase(failing, path)) return false;
  }
  return true;
}

bool FakeEditorFiles::FolderExists(const std::string& path) {
  return folders_.count(UpperAscii(path)) != 0;
}

bool FakeEditorFiles::FileExists(const std::string& path) { return Find(path) != nullptr; }

bool FakeEditorFiles::MakeFolder(const std::string& path) {
  if (!Attempt("folder", path)) return false;
  folders_.insert(UpperAscii(path));
  return true;
}

bool FakeEditorFiles::RemoveFile(const std::string& path) {
  if (!Attempt("remove", path)) return false;
  files_.erase(UpperAscii(path));
  return true;
}

bool FakeEditorFiles::ReplaceWithCopy(const std::string& source, const std::string& target) {
  if (!Attempt("write", target)) return false;
  const FakeFile* file = Find(source);
  if (file == nullptr) return false;
  files_[UpperAscii(target)] = *file;
  return true;
}

bool FakeEditorFiles::ReplaceContents(const std::string& path,
                                      const std::vector<std::uint8_t>& bytes) {
  if (!Attempt("write", path)) return false;
  files_[UpperAscii(path)] = FakeFile{bytes, {}};
  return true;
}

std::string FakeEditorFiles::ExecutableVersion(const std::string& path) {
  const FakeFile* file = Find(path);
  return file == nullptr ? std::string() : file->version;
}

bool FakeEditorFiles::SavePageFile(const std::string& path, const PageData& page) {
  MemoryOutStream out;
  if (!WritePage(out, page)) return false;
  return ReplaceContents(path, out.bytes());
}

bool FakeEditorFiles::SaveProjectFile(const std::string& path, const ProjectData& project) {
  MemoryOutStream out;
  if (!WriteProjectFile(out, project)) return false;
  return ReplaceContents(path, out.bytes());
}

bool FakeEditorFiles::LoadProjectFile(const std::string& path, ProjectData& project) {
  std::optional<ProjectData> read = ReadProject(path);
  if (!read) return false;
  project = std::move(*read);
  return true;
}

void FakeEditorFiles::PutFile(const std::string& path, std::vector<std::uint8_t> bytes,
                              std::string version) {
  files_[UpperAscii(path)] = FakeFile{std::move(bytes), std::move(version)};
}

void FakeEditorFiles::PutPage(const std::string& path, const PageData& page) {
  MemoryOutStream out;
  WritePage(out, page);
  PutFile(path, out.TakeBytes());
}

void FakeEditorFiles::PutFolder(const std::string& path) { folders_.insert(UpperAscii(path)); }

const FakeFile* FakeEditorFiles::Find(const std::string& path) const {
  const auto file = files_.find(UpperAscii(path));
  return file == files_.end() ? nullptr : &file->second;
}

std::optional<PageData> FakeEditorFiles::ReadPage(const std::string& path) const {
  const FakeFile* file = Find(path);
  if (file == nullptr) return std::nullopt;
  MemoryInStream in(file->bytes);
  PageData page;
  if (!plexara::ReadPage(in, page) || in.Remaining() != 0) return std::nullopt;
  return page;
}

std::optional<ProjectData> FakeEditorFiles::ReadProject(const std::string& path) const {
  const FakeFile* file = Find(path);
  if (file == nullptr) return std::nullopt;
  MemoryInStream in(file->bytes);
  ProjectData project;
  if (!ReadProjectFile(in, project)) return std::nullopt;
  return project;
}

}  // namespace plexara::testing_support
