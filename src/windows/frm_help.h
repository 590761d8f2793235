#pragma once
// The help window of the setup dialog.
#include "forms/form.h"

namespace velvora {

class frmHelp : public Form {
 public:
  static constexpr std::string_view kName = "frmHelp";
  explicit frmHelp(Program& program);
};

}  // namespace velvora
