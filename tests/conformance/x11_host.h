#pragma once
// Windows of "another program" on the X server Qt runs on, for embedding tests. Kept apart
// because Xlib's macros clash with Qt's and the project's names.
#include <cstdint>
#include <optional>

namespace velvora::conformance {

// A mapped top-level X window of that size; empty when Qt runs without an X server.
std::optional<std::uint32_t> CreateX11Window(int width, int height);
void DestroyX11Window(std::uint32_t window);

}  // namespace velvora::conformance
