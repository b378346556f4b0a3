// The action record's stream form, its two packing slots and the action kind table.
#include "storage/action_record.h"

#include <array>

#include "storage/action_targets.h"
#include "storage/binary_fields.h"
#include "storage/record_fields.h"

namespace plexara {

void VisitFields(FieldVisitor& v, TCommand& command) {
  v.Byte("ActionKind", command.actionKind);
  v.Int32("ShowCommand", command.showCommand);
  v.String("ExtraPack", command.extraPack);
  v.String("ActionTarget", command.actionTarget);
  v.String("ActionParameters", command.actionParameters);
  v.String("ActionFolder", command.actionFolder);
  v.Bool("closeAfterAction", command.closeAfterAction);
  v.String("ClickSound", command.clickSound);
  v.String("MouseDownSound", command.mouseDownSound);
  v.String("MouseUpSound", command.mouseUpSound);
  v.String("MouseEnterSound", command.mouseEnterSound);
  v.String("MouseLeaveSound", command.mouseLeaveSound);
  v.String("Cursor", command.cursor);
  v.String("CommentPack", command.commentPack);
}

// The slots are rebuilt from the fields on every write, so whatever they held before (text read
// from an older file, say) never reaches the disk.
bool WriteActionRecord(OutStream& out, TCommand& command) {
  RefreshPacks(command);
  return WriteRecord(out, command, kCodeWriteActionRecord);
}

bool ReadActionRecord(InStream& in, TCommand& command) {
  if (!ReadRecord(in, command, kCodeReadActionRecord)) return false;
  command.viewerSavedText.clear();  // belongs to the live comment viewer, never to the file
  UnpackComment(command);
  UnpackExtra(command);
  return true;
}

// ---- packing slots ----

std::string PackExtra(const TCommand& command) {
  std::string out;
  AppendField(out, command.selectRunFile, kRS2);
  AppendField(out, command.selectRunParameters, kRS2);
  AppendField(out, command.selectRunFolder, kRS2);
  AppendField(out, command.selectRunWait, kRS2);
  out.push_back(kFS1);
  AppendField(out, FlagText(command.windowMoveHandle), kFS1);
  AppendField(out, FlagText(command.enabled), kFS1);
  AppendField(out, FlagText(command.visible), kFS1);
  AppendField(out, command.groupName, kFS1);
  AppendField(out, FlagText(command.checkStyleInGroup), kFS1);
  AppendField(out, FlagText(command.checked), kFS1);
  return out;
}

std::string PackComment(const TCommand& command) {
  std::string out;
  AppendField(out, command.name, kFS1);
  AppendField(out, command.comment, kFS1);
  AppendField(out, command.commentViewer, kFS1);
  AppendField(out, command.graphicCommentViewer, kFS1);
  return out;
}

void RefreshPacks(TCommand& command) {
  command.extraPack = PackExtra(command);
  command.commentPack = PackComment(command);
}

// Older files wrote shorter slots; whatever is missing keeps the state of an object that never
// had those fields (visible, enabled, no group, no run file).
void UnpackExtra(TCommand& command) {
  command.selectRunFile.clear();
  command.selectRunParameters.clear();
  command.selectRunFolder.clear();
  command.selectRunWait.clear();
  command.windowMoveHandle = false;
  command.enabled = true;
  command.visible = true;
  command.groupName.clear();
  command.checkStyleInGroup = false;
  command.checked = false;

  PackedReader slot(command.extraPack);
  std::string_view runSegment;
  if (!slot.Next(kFS1, runSegment)) return;
  PackedReader run(runSegment);
  if (!(run.Next(kRS2, command.selectRunFile) && run.Next(kRS2, command.selectRunParameters) &&
        run.Next(kRS2, command.selectRunFolder) && run.Next(kRS2, command.selectRunWait))) {
    return;
  }
  std::string_view piece;
  if (!slot.Next(kFS1, piece)) return;
  command.windowMoveHandle = IsFlagSet(piece);
  if (!slot.Next(kFS1, piece)) return;
  command.enabled = IsFlagSet(piece);
  if (!slot.Next(kFS1, piece)) return;
  command.visible = IsFlagSet(piece);
  if (!slot.Next(kFS1, command.groupName)) return;
  if (!slot.Next(kFS1, piece)) return;
  command.checkStyleInGroup = IsFlagSet(piece);
  if (!slot.Next(kFS1, piece)) return;
  command.checked = IsFlagSet(piece);
}

void UnpackComment(TCommand& command) {
  command.name.clear();
  command.comment.clear();
  command.commentViewer.clear();
  command.graphicCommentViewer.clear();
  // The reader stops at the first missing FS1, so the later fields simply stay empty.
  PackedReader slot(command.commentPack);
  slot.Next(kFS1, command.name);
  slot.Next(kFS1, command.comment);
  slot.Next(kFS1, command.commentViewer);
  slot.Next(kFS1, command.graphicCommentViewer);
}

// ---- action kind table ----

namespace {

constexpr std::array<ActionKindInfo, kActionKindCount> kActionKinds = {{
    {"None", "", false, false},
    {"Open/Run File", "FileName(s)", true, true},
    {"Visit Website", "WebSiteURL", true, false},
    {"Send Email", "EmailAddress", true, false},
    {"Play Sound", "SoundFile", false, false},
    {"Print Document", "FileName", true, false},
    {"Show Sub Page", "PageName", false, false},
    {"Browse CD/Folder", "Folder", true, false},
    {"Close Window", "", false, false},
    {"Exit", "", false, false},
    {"Stop Sound", "", false, false},
    {"Stop All Sound", "", false, false},
    {"Goto Page", "PageName", false, false},
    {"Show Picture", "ImageFile", true, false},
    {"Launch Media File", "MediaFile", true, false},
    {"Launch Slide Show", "Folder", true, true},
    {"Show Message", "Message", true, false},
    {"Copy File(s) then Open/Run", "File/Folder", true, true},
    {"Minimize", "", false, false},
    {"Play", "ObjectName", false, false},
    {"Stop", "ObjectName", false, false},
    {"Pause", "ObjectName", false, false},
    {"Previous", "ObjectName", false, false},
    {"Next", "ObjectName", false, false},
    {"First/Back", "ObjectName", false, false},
    {"Last/Step", "ObjectName", false, false},
    {"Load File with Object", "Object/File", false, true},
    {"Show/Hide Enable/Disable Objects", "Objects", false, true},
    {"Action Group", "Actions", false, true},
}};

constexpr std::array<std::uint8_t, kActionKindCount> kActionKindPickOrder = {
    0,  1,  2,  3,  5,  17, 13, 14, 15, 4,  10, 11, 12, 6, 27,
    26, 19, 20, 21, 22, 23, 24, 25, 16, 18, 7,  8,  9,  28};

const ActionKindInfo* FindActionKind(int actionKind) {
  if (actionKind < 0 || actionKind >= kActionKindCount) return nullptr;
  return &kActionKinds[static_cast<std::size_t>(actionKind)];
}

}  // namespace

std::span<const ActionKindInfo> ActionKinds() { return kActionKinds; }

std::span<const std::uint8_t> ActionKindPickOrder() { return kActionKindPickOrder; }

bool CloseAfterActionApplies(int actionKind) {
  const ActionKindInfo* info = FindActionKind(actionKind);
  return info != nullptr && info->closeAfterAction;
}

std::string_view ActionKindName(int actionKind) {
  const ActionKindInfo* info = FindActionKind(actionKind);
  return info != nullptr ? info->name : kActionKinds[kActionNone].name;
}

std::string_view ActionTargetLabel(int actionKind) {
  const ActionKindInfo* info = FindActionKind(actionKind);
  return info != nullptr && !info->label.empty() ? info->label : "FileName";
}

}  // namespace plexara
