#include "properties/copy_file_form.h"

#include "player/action_shell.h"

namespace plexara {

std::vector<std::string> CopyTargetChoices(const SpecialFolderLookup& lookup) {
  std::vector<std::string> choices;
  for (const SpecialFolder& folder : kSpecialFolderTable) {
    std::string macro = "[" + std::string(folder.name) + "]";
    if (!ResolveFolderMacro(macro, lookup).empty()) choices.push_back(std::move(macro));
  }
  return choices;
}

std::string CopyTargetReference(std::string_view typed, const SpecialFolderLookup& lookup) {
  std::string resolved = ResolveFolderMacro(TrimmedText(typed), lookup);
  return resolved.empty() ? std::string(typed) : resolved;
}

int CopyMessageTypeIndex(int messageType) {
  return messageType >= 0 && messageType < static_cast<int>(kCopyMessageTypes.size()) ? messageType
                                                                                      : -1;
}

CopyFileSettings TrimmedCopySettings(const CopyFileSettings& typed) {
  CopyFileSettings settings = typed;
  for (std::string* field :
       {&settings.source, &settings.targetFolder, &settings.caption, &settings.message,
        &settings.runFile, &settings.runParameters, &settings.runFolder})
    *field = std::string(TrimmedText(*field));
  return settings;
}

}  // namespace plexara
