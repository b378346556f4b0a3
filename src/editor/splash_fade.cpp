#include "editor/splash_fade.h"

#include <algorithm>

namespace plexara {

int SplashFadeInNext(int opacity) { return std::min(255, std::max(0, opacity) + kSplashFadeInStep); }

int SplashFadeOutNext(int opacity) { return std::max(0, std::min(255, opacity) - kSplashFadeOutStep); }

std::vector<int> SplashFadeInSequence() {
  std::vector<int> steps;
  for (int opacity = 0; opacity < 255;) steps.push_back(opacity = SplashFadeInNext(opacity));
  return steps;
}

std::vector<int> SplashFadeOutSequence() {
  std::vector<int> steps;
  for (int opacity = 255; opacity > 0;) steps.push_back(opacity = SplashFadeOutNext(opacity));
  return steps;
}

}  // namespace plexara
