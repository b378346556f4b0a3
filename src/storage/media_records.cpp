// Field lists of the media and web object records, in stream order.
#include "storage/media_records.h"

#include "storage/binary_fields.h"
#include "storage/kind_table.h"

namespace plexara {
namespace {

// The rich content is a counted byte block of the record itself, not a string primitive: a short
// or damaged block is the RichText record's own failure and reports with its code, where the
// string primitive would report a string failure. The readable form shows it as a text.
void VisitRichContent(FieldVisitor& v, std::string& content) {
  if (!v.ok()) return;
  if (auto* reader = dynamic_cast<BinaryReadVisitor*>(&v)) {
    if (!ReadLengthPrefixed(reader->stream(), content)) v.Fail("RichText");
  } else if (auto* writer = dynamic_cast<BinaryWriteVisitor*>(&v)) {
    if (!WriteLengthPrefixed(writer->stream(), content)) v.Fail("RichText");
  } else {
    v.String("RichText", content);
  }
}

template <typename Content>
void VisitTextBox(FieldVisitor& v, TextBoxFields& r, Content&& content) {
  v.Enum("align", r.align, kControlAlignNames);
  v.Enum("Alignment", r.alignment, kTextAlignmentNames);
  v.Enum("Border", r.border, kBoxBorderNames);
  v.Int32("borderWidth", r.borderWidth);
  v.Color("BackColor", r.backColor);
  content();
  v.Enum("ScrollBar", r.scrollBar, kScrollBarNames);
  v.Bool("WordWrap", r.wordWrap);
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.Font("Font", r.font);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

}  // namespace

std::string TextBoxText(std::span<const std::string> lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void VisitFields(FieldVisitor& v, TextBoxRecord& r) {
  VisitTextBox(v, r, [&] { v.String("Text", r.text); });
}

void VisitFields(FieldVisitor& v, RichTextRecord& r) {
  VisitTextBox(v, r, [&] {
    VisitRichContent(v, r.richText);
    v.Bool("plainText", r.plainText);
  });
}

void VisitFields(FieldVisitor& v, AviRecord& r) {
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.String("FileName", r.fileName);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

void VisitFields(FieldVisitor& v, ExplorerRecord& r) {
  v.Enum("align", r.align, kControlAlignNames);
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.Enum("ExplorerType", r.explorerType, kExplorerTypeNames);
  v.String("Location", r.location);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

void VisitFields(FieldVisitor& v, MediaPlayerRecord& r) {
  v.Int32("reserved", r.reserved);
  v.Bool("fullScreenState", r.fullScreenState);
  v.Bool("Play", r.play);
  v.Bool("ControlBar", r.controlBar);
  v.Bool("Border", r.border);
  v.Bool("Loop", r.loop);
  v.String("MediaFile", r.mediaFile);
  v.String("Hint", r.hint);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

void VisitFields(FieldVisitor& v, FlashRecord& r) {
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.Enum("align", r.align, kControlAlignNames);
  v.Bool("Loop", r.loop);
  v.Bool("ContextMenu", r.contextMenu);
  v.String("MovieFile", r.movieFile);
  v.String("reservedText", r.reservedText);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

}  // namespace plexara
