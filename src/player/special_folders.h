// Folder macros. A target folder may be written as a well-known folder name in square brackets
// ([ProgramFiles], [Desktop]); the SpecialFolderTable names the 57 folders and maps each entry
// number to the platform's shell folder identifier (CSIDL), and ResolveFolderMacro turns a macro
// into the folder of the running machine through the shell seam.
//
// The table is constant data; the names are the CSIDL names without their prefix, in CamelCase.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/shell_seam.h"

namespace plexara {

struct SpecialFolder {
  std::uint8_t entry;     // equal to its position in the table
  std::string_view name;  // the macro name, compared exactly
  int csidl;              // the shell folder identifier
};

inline constexpr std::size_t kSpecialFolderCount = 57;

inline constexpr std::array<SpecialFolder, kSpecialFolderCount> kSpecialFolderTable{{
    {0, "Desktop", 0},
    {1, "Internet", 1},
    {2, "Programs", 2},
    {3, "Controls", 3},
    {4, "Printers", 4},
    {5, "Personal", 5},
    {6, "Favorites", 6},
    {7, "Startup", 7},
    {8, "Recent", 8},
    {9, "SendTo", 9},
    {10, "BitBucket", 10},
    {11, "StartMenu", 11},
    {12, "MyDocuments", 12},
    {13, "MyMusic", 13},
    {14, "MyVideo", 14},
    {15, "DesktopDirectory", 16},
    {16, "Drives", 17},
    {17, "Network", 18},
    {18, "Nethood", 19},
    {19, "Fonts", 20},
    {20, "Templates", 21},
    {21, "CommonStartMenu", 22},
    {22, "CommonPrograms", 23},
    {23, "CommonStartup", 24},
    {24, "CommonDesktopDirectory", 25},
    {25, "AppData", 26},
    {26, "Printhood", 27},
    {27, "LocalAppData", 28},
    {28, "ALTStartup", 29},
    {29, "CommonALTStartup", 30},
    {30, "CommonFavorites", 31},
    {31, "InternetCache", 32},
    {32, "Cookies", 33},
    {33, "History", 34},
    {34, "CommonAppData", 35},
    {35, "Windows", 36},
    {36, "System", 37},
    {37, "ProgramFiles", 38},
    {38, "MyPictures", 39},
    {39, "Profile", 40},
    {40, "SystemX86", 41},
    {41, "ProgramFilesX86", 42},
    {42, "ProgramFilesCommon", 43},
    {43, "ProgramFilesCommonX86", 44},
    {44, "CommonTemplates", 45},
    {45, "CommonDocuments", 46},
    {46, "CommonAdminTools", 47},
    {47, "AdminTools", 48},
    {48, "Connections", 49},
    {49, "CommonMusic", 53},
    {50, "CommonPictures", 54},
    {51, "CommonVideo", 55},
    {52, "Resources", 56},
    {53, "ResourcesLocalized", 57},
    {54, "CommonOEMLinks", 58},
    {55, "CDBurnArea", 59},
    {56, "ComputersNearMe", 61},
}};

// The shell folder identifier of an entry number, the top bit ignored; -1 past the table.
int SpecialFolderCsidl(std::uint8_t entryNumber);

// The file-system path of the entry's shell folder (top bit ignored); empty for a virtual folder,
// a number past the table and any failure.
std::string SpecialFolderPath(std::uint8_t entryNumber, Shell& shell);
std::string SpecialFolderPath(std::uint8_t entryNumber);  // through CurrentShell()

// The lookup ResolveFolderMacro calls for the entry it found (normally SpecialFolderPath).
using SpecialFolderLookup = std::function<std::string(std::uint8_t entryNumber)>;

// The folder path for a macro: the whole text is "[" + a table name (exact case) + "]"; anything
// else, including a macro followed by more path, yields the empty string without a lookup.
std::string ResolveFolderMacro(std::string_view text, const SpecialFolderLookup& lookup);
std::string ResolveFolderMacro(std::string_view text);  // through SpecialFolderPath and CurrentShell()

}  // namespace plexara
