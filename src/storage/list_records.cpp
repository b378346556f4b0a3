// Field lists of the list object records, in stream order. Items, columns and tree nodes report
// their own scalar failures with their own codes; the kind record's code covers the rest.
#include "storage/list_records.h"

#include "storage/kind_table.h"

namespace plexara {
namespace {

int ItemCode(const FieldVisitor& v) { return v.reading() ? kCodeReadListItem : kCodeWriteListItem; }
int NodeCode(const FieldVisitor& v) { return v.reading() ? kCodeReadTreeNode : kCodeWriteTreeNode; }

void VisitListBoxItems(FieldVisitor& v, std::vector<TListBoxItem>& items) {
  v.List("Items", items, [](FieldVisitor& visitor, TListBoxItem& item) { VisitFields(visitor, item); });
}

// A node at `depth` (top level 0). The limit applies in both directions, so the editor never
// writes a tree its own reader would refuse.
void VisitNode(FieldVisitor& v, TTreeNode& node, int depth) {
  VisitFields(v, static_cast<TListViewItem&>(node));
  {
    // The entries belong to the node's item record.
    ScopedReportCode code(v, ItemCode(v));
    v.List("childItems", node.childItems,
           [](FieldVisitor& visitor, TListViewItem& item) { VisitFields(visitor, item); });
  }
  ScopedReportCode code(v, NodeCode(v));
  v.List("childNodes", node.children, [depth](FieldVisitor& visitor, TTreeNode& child) {
    if (depth + 1 >= kMaxTreeDepth) {
      visitor.Fail("tree nodes nested too deep");
      return;
    }
    VisitNode(visitor, child, depth + 1);
  });
}

}  // namespace

void VisitFields(FieldVisitor& v, TListBoxItem& item) {
  ScopedReportCode code(v, ItemCode(v));
  v.String("text", item.text);
  v.Picture("picture", item.picture);
  v.Command("action", item.action);
}

void VisitFields(FieldVisitor& v, TListViewItem& item) {
  VisitFields(v, static_cast<TListBoxItem&>(item));
  ScopedReportCode code(v, ItemCode(v));
  v.String("subText", item.subText);
}

void VisitFields(FieldVisitor& v, TTreeNode& node) { VisitNode(v, node, 0); }

void VisitFields(FieldVisitor& v, TListViewColumn& column) {
  ScopedReportCode code(v, v.reading() ? kCodeReadListColumn : kCodeWriteListColumn);
  v.Enum("alignment", column.alignment, kTextAlignmentNames);
  v.Bool("autoSize", column.autoSize);
  v.String("caption", column.caption);
  v.Int32("imageIndex", column.imageIndex);
  v.Int32("maxWidth", column.maxWidth);
  v.Int32("minWidth", column.minWidth);
  v.Int32("tag", column.tag);
  v.Int32("width", column.width);
}

void VisitFields(FieldVisitor& v, ListBoxRecord& r) {
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.Font("Font", r.font);
  v.Enum("Border", r.border, kListBorderNames);
  v.Color("Color", r.color);
  v.Int32("ItemHeight", r.itemHeight);
  v.Int32("IconWidth", r.iconWidth);
  v.Int32("IconHeight", r.iconHeight);
  VisitListBoxItems(v, r.items);
  v.Int32("SelectedIndex", r.selectedIndex);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

void VisitFields(FieldVisitor& v, DropDownListRecord& r) {
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.Font("Font", r.font);
  v.Color("Color", r.color);
  v.Int32("ItemHeight", r.itemHeight);
  v.Int32("IconWidth", r.iconWidth);
  v.Int32("IconHeight", r.iconHeight);
  VisitListBoxItems(v, r.items);
  v.Int32("SelectedIndex", r.selectedIndex);
  v.Int32("DropDownCount", r.dropDownCount);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

void VisitFields(FieldVisitor& v, ListViewRecord& r) {
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.Font("Font", r.font);
  v.Enum("Border", r.border, kListBorderNames);
  v.Color("Color", r.color);
  v.Int32("IconWidth", r.iconWidth);
  v.Int32("IconHeight", r.iconHeight);
  v.Bool("HotTrack", r.hotTrack);
  v.Byte("hotTrackStyle", r.hotTrackStyle);
  v.List("ReportColumns", r.reportColumns,
         [](FieldVisitor& visitor, TListViewColumn& column) { VisitFields(visitor, column); });
  v.List("Items", r.items, [](FieldVisitor& visitor, TListViewItem& item) { VisitFields(visitor, item); });
  // Read into locals and dropped: headers are never clickable and always shown.
  bool columnClick = false;
  v.Bool("columnClick", columnClick);
  v.Bool("ReportGridLines", r.reportGridLines);
  v.Bool("hideSelection", r.hideSelection);
  v.Bool("ReportRowSelect", r.reportRowSelect);
  bool showColumnHeaders = true;
  v.Bool("showColumnHeaders", showColumnHeaders);
  v.Byte("sortType", r.sortType);
  v.Enum("ViewStyle", r.viewStyle, kViewStyleNames);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

void VisitFields(FieldVisitor& v, TreeViewRecord& r) {
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.Font("Font", r.font);
  v.Enum("Border", r.border, kListBorderNames);
  v.Color("Color", r.color);
  v.Int32("IconWidth", r.iconWidth);
  v.Int32("IconHeight", r.iconHeight);
  v.Bool("HotTrack", r.hotTrack);
  v.Bool("ShowRoot", r.showRoot);
  v.Int32("ExpandLevels", r.expandLevels);
  v.String("AssociatedListView", r.associatedListView);
  v.List("Items", r.items, [](FieldVisitor& visitor, TTreeNode& node) { VisitFields(visitor, node); });
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

void VisitFields(FieldVisitor& v, ShellComboBoxRecord& r) {
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.Font("Font", r.font);
  v.Color("Color", r.color);
  v.Int32("DropDownCount", r.dropDownCount);
  v.String("Root", r.root);
  v.String("ShellTreeView", r.shellTreeView);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

void VisitFields(FieldVisitor& v, ShellTreeViewRecord& r) {
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.Font("Font", r.font);
  v.Enum("Border", r.border, kListBorderNames);
  v.Color("Color", r.color);
  v.Bool("HotTrack", r.hotTrack);
  v.String("Root", r.root);
  v.String("ShellListView", r.shellListView);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

void VisitFields(FieldVisitor& v, ShellListViewRecord& r) {
  v.Int16("cursor", r.cursor);
  v.String("Hint", r.hint);
  v.Font("Font", r.font);
  v.Enum("Border", r.border, kListBorderNames);
  v.Color("Color", r.color);
  v.Bool("HotTrack", r.hotTrack);
  v.Byte("hotTrackStyle", r.hotTrackStyle);
  v.Enum("ViewStyle", r.viewStyle, kViewStyleNames);
  v.String("Root", r.root);
  VisitBounds(v, r.left, r.top, r.width, r.height);
}

}  // namespace plexara
