// The kind records of the list objects as plain data: ListBox, DropDownList, ListView and
// TreeView with their author-made items (each carrying its own action record), the ListView's
// report columns and the TreeView's nested nodes, and the three shell folder views. Each record
// lists its fields once, in stream order, in its VisitFields; the controls that show these kinds
// are built from this data elsewhere.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "storage/action_record.h"
#include "storage/font_data.h"
#include "storage/picture.h"
#include "storage/record_fields.h"

namespace plexara {

// The list controls start in the platform's window background colour (system colour 5).
inline constexpr ColorRef kListWindowColor = static_cast<ColorRef>(0x80000005u);

// Deepest tree a file may hold (top-level nodes are depth 0). Deeper trees are damaged or hostile
// data; refusing them keeps the recursive reader and writer far from the end of the stack.
inline constexpr int kMaxTreeDepth = 64;

// Report codes of the item, column and tree node records.
inline constexpr int kCodeWriteListItem = 1112;
inline constexpr int kCodeReadListItem = 1113;
inline constexpr int kCodeWriteListColumn = 1114;
inline constexpr int kCodeReadListColumn = 1115;
inline constexpr int kCodeWriteTreeNode = 1090;
inline constexpr int kCodeReadTreeNode = 1091;

inline constexpr std::string_view kViewStyleNames[] = {"Icon", "SmallIcon", "List", "Report"};
inline constexpr std::string_view kListBorderNames[] = {"None", "Single"};

// Bits of the hot-track style set.
inline constexpr std::uint8_t kHotTrackHandPoint = 1;
inline constexpr std::uint8_t kHotTrackUnderlineCold = 2;
inline constexpr std::uint8_t kHotTrackUnderlineHot = 4;
// Hot items show the hand pointer and are underlined.
inline constexpr std::uint8_t kDefaultHotTrackStyle = kHotTrackHandPoint | kHotTrackUnderlineHot;

// One author-made item of a ListBox or DropDownList: caption, icon and what clicking it does.
struct TListBoxItem {
  std::string text;
  Picture picture;
  TCommand action;
  friend bool operator==(const TListBoxItem&, const TListBoxItem&) = default;
};
void VisitFields(FieldVisitor& v, TListBoxItem& item);

// A ListView item, also an entry of a tree node's list: the report cells follow as one line
// (CR LF separated) per column after the first.
struct TListViewItem : TListBoxItem {
  std::string subText;
  friend bool operator==(const TListViewItem&, const TListViewItem&) = default;
};
void VisitFields(FieldVisitor& v, TListViewItem& item);

// A TreeView node: its own item, the entries an associated ListView shows while the node is
// selected (one level only), and its child nodes in order.
struct TTreeNode : TListViewItem {
  std::vector<TListViewItem> childItems;
  std::vector<TTreeNode> children;
  friend bool operator==(const TTreeNode&, const TTreeNode&) = default;
};
// Visits a top-level node and, depth-first, its descendants.
void VisitFields(FieldVisitor& v, TTreeNode& node);

// A report column of a ListView.
struct TListViewColumn {
  std::uint8_t alignment = 0;  // 0 left, 1 right, 2 centre
  bool autoSize = false;
  std::string caption;
  std::int32_t imageIndex = -1;
  std::int32_t maxWidth = 0;
  std::int32_t minWidth = 0;
  std::int32_t tag = 0;
  std::int32_t width = 50;
  friend bool operator==(const TListViewColumn&, const TListViewColumn&) = default;
};
void VisitFields(FieldVisitor& v, TListViewColumn& column);

struct ListBoxRecord {
  static constexpr std::uint8_t kKind = 20;
  static constexpr int kWriteCode = 1086;
  static constexpr int kReadCode = 1087;
  std::int16_t cursor = 0;  // default pointer
  std::string hint;
  FontData font;
  std::uint8_t border = 1;  // stored ordinal of kListBorderNames
  ColorRef color = kListWindowColor;
  std::int32_t itemHeight = 19;
  std::int32_t iconWidth = 16;
  std::int32_t iconHeight = 16;
  std::vector<TListBoxItem> items;
  std::int32_t selectedIndex = -1;  // -1: nothing selected
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 209;
  std::int32_t height = 209;
  friend bool operator==(const ListBoxRecord&, const ListBoxRecord&) = default;
};
void VisitFields(FieldVisitor& v, ListBoxRecord& r);

struct DropDownListRecord {
  static constexpr std::uint8_t kKind = 21;
  static constexpr int kWriteCode = 1088;
  static constexpr int kReadCode = 1089;
  std::int16_t cursor = 0;  // default pointer
  std::string hint;
  FontData font;
  ColorRef color = kListWindowColor;
  std::int32_t itemHeight = 19;
  std::int32_t iconWidth = 16;
  std::int32_t iconHeight = 16;
  std::vector<TListBoxItem> items;
  std::int32_t selectedIndex = -1;
  std::int32_t dropDownCount = 8;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 145;
  std::int32_t height = 25;
  friend bool operator==(const DropDownListRecord&, const DropDownListRecord&) = default;
};
void VisitFields(FieldVisitor& v, DropDownListRecord& r);

struct ListViewRecord {
  static constexpr std::uint8_t kKind = 22;
  static constexpr int kWriteCode = 1093;
  static constexpr int kReadCode = 1092;
  std::int16_t cursor = 0;  // default pointer
  std::string hint;
  FontData font;
  std::uint8_t border = 1;
  ColorRef color = kListWindowColor;
  std::int32_t iconWidth = 32;
  std::int32_t iconHeight = 32;
  bool hotTrack = false;
  std::uint8_t hotTrackStyle = kDefaultHotTrackStyle;
  std::vector<TListViewColumn> reportColumns;
  std::vector<TListViewItem> items;
  // The column-click and column-header flags are not kept: headers are never clickable and
  // always shown, whatever a file says (VisitFields writes those fixed values).
  bool reportGridLines = false;
  bool hideSelection = false;
  bool reportRowSelect = false;
  std::uint8_t sortType = 0;
  std::uint8_t viewStyle = 0;  // stored ordinal of kViewStyleNames
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 209;
  std::int32_t height = 209;
  friend bool operator==(const ListViewRecord&, const ListViewRecord&) = default;
};
void VisitFields(FieldVisitor& v, ListViewRecord& r);

struct TreeViewRecord {
  static constexpr std::uint8_t kKind = 23;
  static constexpr int kWriteCode = 1094;
  static constexpr int kReadCode = 1095;
  std::int16_t cursor = 0;  // default pointer
  std::string hint;
  FontData font;
  std::uint8_t border = 1;
  ColorRef color = kListWindowColor;
  std::int32_t iconWidth = 18;
  std::int32_t iconHeight = 18;
  bool hotTrack = true;
  bool showRoot = true;
  std::int32_t expandLevels = 1;
  std::string associatedListView;  // name of a ListView object on the same page
  std::vector<TTreeNode> items;    // top-level nodes
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 209;
  std::int32_t height = 209;
  friend bool operator==(const TreeViewRecord&, const TreeViewRecord&) = default;
};
void VisitFields(FieldVisitor& v, TreeViewRecord& r);

struct ShellComboBoxRecord {
  static constexpr std::uint8_t kKind = 24;
  static constexpr int kWriteCode = 1096;
  static constexpr int kReadCode = 1097;
  std::int16_t cursor = 0;  // default pointer
  std::string hint;
  FontData font;
  ColorRef color = kListWindowColor;
  std::int32_t dropDownCount = 8;
  std::string root;           // folder below the disc root; empty: the disc root
  std::string shellTreeView;  // name of a ShellTreeView object on the same page
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 209;
  std::int32_t height = 209;
  friend bool operator==(const ShellComboBoxRecord&, const ShellComboBoxRecord&) = default;
};
void VisitFields(FieldVisitor& v, ShellComboBoxRecord& r);

struct ShellTreeViewRecord {
  static constexpr std::uint8_t kKind = 25;
  static constexpr int kWriteCode = 1110;
  static constexpr int kReadCode = 1111;
  std::int16_t cursor = 0;  // default pointer
  std::string hint;
  FontData font;
  std::uint8_t border = 1;
  ColorRef color = kListWindowColor;
  bool hotTrack = true;
  std::string root;
  std::string shellListView;  // name of a ShellListView object on the same page
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 209;
  std::int32_t height = 209;
  friend bool operator==(const ShellTreeViewRecord&, const ShellTreeViewRecord&) = default;
};
void VisitFields(FieldVisitor& v, ShellTreeViewRecord& r);

struct ShellListViewRecord {
  static constexpr std::uint8_t kKind = 26;
  static constexpr int kWriteCode = 1098;
  static constexpr int kReadCode = 1099;
  std::int16_t cursor = 0;  // default pointer
  std::string hint;
  FontData font;
  std::uint8_t border = 1;
  ColorRef color = kListWindowColor;
  bool hotTrack = false;
  std::uint8_t hotTrackStyle = kDefaultHotTrackStyle;
  std::uint8_t viewStyle = 0;
  std::string root;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 209;
  std::int32_t height = 209;
  friend bool operator==(const ShellListViewRecord&, const ShellListViewRecord&) = default;
};
void VisitFields(FieldVisitor& v, ShellListViewRecord& r);

}  // namespace plexara
