#include "storage/project_loader.h"

#include <memory>
#include <utility>
#include <vector>

#include "storage/error_report.h"
#include "storage/file_stream.h"
#include "storage/packed_tree.h"
#include "storage/self_contained.h"
#include "storage/target_file.h"

namespace plexara {
namespace {

// Far more extract folders than any machine keeps; past this the temp folder is unusable.
constexpr int kMaxExtractFolderNumber = 100000;

std::string TargetFilePath(const std::string& projectRoot) { return JoinPath(projectRoot, kTargetFileBaseName); }

// The target file's header: the project data, then the reserved byte, whose absence or value does
// not matter.
bool LoadTargetHeader(const std::string& path, ProjectData& project) {
  FileInStream in(path);
  if (!in.is_open()) {
    ReportFileError(kCodeLoadProject, path);
    return false;
  }
  if (!ReadProjectFile(in, project)) return false;
  std::uint8_t reserved = 0;
  ReadByte(in, reserved);
  return true;
}

bool CopyFileContents(const std::string& from, const std::string& to, TreeFileSystem& fs) {
  const std::unique_ptr<TreeFileReader> reader = fs.OpenForReading(from);
  if (!reader) return false;
  const std::unique_ptr<TreeFileWriter> writer = fs.CreateOrTruncate(to);
  if (!writer) return false;
  std::vector<std::uint8_t> buffer(kPackCopyChunkSize);
  for (std::uint64_t left = reader->Size(); left > 0;) {
    const std::size_t chunk = left < buffer.size() ? static_cast<std::size_t>(left) : buffer.size();
    if (!reader->Read(buffer.data(), chunk) || !writer->Write(buffer.data(), chunk)) return false;
    left -= chunk;
  }
  return writer->Close();
}

bool LoadSelfContained(StartupContext& context, const std::string& tempFolder) {
  TreeFileSystem& fs = NativeTreeFileSystem();
  const std::string extractFolder = NextExtractFolder(tempFolder);
  if (extractFolder.empty() || !fs.CreateFolder(extractFolder)) {
    ReportStreamError(kCodeCreateExtractFolder);
    return false;
  }
  context.tempCleanupList.AddFolder(extractFolder);

  // The copy is registered before it is written, so a copy that fails half-way is still removed.
  // A fresh file carries none of the source's attributes, so it is never read-only.
  const std::string player = JoinTreePath(extractFolder, kExtractedPlayerName);
  context.tempCleanupList.AddFile(player);
  if (!CopyFileContents(context.executablePath, player, fs)) {
    ReportStreamError(kCodeCopyExecutable);
    return false;
  }

  {
    FileInStream in(player);
    if (!in.is_open() || !FindAppendedTree(in)) {
      ReportFileError(kCodeLoadProject, player);
      return false;
    }
    if (!UnpackTree(in, extractFolder, context.tempCleanupList, fs)) return false;
  }
  context.projectRoot = extractFolder;
  context.sourceMode = SourceMode::TargetFile;
  return LoadTargetHeader(TargetFilePath(context.projectRoot), context.project);
}

}  // namespace

std::string NextExtractFolder(const std::string& tempFolder) {
  TreeFileSystem& fs = NativeTreeFileSystem();
  for (int n = 0; n < kMaxExtractFolderNumber; ++n) {
    std::string folder = JoinTreePath(tempFolder, std::string(kExtractFolderPrefix) + std::to_string(n));
    if (!fs.FolderExists(folder)) return folder;
  }
  return {};
}

bool LoadProject(StartupContext& context, const std::string& tempFolder) {
  switch (context.sourceMode) {
    case SourceMode::SourceFolder:
      return LoadProjectFile(ProjectFilePath(context.projectRoot), context.project, ReservedByte::Read);
    case SourceMode::TargetFile:
      return LoadTargetHeader(TargetFilePath(context.projectRoot), context.project);
    case SourceMode::SelfContained:
      return LoadSelfContained(context, tempFolder);
  }
  return false;
}

bool LoadPageByEntry(const StartupContext& context, const TAutoFormInfo& entry, PageData& window,
                     PageReadMode mode) {
  window.pageName = entry.name;
  PageData loaded;
  if (context.sourceMode == SourceMode::SourceFolder) {
    if (!LoadPageFile(PageFilePath(context.projectRoot, entry.name), loaded)) return false;
  } else {
    // A self-contained run normally continues from its extracted target file; reading straight
    // from the executable only happens when it never unpacked.
    const std::string path = context.sourceMode == SourceMode::TargetFile ? TargetFilePath(context.projectRoot)
                                                                          : context.executablePath;
    FileInStream in(path);
    if (!in.is_open()) {
      ReportFileError(kCodeLoadPageByEntry, path);
      return false;
    }
    if (!ReadPageByEntry(in, entry, loaded)) return false;
  }
  ApplyLoadedPage(window, std::move(loaded), mode);
  return true;
}

bool ReadPageCaptionAndIcon(const StartupContext& context, const TAutoFormInfo& entry, std::string& caption,
                            Picture& icon) {
  if (context.sourceMode == SourceMode::SourceFolder) {
    const std::string path = PageFilePath(context.projectRoot, entry.name);
    FileInStream in(path);
    if (!in.is_open()) {
      ReportFileError(kCodeReadPageCaptionAndIcon, path);
      return false;
    }
    return ReadPageCaptionAndIcon(in, caption, icon);
  }
  const std::string path = context.sourceMode == SourceMode::TargetFile ? TargetFilePath(context.projectRoot)
                                                                        : context.executablePath;
  FileInStream in(path);
  if (!in.is_open()) {
    ReportFileError(kCodeReadPageCaptionAndIcon, path);
    return false;
  }
  return ReadPageCaptionAndIcon(in, entry, caption, icon);
}

}  // namespace plexara
