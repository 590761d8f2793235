#pragma once
// The configuration dialog, which is also the in-memory store of the slideshow settings: its
// controls hold the interval, the unit, the placement and the picture list. The slideshow reads
// them straight from the public controls; nothing else keeps a copy.
#include <cstdint>
#include <string>

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/fx_controls.h"
#include "forms/list_controls.h"

namespace velvora {

class frmSetup : public Form {
 public:
  static constexpr std::string_view kName = "frmSetup";
  explicit frmSetup(Program& program);

  void Form_Load() override;
  void DescribeVariables(PropertySink& sink) const override;

  // Created in design order: a container comes before what it holds.
  FXLabel& FXLabel4;
  Line& Line1;
  Label& Label2;
  Label& Label4;
  Label& numImages;
  ListBox& List1;
  DirList& Dir1;
  FileList& File1;
  DriveList& Drive1;
  Label& Label3;
  Label& Label5;
  Label& Label8;
  Label& Label6;
  Label& Label9;
  Label& Label7;
  Frame& Frame1;
  Frame& Frame2;
  OptionButton& MinOpt;
  OptionButton& SecOpt;
  Label& Label1;
  TextBox& Text1;
  SSPanel& SSPanel1;
  SSCommand& picAdd;
  SSCommand& picRemove;
  CheckBox& Check1;
  CommandButton& cmdHelp;
  OptionButton& OptionRandom;
  OptionButton& OptionFullWin;
  SSCommand& cmdCancel;
  SSCommand& cmdExit;
  FXImage& picture1;  // after Frame1, so it lies over the frame's panel
  Timer& Timer1;

 private:
  // The dialog shell (frm_setup.cpp).
  void Timer1_Timer();
  void Drive1_Change();
  void Dir1_Change();
  void MinOpt_Click();
  void SecOpt_Click();
  void cmdExit_Click();
  void cmdCancel_Click();
  void cmdHelp_Click();
  static void Highlight(SSCommand& button, bool on);

  // The picture list (picture_list.cpp).
  void List1_Click();
  void File1_Click();
  void picAdd_Click();
  void picRemove_Click();
  void ShowPictureCount();
  // Loads a picture into picture1 when Preview is checked; a file that is no picture is ignored.
  void Preview(const std::string& path);

  std::string BannerText;
  std::int16_t BannerPos = 0;
  std::int16_t BannerLen = 0;
  std::int32_t PictureCount = 0;
  std::string CandidatePath;
  int Reply = 0;
  bool restoringDrive_ = false;  // putting Drive1 back after a drive that cannot be read
};

}  // namespace velvora
