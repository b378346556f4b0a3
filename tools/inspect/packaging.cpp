#include "inspect/packaging.h"

#include <cstdio>

#include "storage/file_io.h"
#include "storage/file_stream.h"
#include "storage/packed_tree.h"
#include "storage/project_file.h"
#include "storage/self_contained.h"
#include "storage/startup_context.h"
#include "storage/target_file.h"

namespace plexara::inspect {

Result<void> BuildTarget(const std::string& projectFolder) {
  ProjectData project;
  if (!LoadProjectFile(ProjectFilePath(projectFolder), project, ReservedByte::Skip)) {
    return MakeError("cannot read the project file " + ProjectFilePath(projectFolder));
  }
  if (!WriteTargetFile(projectFolder, project)) {
    return MakeError("cannot build " + JoinPath(projectFolder, kTargetFileBaseName));
  }
  return Ok{};
}

Result<void> PackSelfContained(const std::string& playerPath, const std::string& projectFolder,
                               const std::string& outPath) {
  if (!NativeTreeFileSystem().FolderExists(projectFolder)) {
    return MakeError("the project folder " + projectFolder + " does not exist");
  }
  const std::string temporary = outPath + ".saving";
  Result<void> packed = Ok{};
  {
    FileOutStream out(temporary);
    if (!out.is_open()) return MakeError("cannot create " + temporary);
    packed = AppendPackedTree(playerPath, projectFolder, out);
    if (!out.Close() && packed.ok()) packed = MakeError("cannot write " + temporary);
  }
  if (packed.ok()) {
    if (!MoveIntoPlace(temporary, outPath)) packed = MakeError("cannot replace " + outPath);
  }
  if (!packed.ok()) std::remove(temporary.c_str());
  return packed;
}

Result<void> UnpackSelfContained(const std::string& exePath, const std::string& folder) {
  FileInStream in(exePath);
  if (!in.is_open()) return MakeError("cannot open " + exePath);
  const Result<std::uint64_t> position = FindAppendedTree(in);
  if (!position.ok()) return MakeError(exePath + ": " + position.error().message);
  TreeFileSystem& fs = NativeTreeFileSystem();
  if (!fs.FolderExists(folder) && !fs.CreateFolder(folder)) return MakeError("cannot create " + folder);
  TempCleanupList created;  // the tool keeps what it unpacks
  const Result<void> unpacked = UnpackTree(in, folder, created, fs);
  if (!unpacked.ok()) return MakeError(exePath + ": " + unpacked.error().message);
  return Ok{};
}

}  // namespace plexara::inspect
