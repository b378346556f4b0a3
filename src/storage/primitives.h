// The primitive encodings every project file is made of, written one after the other with no tags
// or alignment. Each returns true when the value was fully written or read. A primitive catches
// its own failure, reports it once with its code (error_report.h) and returns false; callers stop
// their record at the first false without a second message. A primitive that contains another
// (a font's face is a string, an effect holds a picture) reads its own scalars itself and calls
// the nested primitive, so each failure is reported exactly once, by the primitive that failed.
#pragma once

#include <string>
#include <string_view>

#include "storage/byte_stream.h"
#include "storage/font_data.h"
#include "storage/font_labels.h"
#include "storage/fx_effect.h"
#include "storage/menu_item_data.h"
#include "storage/picture.h"

namespace plexara {

// int32 byte count, then the bytes (system code page, no terminator).
bool WriteString(OutStream& out, std::string_view value);
bool ReadString(InStream& in, std::string& value);

// Face, colour, size, style byte. The reader keeps the target's other attributes.
bool WriteFont(OutStream& out, const FontData& font);
bool ReadFont(InStream& in, FontData& font);

// GraphicClassTag string, then (when not empty) an int32 byte count and the file image. The
// reader empties the target first and leaves it empty on failure or for the empty tag.
bool WritePicture(OutStream& out, const Picture& picture);
bool ReadPicture(InStream& in, Picture& picture);

// The 21 settings of a text effect in their stored order.
bool WriteEffect(OutStream& out, const TFxEffect& effect);
bool ReadEffect(InStream& in, TFxEffect& effect);

// int32 count, then per label: effect, font, name. The reader empties the target first.
bool WriteFontLabels(OutStream& out, const TFontLabels& labels);
bool ReadFontLabels(InStream& in, TFontLabels& labels);

// A menu item and, recursively, its sub-items. Reading into nullptr only consumes the bytes.
// Reading into an item replaces its sub-items with the ones read.
bool WriteMenuItem(OutStream& out, const MenuItemData& item);
bool ReadMenuItem(InStream& in, MenuItemData* item);

// The action record kept in an action item's hint. An empty hint decodes as no action.
std::string EncodeMenuItemAction(const MenuItemAction& action);
bool DecodeMenuItemAction(std::string_view hint, MenuItemAction& action);

// Deepest menu nesting a file may hold; deeper trees are damaged or hostile data.
inline constexpr int kMaxMenuDepth = 32;

}  // namespace plexara
