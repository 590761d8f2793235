#pragma once
// The pattern list of the setup dialog's file list.
#include <string>
#include <vector>

namespace velvora {

// The designed list ("*.bmp;...;*.emp;*.ico;*.cur") kept whole, then "*.emf" (the enhanced
// metafile that the designed "*.emp" stands for), then every further extension the platform's
// picture loader reads, in the order given. An extension that is not plain letters and digits is
// left out, so an answer can never add a wildcard or a separator.
std::string PicturePatterns(const std::vector<std::string>& loaderExtensions);

}  // namespace velvora
