// The start-up install list: installers the player runs before the main page, each entry a
// TInstallWare record. The list is stored at the end of the project settings as an int32 count
// followed by the entries in list order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/byte_stream.h"
#include "storage/record_fields.h"

namespace plexara {

// When an entry runs (any other stored value never runs, and is kept as read).
enum InstallWhen : std::int32_t {
  kInstallIfNoViewer = 0,  // only when no program opens the entry's file type
  kInstallAlways = 1,
};

// One installer. A default-constructed entry is what the install entry dialog offers for a new one.
struct TInstallWare {
  static constexpr int kWriteCode = 1062;
  static constexpr int kReadCode = 1061;

  std::string installer;  // relative to the project root
  std::string parameters;
  std::string startDirectory;  // relative to the project root
  bool wait = true;            // wait for the installer to end before going on
  std::int32_t when = kInstallIfNoViewer;
  std::string fileType;  // e.g. ".pdf (Adobe Acrobat Document)"
  // Carried without use; written back as read.
  std::string reservedText;
  std::int32_t reservedInteger = 0;
  bool prompt = true;  // show a message first
  std::string messageCaption = "Install Software";
  std::string messageText =
      "In order to use this product some additional software must be installed. If this software is not "
      "present your product will not function properly, continue?";
  bool allowSkip = true;  // the message is a yes/no question

  friend bool operator==(const TInstallWare&, const TInstallWare&) = default;
};

void VisitFields(FieldVisitor& v, TInstallWare& r);

// The counted list, for the settings record that holds it: the count takes the visit's current
// code, each entry reports with its own codes.
void InstallListFields(FieldVisitor& v, std::vector<TInstallWare>& list);

// One entry; failures reported once (1062 writing, 1061 reading, or the failing string's code).
bool WriteInstallEntry(OutStream& out, const TInstallWare& entry);
bool ReadInstallEntry(InStream& in, TInstallWare& entry);

// The list on its own (count and entries); a damaged count is reported as a failed entry read.
bool WriteInstallList(OutStream& out, const std::vector<TInstallWare>& list);
bool ReadInstallList(InStream& in, std::vector<TInstallWare>& list);

}  // namespace plexara
