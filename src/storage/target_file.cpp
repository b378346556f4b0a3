// Building the target file from a project's pages, and reading single pages (or just the start of
// one) back out of it by their entries' offsets.
#include "storage/target_file.h"

#include <cstdio>
#include <utility>

#include "storage/binary_fields.h"
#include "storage/error_report.h"
#include "storage/file_io.h"
#include "storage/file_stream.h"

namespace plexara {
namespace {

// The start of a page record: the frame fields up to the page icon, in the page's stored order.
struct PageHead {
  std::uint8_t borderIcons = 0;
  std::uint8_t borderStyle = 0;
  std::int32_t borderWidth = 0;
  std::string caption;
  std::string hint;
  std::uint8_t position = 0;
  std::uint8_t windowState = 0;
  ColorRef transparentColor = 0;
  bool transparent = false;
  Picture pageIcon;
};

void VisitFields(FieldVisitor& v, PageHead& h) {
  v.Byte("borderIcons", h.borderIcons);
  v.Byte("borderStyle", h.borderStyle);
  v.Int32("borderWidth", h.borderWidth);
  v.String("Caption", h.caption);
  v.String("hint", h.hint);
  v.Byte("position", h.position);
  v.Byte("windowState", h.windowState);
  v.Color("TransparentColor", h.transparentColor);
  v.Bool("Transparent", h.transparent);
  v.Picture("PageIcon", h.pageIcon);
}

bool SeekToEntry(InStream& in, const TAutoFormInfo& entry) {
  return entry.offset >= 0 && in.Seek(static_cast<std::uint64_t>(entry.offset));
}

}  // namespace

bool WriteTarget(OutStream& out, ProjectFileRecord& header, const TargetPageSource& pages,
                 const std::string& path, std::uint64_t offsetLimit) {
  ProjectFileRecord written = header;
  if (!WriteRecord(out, written, kCodeWriteProjectFile)) return false;
  const std::uint64_t headerSize = out.Position();
  for (auto& entry : written.project.pages) {
    const std::uint64_t offset = out.Position();
    if (offset > offsetLimit) {
      // Past this point an entry could not hold its page's position; the reader would seek wrong.
      ReportFileError(kCodeWriteTargetFile, path);
      return false;
    }
    entry.offset = static_cast<std::int32_t>(offset);
    PageData page;
    if (!pages(entry, page)) return false;
    if (!WritePage(out, page)) return false;
  }
  if (!out.Seek(0)) {
    ReportFileError(kCodeWriteTargetFile, path);
    return false;
  }
  if (!WriteRecord(out, written, kCodeWriteProjectFile)) return false;
  if (out.Position() != headerSize) {
    ReportFileError(kCodeWriteTargetFile, path);
    return false;
  }
  header = std::move(written);
  return true;
}

bool WriteTargetFile(const std::string& projectFolder, ProjectData& project) {
  return WriteTargetFile(projectFolder, project, [&](const TAutoFormInfo& entry, PageData& page) {
    return LoadPageFile(PageFilePath(projectFolder, entry.name), page);
  });
}

bool WriteTargetFile(const std::string& projectFolder, ProjectData& project,
                     const TargetPageSource& pages, std::uint64_t offsetLimit) {
  const std::string path = JoinPath(projectFolder, kTargetFileBaseName);
  const std::string temporary = path + ".saving";
  ProjectFileRecord header{project, kProjectReservedByte};
  bool ok = false;
  {
    FileOutStream out(temporary);
    if (!out.is_open()) {
      ReportFileError(kCodeWriteTargetFile, path);
      return false;
    }
    ok = WriteTarget(out, header, pages, path, offsetLimit);
    if (!out.Close() && ok) {
      ReportFileError(kCodeWriteTargetFile, path);
      ok = false;
    }
  }
  if (ok && !MoveIntoPlace(temporary, path)) {
    ReportFileError(kCodeWriteTargetFile, path);
    ok = false;
  }
  if (!ok) {
    std::remove(temporary.c_str());
    return false;
  }
  project.pages = std::move(header.project.pages);
  return true;
}

bool ReadPageByEntry(InStream& target, const TAutoFormInfo& entry, PageData& page) {
  if (!SeekToEntry(target, entry)) {
    ReportStreamError(kCodeReadPage);
    return false;
  }
  return ReadPage(target, page);
}

bool ReadPageCaptionAndIcon(InStream& in, std::string& caption, Picture& icon) {
  PageHead head;
  if (!ReadRecord(in, head, kCodeReadPageCaptionAndIcon)) return false;
  caption = std::move(head.caption);
  icon = std::move(head.pageIcon);
  return true;
}

bool ReadPageCaptionAndIcon(InStream& target, const TAutoFormInfo& entry, std::string& caption,
                            Picture& icon) {
  if (!SeekToEntry(target, entry)) {
    ReportStreamError(kCodeReadPageCaptionAndIcon);
    return false;
  }
  return ReadPageCaptionAndIcon(target, caption, icon);
}

}  // namespace plexara
