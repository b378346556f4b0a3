#include "player/action_shell.h"

#include <array>
#include <utility>

#include "player/page_fades.h"

namespace plexara {
namespace {

constexpr std::array<std::pair<long, std::string_view>, 13> kShellErrorTexts{{
    {0, "The operating system is out of memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied access to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred."},
    {27, "The filename association is incomplete or invalid."},
    {28, "The DDE transaction could not be completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30,
     "The DDE transaction could not be completed because other DDE transactions were being "
     "processed."},
    {31, "There is no application associated with the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
}};

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

std::string_view ShellErrorText(long code) {
  for (const auto& [number, text] : kShellErrorTexts) {
    if (number == code) return text;
  }
  return kOperationErrorText;
}

std::string ActionRelativePath(std::string_view projectRoot, std::string_view stored) {
  if (stored.empty()) return std::string(projectRoot);
  return RootRelativePath(projectRoot, stored);
}

std::string_view TrimmedText(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

WaitingRunResult RunShellWaiting(std::string_view operation, std::string_view file,
                                 std::string_view parameters, int showCommand, bool waitForIdle,
                                 bool waitForExit, std::string_view folder) {
  ShellRequest request;
  request.operation = std::string(operation);
  request.file = std::string(file);
  request.parameters = std::string(parameters);
  request.folder = std::string(folder);
  request.showCommand = showCommand;
  return CurrentShell().RunWaiting(request, waitForIdle, waitForExit);
}

}  // namespace plexara
