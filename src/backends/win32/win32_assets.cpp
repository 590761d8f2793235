// The pictures the platform reads: picture files for the core, and the program's own pictures
// (design pictures, button bitmaps), which Velvora.scr carries as resources and which are also
// looked up as <name>.png in the assets folder beside the program.
#include "backends/win32/win32_pictures.h"
#include "backends/win32/win32_platform.h"
#include "backends/win32/win32_text.h"
#include "runtime/errors.h"

namespace velvora::win32 {
namespace {

PicturePtr FromResource(const std::string& name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, Wide(name).c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  return bytes ? DecodePictureBytes(bytes, SizeofResource(module, found)) : nullptr;
}

}  // namespace

// The screen's size is read here, on the user-interface thread; the decoder runs on either.
PicturePtr Win32Platform::LoadPicture(const std::string& path) {
  const SIZE bound = ScreenBound();
  return pictures_.Take(path, {bound.cx, bound.cy});
}

void Win32Platform::PictureComesNext(const std::string& path) {
  const SIZE bound = ScreenBound();
  pictures_.Prefetch(path, {bound.cx, bound.cy});
}

std::vector<std::string> Win32Platform::PictureExtensions() { return PictureFileExtensions(); }

PicturePtr Win32Platform::LoadAsset(const std::string& name) {
  if (name.empty()) return nullptr;
  if (PicturePtr picture = FromResource(name)) return picture;
  try {
    return DecodePicture(ProgramFolder() + "\\assets\\" + name + ".png", {32767, 32767});
  } catch (const RuntimeError&) {
    return nullptr;  // no such picture: the control shows none
  }
}

}  // namespace velvora::win32
