// The inspect tool's two operations on whole files: dump (binary to JSON) and build (JSON to
// binary). The file type is recognised from the content and named in the JSON ("fileType").
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/json_fields.h"
#include "storage/result.h"

namespace plexara::inspect {

Result<Json> DumpFile(const std::vector<std::uint8_t>& bytes);
Result<std::vector<std::uint8_t>> BuildFile(const Json& json);

}  // namespace plexara::inspect
