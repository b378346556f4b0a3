// The seam between actions and the full-screen viewer: "Show Picture", "Launch Media File" and
// "Launch Slide Show" hand their files to it, and it shows them over the whole screen until a
// click or key press. Until a viewer is installed every request fails quietly, as for a file
// that is missing.
#pragma once

#include <string>

#include "platform/shell_seam.h"
#include "storage/action_targets.h"

namespace plexara {

class FullScreenViewer {
 public:
  virtual ~FullScreenViewer() = default;
  // A picture file, shrunk to fit the screen (never enlarged) and centred on black; true when it
  // was shown.
  virtual bool ShowPicture(const std::string& path, NativeWindow owner) = 0;
  // A media file played without a control bar; true when it was shown.
  virtual bool PlayMedia(const std::string& path, NativeWindow owner) = 0;
  // The pictures of a folder with the settings' transitions and timing, with the music file
  // playing when it is not empty; true when the show ran.
  virtual bool RunSlideShow(const SlideShowSettings& settings, const std::string& folder,
                            const std::string& music, NativeWindow owner) = 0;
};

FullScreenViewer& CurrentFullScreenViewer();
// Replaces the viewer; returns the previous one (null restores the default). The caller keeps
// ownership.
FullScreenViewer* SetFullScreenViewer(FullScreenViewer* viewer);

}  // namespace plexara
