// Small helpers for stream tests: encode a value with a writer, read bytes back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/byte_stream.h"

namespace plexara::testing_support {

using Bytes = std::vector<std::uint8_t>;

template <typename Writer>
Bytes Encode(Writer&& write) {
  MemoryOutStream out;
  write(out);
  return out.TakeBytes();
}

inline Bytes BytesOf(std::initializer_list<int> values) {
  Bytes bytes;
  for (int v : values) bytes.push_back(static_cast<std::uint8_t>(v));
  return bytes;
}

}  // namespace plexara::testing_support
