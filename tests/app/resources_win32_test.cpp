// What the build puts into and beside the executable: the version block the save compares, the
// manifest's common controls 6, the icon, and the editor's generated files.
#include <windows.h>
#include <commctrl.h>
#include <shlwapi.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/app_resources.h"
#include "platform/version_info_win32.h"
#include "plexara_version.h"
#include "support/automation_win32.h"

namespace plexara {
namespace {

using testing_support::BuildDir;

TEST(Resources, TheExecutableCarriesTheBuildVersionAndProductName) {
  const std::string exe = BuildDir() + "\\Plexara.exe";
  EXPECT_EQ(win32::FileVersionOf(exe), PLEXARA_VERSION_STRING);
  EXPECT_FALSE(std::string(PLEXARA_VERSION_STRING).empty());

  DWORD ignored = 0;
  std::string block(GetFileVersionInfoSizeA(exe.c_str(), &ignored), '\0');
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
  char* product = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\ProductName", reinterpret_cast<void**>(&product), &length));
  EXPECT_STREQ(product, "Plexara");
  EXPECT_EQ(win32::FileVersionOf(BuildDir() + "\\missing.exe"), "");
}

TEST(Resources, TheManifestTurnsOnCommonControlsSixAndDpiAwareness) {
  // The tests run under the executable's own manifest, so the comctl32 loaded here is the one
  // Plexara.exe gets.
  HMODULE comctl = GetModuleHandleA("comctl32.dll");
  ASSERT_NE(comctl, nullptr);
  auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void*>(GetProcAddress(comctl, "DllGetVersion")));
  ASSERT_NE(getVersion, nullptr);
  DLLVERSIONINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_EQ(getVersion(&info), S_OK);
  EXPECT_EQ(info.dwMajorVersion, 6u);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LINK_CLASS};
  EXPECT_TRUE(InitCommonControlsEx(&controls));

  HMODULE exe = LoadLibraryExA((BuildDir() + "\\Plexara.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(exe, nullptr);
  HRSRC manifest = FindResourceA(exe, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(manifest, nullptr);
  const std::string text(static_cast<const char*>(LockResource(LoadResource(exe, manifest))), SizeofResource(exe, manifest));
  EXPECT_NE(text.find("Microsoft.Windows.Common-Controls"), std::string::npos);
  EXPECT_NE(text.find("version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(text.find(">true</dpiAware>"), std::string::npos);
  HICON icon = static_cast<HICON>(LoadImageA(exe, MAKEINTRESOURCEA(PLEXARA_ICON_APPLICATION), IMAGE_ICON, 32, 32, 0));
  EXPECT_NE(icon, nullptr);
  if (icon != nullptr) DestroyIcon(icon);
  FreeLibrary(exe);
}

TEST(Resources, DefaultIconAndTipsLieBesideTheEditor) {
  HICON icon = static_cast<HICON>(LoadImageA(nullptr, (BuildDir() + "\\Default.ico").c_str(), IMAGE_ICON, 48, 48, LR_LOADFROMFILE));
  ASSERT_NE(icon, nullptr);
  ICONINFO parts{};
  ASSERT_TRUE(GetIconInfo(icon, &parts));
  BITMAP colour{};
  GetObjectA(parts.hbmColor, sizeof(colour), &colour);
  EXPECT_EQ(colour.bmWidth, 48);
  DeleteObject(parts.hbmColor);
  DeleteObject(parts.hbmMask);
  DestroyIcon(icon);

  HANDLE tips = CreateFileA((BuildDir() + "\\Tips.rtf").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(tips, INVALID_HANDLE_VALUE);
  char head[6] = {};
  DWORD read = 0;
  ReadFile(tips, head, 5, &read, nullptr);
  CloseHandle(tips);
  EXPECT_STREQ(head, "{\\rtf");
}

}  // namespace
}  // namespace plexara
