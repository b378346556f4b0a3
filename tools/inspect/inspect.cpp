// Dump and build for every whole file the program writes: page and object files, project files
// and target files, each recognised by trying its reader on the whole content.
#include "inspect/inspect.h"

#include <optional>
#include <string>

#include "storage/binary_fields.h"
#include "storage/byte_stream.h"
#include "storage/page_file.h"
#include "storage/project_file.h"
#include "storage/target_file.h"

namespace plexara::inspect {
namespace {

// A whole file must be exactly one record: trailing bytes mean it was something else.
template <typename Record>
bool ReadExactly(const std::vector<std::uint8_t>& bytes, Record& record,
                 bool (*read)(InStream&, Record&)) {
  MemoryInStream in(bytes);
  return read(in, record) && in.Remaining() == 0;
}

bool ReadProjectFileRecord(InStream& in, ProjectFileRecord& file) {
  return ReadRecord(in, file, ProjectFileRecord::kReadCode);
}

Json Typed(const char* type, const char* key, Json record) {
  Json json = Json::object();
  json["fileType"] = type;
  json[key] = std::move(record);
  return json;
}

std::optional<Json> DumpObject(const std::vector<std::uint8_t>& bytes) {
  ObjectData object;
  if (!ReadExactly(bytes, object, &ReadObjectEnvelope)) return std::nullopt;
  return Typed("object", "object", DumpRecord(object));
}

std::optional<Json> DumpPage(const std::vector<std::uint8_t>& bytes) {
  PageData page;
  if (!ReadExactly(bytes, page, &ReadPage)) return std::nullopt;
  return Typed("page", "page", DumpRecord(page));
}

std::optional<Json> DumpProject(const std::vector<std::uint8_t>& bytes) {
  ProjectFileRecord file;
  if (!ReadExactly(bytes, file, &ReadProjectFileRecord)) return std::nullopt;
  return Typed("project", "project", DumpRecord(file));
}

// A target file is its header and then the page records back to back, each where its entry says;
// only then does building it again give the same bytes.
std::optional<Json> DumpTarget(const std::vector<std::uint8_t>& bytes) {
  MemoryInStream in(bytes);
  ProjectFileRecord header;
  if (!ReadProjectFileRecord(in, header) || header.project.pages.empty()) return std::nullopt;
  Json pages = Json::array();
  for (const auto& entry : header.project.pages) {
    if (entry.offset < 0 || static_cast<std::uint64_t>(entry.offset) != in.Position())
      return std::nullopt;
    PageData page;
    if (!ReadPage(in, page)) return std::nullopt;
    pages.push_back(DumpRecord(page));
  }
  if (in.Remaining() != 0) return std::nullopt;
  Json json = Typed("target", "project", DumpRecord(header));
  json["pages"] = std::move(pages);
  return json;
}

Result<std::vector<std::uint8_t>> BuildTarget(const Json& json) {
  PLEXARA_TRY_ASSIGN(header, BuildRecord<ProjectFileRecord>(json["project"]));
  if (!json.contains("pages") || !json["pages"].is_array() ||
      json["pages"].size() != header.project.pages.size()) {
    return MakeError("a target needs one entry of \"pages\" per page entry");
  }
  std::vector<PageData> pages;
  for (std::size_t i = 0; i < json["pages"].size(); ++i) {
    auto page = BuildRecord<PageData>(json["pages"][i]);
    if (!page.ok()) return MakeError("pages[" + std::to_string(i) + "]." + page.error().message);
    pages.push_back(std::move(page.value()));
  }
  std::size_t next = 0;
  MemoryOutStream out;
  const bool written = WriteTarget(
      out, header,
      [&](const TAutoFormInfo&, PageData& page) {
        page = pages[next++];
        return true;
      },
      std::string(kTargetFileBaseName));
  if (!written) return MakeError("the target could not be written");
  return out.TakeBytes();
}

}  // namespace

Result<Json> DumpFile(const std::vector<std::uint8_t>& bytes) {
  // A project or target file in the current layout starts with the int32 -1; an object file with
  // the envelope version (127) or, in old files, a kind code; a page with its border icons; an old
  // project file with its page count. Every reader is tried, the likeliest first, and must take
  // the whole file.
  using Dump = std::optional<Json> (*)(const std::vector<std::uint8_t>&);
  const bool marked = bytes.size() >= 4 && bytes[0] == 0xFF && bytes[1] == 0xFF &&
                      bytes[2] == 0xFF && bytes[3] == 0xFF;
  const bool objectFirst = !bytes.empty() && bytes[0] == kEnvelopeVersion;
  std::vector<Dump> order;
  if (marked) order = {&DumpProject, &DumpTarget};
  if (objectFirst) {
    order.insert(order.end(), {&DumpObject, &DumpPage});
  } else {
    order.insert(order.end(), {&DumpPage, &DumpObject});
  }
  if (!marked) order.insert(order.end(), {&DumpProject, &DumpTarget});
  for (Dump dump : order) {
    if (auto json = dump(bytes)) return std::move(*json);
  }
  return MakeError("not a page, object, project or target file this version can read");
}

Result<std::vector<std::uint8_t>> BuildFile(const Json& json) {
  if (!json.is_object() || !json.contains("fileType") || !json["fileType"].is_string()) {
    return MakeError("the JSON has no \"fileType\"");
  }
  const std::string type = json["fileType"].get<std::string>();
  MemoryOutStream out;
  if (type == "page" && json.contains("page")) {
    PLEXARA_TRY_ASSIGN(page, BuildRecord<PageData>(json["page"]));
    if (!WritePage(out, page)) return MakeError("the page could not be written");
  } else if (type == "object" && json.contains("object")) {
    PLEXARA_TRY_ASSIGN(object, BuildRecord<ObjectData>(json["object"]));
    if (!WriteObjectEnvelope(out, object)) return MakeError("the object could not be written");
  } else if (type == "project" && json.contains("project")) {
    PLEXARA_TRY_ASSIGN(file, BuildRecord<ProjectFileRecord>(json["project"]));
    if (!WriteRecord(out, file, ProjectFileRecord::kWriteCode))
      return MakeError("the project could not be written");
  } else if (type == "target" && json.contains("project")) {
    return BuildTarget(json);
  } else {
    return MakeError("unknown fileType \"" + type + "\"");
  }
  return out.TakeBytes();
}

}  // namespace plexara::inspect
