#pragma once
// Small pictures for scripts and the demo: 24-bit BMP files drawn here, from nothing else.
#include <cstdint>
#include <string>

namespace velvora::driver {

// A top-to-bottom gradient between two colours (0x00BBGGRR) with a disc of the mixed inverse
// colour in the middle. False when the file cannot be written.
bool WriteGradientBmp(const std::string& path, int width, int height, std::int32_t top, std::int32_t bottom);

}  // namespace velvora::driver
