// The editor's main window. Its class name and title are what a second editor start looks for to
// find the running one, so both are fixed: class "TMainForm", title "Plexara".
//
// It holds the open project (EditorDocument), the one page window that carries the live objects of
// the current page (the working page, created hidden: the design window paints it), and every
// pane around them: tool bar and palette, property panel with the object selector, group list,
// page tabs, design area, template panel and status bar. Its methods are split by concern:
//   main_form_win32.cpp          creation, layout, the View toggles, command routing
//   main_form_project_win32.cpp  start-up, Open, tab switching, Save, the close query
//   main_form_edit_win32.cpp     the Edit commands, the object selector and the group list
//   main_form_properties_win32.cpp  the property grid: building it, applying and validating cells
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/design_area_win32.h"
#include "editor/design_window_win32.h"
#include "editor/design_geometry.h"
#include "editor/editor_document.h"
#include "editor/editor_files_win32.h"
#include "editor/editor_settings.h"
#include "editor/ini_store_win32.h"
#include "editor/group_list_win32.h"
#include "editor/main_menu.h"
#include "editor/object_selector_win32.h"
#include "editor/splitter_win32.h"
#include "platform/window_win32.h"
#include "player/page_window_win32.h"
#include "properties/action_dialogs_win32.h"
#include "properties/property_rows.h"
#include "properties/value_edit_win32.h"
#include "storage/startup_context.h"

namespace plexara {

class TSplashForm;

class TMainForm final : public win32::Window, private DesignHost, private ValueEditEvents {
 public:
  explicit TMainForm(StartupContext& context);
  ~TMainForm() override;

  // The creation steps, then the window shown and start-up posted to run from the message loop.
  bool FormCreate(TSplashForm* splash);
  HACCEL accelerators() const { return accelerators_; }

  // ---- operations the other editor panes call ----
  bool CommitPendingEdit() override;
  void MarkModified(bool value) override;
  void ShowProperties();
  void RebuildObjectSelector();
  void RebuildPageTabs();
  void SwitchToPage();
  bool SaveProject(const std::string& folder);

  // For tests and the benchmark: the document and the live page.
  const EditorDocument& document() const { return document_; }
  TAutoRunForm* workingPage() const { return workingPage_.get(); }
  TEditForm& designWindow() { return designWindow_; }
  ValueEdit& propertyGrid() { return grid_; }
  const EditorSettings& settings() const { return settings_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Paint(HDC dc, const RECT& client) override;
  void OnDestroy() override;

 private:
  static constexpr UINT_PTR kRepaintTimer = 1;    // the surface repainted once the page is placed
  static constexpr UINT_PTR kWhatsNewTimer = 2;   // the What's New check after start
  static constexpr UINT kRefillSelectorMessage = WM_APP + 40;

  // ---- DesignHost ----
  void SelectionRefresh() override;
  void ObjectCreated() override;
  int CreationKind() const override;
  void DeleteSelection() override;
  void ShowSurfaceMenu(POINT screen) override;
  void PropertiesRefresh() override;
  void DesignAreaChanged() override;
  GridSettings Grid() const override;

  // ---- creation and layout (main_form_win32.cpp) ----
  int MeasureMenuBarHeight();
  bool CreateChildren();
  void CreateToolBar();
  void CreatePalette();
  void CreateLeftPanel();
  void LayOut();
  void SetStatusText(int part, const std::string& text);
  void ToggleView(EditorCommand command);
  void UpdateViewChecks();
  void RunCommand(EditorCommand command);
  bool CommandEnabled(EditorCommand command) const;
  void UpdateCommandStates(HMENU menu);
  void UpdateToolBarStates();
  void SelectPaletteSlot(int slot);
  LRESULT OnNotify(const NMHDR& header);
  void RunHelpCommand(EditorCommand command);
  void WriteSettings();
  void ToggleGridSetting(EditorCommand command);
  void ChangeGridSize();
  void ChangeBackColor();

  // ---- project lifecycle (main_form_project_win32.cpp) ----
  void StartUp();
  bool LoadFirstProject();
  void Open();
  // Asks "Save changes to file?" when there is something to save: false when the command must
  // stop (Cancel, or Yes and the save failed).
  bool AskToSaveChanges();
  bool SaveUnderHourglass();
  bool CloseQuery();
  void CloseProject();
  void LoadWorkingPage(const TAutoFormInfo& entry, const std::string& path, bool centre);
  void PlaceDesignWindow();
  void CheckWhatsNew(bool fromMenu);
  void RunInitialisation();

  // ---- edit commands, selector, group list (main_form_edit_win32.cpp) ----
  void RunEditCommand(EditorCommand command);
  bool EditCommandEnabled(EditorCommand command) const;
  int SelectedCount() const;
  void AfterStructureChange(bool rebuildSelector);
  void AfterBoundsChange();
  void CopySelection();
  void PasteClipboard();
  bool ClipboardHasObjects() const;
  void DeleteSelected();
  void SetVisibleInGroup(bool value);
  void SelectorChosen(int index);
  void RebuildGroupList();
  void GroupToggled(const std::string& group, bool shown);
  void ShowAllObjects();

  // ---- the property grid (main_form_properties_win32.cpp) ----
  std::optional<RowTarget> SelectedTarget();
  void WriteRowStyle(int row);
  void RewriteRow(int row, const RowTarget& target);
  void WriteCell(int row, const std::string& value);
  void ApplyRowEffect(RowEffect effect, int row, const RowTarget& target);
  void RenamePage(const std::string& text);
  // What the action dialogs and the menu editor take names from and pick files in.
  ActionDialogContext DialogContext() const;
  // The menu editor on the page's menu bar; the page window and the design surface's imitation
  // bar follow a change.
  void EditPageMenuBar();
  // The page window wears the page's frame again and the design surface mirrors it.
  void MirrorPageFrame();
  // After a menu of the page or of an object changed: the page window's menus are built again.
  void MenusChanged();
  bool GridHasFocus() const;
  void ValueEditStringsChange(int row) override;
  void ValueEditValidate(int column, int row) override;
  void ValueEditExit() override;
  void ValueEditEditButtonClick(int row) override;
  bool ValueEditDrawCell(HDC dc, int column, int row, const RECT& cell, bool current) override;

  StartupContext& context_;
  EditorDocument document_;
  EditorSettings settings_;
  Win32EditorFiles files_;
  Win32IniStore ini_;
  std::unique_ptr<TAutoRunForm> workingPage_;
  std::string editorVersion_;
  UINT clipboardFormat_ = 0;
  int menuBarHeight_ = 0;
  TSplashForm* splash_ = nullptr;
  HACCEL accelerators_ = nullptr;
  HMENU menuBar_ = nullptr;

  HWND toolBar_ = nullptr;
  HWND pager_ = nullptr;
  HWND palette_ = nullptr;
  HWND logo_ = nullptr;
  HWND leftPanel_ = nullptr;
  HWND multiLabel_ = nullptr;
  HWND tabs_ = nullptr;
  HWND templatePanel_ = nullptr;
  HWND statusBar_ = nullptr;
  HWND tabsMenuOwner_ = nullptr;
  ObjectSelector selector_;
  ValueEdit grid_;
  RowSheet sheet_;
  bool gridBuilding_ = false;  // the program itself writes cells: the grid's events do nothing
  bool validating_ = false;
  bool gridShown_ = false;
  GroupList groupList_;
  DesignArea designArea_;
  TEditForm designWindow_;
  Splitter leftSplitter_, groupSplitter_, templateSplitter_;

  bool showToolBar_ = true, showStatusBar_ = true, showProperties_ = true, showGroupList_ = false,
       showTemplates_ = true;
  int leftWidth_ = 240;
  int groupListHeight_ = 160;
  int templateHeight_ = 130;
  int paletteSlot_ = 0;  // 0 = Select
  bool switching_ = false;
  bool editAccepted_ = true;
};

}  // namespace plexara
