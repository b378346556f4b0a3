// The start-up decisions without windows: which pages play which role, and the administrative
// privilege check.
#include "player/startup_sequence.h"

#include <gtest/gtest.h>

#include "support/recording_shell.h"

namespace plexara {
namespace {

TEST(StartupSequence, PagesOfAKindInPageListOrder) {
  ProjectData project;
  const PageKind kinds[] = {PageKind::SubPage, PageKind::SplashScreen, PageKind::MainPage,
                            PageKind::SplashScreen, PageKind::MainPage};
  for (PageKind kind : kinds)
    project.pages.push_back({.name = "p", .kind = static_cast<std::uint8_t>(kind)});
  EXPECT_EQ(PagesOfKind(project, PageKind::SplashScreen), (std::vector<std::size_t>{1, 3}));
  EXPECT_EQ(FirstPageOfKind(project, PageKind::MainPage), std::optional<std::size_t>(2));
  EXPECT_EQ(FirstPageOfKind(project, PageKind::ExitForm), std::nullopt);
  EXPECT_TRUE(PagesOfKind(project, PageKind::ScreenBackground).empty());
}

TEST(StartupSequence, AdministrativePrivilegeIsCheckedOnlyWhenRequired) {
  const struct {
    bool required;
    bool administrator;
    bool starts;
  } cases[] = {{false, false, true}, {false, true, true}, {true, true, true}, {true, false, false}};
  for (const auto& c : cases) {
    testing_support::ScopedShellRecording recording;
    TSettings settings;
    settings.requireAdministrator = c.required;
    settings.administratorMessage = "Run me as administrator.";
    EXPECT_EQ(AdministrativePrivilegeAllowsStart(settings, c.administrator, recording.boxes),
              c.starts);
    if (c.starts) {
      EXPECT_TRUE(recording.log.empty());
    } else {
      EXPECT_EQ(recording.log,
                std::vector<std::string>{"inform Information: Run me as administrator."});
    }
  }
}

}  // namespace
}  // namespace plexara
