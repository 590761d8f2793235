#pragma once
// The options dialog for the two per-user preferences.
#include "forms/form.h"

namespace velvora {

class frmOptions : public Form {
 public:
  static constexpr std::string_view kName = "frmOptions";
  explicit frmOptions(Program& program);
};

}  // namespace velvora
