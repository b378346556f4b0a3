// The kind-specific records of the 27 object kinds as one variant, indexed by the kind code, and
// the dispatch the page codec uses to read, write, dump and build whichever record an object has.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "storage/button_records.h"
#include "storage/form_input_records.h"
#include "storage/kind_table.h"
#include "storage/list_records.h"
#include "storage/media_records.h"
#include "storage/record_fields.h"
#include "storage/shape_record.h"
#include "storage/slide_show_record.h"
#include "storage/text_records.h"

namespace plexara {

using KindRecord =
    std::variant<ButtonRecord, ImageButtonRecord, ImageRecord, LabelRecord, LinkRecord, FadeLabelRecord,
                 TextRecord, ScrollTextRecord, TextBoxRecord, RichTextRecord, AviRecord, ExplorerRecord,
                 MediaPlayerRecord, SlideShowRecord, EditRecord, RadioButtonRecord, CheckBoxRecord,
                 SimpleTextRecord, FlashRecord, ShapeRecord, ListBoxRecord, DropDownListRecord, ListViewRecord,
                 TreeViewRecord, ShellComboBoxRecord, ShellTreeViewRecord, ShellListViewRecord>;

static_assert(std::variant_size_v<KindRecord> == kObjectKindCount);

// The record of a new object of that kind (codes 0..26).
KindRecord MakeKindRecord(int kind);
// The kind code of the record held.
inline std::uint8_t KindOf(const KindRecord& record) { return static_cast<std::uint8_t>(record.index()); }
// The hint text of the record held (the tool tip of the object); every kind carries one.
const std::string& HintOf(const KindRecord& record);
std::string& HintOf(KindRecord& record);
// Visits the record held, with the kind's own report code for its scalar fields.
void VisitKindRecord(FieldVisitor& v, KindRecord& record);

}  // namespace plexara
