// The row blocks every object kind shares (visibility, comment, sound, position) and their page
// forms, and ShowProperties' order of blocks for a selection.
#pragma once

#include <span>

#include "properties/property_rows.h"

namespace plexara {

// Visibility block of an object; the last two rows only for the kinds with check groups.
std::span<const RowDef> VisibilityRows(bool groupCheckRows);
// Whether the kind gets the CheckStyleInGroup and Checked rows (Button, ImageButton, Image,
// SimpleText).
bool HasGroupCheckRows(int kind);

std::span<const RowDef> ObjectCommentRows();
std::span<const RowDef> PageCommentRows();
std::span<const RowDef> ObjectSoundRows();
std::span<const RowDef> PageSoundRows();
std::span<const RowDef> ObjectPositionRows();
std::span<const RowDef> PagePositionRows();

// The rows of an object kind before its visibility block (none for FadeLabel and for the kinds
// whose tables are still to come).
std::span<const RowDef> KindRows(int kind);

// Builds the whole sheet for the target: the page's rows and blocks when no object is set, else
// the object's kind rows, its visibility block and the shared blocks its kind takes.
RowSheet BuildRowSheet(const RowTarget& target);

}  // namespace plexara
