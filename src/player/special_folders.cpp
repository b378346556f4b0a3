#include "player/special_folders.h"

namespace plexara {
namespace {

constexpr bool EntriesMatchPositions() {
  for (std::size_t i = 0; i < kSpecialFolderTable.size(); ++i) {
    if (kSpecialFolderTable[i].entry != i) return false;
  }
  return true;
}
static_assert(EntriesMatchPositions(), "every entry number equals its position");
static_assert(kSpecialFolderTable[14].csidl == 14 && kSpecialFolderTable[15].csidl == 16 &&
                  kSpecialFolderTable[48].csidl == 49 && kSpecialFolderTable[49].csidl == 53 &&
                  kSpecialFolderTable[55].csidl == 59 && kSpecialFolderTable[56].csidl == 61,
              "the identifier numbering skips 15, 50 to 52 and 60");

constexpr std::uint8_t kEntryNumberMask = 0x7F;  // the top bit of an entry number is ignored

}  // namespace

int SpecialFolderCsidl(std::uint8_t entryNumber) {
  const std::uint8_t entry = entryNumber & kEntryNumberMask;
  if (entry >= kSpecialFolderTable.size()) return -1;
  return kSpecialFolderTable[entry].csidl;
}

std::string SpecialFolderPath(std::uint8_t entryNumber, Shell& shell) {
  const int csidl = SpecialFolderCsidl(entryNumber);
  if (csidl < 0) return {};
  return shell.SpecialFolderPath(csidl);
}

std::string SpecialFolderPath(std::uint8_t entryNumber) { return SpecialFolderPath(entryNumber, CurrentShell()); }

std::string ResolveFolderMacro(std::string_view text, const SpecialFolderLookup& lookup) {
  if (text.size() <= 2 || text.front() != '[' || text.back() != ']') return {};
  const std::string_view name = text.substr(1, text.size() - 2);
  for (const SpecialFolder& folder : kSpecialFolderTable) {
    if (folder.name == name) return lookup(folder.entry);
  }
  return {};
}

std::string ResolveFolderMacro(std::string_view text) {
  return ResolveFolderMacro(text, [](std::uint8_t entry) { return SpecialFolderPath(entry); });
}

}  // namespace plexara
