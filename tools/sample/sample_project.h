// The sample project: a small but real menu written with our own writers — a gradient main page
// with image buttons (normal, pointer-over and pressed pictures), shapes, an image, a sub page,
// fades and a shadow. scripts/demo plays it; the Wine tests load it.
#pragma once

#include <string>

namespace plexara::sample {

// Names the tests and the demo look for.
inline constexpr char kMainPageName[] = "Main";
inline constexpr char kSubPageName[] = "Details";
inline constexpr char kMainCaption[] = "Plexara Sample Menu";
inline constexpr int kMainWidth = 640;
inline constexpr int kMainHeight = 480;

// Writes the project into folder (which must exist): AutoRunSource with the project and page
// files, and autorun.tgt built from them. Reports failures through the error reporter.
bool WriteSampleProject(const std::string& folder);

}  // namespace plexara::sample
