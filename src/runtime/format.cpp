#include "runtime/format.h"

#include <cstdlib>

namespace velvora {

std::string F(long n) {
  std::string digits = std::to_string(std::labs(n));
  if (digits.size() < 2) digits.insert(0, 1, '0');
  return n < 0 ? "-" + digits : digits;
}

}  // namespace velvora
