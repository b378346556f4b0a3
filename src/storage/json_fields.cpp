// JSON forms of the field visitor. The compound primitives (font, picture, effect, menu item,
// font labels, action record) are shown as nested objects whose fields are listed once here and
// shared by the dumping and the building visitor.
#include "storage/json_fields.h"

#include <array>
#include <limits>

#include "storage/action_record.h"

namespace plexara {
namespace {

void VisitFontFields(FieldVisitor& v, FontData& font) {
  v.String("name", font.name);
  v.Color("color", font.color);
  v.Int32("size", font.size);
  v.Byte("style", font.style);
  if (v.reading()) font.style &= kFontStyleMask;
}

// Effect fields carry the stored names; the narrow fields travel as the int32 the file holds.
void VisitEffectFields(FieldVisitor& v, TFxEffect& e) {
  auto wide = [&v](std::string_view name, auto& field) {
    std::int32_t value = field;
    v.Int32(name, value);
    if (v.reading()) field = static_cast<std::remove_reference_t<decltype(field)>>(value);
  };
  wide("Alpha", e.alpha);
  wide("Angle", e.angle);
  wide("Blur", e.blur);
  v.Bool("HorzMirror", e.horzMirror);
  wide("Noise", e.noise);
  v.Bool("Outline", e.outline);
  wide("Spray", e.spray);
  v.Bool("VertMirror", e.vertMirror);
  v.Bool("Gradient.Enabled", e.gradient.enabled);
  v.Color("Gradient.EndColor", e.gradient.endColor);
  v.Color("Gradient.StartColor", e.gradient.startColor);
  static constexpr std::array<std::string_view, 6> kGradientStyles = {
      "gsLeftToRight", "gsRightToLeft", "gsTopToBottom", "gsBottomToTop", "gsCenterToLR", "gsCenterToTB"};
  v.Enum("Gradient.Style", e.gradient.style, kGradientStyles);
  wide("Shadow.Alpha", e.shadow.alpha);
  wide("Shadow.Blur", e.shadow.blur);
  v.Color("Shadow.Color", e.shadow.color);
  v.Bool("Shadow.Enabled", e.shadow.enabled);
  wide("Shadow.OffsetX", e.shadow.offsetX);
  wide("Shadow.OffsetY", e.shadow.offsetY);
  v.Bool("Texture.Enabled", e.texture.enabled);
  static constexpr std::array<std::string_view, 4> kTextureModes = {"tmTiled", "tmStretched", "tmCenter",
                                                                    "tmNormal"};
  v.Enum("Texture.Mode", e.texture.mode, kTextureModes);
  v.Picture("Texture.Picture", e.texture.picture);
}

void VisitMenuItemFields(FieldVisitor& v, MenuItemData& item) {
  v.String("caption", item.caption);
  v.String("hint", item.hint);
  v.UInt16("shortcut", item.shortcut);
  v.Bool("radioItem", item.radioItem);
  v.Byte("groupIndex", item.groupIndex);
  v.Bool("enabled", item.enabled);
  v.Bool("defaultItem", item.defaultItem);
  v.Bool("checked", item.checked);
  v.Bool("autoCheck", item.autoCheck);
  v.Picture("bitmap", item.bitmap);
  v.List("items", item.items, [](FieldVisitor& visitor, MenuItemData& child) { visitor.MenuItem("item", child); });
}

void VisitFontLabelFields(FieldVisitor& v, TFontLabel& label) {
  v.Effect("Effect", label.effect);
  v.Font("Font", label.font);
  v.String("Name", label.name);
}

std::span<const std::string_view> ActionKindNames() {
  static const auto names = [] {
    std::array<std::string_view, kActionKindCount> table{};
    for (int i = 0; i < kActionKindCount; ++i) table[static_cast<std::size_t>(i)] = ActionKindName(i);
    return table;
  }();
  return names;
}

constexpr char kBase64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

void VisitCommandFields(FieldVisitor& v, TCommand& c) {
  v.Enum("ActionKind", c.actionKind, ActionKindNames());
  v.Int32("ShowCommand", c.showCommand);
  v.String("ActionTarget", c.actionTarget);
  v.String("ActionParameters", c.actionParameters);
  v.String("ActionFolder", c.actionFolder);
  v.Bool("closeAfterAction", c.closeAfterAction);
  v.String("ClickSound", c.clickSound);
  v.String("MouseDownSound", c.mouseDownSound);
  v.String("MouseUpSound", c.mouseUpSound);
  v.String("MouseEnterSound", c.mouseEnterSound);
  v.String("MouseLeaveSound", c.mouseLeaveSound);
  v.String("Cursor", c.cursor);
  v.String("Name", c.name);
  v.String("Comment", c.comment);
  v.String("CommentViewer", c.commentViewer);
  v.String("GraphicCommentViewer", c.graphicCommentViewer);
  v.String("SelectRunFile", c.selectRunFile);
  v.String("SelectRunParameters", c.selectRunParameters);
  v.String("SelectRunFolder", c.selectRunFolder);
  v.String("SelectRunWait", c.selectRunWait);
  v.Bool("WindowMoveHandle", c.windowMoveHandle);
  v.Bool("Enabled", c.enabled);
  v.Bool("Visible", c.visible);
  v.String("GroupName", c.groupName);
  v.Bool("CheckStyleInGroup", c.checkStyleInGroup);
  v.Bool("Checked", c.checked);
}

std::string BytesToJsonText(const std::string& bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (unsigned char c : bytes) {
    if (c < 0x80) {
      text += static_cast<char>(c);
    } else {
      text += static_cast<char>(0xC0 | (c >> 6));
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return text;
}

bool JsonTextToBytes(const std::string& text, std::string& bytes) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if ((c == 0xC2 || c == 0xC3) && i + 1 < text.size() &&
               (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
      out += static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F));
      ++i;
    } else {
      return false;
    }
  }
  bytes = std::move(out);
  return true;
}

std::string Base64Encode(const std::vector<std::uint8_t>& bytes) {
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::uint32_t chunk = (bytes[i] << 16) | (i + 1 < bytes.size() ? bytes[i + 1] << 8 : 0) |
                                (i + 2 < bytes.size() ? bytes[i + 2] : 0);
    text += kBase64Alphabet[(chunk >> 18) & 63];
    text += kBase64Alphabet[(chunk >> 12) & 63];
    text += i + 1 < bytes.size() ? kBase64Alphabet[(chunk >> 6) & 63] : '=';
    text += i + 2 < bytes.size() ? kBase64Alphabet[chunk & 63] : '=';
  }
  return text;
}

bool Base64Decode(const std::string& text, std::vector<std::uint8_t>& bytes) {
  if (text.size() % 4 != 0) return false;
  std::vector<std::uint8_t> out;
  out.reserve(text.size() / 4 * 3);
  auto value = [](char c) -> int {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
  };
  for (std::size_t i = 0; i < text.size(); i += 4) {
    const bool last = i + 4 == text.size();
    const int padding = last ? (text[i + 3] == '=') + (text[i + 2] == '=') : 0;
    std::uint32_t chunk = 0;
    for (int k = 0; k < 4; ++k) {
      const int v = (k >= 4 - padding) ? 0 : value(text[i + static_cast<std::size_t>(k)]);
      if (v < 0) return false;
      chunk = (chunk << 6) | static_cast<std::uint32_t>(v);
    }
    out.push_back(static_cast<std::uint8_t>(chunk >> 16));
    if (padding < 2) out.push_back(static_cast<std::uint8_t>(chunk >> 8));
    if (padding < 1) out.push_back(static_cast<std::uint8_t>(chunk));
  }
  bytes = std::move(out);
  return true;
}

// ---- dumping ----

void JsonWriteVisitor::Fail(std::string_view) { ok_ = false; }

void JsonWriteVisitor::Byte(std::string_view name, std::uint8_t& value) { Top()[std::string(name)] = value; }
void JsonWriteVisitor::Bool(std::string_view name, bool& value) { Top()[std::string(name)] = value; }
void JsonWriteVisitor::UInt16(std::string_view name, std::uint16_t& value) { Top()[std::string(name)] = value; }
void JsonWriteVisitor::Int32(std::string_view name, std::int32_t& value) { Top()[std::string(name)] = value; }
void JsonWriteVisitor::Int16(std::string_view name, std::int16_t& value) { Top()[std::string(name)] = value; }
void JsonWriteVisitor::UInt32(std::string_view name, std::uint32_t& value) { Top()[std::string(name)] = value; }
void JsonWriteVisitor::Color(std::string_view name, ColorRef& value) { Top()[std::string(name)] = value; }

void JsonWriteVisitor::Enum(std::string_view name, std::uint8_t& value, std::span<const std::string_view> names) {
  Top()[std::string(name)] = value;
  if (value < names.size()) Top()[std::string(name) + "Name"] = std::string(names[value]);
}

void JsonWriteVisitor::String(std::string_view name, std::string& value) {
  Top()[std::string(name)] = BytesToJsonText(value);
}

void JsonWriteVisitor::Font(std::string_view name, FontData& value) {
  Group(name, [&] { VisitFontFields(*this, value); });
}

void JsonWriteVisitor::Picture(std::string_view name, plexara::Picture& value) {
  Json picture = Json::object();
  picture["tag"] = std::string(value.tag());
  if (!value.empty()) {
    picture["size"] = value.payload().size();
    picture["payload"] = Base64Encode(value.payload());
  }
  Top()[std::string(name)] = std::move(picture);
}

void JsonWriteVisitor::Effect(std::string_view name, TFxEffect& value) {
  Group(name, [&] { VisitEffectFields(*this, value); });
}

void JsonWriteVisitor::FontLabels(std::string_view name, TFontLabels& value) {
  // The collection keeps its own storage; dump through a copy of its labels.
  std::vector<TFontLabel> labels(value.begin(), value.end());
  List(name, labels, [](FieldVisitor& v, TFontLabel& label) { VisitFontLabelFields(v, label); });
}

void JsonWriteVisitor::MenuItem(std::string_view name, MenuItemData& value) {
  Group(name, [&] { VisitMenuItemFields(*this, value); });
}

void JsonWriteVisitor::Command(std::string_view name, TCommand& value) {
  Group(name, [&] { VisitCommandFields(*this, value); });
}

bool JsonWriteVisitor::BeginList(std::string_view name, std::int32_t&) {
  Json& list = Top()[std::string(name)];
  list = Json::array();
  stack_.push_back(&list);
  return true;
}

void JsonWriteVisitor::BeginElement(std::size_t) {
  Json& list = Top();
  list.push_back(Json::object());
  stack_.push_back(&list.back());
}

void JsonWriteVisitor::EndElement() {
  // An element that is a single compound value ({"item": {...}}) is shown as that value.
  Json& element = Top();
  if (element.size() == 1 && element.begin().value().is_object() && element.begin().key() == "item") {
    Json inner = std::move(element.begin().value());
    element = std::move(inner);
  }
  stack_.pop_back();
}

void JsonWriteVisitor::EndList() { stack_.pop_back(); }

void JsonWriteVisitor::BeginGroup(std::string_view name) {
  Json& group = Top()[std::string(name)];
  group = Json::object();
  stack_.push_back(&group);
}

void JsonWriteVisitor::EndGroup() { stack_.pop_back(); }

// ---- building ----

void JsonReadVisitor::Fail(std::string_view why) {
  if (!ok_) return;
  ok_ = false;
  std::string path;
  for (const auto& part : path_) path += (path.empty() || part.front() == '[' ? "" : ".") + part;
  error_ = path.empty() ? std::string(why) : path + ": " + std::string(why);
}

const Json* JsonReadVisitor::Field(std::string_view name) {
  if (!ok_) return nullptr;
  const Json& top = *stack_.back();
  if (!top.is_object()) {
    Fail("expected an object");
    return nullptr;
  }
  auto it = top.find(std::string(name));
  if (it == top.end()) {
    Fail("missing field \"" + std::string(name) + "\"");
    return nullptr;
  }
  return &*it;
}

std::int64_t JsonReadVisitor::Integer(std::string_view name, std::int64_t low, std::int64_t high) {
  const Json* field = Field(name);
  if (field == nullptr) return 0;
  if (!field->is_number_integer()) {
    Fail("\"" + std::string(name) + "\" must be a whole number");
    return 0;
  }
  const std::int64_t value = field->get<std::int64_t>();
  if (value < low || value > high) {
    Fail("\"" + std::string(name) + "\" is out of range");
    return 0;
  }
  return value;
}

void JsonReadVisitor::Byte(std::string_view name, std::uint8_t& value) {
  const auto v = Integer(name, 0, 255);
  if (ok_) value = static_cast<std::uint8_t>(v);
}

void JsonReadVisitor::Bool(std::string_view name, bool& value) {
  const Json* field = Field(name);
  if (field == nullptr) return;
  if (!field->is_boolean()) return Fail("\"" + std::string(name) + "\" must be true or false");
  value = field->get<bool>();
}

void JsonReadVisitor::UInt16(std::string_view name, std::uint16_t& value) {
  const auto v = Integer(name, 0, 65535);
  if (ok_) value = static_cast<std::uint16_t>(v);
}

void JsonReadVisitor::Int32(std::string_view name, std::int32_t& value) {
  const auto v = Integer(name, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max());
  if (ok_) value = static_cast<std::int32_t>(v);
}

void JsonReadVisitor::Int16(std::string_view name, std::int16_t& value) {
  const auto v = Integer(name, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max());
  if (ok_) value = static_cast<std::int16_t>(v);
}

void JsonReadVisitor::UInt32(std::string_view name, std::uint32_t& value) {
  const auto v = Integer(name, 0, std::numeric_limits<std::uint32_t>::max());
  if (ok_) value = static_cast<std::uint32_t>(v);
}

void JsonReadVisitor::Color(std::string_view name, ColorRef& value) {
  // Accepted as the signed value the file holds or as its unsigned reading (system colours).
  const auto v = Integer(name, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::uint32_t>::max());
  if (ok_) value = static_cast<ColorRef>(static_cast<std::uint32_t>(v));
}

void JsonReadVisitor::Enum(std::string_view name, std::uint8_t& value, std::span<const std::string_view>) {
  Byte(name, value);  // the name beside the number is for people; the number decides
}

void JsonReadVisitor::String(std::string_view name, std::string& value) {
  const Json* field = Field(name);
  if (field == nullptr) return;
  if (!field->is_string()) return Fail("\"" + std::string(name) + "\" must be a text");
  if (!JsonTextToBytes(field->get<std::string>(), value)) {
    Fail("\"" + std::string(name) + "\" holds a character that is not a single byte");
  }
}

void JsonReadVisitor::Font(std::string_view name, FontData& value) {
  Group(name, [&] { VisitFontFields(*this, value); });
}

void JsonReadVisitor::Picture(std::string_view name, plexara::Picture& value) {
  const Json* field = Field(name);
  if (field == nullptr) return;
  value.Clear();
  const std::string label = "\"" + std::string(name) + "\"";
  if (!field->is_object() || !field->contains("tag") || !(*field)["tag"].is_string()) {
    return Fail(label + " must be an object with a \"tag\"");
  }
  const std::string tag = (*field)["tag"].get<std::string>();
  if (tag.empty()) return;
  const PictureCodec* codec = FindCodecByTag(tag);
  if (codec == nullptr) return Fail(label + " has an unknown tag " + tag);
  std::vector<std::uint8_t> payload;
  if (!field->contains("payload") || !(*field)["payload"].is_string() ||
      !Base64Decode((*field)["payload"].get<std::string>(), payload)) {
    return Fail(label + " needs a base64 \"payload\"");
  }
  if (field->contains("size") && (*field)["size"] != payload.size()) {
    return Fail(label + " \"size\" does not match its payload");
  }
  auto picture = Picture::FromPayload(codec->graphicClass, std::move(payload));
  if (!picture.ok()) return Fail(label + ": " + picture.error().message);
  value = std::move(picture).value();
}

void JsonReadVisitor::Effect(std::string_view name, TFxEffect& value) {
  Group(name, [&] { VisitEffectFields(*this, value); });
}

void JsonReadVisitor::FontLabels(std::string_view name, TFontLabels& value) {
  std::vector<TFontLabel> labels;
  List(name, labels, [](FieldVisitor& v, TFontLabel& label) { VisitFontLabelFields(v, label); });
  if (!ok_) return;
  value.Clear();
  for (auto& label : labels) {
    if (value.Find(label.name) != nullptr) continue;  // names are unique, as when read from a file
    value.Add(label.name) = std::move(label);
  }
}

void JsonReadVisitor::MenuItem(std::string_view name, MenuItemData& value) {
  // An element of a menu list is the item itself (see JsonWriteVisitor::EndElement).
  if (name == "item" && stack_.back()->is_object() && !stack_.back()->contains("item")) {
    VisitMenuItemFields(*this, value);
    return;
  }
  Group(name, [&] { VisitMenuItemFields(*this, value); });
}

void JsonReadVisitor::Command(std::string_view name, TCommand& value) {
  Group(name, [&] { VisitCommandFields(*this, value); });
  // The slots then hold what a file written by us holds, so records that depend on them (the
  // graphic comment follows a non-empty comment slot) build the same as they read.
  value.commentPack = PackComment(value);
  value.extraPack = PackExtra(value);
}

bool JsonReadVisitor::BeginList(std::string_view name, std::int32_t& count) {
  const Json* field = Field(name);
  if (field == nullptr) return false;
  if (!field->is_array() || field->size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    Fail("\"" + std::string(name) + "\" must be a list");
    return false;
  }
  count = static_cast<std::int32_t>(field->size());
  stack_.push_back(field);
  path_.push_back(std::string(name));
  return true;
}

void JsonReadVisitor::BeginElement(std::size_t index) {
  const Json* list = stack_.back();
  stack_.push_back(&(*list)[index]);
  path_.push_back("[" + std::to_string(index) + "]");
}

void JsonReadVisitor::EndElement() {
  stack_.pop_back();
  path_.pop_back();
}

void JsonReadVisitor::EndList() {
  stack_.pop_back();
  path_.pop_back();
}

void JsonReadVisitor::BeginGroup(std::string_view name) {
  const Json* field = Field(name);
  static const Json kEmpty = Json::object();
  stack_.push_back(field != nullptr ? field : &kEmpty);
  path_.push_back(std::string(name));
  if (field != nullptr && !field->is_object()) Fail("must be an object");
}

void JsonReadVisitor::EndGroup() {
  stack_.pop_back();
  path_.pop_back();
}

}  // namespace plexara
