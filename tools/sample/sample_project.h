// The sample project: a small but real menu written with our own writers — a gradient main page
// with image buttons (normal, pointer-over and pressed pictures), shapes, an image, a menu bar and
// a right-click menu, a sub page, fades and a shadow; before it a splash screen and an agreement
// form with a required radio button, after it an exit form. scripts/demo plays it; the Wine tests
// load it.
#pragma once

#include <string>

namespace plexara::sample {

// Names the tests and the demo look for.
inline constexpr char kMainPageName[] = "Main";
inline constexpr char kSubPageName[] = "Details";
inline constexpr char kMainCaption[] = "Plexara Sample Menu";
inline constexpr int kMainWidth = 640;
inline constexpr int kMainHeight = 480;
// Where the main page's text objects sit (client coordinates).
inline constexpr int kTitleLeft = 50;
inline constexpr int kTitleTop = 36;
inline constexpr int kFadeLeft = 60;
inline constexpr int kFadeTop = 372;
inline constexpr int kLinkLeft = 60;
inline constexpr int kLinkTop = 410;
inline constexpr int kScrollLeft = 250;
inline constexpr int kScrollTop = 322;
inline constexpr int kScrollWidth = 270;
inline constexpr int kScrollHeight = 110;
inline constexpr char kSplashPageName[] = "Welcome";
inline constexpr char kAgreementPageName[] = "Agreement";
inline constexpr char kAgreementCaption[] = "Licence Agreement";
inline constexpr char kAcceptCaption[] = "I accept the agreement";
inline constexpr char kDeclineCaption[] = "I do not accept the agreement";
inline constexpr char kContinueCaption[] = "Continue";
inline constexpr char kExitFormName[] = "Goodbye";
inline constexpr char kExitFormCaption[] = "Leaving the Sample Menu";
inline constexpr char kStayCaption[] = "Stay";
inline constexpr char kQuitCaption[] = "Quit";

// Whether the start-up and exit forms are written (the start-up benchmark times the main page
// alone).
enum class SampleForms { Included, MainPageOnly };

// Writes the project into folder (which must exist): AutoRunSource with the project and page
// files, and autorun.tgt built from them. Reports failures through the error reporter.
bool WriteSampleProject(const std::string& folder, SampleForms forms = SampleForms::Included);

}  // namespace plexara::sample
