#include "editor/clipboard_block.h"

#include <utility>

#include "editor/edit_commands.h"
#include "objects/object_bounds.h"
#include "storage/byte_stream.h"

namespace plexara {
namespace {

constexpr std::size_t kHeaderSize = 8;  // L and N

std::int32_t Int32At(std::span<const std::uint8_t> bytes, std::size_t offset) {
  std::int32_t value = 0;
  MemoryInStream in(bytes.subspan(offset, 4));
  ReadInt32(in, value);
  return value;
}

}  // namespace

std::vector<std::uint8_t> WriteClipboardBlock(const PageData& page) {
  MemoryOutStream out;
  std::int32_t count = 0;
  for (const ObjectData& object : page.objects) count += object.selected ? 1 : 0;
  WriteInt32(out, 0);  // L, filled in below
  WriteInt32(out, count);
  for (const ObjectData& object : page.objects) {
    if (object.selected && !WriteObjectEnvelope(out, object)) return {};
  }
  const std::uint64_t length = out.Position() - 4;
  out.Seek(0);
  WriteInt32(out, static_cast<std::int32_t>(length));
  return out.TakeBytes();
}

std::vector<ObjectData> ReadClipboardBlock(std::span<const std::uint8_t> block) {
  std::vector<ObjectData> objects;
  if (block.size() < kHeaderSize) return objects;
  const std::int32_t length = Int32At(block, 0);
  const std::int32_t count = Int32At(block, 4);
  if (length < 4 || static_cast<std::uint64_t>(length) > block.size() - 4 || count < 0)
    return objects;
  // Every envelope takes at least its version byte, so the count cannot exceed the bytes.
  const std::span<const std::uint8_t> records =
      block.subspan(kHeaderSize, static_cast<std::size_t>(length) - 4);
  if (static_cast<std::uint64_t>(count) > records.size()) return objects;
  MemoryInStream in(records);
  for (std::int32_t i = 0; i < count; ++i) {
    ObjectData object;
    if (!ReadObjectEnvelope(in, object)) break;
    objects.push_back(std::move(object));
  }
  return objects;
}

std::vector<std::uint8_t> CopySelection(const PageData& page, std::int32_t gridX,
                                        std::int32_t& pasteOffset) {
  if (SelectedCount(page) == 0) return {};
  pasteOffset = gridX;
  return WriteClipboardBlock(page);
}

std::size_t PasteObjects(PageData& page, std::vector<ObjectData> objects,
                         std::int32_t& pasteOffset) {
  const std::size_t count = objects.size();
  if (count == 0) return 0;
  DeselectAll(page);
  for (ObjectData& object : objects) {
    ObjectBounds bounds = BoundsOf(object.record);
    bounds.left += pasteOffset;
    bounds.top += pasteOffset;
    SetBounds(object.record, bounds);
    object.selected = true;
    page.objects.push_back(std::move(object));
  }
  pasteOffset += kPasteOffsetStep;
  PartitionObjects(page.objects);
  return count;
}

}  // namespace plexara
