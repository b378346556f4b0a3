// The kind table and the naming of new objects.
#include "storage/kind_table.h"

#include <array>
#include <set>

namespace plexara {
namespace {

using K = ObjectKind;
using S = KindSizeRule;

constexpr std::uint8_t kEnterLeaveEvents = kEventClick | kEventPress | kEventRelease | kEventEnter | kEventLeave;
constexpr std::uint8_t kMoveEvents = kEnterLeaveEvents | kEventMove;
constexpr std::uint8_t kFlashEvents = kEventClick | kEventPress | kEventRelease;

constexpr std::optional<std::string_view> kNoText = std::nullopt;

// Columns: kind, type name, class, design-surface class, what the control is, size rule, width,
// height, text of a new object, windowed, click to page, creatable, events.
constexpr std::array<KindInfo, kObjectKindCount> kKinds = {{
    {K::Button, "Button", "TAuButton", "", "push button with caption and font", S::Fixed, 105, 25,
     "New Button", true, true, true, kEnterLeaveEvents},
    {K::ImageButton, "ImageButton", "TAuImageButton", "", "self-painted button with three pictures and three fonts",
     S::Fixed, 105, 25, "New ImageButton", false, true, true, kEnterLeaveEvents},
    {K::Image, "Image", "TAuImage", "", "picture with normal, pointer-over and pressed pictures", S::Fixed, 105, 105,
     kNoText, false, true, true, kMoveEvents},
    {K::Label, "Label", "TAuLabel", "", "anti-aliased one-line text", S::Fixed, 105, 25, "New Label", false, true, true, kMoveEvents},
    {K::Link, "Link", "TAuLink", "", "anti-aliased text with a hot look", S::AutoSized, 0, 0, "New Link", false,
     true, true, kEnterLeaveEvents},
    {K::FadeLabel, "FadeLabel", "TAuFadeLabel", "", "lines that fade into one another", S::Fixed, 105, 25, kNoText,
     false, true, false, kEnterLeaveEvents},
    {K::Text, "Text", "TAuText", "", "anti-aliased multi-line text with font tags", S::Fixed, 209, 209, "New Text",
     false, true, true, kEnterLeaveEvents},
    {K::ScrollText, "ScrollText", "TAuScrollText", "", "vertically scrolling anti-aliased text", S::Fixed, 209, 209,
     "New Scroll Text", false, true, true, kEnterLeaveEvents},
    {K::TextBox, "TextBox", "TAuTextBox", "", "read-only multi-line plain text box", S::Fixed, 209, 209, kNoText,
     true, false, true, kEnterLeaveEvents},
    {K::RichText, "RichText", "TAuRichTextBox", "", "read-only rich-text box", S::Fixed, 209, 209, kNoText, true,
     false, true, kEnterLeaveEvents},
    {K::AVI, "AVI", "TAuAVI", "", "silent video clip player", S::Fixed, 105, 105, kNoText, true, false, true,
     kEnterLeaveEvents},
    // The placeholder variant reports no events; the browser variant's events are listed.
    {K::Explorer, "Explorer", "TAuExplorer", "TAuExplorerE", "embedded web browser / placeholder panel", S::Fixed,
     209, 209, kNoText, true, false, true, kEnterLeaveEvents},
    {K::MediaPlayer, "MediaPlayer", "TAuMedia", "", "media player panel with controls", S::Fixed, 209, 185, kNoText,
     true, false, true, kEnterLeaveEvents},
    {K::SlideShow, "SlideShow", "TAuSlideShow", "", "picture slide show panel", S::OwnRule, 0, 0, kNoText, true,
     false, true, kEnterLeaveEvents},
    // A new edit box starts empty: its text is set, to nothing.
    {K::Edit, "Edit", "TAuSecurityEdit", "", "one-line text input checked against an expected text",
     S::HeightFromFont, 121, 25, "", true, true, true, kEnterLeaveEvents},
    {K::RadioButton, "RadioButton", "TAuAgreementRadio", "", "radio button that can be required", S::Fixed, 113, 17,
     "New RadioButton", true, true, true, kEnterLeaveEvents},
    {K::CheckBox, "CheckBox", "TAuAgreementCheck", "", "check box that can be required", S::Fixed, 97, 17,
     "New CheckBox", true, true, true, kEnterLeaveEvents},
    {K::SimpleText, "SimpleText", "TAuSimpleText", "", "plain text label with normal, hot and pressed looks",
     S::Fixed, 105, 17, "New SimpleText", false, true, true, kMoveEvents},
    {K::Flash, "Flash", "TAuFlash", "", "panel hosting the Flash player", S::Fixed, 209, 105, kNoText, true, false, true, kFlashEvents},
    {K::Shape, "Shape", "TAuShape", "", "self-painted shape with fills", S::Fixed, 105, 105, kNoText, false, true, true, kMoveEvents},
    {K::ListBox, "ListBox", "TAuListBox", "", "owner-drawn list with icons and item actions", S::Fixed, 209, 209,
     kNoText, true, true, true, kMoveEvents},
    {K::DropDownList, "DropDownList", "TAuComboBox", "", "owner-drawn drop-down list with icons and item actions",
     S::Fixed, 145, 25, kNoText, true, true, true, kMoveEvents},
    {K::ListView, "ListView", "TAuListView", "", "list view with icons, columns and item actions", S::Fixed, 209, 209,
     kNoText, true, true, true, kMoveEvents},
    {K::TreeView, "TreeView", "TAuTreeView", "", "tree with icons and item actions", S::Fixed, 209, 209, kNoText,
     true, true, true, kMoveEvents},
    {K::ShellComboBox, "ShellComboBox", "TAuShellComboBox", "", "drop-down of file-system folders", S::Fixed, 209,
     209, kNoText, true, true, true, kMoveEvents},
    {K::ShellTreeView, "ShellTreeView", "TAuShellTreeView", "", "file-system folder tree", S::Fixed, 209, 209,
     kNoText, true, true, true, kMoveEvents},
    {K::ShellListView, "ShellListView", "TAuShellListView", "", "file-system folder contents", S::Fixed, 209, 209,
     kNoText, true, true, true, kMoveEvents},
}};

static_assert([] {
  for (int i = 0; i < kObjectKindCount; ++i) {
    if (static_cast<int>(kKinds[static_cast<std::size_t>(i)].kind) != i) return false;
  }
  return true;
}(), "the kind table is indexed by code");

// The number a name carries after the prefix, when the rest is exactly the decimal spelling of a
// number n >= 1 (so "Button01" does not count as "Button1"); 0 otherwise.
std::size_t NumberAfterPrefix(std::string_view name, std::string_view prefix) {
  if (name.size() <= prefix.size() || name.substr(0, prefix.size()) != prefix) return 0;
  const std::string_view digits = name.substr(prefix.size());
  if (digits.front() == '0' || digits.size() > 9) return 0;
  std::size_t number = 0;
  for (const char c : digits) {
    if (c < '0' || c > '9') return 0;
    number = number * 10 + static_cast<std::size_t>(c - '0');
  }
  return number;
}

}  // namespace

std::span<const KindInfo> KindTable() { return kKinds; }

const KindInfo* FindKind(int code) {
  if (code < 0 || code >= kObjectKindCount) return nullptr;
  return &kKinds[static_cast<std::size_t>(code)];
}

std::string_view TypeNameOf(int code) {
  if (code < 0) return {};
  const KindInfo* info = FindKind(code & 0x7F);
  return info != nullptr ? info->typeName : std::string_view();
}

std::string MakeObjectName(std::span<const std::string> existingNames, int kind) {
  const std::string_view prefix = TypeNameOf(kind);
  // Only the numbers 1..count can all be taken, so the answer is at most count + 1.
  std::set<std::size_t> taken;
  for (const std::string& name : existingNames) {
    const std::size_t number = NumberAfterPrefix(name, prefix);
    if (number != 0 && number <= existingNames.size()) taken.insert(number);
  }
  std::size_t n = 1;
  while (taken.count(n) != 0) ++n;
  return std::string(prefix) + std::to_string(n);
}

TCommand NewObjectCommand(std::span<const std::string> existingNames, int kind) {
  TCommand command;
  command.name = MakeObjectName(existingNames, kind);
  return command;
}

}  // namespace plexara
