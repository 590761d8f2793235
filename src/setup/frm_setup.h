#pragma once
// The configuration dialog, which is also the in-memory store of the slideshow settings.
#include "forms/form.h"

namespace velvora {

class frmSetup : public Form {
 public:
  static constexpr std::string_view kName = "frmSetup";
  explicit frmSetup(Program& program);
};

}  // namespace velvora
