#pragma once
// The help window of the setup dialog: a fixed tutorial on one panel, and a Done button.
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/fx_controls.h"

namespace velvora {

class frmHelp : public Form {
 public:
  static constexpr std::string_view kName = "frmHelp";
  explicit frmHelp(Program& program);

  SSPanel& SSPanel1;
  Label& Label1;
  Label& Label2;
  Label& Label3;
  Label& Label4;
  Label& Label5;
  Label& Label6;
  Line& Line1;
  Label& Label7;
  Label& Label8;
  Label& Label9;
  SSCommand& cmdExit;

 private:
  void cmdExit_Click();
};

}  // namespace velvora
