// The editor's private clipboard block (format "Plexara"): int32 length L of what follows, int32
// object count N, then N object envelopes exactly as a page file holds them, in list order. The
// block comes from the clipboard, which any program can fill, so reading trusts none of it. Also
// where Copy and Paste put things: each paste lands paste offset further right and down.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "storage/page_file.h"

namespace plexara {

inline constexpr std::int32_t kPasteOffsetStep = 8;

// The block of the page's selected objects; empty when a record cannot be written (reported).
std::vector<std::uint8_t> WriteClipboardBlock(const PageData& page);
// The objects of a block, up to the first record that cannot be read (the codec reports it);
// none when the header does not fit the bytes.
std::vector<ObjectData> ReadClipboardBlock(std::span<const std::uint8_t> block);

// Copy: the block of the selection, after which the next paste lands one grid step away; empty
// (and the offset kept) when nothing is selected.
std::vector<std::uint8_t> CopySelection(const PageData& page, std::int32_t gridX,
                                        std::int32_t& pasteOffset);
// Paste: deselects the page, appends the objects selected and moved by the paste offset, raises
// the offset by 8 and partitions the list. Names stay as stored. Returns how many were added.
std::size_t PasteObjects(PageData& page, std::vector<ObjectData> objects,
                         std::int32_t& pasteOffset);

}  // namespace plexara
