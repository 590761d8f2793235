#pragma once
// The number of the run-time error a call raises, or 0 when it raises none.
#include "runtime/errors.h"

namespace velvora::test {

int ErrorOf(auto&& call) {
  try {
    call();
  } catch (const RuntimeError& e) {
    return e.Code();
  }
  return 0;
}

}  // namespace velvora::test
