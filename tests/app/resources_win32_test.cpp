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
  // The executable's own manifest as the loader applies it: comctl32 loaded under it is version 6
  // and offers the controls only version 6 has.
  const std::string exePath = BuildDir() + "\\Plexara.exe";
  ACTCTXA request{};
  request.cbSize = sizeof(request);
  request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = exePath.c_str();
  request.lpResourceName = MAKEINTRESOURCEA(1);
  HANDLE context = CreateActCtxA(&request);
  ASSERT_NE(context, INVALID_HANDLE_VALUE);
  ULONG_PTR cookie = 0;
  ASSERT_TRUE(ActivateActCtx(context, &cookie));
  HMODULE comctl = LoadLibraryA("comctl32.dll");
  ASSERT_NE(comctl, nullptr);
  auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void*>(GetProcAddress(comctl, "DllGetVersion")));
  auto initControls = reinterpret_cast<BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*)>(
      reinterpret_cast<void*>(GetProcAddress(comctl, "InitCommonControlsEx")));
  ASSERT_NE(getVersion, nullptr);
  ASSERT_NE(initControls, nullptr);
  DLLVERSIONINFO info{};
  info.cbSize = sizeof(info);
  EXPECT_EQ(getVersion(&info), S_OK);
  char loaded[MAX_PATH] = {};
  GetModuleFileNameA(comctl, loaded, MAX_PATH);
  // Wine's version 6 build still answers 5.x to DllGetVersion; where it lives tells the two apart.
  const bool fromVersionSix = std::string(loaded).find("common-controls_6595b64144ccf1df_6.") != std::string::npos;
  EXPECT_TRUE(info.dwMajorVersion >= 6 || fromVersionSix) << loaded << " " << info.dwMajorVersion;
  const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LINK_CLASS};
  EXPECT_TRUE(initControls(&controls));
  FreeLibrary(comctl);
  DeactivateActCtx(0, cookie);
  ReleaseActCtx(context);

  HMODULE exe = LoadLibraryExA(exePath.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
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
