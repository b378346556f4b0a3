// The page record as plain data: the window's frame, background, shadow, fades, sounds, timing,
// start action, menus and the placed objects, each object in its envelope (right-click menu,
// kind, action record, kind record, graphic comment). Also the object file (one envelope as a
// whole file) and the two ways a window takes a loaded page (full load, content reload).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "storage/action_record.h"
#include "storage/byte_stream.h"
#include "storage/kind_records.h"
#include "storage/menu_item_data.h"
#include "storage/picture.h"
#include "storage/record_fields.h"

namespace plexara {

inline constexpr int kCodeLoadPageFile = 1075;
inline constexpr int kCodeSavePageFile = 1076;
inline constexpr int kCodeWritePage = 1077;
inline constexpr int kCodeReadPage = 1078;
inline constexpr int kCodeWriteObject = 1081;
inline constexpr int kCodeReadObject = 1082;

inline constexpr std::uint8_t kEnvelopeVersion = 127;
inline constexpr std::int32_t kMenuMarker = -1;

enum class PageKind : std::uint8_t {
  SplashScreen, ScreenBackground, MainPage, SubPage, ExitForm, SecurityForm, AgreementForm
};

struct ObjectData {
  std::vector<MenuItemData> popupMenu;  // "PopupMenu (Right Click)"
  TCommand command;
  KindRecord record;  // its index is the object's kind code
  Picture graphicComment;
  bool selected = false;  // editor only, never stored

  std::uint8_t kind() const { return KindOf(record); }
};

// A new page, and a window before it reads one: the defaults below.
struct PageData {
  std::uint8_t borderIcons = 0x01;  // bit 0 system menu, 1 minimise, 2 maximise, 3 help
  std::uint8_t borderStyle = 1;     // single
  std::int32_t borderWidth = 0;
  std::string caption;
  std::string hint;
  std::uint8_t position = 4;  // screen centre
  std::uint8_t windowState = 0;
  ColorRef transparentColor = kColorWhite;
  bool transparent = false;
  Picture pageIcon;
  ColorRef backColor = kColorWhite;
  ColorRef gradientColor = RgbColor(0, 0, 255);
  std::uint8_t gradientStyle = 1;  // top to bottom
  Picture backImage;
  std::uint8_t backImageStyle = 3;  // tile
  bool shadow = true;
  ColorRef shadowColor = kColorBlack;
  std::int32_t shadowXOff = 8;
  std::int32_t shadowYOff = 8;
  std::uint8_t shadowAlpha = 80;
  bool fadeIn = true;
  bool fadeOut = true;
  std::int32_t fadeInDelay = 20;
  std::int32_t fadeInStep = 20;
  std::int32_t fadeOutDelay = 20;
  std::int32_t fadeOutStep = 20;
  std::string startSound;
  bool startSoundLoop = false;
  std::int32_t startSoundDelay = 0;
  std::uint8_t pageKind = static_cast<std::uint8_t>(PageKind::SubPage);
  // Reserved fields: no behaviour, kept as read and written back.
  std::uint8_t reserved1 = 1;
  std::int32_t reserved2 = 0;
  std::uint8_t reserved3 = 0;
  std::uint8_t reserved4 = 0;
  std::int32_t stayTime = 5;
  bool clickContinue = true;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 640;
  std::int32_t height = 480;
  TCommand command;  // the "Start Action", the page's cursor, comment and viewers
  Picture graphicComment;
  std::vector<MenuItemData> menuBar;
  std::vector<MenuItemData> popupMenu;
  std::vector<ObjectData> objects;  // z-order, back to front
  std::string pageName;
};

void VisitFields(FieldVisitor& v, ObjectData& object);
void VisitFields(FieldVisitor& v, PageData& page);

// Binary page records and envelopes; each failure is reported once.
bool WritePage(OutStream& out, const PageData& page);
bool ReadPage(InStream& in, PageData& page);
bool WriteObjectEnvelope(OutStream& out, const ObjectData& object);
bool ReadObjectEnvelope(InStream& in, ObjectData& object);

// Page files and object files on disk. Saving writes a temporary file beside the target and then
// replaces it, so a failed save never destroys the previous file. Open failures are reported
// with the path (1075/1076 for pages; 1082/1081 for object files).
bool SavePageFile(const std::string& path, const PageData& page);
bool LoadPageFile(const std::string& path, PageData& page);
bool SaveObjectFile(const std::string& path, const ObjectData& object);
bool LoadObjectFile(const std::string& path, ObjectData& object);

// How a window takes a page it has read. A full load takes everything; a content reload (a
// window switching to another page) keeps the window's frame, caption, icon, position, state,
// transparency, shadow, fades, start sound, page kind, bounds and menu bar, and takes the rest.
enum class PageReadMode : std::uint8_t { Full = 0, ContentReload = 1 };
void ApplyLoadedPage(PageData& window, PageData loaded, PageReadMode mode);

// Default Name for a new object of the kind: the type name and the smallest unused number.
std::string MakeObjectName(const PageData& page, int kind);

}  // namespace plexara
