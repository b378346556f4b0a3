#include "storage/project_loader.h"

#include "storage/error_report.h"

namespace plexara {

bool LoadProject(StartupContext& context) {
  // TODO: the project file, target file and self-contained codecs do not exist yet; until they
  // land every source mode fails the way a missing or unreadable project does, naming the file
  // the player would have read.
  std::string path;
  switch (context.sourceMode) {
    case SourceMode::SourceFolder: path = SourceProjectFilePath(context.projectRoot); break;
    case SourceMode::TargetFile: path = context.projectRoot + std::string(kTargetFileName); break;
    case SourceMode::SelfContained: path = context.exeFolder + "\\" + "autorun.exe"; break;
  }
  ReportFileError(kCodeLoadProject, path);
  return false;
}

}  // namespace plexara
