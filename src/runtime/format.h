#pragma once
#include <string>

namespace velvora {

// Two-digit format: at least two digits, zero-padded; the minus sign stays in front (-5 -> "-05").
std::string F(long n);

}  // namespace velvora
