#include "storage/shortcut_text.h"

#include <array>
#include <string_view>

#include "storage/ascii_case.h"
#include "storage/menu_item_data.h"

namespace plexara {
namespace {

// Virtual-key codes of the named keys (the platform's values; this file stays
// portable).
constexpr std::uint8_t kKeyBackspace = 0x08, kKeyTab = 0x09, kKeyEnter = 0x0D, kKeyEscape = 0x1B,
                       kKeySpace = 0x20, kKeyPageUp = 0x21, kKeyPageDown = 0x22, kKeyEnd = 0x23,
                       kKeyHome = 0x24, kKeyLeft = 0x25, kKeyUp = 0x26, kKeyRight = 0x27,
                       kKeyDown = 0x28, kKeyInsert = 0x2D, kKeyDelete = 0x2E, kKeyF1 = 0x70;
constexpr int kFunctionKeyCount = 24;

struct KeyName {
  std::string_view name;
  std::uint8_t key;
};

// The first name of a key is the one shown; the later ones are only read.
// Punctuation keys carry the characters of the US layout, the same on every
// machine.
constexpr std::array<KeyName, 33> kKeyNames = {{
    {"BkSp", kKeyBackspace},
    {"Backspace", kKeyBackspace},
    {"Tab", kKeyTab},
    {"Enter", kKeyEnter},
    {"Return", kKeyEnter},
    {"Esc", kKeyEscape},
    {"Escape", kKeyEscape},
    {"Space", kKeySpace},
    {"PgUp", kKeyPageUp},
    {"PageUp", kKeyPageUp},
    {"PgDn", kKeyPageDown},
    {"PageDown", kKeyPageDown},
    {"End", kKeyEnd},
    {"Home", kKeyHome},
    {"Left", kKeyLeft},
    {"Up", kKeyUp},
    {"Right", kKeyRight},
    {"Down", kKeyDown},
    {"Ins", kKeyInsert},
    {"Insert", kKeyInsert},
    {"Del", kKeyDelete},
    {"Delete", kKeyDelete},
    {";", 0xBA},
    {"=", 0xBB},
    {",", 0xBC},
    {"-", 0xBD},
    {".", 0xBE},
    {"/", 0xBF},
    {"`", 0xC0},
    {"[", 0xDB},
    {"\\", 0xDC},
    {"]", 0xDD},
    {"'", 0xDE},
}};

constexpr std::uint16_t kShiftCtrl = kShortcutShift | kShortcutCtrl;
constexpr std::uint16_t kCtrlAlt = kShortcutCtrl | kShortcutAlt;
constexpr std::uint16_t kShiftAlt = kShortcutShift | kShortcutAlt;

constexpr std::array<std::uint16_t, 108> MakeChoices() {
  std::array<std::uint16_t, 108> choices{};
  std::size_t at = 0;
  for (const std::uint16_t modifiers : {kShortcutCtrl, kCtrlAlt}) {
    for (std::uint16_t letter = 'A'; letter <= 'Z'; ++letter)
      choices[at++] = static_cast<std::uint16_t>(modifiers | letter);
  }
  for (const std::uint16_t modifiers :
       {std::uint16_t{0}, kShortcutCtrl, kShortcutShift, kShiftCtrl}) {
    for (std::uint16_t key = kKeyF1; key < kKeyF1 + 12; ++key)
      choices[at++] = static_cast<std::uint16_t>(modifiers | key);
  }
  for (const std::uint16_t key : {kKeyInsert, kKeyDelete}) {
    for (const std::uint16_t modifiers : {std::uint16_t{0}, kShortcutShift, kShortcutCtrl})
      choices[at++] = static_cast<std::uint16_t>(modifiers | key);
  }
  choices[at++] = kShortcutAlt | kKeyBackspace;
  choices[at++] = kShiftAlt | kKeyBackspace;
  return choices;
}

constexpr std::array<std::uint16_t, 108> kChoices = MakeChoices();

std::string NameOfKey(std::uint8_t key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
    return std::string(1, static_cast<char>(key));
  if (key >= kKeyF1 && key < kKeyF1 + kFunctionKeyCount)
    return "F" + std::to_string(key - kKeyF1 + 1);
  for (const KeyName& entry : kKeyNames) {
    if (entry.key == key) return std::string(entry.name);
  }
  return {};
}

// The key a name stands for; 0 when none.
std::uint8_t KeyOfName(std::string_view name) {
  if (name.size() == 1) {
    const char c = AsciiUpper(name[0]);
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) return static_cast<std::uint8_t>(c);
  }
  if (name.size() >= 2 && name.size() <= 3 && AsciiUpper(name[0]) == 'F') {
    int number = 0;
    for (const char c : name.substr(1)) {
      if (c < '0' || c > '9') return 0;
      number = number * 10 + (c - '0');
    }
    if (name[1] == '0' || number < 1 || number > kFunctionKeyCount) return 0;
    return static_cast<std::uint8_t>(kKeyF1 + number - 1);
  }
  for (const KeyName& entry : kKeyNames) {
    if (SameTextIgnoringCase(entry.name, name)) return entry.key;
  }
  return 0;
}

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::span<const std::uint16_t> MenuShortcutChoices() { return kChoices; }

std::string ShortcutText(std::uint16_t shortcut) {
  if (shortcut == 0) return {};
  const std::string key = NameOfKey(static_cast<std::uint8_t>(shortcut & 0xFF));
  if (key.empty()) return {};
  std::string text;
  if (shortcut & kShortcutShift) text += "Shift+";
  if (shortcut & kShortcutCtrl) text += "Ctrl+";
  if (shortcut & kShortcutAlt) text += "Alt+";
  return text + key;
}

std::uint16_t ParseShortcut(std::string_view text) {
  std::uint16_t modifiers = 0;
  // Every part before the last '+' is a modifier; the rest is the key name.
  for (std::size_t plus = text.find('+'); plus != std::string_view::npos; plus = text.find('+')) {
    const std::string_view part = Trimmed(text.substr(0, plus));
    std::uint16_t flag = 0;
    if (SameTextIgnoringCase(part, "Shift"))
      flag = kShortcutShift;
    else if (SameTextIgnoringCase(part, "Ctrl"))
      flag = kShortcutCtrl;
    else if (SameTextIgnoringCase(part, "Alt"))
      flag = kShortcutAlt;
    if (flag == 0 || (modifiers & flag) != 0) return 0;
    modifiers |= flag;
    text.remove_prefix(plus + 1);
  }
  const std::uint8_t key = KeyOfName(Trimmed(text));
  return key == 0 ? std::uint16_t{0} : static_cast<std::uint16_t>(modifiers | key);
}

}  // namespace plexara
