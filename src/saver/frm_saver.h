#pragma once
// The slideshow window.
#include "forms/form.h"

namespace velvora {

class frmSaver : public Form {
 public:
  static constexpr std::string_view kName = "frmSaver";
  explicit frmSaver(Program& program);
};

}  // namespace velvora
