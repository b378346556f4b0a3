// The SlideShow object's stored data: its kind record and TSlideSettings, the transition and timing
// settings that the object holds for itself and that "SlideShowEx.cfg" holds once per picture.
// Plain data with the values of a newly placed object; playing and painting live elsewhere.
#pragma once

#include <cstdint>
#include <string>

#include "storage/font_data.h"
#include "storage/record_fields.h"

namespace plexara {

// How a picture is placed in the viewer (stored as an int32; other values draw as Normal).
enum SlideImageStyle : std::int32_t {
  kSlideImageNormal = 0,
  kSlideImageCenter = 1,
  kSlideImageStretch = 2,
  kSlideImageShrinkFit = 3,
  kSlideImageEnlargeFit = 4,
};

inline constexpr std::int32_t kSlideTransitionCount = 150;  // styles 1..150; 0 = random / keep

struct TSlideSettings {
  static constexpr int kWriteCode = 1019;
  static constexpr int kReadCode = 1020;

  std::uint8_t reservedByte = 1;  // the object's own settings hold 1; kept as read
  // The object's: 0 = a random style per picture. A per-picture entry's: 0 = keep the object's.
  std::int32_t style = 0;
  std::int32_t step = 4;         // transition step, percent
  std::int32_t stepDelay = 50;   // milliseconds between transition steps
  std::int32_t interval = 2000;  // milliseconds a picture stays after its transition; 0 = no advance
  std::int32_t imageStyle = kSlideImageShrinkFit;
  ColorRef backColor = kColorBlack;
  std::string fileName;  // per-picture entries: the picture's name in the work folder
  std::string reservedText;
  std::int32_t reservedInteger = 0;

  friend bool operator==(const TSlideSettings&, const TSlideSettings&) = default;
};

// The smallest stored TSlideSettings (both strings empty), for checking counts against the data.
inline constexpr std::uint64_t kMinSlideSettingsSize = 1 + 6 * 4 + 4 + 4 + 4;

struct SlideShowRecord {
  static constexpr std::uint8_t kKind = 13;
  static constexpr int kWriteCode = 1021;
  static constexpr int kReadCode = 1022;

  bool play = true;
  bool loop = true;
  bool controlBar = true;
  bool border = false;
  std::int32_t reserved = 0;  // kept as read
  bool fullScreen = false;    // go full screen when the picture list is loaded; no editor row
  std::string workFolder;     // relative to the project root
  std::string hint;
  TSlideSettings settings;  // BackColor is also the panel colour
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 209;
  std::int32_t height = 185;

  friend bool operator==(const SlideShowRecord&, const SlideShowRecord&) = default;
};

// A TSlideSettings inside another record reports its own failures with its own codes.
void VisitFields(FieldVisitor& v, TSlideSettings& r);
void VisitFields(FieldVisitor& v, SlideShowRecord& r);

}  // namespace plexara
