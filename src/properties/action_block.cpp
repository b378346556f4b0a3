#include "properties/action_block.h"

#include <array>
#include <string>
#include <vector>

#include "properties/page_name_lists.h"
#include "properties/row_fields.h"

namespace plexara {
namespace {

constexpr std::array<ParameterRow, kActionKindCount> kParameterRows = {
    ParameterRow::None,          // 0 None
    ParameterRow::Settings,      // 1 Open/Run File
    ParameterRow::Text,          // 2 Visit Website
    ParameterRow::Text,          // 3 Send Email
    ParameterRow::File,          // 4 Play Sound
    ParameterRow::File,          // 5 Print Document
    ParameterRow::SubPages,      // 6 Show Sub Page
    ParameterRow::Folder,        // 7 Browse CD/Folder
    ParameterRow::None,          // 8 Close Window
    ParameterRow::None,          // 9 Exit
    ParameterRow::None,          // 10 Stop Sound
    ParameterRow::None,          // 11 Stop All Sound
    ParameterRow::GotoPages,     // 12 Goto Page
    ParameterRow::PictureFile,   // 13 Show Picture
    ParameterRow::File,          // 14 Launch Media File
    ParameterRow::Settings,      // 15 Launch Slide Show
    ParameterRow::Text,          // 16 Show Message
    ParameterRow::Settings,      // 17 Copy File(s) then Open/Run
    ParameterRow::None,          // 18 Minimize
    ParameterRow::MediaObjects,  // 19 Play
    ParameterRow::MediaObjects,  // 20 Stop
    ParameterRow::MediaObjects,  // 21 Pause
    ParameterRow::MediaObjects,  // 22 Previous
    ParameterRow::MediaObjects,  // 23 Next
    ParameterRow::MediaObjects,  // 24 First/Back
    ParameterRow::MediaObjects,  // 25 Last/Step
    ParameterRow::Settings,      // 26 Load File with Object
    ParameterRow::Settings,      // 27 Show/Hide Enable/Disable Objects
    ParameterRow::Settings,      // 28 Action Group
};

std::string ShowActionKind(const RowTarget& t) { return std::string(ActionKindName(t.action().actionKind)); }
bool StoreActionKind(const RowTarget& t, std::string_view text) { return ChooseActionKind(t, text); }
std::vector<std::string> ActionKindChoices(const RowTarget&) {
  std::vector<std::string> names;
  for (const std::uint8_t kind : ActionKindPickOrder()) names.emplace_back(ActionKindName(kind));
  return names;
}

std::string ShowSettings(const RowTarget& t) { return SettingsMark(t.action().actionTarget); }
bool Always(const RowTarget&) { return true; }

std::vector<std::string> ParameterRowChoices(const RowTarget& t) {
  return ParameterChoices(t.action().actionKind, &t.page, t.projectPages);
}

RowDef ParameterRowDef(const RowTarget& t) {
  const int kind = t.action().actionKind;
  RowDef def{.key = ActionTargetLabel(kind), .kind = RowKind::Text, .show = ShowText<&TCommand::actionTarget>,
             .store = StoreText<&TCommand::actionTarget>};
  switch (ParameterRowOf(kind)) {
    case ParameterRow::None:
      def.kind = RowKind::Locked;
      def.show = nullptr;
      def.store = nullptr;
      def.disabled = Always;
      break;
    case ParameterRow::Settings:
      def.kind = RowKind::Dialog;
      def.show = ShowSettings;
      def.store = nullptr;
      def.editor = RowEditor::ActionSettings;
      def.text = TextField<&TCommand::actionTarget>;
      break;
    case ParameterRow::Text: break;
    case ParameterRow::File:
      def.kind = RowKind::TextDialog;
      def.editor = RowEditor::FileAll;
      break;
    case ParameterRow::PictureFile:
      def.kind = RowKind::TextDialog;
      def.editor = RowEditor::FilePicture;
      break;
    case ParameterRow::Folder:
      def.kind = RowKind::TextDialog;
      def.editor = RowEditor::Folder;
      break;
    case ParameterRow::SubPages:
      def.kind = RowKind::OpenChoice;
      def.choices = ParameterRowChoices;
      break;
    case ParameterRow::GotoPages:
      def.kind = RowKind::OpenChoice;
      def.choices = ParameterRowChoices;
      break;
    case ParameterRow::MediaObjects:
      def.kind = RowKind::OpenChoice;
      def.choices = ParameterRowChoices;
      break;
  }
  return def;
}

RowDef CloseAfterActionDef(const RowTarget& t) {
  if (!CloseAfterActionApplies(t.action().actionKind))
    return {.key = "CloseAfterAction", .kind = RowKind::Locked, .disabled = Always};
  return {.key = "CloseAfterAction", .kind = RowKind::Choice, .show = ShowSwitch<&TCommand::closeAfterAction>,
          .store = StoreTrueOnly<&TCommand::closeAfterAction>, .choices = FalseTrueChoices};
}

const std::array<RowDef, 3> kObjectActionRows = {{
    {.key = "ClickAction", .kind = RowKind::Choice, .effect = RowEffect::ActionRows, .show = ShowActionKind,
     .store = StoreActionKind, .choices = ActionKindChoices, .section = SectionIcon::Action},
    {.resolve = ParameterRowDef},
    {.resolve = CloseAfterActionDef},
}};
const std::array<RowDef, 3> kPageActionRows = {{
    {.key = "Start Action", .kind = RowKind::Choice, .effect = RowEffect::ActionRows, .show = ShowActionKind,
     .store = StoreActionKind, .choices = ActionKindChoices, .section = SectionIcon::Action},
    {.resolve = ParameterRowDef},
    {.resolve = CloseAfterActionDef},
}};

}  // namespace

ParameterRow ParameterRowOf(int actionKind) {
  if (actionKind < 0 || actionKind >= kActionKindCount) return ParameterRow::None;
  return kParameterRows[static_cast<std::size_t>(actionKind)];
}

std::vector<std::string> ParameterChoices(int actionKind, const PageData* page,
                                          const std::vector<TAutoFormInfo>* projectPages) {
  const std::string_view editedPage = page ? std::string_view(page->pageName) : std::string_view();
  switch (ParameterRowOf(actionKind)) {
    case ParameterRow::SubPages:
      if (!projectPages) return {};
      return PageNamesOfKinds(*projectPages, {PageKind::SubPage}, editedPage);
    case ParameterRow::GotoPages:
      if (!projectPages) return {};
      return PageNamesOfKinds(*projectPages, {PageKind::MainPage, PageKind::SubPage}, editedPage);
    case ParameterRow::MediaObjects:
      if (!page) return {};
      return ObjectNamesOfKinds(*page, {ObjectKind::MediaPlayer, ObjectKind::SlideShow});
    default: return {};
  }
}

std::span<const RowDef> ObjectActionRows() { return kObjectActionRows; }
std::span<const RowDef> PageActionRows() { return kPageActionRows; }

bool ChooseActionKind(const RowTarget& target, std::string_view name) {
  for (const std::uint8_t kind : ActionKindPickOrder()) {
    if (ActionKindName(kind) != name) continue;
    TCommand& action = target.action();
    // Picking the kind already stored keeps its settings: nothing was chosen anew.
    if (action.actionKind == kind) return false;
    action.actionKind = kind;
    action.actionTarget.clear();
    action.actionParameters.clear();
    action.actionFolder.clear();
    action.closeAfterAction = false;
    return true;
  }
  return false;
}

}  // namespace plexara
