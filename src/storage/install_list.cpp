// Field list of TInstallWare, in stored order, and the codecs of one entry and of the counted list.
#include "storage/install_list.h"

#include <utility>

#include "storage/binary_fields.h"

namespace plexara {

void VisitFields(FieldVisitor& v, TInstallWare& r) {
  v.String("Installation Executable:", r.installer);
  v.String("Parameters:", r.parameters);
  v.String("Start Directory:", r.startDirectory);
  v.Bool("Wait for installation to complete before continue", r.wait);
  v.Int32("When:", r.when);
  v.String("File Type:", r.fileType);
  v.String("reservedText", r.reservedText);
  v.Int32("reservedInteger", r.reservedInteger);
  v.Bool("Prompt before running install", r.prompt);
  v.String("Message Caption:", r.messageCaption);
  v.String("Message Text:", r.messageText);
  v.Bool("Allow user to skip the installation", r.allowSkip);
}

void InstallListFields(FieldVisitor& v, std::vector<TInstallWare>& list) {
  v.List("Install Software at Startup", list, [](FieldVisitor& visitor, TInstallWare& entry) {
    // Entries fail with their own codes; a visit that does not report (JSON) stays silent.
    const int code = visitor.reportCode() == 0 ? 0
                     : visitor.reading()       ? TInstallWare::kReadCode
                                               : TInstallWare::kWriteCode;
    ScopedReportCode scoped(visitor, code);
    VisitFields(visitor, entry);
  });
}

bool WriteInstallEntry(OutStream& out, const TInstallWare& entry) {
  return WriteRecord(out, entry, TInstallWare::kWriteCode);
}

bool ReadInstallEntry(InStream& in, TInstallWare& entry) { return ReadRecord(in, entry, TInstallWare::kReadCode); }

bool WriteInstallList(OutStream& out, const std::vector<TInstallWare>& list) {
  BinaryWriteVisitor visitor(out, TInstallWare::kWriteCode);
  InstallListFields(visitor, const_cast<std::vector<TInstallWare>&>(list));  // writing never changes it
  return visitor.ok();
}

bool ReadInstallList(InStream& in, std::vector<TInstallWare>& list) {
  std::vector<TInstallWare> read;
  BinaryReadVisitor visitor(in, TInstallWare::kReadCode);
  InstallListFields(visitor, read);
  if (!visitor.ok()) return false;
  list = std::move(read);
  return true;
}

}  // namespace plexara
