#include "inspect/inspect.h"

#include "storage/byte_stream.h"
#include "storage/page_file.h"

namespace plexara::inspect {
namespace {

// A whole file must be exactly one record: trailing bytes mean it was something else.
template <typename Record>
bool ReadExactly(const std::vector<std::uint8_t>& bytes, Record& record,
                 bool (*read)(InStream&, Record&)) {
  MemoryInStream in(bytes);
  return read(in, record) && in.Remaining() == 0;
}

}  // namespace

Result<Json> DumpFile(const std::vector<std::uint8_t>& bytes) {
  // An object file starts with the envelope version (127) or, in old files, a kind code; a page
  // starts with its border icons. Both are tried, the likelier first.
  const bool objectFirst = !bytes.empty() && bytes[0] == kEnvelopeVersion;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const bool tryObject = (attempt == 0) == objectFirst;
    if (tryObject) {
      ObjectData object;
      if (ReadExactly(bytes, object, &ReadObjectEnvelope)) {
        Json json = Json::object();
        json["fileType"] = "object";
        json["object"] = DumpRecord(object);
        return json;
      }
    } else {
      PageData page;
      if (ReadExactly(bytes, page, &ReadPage)) {
        Json json = Json::object();
        json["fileType"] = "page";
        json["page"] = DumpRecord(page);
        return json;
      }
    }
  }
  return MakeError("not a page file or object file this version can read");
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
  } else {
    return MakeError("unknown fileType \"" + type + "\"");
  }
  return out.TakeBytes();
}

}  // namespace plexara::inspect
