// Menu items (recursive) and the action record carried in an action item's hint.
#include "storage/error_report.h"
#include "storage/primitives.h"

namespace plexara {
namespace {

// caption, hint, shortcut, six flag bytes, empty picture, sub-item count.
constexpr std::uint64_t kMinimumMenuItemSize = 4 + 4 + 2 + 6 + 4 + 4;

bool WriteMenuItemAt(OutStream& out, const MenuItemData& item, int depth) {
  const bool ok = depth <= kMaxMenuDepth && WriteLengthPrefixed(out, item.caption) &&
                  WriteLengthPrefixed(out, item.hint) && WriteUInt16(out, item.shortcut) &&
                  WriteBool(out, item.radioItem) && WriteByte(out, item.groupIndex) &&
                  WriteBool(out, item.enabled) && WriteBool(out, item.defaultItem) &&
                  WriteBool(out, item.checked) && WriteBool(out, item.autoCheck);
  if (!ok) {
    ReportStreamError(kCodeWriteMenuItem);
    return false;
  }
  if (!WritePicture(out, item.bitmap)) return false;
  if (item.items.size() > 0x7FFFFFFFu ||
      !WriteInt32(out, static_cast<std::int32_t>(item.items.size()))) {
    ReportStreamError(kCodeWriteMenuItem);
    return false;
  }
  for (const MenuItemData& child : item.items) {
    if (!WriteMenuItemAt(out, child, depth + 1)) return false;
  }
  return true;
}

bool ReadMenuItemAt(InStream& in, MenuItemData* target, int depth) {
  MenuItemData item;
  const bool ok = depth <= kMaxMenuDepth && ReadLengthPrefixed(in, item.caption) &&
                  ReadLengthPrefixed(in, item.hint) && ReadUInt16(in, item.shortcut) &&
                  ReadBool(in, item.radioItem) && ReadByte(in, item.groupIndex) &&
                  ReadBool(in, item.enabled) && ReadBool(in, item.defaultItem) &&
                  ReadBool(in, item.checked) && ReadBool(in, item.autoCheck);
  if (!ok) {
    ReportStreamError(kCodeReadMenuItem);
    return false;
  }
  if (!ReadPicture(in, item.bitmap)) return false;
  std::int32_t count = 0;
  if (!ReadCount(in, kMinimumMenuItemSize, count)) {
    ReportStreamError(kCodeReadMenuItem);
    return false;
  }
  if (target != nullptr) item.items.resize(static_cast<std::size_t>(count));
  for (std::int32_t i = 0; i < count; ++i) {
    MenuItemData* child = target != nullptr ? &item.items[static_cast<std::size_t>(i)] : nullptr;
    if (!ReadMenuItemAt(in, child, depth + 1)) return false;
  }
  if (target != nullptr) *target = std::move(item);
  return true;
}

}  // namespace

bool WriteMenuItem(OutStream& out, const MenuItemData& item) { return WriteMenuItemAt(out, item, 0); }

bool ReadMenuItem(InStream& in, MenuItemData* item) { return ReadMenuItemAt(in, item, 0); }

std::string EncodeMenuItemAction(const MenuItemAction& action) {
  MemoryOutStream out;
  WriteByte(out, action.actionKind);
  WriteInt32(out, action.showCommand);
  WriteLengthPrefixed(out, action.actionTarget);
  WriteLengthPrefixed(out, action.actionParameters);
  WriteLengthPrefixed(out, action.actionFolder);
  WriteBool(out, action.closeAfterAction);
  const auto& bytes = out.bytes();
  return std::string(bytes.begin(), bytes.end());
}

bool DecodeMenuItemAction(std::string_view hint, MenuItemAction& action) {
  MenuItemAction decoded;
  if (!hint.empty()) {
    MemoryInStream in({reinterpret_cast<const std::uint8_t*>(hint.data()), hint.size()});
    const bool ok = ReadByte(in, decoded.actionKind) && ReadInt32(in, decoded.showCommand) &&
                    ReadLengthPrefixed(in, decoded.actionTarget) &&
                    ReadLengthPrefixed(in, decoded.actionParameters) &&
                    ReadLengthPrefixed(in, decoded.actionFolder) && ReadBool(in, decoded.closeAfterAction);
    if (!ok) {
      ReportStreamError(kCodeDecodeMenuItemAction);
      return false;
    }
  }
  action = std::move(decoded);
  return true;
}

}  // namespace plexara
