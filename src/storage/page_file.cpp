// The page and envelope codecs. The field lists below drive the binary layout and the readable
// JSON form alike; only the parts where old files differ (the optional menu blocks, the optional
// envelope version byte) are spelled out per direction.
#include "storage/page_file.h"

#include <array>

#include "storage/binary_fields.h"
#include "storage/error_report.h"
#include "storage/file_io.h"
#include "storage/kind_table.h"

namespace plexara {
namespace {

constexpr std::array<std::string_view, 6> kBorderStyles = {"none", "single", "sizeable", "dialog", "toolWindow",
                                                           "sizeableToolWindow"};
constexpr std::array<std::string_view, 8> kPositions = {"designed", "default", "defaultPosOnly",
                                                        "defaultSizeOnly", "screenCenter", "desktopCenter",
                                                        "mainFormCenter", "ownerFormCenter"};
constexpr std::array<std::string_view, 3> kWindowStates = {"normal", "minimised", "maximised"};
constexpr std::array<std::string_view, 9> kGradientStyles = {
    "None", "TopBottom", "BottomTop", "LeftRight", "RightLeft", "MiddleTopBottom", "MiddleLeftRight",
    "TopBottomMiddle", "LeftRightMiddle"};
constexpr std::array<std::string_view, 4> kBackImageStyles = {"Normal", "Center", "Stretch", "Tile"};
constexpr std::array<std::string_view, 7> kPageKinds = {"Splash Screen", "Screen Background", "Main Page",
                                                        "Sub Page", "Exit Form", "Security Form",
                                                        "Agreement Form"};

// Kind names for the readable form, indexed by kind code.
std::span<const std::string_view> KindNames() {
  static const auto names = [] {
    std::array<std::string_view, kObjectKindCount> table{};
    for (int i = 0; i < kObjectKindCount; ++i) table[static_cast<std::size_t>(i)] = TypeNameOf(i);
    return table;
  }();
  return names;
}

// The graphic comment follows the action record only when its comment slot is not empty; every
// record this program writes has a non-empty slot.
void GraphicComment(FieldVisitor& v, const TCommand& command, Picture& picture) {
  if (!command.commentPack.empty()) v.Picture("GraphicComment", picture);
}

void ReadEnvelope(BinaryReadVisitor& v, ObjectData& object) {
  std::uint8_t first = 0;
  v.Byte("version", first);
  std::uint8_t kind = first;
  object.popupMenu.clear();
  if (v.ok() && first == kEnvelopeVersion) {
    MenuItemList(v, "popupMenu", object.popupMenu);
    v.Byte("kind", kind);
  }
  if (!v.ok()) return;
  v.Command("command", object.command);
  if (!v.ok()) return;
  if (kind >= kObjectKindCount) {
    // An unknown kind fails the object, and with it the page, without a message of its own.
    ScopedReportCode silent(v, 0);
    v.Fail("unknown object kind");
    return;
  }
  object.record = MakeKindRecord(kind);
  VisitKindRecord(v, object.record);
  GraphicComment(v, object.command, object.graphicComment);
}

void VisitMenusAndObjects(FieldVisitor& v, PageData& page) {
  if (auto* reader = dynamic_cast<BinaryReadVisitor*>(&v)) {
    // Older pages lack one or both menu blocks: each present block starts with the marker, and
    // the value in hand after them is the object count.
    std::int32_t value = 0;
    page.menuBar.clear();
    page.popupMenu.clear();
    v.Int32("menuMarker", value);
    if (v.ok() && value == kMenuMarker) {
      MenuItemList(v, "menuBar", page.menuBar);
      v.Int32("menuMarker", value);
      if (v.ok() && value == kMenuMarker) {
        MenuItemList(v, "popupMenu", page.popupMenu);
        v.Int32("objectCount", value);
      }
    }
    if (!v.ok()) return;
    if (value < 0 || static_cast<std::uint64_t>(value) > reader->stream().Remaining()) {
      return v.Fail("object count out of range");
    }
    page.objects.clear();
    for (std::int32_t i = 0; i < value && v.ok(); ++i) {
      page.objects.emplace_back();
      ScopedReportCode code(v, kCodeReadObject);
      ReadEnvelope(*reader, page.objects.back());
      page.objects.back().selected = false;
    }
    return;
  }
  if (dynamic_cast<BinaryWriteVisitor*>(&v) != nullptr) {
    std::int32_t marker = kMenuMarker;
    v.Int32("menuMarker", marker);
    MenuItemList(v, "menuBar", page.menuBar);
    v.Int32("menuMarker", marker);
    MenuItemList(v, "popupMenu", page.popupMenu);
  } else {
    MenuItemList(v, "menuBar", page.menuBar);
    MenuItemList(v, "popupMenu", page.popupMenu);
  }
  v.List("objects", page.objects, [](FieldVisitor& visitor, ObjectData& object) {
    ScopedReportCode code(visitor, visitor.reading() ? kCodeReadObject : kCodeWriteObject);
    VisitFields(visitor, object);
  });
}

template <typename Record>
bool ReadWhole(const std::string& path, Record& record, int openCode,
               bool (*read)(InStream&, Record&)) {
  auto bytes = ReadWholeFile(path);
  if (!bytes.ok()) {
    ReportFileError(openCode, path);
    return false;
  }
  MemoryInStream in(bytes.value());
  return read(in, record);
}

template <typename Record>
bool SaveWhole(const std::string& path, const Record& record, int openCode,
               bool (*write)(OutStream&, const Record&)) {
  MemoryOutStream out;
  if (!write(out, record)) return false;
  if (!ReplaceFileContents(path, out.bytes()).ok()) {
    ReportFileError(openCode, path);
    return false;
  }
  return true;
}

}  // namespace

void VisitFields(FieldVisitor& v, ObjectData& object) {
  if (auto* reader = dynamic_cast<BinaryReadVisitor*>(&v)) return ReadEnvelope(*reader, object);
  if (dynamic_cast<BinaryWriteVisitor*>(&v) != nullptr) {
    std::uint8_t version = kEnvelopeVersion;
    v.Byte("version", version);
  }
  MenuItemList(v, "popupMenu", object.popupMenu);
  std::uint8_t kind = object.kind();
  v.Enum("kind", kind, KindNames());
  if (v.reading()) {
    if (kind >= kObjectKindCount) return v.Fail("unknown object kind");
    if (kind != object.kind()) object.record = MakeKindRecord(kind);
  }
  v.Command("command", object.command);
  v.Group("kindRecord", [&] { VisitKindRecord(v, object.record); });
  GraphicComment(v, object.command, object.graphicComment);
}

void VisitFields(FieldVisitor& v, PageData& p) {
  v.Byte("borderIcons", p.borderIcons);
  v.Enum("borderStyle", p.borderStyle, kBorderStyles);
  v.Int32("borderWidth", p.borderWidth);
  v.String("Caption", p.caption);
  v.String("hint", p.hint);
  v.Enum("position", p.position, kPositions);
  v.Enum("windowState", p.windowState, kWindowStates);
  v.Color("TransparentColor", p.transparentColor);
  v.Bool("Transparent", p.transparent);
  v.Picture("PageIcon", p.pageIcon);
  v.Color("BackColor", p.backColor);
  v.Color("GradientColor", p.gradientColor);
  v.Enum("GradientStyle", p.gradientStyle, kGradientStyles);
  v.Picture("BackImage", p.backImage);
  v.Enum("BackImageStyle", p.backImageStyle, kBackImageStyles);
  v.Bool("Shadow", p.shadow);
  v.Color("ShadowColor", p.shadowColor);
  v.Int32("ShadowXOff", p.shadowXOff);
  v.Int32("ShadowYOff", p.shadowYOff);
  v.Byte("ShadowAlpha (%)", p.shadowAlpha);
  v.Bool("FadeIn", p.fadeIn);
  v.Bool("FadeOut", p.fadeOut);
  v.Int32("FadeInDelay (ms)", p.fadeInDelay);
  v.Int32("FadeInStep (%)", p.fadeInStep);
  v.Int32("FadeOutDelay (ms)", p.fadeOutDelay);
  v.Int32("FadeOutStep (%)", p.fadeOutStep);
  v.String("StartSound", p.startSound);
  v.Bool("StartSoundLoop", p.startSoundLoop);
  v.Int32("StartSoundDelay (s)", p.startSoundDelay);
  v.Enum("pageKind", p.pageKind, kPageKinds);
  v.Byte("reserved1", p.reserved1);
  v.Int32("reserved2", p.reserved2);
  v.Byte("reserved3", p.reserved3);
  v.Byte("reserved4", p.reserved4);
  v.Int32("StayTime (s)", p.stayTime);
  v.Bool("ClickContinue", p.clickContinue);
  v.Int32("left", p.left);
  v.Int32("top", p.top);
  v.Int32("width", p.width);
  v.Int32("height", p.height);
  v.Command("command", p.command);
  GraphicComment(v, p.command, p.graphicComment);
  VisitMenusAndObjects(v, p);
  v.String("PageName", p.pageName);
}

bool WritePage(OutStream& out, const PageData& page) { return WriteRecord(out, page, kCodeWritePage); }
bool ReadPage(InStream& in, PageData& page) { return ReadRecord(in, page, kCodeReadPage); }
bool WriteObjectEnvelope(OutStream& out, const ObjectData& object) {
  return WriteRecord(out, object, kCodeWriteObject);
}
bool ReadObjectEnvelope(InStream& in, ObjectData& object) { return ReadRecord(in, object, kCodeReadObject); }

bool SavePageFile(const std::string& path, const PageData& page) {
  return SaveWhole(path, page, kCodeSavePageFile, &WritePage);
}
bool LoadPageFile(const std::string& path, PageData& page) {
  return ReadWhole(path, page, kCodeLoadPageFile, &ReadPage);
}
bool SaveObjectFile(const std::string& path, const ObjectData& object) {
  return SaveWhole(path, object, kCodeWriteObject, &WriteObjectEnvelope);
}
bool LoadObjectFile(const std::string& path, ObjectData& object) {
  return ReadWhole(path, object, kCodeReadObject, &ReadObjectEnvelope);
}

void ApplyLoadedPage(PageData& window, PageData loaded, PageReadMode mode) {
  if (mode == PageReadMode::Full) {
    window = std::move(loaded);
    return;
  }
  // What a content reload keeps from the window: its frame and placement, its window effects and
  // start sound, its role and its menu bar.
  loaded.borderIcons = window.borderIcons;
  loaded.borderStyle = window.borderStyle;
  loaded.borderWidth = window.borderWidth;
  loaded.caption = std::move(window.caption);
  loaded.position = window.position;
  loaded.windowState = window.windowState;
  loaded.transparentColor = window.transparentColor;
  loaded.transparent = window.transparent;
  loaded.pageIcon = std::move(window.pageIcon);
  loaded.shadow = window.shadow;
  loaded.shadowColor = window.shadowColor;
  loaded.shadowXOff = window.shadowXOff;
  loaded.shadowYOff = window.shadowYOff;
  loaded.shadowAlpha = window.shadowAlpha;
  loaded.fadeIn = window.fadeIn;
  loaded.fadeOut = window.fadeOut;
  loaded.fadeInDelay = window.fadeInDelay;
  loaded.fadeInStep = window.fadeInStep;
  loaded.fadeOutDelay = window.fadeOutDelay;
  loaded.fadeOutStep = window.fadeOutStep;
  loaded.startSound = std::move(window.startSound);
  loaded.startSoundLoop = window.startSoundLoop;
  loaded.startSoundDelay = window.startSoundDelay;
  loaded.pageKind = window.pageKind;
  loaded.left = window.left;
  loaded.top = window.top;
  loaded.width = window.width;
  loaded.height = window.height;
  loaded.menuBar = std::move(window.menuBar);
  window = std::move(loaded);
}

std::string MakeObjectName(const PageData& page, int kind) {
  std::vector<std::string> names;
  names.reserve(page.objects.size());
  for (const auto& object : page.objects) names.push_back(object.command.name);
  return MakeObjectName(std::span<const std::string>(names), kind);
}

}  // namespace plexara
