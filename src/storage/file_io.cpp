#include "storage/file_io.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace plexara {

Result<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return MakeError("cannot open " + path);
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) return MakeError("cannot read " + path);
  return bytes;
}

bool MoveIntoPlace(const std::string& temporary, const std::string& path) {
  if (std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  std::remove(path.c_str());
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

Result<void> ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  const std::string temporary = path + ".saving";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) return MakeError("cannot create " + temporary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.flush();
    if (!file) {
      file.close();
      std::remove(temporary.c_str());
      return MakeError("cannot write " + temporary);
    }
  }
  if (!MoveIntoPlace(temporary, path)) return MakeError("cannot replace " + path);
  return Ok{};
}

}  // namespace plexara
