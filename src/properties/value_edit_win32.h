// ValueEdit: the property grid control. A title row ("Name", "Value") over rows of a key and a
// value, each value edited in place as free text, through a "..." button that the host answers, or
// from a drop-down list. The control knows nothing of what the rows mean: it reports every change
// of a value, leaving an edited cell, losing the focus and its buttons to its host, and lets the
// host paint the cells.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi_objects_win32.h"
#include "platform/window_win32.h"

namespace plexara {

enum class EditStyle : std::uint8_t { Simple, Ellipsis, PickList };

class ValueEditEvents {
 public:
  virtual ~ValueEditEvents() = default;
  // After any change of a row's value: each keystroke in the cell, a value picked from the list (or
  // by double-click), Escape restoring the text, and every SetValue.
  virtual void ValueEditStringsChange(int row) = 0;
  // The author leaves a cell whose in-place editor was open. column is 1.
  virtual void ValueEditValidate(int column, int row) = 0;
  // The keyboard focus went from the grid to a window outside it.
  virtual void ValueEditExit() = 0;
  // The "..." button of the row was pressed (click, or Ctrl+Enter).
  virtual void ValueEditEditButtonClick(int row) = 0;
  // Paints one cell (column 0 key, 1 value; row 0 is the title row) into the grid's back buffer;
  // true when painted completely, false for the grid's plain look.
  virtual bool ValueEditDrawCell(HDC dc, int column, int row, const RECT& cell, bool current) = 0;
};

class ValueEdit final : public win32::Window {
 public:
  ValueEdit() = default;
  ~ValueEdit() override;

  bool Create(HWND parent, int id, ValueEditEvents& events);

  // Every row deleted; one blank row remains, which the first appended row replaces.
  void Clear();
  int AppendRow(const std::string& key, const std::string& value);
  int RowCount() const { return static_cast<int>(rows_.size()); }  // the title row included

  const std::string& Key(int row) const;
  void SetKey(int row, const std::string& key);
  const std::string& Value(int row) const;
  void SetValue(int row, const std::string& value);
  EditStyle Style(int row) const;
  void SetStyle(int row, EditStyle style);
  bool ReadOnly(int row) const;
  void SetReadOnly(int row, bool readOnly);
  const std::vector<std::string>& PickList(int row) const;
  void SetPickList(int row, std::vector<std::string> items);

  int Row() const { return current_; }
  int Col() const { return 1; }
  void SetRow(int row);
  bool Editing() const { return editorRow_ != 0; }
  std::string EditorText() const;

  // Painting waits from BeginUpdate to the matching EndUpdate, then happens once.
  void BeginUpdate() { ++updating_; }
  void EndUpdate();
  void InvalidateRow(int row);
  RECT CellRect(int column, int row) const;
  // Widens the Name column from its 100 pixels (at 96 DPI) to fit the longest key drawn `indent`
  // pixels from the left, while the Value column keeps its 95; narrows it back for short keys.
  void FitKeyColumn(int indent);

  HWND Editor() const { return editor_; }
  HWND DropList() const { return listOpen_ ? list_ : nullptr; }
  int RowHeight() const { return rowHeight_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc, const RECT& client) override;

 private:
  struct RowData {
    std::string key, value;
    EditStyle style = EditStyle::Simple;
    bool readOnly = false;
    std::vector<std::string> pickList;
  };
  static LRESULT CALLBACK EditorProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  static LRESULT CALLBACK ListProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

  bool Valid(int row) const { return row >= 1 && row < RowCount(); }
  bool HasList(int row) const;
  bool HasButton(int row) const;
  RECT ButtonRect(int row) const;
  int VisibleRows() const;
  int RowAt(int y) const;
  void SetFontMetrics(HFONT font);
  void UpdateScrollBar();
  void ScrollTo(int topRow);
  void EnsureVisible(int row);
  void Redraw();
  void OpenEditor();
  void CloseEditor();
  void PlaceEditor();
  void LeaveCell();
  void MoveTo(int row);
  bool Key(WPARAM key, bool fromEditor);
  void PressButton();
  void DropDown();
  void CloseList(bool pick);
  void CycleValue(int row);
  void FocusLost(HWND to);
  bool Owns(HWND window) const;
  void PaintCell(HDC dc, int column, int row, const RECT& cell);

  ValueEditEvents* events_ = nullptr;
  std::vector<RowData> rows_;
  bool blank_ = true;
  int current_ = 1;
  int topRow_ = 1;  // the first property row shown under the title row
  int rowHeight_ = 18;
  int keyWidth_ = 100;
  int baseKeyWidth_ = 100;
  int minValueWidth_ = 95;
  int fitIndent_ = -1;  // the indent of the last FitKeyColumn; -1 before any
  int updating_ = 0;
  HWND editor_ = nullptr;
  int editorRow_ = 0;     // the row the editor is open on; 0 when closed
  std::string entered_;   // the text when the cell was entered (Escape restores it)
  bool settingEditor_ = false;
  HWND list_ = nullptr;
  bool listOpen_ = false;
  bool inExit_ = false;
  GdiObject<HFONT> ownFont_;
  HFONT font_ = nullptr;
  MemoryCanvas canvas_;
};

}  // namespace plexara
