#pragma once
// The options dialog for the two per-user preferences, the delay and the background colour.
#include <string>

#include "forms/controls.h"
#include "forms/form.h"

namespace velvora {

class frmOptions : public Form {
 public:
  static constexpr std::string_view kName = "frmOptions";
  explicit frmOptions(Program& program);

  void Form_Load() override;

  Label& Label1;
  TextBox& txtDelay;
  VScrollBar& vsDelay;
  Label& Label2;
  Label& lblBackColor;
  CommandButton& cmdOK;
  CommonDialog& cmdColor;

 private:
  void vsDelay_Change();
  void txtDelay_Change();
  void lblBackColor_Click();
  void cmdOK_Click();

  std::string acceptedDelay_;  // the last delay text that can be stored safely
};

}  // namespace velvora
