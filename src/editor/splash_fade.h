// The opacity steps of the editor's splash window: it fades in by 30 (of 255) every tick until
// opaque and, when closed, fades out by 20 every tick until gone. Kept apart from the window so
// the exact values can be checked without one.
#pragma once

#include <vector>

namespace plexara {

inline constexpr int kSplashTickMs = 10;
inline constexpr int kSplashFadeInStep = 30;
inline constexpr int kSplashFadeOutStep = 20;

// The opacity after one fade-in tick from `opacity`: never beyond 255.
int SplashFadeInNext(int opacity);
// The opacity after one fade-out tick from `opacity`: never below 0; at 0 the window goes.
int SplashFadeOutNext(int opacity);

// Every opacity a whole fade sets, in order: in from 0 to 255, out from 255 to 0.
std::vector<int> SplashFadeInSequence();
std::vector<int> SplashFadeOutSequence();

}  // namespace plexara
