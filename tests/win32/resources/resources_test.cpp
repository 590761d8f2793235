// The resources Velvora.scr links, checked in a program that links them too: the icons, the name
// for the Screen Saver Settings list, the version, and what the manifest makes of the process;
// then that Velvora.scr itself carries them.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "backends/win32/win32_resources.h"

namespace velvora {
namespace {

std::wstring ProgramPath() {
  wchar_t path[MAX_PATH];
  return std::wstring(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
}

// Velvora.scr in its build folder.
std::wstring ScreenSaverPath() {
  const std::wstring program = ProgramPath();
  return program.substr(0, program.find_last_of(L'\\') + 1) + L"" VELVORA_SCR_FROM_TESTS;
}

std::wstring VersionText(const std::vector<char>& block, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring query = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  if (!VerQueryValueW(block.data(), query.c_str(), &value, &length) || length == 0) return L"";
  return std::wstring(static_cast<const wchar_t*>(value), length - 1);
}

BOOL CALLBACK FirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR first) {
  *reinterpret_cast<ULONG_PTR*>(first) = IS_INTRESOURCE(name) ? reinterpret_cast<ULONG_PTR>(name) : 0;
  return FALSE;
}

TEST(Resources, EveryWindowIconLoadsAndTheSlideshowsComesFirst) {
  for (int id : {VELVORA_ICON_SAVER, VELVORA_ICON_SETUP, VELVORA_ICON_HELP, VELVORA_ICON_OPTIONS}) {
    HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    ASSERT_NE(icon, nullptr) << id;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info)) << id;
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32) << id;
    EXPECT_EQ(colour.bmBitsPixel, 32) << id;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
  ULONG_PTR first = 0;
  EnumResourceNamesW(nullptr, RT_GROUP_ICON, FirstName, reinterpret_cast<LONG_PTR>(&first));
  EXPECT_EQ(first, ULONG_PTR{VELVORA_ICON_SAVER});
}

TEST(Resources, TheScreenSaverListShowsTheName) {
  wchar_t text[64] = {};
  ASSERT_GT(LoadStringW(GetModuleHandleW(nullptr), VELVORA_STRING_DESCRIPTION, text, 64), 0);
  EXPECT_STREQ(text, L"Velvora");
}

void ExpectVersion(const std::wstring& program) {
  DWORD unused = 0;
  std::vector<char> block(GetFileVersionInfoSizeW(program.c_str(), &unused));
  ASSERT_FALSE(block.empty());
  ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
  EXPECT_EQ(VersionText(block, L"ProductName"), L"Velvora");
  EXPECT_EQ(VersionText(block, L"FileDescription"), L"Velvora screen saver");
  EXPECT_EQ(VersionText(block, L"FileVersion"), L"" VELVORA_EXPECTED_VERSION);
  EXPECT_EQ(VersionText(block, L"OriginalFilename"), L"Velvora.scr");
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, (DWORD{VELVORA_EXPECTED_MAJOR} << 16) | VELVORA_EXPECTED_MINOR);
}

TEST(Resources, VersionNamesTheProductAndItsVersion) { ExpectVersion(ProgramPath()); }

TEST(Resources, VelvoraScrCarriesTheNameIconsVersionAndManifest) {
  const std::wstring scr = ScreenSaverPath();
  HMODULE module = LoadLibraryExW(scr.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr) << "cannot read " << std::string(scr.begin(), scr.end());
  wchar_t text[64] = {};
  EXPECT_GT(LoadStringW(module, VELVORA_STRING_DESCRIPTION, text, 64), 0);
  EXPECT_STREQ(text, L"Velvora");
  ULONG_PTR first = 0;
  EnumResourceNamesW(module, RT_GROUP_ICON, FirstName, reinterpret_cast<LONG_PTR>(&first));
  EXPECT_EQ(first, ULONG_PTR{VELVORA_ICON_SAVER});
  EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), RT_MANIFEST), nullptr);
  FreeLibrary(module);
  ExpectVersion(scr);
}

// The manifest at work: the common controls of version 6, and awareness of each monitor's DPI.
TEST(Resources, ManifestBringsCommonControlsSixAndPerMonitorDpi) {
  // The manifest sends the load to the side-by-side assembly of version 6 (Wine's copy answers
  // DllGetVersion with 5.81, so the folder is what tells).
  HMODULE controls = LoadLibraryW(L"comctl32.dll");
  ASSERT_NE(controls, nullptr);
  wchar_t path[MAX_PATH];
  std::wstring file(path, GetModuleFileNameW(controls, path, MAX_PATH));
  CharLowerW(file.data());
  EXPECT_NE(file.find(L"\\winsxs\\"), std::wstring::npos) << file;
  EXPECT_NE(file.find(L"microsoft.windows.common-controls_6595b64144ccf1df_6.0."), std::wstring::npos) << file;

  HMODULE user = GetModuleHandleW(L"user32.dll");
  using ThreadContext = HANDLE(WINAPI*)();
  using Awareness = int(WINAPI*)(HANDLE);
  auto threadContext =
      reinterpret_cast<ThreadContext>(reinterpret_cast<void*>(GetProcAddress(user, "GetThreadDpiAwarenessContext")));
  auto awareness = reinterpret_cast<Awareness>(
      reinterpret_cast<void*>(GetProcAddress(user, "GetAwarenessFromDpiAwarenessContext")));
  if (!threadContext || !awareness) GTEST_SKIP() << "no DPI awareness contexts on this system";
  EXPECT_EQ(awareness(threadContext()), 2);  // DPI_AWARENESS_PER_MONITOR_AWARE
}

}  // namespace
}  // namespace velvora
