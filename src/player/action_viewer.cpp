#include "player/action_viewer.h"

namespace plexara {
namespace {

class NoViewer final : public FullScreenViewer {
 public:
  bool ShowPicture(const std::string&, NativeWindow) override { return false; }
  bool PlayMedia(const std::string&, NativeWindow) override { return false; }
  bool RunSlideShow(const SlideShowSettings&, const std::string&, const std::string&,
                    NativeWindow) override {
    return false;
  }
};

NoViewer defaultViewer;
FullScreenViewer* currentViewer = &defaultViewer;

}  // namespace

FullScreenViewer& CurrentFullScreenViewer() { return *currentViewer; }

FullScreenViewer* SetFullScreenViewer(FullScreenViewer* viewer) {
  FullScreenViewer* previous = currentViewer;
  currentViewer = viewer ? viewer : &defaultViewer;
  return previous;
}

}  // namespace plexara
