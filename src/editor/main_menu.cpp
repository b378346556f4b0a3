#include "editor/main_menu.h"

#include <array>

namespace plexara {
namespace {

using C = EditorCommand;
using R = MenuRow;

constexpr Shortcut Ctrl(char key) { return Shortcut{static_cast<std::uint16_t>(key), true, false, false}; }

constexpr MenuEntry Item(std::string_view caption, C command, Shortcut shortcut = {}) {
  return MenuEntry{R::Item, caption, command, shortcut};
}
constexpr MenuEntry Separator() { return MenuEntry{R::Separator, {}, C::None, {}}; }
constexpr MenuEntry Submenu(std::string_view caption) { return MenuEntry{R::SubmenuBegin, caption, C::None, {}}; }
constexpr MenuEntry SubmenuEnd() { return MenuEntry{R::SubmenuEnd, {}, C::None, {}}; }

constexpr std::array kFileMenu{
    Item("New Project...", C::NewProject, Ctrl('N')),
    Item("Open...", C::Open, Ctrl('O')),
    Item("Save", C::Save, Ctrl('S')),
    Separator(),
    Item("Exit", C::Exit, Shortcut{'X', true, true, false}),
};

constexpr std::array kProjectMenu{
    Item("Project Options...", C::ProjectOptions),
    Item("CD Icon...", C::CdIcon),
    Separator(),
    Item("Save and Test...", C::SaveAndTest, Ctrl('T')),
    Item("Save and Publish...", C::SaveAndPublish),
    Item("Create Target File...", C::CreateTargetFile),
};

constexpr std::array kPageMenu{
    Item("Add Page...", C::AddPage, Ctrl('P')),
    Item("Delete Page...", C::DeletePage),
    Item("Load From Template...", C::LoadPageFromTemplate),
    Separator(),
    Item("Page Menu Bar...", C::PageMenuBar),
    Item("Preview Page...", C::PreviewPage, Ctrl('R')),
};

// The align submenu and the commands up to Select All are shared by the Edit menu and the
// surface's context menu; only Delete's shortcut differs.
#define PLEXARA_ALIGN_SUBMENU                                                                            \
  Submenu("Align"), Item("Align to Grid", C::AlignToGrid), Separator(), Item("Align Left", C::AlignLeft), \
      Item("Align Center", C::AlignCenter), Item("Align Right", C::AlignRight), Separator(),              \
      Item("Align Top", C::AlignTop), Item("Align Middle", C::AlignMiddle),                               \
      Item("Align Bottom", C::AlignBottom), SubmenuEnd()

constexpr std::array kEditMenu{
    PLEXARA_ALIGN_SUBMENU,
    Separator(),
    Item("Copy", C::Copy, Ctrl('C')),
    Item("Paste", C::Paste, Ctrl('V')),
    Item("Duplicate", C::Duplicate, Ctrl('D')),
    Item("Delete", C::Delete, Shortcut{kKeyDelete, true, false, false}),
    Item("Clear", C::Clear),
    Separator(),
    Item("Bring to Front", C::BringToFront),
    Item("Send to Back", C::SendToBack),
    Separator(),
    Item("Select All", C::SelectAll),
    Separator(),
    Item("Set Visible True In Group...", C::SetVisibleTrueInGroup),
    Item("Set Visible False In Group...", C::SetVisibleFalseInGroup),
};

constexpr std::array kSurfaceMenu{
    PLEXARA_ALIGN_SUBMENU,
    Separator(),
    Item("Copy", C::Copy, Ctrl('C')),
    Item("Paste", C::Paste, Ctrl('V')),
    Item("Duplicate", C::Duplicate, Ctrl('D')),
    Item("Delete", C::DeleteKey, Shortcut{kKeyDelete, false, false, false}),
    Item("Clear", C::Clear),
    Separator(),
    Item("Bring to Front", C::BringToFront),
    Item("Send to Back", C::SendToBack),
    Separator(),
    Item("Select All", C::SelectAll),
};
#undef PLEXARA_ALIGN_SUBMENU

constexpr std::array kViewMenu{
    Item("Toolbar", C::ViewToolbar),
    Item("Statusbar", C::ViewStatusbar),
    Item("Property Editor", C::ViewPropertyEditor),
    Item("Group List", C::ViewGroupList),
    Item("Object Templates", C::ViewObjectTemplates),
};

constexpr std::array kToolsMenu{
    Item("Page Template...", C::PageTemplate),
    Submenu("Object Template"),
    Item("Add Template Group...", C::AddTemplateGroup),
    Item("Delete Template Group...", C::DeleteTemplateGroup),
    Separator(),
    Item("Add Selected Object To Group", C::AddSelectedObjectToGroup),
    Item("Delete Template Item", C::DeleteTemplateItem),
    SubmenuEnd(),
    Separator(),
    Item("Display Grid", C::DisplayGrid),
    Item("Snap To Grid", C::SnapToGrid),
    Item("Grid Size...", C::GridSize),
    Separator(),
    Item("Back Ground Color...", C::BackGroundColor),
};

constexpr std::array kHelpMenu{
    Item("Plexara Help...", C::Help, Shortcut{kKeyF1, false, false, false}),
    Item("Technical Support...", C::TechnicalSupport),
    Item("Home Page...", C::HomePage),
    Separator(),
    Item("What's New...", C::WhatsNew),
    Item("About...", C::About),
};

constexpr std::array kPageTabsMenu{
    Item("Add Page...", C::AddPage),
    Item("Delete Page...", C::DeletePage),
};

const std::array kMainMenu{
    TopMenu{"&File", kFileMenu},   TopMenu{"&Project", kProjectMenu}, TopMenu{"P&age", kPageMenu},
    TopMenu{"&Edit", kEditMenu},   TopMenu{"&View", kViewMenu},       TopMenu{"&Tools", kToolsMenu},
    TopMenu{"&Help", kHelpMenu},
};

constexpr std::uint16_t kKeyTab = 0x09;
constexpr std::array kKeyboardOnly{
    Item("Next Page", C::NextPage, Shortcut{kKeyTab, true, false, false}),
    Item("Previous Page", C::PreviousPage, Shortcut{kKeyTab, true, false, true}),
};

constexpr std::array kToolBar{
    C::NewProject, C::Open, C::Save, C::ProjectOptions, C::SaveAndTest, C::SaveAndPublish, C::None,
    C::AddPage, C::LoadPageFromTemplate, C::PageMenuBar, C::PreviewPage,
};

std::string KeyName(std::uint16_t key) {
  if (key >= kKeyF1 && key < kKeyF1 + 12) return "F" + std::to_string(key - kKeyF1 + 1);
  if (key == kKeyDelete) return "Del";
  return std::string(1, static_cast<char>(key));
}

}  // namespace

std::span<const TopMenu> MainMenu() { return kMainMenu; }
std::span<const MenuEntry> SurfaceMenu() { return kSurfaceMenu; }
std::span<const MenuEntry> PageTabsMenu() { return kPageTabsMenu; }
std::span<const MenuEntry> KeyboardOnlyCommands() { return kKeyboardOnly; }

bool CommandAvailable(EditorCommand command) {
  switch (command) {
    // The new-project wizard, the project options, test and publish, the page commands and the
    // template commands come with their own dialogs.
    case C::NewProject:
    case C::ProjectOptions:
    case C::CdIcon:
    case C::SaveAndTest:
    case C::SaveAndPublish:
    case C::CreateTargetFile:
    case C::AddPage:
    case C::DeletePage:
    case C::LoadPageFromTemplate:
    case C::PreviewPage:
    case C::PageTemplate:
    case C::AddTemplateGroup:
    case C::DeleteTemplateGroup:
    case C::AddSelectedObjectToGroup:
    case C::DeleteTemplateItem:
    case C::None:
      return false;
    default:
      return true;
  }
}

std::string ShortcutText(const Shortcut& shortcut) {
  if (shortcut.key == 0) return {};
  std::string text;
  if (shortcut.ctrl) text += "Ctrl+";
  if (shortcut.alt) text += "Alt+";
  if (shortcut.shift) text += "Shift+";
  return text + KeyName(shortcut.key);
}

std::span<const EditorCommand> ToolBarCommands() { return kToolBar; }

std::string_view ToolBarHint(EditorCommand command) {
  switch (command) {
    case C::NewProject: return "New Project";
    case C::Open: return "Open";
    case C::Save: return "Save";
    case C::ProjectOptions: return "Project Options";
    case C::SaveAndTest: return "Save and Test";
    case C::SaveAndPublish: return "Save and Publish";
    case C::AddPage: return "Add Page";
    case C::LoadPageFromTemplate: return "Load Page From Template";
    case C::PageMenuBar: return "Page Menu Bar";
    case C::PreviewPage: return "Preview Page";
    default: return {};
  }
}

}  // namespace plexara
