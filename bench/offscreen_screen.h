#pragma once
// Qt's offscreen platform with one screen of a chosen size, for measuring the desktop backend
// without a display; a platform already chosen (QT_QPA_PLATFORM) is kept.
namespace velvora::bench {

// Call before the application object is made.
void UseOffscreenScreen(int width, int height);

}  // namespace velvora::bench
